#include "framework/MsgEvent.h"

#include <cctype>

#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

bool KeyDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

std::int32_t CharacterCode(unsigned char c, LPARAM lParam) {
    if (c >= 'A' && c <= 'Z') return kKeyLetterA + 256 * (c - 'A');
    if (c >= 'a' && c <= 'z') return kKeyLetterA + 256 * (c - 'a');
    if (c >= '0' && c <= '9') return kKeyDigit0 + 256 * (c - '0');
    if (c == ' ') return kKeySpace;
    if (c == 27) return kKeyEscape;
    // A control character typed as Ctrl and a letter stands for the letter (Ctrl+I is not Tab).
    if (c >= 1 && c <= 26 && KeyDown(VK_CONTROL) && (KeyDown(c + 64) || KeyDown(c + 96))) {
        return kKeyLetterA + 256 * (c - 1);
    }
    switch (c) {
        case 8: return kKeyBackspace;
        case 9: return kKeyTab;
        case 13: return (lParam & (1 << 24)) != 0 ? kKeyEnter : kKeyReturn;
        default: return kKeyNone;
    }
}

std::int32_t VirtualKeyCode(UINT key) {
    if (key >= VK_F1 && key <= VK_F12) return kKeyF1 + 256 * static_cast<std::int32_t>(key - VK_F1);
    switch (key) {
        case VK_TAB: return kKeyTab;
        case VK_SPACE: return kKeySpace;
        case VK_PRIOR: return kKeyPageUp;
        case VK_NEXT: return kKeyPageDown;
        case VK_END: return kKeyEnd;
        case VK_HOME: return kKeyHome;
        case VK_LEFT: return kKeyLeft;
        case VK_UP: return kKeyUp;
        case VK_RIGHT: return kKeyRight;
        case VK_DOWN: return kKeyDown;
        case VK_INSERT: return kKeyInsert;
        case VK_DELETE: return kKeyDelete;
        case VK_OEM_3: return kKeyBackquote;
        default: return kKeyNone;
    }
}

bool IsLetterKey(UINT key) { return key >= 'A' && key <= 'Z'; }

}  // namespace

void MsgEvent::Get(HWND* window, UINT* message, WPARAM* wParam, LPARAM* lParam) const {
    if (window) *window = window_;
    if (message) *message = message_;
    if (wParam) *wParam = wParam_;
    if (lParam) *lParam = lParam_;
}

bool MsgEvent::IsControlDown() const { return KeyDown(VK_CONTROL); }
bool MsgEvent::IsShiftDown() const { return KeyDown(VK_SHIFT); }
bool MsgEvent::IsAltDown() const { return KeyDown(VK_MENU); }

ShortPoint MsgEvent::GetMousePoint(HWND window) const {
    POINT point{static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam_))),
                static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam_)))};
    if (window != window_) MapWindowPoints(window_, window, &point, 1);
    return ShortPoint{static_cast<std::int16_t>(point.x), static_cast<std::int16_t>(point.y)};
}

ShortPoint MsgEvent::GetScreenPoint() const {
    POINT point{static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam_))),
                static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam_)))};
    ClientToScreen(window_, &point);
    return ShortPoint{static_cast<std::int16_t>(point.x), static_cast<std::int16_t>(point.y)};
}

bool MsgEvent::IsDoubleClick() const { return message_ == WM_LBUTTONDBLCLK; }

char MsgEvent::GetChar() const { return message_ == WM_CHAR ? static_cast<char>(wParam_ & 0x7F) : '\0'; }

bool MsgEvent::IsAutoRepeat() const { return (lParam_ & (1 << 30)) != 0; }

KeyEvent::KeyEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    : MsgEvent(window, message, wParam, lParam), key_(KeyCodeOf(message, wParam, lParam)) {}

std::int32_t KeyCodeOf(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) return CharacterCode(static_cast<unsigned char>(wParam), lParam);
    return VirtualKeyCode(static_cast<UINT>(wParam));
}

bool IsCharacterKey(UINT message, UINT key, LPARAM /*lParam*/) {
    if (message != WM_KEYDOWN) return false;
    const bool control = KeyDown(VK_CONTROL);
    const bool shift = KeyDown(VK_SHIFT);
    if (!control) {
        switch (key) {
            case VK_BACK:
            case VK_TAB:
            case VK_RETURN:
            case VK_ESCAPE:
            case VK_SPACE:
            case VK_MULTIPLY:
            case VK_ADD:
            case VK_SUBTRACT:
            case VK_DECIMAL:
            case VK_DIVIDE: return true;
            default: break;
        }
        return IsLetterKey(key) || (key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) ||
               (key >= VK_OEM_1 && key <= VK_OEM_3) || (key >= VK_OEM_4 && key <= VK_OEM_7);
    }
    // With Ctrl and Shift: Ctrl+@, the key 94 and Ctrl+_ make control characters.
    if (shift) return IsLetterKey(key) || key == '2' || key == 94 || key == VK_OEM_MINUS;
    switch (key) {
        case VK_BACK:
        case VK_RETURN:
        case VK_SPACE:
        case VK_OEM_4:
        case VK_OEM_5:
        case VK_OEM_6: return true;
        default: return IsLetterKey(key);
    }
}

bool IsTextKey(const MsgEvent& event) {
    const UINT message = event.Message();
    const UINT key = static_cast<UINT>(event.WParam());
    if (message == WM_KEYDOWN && key >= VK_PRIOR && key <= VK_DOWN) return true;
    if (event.IsControlDown()) {
        return message == WM_KEYDOWN &&
               ((key >= '0' && key <= '9') || IsLetterKey(key) || std::isspace(static_cast<int>(key)));
    }
    if (message != WM_CHAR) return false;
    // Every character of the 8-bit text counts, accented letters included; control characters
    // other than white space and Backspace do not.
    const unsigned char c = static_cast<unsigned char>(event.WParam());
    return (c >= 0x20 && c != 0x7F) || std::isspace(c) || c == 8;
}
