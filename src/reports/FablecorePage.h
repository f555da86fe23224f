#pragma once
// A page printable of a report: the report's text (or printables) as its body, set off 10 points
// from the header above and the footer below, both banners made from the report preferences'
// patterns ("HEADER" and "FOOTER", at most 99 characters each).

#include <cstddef>
#include <cstdint>

#include "items/printing/PrintablePage.h"
#include "platform/gdi/GdiTypes.h"

class IStoryDocument;
struct ReportPageNumbering;

// The header and footer patterns of the report preferences, read when a page is made (footer
// first); the defaults when the program has no preferences.
struct ReportPagePatterns {
    static constexpr std::size_t kPatternSize = 100;
    ReportPagePatterns();
    char header[kPatternSize] = "";
    char footer[kPatternSize] = "";
};

class FablecorePage : private ReportPagePatterns, public PrintablePage {
public:
    // The space between the body and the banners.
    static constexpr std::int32_t kBodyInset = 10;

    // The font is the banners'; the title is the report's, printed by ^R.
    FablecorePage(PrintingEnvironment* environment, PrintablePtr body, IStoryDocument* document,
                  const win::LOGFONTA& font, const char* title);

    // On its first page, when it follows a report's numbering, the page goes on from the number of
    // the page laid out before it in the run.
    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;

    void FollowNumbering(const ReportPageNumbering* numbering) { numbering_ = numbering; }
    const char* GetHeaderPattern() const { return header; }
    const char* GetFooterPattern() const { return footer; }

private:
    const ReportPageNumbering* numbering_ = nullptr;
    std::uint32_t numberedRun_ = 0;
    std::int32_t firstNumber_ = 1;
};
