#include "UiFixture.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

// Which key-downs the framework expects a WM_CHAR after, as its key handling is written: without
// Ctrl, Backspace, Tab, Return, Escape, Space, the keypad operators, letters, digits, keypad digits
// and the punctuation keys; with Ctrl and Shift, '2', 94, the minus key and letters; with Ctrl alone,
// Backspace, Return, Space, the bracket and backslash keys and letters.
bool ExpectsCharacter(UINT key, bool control, bool shift) {
    const bool letter = key >= 'A' && key <= 'Z';
    if (!control) {
        return key == 8 || key == 9 || key == 13 || key == 27 || key == 32 || key == 106 || key == 107 ||
               key == 109 || key == 110 || key == 111 || letter || (key >= '0' && key <= '9') ||
               (key >= 96 && key <= 105) || (key >= 186 && key <= 192) || (key >= 219 && key <= 222);
    }
    if (shift) return key == 50 || key == 94 || key == 189 || letter;
    return key == 8 || key == 13 || key == 32 || key == 219 || key == 220 || key == 221 || letter;
}

bool IsModifier(UINT key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || (key >= VK_LSHIFT && key <= VK_RMENU) ||
           key == VK_CAPITAL || key == VK_NUMLOCK || key == VK_SCROLL || key == VK_F10;
}

class KeyboardWithFocus : public UiTest {
protected:
    HWND window = nullptr;
    void SetUp() override {
        UiTest::SetUp();
        window = Popup(RECT{0, 0, 100, 100});
        SetFocus(window);
        Pump();
        g_log.clear();
    }
    // Takes every waiting message, translating keys as the program's loop does.
    std::vector<MSG> TakeAll() {
        std::vector<MSG> taken;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            taken.push_back(message);
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return taken;
    }
    std::vector<MSG> Of(const std::vector<MSG>& messages, UINT number) {
        std::vector<MSG> found;
        for (const MSG& m : messages) {
            if (m.message == number) found.push_back(m);
        }
        return found;
    }
};

TEST_F(KeyboardWithFocus, TranslateMakesCharactersExactlyForTheKeysTheFrameworkExpects) {
    for (int mode = 0; mode < 4; ++mode) {
        const bool control = mode & 1;
        const bool shift = mode & 2;
        if (control) presenter.KeyDown(VK_LCONTROL);
        if (shift) presenter.KeyDown(VK_LSHIFT);
        TakeAll();
        for (UINT key = 1; key < 255; ++key) {
            if (IsModifier(key) || key == VK_LBUTTON || key == VK_RBUTTON || key == VK_MBUTTON) continue;
            presenter.PressKey(key);
            const std::vector<MSG> taken = TakeAll();
            const bool made = !Of(taken, WM_CHAR).empty();
            EXPECT_EQ(made, ExpectsCharacter(key, control, shift))
                << "key " << key << " control " << control << " shift " << shift;
            EXPECT_EQ(Of(taken, WM_KEYDOWN).size(), 1u) << "key " << key;
        }
        if (control) presenter.KeyUp(VK_LCONTROL);
        if (shift) presenter.KeyUp(VK_LSHIFT);
        TakeAll();
    }
}

TEST_F(KeyboardWithFocus, CharactersFollowTheUsLayout) {
    auto charFor = [&](UINT key, std::initializer_list<UINT> held) {
        for (UINT h : held) presenter.KeyDown(h);
        presenter.PressKey(key);
        for (UINT h : held) presenter.KeyUp(h);
        const std::vector<MSG> chars = Of(TakeAll(), WM_CHAR);
        return chars.empty() ? -1 : static_cast<int>(chars.front().wParam);
    };
    EXPECT_EQ(charFor('A', {}), 'a');
    EXPECT_EQ(charFor('A', {VK_SHIFT}), 'A');
    EXPECT_EQ(charFor('I', {VK_CONTROL}), 9) << "Ctrl+I arrives as character 9 with the I key down";
    EXPECT_EQ(charFor(VK_RETURN, {VK_CONTROL}), 10);
    EXPECT_EQ(charFor(VK_BACK, {VK_CONTROL}), 127);
    EXPECT_EQ(charFor('2', {VK_CONTROL, VK_SHIFT}), 0);
    EXPECT_EQ(charFor(VK_OEM_MINUS, {VK_CONTROL, VK_SHIFT}), 31);
    EXPECT_EQ(charFor('1', {VK_SHIFT}), '!');
    EXPECT_EQ(charFor(VK_OEM_7, {VK_SHIFT}), '"');
    EXPECT_EQ(charFor(VK_NUMPAD7, {}), '7');
    EXPECT_EQ(charFor(VK_DIVIDE, {}), '/');
    EXPECT_EQ(charFor(VK_RETURN, {}), 13);
    EXPECT_EQ(charFor(VK_F5, {}), -1);
    EXPECT_EQ(charFor(VK_TAB, {VK_CONTROL}), -1);
    presenter.PressKey(VK_CAPITAL);
    EXPECT_EQ(charFor('Q', {}), 'Q');
    EXPECT_EQ(charFor('Q', {VK_SHIFT}), 'q');
    EXPECT_EQ(charFor('5', {}), '5') << "Caps Lock leaves digits alone";
}

