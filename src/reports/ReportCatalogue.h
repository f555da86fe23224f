#pragma once
// The report catalogue: the reports a writer chooses from in the Reports window, in four groups,
// then a separator and the heading of the writer's own report sets. Each entry's report id names
// the section that BuildReportSection writes; group headings have ids of their own.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class IStoryDocument;

struct ReportCatalogueEntry {
    static constexpr std::int16_t kGroupHeading = 1;
    static constexpr std::int16_t kReport = 2;

    std::int16_t kind;
    const char* name;
    // Flag A: the report names theory terms, so it asks for a vocabulary list after it.
    std::int16_t vocabulary;
    // 10000-10003 for the group headings, 65535 for the separator and the report sets.
    std::uint16_t reportId;
    // Flag B: the report can be built.
    std::int16_t available;

    bool IsReport() const { return kind == kReport; }
};

inline constexpr std::size_t kReportCatalogueSize = 34;
inline constexpr std::uint16_t kFirstGroupId = 10000;
inline constexpr std::uint16_t kNoReportId = 65535;

std::span<const ReportCatalogueEntry> ReportCatalogue();

// The first entry of the report id, or null when the catalogue has none.
const ReportCatalogueEntry* FindCatalogueReport(std::int16_t reportId);
// The entry's name as the catalogue holds it (it may hold terminology macros) when the catalogue
// has the report, else the empty text.
const char* CatalogueTitle(std::int16_t reportId);
// The name as the writer reads it: its macros expanded for the story (which may be null).
std::string ReportEntryLabel(const ReportCatalogueEntry& entry, IStoryDocument* document = nullptr);
// The report's title, its macros expanded, at most 79 characters; empty when the catalogue lacks
// the report.
std::string ReportTitle(std::int16_t reportId, IStoryDocument* document);
