#include "platform/ui/NonClientPaint.h"

#include <algorithm>

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/DisplayDC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Bevels.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Painting.h"
#include "platform/ui/Rects.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBarEngine.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

// A context over the whole window rectangle that may touch only the non-client area.
class FrameContext {
public:
    // No context (and so no drawing) for a frame none of which shows: a window made off the screen,
    // or one its parent or siblings hide.
    explicit FrameContext(const Window& window) {
        Region clip = VisibleRegion(window, true) - Region(ScreenClientRect(window));
        if (!clip.IsEmpty()) dc_ = CreateDisplayDC(ScreenSurface(), WindowOrigin(window), clip);
    }
    ~FrameContext() { DestroyDisplayDC(dc_); }
    FrameContext(const FrameContext&) = delete;
    FrameContext& operator=(const FrameContext&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_ = nullptr;
};

void Frame(HDC dc, RECT r, int colorIndex) { FrameRect(dc, &r, GetSysColorBrush(colorIndex)); }

// A raised (or, pressed, sunken) bevel of one pixel around a button face.
void Bevel(HDC dc, RECT r, bool pressed) {
    FillSysColor(dc, r, COLOR_BTNFACE);
    DrawEdgeLines(dc, r, pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT,
                  pressed ? COLOR_BTNFACE : COLOR_3DDKSHADOW);
    RECT inside = r;
    InflateRect(&inside, -1, -1);
    // Only the inner line below and right shows: the one above and left is the face's own colour.
    DrawEdgeLines(dc, inside, COLOR_BTNFACE, pressed ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
}

// A filled triangle of `size` rows centred at (cx, cy), pointing up or down.
void Triangle(HDC dc, int cx, int cy, int size, bool up) {
    for (int row = 0; row < size; ++row) {
        const int half = up ? row : size - 1 - row;
        const int y = cy - size / 2 + row;
        FillSysColor(dc, RECT{cx - half, y, cx + half + 1, y + 1}, COLOR_BTNTEXT);
    }
}

void DrawButton(const Window& window, HDC dc, int hit, bool pressed) {
    const CaptionLayout caption = LayoutCaption(window);
    const RECT r = hit == HTSYSMENU     ? caption.systemMenu
                   : hit == HTCLOSE     ? caption.closeButton
                   : hit == HTMAXBUTTON ? caption.maximizeButton
                                        : caption.minimizeButton;
    // A button that would restore the window shows both arrows.
    const bool restores = hit == HTMAXBUTTON ? window.IsMaximized() : window.IsMinimized();
    if (!IsRectEmpty(r)) DrawCaptionButtonFace(dc, r, hit, pressed, restores);
}

void DrawTitle(const Window& window, HDC dc, const CaptionLayout& caption) {
    RECT area = caption.bar;
    if (!IsRectEmpty(caption.systemMenu)) area.left = caption.systemMenu.right + 2;
    for (const RECT& button : {caption.minimizeButton, caption.maximizeButton, caption.closeButton}) {
        if (!IsRectEmpty(button)) area.right = std::min(area.right, button.left - 2);
    }
    if (area.right <= area.left || window.text.empty()) return;
    LOGFONTA font;
    font.lfHeight = -11;
    font.lfWeight = FW_BOLD;
    std::copy_n("Arial", 6, font.lfFaceName);
    HFONT handle = CreateFontIndirectA(&font);
    HGDIOBJ previous = SelectObject(dc, handle);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(window.captionActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    DrawTextA(dc, window.text.c_str(), static_cast<int>(window.text.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(handle);
}

void DrawFrame(const Window& window, HDC dc) {
    const RECT whole{0, 0, window.rect.right - window.rect.left, window.rect.bottom - window.rect.top};
    const int thickness = FrameThickness(window.style, window.exStyle);
    if (thickness > 0) {
        const bool sizing = (window.style & WS_THICKFRAME) != 0;
        const int fill =
            sizing ? (window.captionActive ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_BTNFACE;
        RECT inner = whole;
        InflateRect(&inner, -thickness, -thickness);
        FillSysColor(dc, RECT{whole.left, whole.top, whole.right, inner.top}, fill);
        FillSysColor(dc, RECT{whole.left, inner.bottom, whole.right, whole.bottom}, fill);
        FillSysColor(dc, RECT{whole.left, inner.top, inner.left, inner.bottom}, fill);
        FillSysColor(dc, RECT{inner.right, inner.top, whole.right, inner.bottom}, fill);
        Frame(dc, whole, COLOR_WINDOWFRAME);
        if (sizing) {
            RECT line = inner;
            InflateRect(&line, 1, 1);
            Frame(dc, line, COLOR_WINDOWFRAME);
        }
    }
    const CaptionLayout caption = LayoutCaption(window);
    if (!IsRectEmpty(caption.bar)) {
        FillSysColor(dc, caption.bar, window.captionActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        FillSysColor(dc,
                     RECT{caption.bar.left, caption.bar.bottom, caption.bar.right, caption.bar.bottom + 1},
                     COLOR_WINDOWFRAME);
        DrawTitle(window, dc, caption);
        for (int hit : {HTSYSMENU, HTMINBUTTON, HTMAXBUTTON, HTCLOSE}) DrawButton(window, dc, hit, false);
    }
    const RECT menu = MenuBarRect(window);
    if (!IsRectEmpty(menu)) DrawMenuBarContents(window, dc, menu);
    if (window.IsMinimized()) return;
    // The scroll bars and the sunken client edge.
    const RECT client = ScreenClientRect(window);
    const POINT origin = WindowOrigin(window);
    RECT inside{client.left - origin.x, client.top - origin.y, client.right - origin.x,
                client.bottom - origin.y};
    const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int scrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    if (window.style & WS_VSCROLL)
        DrawWindowScrollBar(window, dc, SB_VERT,
                            RECT{inside.right, inside.top, inside.right + scrollWidth, inside.bottom});
    if (window.style & WS_HSCROLL)
        DrawWindowScrollBar(window, dc, SB_HORZ,
                            RECT{inside.left, inside.bottom, inside.right, inside.bottom + scrollHeight});
    if ((window.style & WS_VSCROLL) && (window.style & WS_HSCROLL)) {
        FillSysColor(
            dc, RECT{inside.right, inside.bottom, inside.right + scrollWidth, inside.bottom + scrollHeight},
            COLOR_BTNFACE);
    }
    if (window.exStyle & WS_EX_CLIENTEDGE) {
        if (window.style & WS_VSCROLL) inside.right += scrollWidth;
        if (window.style & WS_HSCROLL) inside.bottom += scrollHeight;
        const int edge = GetSystemMetrics(SM_CXEDGE);
        RECT outer = inside;
        InflateRect(&outer, edge, edge);
        DrawSunkenEdge(dc, outer);
    }
}

}  // namespace

void DrawCaptionButtonFace(HDC dc, const RECT& r, int hit, bool pressed, bool restores) {
    const int shift = pressed ? 1 : 0;
    const int cx = (r.left + r.right) / 2 + shift;
    const int cy = (r.top + r.bottom) / 2 + shift;
    Bevel(dc, r, pressed);
    switch (hit) {
        case HTSYSMENU:
            FillSysColor(dc, RECT{r.left + 3 + shift, cy - 1, r.right - 3 + shift, cy + 2}, COLOR_BTNSHADOW);
            FillSysColor(dc, RECT{r.left + 3 + shift, cy - 1, r.right - 4 + shift, cy + 1},
                         COLOR_BTNHIGHLIGHT);
            Frame(dc, RECT{r.left + 2 + shift, cy - 2, r.right - 3 + shift, cy + 2}, COLOR_BTNTEXT);
            break;
        case HTCLOSE:
            for (int i = -3; i <= 3; ++i) {
                FillSysColor(dc, RECT{cx + i - 1, cy + i, cx + i + 1, cy + i + 1}, COLOR_BTNTEXT);
                FillSysColor(dc, RECT{cx - i - 1, cy + i, cx - i + 1, cy + i + 1}, COLOR_BTNTEXT);
            }
            break;
        default:
            if (restores) {
                Triangle(dc, cx, cy - 3, 4, true);
                Triangle(dc, cx, cy + 3, 4, false);
            } else {
                Triangle(dc, cx, cy, 5, hit == HTMAXBUTTON);
            }
            break;
    }
}

void DrawNonClient(Window& window) {
    if (!IsVisibleOnScreen(window)) return;
    FrameContext context(window);
    if (context.dc() != nullptr) DrawFrame(window, context.dc());
}

void DrawCaptionButton(Window& window, int hitCode, bool pressed) {
    if (!IsVisibleOnScreen(window)) return;
    FrameContext context(window);
    if (context.dc() != nullptr) DrawButton(window, context.dc(), hitCode, pressed);
}

}  // namespace win::detail
