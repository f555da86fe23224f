#include "platform/ui/Caret.h"

#include <algorithm>

#include "platform/gdi/DisplayDC.h"
#include "platform/gdi/Drawing.h"
#include "platform/ui/CaretDrawing.h"
#include "platform/ui/Painting.h"
#include "platform/ui/Rects.h"
#include "platform/ui/Screen.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"

namespace win {
namespace detail {
namespace {

// The blink timer runs on the owner under an id no program uses, with its own procedure.
constexpr UINT_PTR kBlinkTimer = 0xCA2E7;

struct CaretState {
    HWND owner = nullptr;
    POINT position{};
    SIZE size{};
    int hidden = 0;       // ShowCaret undoes one HideCaret
    bool blinkOn = true;  // the blink's half in which the caret shows
    int lifted = 0;       // drawing is under way somewhere over the caret
    bool drawn = false;   // its pixels are inverted on the screen now
    RECT drawnRect{};     // where, on the screen
};

CaretState& Caret() {
    static CaretState caret;
    return caret;
}

// The caret's rectangle on the screen now, and the part of it that shows.
RECT ScreenRectNow(const Window& owner) {
    const POINT origin = ClientOrigin(owner);
    const CaretState& caret = Caret();
    return RECT{origin.x + caret.position.x, origin.y + caret.position.y,
                origin.x + caret.position.x + caret.size.cx, origin.y + caret.position.y + caret.size.cy};
}

void Invert(const Window& owner, const RECT& screenRect) {
    const Region clip = VisibleRegion(owner, false) & Region(screenRect);
    if (clip.IsEmpty()) return;
    HDC dc = CreateDisplayDC(ScreenSurface(), POINT{0, 0}, clip);
    if (dc == nullptr) return;
    InvertRect(dc, &screenRect);
    DestroyDisplayDC(dc);
}

void Erase() {
    CaretState& caret = Caret();
    if (!caret.drawn) return;
    caret.drawn = false;
    if (Window* owner = Tree().Find(caret.owner)) Invert(*owner, caret.drawnRect);
}

// Draws or erases the caret as its state says.
void Update() {
    CaretState& caret = Caret();
    Window* owner = Tree().Find(caret.owner);
    const bool show = owner != nullptr && caret.hidden == 0 && caret.blinkOn && caret.lifted == 0 &&
                      IsVisibleOnScreen(*owner);
    const RECT now = owner != nullptr ? ScreenRectNow(*owner) : RECT{};
    if (caret.drawn && (!show || !EqualRect(&caret.drawnRect, &now))) Erase();
    if (!show || caret.drawn) return;
    Invert(*owner, now);
    caret.drawn = true;
    caret.drawnRect = now;
}

void Blink(HWND, UINT, UINT_PTR, DWORD) {
    Caret().blinkOn = !Caret().blinkOn;
    Update();
}

// Starts the blink over in its visible half, when the caret is shown.
void RestartBlink() {
    CaretState& caret = Caret();
    caret.blinkOn = true;
    if (caret.hidden == 0) SetTimer(caret.owner, kBlinkTimer, GetCaretBlinkTime(), Blink);
}

bool OwnsCaret(HWND window) {
    const HWND owner = Caret().owner;
    return owner != nullptr && (window == nullptr || window == owner);
}

}  // namespace

void LiftCaretFrom(const Region& screenArea) {
    CaretState& caret = Caret();
    ++caret.lifted;
    if (caret.drawn && screenArea.Intersects(caret.drawnRect)) Erase();
}

void RestoreCaret() {
    CaretState& caret = Caret();
    caret.lifted = std::max(0, caret.lifted - 1);
    if (caret.lifted == 0 && caret.owner != nullptr) Update();
}

void ForgetCaretOf(HWND window) {
    if (Caret().owner != window) return;
    Erase();
    Caret() = CaretState{};
}

}  // namespace detail

using namespace detail;

BOOL CreateCaret(HWND window, HBITMAP, int width, int height) {
    if (Tree().Find(window) == nullptr) return FALSE;
    DestroyCaret();
    CaretState& caret = Caret();
    caret.owner = window;
    caret.size = SIZE{width > 0 ? width : GetSystemMetrics(SM_CXBORDER),
                      height > 0 ? height : GetSystemMetrics(SM_CYBORDER)};
    caret.hidden = 1;
    return TRUE;
}

BOOL DestroyCaret() {
    CaretState& caret = Caret();
    if (caret.owner == nullptr) return FALSE;
    Erase();
    KillTimer(caret.owner, kBlinkTimer);
    const int lifted = caret.lifted;
    caret = CaretState{};
    caret.lifted = lifted;
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    CaretState& caret = Caret();
    if (caret.owner == nullptr) return FALSE;
    if (caret.position.x == x && caret.position.y == y) return TRUE;
    caret.position = POINT{x, y};
    RestartBlink();
    Update();
    return TRUE;
}

BOOL GetCaretPos(POINT* point) {
    if (point == nullptr || Caret().owner == nullptr) return FALSE;
    *point = Caret().position;
    return TRUE;
}

BOOL ShowCaret(HWND window) {
    CaretState& caret = Caret();
    if (!OwnsCaret(window) || caret.hidden == 0) return FALSE;
    if (--caret.hidden == 0) {
        RestartBlink();
        Update();
    }
    return TRUE;
}

BOOL HideCaret(HWND window) {
    CaretState& caret = Caret();
    if (!OwnsCaret(window)) return FALSE;
    if (caret.hidden++ == 0) {
        KillTimer(caret.owner, kBlinkTimer);
        Update();
    }
    return TRUE;
}

}  // namespace win
