// The print preview as a user drives it: the first page at once while the pages are counted (the
// count growing and said to be so far, then final), the paging keys, the buttons and the scroller, a
// one-page document, Print Page, closing while counting, no printer, and errors on the first page
// and while counting.

#include "PreviewTestSupport.h"
#include "framework/graphics/OffscreenEnv.h"
#include "items/Scroller.h"
#include "items/printing/PreviewPage.h"
#include "platform/gdi/Mapping.h"
#include "platform/sys/Bell.h"
#include "platform/sys/Profile.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/VirtualKeys.h"

namespace {

using namespace previewtest;
using Dialog = PrintViewDlog;

class PrintPreviewWindow : public PreviewTest {};

TEST_F(PrintPreviewWindow, TheFirstPageShowsAtOnceWhileTheCountGrowsThenTheCountIsFinal) {
    ChapterReport report(&printing, 4);
    std::vector<std::string> counts;
    const auto noteCount = [&](Dialog& dialog) {
        counts.push_back(ItemText(dialog, Dialog::kPageTextItem));
        Tick();
    };
    const ErrCode result =
        Preview(report, {[&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 0);
                             EXPECT_EQ(dialog.GetLastPage(), -1);
                             // Return presses Close, the default button, which has the focus.
                             EXPECT_EQ(dialog.GetFocusItem(), Dialog::kCloseItem);
                             EXPECT_EQ(GetFocus(), dialog.GetItem(Dialog::kCloseItem)->GetHWnd());
                             EXPECT_FALSE(Enabled(dialog, Dialog::kPrevPageItem));
                             EXPECT_TRUE(Enabled(dialog, Dialog::kNextPageItem));
                             EXPECT_EQ(report.prepared, (std::vector<std::int16_t>{0}))
                                 << "no page is counted before the first shows";
                             // End waits for the count.
                             presenter.PressKey(VK_END);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 0);
                             noteCount(dialog);
                         },
                         noteCount, noteCount, noteCount,
                         [&](Dialog& dialog) {
                             // Counting stopped at the last page, which stays shown as page 1.
                             noteCount(dialog);
                             EXPECT_EQ(dialog.GetCurrentPage(), 0);
                             EXPECT_EQ(dialog.GetLastPage(), 3);
                             EXPECT_EQ(report.prepared, (std::vector<std::int16_t>{0, 1, 2, 3}));
                             Scroller* scroller = dialog.GetScroller();
                             ASSERT_NE(scroller, nullptr);
                             EXPECT_EQ(scroller->GetMax(), 3);
                             EXPECT_EQ(scroller->GetValue(), 0);
                             EXPECT_EQ(scroller->GetTotal(), 4);
                             presenter.PressKey(VK_END);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 3);
                             EXPECT_EQ(ItemText(dialog, Dialog::kPageTextItem), "Page 4 of 4");
                             EXPECT_FALSE(Enabled(dialog, Dialog::kNextPageItem));
                             EXPECT_EQ(dialog.GetScroller()->GetValue(), 3);
                             presenter.PressKey(VK_ESCAPE);
                         }});
    EXPECT_EQ(result, kNoErr);
    // A count that is no total yet says so.
    EXPECT_EQ(counts, (std::vector<std::string>{"Page 1 of 1 so far", "Page 1 of 2 so far", "Page 1 of 3 so far",
                                                "Page 1 of 4", "Page 1 of 4"}));
    EXPECT_EQ(report.runsBegun, 1);
    EXPECT_EQ(report.previewRun, 1);
    EXPECT_EQ(report.runsEnded, 1);
}

