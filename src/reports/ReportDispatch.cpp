// From a report id (1 to 71) to the section builder that writes its text.

#include <cstdint>

#include "reports/ReportComposer.h"

void ReportComposer::BuildReportSection(std::int16_t id, const char* title) {
    ReserveOutput();
    SetReportTitle(title);
    if (id < 1 || id > 71) return;
    BuildSection(id);
}

void ReportComposer::BuildSection(std::int16_t id) {
    switch (id) {
        case 3: BuildCommentsSection(); break;
        case 4: BuildNoteSection(); break;
        case 6: BuildStoryPointsOutput(); break;
        case 11: BuildReportSection11(); break;
        case 15: BuildFourThroughlinesThemes(); break;
        case 16: BuildReportSection16(); break;
        case 18: BuildPlotDynamicsNarrative(); break;
        case 20: BuildReportSection20(); break;
        case 22: BuildStoryThroughlineThemes(); break;
        case 23: BuildGoalsAndRequirements(); break;
        case 24: BuildSubjectiveThroughlineThemes(); break;
        case 25: BuildCharacterDynamicsSynopsis(); break;
        case 27: BuildRelationshipsSection(); break;
        case 28: BuildMainCharacterThemes(); break;
        case 29: BuildImpactCharacterThemes(); break;
        case 31: BuildReportSection31(); break;
        case 32: BuildThroughlineTypeSummary(); break;
        case 34: BuildAnalysisInfoSection(); break;
        case 35: BuildCoverageRatings(); break;
        case 36: BuildAllCharactersSection(); break;
        case 39: BuildReportSection39(); break;
        case 40: BuildReportSection40(); break;
        case 42: BuildReportSection42(); break;
        case 43: BuildReportSection43(); break;
        case 49: BuildReportSection49(); break;
        case 50: BuildReportSection50(); break;
        case 51: BuildReportSection51(); break;
        case 55: BuildReportSection55(); break;
        case 58: BuildReportSection58(); break;
        case 59: BuildCharacteristicsSection(); break;
        case 61: BuildMainCharacterDynamics(); break;
        // No section: only the title is recorded.
        case 9:
        case 21: break;
        // The alike sections: a template, and what the table of them adds.
        default: BuildListedSection(id); break;
    }
}
