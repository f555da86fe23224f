// Where the print preview puts its items: the page at most at its printed size and in the paper's
// proportions, the dialog within the desktop, the buttons in a column beside a portrait page and
// in a row above a landscape one, the scroller beside the page.

#include <gtest/gtest.h>

#include "items/printing/PreviewLayout.h"

namespace {

constexpr ShortPoint kLetter{612, 792};
constexpr ShortPoint kLetterLandscape{792, 612};

PreviewLayoutInput Input(ShortPoint paper, ShortPoint workArea, bool counting) {
    PreviewLayoutInput input;
    input.paper = paper;
    input.workArea = workArea;
    input.frameExtra = ShortPoint{6, 26};
    input.scrollBarWidth = 16;
    input.counting = counting;
    return input;
}

// The view less its one-pixel frame.
int ContentWidth(const PreviewLayout& layout) { return layout.view.Width() - 2; }
int ContentHeight(const PreviewLayout& layout) { return layout.view.Height() - 2; }

TEST(PreviewLayout, OnAWideDesktopThePageShowsAtItsPrintedSizeBesideTheButtonColumn) {
    const PreviewLayout layout = LayOutPreview(Input(kLetter, ShortPoint{3000, 3000}, false));
    EXPECT_FALSE(layout.landscape);
    EXPECT_EQ(layout.zoom, 100);
    EXPECT_EQ(layout.view, ShortRect::MakeLTRB(135, 10, 135 + 614, 10 + 794));
    EXPECT_EQ(layout.client, (ShortPoint{135 + 614 + 15, 10 + 794 + 10}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(layout.buttons[i], ShortRect::MakeLTRB(10, 10 + 50 * i, 95, 30 + 50 * i)) << i;
    // The texts, 120 wide, under the buttons.
    EXPECT_EQ(layout.zoomText.left, 10);
    EXPECT_EQ(layout.zoomText.Width(), 120);
    EXPECT_GE(layout.zoomText.top, layout.buttons[3].bottom);
    EXPECT_GE(layout.pageText.top, layout.zoomText.bottom);
    EXPECT_TRUE(layout.scroller.IsEmpty());
}

TEST(PreviewLayout, CountingMakesRoomForTheScrollerBesideThePage) {
    const PreviewLayout layout = LayOutPreview(Input(kLetter, ShortPoint{3000, 3000}, true));
    EXPECT_EQ(layout.client.x, 135 + 614 + 45);
    EXPECT_EQ(layout.scroller, ShortRect::MakeLTRB(layout.view.right + 15, layout.view.top,
                                                   layout.view.right + 31, layout.view.bottom));
    EXPECT_LE(layout.scroller.right, layout.client.x);
}

TEST(PreviewLayout, OnASmallDesktopThePageShrinksInProportionAndTheDialogFits) {
    const PreviewLayout layout = LayOutPreview(Input(kLetter, ShortPoint{800, 600}, true));
    // The height limits: 600 less 4 on each side, the frame, the margins and the view's frame.
    EXPECT_EQ(ContentHeight(layout), 600 - 8 - 26 - 20 - 2);
    EXPECT_LE(layout.client.y + 26, 600 - 8);
    EXPECT_LE(layout.client.x + 6, 800 - 8);
    // The paper's proportions, within the pixel lost to truncation.
    EXPECT_NEAR(ContentWidth(layout), ContentHeight(layout) * 612.0 / 792.0, 1.0);
    // The zoom is the page's size against the paper's, truncated.
    EXPECT_EQ(layout.zoom, 68);
    EXPECT_LE(612 * layout.zoom / 100, ContentWidth(layout));
    EXPECT_LT(ContentWidth(layout), 612 * (layout.zoom + 1) / 100);
}

TEST(PreviewLayout, ALandscapePageHasTheButtonsInARowAboveIt) {
    const PreviewLayout layout = LayOutPreview(Input(kLetterLandscape, ShortPoint{1024, 768}, true));
    EXPECT_TRUE(layout.landscape);
    EXPECT_EQ(layout.view.left, 10);
    EXPECT_EQ(layout.view.top, 50);
    EXPECT_EQ(layout.client.y, layout.view.bottom + 50);
    EXPECT_EQ(layout.client.x, layout.view.right + 40);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(layout.buttons[i].top, 10) << i;
        EXPECT_EQ(layout.buttons[i].Width(), 85) << i;
        if (i > 0) {
            const int step = layout.buttons[i].left - layout.buttons[i - 1].left;
            EXPECT_GE(step, 100);
            EXPECT_LE(step, 120);
        }
    }
    // Centred on a dialog wider than 425.
    EXPECT_NEAR(layout.buttons[0].left + layout.buttons[3].right, layout.client.x, 1);
    EXPECT_GE(layout.zoomText.top, layout.view.bottom);
    EXPECT_LE(layout.pageText.bottom, layout.client.y);
}

TEST(PreviewLayout, ANarrowLandscapeDialogStartsItsRowAtTheLeft) {
    const PreviewLayout layout = LayOutPreview(Input(kLetterLandscape, ShortPoint{420, 400}, false));
    EXPECT_LE(layout.client.x, 425);
    EXPECT_EQ(layout.buttons[0].left, 10);
    EXPECT_EQ(layout.buttons[1].left, 110);
}

TEST(PreviewLayout, ADesktopTooSmallForAnyPageStillGivesAPageOfOnePixel) {
    const PreviewLayout layout = LayOutPreview(Input(kLetter, ShortPoint{100, 50}, false));
    EXPECT_EQ(layout.zoom, 0);
    EXPECT_EQ(ContentWidth(layout), 1);
    EXPECT_EQ(ContentHeight(layout), 1);
    // A square paper counts as landscape.
    EXPECT_TRUE(LayOutPreview(Input(ShortPoint{500, 500}, ShortPoint{3000, 3000}, false)).landscape);
}

}  // namespace
