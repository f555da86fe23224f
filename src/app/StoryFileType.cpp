// The story file's generations: which files open as stories, the messages for the others, and the
// conversion of the texts of the oldest generation.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/FileConversionDialog.h"
#include "app/StrayRecords.h"
#include "foundation/File.h"
#include "foundation/FileError.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/Alerts.h"
#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/StoryRecords.h"

namespace {

// Main record types of later versions, which this one does not read.
constexpr FourCC kNewerMainRecordTypes[] = {FourCCOf("SDI5"), FourCCOf("SDI6"), FourCCOf("SDI7"),
                                            FourCCOf("SDI8"), FourCCOf("SDI9")};
constexpr FourCC kReadableMainRecordTypes[] = {kMainRecordType, kOldMainRecordType, kOldestMainRecordType};

// Segments that hold no keyed record whatever their bytes look like: pictures and raw lists.
constexpr FourCC kBinaryTypes[] = {FourCCOf("CPIX"), FourCCOf("QSTS"), FourCCOf("QSTs"), FourCCOf("BITM")};

bool Holds(const LList& types, FourCC type) {
    for (std::int32_t i = 0; i < types.Count(); ++i)
        if (static_cast<FourCC>(types.GetAt(i)) == type) return true;
    return false;
}

bool IsBinaryType(FourCC type) {
    for (const FourCC binary : kBinaryTypes)
        if (binary == type) return true;
    return false;
}

// Escapes every text value of the record; true when any changed. A text whose escaped form would
// be longer than a record holds stays as it is rather than being cut.
bool ConvertRecord(PText& record, FileConversionDialog& dialog, ErrCode& answer) {
    const FablecoreStringConverter& converter = SharedStringConverter();
    bool changed = false;
    std::int32_t cursor = 0;
    PTextEntry entry;
    std::vector<std::string> keys;
    for (std::int32_t found = record.FirstEntry(cursor, entry); found >= 0; found = record.NextEntry(cursor, entry)) {
        if (entry.type == kPTextText) keys.emplace_back(entry.key);
        answer = dialog.Update(-1);
        if (answer != kNoErr) return changed;
    }
    for (const std::string& key : keys) {
        const std::uint32_t length = record.GetValueSize(key);
        std::vector<char> text(length + 1, '\0');
        record.GetEntry(key, kPTextText, text.data(), static_cast<std::int32_t>(text.size()));
        std::vector<char> escaped(converter.MaxEncodedSize(length), '\0');
        if (!converter.Encode(text.data(), escaped.data(), static_cast<std::uint32_t>(escaped.size()))) continue;
        if (record.SetEntry(key, kPTextText, escaped.data()) >= 0) changed = true;
    }
    return changed;
}

// What reading answers for a store of the program's own whose bytes were cut short or changed: its
// data malformed, its segment map invalid, or its end come before what its header promises.
bool IsDamagedStore(ErrCode error) {
    return error == kBadDataErr || error == kBadSegmentMapErr || error == kEndOfFileErr ||
           error == kWrongSizeErr;
}

// The program's own store, which reading found cut short or changed.
void ReportDamagedStore(const FileRef& file, ErrCode error) {
    char text[512];
    std::snprintf(text, sizeof text, "File '%s' is damaged and cannot be opened.\n\n%s", file.NamePtr(),
                  FileErrorMessage(error));
    AlertMessage(text, kAlertStop, 1);
}

}  // namespace

bool FKDoc::CanOpenFile(const FileRef& file) {
    if (PFMIsPFMFile(file)) return true;
    // A store whose first bytes were damaged is no file of another kind.
    ReportUnopenedFile(file, PFMIsDamagedPFMFile(file) ? kBadDataErr : kUnsupportedFormatErr);
    return false;
}

bool FKDoc::ReadFrom(const FileRef& file, PFMFile* store) { return CheckFileType(file, store); }

