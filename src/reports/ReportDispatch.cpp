// From a report id (1 to 71) to the section builder that writes its text.

#include <cstdint>

#include "reports/ReportComposer.h"

void ReportComposer::BuildReportSection(std::int16_t id, const char* title) {
    ReserveOutput();
    SetReportTitle(title);
    if (id < 1 || id > 71) return;
    switch (id) {
        case 3: BuildCommentsSection(); break;
        case 4: BuildNoteSection(); break;
        case 15: BuildFourThroughlinesThemes(); break;
        case 22: BuildStoryThroughlineThemes(); break;
        case 23: BuildGoalsAndRequirements(); break;
        case 24: BuildSubjectiveThroughlineThemes(); break;
        case 28: BuildMainCharacterThemes(); break;
        case 29: BuildImpactCharacterThemes(); break;
        case 34: BuildAnalysisInfoSection(); break;
        case 35: BuildCoverageRatings(); break;
        // No section of its own: only the title is recorded.
        case 9:
        case 21:
        case 39:
        case 55: break;
        default: BuildPendingSection(id); break;
    }
}
