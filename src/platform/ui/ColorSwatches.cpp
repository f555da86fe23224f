// The swatch grids: drawing, the selection, keys and the mouse.

#include "platform/ui/ColorSwatches.h"

#include <algorithm>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/Bevels.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/DialogCodes.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace win::detail {
namespace {

struct SwatchState {
    SwatchGrid grid;
    int selected = -1;
    bool focused = false;
};

int Rows(const SwatchGrid& grid) { return (grid.count + grid.columns - 1) / grid.columns; }

SIZE CellSize(HWND window, const SwatchGrid& grid) {
    RECT client;
    GetClientRect(window, &client);
    return SIZE{client.right / std::max(1, grid.columns), client.bottom / std::max(1, Rows(grid))};
}

RECT CellRect(HWND window, const SwatchGrid& grid, int index) {
    const SIZE cell = CellSize(window, grid);
    const int x = index % grid.columns * cell.cx, y = index / grid.columns * cell.cy;
    return RECT{x, y, x + cell.cx, y + cell.cy};
}

void Paint(HWND window, HDC dc, const SwatchState& state) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    for (int i = 0; i < state.grid.count; ++i) {
        RECT swatch = CellRect(window, state.grid, i);
        if (i == state.selected) FrameRect(dc, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
        InflateRect(&swatch, -3, -3);
        DrawEdgeLines(dc, swatch, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);  // sunken
        InflateRect(&swatch, -1, -1);
        HBRUSH brush = CreateSolidBrush(state.grid.colors[i]);
        FillRect(dc, &swatch, brush);
        DeleteObject(brush);
    }
    if (state.focused && state.grid.count > 0) {
        RECT focus = CellRect(window, state.grid, std::max(state.selected, 0));
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}

void Select(HWND window, SwatchState& state, int index, bool byUser) {
    if (index < -1 || index >= state.grid.count) return;
    if (index != state.selected) {
        state.selected = index;
        InvalidateRect(window, nullptr, TRUE);
    }
    if (byUser) NotifyParent(window, kSwatchPicked);
}

void OnKey(HWND window, SwatchState& state, WPARAM key) {
    const int at = std::max(state.selected, 0), columns = state.grid.columns;
    int to = at;
    switch (key) {
        case VK_LEFT: to = at - 1; break;
        case VK_RIGHT: to = at + 1; break;
        case VK_UP: to = at - columns; break;
        case VK_DOWN: to = at + columns; break;
        case VK_HOME: to = 0; break;
        case VK_END: to = state.grid.count - 1; break;
        default: return;
    }
    if (to >= 0 && to < state.grid.count) Select(window, state, to, true);
}

}  // namespace

LRESULT ColorSwatchesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<SwatchState> state = ControlStateFor<SwatchState>(window, message);
    if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_ERASEBKGND: return TRUE;
        case WM_PAINT: PaintControl(window, [&](HDC dc) { Paint(window, dc, *state); }); return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            state->focused = message == WM_SETFOCUS;
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_KEYDOWN: OnKey(window, *state, wParam); return 0;
        case WM_LBUTTONDOWN: {
            SetFocus(window);
            const POINT at = PointFromParam(lParam);
            const SIZE cell = CellSize(window, state->grid);
            if (cell.cx <= 0 || cell.cy <= 0 || at.x < 0 || at.y < 0) return 0;
            const int column = at.x / cell.cx, row = at.y / cell.cy;
            if (column < state->grid.columns)
                Select(window, *state, row * state->grid.columns + column, true);
            return 0;
        }
        case kSwatchSetGrid:
            state->grid = *reinterpret_cast<const SwatchGrid*>(lParam);
            state->selected = -1;
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case kSwatchSelect: Select(window, *state, static_cast<int>(wParam), false); return 0;
        case kSwatchGetSelection: return state->selected;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win::detail
