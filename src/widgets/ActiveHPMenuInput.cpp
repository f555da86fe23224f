// What an open hierarchical popup menu does with the mouse, its timer and the keys.

#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"
#include "widgets/ActiveHPMenu.h"

using namespace win;

namespace {

POINT ScreenPointOf(HWND window, LPARAM lParam) {
    POINT point{static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lParam)))};
    ClientToScreen(window, &point);
    return point;
}

}  // namespace

LRESULT TActiveHPMenu::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP: OnMouse(window, message, lParam); return 0;
        case WM_TIMER:
            if (wParam == kHPMenuTimerId) OnTimer();
            return 0;
        case WM_PAINT:
            if (TActiveHPMenuWindow* level = FindWindow(window)) {
                level->Paint();
                return 0;
            }
            break;
        case WM_KEYDOWN:
            if (IsCharacterKey(message, static_cast<UINT>(wParam), lParam)) break;
            HandleKey(KeyEvent(window, message, wParam, lParam));
            return 0;
        case WM_CHAR: HandleKey(KeyEvent(window, message, wParam, lParam)); return 0;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TActiveHPMenu::Hit TActiveHPMenu::HitTest(POINT screen) const {
    Hit hit;
    for (std::int16_t level = depth_; level >= 0; --level) {
        TActiveHPMenuWindow* window = stack_[static_cast<std::size_t>(level)];
        RECT bounds{};
        GetWindowRect(window->GetHWnd(), &bounds);
        if (screen.x < bounds.left || screen.x >= bounds.right || screen.y < bounds.top ||
            screen.y >= bounds.bottom)
            continue;
        POINT client = screen;
        ScreenToClient(window->GetHWnd(), &client);
        hit = Hit{window, window->RowAt(client.y)};
        // A window under a preview panel wins over it.
        if (!window->IsPreview()) return hit;
    }
    return hit;
}

// --- The mouse and the timer

void TActiveHPMenu::MouseMoved(const Hit& hit) {
    if (!hit.window || hit.row < 0) {
        if (!keyboardMode_ && Top()) Top()->SetHighlight(-1);
        if (!keyboardMode_) hotRow_ = -1;
        return;
    }
    if (hit.window == hotWindow_ && hit.row == hotRow_) return;
    keyboardMode_ = 0;
    hotWindow_ = hit.window;
    hotRow_ = hit.row;
    hotTime_ = TickCount();
    HighlightPath(hit.window, hit.row);
}

void TActiveHPMenu::OnMouse(HWND window, UINT message, LPARAM lParam) {
    const Hit hit = HitTest(ScreenPointOf(window, lParam));
    if (message == WM_MOUSEMOVE) {
        MouseMoved(hit);
        return;
    }
    keyboardMode_ = 0;
    if (message != WM_LBUTTONUP) {
        pressedSinceOpening_ = true;
        if (!hit.window) {
            done_ = 1;
        } else {
            MouseMoved(hit);
        }
        return;
    }
    const bool shift = IsShiftKeyDown(1);
    if (!firstReleaseSeen_ && !pressedSinceOpening_ && hit.window && hit.window == openingHit_.window &&
        hit.row == openingHit_.row) {
        firstReleaseSeen_ = 1;
        return;
    }
    if (hit.window && hit.row >= 0) {
        Pick(hit.window, hit.row, shift);
        return;
    }
    if (hit.window) return;
    // The release of the press that opened the menu is passed over.
    if (!shift || !KeepsOpen()) {
        if (firstReleaseSeen_) {
            done_ = 1;
        } else {
            firstReleaseSeen_ = 1;
        }
    }
}

void TActiveHPMenu::OnTimer() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const Hit hit = HitTest(cursor);
    if (!hit.window || hit.window != hotWindow_ || hit.row != hotRow_ || hit.row < 0 || keyboardMode_) return;
    if (hit.row == hit.window->GetOpenRow()) return;
    if (hit.window->Row(hit.row).hasChildren) {
        OpenRowSubmenu(hit.window, hit.row);
    } else {
        CloseAbove(LevelOf(hit.window));
    }
}

void TActiveHPMenu::Pick(TActiveHPMenuWindow* window, std::int16_t row, bool shift) {
    HighlightPath(window, row);
    if (window->Row(row).hasChildren) OpenRowSubmenu(window, row);
    const std::int16_t level = LevelOf(window);
    if (window->IsPreview() && level > 0) {
        window = stack_[static_cast<std::size_t>(level - 1)];
        row = window->GetOpenRow();
        if (!window->IsValidRow(row)) return;
    }
    const HPMenuEntry& entry = window->Row(row);
    if (!entry.dimmed && (entry.checkable || !entry.hasChildren)) {
        if (entry.checkable) window->PickRow(row);
        if (!(shift && KeepsOpen())) done_ = 1;
        return;
    }
    if (!KeepsOpen()) done_ = 1;
}

// --- Keys

TActiveHPMenuWindow* TActiveHPMenu::KeyWindow() const {
    TActiveHPMenuWindow* top = Top();
    if (top && top->IsPreview() && depth_ > 0) return stack_[static_cast<std::size_t>(depth_ - 1)];
    return top;
}

void TActiveHPMenu::StepHighlight(TActiveHPMenuWindow* window, std::int16_t step) {
    const std::int32_t count = window->GetRowCount();
    if (count == 0) return;
    std::int32_t index = window->GetHighlight();
    if (index < 0) index = step > 0 ? -1 : count;
    for (std::int32_t tries = 0; tries < count; ++tries) {
        index = (index + step + count) % count;
        const HPMenuEntry& entry = window->Row(static_cast<std::int16_t>(index));
        if (entry.IsSeparator() || entry.dimmed) continue;
        window->SetHighlight(static_cast<std::int16_t>(index));
        if (window != Top() && entry.hasChildren && OpenRowSubmenu(window, static_cast<std::int16_t>(index)))
            Top()->SetHighlight(0);
        return;
    }
}

void TActiveHPMenu::HandleKey(const KeyEvent& event) {
    TActiveHPMenuWindow* window = KeyWindow();
    if (!window) return;
    keyboardMode_ = 1;
    switch (event.GetKey()) {
        case kKeyLeft:
            if (depth_ == 0) {
                done_ = 1;
            } else {
                CloseAbove(static_cast<std::int16_t>(depth_ - 1));
            }
            return;
        case kKeyRight: {
            TActiveHPMenuWindow* top = Top();
            const std::int16_t row = top->GetHighlight();
            if (top->IsValidRow(row) && top->Row(row).hasChildren && OpenRowSubmenu(top, row))
                Top()->SetHighlight(0);
            return;
        }
        case kKeyUp: StepHighlight(window, -1); return;
        case kKeyDown: StepHighlight(window, 1); return;
        case kKeyReturn:
        case kKeySpace:
            if (window->IsValidRow(window->GetHighlight()))
                Pick(window, window->GetHighlight(), IsShiftKeyDown(1));
            return;
        case kKeyTab: done_ = 1; return;
        case kKeyEscape:
            done_ = 1;
            cancelled_ = 1;
            return;
        default: return;
    }
}
