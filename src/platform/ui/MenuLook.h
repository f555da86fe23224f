#pragma once
// Internal to the window layer: the sizes and the look of menus. Popup menus and the menu bar draw
// their items themselves in the menu font, unless an item is drawn by its owner.

#include <string>
#include <vector>

#include "platform/ui/MenuTable.h"

namespace win::detail {

inline constexpr int kPopupBorder = 3;       // the raised edge around a popup menu
inline constexpr int kPopupItemHeight = 18;  // a text item of a popup menu
inline constexpr int kSeparatorHeight = 9;
inline constexpr int kCheckColumn = 18;    // left of an item's text, where its check mark goes
inline constexpr int kArrowColumn = 16;    // right of it, where a submenu's arrow goes
inline constexpr int kShortcutGap = 18;    // between an item's text and its shortcut
inline constexpr int kBarItemPadding = 7;  // left and right of a bar item's text

HFONT MenuFont();

// Where a popup's items lie: in the popup window's client coordinates, before any scrolling.
struct PopupLayout {
    std::vector<RECT> items;
    SIZE size;              // the whole popup, with its edge
    int shortcutRight = 0;  // right edge of the shortcut column
};

// Lays out a popup menu. Owner-drawn items are measured by their owner (WM_MEASUREITEM), which may
// do anything, so the menu is found again by its handle afterwards; an empty layout when it is gone.
PopupLayout LayoutPopup(HMENU menu, HWND owner);

// An item's text before and after its tab (the shortcut, shown right-aligned).
struct ItemText {
    std::string label;
    std::string shortcut;
};
ItemText SplitItemText(const std::string& text);

// Drawing into a context over the popup window: the edge, and one item that is not owner-drawn.
void DrawPopupEdge(HDC dc, SIZE size);
void DrawPopupItem(HDC dc, const MenuItem& item, const RECT& rect, int shortcutRight, bool selected);

// Text of a menu item in the menu font: plain, or highlighted, or greyed (embossed unless
// highlighted). Mnemonics are underlined.
void DrawMenuText(HDC dc, const std::string& text, RECT rect, UINT format, bool selected, bool grayed);
SIZE MeasureMenuText(HDC dc, const std::string& text);

}  // namespace win::detail
