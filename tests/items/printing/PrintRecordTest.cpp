// The print settings: the page mapping against the printer's border, the page range, the error
// messages.

#include <gtest/gtest.h>

#include "PrintingTestSupport.h"
#include "items/printing/PrintErrors.h"
#include "platform/gdi/Gdi.h"
#include "platform/sys/Profile.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/CommonDialogs.h"
#include "support/ScopedEnv.h"

namespace {

using namespace printtest;
using namespace win;

// Letter paper with an unprintable border of 18 points on every side.
HDC BorderedPrinter() {
    PrinterSetup setup;
    setup.borderLeft = setup.borderTop = setup.borderRight = setup.borderBottom = 18;
    return win::CreatePrinterDC(setup);
}

POINT ToDevice(HDC dc, int x, int y) {
    POINT point{x, y};
    LPtoDP(dc, &point, 1);
    return point;
}

TEST(PrintRecord, OneInchMarginsOnABorderedPrinterStartAnInchFromThePaperCorner) {
    PrintRecord record;
    record.ReplacePrinterDC(BorderedPrinter());
    record.SetMargins(72, 72, 72, 72);
    std::int16_t width = 0, height = 0;
    ASSERT_EQ(record.GetPageArea(width, height), kNoErr);
    EXPECT_EQ(width, 612 - 144);
    EXPECT_EQ(height, 792 - 144);
    // Device pixels (600 dpi) count from the printable part's corner, 18 points in.
    EXPECT_EQ(ToDevice(record.GetPrinterDC(), 0, 0).x, (72 - 18) * 600 / 72);
    EXPECT_EQ(ToDevice(record.GetPrinterDC(), 468, 648).y, (72 - 18 + 648) * 600 / 72);
    std::int16_t left, top, right, bottom;
    ASSERT_EQ(record.GetUnprintableMargins(left, top, right, bottom), kNoErr);
    EXPECT_EQ(right, 18);
    EXPECT_EQ(bottom, 18);
}

TEST(PrintRecord, NoMarginsMakeThePageThePrintablePart) {
    PrintRecord record;
    record.ReplacePrinterDC(BorderedPrinter());
    std::int16_t width = 0, height = 0, printableWidth = 0, printableHeight = 0;
    ASSERT_EQ(record.GetPageArea(width, height), kNoErr);
    ASSERT_EQ(record.GetPrintableSize(printableWidth, printableHeight), kNoErr);
    EXPECT_EQ(width, printableWidth);
    EXPECT_EQ(height, printableHeight);
    EXPECT_EQ(ToDevice(record.GetPrinterDC(), 0, 0).x, 0);
}

TEST(PrintRecord, AMarginInsideTheBorderStartsAtTheBorder) {
    PrintRecord record;
    record.ReplacePrinterDC(BorderedPrinter());
    record.SetMargins(10, 10, 10, 10);
    EXPECT_EQ(ToDevice(record.GetPrinterDC(), 0, 0).x, 0);
    std::int16_t width = 0, height = 0;
    ASSERT_EQ(record.GetPageArea(width, height), kNoErr);
    EXPECT_EQ(width, 612 - 36);
}

TEST(PrintRecord, ThePrintDialogsRangeIsZeroBased) {
    PRINTDLGA dialog;
    dialog.nMinPage = 1;
    std::int16_t first = 9, last = 9;
    PrintRecord::ReadPageRange(dialog, first, last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, -1);
    dialog.Flags = PD_PAGENUMS;
    dialog.nFromPage = 2;
    dialog.nToPage = 5;
    PrintRecord::ReadPageRange(dialog, first, last);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 4);
    dialog.nToPage = 2000;
    PrintRecord::ReadPageRange(dialog, first, last);
    EXPECT_EQ(last, 999);
    dialog.nFromPage = 7;
    dialog.nToPage = 3;
    PrintRecord::ReadPageRange(dialog, first, last);
    EXPECT_EQ(first, 6);
    EXPECT_EQ(last, 6);

    PrintRecord record;
    record.SetPageRange(0, 1000);
    record.GetPageRange(first, last);
    EXPECT_EQ(last, -1);
}

TEST(PrintRecord, WithoutADefaultPrinterThereIsNoContext) {
    const TempFolder configuration;
    const ScopedEnv ownConfiguration("XDG_CONFIG_HOME", configuration.Path());
    ASSERT_TRUE(WriteProfileStringA("windows", "device", ""));
    PrintRecord record;
    EXPECT_EQ(record.CreatePrinterDC(), kPrintNoMemory);
    EXPECT_FALSE(record.HasPrinterDC());
}

TEST(PrintErrors, MessagesNameTheirOperationAndCancelsAreSilent) {
    EXPECT_EQ(PrintErrorMessage(-3, "Print"), "Print Error -3. Check printer setup.");
    EXPECT_EQ(PrintErrorMessage(kPrintTooNarrow, "Preview Display")
                  .rfind("Preview Display Error: insufficient width", 0),
              0u);
    EXPECT_NE(PrintErrorMessage(kPrintNoMemory, "Print").find("less than 100%, try"), std::string::npos);
    for (const ErrCode silent : {1, 0, -2, -12}) EXPECT_EQ(PrintErrorMessage(silent, "Print"), "");
    EXPECT_EQ(MapCommDlgError(0), kPrintCancelled);
    EXPECT_EQ(MapCommDlgError(CDERR_STRUCTSIZE), -26);
    EXPECT_EQ(MapCommDlgError(PDERR_DEFAULTDIFFERENT), -28);
    EXPECT_EQ(MapCommDlgError(PDERR_PRINTERNOTFOUND), -36);
    EXPECT_EQ(MapCommDlgError(0x4242), kPrintCancelled);
}

}  // namespace
