#include "reports/ReportCatalogue.h"

#include "reports/ReportText.h"

namespace {

using Entry = ReportCatalogueEntry;
constexpr std::int16_t H = Entry::kGroupHeading;
constexpr std::int16_t R = Entry::kReport;

constexpr Entry kCatalogue[kReportCatalogueSize] = {
    {H, "Story Overview", 0, 10000, 1},
    {R, "About Reports for Your Story", 0, 2, 1},
    {R, "12 Essential Questions", 1, 19, 1},
    {R, "Story Comments", 0, 3, 1},
    {R, "Analysis Information", 0, 34, 1},
    {R, "Coverage Information", 0, 35, 1},
    {R, "Story Engine Settings", 1, 58, 1},
    {R, "Kitchen Sink", 1, 20, 1},
    {H, "Plot", 0, 10001, 1},
    {R, "Plot Progression", 1, 11, 1},
    {R, "Plot Sequence", 1, 31, 1},
    {R, "Plot Dynamics", 1, 18, 1},
    {R, "Overall Plot", 1, 40, 1},
    {R, "Story Points Plot", 1, 23, 1},
    {R, "Level One Plotpilot", 1, 70, 1},
    {R, "Level Two Plotpilot", 1, 71, 1},
    {R, "Level Three Plotpilot", 1, 43, 1},
    {H, "Characters", 0, 10002, 1},
    {R, "All Characters", 0, 38, 1},
    {R, "All {NSE-Process}", 0, 36, 1},
    {R, "Character Relationships", 0, 27, 1},
    {R, "Build Characters", 1, 59, 1},
    {R, "Simple Main Character", 1, 61, 1},
    {R, "{NSubj} Story Character", 1, 25, 1},
    {H, "Theme and Storytelling", 0, 10003, 1},
    {R, "Four Throughlines Themes", 1, 15, 1},
    {R, "All Themes", 1, 42, 1},
    {R, "Story Points Output", 1, 6, 1},
    {R, "Synopses and Backstories", 0, 10, 1},
    {R, "Story Treatment", 0, 51, 1},
    {R, "Treatment with Structure", 1, 49, 1},
    {R, "Story Structure", 1, 50, 1},
    {H, "-", 0, kNoReportId, 1},
    {H, "Report Sets", 0, kNoReportId, 1},
};

}  // namespace

std::span<const ReportCatalogueEntry> ReportCatalogue() { return kCatalogue; }

const ReportCatalogueEntry* FindCatalogueReport(std::int16_t reportId) {
    if (reportId < 1) return nullptr;
    for (const Entry& entry : kCatalogue) {
        if (entry.reportId == static_cast<std::uint16_t>(reportId)) return &entry;
    }
    return nullptr;
}

const char* CatalogueTitle(std::int16_t reportId) {
    const Entry* entry = FindCatalogueReport(reportId);
    return entry ? entry->name : "";
}

std::string ReportEntryLabel(const ReportCatalogueEntry& entry, IStoryDocument* document) {
    return ExpandReportText(document, entry.name, nullptr, false);
}

std::string ReportTitle(std::int16_t reportId, IStoryDocument* document) {
    const Entry* entry = FindCatalogueReport(reportId);
    if (!entry) return {};
    std::string title = ReportEntryLabel(*entry, document);
    if (title.size() > 79) title.resize(79);
    return title;
}