TEST_F(PrintPreviewWindow, PagingKeysAndButtonsMoveAPageAndStopAtTheEnds) {
    ChapterReport report(&printing, 3);
    std::size_t preparedBefore = 0;
    const ErrCode result =
        Preview(report, {[&](Dialog&) {
                             preparedBefore = report.prepared.size();
                             // Page Up and Home on the first page do nothing.
                             presenter.PressKey(VK_PRIOR);
                             presenter.PressKey(VK_HOME);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(report.prepared.size(), preparedBefore);
                             EXPECT_EQ(dialog.GetCurrentPage(), 0);
                             presenter.PressKey(VK_NEXT);
                         },
                         [&](Dialog& dialog) {
                             // Not counted yet, but shown: two pages are known so far.
                             EXPECT_EQ(dialog.GetCurrentPage(), 1);
                             EXPECT_EQ(ItemText(dialog, Dialog::kPageTextItem), "Page 2 of 2 so far");
                             EXPECT_TRUE(Enabled(dialog, Dialog::kPrevPageItem));
                             presenter.PressKey(VK_PRIOR);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 0);
                             ClickItem(dialog, Dialog::kNextPageItem);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 1);
                             EXPECT_EQ(dialog.GetFocusItem(), Dialog::kNextPageItem);
                             ClickItem(dialog, Dialog::kNextPageItem);
                         },
                         [&](Dialog& dialog) {
                             // The last page: Next Page is disabled and its focus goes to Prev Page.
                             EXPECT_EQ(dialog.GetCurrentPage(), 2);
                             EXPECT_EQ(dialog.GetLastPage(), 2);
                             EXPECT_FALSE(Enabled(dialog, Dialog::kNextPageItem));
                             EXPECT_EQ(dialog.GetFocusItem(), Dialog::kPrevPageItem);
                             EXPECT_EQ(ItemText(dialog, Dialog::kPageTextItem), "Page 3 of 3");
                             preparedBefore = report.prepared.size();
                             presenter.PressKey(VK_NEXT);
                             presenter.PressKey(VK_END);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(report.prepared.size(), preparedBefore)
                                 << "Page Down and End on the last page";
                             ClickItem(dialog, Dialog::kPrevPageItem);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 1);
                             presenter.PressKey(VK_HOME);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 0);
                             EXPECT_FALSE(Enabled(dialog, Dialog::kPrevPageItem));
                             ClickItem(dialog, Dialog::kCloseItem);
                         }});
    EXPECT_EQ(result, kNoErr);
    EXPECT_EQ(OpenPreview(), nullptr);
}

TEST_F(PrintPreviewWindow, TheScrollerMovesThroughThePagesOnlyOnceTheyAreCounted) {
    ChapterReport report(&printing, 3);
    const auto clickDownArrow = [&](Dialog& dialog) {
        RECT bounds;
        GetWindowRect(dialog.GetScroller()->GetHWnd(), &bounds);
        presenter.Click(POINT{(bounds.left + bounds.right) / 2, bounds.bottom - 4});
    };
    const ErrCode result =
        Preview(report, {[&](Dialog& dialog) {
                             // Beside the view and as tall as it.
                             const ShortRect view = dialog.GetPageView()->Bounds();
                             const ShortRect scroller = dialog.GetScroller()->Bounds();
                             EXPECT_EQ(scroller.left, view.right + 15);
                             EXPECT_EQ(scroller.top, view.top);
                             EXPECT_EQ(scroller.bottom, view.bottom);
                             clickDownArrow(dialog);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 0) << "no page is known beyond the first yet";
                             Tick();
                         },
                         [&](Dialog&) { Tick(); },
                         [&](Dialog& dialog) {
                             ASSERT_EQ(dialog.GetLastPage(), 2);
                             clickDownArrow(dialog);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 1);
                             EXPECT_EQ(ItemText(dialog, Dialog::kPageTextItem), "Page 2 of 3");
                             clickDownArrow(dialog);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 2);
                             clickDownArrow(dialog);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetCurrentPage(), 2) << "the scroller ends at the last page";
                             presenter.PressKey(VK_ESCAPE);
                         }});
    EXPECT_EQ(result, kNoErr);
}

