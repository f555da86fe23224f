#include "platform/present/SdlKeys.h"

#include <utility>

#include "platform/ui/InputEvents.h"
#include "platform/ui/VirtualKeys.h"

namespace win {
namespace {

MappedKey Keypad(SDL_Scancode scancode, bool numLock) {
    struct Entry {
        SDL_Scancode scancode;
        UINT digit;
        UINT navigation;
    };
    static constexpr Entry kKeypad[] = {
        {SDL_SCANCODE_KP_0, VK_NUMPAD0, VK_INSERT},      {SDL_SCANCODE_KP_1, VK_NUMPAD1, VK_END},
        {SDL_SCANCODE_KP_2, VK_NUMPAD2, VK_DOWN},        {SDL_SCANCODE_KP_3, VK_NUMPAD3, VK_NEXT},
        {SDL_SCANCODE_KP_4, VK_NUMPAD4, VK_LEFT},        {SDL_SCANCODE_KP_5, VK_NUMPAD5, VK_CLEAR},
        {SDL_SCANCODE_KP_6, VK_NUMPAD6, VK_RIGHT},       {SDL_SCANCODE_KP_7, VK_NUMPAD7, VK_HOME},
        {SDL_SCANCODE_KP_8, VK_NUMPAD8, VK_UP},          {SDL_SCANCODE_KP_9, VK_NUMPAD9, VK_PRIOR},
        {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, VK_DELETE},
    };
    for (const Entry& entry : kKeypad) {
        if (entry.scancode == scancode) return MappedKey{numLock ? entry.digit : entry.navigation, false};
    }
    return MappedKey{};
}

}  // namespace

MappedKey MapSdlKey(SDL_Scancode scancode, SDL_Keycode keycode, bool numLock) {
    if (keycode >= SDLK_a && keycode <= SDLK_z)
        return MappedKey{static_cast<UINT>('A' + (keycode - SDLK_a)), false};
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return MappedKey{static_cast<UINT>('A' + (scancode - SDL_SCANCODE_A)), false};
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return MappedKey{static_cast<UINT>('1' + (scancode - SDL_SCANCODE_1)), false};
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
        return MappedKey{static_cast<UINT>(VK_F1 + (scancode - SDL_SCANCODE_F1)), false};
    }
    if (MappedKey keypad = Keypad(scancode, numLock); keypad.virtualKey != 0) return keypad;
    switch (scancode) {
        case SDL_SCANCODE_0: return MappedKey{'0', false};
        case SDL_SCANCODE_RETURN: return MappedKey{VK_RETURN, false};
        case SDL_SCANCODE_KP_ENTER: return MappedKey{VK_RETURN, true};
        case SDL_SCANCODE_ESCAPE: return MappedKey{VK_ESCAPE, false};
        case SDL_SCANCODE_BACKSPACE: return MappedKey{VK_BACK, false};
        case SDL_SCANCODE_TAB: return MappedKey{VK_TAB, false};
        case SDL_SCANCODE_SPACE: return MappedKey{VK_SPACE, false};
        case SDL_SCANCODE_MINUS: return MappedKey{VK_OEM_MINUS, false};
        case SDL_SCANCODE_EQUALS: return MappedKey{VK_OEM_PLUS, false};
        case SDL_SCANCODE_LEFTBRACKET: return MappedKey{VK_OEM_4, false};
        case SDL_SCANCODE_RIGHTBRACKET: return MappedKey{VK_OEM_6, false};
        case SDL_SCANCODE_BACKSLASH:
        case SDL_SCANCODE_NONUSBACKSLASH: return MappedKey{VK_OEM_5, false};
        case SDL_SCANCODE_SEMICOLON: return MappedKey{VK_OEM_1, false};
        case SDL_SCANCODE_APOSTROPHE: return MappedKey{VK_OEM_7, false};
        case SDL_SCANCODE_GRAVE: return MappedKey{VK_OEM_3, false};
        case SDL_SCANCODE_COMMA: return MappedKey{VK_OEM_COMMA, false};
        case SDL_SCANCODE_PERIOD: return MappedKey{VK_OEM_PERIOD, false};
        case SDL_SCANCODE_SLASH: return MappedKey{VK_OEM_2, false};
        case SDL_SCANCODE_CAPSLOCK: return MappedKey{VK_CAPITAL, false};
        case SDL_SCANCODE_PRINTSCREEN: return MappedKey{VK_SNAPSHOT, true};
        case SDL_SCANCODE_SCROLLLOCK: return MappedKey{VK_SCROLL, false};
        case SDL_SCANCODE_PAUSE: return MappedKey{VK_PAUSE, false};
        case SDL_SCANCODE_INSERT: return MappedKey{VK_INSERT, true};
        case SDL_SCANCODE_HOME: return MappedKey{VK_HOME, true};
        case SDL_SCANCODE_PAGEUP: return MappedKey{VK_PRIOR, true};
        case SDL_SCANCODE_DELETE: return MappedKey{VK_DELETE, true};
        case SDL_SCANCODE_END: return MappedKey{VK_END, true};
        case SDL_SCANCODE_PAGEDOWN: return MappedKey{VK_NEXT, true};
        case SDL_SCANCODE_RIGHT: return MappedKey{VK_RIGHT, true};
        case SDL_SCANCODE_LEFT: return MappedKey{VK_LEFT, true};
        case SDL_SCANCODE_DOWN: return MappedKey{VK_DOWN, true};
        case SDL_SCANCODE_UP: return MappedKey{VK_UP, true};
        case SDL_SCANCODE_NUMLOCKCLEAR: return MappedKey{VK_NUMLOCK, true};
        case SDL_SCANCODE_KP_DIVIDE: return MappedKey{VK_DIVIDE, true};
        case SDL_SCANCODE_KP_MULTIPLY: return MappedKey{VK_MULTIPLY, false};
        case SDL_SCANCODE_KP_MINUS: return MappedKey{VK_SUBTRACT, false};
        case SDL_SCANCODE_KP_PLUS: return MappedKey{VK_ADD, false};
        case SDL_SCANCODE_APPLICATION: return MappedKey{VK_APPS, true};
        case SDL_SCANCODE_LCTRL: return MappedKey{VK_LCONTROL, false};
        case SDL_SCANCODE_LSHIFT: return MappedKey{VK_LSHIFT, false};
        case SDL_SCANCODE_LALT: return MappedKey{VK_LMENU, false};
        case SDL_SCANCODE_LGUI: return MappedKey{VK_LWIN, true};
        case SDL_SCANCODE_RCTRL: return MappedKey{VK_RCONTROL, true};
        case SDL_SCANCODE_RSHIFT: return MappedKey{VK_RSHIFT, false};
        case SDL_SCANCODE_RALT: return MappedKey{VK_RMENU, true};
        case SDL_SCANCODE_RGUI: return MappedKey{VK_RWIN, true};
        default: return MappedKey{};
    }
}

void SetHeldModifiers(SDL_Keymod modifiers) {
    static constexpr std::pair<int, UINT> kModifiers[] = {
        {KMOD_LSHIFT, VK_LSHIFT},  {KMOD_RSHIFT, VK_RSHIFT}, {KMOD_LCTRL, VK_LCONTROL},
        {KMOD_RCTRL, VK_RCONTROL}, {KMOD_LALT, VK_LMENU},    {KMOD_RALT, VK_RMENU},
    };
    for (const auto& [modifier, key] : kModifiers) SetHeldKeyState(key, (modifiers & modifier) != 0);
}

}  // namespace win
