#include "platform/ui/InputQueue.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ui/Activation.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/InputHold.h"
#include "platform/ui/NonClient.h"
#include "platform/ui/Queue.h"
#include "platform/ui/Screen.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UnkeptText.h"
#include "platform/ui/VirtualKeys.h"

namespace win {
namespace detail {

InputState& Input() {
    static InputState state;
    return state;
}

bool IsButtonDownMessage(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

namespace {

bool IsDown(const KeyStates& keys, UINT key) { return (keys[key & 0xFF] & 0x80) != 0; }

void SetDown(KeyStates& keys, UINT key, bool down) {
    BYTE& state = keys[key & 0xFF];
    if (down) {
        if (!(state & 0x80)) state ^= 0x01;  // every press flips the toggle
        state |= 0x80;
    } else {
        state &= static_cast<BYTE>(~0x80);
    }
}

WPARAM MouseKeyFlags(const KeyStates& keys) {
    WPARAM flags = 0;
    if (IsDown(keys, VK_LBUTTON)) flags |= MK_LBUTTON;
    if (IsDown(keys, VK_RBUTTON)) flags |= MK_RBUTTON;
    if (IsDown(keys, VK_MBUTTON)) flags |= MK_MBUTTON;
    if (IsDown(keys, VK_SHIFT)) flags |= MK_SHIFT;
    if (IsDown(keys, VK_CONTROL)) flags |= MK_CONTROL;
    return flags;
}

bool Skipped(const std::vector<Window*>& skipped, const Window* window) {
    return std::find(skipped.begin(), skipped.end(), window) != skipped.end();
}

// The window that gets a mouse event at a screen point: the deepest visible window there, where a
// disabled child passes the event to its parent, and windows answering HTTRANSPARENT are skipped.
Window* TargetBelow(Window& parent, POINT screen, const std::vector<Window*>& skipped) {
    for (Window* child : parent.children) {
        if (!child->IsVisibleFlag() || (child->style & WS_DISABLED) || Skipped(skipped, child)) continue;
        if (!RectContains(ScreenRect(*child), screen)) continue;
        if (RectContains(ScreenClientRect(*child), screen)) {
            if (Window* deeper = TargetBelow(*child, screen, skipped)) return deeper;
        }
        return child;
    }
    return nullptr;
}

Window* TopLevelAt(POINT screen, const std::vector<Window*>& skipped) {
    for (Window* top : Tree().TopLevelWindows()) {
        if (top->IsVisibleFlag() && !Skipped(skipped, top) && RectContains(ScreenRect(*top), screen))
            return top;
    }
    return nullptr;
}

bool ConvertMouse(InputEvent& event) {
    InputState& input = Input();
    const POINT screen = event.point;
    UINT message = event.mouseMessage;
    Window* capture = CaptureWindow();
    Window* target = capture;
    int hit = HTCLIENT;
    if (target == nullptr) {
        std::vector<Window*> skipped;
        for (;;) {
            Window* top = TopLevelAt(screen, skipped);
            if (top == nullptr) return false;
            if (top->style & WS_DISABLED) {
                // A disabled window (the owner of a modal window) gets no mouse messages; its
                // default cursor handling beeps at a click and brings the modal window forward.
                Send(*top, WM_SETCURSOR, reinterpret_cast<WPARAM>(top->handle),
                     MAKELPARAM(static_cast<WORD>(HTERROR), static_cast<WORD>(message)));
                return false;
            }
            target = top;
            if (RectContains(ScreenClientRect(*top), screen)) {
                if (Window* deeper = TargetBelow(*top, screen, skipped)) target = deeper;
            }
            hit = static_cast<int>(Send(*target, WM_NCHITTEST, 0, PointParam(screen.x, screen.y)));
            if (!target->alive) return false;
            if (hit != HTTRANSPARENT) break;
            skipped.push_back(target);
        }
    }
    auto hold = Tree().Hold(*target);
    const bool client = hit == HTCLIENT;
    const UINT pressed = message;

    if (IsButtonDownMessage(message)) {
        ClickMemory& last = input.lastClick;
        const bool twice = last.valid && last.message == message && last.window == target->handle &&
                           last.client == client && event.time - last.time <= GetDoubleClickTime() &&
                           std::abs(screen.x - last.point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                           std::abs(screen.y - last.point.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        if (twice) {
            last.valid = false;
            if (!client || (target->windowClass->style & CS_DBLCLKS)) message += 2;  // ...DOWN -> ...DBLCLK
        } else {
            last = ClickMemory{true, message, target->handle, client, event.time, screen};
        }
    }

    bool eat = false;
    if (capture == nullptr && IsButtonDownMessage(pressed)) {
        for (Window* w = target; w->IsChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY) && w->parent != nullptr;
             w = w->parent) {
            const POINT origin = ClientOrigin(*w->parent);
            Send(*w->parent, WM_PARENTNOTIFY, MAKEWPARAM(static_cast<WORD>(pressed), 0),
                 PointParam(screen.x - origin.x, screen.y - origin.y));
            if (!target->alive) return false;
        }
        Window& top = TopLevelOf(*target);
        if (target != ActiveWindow()) {
            const LRESULT answer = Send(*target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top.handle),
                                        MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(pressed)));
            if (!target->alive) return false;
            eat = answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT;
            const bool activate = answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT;
            if (activate && ActiveWindow() != &top && !ActivateWindow(&top, WA_CLICKACTIVE)) eat = true;
        }
    }
    if (!target->alive) return false;
    if (capture == nullptr) {
        Send(*target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target->handle),
             MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(pressed)));
    }
    if (eat || !target->alive) return false;

