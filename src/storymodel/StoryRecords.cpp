#include "storymodel/StoryRecords.h"

#include <string>
#include <vector>

#include "foundation/FileError.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"

namespace {

void NoteDamaged(const PText& record) {
    PFMNoteDamagedRecord(record.GetStore(), {record.GetRecordType(), record.GetRecordNumber()});
}

}  // namespace

bool IsDamagedRecord(ErrCode error) {
    return error == kBadDataErr || (error <= kPTextErrNoBackslash && error >= kPTextErrUnterminated);
}

StoryRecord OpenStoryRecord(PFMFile* story, FourCC type, std::uint16_t number) {
    StoryRecord opened;
    opened.record = std::make_unique<PText>(story, type, number, &opened.error);
    if (!IsDamagedRecord(opened.error)) return opened;
    if (opened.error != kBadDataErr && opened.record->Count() > 0) {
        NoteDamaged(*opened.record);
        opened.error = kNoErr;
        return opened;
    }
    // Nothing of it reads: a segment the record could not write over goes, so that a save writes it.
    {
        const PFMFileScope scope(story, false);
        PFMRemoveSegment(type, number);
    }
    opened.lost = true;
    opened.record = std::make_unique<PText>(story, type, number, &opened.error);
    return opened;
}

bool LeaveOutMistyped(PText& record, std::string_view key, char type) {
    if (record.GetEntry(key, type, nullptr) != kPTextErrTypeMismatch) return false;
    record.Remove(key);
    NoteDamaged(record);
    return true;
}

void LeaveOutOtherTypes(PText& record, char type) {
    std::vector<std::string> mistyped;
    PTextEntry entry;
    std::int32_t cursor = 0;
    for (std::int32_t found = record.FirstEntry(cursor, entry); found >= 0;
         found = record.NextEntry(cursor, entry))
        if (entry.type != static_cast<unsigned char>(type)) mistyped.emplace_back(entry.key);
    for (const std::string& key : mistyped) record.Remove(key);
    if (!mistyped.empty()) NoteDamaged(record);
}
