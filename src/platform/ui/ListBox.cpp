// The LISTBOX window procedure: the items, the selection, scrolling, keys and the mouse, drawing.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/sys/Cp1252.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/ListBoxControl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

struct ListItem {
    std::string text;
    ULONG_PTR data = 0;
};

struct ListBoxState {
    std::vector<ListItem> items;
    int selected = -1;
    int top = 0;  // the first item shown
    int itemHeight = 1;
    HFONT font = nullptr;  // as WM_SETFONT gave it; not owned
    bool focused = false;
    bool tracking = false;  // the mouse button went down in the list and is held
};

int Count(const ListBoxState& state) { return static_cast<int>(state.items.size()); }
bool Valid(const ListBoxState& state, WPARAM index) { return index < state.items.size(); }

// Items wholly shown, at least one.
int Rows(HWND window, const ListBoxState& state) {
    RECT client;
    GetClientRect(window, &client);
    return std::max(1, static_cast<int>(client.bottom) / state.itemHeight);
}

RECT ItemRect(HWND window, const ListBoxState& state, int index) {
    RECT client;
    GetClientRect(window, &client);
    const int y = (index - state.top) * state.itemHeight;
    return RECT{0, y, client.right, y + state.itemHeight};
}

void MeasureItems(HWND window, ListBoxState& state) {
    if (StyleOf(window) & LBS_OWNERDRAWFIXED) {
        MEASUREITEMSTRUCT measure;
        measure.CtlType = ODT_LISTBOX;
        measure.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
        measure.itemHeight = static_cast<UINT>(state.itemHeight);
        if (HWND parent = GetParent(window))
            SendMessageA(parent, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
        state.itemHeight = std::max(1, static_cast<int>(measure.itemHeight));
        return;
    }
    HDC dc = CreateMeasuringDC();
    SelectObject(dc, ControlFont(state.font));
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    DeleteDC(dc);
    state.itemHeight = std::max(1, static_cast<int>(metrics.tmHeight));
}

void UpdateScrollBar(HWND window, const ListBoxState& state) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = Count(state) - 1;
    info.nPage = static_cast<UINT>(Rows(window, state));
    info.nPos = state.top;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
}

void SetTop(HWND window, ListBoxState& state, int top) {
    top = std::clamp(top, 0, std::max(0, Count(state) - Rows(window, state)));
    if (top != state.top) {
        state.top = top;
        InvalidateRect(window, nullptr, TRUE);
    }
    UpdateScrollBar(window, state);
}

void ScrollIntoView(HWND window, ListBoxState& state, int index) {
    if (index < 0) return;
    if (index < state.top) {
        SetTop(window, state, index);
    } else if (index >= state.top + Rows(window, state)) {
        SetTop(window, state, index - Rows(window, state) + 1);
    }
}

void InvalidateItem(HWND window, const ListBoxState& state, int index) {
    if (index < 0) return;
    const RECT r = ItemRect(window, state, index);
    InvalidateRect(window, &r, TRUE);
}

void Notify(HWND window, WORD code) {
    if (StyleOf(window) & LBS_NOTIFY) NotifyParent(window, code);
}

// Selects an item (or none, with -1) and shows it; the parent hears when the user did it.
void Select(HWND window, ListBoxState& state, int index, bool byUser) {
    if (index != state.selected) {
        InvalidateItem(window, state, state.selected);
        state.selected = index;
        InvalidateItem(window, state, index);
        ScrollIntoView(window, state, index);
    }
    if (byUser) Notify(window, LBN_SELCHANGE);
}

// The item whose text begins with `text` (or is it, letters of either case alike), searching after
// `after` and round to the start.
int Find(const ListBoxState& state, int after, const char* text, bool exact) {
    const int count = Count(state);
    if (text == nullptr || count == 0) return static_cast<int>(LB_ERR);
    const std::string_view wanted(text);
    const int start = after >= 0 && after < count ? after + 1 : 0;
    for (int i = 0; i < count; ++i) {
        const std::string& item = state.items[static_cast<std::size_t>((start + i) % count)].text;
        const std::string_view compared =
            exact ? std::string_view(item) : std::string_view(item).substr(0, wanted.size());
        if ((!exact || item.size() == wanted.size()) && Cp1252EqualNoCase(compared, wanted))
            return (start + i) % count;
    }
    return static_cast<int>(LB_ERR);
}

