#include "items/printing/PreviewLayout.h"

#include <algorithm>

namespace {

constexpr int kWorkAreaInset = 4;
constexpr int kViewFrame = 1;
constexpr int kButtonWidth = 85;
constexpr int kButtonHeight = 20;
constexpr int kEdge = 10;        // the button column's left and the button row's top
constexpr int kColumnStep = 50;  // between the buttons of the column
constexpr int kTextWidth = 120;  // the texts under the column
constexpr int kRowStepLeast = 100;
constexpr int kRowStepMost = 120;
constexpr int kRowCentredAbove = 425;  // a row is centred on a dialog wider than this
constexpr int kScrollerGap = 15;

struct Margins {
    int left;
    int top;
    int right;
    int bottom;
};

Margins MarginsFor(bool landscape, bool counting) {
    if (landscape) return Margins{10, 50, counting ? 40 : 10, 50};
    return Margins{135, 10, counting ? 45 : 15, 10};
}

void PlaceColumn(PreviewLayout& layout) {
    for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
        const int top = kEdge + kColumnStep * static_cast<int>(i);
        layout.buttons[i] = ShortRect::MakeLTRB(kEdge, top, kEdge + kButtonWidth, top + kButtonHeight);
    }
    const int textTop = kEdge + kColumnStep * static_cast<int>(layout.buttons.size());
    // The zoom text takes up to three lines, the page text two.
    layout.zoomText = ShortRect::MakeLTRB(kEdge, textTop, kEdge + kTextWidth, textTop + 48);
    layout.pageText = ShortRect::MakeLTRB(kEdge, textTop + 58, kEdge + kTextWidth, textTop + 92);
}

void PlaceRow(PreviewLayout& layout) {
    const int width = layout.client.x;
    const int step = std::clamp((width - 2 * kEdge - kButtonWidth) / 3, kRowStepLeast, kRowStepMost);
    const int row = 3 * step + kButtonWidth;
    const int left = width > kRowCentredAbove ? (width - row) / 2 : kEdge;
    for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
        const int x = left + step * static_cast<int>(i);
        layout.buttons[i] = ShortRect::MakeLTRB(x, kEdge, x + kButtonWidth, kEdge + kButtonHeight);
    }
    // The texts under the page: the zoom at its left, the page number at its right.
    const ShortRect& view = layout.view;
    const int top = view.bottom + 15;
    layout.zoomText = ShortRect::MakeLTRB(view.left, top, view.left + 250, top + 20);
    layout.pageText =
        ShortRect::MakeLTRB(std::max<int>(view.left, view.right - 150), top, view.right, top + 20);
}

}  // namespace

PreviewLayout LayOutPreview(const PreviewLayoutInput& input) {
    PreviewLayout layout;
    const int paperWidth = std::max<int>(1, input.paper.x);
    const int paperHeight = std::max<int>(1, input.paper.y);
    layout.landscape = input.paper.x >= input.paper.y;
    const Margins margins = MarginsFor(layout.landscape, input.counting);

    // The room the desktop leaves for the page, inside the dialog's frame and the view's.
    const int roomWidth = std::max(1, input.workArea.x - 2 * kWorkAreaInset - input.frameExtra.x -
                                          margins.left - margins.right - 2 * kViewFrame);
    const int roomHeight = std::max(1, input.workArea.y - 2 * kWorkAreaInset - input.frameExtra.y -
                                           margins.top - margins.bottom - 2 * kViewFrame);
    // The largest page in the paper's proportions that the room holds, at most the printed size.
    int contentWidth = paperWidth;
    int contentHeight = paperHeight;
    if (roomWidth < paperWidth || roomHeight < paperHeight) {
        if (roomWidth * paperHeight <= roomHeight * paperWidth) {
            contentWidth = roomWidth;
            contentHeight = paperHeight * roomWidth / paperWidth;
        } else {
            contentHeight = roomHeight;
            contentWidth = paperWidth * roomHeight / paperHeight;
        }
    }
    contentWidth = std::max(1, contentWidth);
    contentHeight = std::max(1, contentHeight);
    layout.zoom = static_cast<std::int16_t>(
        std::min(contentWidth * 100 / paperWidth, contentHeight * 100 / paperHeight));

    layout.view = ShortRect::MakeLTRB(margins.left, margins.top, margins.left + contentWidth + 2 * kViewFrame,
                                      margins.top + contentHeight + 2 * kViewFrame);
    layout.client = ShortPoint{static_cast<std::int16_t>(layout.view.right + margins.right),
                               static_cast<std::int16_t>(layout.view.bottom + margins.bottom)};
    if (layout.landscape) {
        PlaceRow(layout);
    } else {
        PlaceColumn(layout);
    }
    if (input.counting) {
        const int left = layout.view.right + kScrollerGap;
        layout.scroller =
            ShortRect::MakeLTRB(left, layout.view.top, left + input.scrollBarWidth, layout.view.bottom);
    }
    return layout;
}
