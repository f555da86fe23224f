// The framework's key codes as real key presses reach them: keys go through the window layer's input
// queue and TranslateMessage, and the key road takes the code of each WM_CHAR and of each key-down
// that IsCharacterKey leaves to default processing.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "framework/MsgEvent.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

namespace {

using namespace win;

struct Delivered {
    std::vector<std::int32_t> codes;  // what the key road was given, in order
    int characters = 0;               // WM_CHARs made
    int keyDownsLeftForCharacter = 0;
};

class KeyRoad : public ::testing::Test {
protected:
    HeadlessPresenter presenter{SIZE{400, 300}};
    HWND window = nullptr;

    void SetUp() override {
        WNDCLASSA wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "KeyRoadTarget";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, "KeyRoadTarget", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
        SetFocus(window);
        presenter.DispatchPending();
    }
    void TearDown() override { DestroyWindow(window); }

    // Presses the key with the modifiers held and follows every message as the message loop and the
    // key road do.
    Delivered Press(UINT key, bool control, bool shift, bool extended = false) {
        if (control) presenter.KeyDown(VK_LCONTROL);
        if (shift) presenter.KeyDown(VK_LSHIFT);
        presenter.PressKey(key, extended);
        if (shift) presenter.KeyUp(VK_LSHIFT);
        if (control) presenter.KeyUp(VK_LCONTROL);
        Delivered delivered;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
            if (down && message.wParam == key) {
                if (IsCharacterKey(message.message, key, message.lParam)) {
                    ++delivered.keyDownsLeftForCharacter;
                } else {
                    delivered.codes.push_back(
                        KeyEvent(window, message.message, message.wParam, message.lParam).GetKey());
                }
            }
            if (message.message == WM_CHAR) {
                ++delivered.characters;
                delivered.codes.push_back(
                    KeyEvent(window, message.message, message.wParam, message.lParam).GetKey());
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return delivered;
    }
};

bool IsModifierKey(UINT key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || (key >= VK_LSHIFT && key <= VK_RMENU) ||
           key == VK_CAPITAL || key == VK_NUMLOCK || key == VK_SCROLL || key == VK_LBUTTON ||
           key == VK_RBUTTON || key == VK_MBUTTON;
}

constexpr bool kControl[] = {false, true, false, true};
constexpr bool kShift[] = {false, false, true, true};

TEST_F(KeyRoad, EveryKeyDownIsCarriedExactlyOnceByItselfOrByItsCharacter) {
    for (UINT key = 1; key < 255; ++key) {
        if (IsModifierKey(key) || key == VK_F10) continue;
        for (int mode = 0; mode < 4; ++mode) {
            const Delivered delivered = Press(key, kControl[mode], kShift[mode]);
            EXPECT_EQ(delivered.characters, delivered.keyDownsLeftForCharacter)
                << "key " << key << " control " << kControl[mode] << " shift " << kShift[mode];
            EXPECT_EQ(delivered.codes.size(), 1u) << "key " << key << " mode " << mode;
        }
    }
}

TEST_F(KeyRoad, LettersHaveOneCodeWhateverTheCaseOrControl) {
    for (UINT key = 'A'; key <= 'Z'; ++key) {
        for (int mode = 0; mode < 4; ++mode) {
            const Delivered delivered = Press(key, kControl[mode], kShift[mode]);
            ASSERT_EQ(delivered.codes.size(), 1u);
            EXPECT_EQ(delivered.codes[0], kKeyLetterA + 256 * static_cast<int>(key - 'A'))
                << static_cast<char>(key) << " mode " << mode;
        }
    }
    // Ctrl+I, Ctrl+H and Ctrl+M arrive as Tab, Backspace and Return characters.
    EXPECT_NE(Press('I', true, false).codes[0], kKeyTab);
    EXPECT_NE(Press('H', true, false).codes[0], kKeyBackspace);
    EXPECT_NE(Press('M', true, false).codes[0], kKeyReturn);
}

TEST_F(KeyRoad, DigitsOfBothBlocksShareTheirCodes) {
    std::set<std::int32_t> codes;
    for (UINT digit = 0; digit < 10; ++digit) {
        const std::int32_t main = Press('0' + digit, false, false).codes.at(0);
        EXPECT_EQ(main, kKeyDigit0 + 256 * static_cast<int>(digit));
        EXPECT_EQ(Press(VK_NUMPAD0 + digit, false, false).codes.at(0), main);
        EXPECT_NE(Press('0' + digit, false, true).codes.at(0), main) << "Shift makes the digit keys symbols";
        codes.insert(main);
    }
    EXPECT_EQ(codes.size(), 10u);
}

TEST_F(KeyRoad, KeysWithoutCharactersKeepTheirCodesUnderEveryModifier) {
    const UINT keys[] = {VK_PRIOR,  VK_NEXT,   VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN,
                         VK_INSERT, VK_DELETE, VK_F1,  VK_F2,   VK_F3,   VK_F4, VK_F5,    VK_F6,
                         VK_F7,     VK_F8,     VK_F9,  VK_F10,  VK_F11,  VK_F12};
    std::set<std::int32_t> codes;
    for (const UINT key : keys) {
        const std::int32_t plain = Press(key, false, false).codes.at(0);
        EXPECT_NE(plain, kKeyNone) << "key " << key;
        EXPECT_EQ(plain % 256, 0);
        for (int mode = 1; mode < 4; ++mode)
            EXPECT_EQ(Press(key, kControl[mode], kShift[mode]).codes.at(0), plain);
        codes.insert(plain);
    }
    EXPECT_EQ(codes.size(), std::size(keys)) << "no two keys share a code";
    for (UINT f = 0; f < 12; ++f)
        EXPECT_EQ(Press(VK_F1 + f, false, false).codes.at(0), kKeyF1 + 256 * static_cast<int>(f));
}

TEST_F(KeyRoad, WhiteSpaceAndEditingKeysTellReturnFromTheKeypadEnter) {
    for (const bool shift : {false, true}) {
        EXPECT_EQ(Press(VK_RETURN, false, shift).codes.at(0), kKeyReturn);
        EXPECT_EQ(Press(VK_RETURN, false, shift, true).codes.at(0), kKeyEnter);
        EXPECT_EQ(Press(VK_TAB, false, shift).codes.at(0), kKeyTab);
        EXPECT_EQ(Press(VK_SPACE, false, shift).codes.at(0), kKeySpace);
        EXPECT_EQ(Press(VK_ESCAPE, false, shift).codes.at(0), kKeyEscape);
        EXPECT_EQ(Press(VK_BACK, false, shift).codes.at(0), kKeyBackspace);
    }
    EXPECT_EQ(Press(VK_TAB, true, false).codes.at(0), kKeyTab) << "Ctrl+Tab makes no character";
    EXPECT_EQ(Press(VK_SPACE, true, true).codes.at(0), kKeySpace);
    EXPECT_EQ(Press(VK_OEM_3, true, false).codes.at(0), kKeyBackquote);
}

TEST(KeyEvent, ControlCharactersWithoutTheirLetterKeyKeepTheirOwnCodes) {
    // No key is down: a Tab character is Tab, and a control character without a code has none.
    EXPECT_EQ(KeyCodeOf(WM_CHAR, 9, 0), kKeyTab);
    EXPECT_EQ(KeyCodeOf(WM_CHAR, 13, 1 << 24), kKeyEnter);
    EXPECT_EQ(KeyCodeOf(WM_CHAR, 2, 0), kKeyNone);
    EXPECT_EQ(KeyCodeOf(WM_CHAR, 'q', 0), KeyCodeOf(WM_CHAR, 'Q', 0));
    EXPECT_EQ(KeyCodeOf(WM_CHAR, '!', 0), kKeyNone);
}

TEST(MsgEvent, ReadsItsParameters) {
    const MsgEvent typed(nullptr, WM_CHAR, 0xE9, 1 << 30);
    EXPECT_EQ(typed.GetChar(), 0x69) << "seven bits of the character";
    EXPECT_TRUE(typed.IsAutoRepeat());
    EXPECT_FALSE(MsgEvent(nullptr, WM_KEYDOWN, 'A', 0).GetChar());
    EXPECT_TRUE(MsgEvent(nullptr, WM_LBUTTONDBLCLK, 0, 0).IsDoubleClick());
    EXPECT_FALSE(MsgEvent(nullptr, WM_LBUTTONDOWN, 0, 0).IsDoubleClick());

    HWND window;
    UINT message;
    LPARAM lParam;
    typed.Get(&window, &message, nullptr, &lParam);
    EXPECT_EQ(message, WM_CHAR);
    EXPECT_EQ(lParam, 1 << 30);
}

TEST(IsTextKey, TakesEveryTypedCharacterButControlCharacters) {
    EXPECT_TRUE(IsTextKey(MsgEvent(nullptr, WM_CHAR, 'x', 0)));
    EXPECT_TRUE(IsTextKey(MsgEvent(nullptr, WM_CHAR, 0xE9, 0))) << "an accented letter is text";
    EXPECT_TRUE(IsTextKey(MsgEvent(nullptr, WM_CHAR, '\t', 0)));
    EXPECT_TRUE(IsTextKey(MsgEvent(nullptr, WM_CHAR, 8, 0)));
    EXPECT_FALSE(IsTextKey(MsgEvent(nullptr, WM_CHAR, 2, 0)));
    EXPECT_FALSE(IsTextKey(MsgEvent(nullptr, WM_KEYDOWN, 'X', 0)))
        << "without Ctrl letters come as characters";
    EXPECT_TRUE(IsTextKey(MsgEvent(nullptr, WM_KEYDOWN, VK_DOWN, 0)));
    EXPECT_FALSE(IsTextKey(MsgEvent(nullptr, WM_KEYDOWN, VK_INSERT, 0)));
}

}  // namespace
