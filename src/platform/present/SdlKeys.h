#pragma once
// The keys of the SDL presenter: SDL key events as virtual keys, and the modifier keys SDL reports
// held.

#include <SDL2/SDL_keyboard.h>

#include "platform/sys/WinTypes.h"

namespace win {

struct MappedKey {
    UINT virtualKey = 0;  // 0: a key the program does not know
    bool extended = false;
};

// Letters follow the keyboard layout (the key that types 'a' is 'A'); every other key goes by its
// place on the keyboard, the punctuation keys as on the US layout. Keypad keys are digits and the
// decimal point with Num Lock on, and the navigation keys they carry with it off.
MappedKey MapSdlKey(SDL_Scancode scancode, SDL_Keycode keycode, bool numLock);

// Sets the window layer's Shift, Ctrl and Alt, each side, held or not as SDL's modifier bits say.
void SetHeldModifiers(SDL_Keymod modifiers);

}  // namespace win
