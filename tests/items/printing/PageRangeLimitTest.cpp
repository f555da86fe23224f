// The page range at its limit: page 999 (zero-based), the thousandth page, is the last one a range
// can name; a range asked to go past it ends there or means every page.

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "items/printing/PrintRecord.h"
#include "platform/ui/PrintDialog.h"

namespace {

// First and last page, zero-based; last -1 is every page.
using Range = std::pair<std::int16_t, std::int16_t>;

Range StoredRange(std::int16_t first, std::int16_t last) {
    PrintRecord record;
    record.SetPageRange(first, last);
    std::int16_t storedFirst = -7, storedLast = -7;
    record.GetPageRange(storedFirst, storedLast);
    return {storedFirst, storedLast};
}

// The zero-based range read from the print dialog's pages "from" to "to".
Range DialogRange(win::WORD from, win::WORD to) {
    win::PRINTDLGA dialog;
    dialog.Flags = win::PD_PAGENUMS;
    dialog.nMinPage = 1;
    dialog.nFromPage = from;
    dialog.nToPage = to;
    std::int16_t first = -7, last = -7;
    PrintRecord::ReadPageRange(dialog, first, last);
    return {first, last};
}

TEST(PageRangeLimit, ARangeEndingOnTheLastPageThatCanBeNamedIsKept) {
    EXPECT_EQ(StoredRange(0, 999), (Range{0, 999}));
    EXPECT_EQ(StoredRange(999, 999), (Range{999, 999}));
    EXPECT_EQ(StoredRange(3, 998), (Range{3, 998}));
    EXPECT_EQ(StoredRange(0, 1000), (Range{0, -1})) << "past it: every page";
}

TEST(PageRangeLimit, TheDialogsThousandthPageIsTheLastOneItsRangeCanStartOrEndOn) {
    EXPECT_EQ(DialogRange(1, 1000), (Range{0, 999}));
    EXPECT_EQ(DialogRange(1000, 1000), (Range{999, 999}));
    EXPECT_EQ(DialogRange(999, 999), (Range{998, 998}));
    EXPECT_EQ(DialogRange(1, 1001), (Range{0, 999})) << "cut to the last";
    EXPECT_EQ(DialogRange(1001, 1002), (Range{0, 999})) << "a first page past the last starts at the first";
}

}  // namespace
