#include "framework/PaletteCaption.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SystemColors.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Rects.h"
#include "platform/ui/Styles.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr BYTE kScalableFont = 0x02 | 0x04;  // a vector or TrueType face

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The window's whole context, for the length of a scope.
class FrameDC {
public:
    explicit FrameDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~FrameDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    FrameDC(const FrameDC&) = delete;
    FrameDC& operator=(const FrameDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

void Fill(HDC dc, const RECT& r, COLORREF color) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// A solid triangle of `rows` rows whose widest row is 2 * rows - 1 pixels, centred on x, its tip
// at y pointing up, or its base at y pointing down.
void Triangle(HDC dc, int x, int y, int rows, bool up) {
    for (int row = 0; row < rows; ++row) {
        const int half = up ? row : rows - 1 - row;
        Fill(dc, RECT{x - half, y + row, x + half + 1, y + row + 1}, kBlack);
    }
}

void DrawCloseBox(HDC dc, const PaletteCaptionLayout& layout, bool pressed) {
    RECT box = layout.closeBox;
    if (IsRectEmpty(&box)) return;
    Fill(dc, box, GetNearestColor(dc, kLightGrey));
    // The line on the side towards the title.
    const RECT line = layout.alongLeft ? RECT{box.left, box.bottom - 1, box.right, box.bottom}
                                       : RECT{box.right - 1, box.top, box.right, box.bottom};
    Fill(dc, line, GetSysColor(COLOR_WINDOWFRAME));
    if (layout.thickness > 4) {
        // A shadowed bar: dark grey, and over it, a pixel up and left, a white bar framed in black.
        const int top = box.top + (layout.thickness - 3) / 2;
        const RECT shadow{box.left + 3, top, box.right - 1, top + 3};
        Fill(dc, shadow, kDarkGrey);
        RECT bar = shadow;
        OffsetRect(&bar, -1, -1);
        Fill(dc, bar, kWhite);
        const HBRUSH black = CreateSolidBrush(kBlack);
        FrameRect(dc, &bar, black);
        DeleteObject(black);
    }
    if (pressed) InvertRect(dc, &box);
}

void DrawSizeBox(HDC dc, const PaletteCaptionLayout& layout, const RECT& box, bool maximize, bool restores,
                 bool pressed) {
    if (IsRectEmpty(&box)) return;
    // The line on the side towards the title, then the face.
    const RECT line = layout.alongLeft ? RECT{box.left, box.top, box.right, box.top + 1}
                                       : RECT{box.left, box.top, box.left + 1, box.bottom};
    Fill(dc, line, GetSysColor(COLOR_WINDOWFRAME));
    RECT face = box;
    if (layout.alongLeft) {
        face.top += 1;
    } else {
        face.left += 1;
    }
    Fill(dc, face, kLightGrey);
    const int bevel = layout.thickness < 20 ? 1 : 2;
    if (pressed) {
        Fill(dc, RECT{face.left, face.top, face.right, face.top + bevel}, kDarkGrey);
        Fill(dc, RECT{face.left, face.top, face.left + bevel, face.bottom}, kDarkGrey);
    } else {
        const int dark = layout.thickness > 20 ? 2 : 1;
        Fill(dc, RECT{face.left, face.top, face.right, face.top + bevel}, kWhite);
        Fill(dc, RECT{face.left, face.top, face.left + bevel, face.bottom}, kWhite);
        Fill(dc, RECT{face.left, face.bottom - dark, face.right, face.bottom}, kDarkGrey);
        Fill(dc, RECT{face.right - dark, face.top, face.right, face.bottom}, kDarkGrey);
    }
    // A black arrow half the box wide; pressed, it moves down and right by twice the bevel.
    const int shift = pressed ? 2 * bevel : 0;
    const int rows = std::max(1, (Width(face) / 2 + 1) / 2);
    const int x = face.left + Width(face) / 2 + shift;
    const int middle = face.top + Height(face) / 2 + shift;
    if (restores) {
        const int small = std::max(1, rows - 1);
        Triangle(dc, x, middle - small - 1, small, true);
        Triangle(dc, x, middle + 1, small, false);
    } else {
        Triangle(dc, x, middle - rows / 2, rows, maximize);
    }
}

void DrawBox(HWND window, HDC dc, const PaletteCaptionLayout& layout, int hit, bool pressed) {
    switch (hit) {
        case HTSYSMENU: DrawCloseBox(dc, layout, pressed); break;
        case HTMINBUTTON: DrawSizeBox(dc, layout, layout.minimizeBox, false, false, pressed); break;
        case HTMAXBUTTON:
            DrawSizeBox(dc, layout, layout.maximizeBox, true, IsZoomed(window) != FALSE, pressed);
            break;
        default: break;
    }
}

void DrawTitle(HWND window, HDC dc, const PaletteCaptionLayout& layout, COLORREF color) {
    char text[256] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    const RECT& area = layout.title;
    if (length <= 0 || IsRectEmpty(&area)) return;
    const LOGFONTA font = PaletteCaptionFont(layout.thickness, layout.alongLeft);
    const HFONT handle = CreateFontIndirectA(&font);
    const HGDIOBJ previous = SelectObject(dc, handle);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, length, &size);
    if (!layout.alongLeft) {
        const int x = std::max<int>(area.left, area.left + (Width(area) - size.cx) / 2);
        ExtTextOutA(dc, x, 0, ETO_CLIPPED, &area, text, static_cast<UINT>(length), nullptr);
    } else {
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        // Upright, reading from the bottom up, centred in the strip.
        if (metrics.tmPitchAndFamily & kScalableFont) {
            const int x = layout.strip.left + (layout.thickness - metrics.tmHeight) / 2;
            const int y = area.bottom - std::max<int>(0, (Height(area) - size.cx) / 2);
            ExtTextOutA(dc, x, y, ETO_CLIPPED, &area, text, static_cast<UINT>(length), nullptr);
        }
    }
    SelectObject(dc, previous);
    DeleteObject(handle);
}

}  // namespace

