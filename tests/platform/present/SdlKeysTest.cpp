#include <gtest/gtest.h>

#include "platform/present/SdlKeys.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"

namespace {

using namespace win;

TEST(SdlKeys, LettersFollowTheLayoutAndOtherKeysTheirPlace) {
    // On a French layout the key at the place of Q types 'a'.
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_Q, SDLK_a, false).virtualKey, static_cast<UINT>('A'));
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_Z, SDLK_z, false).virtualKey, static_cast<UINT>('Z'));
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_1, SDLK_AMPERSAND, false).virtualKey, static_cast<UINT>('1'));
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_0, SDLK_0, false).virtualKey, static_cast<UINT>('0'));
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_MINUS, SDLK_MINUS, false).virtualKey, VK_OEM_MINUS);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_EQUALS, SDLK_EQUALS, false).virtualKey, VK_OEM_PLUS);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE, false).virtualKey, VK_OEM_3);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_F12, SDLK_F12, false).virtualKey, VK_F12);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN, false).virtualKey, 0u);
}

TEST(SdlKeys, TheExtendedBitTellsTheKeypadEnterAndTheRightModifiers) {
    EXPECT_FALSE(MapSdlKey(SDL_SCANCODE_RETURN, SDLK_RETURN, false).extended);
    const MappedKey enter = MapSdlKey(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, false);
    EXPECT_EQ(enter.virtualKey, VK_RETURN);
    EXPECT_TRUE(enter.extended);
    EXPECT_TRUE(MapSdlKey(SDL_SCANCODE_RCTRL, SDLK_RCTRL, false).extended);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_RCTRL, SDLK_RCTRL, false).virtualKey, VK_RCONTROL);
    EXPECT_FALSE(MapSdlKey(SDL_SCANCODE_LALT, SDLK_LALT, false).extended);
    EXPECT_TRUE(MapSdlKey(SDL_SCANCODE_LEFT, SDLK_LEFT, false).extended);
    EXPECT_TRUE(MapSdlKey(SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE, false).extended);
}

TEST(SdlKeys, KeypadKeysDependOnNumLock) {
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_KP_7, SDLK_KP_7, true).virtualKey, VK_NUMPAD7);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_KP_7, SDLK_KP_7, false).virtualKey, VK_HOME);
    EXPECT_FALSE(MapSdlKey(SDL_SCANCODE_KP_7, SDLK_KP_7, false).extended)
        << "the keypad's Home is not extended";
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, true).virtualKey, VK_DECIMAL);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, false).virtualKey, VK_DELETE);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, false).virtualKey, VK_ADD);
}

// Modifiers SDL reports held are down on their side, and as Shift, Ctrl or Alt while either side is.
TEST(SdlKeys, ModifiersHeldAreDownOnTheirSide) {
    SetHeldModifiers(static_cast<SDL_Keymod>(KMOD_LSHIFT | KMOD_RALT));
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
    EXPECT_LT(GetKeyState(VK_RMENU), 0);
    EXPECT_GE(GetKeyState(VK_LMENU), 0);
    EXPECT_LT(GetKeyState(VK_MENU), 0);
    EXPECT_GE(GetAsyncKeyState(VK_CONTROL), 0);
    SetHeldModifiers(KMOD_NONE);
    EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0);
}

}  // namespace
