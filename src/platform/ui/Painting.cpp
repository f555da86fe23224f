#include "platform/ui/Painting.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "platform/gdi/DisplayDC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/CaretDrawing.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Placement.h"
#include "platform/ui/Screen.h"
#include "platform/ui/SystemMetrics.h"

namespace win {
namespace detail {
namespace {

// Contexts handed out by GetDC and GetWindowDC (not own contexts), with what they were made for, so
// that they can follow a new screen surface and be released.
struct LentContext {
    HWND window = nullptr;
    POINT origin{};
    Region clip;
};

std::map<HDC, LentContext>& Lent() {
    static std::map<HDC, LentContext> lent;
    return lent;
}

Region Rect(const RECT& r) { return Region(r); }

bool UsesOwnContext(const Window& window) {
    return (window.windowClass->style & (CS_OWNDC | CS_CLASSDC)) != 0;
}

bool ClipsSiblings(const Window& window) { return !window.IsChild() || (window.style & WS_CLIPSIBLINGS); }

// Where a window's contexts draw from, and what they may touch outside painting.
POINT ContextOrigin(const Window& window) { return ClientOrigin(window); }

Region ContextClip(const Window& window) {
    if ((window.windowClass->style & CS_PARENTDC) && window.IsChild() && window.parent != nullptr) {
        return VisibleRegion(*window.parent, false);
    }
    return VisibleRegion(window, false);
}

void Retarget(Window& window) {
    if (window.ownDC == nullptr) return;
    Region clip = ContextClip(window);
    if (window.painting) clip &= window.paintClip;
    RetargetDisplayDC(window.ownDC, ScreenSurface(), ContextOrigin(window), clip);
}

void RetargetOwnContexts(Window& window) {
    Retarget(window);
    for (Window* child : window.children) RetargetOwnContexts(*child);
}

void RetargetAllOwnContexts() {
    for (Window* top : Tree().TopLevelWindows()) RetargetOwnContexts(*top);
}

HDC AcquireContext(Window& window, const Region& clip) {
    if (UsesOwnContext(window)) {
        if (window.ownDC == nullptr) {
            window.ownDC = CreateDisplayDC(ScreenSurface(), ContextOrigin(window), clip);
        } else {
            RetargetDisplayDC(window.ownDC, ScreenSurface(), ContextOrigin(window), clip);
        }
        return window.ownDC;
    }
    HDC dc = CreateDisplayDC(ScreenSurface(), ContextOrigin(window), clip);
    if (dc != nullptr) Lent()[dc] = LentContext{window.handle, ContextOrigin(window), clip};
    return dc;
}

void ReleaseContext(Window* window, HDC dc) {
    if (window != nullptr && dc == window->ownDC) {
        Retarget(*window);
        return;
    }
    auto found = Lent().find(dc);
    if (found == Lent().end()) return;
    Lent().erase(found);
    DestroyDisplayDC(dc);
}

// Gives the window (and, where the area covers them, its children) the screen area to paint again.
void AddUpdate(Window& window, const Region& screenArea, bool erase, bool children) {
    if (!IsVisibleOnScreen(window) || screenArea.IsEmpty()) return;
    const RECT client = ScreenClientRect(window);
    if (!((screenArea & Rect(ScreenRect(window))) - Rect(client)).IsEmpty()) window.frameUpdate = true;
    Region clientPart = screenArea & Rect(client);
    if (clientPart.IsEmpty()) return;
    Region own = clientPart;
    Region covered;
    for (Window* child : window.children) {
        if (!child->IsVisibleFlag()) continue;
        Region part = clientPart & Rect(ScreenRect(*child));
        if (ClipsSiblings(*child)) part -= covered;
        covered |= Rect(ScreenRect(*child));
        if (children && !part.IsEmpty()) AddUpdate(*child, part, erase, true);
    }
    if (window.style & WS_CLIPCHILDREN) own -= covered;
    if (own.IsEmpty()) return;
    own.Offset(-client.left, -client.top);
    window.update |= own;
    if (erase) window.erasePending = true;
}

void SendNonClientPaint(Window& window) {
    window.frameUpdate = false;
    Send(window, WM_NCPAINT, 1, 0);
}

Window* FirstNeedingPaint(Window& window, HWND filter, bool filterMatched) {
    if (!window.IsVisibleFlag()) return nullptr;
    const bool matched = filterMatched || filter == nullptr || window.handle == filter;
    if (matched && NeedsPaint(window)) return &window;
    for (auto it = window.children.rbegin(); it != window.children.rend(); ++it) {
        if (Window* found = FirstNeedingPaint(**it, filter, matched)) return found;
    }
    return nullptr;
}

void PaintNow(Window& window) {
    auto hold = Tree().Hold(window);
    if (window.frameUpdate) SendNonClientPaint(window);
    if (window.alive && !window.update.IsEmpty()) Send(window, WM_PAINT, 0, 0);
    if (!window.alive) return;
    const std::vector<Window*> children = window.children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (Tree().Hold(**it) != nullptr && (*it)->IsVisibleFlag()) PaintNow(**it);
    }
}

LRESULT EraseNow(Window& window, HDC dc) {
    window.erasePending = false;
    return Send(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
}

void CopyPixels(Surface& surface, const Region& destination, int dx, int dy) {
    surface.Flush();
    struct Block {
        RECT rect;
        std::vector<std::uint32_t> pixels;
    };
    std::vector<Block> blocks;
    for (const RECT& r : destination) {
        Block block{r, {}};
        const int width = r.right - r.left;
        block.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(r.bottom - r.top));
        for (LONG y = r.top; y < r.bottom; ++y) {
            const std::uint32_t* source = surface.Row(y - dy) + (r.left - dx);
            std::memcpy(&block.pixels[static_cast<std::size_t>(y - r.top) * width], source,
                        width * sizeof(std::uint32_t));
        }
        blocks.push_back(std::move(block));
    }
    for (const Block& block : blocks) {
        const RECT& r = block.rect;
        const int width = r.right - r.left;
        for (LONG y = r.top; y < r.bottom; ++y) {
            std::memcpy(surface.Row(y) + r.left, &block.pixels[static_cast<std::size_t>(y - r.top) * width],
                        width * sizeof(std::uint32_t));
        }
    }
    surface.MarkDirty();
}

}  // namespace

Region VisibleRegion(const Window& window, bool wholeWindow) {
    if (!IsVisibleOnScreen(window)) return Region();
    // The window's rectangle inside its ancestors' client areas is one rectangle; only the windows
    // it is clipped by that overlap what is left of it are taken out.
    RECT shown = wholeWindow ? ScreenRect(window) : ScreenClientRect(window);
    for (const Window* up = window.parent; up != nullptr; up = up->parent)
        shown = IntersectRects(shown, ScreenClientRect(*up));
    Region visible = Rect(shown);
    const auto takeOut = [&visible, &shown](const Window& other) {
        const RECT covered = ScreenRect(other);
        if (other.IsVisibleFlag() && !IsRectEmpty(IntersectRects(shown, covered))) visible -= Rect(covered);
    };
    for (const Window* level = &window; level->parent != nullptr; level = level->parent) {
        if (!ClipsSiblings(*level)) continue;
        for (const Window* sibling : level->parent->children) {
            if (sibling == level) break;
            takeOut(*sibling);
        }
    }
    if (!wholeWindow && (window.style & WS_CLIPCHILDREN)) {
        for (const Window* child : window.children) takeOut(*child);
    }
    return visible;
}

void ExposeScreenArea(const RECT& area) {
    const SIZE screen = GetScreenSize();
    Region remaining = Rect(area) & Region(0, 0, screen.cx, screen.cy);
    for (Window* top : Tree().TopLevelWindows()) {
        if (remaining.IsEmpty()) break;
        if (!top->IsVisibleFlag()) continue;
        const Region part = remaining & Rect(ScreenRect(*top));
        if (!part.IsEmpty()) AddUpdate(*top, part, true, true);
        remaining -= Rect(ScreenRect(*top));
    }
    if (!remaining.IsEmpty()) {
        // Nothing covers this part: the desktop shows.
        Surface& surface = ScreenSurface();
        const std::uint32_t desktop = PixelFromColor(GetSysColor(COLOR_BACKGROUND));
        surface.Flush();
        for (const RECT& r : remaining) {
            for (LONG y = r.top; y < r.bottom; ++y)
                std::fill(surface.Row(y) + r.left, surface.Row(y) + r.right, desktop);
        }
        surface.MarkDirty();
    }
    RetargetAllOwnContexts();
}

Window* NextWindowToPaint(HWND filter) {
    for (Window* top : Tree().TopLevelWindows()) {
        if (Window* found = FirstNeedingPaint(*top, filter, false)) return found;
    }
    return nullptr;
}

bool NeedsPaint(const Window& window) { return !window.update.IsEmpty() || window.frameUpdate; }

bool PaintNonClientOnly(Window& window) {
    if (!window.update.IsEmpty() || !window.frameUpdate) return false;
    SendNonClientPaint(window);
    return true;
}

void WindowMoved(Window&) { RetargetAllOwnContexts(); }

void ForgetPaint(Window& window) {
    if (window.painting) RestoreCaret();
    window.update = Region();
    window.frameUpdate = false;
    window.erasePending = false;
    if (window.ownDC != nullptr) {
        DestroyDisplayDC(window.ownDC);
        window.ownDC = nullptr;
    }
    for (auto it = Lent().begin(); it != Lent().end();) {
        if (it->second.window == window.handle) {
            DestroyDisplayDC(it->first);
            it = Lent().erase(it);
        } else {
            ++it;
        }
    }
}

void ScreenReplaced() {
    Surface& surface = ScreenSurface();
    for (auto& [dc, lent] : Lent()) RetargetDisplayDC(dc, surface, lent.origin, lent.clip);
    const SIZE screen = GetScreenSize();
    ExposeScreenArea(RECT{0, 0, screen.cx, screen.cy});
}

}  // namespace detail