TEST_F(KeyboardWithFocus, ParametersCarryTheExtendedRepeatAndTransitionBits) {
    presenter.PressKey(VK_RETURN, true);  // keypad Enter
    presenter.PressKey(VK_RETURN);
    std::vector<MSG> taken = TakeAll();
    std::vector<MSG> downs = Of(taken, WM_KEYDOWN);
    std::vector<MSG> chars = Of(taken, WM_CHAR);
    ASSERT_EQ(downs.size(), 2u);
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_TRUE((downs[0].lParam >> 24) & 1);
    EXPECT_TRUE((chars[0].lParam >> 24) & 1) << "the character keeps the key's extended bit";
    EXPECT_FALSE((chars[1].lParam >> 24) & 1);
    std::vector<MSG> ups = Of(taken, WM_KEYUP);
    ASSERT_EQ(ups.size(), 2u);
    EXPECT_EQ((static_cast<std::uint64_t>(ups[0].lParam) >> 30) & 3, 3u);

    presenter.KeyDown('X');
    presenter.KeyDown('X');  // held: the second is an auto-repeat
    presenter.KeyUp('X');
    downs = Of(TakeAll(), WM_KEYDOWN);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_FALSE((downs[0].lParam >> 30) & 1);
    EXPECT_TRUE((downs[1].lParam >> 30) & 1);
}

TEST_F(KeyboardWithFocus, KeyStateAnswersAsOfTheLastMessageTaken) {
    presenter.KeyDown(VK_SHIFT);
    presenter.PressKey('K');
    presenter.KeyUp(VK_SHIFT);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "nothing taken yet";
    EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0) << "physically up again";
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));  // Shift down
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));  // K down
    EXPECT_EQ(message.wParam, static_cast<WPARAM>('K'));
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_LT(GetKeyState('K'), 0);
    EXPECT_LT(GetKeyState(VK_LSHIFT), 0);
    PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
    PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    // Toggle keys keep their toggled bit.
    presenter.PressKey(VK_CAPITAL);
    TakeAll();
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
    presenter.PressKey(VK_CAPITAL);
    TakeAll();
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
}

TEST_F(KeyboardWithFocus, AltAndF10MakeSystemKeysAndSystemCharacters) {
    presenter.KeyDown(VK_MENU);
    presenter.PressKey('F');
    presenter.KeyUp(VK_MENU);
    presenter.PressKey(VK_F10);
    std::vector<MSG> taken = TakeAll();
    std::vector<MSG> sysDowns = Of(taken, WM_SYSKEYDOWN);
    ASSERT_EQ(sysDowns.size(), 3u);
    EXPECT_EQ(sysDowns[1].wParam, static_cast<WPARAM>('F'));
    EXPECT_TRUE((sysDowns[1].lParam >> 29) & 1) << "Alt is down";
    EXPECT_EQ(sysDowns[2].wParam, VK_F10);
    EXPECT_EQ(Of(taken, WM_SYSCHAR).size(), 1u);
    EXPECT_TRUE(Of(taken, WM_CHAR).empty());
    EXPECT_TRUE(Of(taken, WM_KEYDOWN).empty());
    // Ctrl with Alt is no system key.
    presenter.KeyDown(VK_CONTROL);
    presenter.KeyDown(VK_MENU);
    presenter.PressKey('Q');
    taken = TakeAll();
    EXPECT_EQ(Of(taken, WM_KEYDOWN).back().wParam, static_cast<WPARAM>('Q'));
}

