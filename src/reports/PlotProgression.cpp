// The plot progression (report id 11): for each throughline, its four signposts and the three
// journeys between them, each under its heading, with the story's storytelling text of a
// signpost after it. The throughlines follow in the order of their story points (overall story,
// main character, impact character, subjective story); each is a short block, so that a report
// printed in several columns (the story's "NumCols", applied when its pages are made) keeps a
// throughline's block together. The types are macros ({SNF(STType1)}); a signpost not chosen yet,
// and a journey to or from one, say so.
//
// Reads no template. Story points read: "STType1"-"STType4" and the same of "MC", "OC" and "PL",
// and their storytelling texts.

#include <cstdio>

#include "reports/ReportComposer.h"
#include "reports/ReportThroughlines.h"

namespace {

constexpr const char* kNotChosen = "not chosen yet";

}  // namespace

void ReportComposer::BuildReportSection11() {
    for (const ReportThroughline& throughline : kReportThroughlines) {
        AppendHeading(throughline.name);
        for (int act = 1; act <= 4; ++act) {
            char key[16];
            std::snprintf(key, sizeof key, "%sType%d", throughline.prefix, act);
            AppendStyleCode(ReportStyle::kBoldOn);
            AppendFormatted("Signpost %d:", act);
            AppendStyleCode(ReportStyle::kBoldOff);
            AppendFormatted("  %s", ValueOr(key, kNotChosen).c_str());
            AppendStoryPoint(key, "", false);
            AppendStyleCode(ReportStyle::kLineEnd);
            if (act == 4) break;
            AppendStyleCode(ReportStyle::kBoldOn);
            AppendFormatted("Journey %d:", act);
            AppendStyleCode(ReportStyle::kBoldOff);
            char next[16];
            std::snprintf(next, sizeof next, "%sType%d", throughline.prefix, act + 1);
            if (IsPointChosen(key) && IsPointChosen(next)) {
                AppendFormatted("  from {SNF(%s)} to {SNF(%s)}", key, next);
            } else {
                AppendFormatted("  %s", kNotChosen);
            }
            AppendStyleCode(ReportStyle::kLineEnd);
        }
        AppendStyleCode(ReportStyle::kLineEnd);
    }
}
