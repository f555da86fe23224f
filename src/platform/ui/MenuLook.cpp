#include "platform/ui/MenuLook.h"

#include <algorithm>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Bevels.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

// A context for measuring text in the menu font, given back when it goes.
class MeasuringContext {
public:
    MeasuringContext() : dc_(CreateMeasuringDC()) { SelectObject(dc_, MenuFont()); }
    ~MeasuringContext() { DeleteDC(dc_); }
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
};

SIZE MeasureOwnerDrawn(HWND owner, const MenuItem& item) {
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_MENU;
    measure.itemID = static_cast<UINT>(item.id);
    measure.itemData = item.data;
    SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return SIZE{static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
}

void DrawCheckMark(HDC dc, const RECT& rect, COLORREF color) {
    // A tick two pixels thick in the check column, centred on the item.
    const int x = rect.left + 4;
    const int y = (rect.top + rect.bottom) / 2 - 1;
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ previous = SelectObject(dc, pen);
    for (int thick = 0; thick < 2; ++thick) {
        MoveToEx(dc, x, y + thick, nullptr);
        LineTo(dc, x + 3, y + 3 + thick);
        LineTo(dc, x + 9, y - 3 + thick);
    }
    SelectObject(dc, previous);
    DeleteObject(pen);
}

void DrawSubmenuArrow(HDC dc, const RECT& rect, int colorIndex) {
    const int x = rect.right - kArrowColumn / 2 - 2;
    const int y = (rect.top + rect.bottom) / 2;
    for (int column = 0; column < 4; ++column) {
        FillSysColor(dc, RECT{x + column, y - 3 + column, x + column + 1, y + 4 - column}, colorIndex);
    }
}

}  // namespace

HFONT MenuFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

ItemText SplitItemText(const std::string& text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos) return ItemText{text, {}};
    return ItemText{text.substr(0, tab), text.substr(tab + 1)};
}

SIZE MeasureMenuText(HDC dc, const std::string& text) {
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

PopupLayout LayoutPopup(HMENU handle, HWND owner) {
    // Owner-drawn items first: their owner may change the menu while it answers.
    std::vector<SIZE> ownerSizes;
    if (const Menu* menu = Menus().Find(handle)) {
        const std::vector<MenuItem> items = menu->items;
        for (const MenuItem& item : items) {
            ownerSizes.push_back(item.IsOwnerDrawn() ? MeasureOwnerDrawn(owner, item) : SIZE{});
        }
    }
    const Menu* menu = Menus().Find(handle);
    PopupLayout layout;
    if (menu == nullptr || ownerSizes.size() != menu->items.size()) return layout;

    MeasuringContext measuring;
    int labelWidth = 0, shortcutWidth = 0, ownerWidth = 0;
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        if (item.IsOwnerDrawn()) {
            ownerWidth = std::max<int>(ownerWidth, ownerSizes[i].cx);
        } else if (!item.IsSeparator()) {
            const ItemText text = SplitItemText(item.text);
            labelWidth = std::max<int>(labelWidth, MeasureMenuText(measuring.dc(), text.label).cx);
            if (!text.shortcut.empty())
                shortcutWidth =
                    std::max<int>(shortcutWidth, MeasureMenuText(measuring.dc(), text.shortcut).cx);
        }
    }
    int textWidth = kCheckColumn + labelWidth + kArrowColumn;
    if (shortcutWidth > 0) textWidth += kShortcutGap + shortcutWidth;
    const int inner = std::max(textWidth, ownerWidth);
    int y = kPopupBorder;
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        const int height = item.IsOwnerDrawn()  ? static_cast<int>(ownerSizes[i].cy)
                           : item.IsSeparator() ? kSeparatorHeight
                                                : kPopupItemHeight;
        layout.items.push_back(RECT{kPopupBorder, y, kPopupBorder + inner, y + height});
        y += height;
    }
    layout.size = SIZE{inner + 2 * kPopupBorder, y + kPopupBorder};
    layout.shortcutRight = kPopupBorder + inner - kArrowColumn;
    return layout;
}

void DrawPopupEdge(HDC dc, SIZE size) {
    DrawRaisedEdge(dc, RECT{0, 0, size.cx, size.cy});
    FillSysColor(dc, RECT{2, 2, size.cx - 2, 3}, COLOR_MENU);
    FillSysColor(dc, RECT{2, 2, 3, size.cy - 2}, COLOR_MENU);
    FillSysColor(dc, RECT{2, size.cy - 3, size.cx - 2, size.cy - 2}, COLOR_MENU);
    FillSysColor(dc, RECT{size.cx - 3, 2, size.cx - 2, size.cy - 2}, COLOR_MENU);
}

void DrawMenuText(HDC dc, const std::string& text, RECT rect, UINT format, bool selected, bool grayed) {
    HGDIOBJ previousFont = SelectObject(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    format |= DT_SINGLELINE | DT_VCENTER;
    const int length = static_cast<int>(text.size());
    if (grayed && !selected) {
        // Embossed: a light copy one pixel down and right under the grey text.
        RECT light = rect;
        OffsetRect(&light, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, text.c_str(), length, &light, format);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else if (grayed) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    }
    DrawTextA(dc, text.c_str(), length, &rect, format);
    SelectObject(dc, previousFont);
}

void DrawPopupItem(HDC dc, const MenuItem& item, const RECT& rect, int shortcutRight, bool selected) {
    if (item.IsSeparator()) {
        FillSysColor(dc, rect, COLOR_MENU);
        const int middle = (rect.top + rect.bottom) / 2;
        FillSysColor(dc, RECT{rect.left + 1, middle - 1, rect.right - 1, middle}, COLOR_BTNSHADOW);
        FillSysColor(dc, RECT{rect.left + 1, middle, rect.right - 1, middle + 1}, COLOR_BTNHIGHLIGHT);
        return;
    }
    selected = selected && !item.IsSeparator();
    FillSysColor(dc, rect, selected ? COLOR_HIGHLIGHT : COLOR_MENU);
    const bool grayed = item.IsGrayed();
    const int textColor = selected ? COLOR_HIGHLIGHTTEXT : grayed ? COLOR_GRAYTEXT : COLOR_MENUTEXT;
    if (item.IsChecked()) DrawCheckMark(dc, rect, GetSysColor(textColor));
    const ItemText text = SplitItemText(item.text);
    RECT label{rect.left + kCheckColumn, rect.top, rect.right, rect.bottom};
    DrawMenuText(dc, text.label, label, DT_LEFT, selected, grayed);
    if (!text.shortcut.empty()) {
        RECT shortcut{label.left, rect.top, shortcutRight, rect.bottom};
        DrawMenuText(dc, text.shortcut, shortcut, DT_RIGHT, selected, grayed);
    }
    if (item.IsPopup()) DrawSubmenuArrow(dc, rect, textColor);
}

}  // namespace win::detail