bool HasOwnCaption(DWORD style) { return (style & (kPaletteCaptionTop | kPaletteCaptionLeft)) != 0; }

int DefaultPaletteCaptionThickness() { return GetSystemMetrics(SM_CYCAPTION) / 2 + 3; }

int PaletteCaptionThickness(HWND window) {
    const auto stored = reinterpret_cast<std::intptr_t>(GetPropA(window, kFloatSizeProperty));
    return stored > 0 ? static_cast<int>(stored) : DefaultPaletteCaptionThickness();
}

SIZE PaletteFrameSize(DWORD style) {
    if (style & WS_THICKFRAME) return SIZE{GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME)};
    if (style & kPaletteDialogFrame) {
        return SIZE{GetSystemMetrics(SM_CXDLGFRAME) + GetSystemMetrics(SM_CXBORDER),
                    GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYBORDER)};
    }
    if (style & WS_BORDER) return SIZE{GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)};
    return SIZE{0, 0};
}

PaletteCaptionLayout LayoutPaletteCaption(HWND window) {
    PaletteCaptionLayout layout;
    const DWORD style = StyleOf(window);
    if (!HasOwnCaption(style)) return layout;
    RECT frame{};
    GetWindowRect(window, &frame);
    const SIZE edge = PaletteFrameSize(style);
    const RECT inside{edge.cx, edge.cy, Width(frame) - edge.cx, Height(frame) - edge.cy};
    const int t = PaletteCaptionThickness(window);
    layout.thickness = t;
    layout.alongLeft = (style & kPaletteCaptionLeft) != 0;
    const bool close = (style & WS_SYSMENU) != 0;
    const bool maximize = (style & WS_MAXIMIZEBOX) != 0;
    const bool minimize = (style & WS_MINIMIZEBOX) != 0;
    // Squares along the strip: the close box at its start, the maximise box last, the minimise box
    // before it; the title between.
    if (layout.alongLeft) {
        layout.strip = RECT{inside.left, inside.top, inside.left + t, inside.bottom};
        auto square = [&](int top) { return RECT{inside.left, top, inside.left + t, top + t}; };
        int end = inside.bottom;
        if (maximize) layout.maximizeBox = square(end -= t);
        if (minimize) layout.minimizeBox = square(end -= t);
        const int start = close ? inside.top + t : inside.top;
        if (close) layout.closeBox = square(inside.top);
        layout.title = RECT{inside.left, start, inside.left + t, std::max(start, end)};
    } else {
        layout.strip = RECT{inside.left, inside.top, inside.right, inside.top + t};
        auto square = [&](int left) { return RECT{left, inside.top, left + t, inside.top + t}; };
        int end = inside.right;
        if (maximize) layout.maximizeBox = square(end -= t);
        if (minimize) layout.minimizeBox = square(end -= t);
        const int start = close ? inside.left + t : inside.left;
        if (close) layout.closeBox = square(inside.left);
        layout.title = RECT{start, inside.top, std::max(start, end), inside.top + t};
    }
    return layout;
}

int PaletteCaptionHitTest(HWND window, POINT screenPoint) {
    const PaletteCaptionLayout layout = LayoutPaletteCaption(window);
    RECT frame{};
    GetWindowRect(window, &frame);
    const POINT p{screenPoint.x - frame.left, screenPoint.y - frame.top};
    if (!PtInRect(&layout.strip, p)) return HTNOWHERE;
    if (PtInRect(&layout.closeBox, p)) return HTSYSMENU;
    if (PtInRect(&layout.minimizeBox, p)) return HTMINBUTTON;
    if (PtInRect(&layout.maximizeBox, p)) return HTMAXBUTTON;
    return HTCAPTION;
}

