#pragma once
// The fixed prose of the reports: template records of keyed texts ("S1", "S2", ...) that the
// section builders weave together with the story's own texts. The program reads them from the
// 'RPTX' records of the application data file; tests and benchmarks may give texts of their own.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/Types.h"

class PFMFile;

// One open template record; closed when destroyed.
class ReportTemplate {
public:
    virtual ~ReportTemplate() = default;

    // Copies the key's text into the buffer, cut to size - 1 characters and ended with a NUL;
    // false, with the buffer untouched, when the record has no such key.
    virtual bool Read(const char* key, char* buffer, std::size_t size) = 0;
};

// A story point's description for the story points report: an 'APPR' record numbered 3 to 118
// (the report's own numbering, apart from the records numbered by story point id).
struct StoryPointDescription {
    static constexpr FourCC kRecordType = FourCCOf("APPR");
    std::string code;         // "VN": the story point's code key, such as "MCCon"
    std::string name;         // "NM"
    std::string explanation;  // "DF"
    std::int16_t kind = 0;    // "TY": how its line reads; 9 and above give none
};

class IReportTemplates {
public:
    virtual ~IReportTemplates() = default;

    // The template record of the number; a missing record answers a template without keys.
    virtual std::unique_ptr<ReportTemplate> Open(std::int16_t number) = 0;
    // The story point description of the number; false when there is no such record. A key the
    // record lacks leaves its text empty or its kind 0. The application data file's unless a
    // source of templates says otherwise.
    virtual bool ReadDescription(std::int16_t number, StoryPointDescription& description);
};

// The 'RPTX' keyed records of a store: the given one, or (when none is given) the application data
// file of the running story application at the time a template is opened.
class DataFileTemplates : public IReportTemplates {
public:
    static constexpr FourCC kRecordType = FourCCOf("RPTX");

    explicit DataFileTemplates(PFMFile* store = nullptr) : store_(store) {}

    std::unique_ptr<ReportTemplate> Open(std::int16_t number) override;
    bool ReadDescription(std::int16_t number, StoryPointDescription& description) override;

private:
    PFMFile* store_;
};
