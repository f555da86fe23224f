// Everything in one report (report id 20, "Kitchen Sink"): the catalogue's reports in the
// catalogue's order, each under its catalogue name once: a section whose text opens with that name
// (set in bold or as a heading) keeps its own title, and the others are headed with the name.
//
// Left out: this report itself; the story points output (6), whose printed form is tables of its
// own that would take the place of the whole report's text on paper; and the reports whose text
// another one here already holds: "All Characters" (38) and "Character Relationships" (27) are in
// "All {NSE-Process}" (36), which ends with the "Story Treatment" (51), so the scenes come again
// only as the "Story Structure" (50), with what each represents, and not as the "Treatment with
// Structure" (49), which would tell the treatment a second time.
//
// Reads what the sections it holds read.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "foundation/StyleCodeBytes.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportComposer.h"

namespace {

constexpr std::array<std::int16_t, 22> kSections = {2,  19, 3,  34, 35, 58, 11, 31, 18, 40, 23,
                                                    70, 71, 43, 36, 59, 61, 25, 15, 42, 10, 50};

// Whether the section's text, its leading style codes aside, begins with the title.
bool OpensWithTitle(std::string_view text, const char* title) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == kStyleCodeStart) {
        const std::size_t end = text.find(kStyleCodeEnd, at);
        if (end == std::string_view::npos) return false;
        at = end + 1;
    }
    return text.compare(at, std::strlen(title), title) == 0;
}

}  // namespace

void ReportComposer::BuildReportSection20() {
    for (const std::int16_t id : kSections) {
        const std::uint32_t start = GetTextLength();
        BuildSection(id);
        if (!OpensWithTitle(std::string_view(GetText() + start, GetTextLength() - start),
                            CatalogueTitle(id))) {
            // Only the section moves to make room for its heading; the text before it stays put.
            const std::string section(GetText() + start, GetTextLength() - start);
            CutText(start);
            AppendHeading(CatalogueTitle(id));
            AppendText(section.c_str());
        }
        AppendStyleCode(ReportStyle::kParagraphEnd);
    }
}
