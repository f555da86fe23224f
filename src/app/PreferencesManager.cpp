#include "app/PreferencesManager.h"

#include <algorithm>
#include <cstring>

#include "foundation/Debug.h"
#include "foundation/FileError.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/Alerts.h"
#include "framework/FontAndColorChoosers.h"
#include "framework/InputHelpers.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "platform/sys/UserFolders.h"
#include "storymodel/engine/Vocabulary.h"

namespace {

constexpr FourCC kRecordTypes[kPrefRecordCount] = {
    FourCCOf("BLCH"), FourCCOf("BWSE"), FourCCOf("CTNG"), FourCCOf("FQS "), FourCCOf("DICT"),
    FourCCOf("REPT"), FourCCOf("CLST"), FourCCOf("SPNT"), FourCCOf("EXPL"), FourCCOf("PRFW"),
    FourCCOf("BRST"), FourCCOf("CMNT"), FourCCOf("PLOT")};

// The keys of the throughline colours, by index.
constexpr const char* kColorKeys[PreferencesManager::kThroughlineColorCount] = {"a", "b", "c", "d", "e"};

// A throughline's colour: its base colour lightened towards white.
struct ColorBase {
    RGBColor base;
    std::uint16_t divisor;
};
constexpr ColorBase kColorBases[PreferencesManager::kThroughlineColorCount] = {
    {{0xFFFF, 0x3F00, 0x3F00}, 8},  // the overall story
    {{0x6500, 0xFA00, 0xFFFF}, 4},  // the main character
    {{0x7500, 0x9200, 0xFFFF}, 3},  // the impact character
    {{0xFFFF, 0xFFFF, 0x0000}, 8},  // the subjective story
    {{0x0000, 0xFFFF, 0x0000}, 4},  // the plot pilot
};

constexpr std::uint16_t Lighten(std::uint16_t component, std::uint16_t divisor) {
    const auto lightened = static_cast<std::uint16_t>(0xFFFF - (0xFFFF - component) / divisor);
    return lightened != 0 ? static_cast<std::uint16_t>(lightened - 1) : lightened;
}

constexpr RGBColor kGrey{0xB000, 0xB000, 0xB000};

std::string Suffixed(const char* key, const char* suffix) { return std::string(key) + suffix; }

// A store file that was read and found wrong, as against one that could not be read at all (held by
// another copy of the program, not readable by this user, a failing disk).
bool IsDamagedStore(ErrCode error) {
    return error == kBadDataErr || error == kUnsupportedFormatErr || error == kBadSegmentMapErr ||
           error == kEndOfFileErr || error == kWrongSizeErr;
}

}  // namespace

FourCC PreferencesManager::RecordType(PrefRecord record) { return kRecordTypes[static_cast<std::size_t>(record)]; }

RGBColor PreferencesManager::DefaultThroughlineColor(int index) {
    if (index < 0 || index >= kThroughlineColorCount) return kGrey;
    const ColorBase& base = kColorBases[index];
    return RGBColor(Lighten(base.base.red, base.divisor), Lighten(base.base.green, base.divisor),
                    Lighten(base.base.blue, base.divisor));
}

PreferencesManager::PreferencesManager(FourCC signature) : signature_(signature) {
    for (int i = 0; i < kThroughlineColorCount; ++i) colors_[static_cast<std::size_t>(i)] = DefaultThroughlineColor(i);
}

PreferencesManager::~PreferencesManager() { CloseFile(); }

// The records are kept on an empty store in memory when the file cannot be had, so the program
// runs with the defaults.
std::int16_t PreferencesManager::LoadRecords() {
    file_ = OpenFile();
    for (std::size_t i = 0; i < kPrefRecordCount; ++i) {
        if (file_) records_[i] = std::make_unique<PText>(file_, kRecordTypes[i], 0);
    }
    for (int i = 0; i < kThroughlineColorCount; ++i)
        GetPrefColor(GetGeneralRecord(), kColorKeys[i], colors_[static_cast<std::size_t>(i)]);
    std::int16_t originalTerms = 0;
    GetPrefShort(GetFQSRecord(), "OrigTerms", originalTerms);
    SetOriginalTerms(static_cast<std::uint16_t>(originalTerms));
    return originalTerms;
}

