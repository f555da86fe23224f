#pragma once
// The fixed prose of the reports: template records of keyed texts ("S1", "S2", ...) that the
// section builders weave together with the story's own texts. The program reads them from the
// 'RPTX' records of the application data file; tests and benchmarks may give texts of their own.

#include <cstddef>
#include <cstdint>
#include <memory>

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

class IReportTemplates {
public:
    virtual ~IReportTemplates() = default;

    // The template record of the number; a missing record answers a template without keys.
    virtual std::unique_ptr<ReportTemplate> Open(std::int16_t number) = 0;
};

// The 'RPTX' keyed records of a store: the given one, or (when none is given) the application data
// file of the running story application at the time a template is opened.
class DataFileTemplates : public IReportTemplates {
public:
    static constexpr FourCC kRecordType = FourCCOf("RPTX");

    explicit DataFileTemplates(PFMFile* store = nullptr) : store_(store) {}

    std::unique_ptr<ReportTemplate> Open(std::int16_t number) override;

private:
    PFMFile* store_;
};
