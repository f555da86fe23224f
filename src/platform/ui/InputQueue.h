#pragma once
// Internal to the window layer: input waiting to be taken, the key state and the mouse position.
// An input event becomes a message when it reaches the front of the queue: a mouse event is then hit
// tested, may activate a window, sets the cursor, and is aimed at the window under the mouse (or the
// capture window); a key event is aimed at the focus window.

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Messages.h"

namespace win {
class InputHold;
}  // namespace win

namespace win::detail {

using KeyStates = std::array<BYTE, 256>;

struct InputEvent {
    enum class Kind { Key, Mouse, Wheel, Character } kind = Kind::Key;
    UINT virtualKey = 0;  // the generic key (VK_SHIFT, not VK_LSHIFT)
    bool down = false;
    bool extended = false;
    bool wasDown = false;
    UINT scanCode = 0;
    std::string text;       // characters the OS layout made of the key
    UINT mouseMessage = 0;  // client form: WM_MOUSEMOVE, WM_LBUTTONDOWN, ...
    POINT point{};          // screen position of the mouse
    int wheelDelta = 0;
    char character = 0;
    bool unkept = false;  // the text, or the text this character ends, lost characters
    DWORD time = 0;
    KeyStates keys{};  // key state right after this event
    bool converted = false;
    MSG message;
    // A key a hold kept and gave back: asked as the key becomes a message again, aimed at the focus
    // window of that time, whether it still goes there (the keys the hold kept are asked in order).
    std::shared_ptr<std::function<bool(const MSG&)>> givesBack;
};

struct ClickMemory {
    bool valid = false;
    UINT message = 0;
    HWND window = nullptr;
    bool client = false;
    DWORD time = 0;
    POINT point{};
};

struct InputState {
    std::deque<InputEvent> events;
    KeyStates asyncKeys{};
    KeyStates messageKeys{};
    POINT cursor{};
    DWORD lastInputTime = 0;  // when the last key or mouse input came
    ClickMemory lastClick;
    MSG lastKeyMessage;
    std::string lastKeyText;
    bool lastKeyTextUnkept = false;
    unsigned long keyDownsTaken = 0;  // key-down messages removed from the queue so far
    bool altAlone = false;            // Alt went down as a system key, and no other system key since
    InputHold* hold = nullptr;        // the hold living now, which keeps back the keys it chooses
    // Keys down that answered a hold, with when: their repeats are dropped.
    std::array<std::optional<DWORD>, 256> answersDown;
};

InputState& Input();

bool IsButtonDownMessage(UINT message);  // WM_LBUTTONDOWN, WM_RBUTTONDOWN or WM_MBUTTONDOWN

bool TakeInput(MSG* message, HWND filter, UINT first, UINT last, bool remove);
void DiscardInputFor(HWND window);
// The OS layout's characters for a key-down message taken from the queue, when it had any.
const std::string* LayoutTextFor(const MSG& message);

}  // namespace win::detail