// The file is opened for reading, which other copies of the program may do at the same time, and is
// replaced whole when it is written. Only a damaged file is rebuilt; a file that cannot be read
// (another copy holds it for writing, say) is left as it is, and the program runs with the
// defaults and writes nothing.
PFMFile* PreferencesManager::OpenFile() {
    std::string folder;
    win::GetSettingsFolder(folder);
    fileRef_ = FileRef(kFileName, "", (folder + "/").c_str(), kAccessRead);
    fileRef_.FindNoCase();
    if (IsAltKeyDown(0) && IsShiftKeyDown(0) &&
        AskYesNoCancel("Delete current Preferences file (it will be rebuilt)", 0, true) == kAnswerYes) {
        fileRef_.Remove();
    }

    // The preferences stand apart from every other store.
    PFMPushCurrentFile(nullptr);
    PFMFile* store = fileRef_.Exists() ? PFMOpenFile(&fileRef_) : nullptr;
    ErrCode error = store ? kNoErr : PFMGetError();
    if (!store && IsDamagedStore(error)) fileRef_.Remove();
    if (!store && !fileRef_.Exists()) {
        error = MakeEmptyFile();
        if (error == kNoErr) {
            PFMSetCurrentFile(nullptr);
            store = PFMOpenFile(&fileRef_);
            error = store ? kNoErr : PFMGetError();
        }
    }
    // With no file there, writing one at the end harms nothing.
    writesFile_ = store != nullptr || !fileRef_.Exists();
    if (!store) {
        PFMClearError();
        PFMSetCurrentFile(nullptr);
        store = PFMOpenFile(nullptr);
        if (!store) error = PFMGetError();
    }
    if (error != kNoErr) {
        PFMClearError();
        Beep();
    }
    PFMPopCurrentFile();
    return store;
}

ErrCode PreferencesManager::MakeEmptyFile() const {
    PFMSetCurrentFile(nullptr);
    PFMFile* empty = PFMOpenFile(nullptr);
    if (!empty) return PFMGetError();
    const ErrCode error = PFMSaveCopy(fileRef_);
    PFMCloseFile(empty);
    return error;
}

// An unchanged store is not written, so that a copy of the program that changed nothing never puts
// back what another copy changed meanwhile.
void PreferencesManager::CloseFile() {
    if (!file_) return;
    for (std::unique_ptr<PText>& record : records_) {
        if (record) record->Save();
        record.reset();
    }
    PFMPushCurrentFile(file_);
    if (writesFile_ && PFMIsChanged(file_) && PFMSaveFile(&fileRef_) != kNoErr) PFMClearError();
    PFMPopCurrentFile();
    PFMCloseFile(file_);
    file_ = nullptr;
}

// --- typed operations

std::int32_t PreferencesManager::GetPrefShort(PText* record, const char* key, std::int16_t& value) {
    return record ? record->GetEntry(key, kPTextShort, &value) : kPTextErrNoKey;
}

std::int32_t PreferencesManager::GetPrefLong(PText* record, const char* key, std::int32_t& value) {
    return record ? record->GetEntry(key, kPTextLong, &value) : kPTextErrNoKey;
}

std::int32_t PreferencesManager::SetPrefShort(PText* record, const char* key, std::int16_t value) {
    return record ? record->SetNumberByName(key, kPTextShort, value) : kNoErr;
}

std::int32_t PreferencesManager::SetPrefLong(PText* record, const char* key, std::int32_t value) {
    return record ? record->SetNumberByName(key, kPTextLong, value) : kNoErr;
}

