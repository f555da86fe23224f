// The query window's geometry as arithmetic: the left column's width and its clamps, the parts of
// the left column and the page area, the help pane's place below a page (a page that cannot grow
// holds the splitter at its content, one that can grow is stretched to the stored line), whether
// the help buttons fit, and the help pane's toggle.

#include "query/FQSWindowLayout.h"

#include <gtest/gtest.h>

namespace {

ShortRect Content(int width, int height) { return ShortRect::MakeLTRB(0, 0, width, height); }

TEST(FQSWindowLayoutTest, TheLeftColumnFollowsTheWidthWithinItsClamps) {
    // 800 wide: min((800 - 563) / 2, 867) + 148 = 266, less 15.
    EXPECT_EQ(DefaultHorizontalSplit(800), 266);
    EXPECT_EQ(LeftColumnForSplit(800, DefaultHorizontalSplit(800)), 251);
    EXPECT_EQ(DefaultHorizontalSplit(3000), 867 + 148) << "the default stops growing";
    EXPECT_EQ(LeftColumnForSplit(1000, 100), 133) << "at least 133";
    EXPECT_EQ(LeftColumnForSplit(700, 600), 255) << "the page keeps 445 pixels";
    EXPECT_EQ(LeftColumnForSplit(1000, 148), 133);
    EXPECT_EQ(LeftColumnForSplit(1000, 149), 134);
}

// A wide window gives its room to the page and its help: the tree's titles need no more than 320
// pixels, whatever the split asks for (the old default of a maximised window asked for 801).
TEST(FQSWindowLayoutTest, AWideWindowsTreeTakesNoMoreThanItsTitlesNeed) {
    EXPECT_EQ(LeftColumnForSplit(1900, DefaultHorizontalSplit(1900)), 320);
    EXPECT_EQ(LeftColumnForSplit(2000, 1500), 320);
    EXPECT_EQ(LeftColumnForSplit(1000, 336), 320);
    EXPECT_EQ(LeftColumnForSplit(1000, 335), 320);
    EXPECT_EQ(LeftColumnForSplit(1000, 334), 319);
    const FQSWindowLayout layout = ComputeFQSWindowLayout(Content(1900, 1000), LeftColumnForSplit(1900, 1015), 400);
    EXPECT_GT(layout.page.Width(), 4 * layout.tree.Width());
}

// Without a stored place the window grows from its least place to a roomy one, as far as the frame
// allows; without a stored line the help pane below a page that grows takes two fifths of the height.
TEST(FQSWindowLayoutTest, AWindowWithoutStoredPlacesGivesThePageAndItsHelpTheirRoom) {
    const ShortRect least{23, 3, 403, 637};
    EXPECT_EQ(DefaultQueryPlace(least, ShortRect::MakeLTRB(0, 0, 1200, 900)), (ShortRect{23, 3, 563, 763}));
    EXPECT_EQ(DefaultQueryPlace(least, ShortRect::MakeLTRB(0, 0, 780, 520)), (ShortRect{23, 3, 519, 763}))
        << "down to the frame's bottom";
    EXPECT_EQ(DefaultQueryPlace(least, ShortRect::MakeLTRB(0, 0, 700, 520)), (ShortRect{23, 3, 519, 694}));
    EXPECT_EQ(DefaultQueryPlace(least, ShortRect::MakeLTRB(0, 0, 500, 300)), least) << "never below the least";
    EXPECT_EQ(DefaultVerticalSplit(356), 142);
    EXPECT_EQ(DefaultVerticalSplit(500), 200);
    EXPECT_EQ(DefaultVerticalSplit(20), 16) << "never collapsed";
}

TEST(FQSWindowLayoutTest, TheLeftColumnAndThePageArea) {
    const FQSWindowLayout layout = ComputeFQSWindowLayout(Content(800, 500), 200, 60);
    EXPECT_EQ(layout.status, ShortRect::MakeLTRB(6, 444, 206, 494));
    EXPECT_EQ(layout.navigation, ShortRect::MakeLTRB(6, 382, 206, 444));
    EXPECT_EQ(layout.tree, ShortRect::MakeLTRB(6, 25, 207, 379));
    EXPECT_EQ(layout.listChooser, ShortRect::MakeLTRB(8, 5, 205, 21));
    EXPECT_EQ(layout.page, ShortRect::MakeLTRB(224, 25, 794, 494));
    EXPECT_EQ(layout.horizontalSplitter, ShortRect::MakeLTRB(212, 0, 218, 500));

    // The buttons two by two around the navigation area's centre (106, 413).
    EXPECT_EQ(layout.start, ShortRect::MakeLTRB(50, 390, 104, 410));
    EXPECT_EQ(layout.close, ShortRect::MakeLTRB(50, 416, 104, 436));
    EXPECT_EQ(layout.prev, ShortRect::MakeLTRB(108, 390, 162, 410));
    EXPECT_EQ(layout.next, ShortRect::MakeLTRB(108, 416, 162, 436));

    EXPECT_EQ(layout.countText, ShortRect::MakeLTRB(6, 449, 206, 461));
    // The bars start at 6 + (200 + 30) / 2.
    EXPECT_EQ(layout.bars[0], ShortRect::MakeLTRB(121, 466, 161, 472));
    EXPECT_EQ(layout.bars[1], ShortRect::MakeLTRB(121, 481, 161, 487));
    EXPECT_EQ(layout.barLabels[1], ShortRect::MakeLTRB(46, 479, 116, 491));

    EXPECT_EQ(layout.helpPane, ShortRect::MakeLTRB(236, 175, 782, 484));
    // The splitter's centre line is 60 above the bottom.
    EXPECT_EQ(layout.verticalSplitter, ShortRect::MakeLTRB(225, 437, 793, 443));
}

TEST(FQSWindowLayoutTest, HelpButtonsStandTwoPixelsApart) {
    const ShortPoint origin{100, 50};
    EXPECT_EQ(HelpButtonRect(0, origin), ShortRect::MakeLTRB(100, 50, 138, 66));
    EXPECT_EQ(HelpButtonRect(1, origin), ShortRect::MakeLTRB(140, 50, 176, 66));
    EXPECT_EQ(HelpButtonRect(7, origin).left, 100 + 38 + 36 + 33 + 53 + 29 + 45 + 39 + 7 * 2);
    EXPECT_EQ(HelpButtonRect(7, origin).Width(), 36);
}

TEST(FQSWindowLayoutTest, APageThatCannotGrowHoldsTheSplitterAtItsContent) {
    const ShortRect content = Content(800, 500);
    const ShortRect page = ShortRect::MakeLTRB(224, 25, 794, 494);
    for (const int stored : {-1, 15, 100, 400}) {
        const HelpPanePlacement place = PlaceHelpPane(content, page, 140, false, stored, 50);
        EXPECT_EQ(place.y, 143) << stored;
        EXPECT_EQ(place.stretchTo, -1);
        EXPECT_EQ(place.lowestSplit, 360);
        EXPECT_EQ(place.highestSplit, 360);
    }
    const HelpPanePlacement place = PlaceHelpPane(content, page, 140, false, -1, 50);
    EXPECT_EQ(place.splitter, ShortRect::MakeLTRB(225, 137, 793, 143));
    EXPECT_EQ(place.pane, ShortRect::MakeLTRB(236, 163, 782, 484));
    EXPECT_TRUE(place.fits);
}

TEST(FQSWindowLayoutTest, APageThatCanGrowIsStretchedToTheStoredLine) {
    const ShortRect content = Content(800, 500);
    const ShortRect page = ShortRect::MakeLTRB(224, 25, 794, 494);
    // Stored 200: the line T lies at 300.
    HelpPanePlacement place = PlaceHelpPane(content, page, 140, true, 200, 50);
    EXPECT_EQ(place.stretchTo, 300);
    EXPECT_EQ(place.y, 303);
    EXPECT_EQ(place.lowestSplit, kCollapsedSplit) << "below its content the splitter goes freely";
    EXPECT_EQ(place.highestSplit, 360) << "never above the content";
    // Without a stored line the splitter's own position counts.
    place = PlaceHelpPane(content, page, 140, true, -1, 150);
    EXPECT_EQ(place.stretchTo, 350);
    // A content below the line is not stretched.
    place = PlaceHelpPane(content, page, 320, true, 200, 50);
    EXPECT_EQ(place.stretchTo, -1);
    EXPECT_EQ(place.y, 323);
}

TEST(FQSWindowLayoutTest, TheHelpButtonsFitOnlyTwelvePixelsAboveTheBottom) {
    const ShortRect content = Content(800, 500);
    const ShortRect page = ShortRect::MakeLTRB(224, 25, 794, 494);
    // y + 16 + 12 <= 500: y up to 472, so a content ending at 469.
    EXPECT_TRUE(PlaceHelpPane(content, page, 469, false, -1, 50).fits);
    EXPECT_FALSE(PlaceHelpPane(content, page, 470, false, -1, 50).fits);
    const HelpPanePlacement low = PlaceHelpPane(content, page, 470, false, -1, 50);
    EXPECT_EQ(low.pane.top, low.pane.bottom) << "the pane never starts below its bottom";
}

TEST(FQSWindowLayoutTest, TheToggleCollapsesAndRestoresTheHelpPane) {
    HelpPaneToggle toggle = ToggleHelpPane(120, -1);
    EXPECT_EQ(toggle.split, kCollapsedSplit);
    EXPECT_EQ(toggle.keptOpen, 120);
    toggle = ToggleHelpPane(toggle.split, toggle.keptOpen);
    EXPECT_EQ(toggle.split, 120);
    // At 16 the pane counts as open.
    EXPECT_EQ(ToggleHelpPane(16, 90).split, kCollapsedSplit);
    EXPECT_EQ(ToggleHelpPane(16, 90).keptOpen, 16);
    // A kept position of 15, or none, leaves the pane collapsed.
    EXPECT_EQ(ToggleHelpPane(15, 15).split, 15);
    EXPECT_EQ(ToggleHelpPane(15, -1).split, 15);
}

}  // namespace