TEST_F(KeyboardWithFocus, AKeyIsASystemKeyWhileAltIsDownAndAltsReleaseOnlyWhenPressedAlone) {
    // Presses and releases in order; what arrives, as "sysdown F+alt": the message, the key and
    // whether its context code says Alt is down.
    auto keys = [&](std::initializer_list<std::pair<UINT, bool>> strokes) {
        for (auto [key, down] : strokes) down ? presenter.KeyDown(key) : presenter.KeyUp(key);
        std::string seen;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            const char* kind = message.message == WM_KEYDOWN      ? "down"
                               : message.message == WM_KEYUP      ? "up"
                               : message.message == WM_SYSKEYDOWN ? "sysdown"
                               : message.message == WM_SYSKEYUP   ? "sysup"
                                                                  : nullptr;
            if (kind == nullptr) continue;
            const WPARAM key = message.wParam;
            seen += std::string(seen.empty() ? "" : ", ") + kind + " " +
                    (key == VK_MENU      ? "Alt"
                     : key == VK_CONTROL ? "Ctrl"
                                         : std::string(1, static_cast<char>(key))) +
                    ((message.lParam >> 29) & 1 ? "+alt" : "");
        }
        return seen;
    };
    constexpr bool down = true, up = false;
    EXPECT_EQ(keys({{VK_MENU, down}, {'F', down}, {'F', up}, {VK_MENU, up}}),
              "sysdown Alt+alt, sysdown F+alt, sysup F+alt, up Alt");
    EXPECT_EQ(keys({{VK_MENU, down}, {'F', down}, {VK_MENU, up}, {'F', up}}),
              "sysdown Alt+alt, sysdown F+alt, up Alt, up F");
    EXPECT_EQ(keys({{VK_MENU, down}, {VK_MENU, up}}), "sysdown Alt+alt, sysup Alt");
    EXPECT_EQ(keys({{'F', down}, {VK_MENU, down}, {'F', up}, {VK_MENU, up}}),
              "down F, sysdown Alt+alt, sysup F+alt, up Alt");
    // With Ctrl, Alt makes no system keys; Ctrl's release under Alt is one, and Alt's after it not.
    EXPECT_EQ(
        keys({{VK_CONTROL, down}, {VK_MENU, down}, {'F', down}, {'F', up}, {VK_MENU, up}, {VK_CONTROL, up}}),
        "down Ctrl, down Alt+alt, down F+alt, up F+alt, up Alt, up Ctrl");
    EXPECT_EQ(keys({{VK_MENU, down}, {VK_CONTROL, down}, {VK_CONTROL, up}, {VK_MENU, up}}),
              "sysdown Alt+alt, down Ctrl+alt, sysup Ctrl+alt, up Alt");
}

TEST_F(KeyboardWithFocus, KeysGoToTheFocusOrAsSystemKeysToTheActiveWindow) {
    HWND child = Child(window, RECT{0, 0, 10, 10});
    SetFocus(child);
    presenter.PressKey('A');
    std::vector<MSG> taken = TakeAll();
    EXPECT_EQ(Of(taken, WM_KEYDOWN).front().hwnd, child);
    SetFocus(nullptr);
    presenter.PressKey('A');
    taken = TakeAll();
    ASSERT_FALSE(Of(taken, WM_SYSKEYDOWN).empty());
    EXPECT_EQ(Of(taken, WM_SYSKEYDOWN).front().hwnd, window);
}

TEST_F(KeyboardWithFocus, LayoutCharactersAndTypedTextReachTheFocus) {
    InjectKey(KeyInput{'E', true, false, 0, "\xE9"});
    InjectKey(KeyInput{'E', false, false, 0, {}});
    presenter.TypeText("\x80x");
    std::vector<MSG> chars = Of(TakeAll(), WM_CHAR);
    ASSERT_EQ(chars.size(), 3u);
    EXPECT_EQ(chars[0].wParam, 0xE9u) << "the OS layout's character, not the US one";
    EXPECT_EQ(chars[1].wParam, 0x80u);
    EXPECT_EQ(chars[2].wParam, static_cast<WPARAM>('x'));
    for (const MSG& m : chars) EXPECT_EQ(m.hwnd, window);
}

}  // namespace
}  // namespace uitest