std::int32_t PreferencesManager::GetPrefString(PText* record, const char* key, char* buffer, std::size_t capacity) {
    if (!record || capacity == 0) return kPTextErrNoKey;
    return record->GetEntry(key, kPTextText, buffer, static_cast<std::int32_t>(capacity));
}

std::int32_t PreferencesManager::SetPrefString(PText* record, const char* key, const char* text) {
    return record ? record->SetEntry(key, kPTextText, text ? text : "") : kNoErr;
}

bool PreferencesManager::GetPrefRect(PText* record, const char* key, ShortRect& rect) {
    std::int16_t sides[4] = {};
    const char* suffixes[4] = {"t", "l", "b", "r"};
    for (int i = 0; i < 4; ++i) {
        if (GetPrefShort(record, Suffixed(key, suffixes[i]).c_str(), sides[i]) < 0) return false;
    }
    rect.top = sides[0];
    rect.left = sides[1];
    rect.bottom = sides[2];
    rect.right = sides[3];
    return true;
}

void PreferencesManager::SetPrefRect(PText* record, const ShortRect& rect, const char* key) {
    SetPrefShort(record, Suffixed(key, "t").c_str(), rect.top);
    SetPrefShort(record, Suffixed(key, "l").c_str(), rect.left);
    SetPrefShort(record, Suffixed(key, "b").c_str(), rect.bottom);
    SetPrefShort(record, Suffixed(key, "r").c_str(), rect.right);
}

void PreferencesManager::SaveWindowRect(PText* record, TWindow& window, const char* key) {
    SetPrefRect(record, window.GetRestoredRect(), key);
}

void PreferencesManager::SaveDialogRect(PText* record, TWindow& dialog, const char* key) {
    SetPrefRect(record, dialog.GetFrameRect(), key);
}

void PreferencesManager::GetPrefColor(PText* record, const char* key, RGBColor& color) {
    std::int16_t components[3] = {static_cast<std::int16_t>(color.red), static_cast<std::int16_t>(color.green),
                                  static_cast<std::int16_t>(color.blue)};
    GetPrefShort(record, Suffixed(key, "r").c_str(), components[0]);
    GetPrefShort(record, Suffixed(key, "g").c_str(), components[1]);
    GetPrefShort(record, Suffixed(key, "b").c_str(), components[2]);
    color = RGBColor(static_cast<std::uint16_t>(components[0]), static_cast<std::uint16_t>(components[1]),
                     static_cast<std::uint16_t>(components[2]));
}

void PreferencesManager::SetPrefColor(PText* record, const char* key, const RGBColor& color) {
    SetPrefShort(record, Suffixed(key, "r").c_str(), static_cast<std::int16_t>(color.red));
    SetPrefShort(record, Suffixed(key, "g").c_str(), static_cast<std::int16_t>(color.green));
    SetPrefShort(record, Suffixed(key, "b").c_str(), static_cast<std::int16_t>(color.blue));
}

void PreferencesManager::GetPrefFont(PText* record, const char* key, win::LOGFONTA& font) {
    std::string face;
    std::int16_t height = 0;
    std::int32_t style = 0;
    LogFontToFaceSpec(font, face, height, style);
    char name[sizeof font.lfFaceName] = {};
    std::strncpy(name, face.c_str(), sizeof name - 1);
    std::int16_t styleBits = static_cast<std::int16_t>(style);
    GetPrefString(record, Suffixed(key, "FNm").c_str(), name, sizeof name);
    GetPrefShort(record, Suffixed(key, "FSz").c_str(), height);
    GetPrefShort(record, Suffixed(key, "Fac").c_str(), styleBits);
    MakeLogFontByName(font, name, height, styleBits);
}

void PreferencesManager::SetPrefFont(PText* record, const char* key, const win::LOGFONTA& font) {
    std::string face;
    std::int16_t height = 0;
    std::int32_t style = 0;
    LogFontToFaceSpec(font, face, height, style);
    SetPrefString(record, Suffixed(key, "FNm").c_str(), face.c_str());
    SetPrefShort(record, Suffixed(key, "FSz").c_str(), height);
    SetPrefShort(record, Suffixed(key, "Fac").c_str(), static_cast<std::int16_t>(style));
}