    MSG& out = event.message;
    out.hwnd = target->handle;
    out.time = event.time;
    out.pt = screen;
    if (client) {
        const POINT origin = ClientOrigin(*target);
        out.message = message;
        out.wParam = MouseKeyFlags(event.keys);
        out.lParam = PointParam(screen.x - origin.x, screen.y - origin.y);
    } else {
        out.message = message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        out.wParam = static_cast<WPARAM>(hit);
        out.lParam = PointParam(screen.x, screen.y);
    }
    return true;
}

// Whether a key event is a system key (WM_SYSKEYDOWN, WM_SYSKEYUP): F10, and a key pressed or
// released while Alt is down without Ctrl. Alt's own release is one only when no other system key
// came since Alt went down (a lone Alt, which opens the menu bar); after Alt+letter it is a plain
// key-up. Ctrl released while Alt is down is a system key too.
bool IsSystemKey(const InputEvent& event) {
    bool& altAlone = Input().altAlone;
    const bool alt = IsDown(event.keys, VK_MENU);
    const bool control = IsDown(event.keys, VK_CONTROL);
    bool system = false;
    switch (event.virtualKey) {
        case VK_MENU:
            system = event.down ? !control : altAlone;
            altAlone = event.down && system;
            return system;
        case VK_CONTROL: system = !event.down && alt; break;
        case VK_F10: system = true; break;
        default: system = alt && !control; break;
    }
    if (system) altAlone = false;
    return system;
}

bool ConvertKeyboard(InputEvent& event) {
    Window* target = FocusWindow();
    // Without a focus every key is a system key, for the active window.
    bool system = event.kind == InputEvent::Kind::Key && IsSystemKey(event);
    if (target == nullptr) {
        target = ActiveWindow();
        system = true;
    }
    if (target == nullptr) return false;
    MSG& out = event.message;
    out.hwnd = target->handle;
    out.time = event.time;
    out.pt = Input().cursor;
    if (event.kind == InputEvent::Kind::Character) {
        out.message = WM_CHAR;
        out.wParam = static_cast<BYTE>(event.character);
        out.lParam = 1;
        return true;
    }
    out.message = event.down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    out.wParam = event.virtualKey;
    DWORD bits = 1 | ((event.scanCode & 0xFF) << 16);
    if (event.extended) bits |= 1u << 24;
    if (IsDown(event.keys, VK_MENU)) bits |= 1u << 29;  // the context code: Alt is down
    if (event.wasDown || !event.down) bits |= 1u << 30;
    if (!event.down) bits |= 1u << 31;
    out.lParam = static_cast<LPARAM>(bits);
    return true;
}

// The wheel turns what is under the pointer, as the desktop does, whichever window has the focus:
// the deepest enabled window there (the capture's while the mouse is captured), and no window of a
// top-level window that a modal one has disabled. A window that does not scroll hands the wheel on
// to its parent (DefWindowProc).
bool ConvertWheel(InputEvent& event) {
    const POINT screen = event.point;
    Window* target = CaptureWindow();
    if (target == nullptr) {
        Window* top = TopLevelAt(screen, {});
        if (top == nullptr || (top->style & WS_DISABLED)) return false;
        target = top;
        if (RectContains(ScreenClientRect(*top), screen)) {
            if (Window* deeper = TargetBelow(*top, screen, {})) target = deeper;
        }
    }
    MSG& out = event.message;
    out.hwnd = target->handle;
    out.time = event.time;
    out.pt = screen;
    out.message = WM_MOUSEWHEEL;
    out.wParam = MAKEWPARAM(static_cast<WORD>(MouseKeyFlags(event.keys)),
                            static_cast<WORD>(static_cast<SHORT>(event.wheelDelta)));
    out.lParam = PointParam(screen.x, screen.y);
    return true;
}

bool Convert(InputEvent& event) {
    switch (event.kind) {
        case InputEvent::Kind::Mouse: return ConvertMouse(event);
        case InputEvent::Kind::Wheel: return ConvertWheel(event);
        default: return ConvertKeyboard(event);
    }
}

bool RangeTakesInput(UINT first, UINT last) {
    if (first == 0 && last == 0) return true;
    auto overlaps = [&](UINT low, UINT high) { return first <= high && last >= low; };
    return overlaps(WM_KEYFIRST, WM_KEYLAST) || overlaps(WM_MOUSEFIRST, WM_MOUSELAST) ||
           overlaps(WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK);
}

void Push(InputEvent event) {
    event.time = Input().lastInputTime = Now();
    Input().events.push_back(std::move(event));
}

void PushMouse(InputEvent::Kind kind, UINT message, int wheelDelta, POINT screenPoint) {
    InputEvent event;
    event.kind = kind;
    event.mouseMessage = message;
    event.wheelDelta = wheelDelta;
    event.point = screenPoint;
    event.keys = Input().asyncKeys;
    Push(std::move(event));
}

}  // namespace

