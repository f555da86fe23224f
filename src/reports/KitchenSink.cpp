// Everything in one report (report id 20, "Kitchen Sink"): the catalogue's reports, each under its
// catalogue name as a heading, in the catalogue's order. Left out: this report itself; the story
// points output (6), whose printed form is tables of its own that would take the place of the
// whole report's text on paper; and the reports another one here already holds in full: "All
// Characters" (38) and "Character Relationships" (27) are in "All {NSE-Process}" (36), and "Story
// Treatment" (51) and "Story Structure" (50) in "Treatment with Structure" (49).
//
// Reads what the sections it holds read.

#include <array>
#include <cstdint>

#include "reports/ReportCatalogue.h"
#include "reports/ReportComposer.h"

namespace {

constexpr std::array<std::int16_t, 22> kSections = {2,  19, 3,  34, 35, 58, 11, 31, 18, 40, 23,
                                                    70, 71, 43, 36, 59, 61, 25, 15, 42, 10, 49};

}  // namespace

void ReportComposer::BuildReportSection20() {
    for (const std::int16_t id : kSections) {
        AppendHeading(CatalogueTitle(id));
        BuildSection(id);
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}