void Paint(HWND window, HDC dc, const ListBoxState& state) {
    const int saved = SaveDC(dc);
    const RECT client = PrepareControlDC(window, dc, WM_CTLCOLORLISTBOX, state.font);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const COLORREF text = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    const bool ownerDraws = (StyleOf(window) & LBS_OWNERDRAWFIXED) != 0;
    const int last =
        std::min(Count(state), state.top + static_cast<int>(client.bottom) / state.itemHeight + 1);
    for (int i = state.top; i < last; ++i) {
        const RECT r = ItemRect(window, state, i);
        const bool selected = i == state.selected;
        if (ownerDraws) {
            DRAWITEMSTRUCT draw;
            draw.CtlType = ODT_LISTBOX;
            draw.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
            draw.itemID = static_cast<UINT>(i);
            draw.itemAction = ODA_DRAWENTIRE;
            draw.itemState = (selected ? ODS_SELECTED : 0) | (enabled ? 0 : ODS_DISABLED) |
                             (selected && state.focused ? ODS_FOCUS : 0);
            draw.hwndItem = window;
            draw.hDC = dc;
            draw.rcItem = r;
            draw.itemData = state.items[static_cast<std::size_t>(i)].data;
            const int drawSaved = SaveDC(dc);
            SendMessageA(GetParent(window), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
            RestoreDC(dc, drawSaved);
        } else {
            if (selected) FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
            RECT area = r;
            area.left += 2;
            const std::string& item = state.items[static_cast<std::size_t>(i)].text;
            DrawTextA(dc, item.c_str(), static_cast<int>(item.size()), &area,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
    }
    // The focus rectangle marks the selected item, or the first when none is.
    if (state.focused && Count(state) > 0) {
        const RECT r = ItemRect(window, state, std::max(state.selected, 0));
        DrawFocusRect(dc, &r);
    }
    RestoreDC(dc, saved);
}

int IndexAt(const ListBoxState& state, POINT point) {
    return state.top + static_cast<int>(point.y) / state.itemHeight - (point.y < 0 ? 1 : 0);
}

void OnKey(HWND window, ListBoxState& state, WPARAM key) {
    const int count = Count(state);
    if (count == 0) return;
    const int page = std::max(1, Rows(window, state) - 1);
    const int at = state.selected;
    int to = at;
    switch (key) {
        case VK_UP: to = at < 0 ? 0 : at - 1; break;
        case VK_DOWN: to = at + 1; break;
        case VK_PRIOR: to = at - page; break;
        case VK_NEXT: to = at < 0 ? page : at + page; break;
        case VK_HOME: to = 0; break;
        case VK_END: to = count - 1; break;
        default: return;
    }
    to = std::clamp(to, 0, count - 1);
    if (to != at) Select(window, state, to, true);
}

void OnVerticalScroll(HWND window, ListBoxState& state, WORD request) {
    const int rows = Rows(window, state);
    switch (request) {
        case SB_LINEUP: SetTop(window, state, state.top - 1); break;
        case SB_LINEDOWN: SetTop(window, state, state.top + 1); break;
        case SB_PAGEUP: SetTop(window, state, state.top - rows); break;
        case SB_PAGEDOWN: SetTop(window, state, state.top + rows); break;
        case SB_TOP: SetTop(window, state, 0); break;
        case SB_BOTTOM: SetTop(window, state, Count(state)); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(window, SB_VERT, &info);
            SetTop(window, state, info.nTrackPos);
            break;
        }
        default: break;
    }
}

void OnButtonDown(HWND window, ListBoxState& state, POINT point, bool doubleClick) {
    SetFocus(window);
    const int index = IndexAt(state, point);
    if (index < 0 || index >= Count(state)) return;
    Select(window, state, index, true);
    if (doubleClick) {
        Notify(window, LBN_DBLCLK);
        return;
    }
    state.tracking = true;
    SetCapture(window);
}

// Dragging selects the item under the mouse, moving one item at a time past the ends.
void OnDrag(HWND window, ListBoxState& state, POINT point) {
    if (!state.tracking || GetCapture() != window || Count(state) == 0) return;
    const int rows = Rows(window, state);
    const int index = std::clamp(IndexAt(state, point), state.top - 1, state.top + rows);
    const int to = std::clamp(index, 0, Count(state) - 1);
    if (to != state.selected) Select(window, state, to, true);
}

LRESULT OnListMessage(HWND window, ListBoxState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case LB_ADDSTRING:
            state.items.push_back(ListItem{lParam != 0 ? reinterpret_cast<const char*>(lParam) : "", 0});
            InvalidateItem(window, state, Count(state) - 1);
            UpdateScrollBar(window, state);
            return Count(state) - 1;
        case LB_RESETCONTENT:
            state.items.clear();
            state.selected = -1;
            state.top = 0;
            InvalidateRect(window, nullptr, TRUE);
            UpdateScrollBar(window, state);
            return 0;
        case LB_SETCURSEL: {
            const int index = Valid(state, wParam) ? static_cast<int>(wParam) : -1;
            Select(window, state, index, false);
            return index >= 0 || static_cast<int>(wParam) == -1 ? index : LB_ERR;
        }
        case LB_GETCURSEL: return state.selected;
        case LB_GETTEXT: {
            if (!Valid(state, wParam)) return LB_ERR;
            const std::string& text = state.items[wParam].text;
            if (lParam != 0) std::memcpy(reinterpret_cast<char*>(lParam), text.c_str(), text.size() + 1);
            return static_cast<LRESULT>(text.size());
        }
        case LB_GETTEXTLEN:
            return Valid(state, wParam) ? static_cast<LRESULT>(state.items[wParam].text.size()) : LB_ERR;
        case LB_GETCOUNT: return Count(state);
        case LB_GETTOPINDEX: return state.top;
        case LB_SETTOPINDEX:
            if (!Valid(state, wParam)) return LB_ERR;
            SetTop(window, state, static_cast<int>(wParam));
            return 0;
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT:
            return Find(state, static_cast<int>(wParam), reinterpret_cast<const char*>(lParam),
                        message == LB_FINDSTRINGEXACT);
        case LB_GETITEMRECT:
            if (!Valid(state, wParam) || lParam == 0) return LB_ERR;
            *reinterpret_cast<RECT*>(lParam) = ItemRect(window, state, static_cast<int>(wParam));
            return 1;
        case LB_GETITEMDATA:
            return Valid(state, wParam) ? static_cast<LRESULT>(state.items[wParam].data) : LB_ERR;
        case LB_SETITEMDATA:
            if (!Valid(state, wParam)) return LB_ERR;
            state.items[wParam].data = static_cast<ULONG_PTR>(lParam);
            return 0;
        case LB_GETITEMHEIGHT: return state.itemHeight;
        default: return 0;
    }
}

}  // namespace