bool PreferencesManager::ChooseFont(win::LOGFONTA& font) {
    return ChooseFontDialog(font, kChooseFontWithStyle, 7, 72) == kNoErr;
}

// --- named settings

std::int16_t PreferencesManager::GetGeneralShort(const char* key, std::int16_t fallback) const {
    GetPrefShort(GetGeneralRecord(), key, fallback);
    return fallback;
}

bool PreferencesManager::IsSingleDocument() const { return GetGeneralShort("MultiStories", 0) <= 0; }

std::int16_t PreferencesManager::GetAutoSave() const { return GetGeneralShort("AutoSave", 1); }

std::int16_t PreferencesManager::GetAutoSaveMinutes() const {
    const std::int16_t minutes = GetGeneralShort("AutoSaveMin", 30);
    return minutes < 0 ? std::int16_t{0} : minutes;
}

// A value outside the three pronoun sets (a damaged file) reads as the nearest set, as the
// preferences window shows it.
std::int16_t PreferencesManager::GetPronounGender() {
    if (pronounGender_ < 0) pronounGender_ = GetGeneralShort(kPronounGenderKey, 1);
    return std::clamp<std::int16_t>(pronounGender_, 0, kLastPronounGender);
}

void PreferencesManager::SetPronounGender(std::int16_t gender) {
    pronounGender_ = gender;
    SetPrefShort(GetGeneralRecord(), kPronounGenderKey, gender);
}

bool PreferencesManager::HasPronounGender() const {
    return GetGeneralRecord() && GetGeneralRecord()->HasKey(kPronounGenderKey);
}

void PreferencesManager::GetThroughlineColor(int index, RGBColor& color) const {
    color = index >= 0 && index < kThroughlineColorCount ? colors_[static_cast<std::size_t>(index)] : kGrey;
}

bool PreferencesManager::SetThroughlineColors(const std::array<RGBColor, kThroughlineColorCount>& colors) {
    bool changed = false;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const RGBColor& color = colors[i];
        if (color.red == colors_[i].red && color.green == colors_[i].green && color.blue == colors_[i].blue) continue;
        colors_[i] = color;
        changed = true;
    }
    if (changed) {
        for (std::size_t i = 0; i < colors_.size(); ++i) SetPrefColor(GetGeneralRecord(), kColorKeys[i], colors_[i]);
    }
    return changed;
}

std::string PreferencesManager::GetPattern(const char* key, const char* fallback) {
    PText* record = GetReportOptions();
    if (!record || !record->HasKey(key)) {
        SetPrefString(record, key, fallback);
        return fallback;
    }
    std::string pattern(record->GetValueSize(key) + 1, '\0');
    GetPrefString(record, key, pattern.data(), pattern.size());
    pattern.resize(std::strlen(pattern.c_str()));
    return pattern;
}

std::string PreferencesManager::GetReportHeader() { return GetPattern(kReportHeaderKey, kDefaultHeader); }
std::string PreferencesManager::GetReportFooter() { return GetPattern(kReportFooterKey, kDefaultFooter); }
void PreferencesManager::SetReportHeader(const char* pattern) {
    SetPrefString(GetReportOptions(), kReportHeaderKey, pattern);
}
void PreferencesManager::SetReportFooter(const char* pattern) {
    SetPrefString(GetReportOptions(), kReportFooterKey, pattern);
}

std::int16_t PreferencesManager::GetReturnAdvances() const {
    std::int16_t value = 0;
    GetPrefShort(GetFQSRecord(), kReturnAdvancesKey, value);
    return value;
}

void PreferencesManager::SetReturnAdvances(std::int16_t value) {
    SetPrefShort(GetFQSRecord(), kReturnAdvancesKey, value);
}
