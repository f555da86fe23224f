#pragma once
// The preferences file "fablecor.prf": a store holding one keyed record per tool family, where
// every window and tool keeps its placements, colours, fonts and options under key names of its
// own. The manager opens the file at start-up (making a new one when it is missing or damaged),
// keeps the records open while the program runs and writes them back when it is deleted at
// shut-down. A key that is missing never fails a read: the caller's default stays.
//
// Composite values take several keys, made by appending a suffix to the caller's key: a rectangle
// key + "t", "l", "b", "r"; a colour key + "r", "g", "b"; a font key + "FNm" (face), "FSz" (height)
// and "Fac" (style bits 1 bold, 2 italic, 4 underline).
//
// The file lives beside the program when the program's folder may be written, else in the user's
// settings folder.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/FileRef.h"
#include "foundation/Types.h"
#include "framework/graphics/RGBColor.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"

class PFMFile;
class PText;
class TWindow;

// The records, in the order they are made.
enum class PrefRecord {
    kBuildCharacters,  // 'BLCH'
    kBrowser,          // 'BWSE'
    kCasting,          // 'CTNG'
    kQuerySystem,      // 'FQS '
    kDictionary,       // 'DICT'
    kReports,          // 'REPT'
    kCharacterList,    // 'CLST'
    kStoryPoints,      // 'SPNT'
    kTheoryHelp,       // 'EXPL'
    kGeneral,          // 'PRFW'
    kBrainstorming,    // 'BRST'
    kComments,         // 'CMNT'
    kPlotProgression,  // 'PLOT'
};
inline constexpr std::size_t kPrefRecordCount = 13;

class PreferencesManager {
public:
    static constexpr const char* kFileName = "fablecor.prf";
    static constexpr int kThroughlineColorCount = 5;
    // The pronoun sets of the examples: 0 he, 1 she, 2 it.
    static constexpr std::int16_t kLastPronounGender = 2;
    static constexpr const char* kDefaultHeader = "^T^<^R^>";
    static constexpr const char* kDefaultFooter = "Fablecore ^V^<- ^P -^|^D^>";
    // The keys of the settings the preferences window shows beside the accessors below.
    static constexpr const char* kReportHeaderKey = "HEADER";
    static constexpr const char* kReportFooterKey = "FOOTER";
    static constexpr const char* kReturnAdvancesKey = "RetAdv";
    static constexpr const char* kPronounGenderKey = "PNounGen";

    // The record type of each record.
    static FourCC RecordType(PrefRecord record);
    // The default colour of each throughline (0-4).
    static RGBColor DefaultThroughlineColor(int index);

    // Opens nothing yet.
    explicit PreferencesManager(FourCC signature);
    // Writes the records and the file back and closes it.
    virtual ~PreferencesManager();
    PreferencesManager(const PreferencesManager&) = delete;
    PreferencesManager& operator=(const PreferencesManager&) = delete;

    // Opens (or makes) the file, opens the thirteen records, reads the throughline colours and the
    // vocabulary choice ("OrigTerms", which it puts in force); answers that choice.
    std::int16_t LoadRecords();
    // Saves every record into the file, writes the file and closes it; nothing without a file.
    void CloseFile();

    // --- records

    PText* GetRecord(PrefRecord record) const { return records_[static_cast<std::size_t>(record)].get(); }
    PText* GetFQSRecord() const { return GetRecord(PrefRecord::kQuerySystem); }
    PText* GetGeneralRecord() const { return GetRecord(PrefRecord::kGeneral); }
    PText* GetReportOptions() const { return GetRecord(PrefRecord::kReports); }
    PFMFile* GetFile() const { return file_; }
    const FileRef& GetFileRef() const { return fileRef_; }

    // --- typed operations on a record's keys (a null record reads nothing and writes nothing)

    // The value under the key; a missing key (-9010) leaves the value as it was.
    static std::int32_t GetPrefShort(PText* record, const char* key, std::int16_t& value);
    static std::int32_t GetPrefLong(PText* record, const char* key, std::int32_t& value);
    static std::int32_t SetPrefShort(PText* record, const char* key, std::int16_t value);
    static std::int32_t SetPrefLong(PText* record, const char* key, std::int32_t value);
    // At most capacity - 1 characters and a NUL; -9010 when absent (the buffer then untouched).
    static std::int32_t GetPrefString(PText* record, const char* key, char* buffer, std::size_t capacity);
    static std::int32_t SetPrefString(PText* record, const char* key, const char* text);
    // True, with the rectangle filled, only when all four keys exist.
    static bool GetPrefRect(PText* record, const char* key, ShortRect& rect);
    static void SetPrefRect(PText* record, const ShortRect& rect, const char* key);
    // The window's rectangle when it is neither minimised nor maximised.
    static void SaveWindowRect(PText* record, TWindow& window, const char* key);
    // The dialog's rectangle in the coordinates of the area the story windows lie in.
    static void SaveDialogRect(PText* record, TWindow& dialog, const char* key);
    // A missing component keeps its value.
    static void GetPrefColor(PText* record, const char* key, RGBColor& color);
    static void SetPrefColor(PText* record, const char* key, const RGBColor& color);
    // The font's face, height and style are the defaults of the keys read over them.
    static void GetPrefFont(PText* record, const char* key, win::LOGFONTA& font);
    static void SetPrefFont(PText* record, const char* key, const win::LOGFONTA& font);
    // The font chooser, sizes 7 to 72; true when the user chose a font.
    static bool ChooseFont(win::LOGFONTA& font);

    // --- named settings

    // True unless "MultiStories" is above 0.
    bool IsSingleDocument() const;
    std::int16_t GetAutoSave() const;
    // Never below 0.
    std::int16_t GetAutoSaveMinutes() const;
    // "PNounGen", 1 until set; read once and kept. Within 0 (he) to 2 (it).
    std::int16_t GetPronounGender();
    void SetPronounGender(std::int16_t gender);
    bool HasPronounGender() const;
    // Index 0-4; grey for any other.
    void GetThroughlineColor(int index, RGBColor& color) const;
    // Takes the colours that differ and, when any did, writes all five; answers whether any did.
    bool SetThroughlineColors(const std::array<RGBColor, kThroughlineColorCount>& colors);
    // The pattern, or the default (which is then written) when there is none.
    std::string GetReportHeader();
    std::string GetReportFooter();
    void SetReportHeader(const char* pattern);
    void SetReportFooter(const char* pattern);
    std::int16_t GetReturnAdvances() const;
    void SetReturnAdvances(std::int16_t value);

protected:
    // Finds the file, offers to rebuild it while Alt and Shift are held, replaces a damaged one and
    // makes a missing one; answers the open store, or null when not even an empty one could be made.
    // A file that exists but cannot be read is left alone: the store is then an empty one in memory
    // that is never written.
    virtual PFMFile* OpenFile();

private:
    // Writes a store without segments to the file.
    ErrCode MakeEmptyFile() const;
    std::string GetPattern(const char* key, const char* fallback);
    std::int16_t GetGeneralShort(const char* key, std::int16_t fallback) const;

    FileRef fileRef_;
    std::array<std::unique_ptr<PText>, kPrefRecordCount> records_;
    PFMFile* file_ = nullptr;
    bool writesFile_ = false;  // the store is the file's, to be written back at the end
    FourCC signature_;
    std::int16_t pronounGender_ = -1;
    std::array<RGBColor, kThroughlineColorCount> colors_;
};