using namespace detail;

HDC BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || paint == nullptr) return nullptr;
    auto hold = Tree().Hold(*window);
    if (window->frameUpdate) SendNonClientPaint(*window);
    if (!window->alive) return nullptr;
    const RECT client = ScreenClientRect(*window);
    Region update = window->update;
    update.Offset(client.left, client.top);
    window->update = Region();
    const bool erase = window->erasePending;
    window->erasePending = false;
    if (!window->painting) LiftCaretFrom(update);
    window->painting = true;
    window->paintClip = update;
    const Region clip = ContextClip(*window) & update;
    // A window that does not clip its children paints over those it covers: they are drawn again
    // after it, even one that drew itself at once (UpdateWindow) after the window was invalidated.
    if (!(window->style & WS_CLIPCHILDREN)) {
        for (Window* child : window->children) {
            if (child->IsVisibleFlag()) AddUpdate(*child, clip & Rect(ScreenRect(*child)), true, true);
        }
    }
    HDC dc = AcquireContext(*window, clip);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    RECT bounds = update.Bounds();
    if (!update.IsEmpty()) {
        bounds.left -= client.left;
        bounds.right -= client.left;
        bounds.top -= client.top;
        bounds.bottom -= client.top;
    }
    paint->rcPaint = bounds;
    paint->fErase = erase ? (EraseNow(*window, dc) == 0 ? TRUE : FALSE) : FALSE;
    return dc;
}

