#pragma once
// What presenters (and tests, through the headless presenter) feed into the window layer: keys,
// text, the mouse, the application's activation and dropped files. Events wait in the input queue
// and become messages for their target window when the program takes them.

#include <string>
#include <string_view>
#include <vector>

#include "platform/sys/WinTypes.h"

namespace win {

struct KeyInput {
    UINT virtualKey = 0;  // VK_LSHIFT, VK_RCONTROL, ... name the side of a modifier
    bool down = true;
    bool extended = false;  // right-hand Ctrl and Alt, the navigation block, keypad Enter and '/'
    UINT scanCode = 0;
    // The characters the OS keyboard layout made of this key (Windows-1252), when it made any:
    // TranslateMessage then posts them instead of the US-layout character.
    std::string text;
    // Some of them were characters Windows-1252 lacks, '?' in the text: after the characters the
    // frame window hears of it (UnkeptText.h).
    bool unkept = false;
};

enum class MouseButton { Left, Right, Middle };

void InjectKey(const KeyInput& key);
// Characters that came without a key of their own (input methods, compose sequences): WM_CHAR to the
// focus window, or to the active window when nothing has the focus. Unkept: some were characters
// Windows-1252 lacks, '?' in the text; once the last is taken, the frame window hears of it.
void InjectText(std::string_view cp1252Text, bool unkept = false);
void InjectMouseMove(POINT screenPoint);
void InjectMouseButton(MouseButton button, bool down, POINT screenPoint);
void InjectMouseWheel(int delta, POINT screenPoint);
// Sets the toggled state of Caps Lock, Num Lock or Scroll Lock to what the OS reports.
void SetToggleKeyState(UINT virtualKey, bool on);
// Sets whether a key is held down to what the OS reports, without a key message: a key held when
// the program starts, which it hears of no other way. VK_LSHIFT, VK_RMENU, ... name the side.
void SetHeldKeyState(UINT virtualKey, bool down);
// The application as a whole gains or loses activation (the OS window's focus): WM_ACTIVATEAPP goes
// to every top-level window, and the active window is deactivated or activated again.
void SetApplicationActive(bool active);
bool IsApplicationActive();
// Files dropped at a point: WM_DROPFILES goes to the window there, or its nearest ancestor, that
// accepts files. Answers false when no window took them.
bool InjectDroppedFiles(std::vector<std::string> cp1252Paths, POINT screenPoint);

}  // namespace win