TEST_F(PrintPreviewWindow, AOnePageDocumentIsPageOneOfOneAtOnce) {
    ChapterReport report(&printing, 1);
    const ErrCode result = Preview(
        report, {[&](Dialog& dialog) {
                     EXPECT_EQ(dialog.GetLastPage(), 0);
                     EXPECT_EQ(ItemText(dialog, Dialog::kPageTextItem), "Page 1 of 1");
                     EXPECT_FALSE(Enabled(dialog, Dialog::kPrevPageItem));
                     EXPECT_FALSE(Enabled(dialog, Dialog::kNextPageItem));
                     EXPECT_EQ(dialog.GetScroller()->GetMax(), 0);
                     Tick();
                 },
                 [&](Dialog&) {
                     EXPECT_EQ(report.prepared, (std::vector<std::int16_t>{0})) << "nothing is left to count";
                     presenter.PressKey(VK_ESCAPE);
                 }});
    EXPECT_EQ(result, kNoErr);
}

TEST_F(PrintPreviewWindow, WithoutCountingThePageNumberStandsAloneAndNoScrollerShows) {
    ChapterReport report(&printing, 3);
    auto* preview = new Dialog(&report, 0);
    ASSERT_EQ(preview->GetError(), kNoErr);
    apptest::IdleSteps steps(presenter);
    steps.Then([&] {
        Dialog* dialog = OpenPreview();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->GetScroller(), nullptr);
        EXPECT_EQ(dialog->GetItemList()->Count(), Dialog::kPageViewItem + 1);
        EXPECT_EQ(ItemText(*dialog, Dialog::kPageTextItem), "Page: 1");
        Tick();
    });
    steps.Then([&] {
        Dialog* dialog = OpenPreview();
        EXPECT_EQ(report.prepared, (std::vector<std::int16_t>{0})) << "nothing is counted";
        presenter.PressKey(VK_NEXT);
        steps.Then([&, dialog] {
            EXPECT_EQ(ItemText(*dialog, Dialog::kPageTextItem), "Page: 2");
            presenter.PressKey(VK_ESCAPE);
        });
    });
    EXPECT_EQ(preview->DoModal(), Dialog::kCloseItem);
}

TEST_F(PrintPreviewWindow, APrintableThatSetsTheMarginsAsItLaysOutFillsItsFirstPage) {
    // The record has no margins until the report lays its first page out with one-inch margins.
    record.SetMargins(0, 0, 0, 0);
    ChapterReport report(&printing, 2);
    const ErrCode result =
        Preview(report, {[&](Dialog& dialog) {
                             const QRVBitmap& page = dialog.GetPreviewPage()->GetPageBitmap()->GetBitmap();
                             EXPECT_EQ(page.Width(), MulDiv(612 - 144, dialog.GetZoom(), 100));
                             EXPECT_EQ(page.Height(), MulDiv(792 - 144, dialog.GetZoom(), 100));
                             EXPECT_EQ(report.prepared, (std::vector<std::int16_t>{0, 0}));
                             Tick();
                         },
                         [&](Dialog&) {
                             EXPECT_EQ(report.prepared, (std::vector<std::int16_t>{0, 0, 1}))
                                 << "the next pages are laid out once";
                             presenter.PressKey(VK_ESCAPE);
                         }});
    EXPECT_EQ(result, kNoErr);
}

TEST_F(PrintPreviewWindow, PrintPageOnlyBeeps) {
    ChapterReport report(&printing, 2);
    unsigned long bells = 0;
    const ErrCode result = Preview(report, {[&](Dialog& dialog) {
                                                bells = GetBellCount();
                                                ClickItem(dialog, Dialog::kPrintPageItem);
                                            },
                                            [&](Dialog& dialog) {
                                                EXPECT_EQ(GetBellCount(), bells + 1);
                                                EXPECT_EQ(dialog.GetCurrentPage(), 0);
                                                presenter.PressKey(VK_ESCAPE);
                                            }});
    EXPECT_EQ(result, kNoErr);
    EXPECT_EQ(report.prepared, (std::vector<std::int16_t>{0})) << "nothing printed, nothing laid out";
    EXPECT_TRUE(presenter.PromptsAsked().empty());
}

