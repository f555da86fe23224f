// The scrolling menu's entries as the program draws them: rows with their text, check mark, grey
// and separator states, the two arrows, and the highlight of the entry under the pointer.

#include <algorithm>
#include <cstring>

#include "framework/graphics/FontMapping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Rects.h"
#include "widgets/ScrollingMenu.h"

using namespace win;

namespace {

constexpr int kTextIndent = 18;  // the check column left of the text
constexpr COLORREF kGreyText = RGB(128, 128, 128);

void FillWhite(HDC dc, const RECT& rect) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// A font selected into a context for the life of the scope.
class SelectedFont {
public:
    SelectedFont(HDC dc, const LOGFONTA& font)
        : dc_(dc), font_(CreateFontIndirectA(&font)), previous_(SelectObject(dc, font_)) {}
    ~SelectedFont() {
        SelectObject(dc_, previous_);
        DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_;
};

}  // namespace

RECT ScrollingMenu::EntryRect(UINT command) const {
    std::int32_t row = 0;
    if (command == kUpArrowCommand) {
        row = 0;
    } else if (command == kDownArrowCommand) {
        row = visibleRows_ + 1;
    } else {
        row = static_cast<std::int32_t>(command) - (arrowsShown_ ? 999 : 1000);
    }
    const auto height = static_cast<std::int32_t>(entryHeight_);
    const std::int32_t top = drawnTop_ + row * height;
    return RECT{drawnLeft_, top, drawnLeft_ + static_cast<std::int32_t>(width_), top + height};
}

void ScrollingMenu::RecordEntryRect(const RECT& rect) {
    if (!drawnAreaSeen_) {
        drawnAreaSeen_ = true;
        drawnLeft_ = rect.left;
        drawnTop_ = rect.top;
        drawnRight_ = rect.right;
        drawnBottom_ = rect.bottom;
    } else {
        drawnLeft_ = std::min<std::int32_t>(drawnLeft_, rect.left);
        drawnTop_ = std::min<std::int32_t>(drawnTop_, rect.top);
        drawnRight_ = std::max<std::int32_t>(drawnRight_, rect.right);
        drawnBottom_ = std::max<std::int32_t>(drawnBottom_, rect.bottom);
    }
    width_ = std::max(width_, static_cast<std::uint32_t>(std::max<LONG>(rect.right - rect.left, 0)));
    entryHeight_ =
        std::max(entryHeight_, static_cast<std::uint32_t>(std::max<LONG>(rect.bottom - rect.top, 0)));
}

LRESULT ScrollingMenu::OnDrawItem(WPARAM /*wParam*/, LPARAM lParam) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (!draw || draw->CtlType != ODT_MENU || !menu_ || reinterpret_cast<HMENU>(draw->hwndItem) != menu_ ||
        !IsOwnCommand(draw->itemID))
        return 1;
    const UINT command = draw->itemID;
    const bool arrow = command == kUpArrowCommand || command == kDownArrowCommand;
    drawingContext_ = draw->hDC;
    if (draw->itemAction & ODA_DRAWENTIRE) {
        RecordEntryRect(draw->rcItem);
        if (arrow) {
            DrawArrowEntry(draw->hDC, command);
        } else {
            DrawItemEntry(draw->hDC, command);
        }
    }
    if (!(draw->itemAction & (ODA_DRAWENTIRE | ODA_SELECT | ODA_FOCUS))) return 1;
    if (!(draw->itemState & ODS_SELECTED)) {
        if (draw->itemAction & ODA_SELECT) {
            if (arrow) {
                StopScrolling();
            } else {
                DrawItemEntry(draw->hDC, command);
            }
        }
        return 1;
    }
    if (command == kUpArrowCommand) {
        StartScrolling(kScrollUp);
    } else if (command == kDownArrowCommand) {
        StartScrolling(kScrollDown);
    } else {
        const std::int32_t index = IndexFromCommand(command);
        const PopUpMenuItem* item = ItemAt(index);
        if (item && !item->IsSeparator() && !item->IsDisabled()) {
            StopScrolling();
            DrawItemEntry(draw->hDC, command);
            const RECT rect = EntryRect(command);
            InvertRect(draw->hDC, &rect);
            if (hoverCallback_) hoverCallback_(menu_, static_cast<std::int16_t>(index), hoverData_);
        }
    }
    return 1;
}