bool FKDoc::CheckFileType(const FileRef& file, PFMFile* store) {
    LList types;
    bool listed = false;
    {
        const PFMFileScope scope(store, false);
        listed = PFMGetSegmentTypes(types) == kNoErr;
    }
    if (listed) {
        for (const FourCC type : kReadableMainRecordTypes)
            if (Holds(types, type)) return true;
        for (const FourCC type : kNewerMainRecordTypes) {
            if (!Holds(types, type)) continue;
            char text[556];
            std::snprintf(text, sizeof text,
                          "File '%s' was saved by a newer version of the Fablecore software.\n\nIn order to "
                          "open this file, you will need to upgrade to a newer version.\n\nPlease ask whoever "
                          "gave you Fablecore for the newer version.",
                          file.NamePtr());
            AlertMessage(text, kAlertStop, 1);
            return false;
        }
        const PFMFileScope scope(store, false);
        if (HoldsStrayMainRecord()) return true;
    }
    // A store whose map was damaged (its position or count) may list none of the story's records.
    if (PFMMapEndsShort(store)) {
        ReportDamagedStore(file, kBadSegmentMapErr);
        return false;
    }
    ReportUnreadableFile(file);
    return false;
}

// The message names the program as the about box does, with its version.
void FKDoc::ReportUnreadableFile(const FileRef& file) {
    const std::string program = GetAppl() ? GetAppl()->GetAppName() : std::string(Fablecore::kProductName);
    char text[512];
    std::snprintf(text, sizeof text, "File '%s' is not in a format that can be read by %s.", file.NamePtr(),
                  program.c_str());
    AlertMessage(text, kAlertStop, 1);
}

void FKDoc::ReportUnopenedFile(const FileRef& file, ErrCode error) {
    char text[512];
    if (File::IsHeldElsewhere(file)) {
        std::snprintf(text, sizeof text,
                      "File '%s' is in use by another program or another copy of Fablecore. It can be opened "
                      "once it is closed there.",
                      file.NamePtr());
    } else if (error == kFileErr || error == kUnsupportedFormatErr) {
        ReportUnreadableFile(file);
        return;
    } else if (IsDamagedStore(error)) {
        ReportDamagedStore(file, error);
        return;
    } else {
        std::snprintf(text, sizeof text, "File '%s' could not be opened.\n\n%s", file.NamePtr(),
                      FileErrorMessage(error));
    }
    AlertMessage(text, kAlertStop, 1);
}

// Every keyed record of the story file, in the order of their types and ids. Segments that are no
// keyed record, or of whose text nothing reads, are left as they are.
ErrCode FKDoc::ConvertOldTexts() {
    FileConversionDialog dialog;
    const PFMFileScope story(store_, false);
    LList types;
    if (PFMGetSegmentTypes(types) != kNoErr) return kNoErr;
    std::vector<std::pair<FourCC, std::uint16_t>> segments;
    for (std::int32_t i = 0; i < types.Count(); ++i) {
        const auto type = static_cast<FourCC>(types.GetAt(i));
        SList ids;
        PFMGetSegmentIds(type, ids);
        for (std::int32_t j = 0; j < ids.Count(); ++j) segments.emplace_back(type, static_cast<std::uint16_t>(ids.GetAt(j)));
    }
    ErrCode answer = kNoErr;
    for (std::size_t i = 0; i < segments.size() && answer == kNoErr; ++i) {
        answer = dialog.Update(static_cast<std::int32_t>((i + 1) * 100 / segments.size()));
        const auto [type, id] = segments[i];
        if (answer != kNoErr || IsBinaryType(type) || !PFMIsRawSegment(type, id)) continue;
        ErrCode error = kNoErr;
        PText record(store_, type, id, &error);
        // A damaged record has what reads whole of it converted and written whole, so that the open
        // reads it in the current form; its damage is told once, with the open's others.
        const bool damaged = record.DamagedAt().has_value();
        if (error != kNoErr && (!IsDamagedRecord(error) || record.Count() == 0)) continue;
        if (error != kNoErr) PFMNoteDamagedRecord(store_, {type, id});
        if (ConvertRecord(record, dialog, answer) || damaged) record.Save();
    }
    return answer;
}
