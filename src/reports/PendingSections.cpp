// The report sections whose builders are still to come: each says so in words, so that a report
// set that names them reads sensibly and nothing is silently missing.

#include <cstdint>

#include "reports/ReportComposer.h"

void ReportComposer::BuildPendingSection(std::int16_t id) {
    const char* title = GetReportTitle();
    if (*title) {
        AppendFormatted("The report \"%s\" is not available yet.", title);
    } else {
        AppendFormatted("Report section %hd is not available yet.", id);
    }
    AppendStyleCode(ReportStyle::kParagraphEnd);
}