void ScrollingMenu::DrawItemEntry(HDC dc, UINT command) {
    const RECT rect = EntryRect(command);
    FillWhite(dc, rect);
    const PopUpMenuItem* item = ItemAt(IndexFromCommand(command));
    if (!item) return;
    const UINT previousAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, item->IsGrey() ? kGreyText : RGB(0, 0, 0));
    if (item->IsSeparator()) {
        const int middle = rect.top + (rect.bottom - rect.top) / 2;
        const HGDIOBJ previousPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        MoveToEx(dc, rect.left, middle, nullptr);
        LineTo(dc, rect.right, middle);
        SelectObject(dc, previousPen);
    } else {
        LOGFONTA font = font_;
        ApplyTextStyle(font, item->GetStyle());
        {
            const SelectedFont selected(dc, font);
            const char* text = item->GetText();
            TextOutA(dc, rect.left + kTextIndent, rect.top, text, static_cast<int>(std::strlen(text)));
        }
        DrawCheckMark(dc, command, item->IsChecked());
    }
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
    SetTextAlign(dc, previousAlign);
}

void ScrollingMenu::DrawCheckMark(HDC dc, UINT command, bool checked) {
    const RECT rect = EntryRect(command);
    if (!checked) {
        FillWhite(dc, RECT{rect.left, rect.top, rect.left + kTextIndent, rect.bottom});
        return;
    }
    TEXTMETRICA metrics{};
    {
        const SelectedFont selected(dc, font_);
        GetTextMetricsA(dc, &metrics);
    }
    const auto entryHeight = static_cast<int>(entryHeight_);
    const int w = std::min(2 * static_cast<int>(metrics.tmAveCharWidth), 18);
    const int h = std::min(entryHeight, static_cast<int>(metrics.tmAscent));
    int top = rect.top;
    if (entryHeight > h) top += (entryHeight - h) / 2;
    const int bottom = top + h;
    const HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, rect.left + 3, bottom - h / 4, nullptr);
    LineTo(dc, rect.left + 1 + w / 4, bottom);
    LineTo(dc, rect.left - 1 + w, top + 1);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

void ScrollingMenu::DrawArrowEntry(HDC dc, UINT command) {
    if (allFit_) return;
    const RECT rect = EntryRect(command);
    const HGDIOBJ previousPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    const HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    const bool up = command == kUpArrowCommand;
    const int x1 = rect.left + 10;
    const int x2 = rect.left + 20;
    const int xm = rect.left + 15;
    const int y1 = rect.top + 7;
    const int y2 = rect.top + static_cast<int>(entryHeight_) - 7;
    const POINT upPoints[3] = {{x1, y2}, {xm, y1}, {x2, y2}};
    const POINT downPoints[3] = {{x1, y1}, {x2, y1}, {xm, y2}};
    const bool can = up ? CanScrollUp() : CanScrollDown();
    SelectObject(dc, GetStockObject(can ? BLACK_PEN : WHITE_PEN));
    SelectObject(dc, GetStockObject(can ? BLACK_BRUSH : GRAY_BRUSH));
    Polygon(dc, up ? upPoints : downPoints, 3);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
}

void ScrollingMenu::RedrawEntries(HDC dc) {
    if (!dc) return;
    DrawArrowEntry(dc, kDownArrowCommand);
    for (std::int16_t row = 0; row < visibleRows_; ++row)
        DrawItemEntry(dc, kFirstRowCommand + static_cast<UINT>(row));
    DrawArrowEntry(dc, kUpArrowCommand);
}