bool TakeInput(MSG* message, HWND filter, UINT first, UINT last, bool remove) {
    if (!RangeTakesInput(first, last)) return false;
    InputState& input = Input();
    std::size_t i = 0;
    while (i < input.events.size()) {
        if (!input.events[i].converted) {
            // Events become messages in order: this is the first one not yet converted.
            InputEvent event = std::move(input.events[i]);
            input.events.erase(input.events.begin() + static_cast<std::ptrdiff_t>(i));
            if (!Convert(event)) continue;
            if (event.givesBack && !(*event.givesBack)(event.message)) continue;
            event.converted = true;
            i = std::min(i, input.events.size());
            input.events.insert(input.events.begin() + static_cast<std::ptrdiff_t>(i), std::move(event));
        }
        InputEvent& event = input.events[i];
        if (Tree().Find(event.message.hwnd) == nullptr) {
            input.events.erase(input.events.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (InputHold::IsAnswerRepeat(event.message) || (input.hold != nullptr && input.hold->Keep(event))) {
            input.events.erase(input.events.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (!PassesFilter(event.message.hwnd, event.message.message, filter, first, last)) {
            ++i;
            continue;
        }
        *message = event.message;
        input.messageKeys = event.keys;
        if (event.message.message == WM_KEYDOWN || event.message.message == WM_SYSKEYDOWN) {
            input.lastKeyMessage = event.message;
            input.lastKeyText = event.text;
            input.lastKeyTextUnkept = event.unkept;
            if (remove) ++input.keyDownsTaken;
        }
        const bool noteUnkept = remove && event.kind == InputEvent::Kind::Character && event.unkept;
        if (remove) input.events.erase(input.events.begin() + static_cast<std::ptrdiff_t>(i));
        if (noteUnkept) NoteUnkeptText();
        return true;
    }
    return false;
}

void DiscardInputFor(HWND window) {
    auto& events = Input().events;
    events.erase(std::remove_if(events.begin(), events.end(),
                                [&](const InputEvent& e) { return e.converted && e.message.hwnd == window; }),
                 events.end());
}

const std::string* LayoutTextFor(const MSG& message) {
    const InputState& input = Input();
    const MSG& key = input.lastKeyMessage;
    if (input.lastKeyText.empty() || key.hwnd != message.hwnd || key.message != message.message ||
        key.wParam != message.wParam || key.lParam != message.lParam || key.time != message.time) {
        return nullptr;
    }
    return &input.lastKeyText;
}

}  // namespace detail

using namespace detail;

namespace {

// A key's generic key (VK_SHIFT for VK_LSHIFT) and the side it stands for (VK_LSHIFT for VK_SHIFT;
// the right-hand Ctrl and Alt are extended keys).
struct KeySide {
    UINT generic = 0;
    UINT side = 0;
    bool extended = false;
};

KeySide SideOf(UINT virtualKey, bool extended) {
    KeySide key{virtualKey & 0xFF, virtualKey & 0xFF, extended};
    switch (key.generic) {
        case VK_LSHIFT:
        case VK_RSHIFT: key.generic = VK_SHIFT; break;
        case VK_LCONTROL:
        case VK_RCONTROL:
            key.extended = extended || key.side == VK_RCONTROL;
            key.generic = VK_CONTROL;
            break;
        case VK_LMENU:
        case VK_RMENU:
            key.extended = extended || key.side == VK_RMENU;
            key.generic = VK_MENU;
            break;
        case VK_SHIFT: key.side = VK_LSHIFT; break;
        case VK_CONTROL: key.side = extended ? VK_RCONTROL : VK_LCONTROL; break;
        case VK_MENU: key.side = extended ? VK_RMENU : VK_LMENU; break;
        default: break;
    }
    return key;
}

UINT OtherSide(UINT side) {
    switch (side) {
        case VK_LSHIFT: return VK_RSHIFT;
        case VK_RSHIFT: return VK_LSHIFT;
        case VK_LCONTROL: return VK_RCONTROL;
        case VK_RCONTROL: return VK_LCONTROL;
        case VK_LMENU: return VK_RMENU;
        default: return VK_LMENU;
    }
}

// The side's key goes down or up; a generic modifier is down while either side is.
void SetSideDown(KeyStates& keys, const KeySide& key, bool down) {
    SetDown(keys, key.side, down);
    if (key.side != key.generic) SetDown(keys, key.generic, down || IsDown(keys, OtherSide(key.side)));
}

}  // namespace

void InjectKey(const KeyInput& key) {
    InputState& input = Input();
    const KeySide sided = SideOf(key.virtualKey, key.extended);
    KeyStates& keys = input.asyncKeys;
    InputEvent event;
    event.kind = InputEvent::Kind::Key;
    event.virtualKey = sided.generic;
    event.down = key.down;
    event.extended = sided.extended;
    event.wasDown = IsDown(keys, sided.side);
    event.scanCode = key.scanCode;
    event.text = key.text;
    event.unkept = key.unkept;
    SetSideDown(keys, sided, key.down);
    event.keys = keys;
    Push(std::move(event));
}

void SetHeldKeyState(UINT virtualKey, bool down) {
    InputState& input = Input();
    const KeySide sided = SideOf(virtualKey, false);
    for (KeyStates* keys : {&input.asyncKeys, &input.messageKeys}) SetSideDown(*keys, sided, down);
}

void InjectText(std::string_view cp1252Text, bool unkept) {
    for (std::size_t i = 0; i < cp1252Text.size(); ++i) {
        InputEvent event;
        event.kind = InputEvent::Kind::Character;
        event.character = cp1252Text[i];
        event.unkept = unkept && i + 1 == cp1252Text.size();
        event.keys = Input().asyncKeys;
        Push(std::move(event));
    }
}

void InjectMouseMove(POINT screenPoint) {
    InputState& input = Input();
    input.cursor = screenPoint;
    if (!input.events.empty()) {
        InputEvent& last = input.events.back();
        if (!last.converted && last.kind == InputEvent::Kind::Mouse && last.mouseMessage == WM_MOUSEMOVE) {
            // Moves that nobody has taken yet merge into the latest position.
            last.point = screenPoint;
            last.time = input.lastInputTime = Now();
            last.keys = input.asyncKeys;
            return;
        }
    }
    PushMouse(InputEvent::Kind::Mouse, WM_MOUSEMOVE, 0, screenPoint);
}

void InjectMouseButton(MouseButton button, bool down, POINT screenPoint) {
    InputState& input = Input();
    input.cursor = screenPoint;
    UINT key = VK_LBUTTON;
    UINT message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    if (button == MouseButton::Right) {
        key = VK_RBUTTON;
        message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    } else if (button == MouseButton::Middle) {
        key = VK_MBUTTON;
        message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    }
    SetDown(input.asyncKeys, key, down);
    PushMouse(InputEvent::Kind::Mouse, message, 0, screenPoint);
}

void InjectMouseWheel(int delta, POINT screenPoint) {
    Input().cursor = screenPoint;
    PushMouse(InputEvent::Kind::Wheel, 0, delta, screenPoint);
}

void SetToggleKeyState(UINT virtualKey, bool on) {
    InputState& input = Input();
    for (KeyStates* keys : {&input.asyncKeys, &input.messageKeys}) {
        BYTE& state = (*keys)[virtualKey & 0xFF];
        state = static_cast<BYTE>((state & 0x80) | (on ? 1 : 0));
    }
}

SHORT GetKeyState(int virtualKey) {
    const BYTE state = Input().messageKeys[static_cast<unsigned>(virtualKey) & 0xFF];
    return static_cast<SHORT>(((state & 0x80) ? 0x8000 : 0) | (state & 1));
}

SHORT GetAsyncKeyState(int virtualKey) {
    const BYTE state = Input().asyncKeys[static_cast<unsigned>(virtualKey) & 0xFF];
    return static_cast<SHORT>((state & 0x80) ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* states) {
    if (states == nullptr) return FALSE;
    std::copy(Input().messageKeys.begin(), Input().messageKeys.end(), states);
    return TRUE;
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    *point = Input().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    InjectMouseMove(POINT{x, y});
    return TRUE;
}

BOOL GetLastInputInfo(LASTINPUTINFO* info) {
    if (info == nullptr) return FALSE;
    info->dwTime = Input().lastInputTime;
    return TRUE;
}

}  // namespace win