LOGFONTA PaletteCaptionFont(int thickness, bool alongLeft) {
    LOGFONTA font;
    font.lfHeight = -(thickness - 2);
    font.lfWeight = thickness >= 20 ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    font.lfClipPrecision = 0x12;
    std::strncpy(font.lfFaceName, "Arial", sizeof font.lfFaceName - 1);
    if (alongLeft) {
        font.lfEscapement = 900;
        font.lfOrientation = 900;
        font.lfPitchAndFamily = 0x24;
    }
    return font;
}

void DrawPaletteCaption(HWND window, bool active) {
    const PaletteCaptionLayout layout = LayoutPaletteCaption(window);
    if (IsRectEmpty(&layout.strip) || !IsWindowVisible(window)) return;
    const FrameDC dc(window);
    if (!dc.Get()) return;
    const RECT& strip = layout.strip;
    // The line along the strip's inner edge, then the title area above (or beside) it.
    const RECT line = layout.alongLeft ? RECT{strip.right - 1, strip.top, strip.right, strip.bottom}
                                       : RECT{strip.left, strip.bottom - 1, strip.right, strip.bottom};
    Fill(dc.Get(), line, GetSysColor(COLOR_WINDOWFRAME));
    RECT area = layout.title;
    if (layout.alongLeft) {
        area.right -= 1;
    } else {
        area.bottom -= 1;
    }
    Fill(dc.Get(), area, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    PaletteCaptionLayout titled = layout;
    titled.title = area;
    DrawTitle(window, dc.Get(), titled, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    for (const int hit : {HTSYSMENU, HTMINBUTTON, HTMAXBUTTON}) DrawBox(window, dc.Get(), layout, hit, false);
}

void DrawPaletteBox(HWND window, int hit, bool pressed) {
    if (!IsWindowVisible(window)) return;
    const FrameDC dc(window);
    if (dc.Get()) DrawBox(window, dc.Get(), LayoutPaletteCaption(window), hit, pressed);
}

bool TrackPaletteBox(HWND window, int hit) {
    const PaletteCaptionLayout layout = LayoutPaletteCaption(window);
    RECT box = hit == HTMINBUTTON ? layout.minimizeBox : layout.maximizeBox;
    if (IsRectEmpty(&box)) return false;
    RECT frame{};
    GetWindowRect(window, &frame);
    OffsetRect(&box, frame.left, frame.top);
    bool inside = true;
    bool shownPressed = true;
    DrawPaletteBox(window, hit, true);
    SetCapture(window);
    while (GetCapture() == window) {
        MSG message;
        if (!PeekMessageA(&message, window, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        inside = PtInRect(&box, message.pt) != FALSE;
        if (inside != shownPressed) {
            DrawPaletteBox(window, hit, inside);
            shownPressed = inside;
        }
        if (message.message == WM_LBUTTONUP) break;
    }
    const bool released = GetCapture() == window;
    if (released) ReleaseCapture();
    if (shownPressed && IsWindow(window)) DrawPaletteBox(window, hit, false);
    return released && inside;
}

bool OpenCloseBoxMenu(HWND window) {
    const DWORD style = StyleOf(window);
    if (!(style & WS_SYSMENU)) return false;
    const PaletteCaptionLayout layout = LayoutPaletteCaption(window);
    DrawPaletteBox(window, HTSYSMENU, true);
    const HMENU menu = GetSystemMenu(window, FALSE);
    const bool maximized = IsZoomed(window) != FALSE;
    const bool minimized = IsIconic(window) != FALSE;
    const bool normal = !maximized && !minimized;
    auto allow = [menu](UINT command, bool enabled) {
        EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    };
    allow(SC_MOVE, normal && (style & (kPaletteCaptionTop | kPaletteCaptionLeft | WS_CAPTION)) != 0);
    allow(SC_SIZE, normal && (style & WS_THICKFRAME) != 0);
    allow(SC_MINIMIZE, (style & WS_MINIMIZEBOX) != 0);
    allow(SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) != 0 || minimized);
    allow(SC_RESTORE, maximized);
    // Below the box along a top caption, beside it along a left one.
    RECT frame{};
    GetWindowRect(window, &frame);
    const RECT& box = layout.closeBox;
    const POINT at = layout.alongLeft ? POINT{frame.left + box.right, frame.top + box.top}
                                      : POINT{frame.left + box.left, frame.top + box.bottom};
    const BOOL shown = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, window, nullptr);
    if (IsWindow(window)) DrawPaletteBox(window, HTSYSMENU, false);
    return shown != FALSE;
}