TEST_F(PrintPreviewWindow, ClosingWhileCountingEndsTheRunAndTheCounting) {
    ChapterReport report(&printing, 6);
    EXPECT_EQ(Preview(report, {[&](Dialog&) { Tick(); }, [&](Dialog&) { presenter.PressKey(VK_ESCAPE); }}),
              kNoErr);
    EXPECT_EQ(report.prepared, (std::vector<std::int16_t>{0, 1}));
    EXPECT_EQ(report.runsEnded, 1);
    // Time going on after the preview closed counts nothing more.
    presenter.Advance(100);
    presenter.DispatchPending();
    EXPECT_EQ(report.prepared.size(), 2u);

    // A second preview starts again at the first page, and Close ends it as Escape did.
    EXPECT_EQ(Preview(report, {[&](Dialog& dialog) { ClickItem(dialog, Dialog::kCloseItem); }}), kNoErr);
    EXPECT_EQ(report.prepared.back(), 0);
    EXPECT_EQ(report.runsBegun, 2);
    EXPECT_EQ(report.runsEnded, 2);
}

TEST_F(PrintPreviewWindow, WithoutAPrinterThePreviewDoesNotOpen) {
    ASSERT_TRUE(WriteProfileStringA("windows", "device", ""));
    ChapterReport report(&printing, 2);
    bool opened = false;
    EXPECT_EQ(Preview(report, {[&](Dialog&) {
                          opened = true;
                          presenter.PressKey(VK_ESCAPE);
                      }}),
              kPrintDriverError);
    EXPECT_FALSE(opened);
    EXPECT_EQ(report.runsBegun, 0);
    // The report leaves the code for its window, which says what is wrong.
    EXPECT_EQ(report.PreviewReport(), kPrintDriverError);
    EXPECT_EQ(printing.GetStatus(), kPrintDriverError);
    EXPECT_FALSE(AlertShown());
    WriteProfileStringA("windows", "device", nullptr);
}

TEST_F(PrintPreviewWindow, AnErrorOnTheFirstPageIsShownAndEndsThePreview) {
    ChapterReport report(&printing, 3);
    report.failOn = 0;
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, ""});
    bool opened = false;
    EXPECT_EQ(Preview(report, {[&](Dialog&) {
                          opened = true;
                          presenter.PressKey(VK_ESCAPE);
                      }}),
              kNoErr);
    EXPECT_FALSE(opened);
    ASSERT_EQ(presenter.PromptsAsked().size(), 1u);
    EXPECT_EQ(
        presenter.PromptsAsked()[0].text.rfind("Preview Display Error: insufficient width to print.", 0), 0u);
    EXPECT_EQ(report.runsEnded, 1);
}

TEST_F(PrintPreviewWindow, AnErrorWhileCountingStopsEverythingAndAnyButtonCloses) {
    ChapterReport report(&printing, 5);
    report.failOn = 2;
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, ""});
    const ErrCode result =
        Preview(report, {[&](Dialog&) { Tick(); },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetError(), kNoErr);
                             Tick();
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(dialog.GetError(), kPrintTooNarrow);
                             EXPECT_EQ(dialog.GetCurrentPage(), -1);
                             EXPECT_EQ(dialog.GetLastPage(), -1);
                             Tick();
                         },
                         [&](Dialog&) {
                             // Counting stopped; Page Down only says the error again.
                             EXPECT_EQ(report.prepared.size(), 3u);
                             presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, ""});
                             presenter.PressKey(VK_NEXT);
                         },
                         [&](Dialog& dialog) {
                             EXPECT_EQ(report.prepared.size(), 3u);
                             ClickItem(dialog, Dialog::kPrintPageItem);
                         }});
    EXPECT_EQ(result, kNoErr);
    EXPECT_EQ(OpenPreview(), nullptr) << "an item closes the preview once an error is set";
    EXPECT_EQ(presenter.PromptsAsked().size(), 2u);
    EXPECT_EQ(report.runsEnded, 1);
}

}  // namespace