BOOL EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    Window* window = Tree().Find(handle);
    if (paint == nullptr) return FALSE;
    const bool painting = window != nullptr && window->painting;
    if (window != nullptr) {
        window->painting = false;
        window->paintClip = Region();
    }
    ReleaseContext(window, paint->hdc);
    if (painting) RestoreCaret();
    return TRUE;
}

BOOL InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
    if (handle == nullptr) {
        const SIZE screen = GetScreenSize();
        ExposeScreenArea(RECT{0, 0, screen.cx, screen.cy});
        return TRUE;
    }
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    const RECT client = ScreenClientRect(*window);
    Region area = Rect(client);
    if (rect != nullptr) {
        RECT r = *rect;
        r.left += client.left;
        r.right += client.left;
        r.top += client.top;
        r.bottom += client.top;
        area &= Rect(r);
    }
    AddUpdate(*window, area, erase != FALSE, !(window->style & WS_CLIPCHILDREN));
    return TRUE;
}

BOOL InvalidateRgn(HWND handle, HRGN region, BOOL erase) {
    if (region == nullptr) return InvalidateRect(handle, nullptr, erase);
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    const RECT client = ScreenClientRect(*window);
    Region area = RegionOf(region);
    area.Offset(client.left, client.top);
    area &= Rect(client);
    AddUpdate(*window, area, erase != FALSE, !(window->style & WS_CLIPCHILDREN));
    return TRUE;
}