LRESULT ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<ListBoxState> held = ControlStateFor<ListBoxState>(window, message);
    if (held == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    ListBoxState& state = *held;
    switch (message) {
        case WM_CREATE:
            MeasureItems(window, state);
            UpdateScrollBar(window, state);
            return 0;
        case WM_SIZE: SetTop(window, state, state.top); return 0;
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT: PaintControl(window, [&](HDC dc) { Paint(window, dc, state); }); return 0;
        case WM_ENABLE: InvalidateRect(window, nullptr, TRUE); return 0;
        case WM_SETFONT:
            state.font = reinterpret_cast<HFONT>(wParam);
            if (!(StyleOf(window) & LBS_OWNERDRAWFIXED)) MeasureItems(window, state);
            SetTop(window, state, state.top);
            if (lParam) InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            state.focused = message == WM_SETFOCUS;
            InvalidateItem(window, state, std::max(state.selected, 0));
            if (!state.focused) state.tracking = false;
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnButtonDown(window, state, PointFromParam(lParam), message == WM_LBUTTONDBLCLK);
            return 0;
        case WM_MOUSEMOVE: OnDrag(window, state, PointFromParam(lParam)); return 0;
        case WM_LBUTTONUP:
            if (state.tracking && GetCapture() == window) ReleaseCapture();
            state.tracking = false;
            return 0;
        case WM_CAPTURECHANGED: state.tracking = false; return 0;
        case WM_KEYDOWN: OnKey(window, state, wParam); return 0;
        case WM_CHAR: {
            const char typed = static_cast<char>(wParam);
            if (static_cast<unsigned char>(typed) < 0x20) return 0;
            const char text[2] = {typed, '\0'};
            const int found = Find(state, state.selected, text, false);
            if (found >= 0 && found != state.selected) Select(window, state, found, true);
            return 0;
        }
        case WM_VSCROLL:
            if (lParam == 0) OnVerticalScroll(window, state, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            SetTop(window, state,
                   state.top - static_cast<SHORT>(HIWORD(wParam)) / WHEEL_DELTA * kWheelScrollLines);
            return 0;
        default:
            if (message >= LB_ADDSTRING && message <= LB_FINDSTRINGEXACT)
                return OnListMessage(window, state, message, wParam, lParam);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win::detail
