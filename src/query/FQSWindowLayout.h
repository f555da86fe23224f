#pragma once
// The geometry of the query window, as plain arithmetic over its content size: the left column
// (list chooser, topic tree, navigation buttons, status area with its count and two bars), the
// page area on the right with the help pane below the page, and the two splitters between them.
//
// The left column's width S follows the horizontal splitter, whose centre line lies S + 15 from the
// left edge; the help pane follows the vertical splitter, whose centre line lies its position above
// the content's bottom (15: the pane is collapsed).

#include <cstdint>

#include "framework/graphics/ShortRect.h"

struct FQSWindowLayout {
    std::int16_t leftColumn = 0;  // S
    ShortRect status;
    ShortRect navigation;
    ShortRect tree;
    ShortRect listChooser;
    ShortRect page;
    // The four navigation buttons, two by two around the navigation area's centre.
    ShortRect start;
    ShortRect prev;
    ShortRect close;
    ShortRect next;
    // The horizontal splitter's band, over the whole height.
    ShortRect horizontalSplitter;
    // The storyform count, centred across the status area.
    ShortRect countText;
    // The storyforming bar and the topic bar, and the boxes their labels are right-aligned in.
    ShortRect bars[2];
    ShortRect barLabels[2];
    // Where the help pane stands until a page places it.
    ShortRect helpPane;
    // The vertical splitter's band across the page area.
    ShortRect verticalSplitter;
};

// Where the horizontal splitter stands for a content width when nothing was stored: the left column
// width plus 15.
std::int16_t DefaultHorizontalSplit(int contentWidth);
// The left column width for a horizontal split: the split less 15, at least 133 and at most the
// smaller of the content width less 445 and 320 (the tree's titles need no more; a wider window
// gives its room to the page and its help).
std::int16_t LeftColumnForSplit(int contentWidth, int split);
// Where the vertical splitter stands when no position is stored: two fifths of the content height
// above its bottom, so that a page that grows leaves the help pane its room.
std::int16_t DefaultVerticalSplit(int contentHeight);
// The window's place when none is stored: the least place grown right and down to the roomy size,
// as far as the frame's client area allows (never smaller than the least place), so that the home
// page and its help fit.
inline constexpr int kRoomyWidth = 760;
inline constexpr int kRoomyHeight = 540;
ShortRect DefaultQueryPlace(const ShortRect& least, const ShortRect& frameClient);
// The layout of a content rectangle (whose top left is 0, 0) for the left column width and the
// vertical splitter's position.
FQSWindowLayout ComputeFQSWindowLayout(const ShortRect& content, int leftColumn, int verticalSplit);

// The 16-pixel row of help buttons: each button's width, in order.
inline constexpr std::int16_t kHelpButtonWidths[8] = {38, 36, 33, 53, 29, 45, 39, 36};
inline constexpr std::int16_t kHelpButtonHeight = 16;
inline constexpr std::int16_t kHelpButtonGap = 2;
// The rectangle of help button i when the row's top left corner is at the point.
ShortRect HelpButtonRect(int index, ShortPoint rowOrigin);

// Where a page puts the help pane (when the page has help at all).
struct HelpPanePlacement {
    // The vertical splitter's line: its band runs from y - 6 to y, and the help buttons' row starts
    // at y.
    std::int16_t y = 0;
    // The bottom a page that can grow is stretched to; -1 when it is not stretched.
    std::int16_t stretchTo = -1;
    // Whether the help buttons fit above the content's bottom; when they do not, the pane and its
    // buttons stay where they were.
    bool fits = false;
    ShortRect pane;
    ShortRect splitter;
    // The splitter's position limits (its centre line's distance above the content's bottom): it may
    // not go above the page's content, and on a page that cannot grow it stays there.
    std::int16_t lowestSplit = 0;
    std::int16_t highestSplit = 0;
};

// The page's content ends at the layout cursor; the stored split is the vertical splitter's position
// ("FQSVSplt", -1 when the key is missing, when the splitter's current position counts instead).
HelpPanePlacement PlaceHelpPane(const ShortRect& content, const ShortRect& page, int layoutCursor,
                                bool pageCanGrow, int storedSplit, int currentSplit);

// The vertical splitter's position when the help pane collapses.
inline constexpr std::int16_t kCollapsedSplit = 15;
// The help pane's toggle: from the splitter's position and the open position kept while it is
// collapsed ("FQSVSplt2", -1 when none), the new position and the open position to keep.
struct HelpPaneToggle {
    std::int16_t split = 0;
    std::int16_t keptOpen = -1;
};
HelpPaneToggle ToggleHelpPane(int split, int keptOpen);