BOOL ValidateRect(HWND handle, const RECT* rect) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    if (rect == nullptr) {
        window->update = Region();
        window->erasePending = false;
    } else {
        window->update -= Region(*rect);
    }
    return TRUE;
}

BOOL ValidateRgn(HWND handle, HRGN region) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    if (region == nullptr) return ValidateRect(handle, nullptr);
    window->update -= RegionOf(region);
    return TRUE;
}

int GetUpdateRgn(HWND handle, HRGN region, BOOL erase) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || region == nullptr) return 0;
    if (erase && window->erasePending && !window->update.IsEmpty()) {
        const RECT client = ScreenClientRect(*window);
        Region clip = window->update;
        clip.Offset(client.left, client.top);
        HDC dc = AcquireContext(*window, ContextClip(*window) & clip);
        EraseNow(*window, dc);
        ReleaseContext(window, dc);
    }
    HRGN copy = CreateRgnFrom(window->update);
    CombineRgn(region, copy, nullptr, RGN_COPY);
    DeleteObject(copy);
    return RegionKind(window->update);
}

BOOL GetUpdateRect(HWND handle, RECT* rect, BOOL erase) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    if (rect != nullptr) *rect = window->update.Bounds();
    if (erase && window->erasePending && !window->update.IsEmpty()) {
        HRGN scratch = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(handle, scratch, TRUE);
        DeleteObject(scratch);
    }
    return window->update.IsEmpty() ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND handle) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    if (IsVisibleOnScreen(*window)) PaintNow(*window);
    return TRUE;
}

BOOL ScrollWindow(HWND handle, int dx, int dy, const RECT* scrollRect, const RECT* clipRect) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return FALSE;
    if (dx == 0 && dy == 0) return TRUE;
    auto hold = Tree().Hold(*window);
    const RECT client = ScreenClientRect(*window);
    auto toScreen = [&](const RECT& r) {
        return RECT{r.left + client.left, r.top + client.top, r.right + client.left, r.bottom + client.top};
    };
    const Region source = Rect(client) & (scrollRect != nullptr ? Rect(toScreen(*scrollRect)) : Rect(client));
    const Region clip = Rect(client) & (clipRect != nullptr ? Rect(toScreen(*clipRect)) : Rect(client));
    const Region visible = VisibleRegion(*window, false);

    Region moved = source & visible;
    moved.Offset(dx, dy);
    moved &= clip & visible;
    LiftCaretFrom(source | moved);
    if (!moved.IsEmpty()) CopyPixels(ScreenSurface(), moved, dx, dy);
    RestoreCaret();

    // The update region moves with the pixels inside the scroll rectangle.
    Region update = window->update;
    update.Offset(client.left, client.top);
    Region carried = update & source;
    carried.Offset(dx, dy);
    update = (update - source) | (carried & clip);
    update.Offset(-client.left, -client.top);
    window->update = update;

    AddUpdate(*window, (source & clip) - moved, true, false);
    if (scrollRect == nullptr) {
        const std::vector<Window*> children = window->children;
        for (Window* child : children) {
            if (Tree().Hold(*child) == nullptr) continue;
            SetWindowPosition(*child, nullptr, child->rect.left + dx, child->rect.top + dy, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return TRUE;
}

HDC GetDC(HWND handle) {
    if (handle == nullptr) {
        const SIZE screen = GetScreenSize();
        const Region all(0, 0, screen.cx, screen.cy);
        HDC dc = CreateDisplayDC(ScreenSurface(), POINT{0, 0}, all);
        if (dc != nullptr) Lent()[dc] = LentContext{nullptr, POINT{0, 0}, all};
        return dc;
    }
    Window* window = Tree().Find(handle);
    if (window == nullptr) return nullptr;
    return AcquireContext(*window, ContextClip(*window));
}

HDC GetWindowDC(HWND handle) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return GetDC(handle);
    const POINT origin = WindowOrigin(*window);
    const Region clip = VisibleRegion(*window, true);
    HDC dc = CreateDisplayDC(ScreenSurface(), origin, clip);
    if (dc != nullptr) Lent()[dc] = LentContext{window->handle, origin, clip};
    return dc;
}

int ReleaseDC(HWND handle, HDC dc) {
    Window* window = Tree().Find(handle);
    if (window != nullptr && dc == window->ownDC) return 1;
    if (Lent().find(dc) == Lent().end()) return 0;
    ReleaseContext(window, dc);
    return 1;
}

}  // namespace win
