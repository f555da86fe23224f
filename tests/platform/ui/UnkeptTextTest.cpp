// Characters the program's text cannot hold: the frame window hears of them after the characters
// that stand in their place, typed with a key or without one, and when text from the desktop's
// clipboard that lost some is taken to be pasted; text that lost nothing is not noted.

#include "UiFixture.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/UnkeptText.h"

namespace uitest {
namespace {

// A desktop clipboard holding one text.
class TextDesktop : public DesktopClipboard {
public:
    std::optional<std::string> text;
    std::optional<std::string> Text() override { return text; }
    void SetText(const std::string& utf8) override { text = utf8; }
};

class UnkeptText : public UiTest {
protected:
    const UINT note = RegisterWindowMessageA(kUnkeptTextMessageName);
    HWND frame = nullptr;
    void SetUp() override {
        UiTest::SetUp();
        frame = Popup(RECT{0, 0, 300, 200}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        ASSERT_EQ(GetPresentedFrame(), frame);
        SetFocus(frame);
        Pump();
        g_log.clear();
    }
    void TearDown() override {
        ConnectDesktopClipboard(nullptr);
        UiTest::TearDown();
    }
    // The characters and notes the frame received, in order ('!' for a note).
    std::string Heard() const {
        std::string heard;
        for (const Logged& entry : g_log) {
            if (entry.window != frame) continue;
            if (entry.message == WM_CHAR) heard += static_cast<char>(entry.wParam);
            if (entry.message == note) heard += '!';
        }
        return heard;
    }
};

TEST_F(UnkeptText, TheFrameHearsOfLostCharactersAfterTheCharactersTyped) {
    InjectText("a?", true);
    InjectText("b?");
    KeyInput key{'C', true, false, 0, "?", true};
    InjectKey(key);
    key.down = false;
    InjectKey(key);
    key = KeyInput{'D', true, false, 0, "d", false};
    InjectKey(key);
    Pump();
    EXPECT_EQ(Heard(), "a?!b?" "?!d") << "a '?' the writer typed is no lost character";
}

TEST_F(UnkeptText, TextFromTheDesktopThatLostCharactersIsNotedWhenItIsPasted) {
    TextDesktop desktop;
    ConnectDesktopClipboard(&desktop);
    desktop.text = "\xCE\xA9 is omega";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    Pump();
    EXPECT_EQ(Heard(), "") << "looking is no pasting";
    for (int paste = 0; paste < 2; ++paste) {
        ASSERT_TRUE(OpenClipboard(frame));
        EXPECT_NE(GetClipboardData(CF_TEXT), nullptr);
        CloseClipboard();
    }
    Pump();
    EXPECT_EQ(Heard(), "!!") << "each paste";
    g_log.clear();
    desktop.text = "plain? text";
    ASSERT_TRUE(OpenClipboard(frame));
    EXPECT_NE(GetClipboardData(CF_TEXT), nullptr);
    CloseClipboard();
    Pump();
    EXPECT_EQ(Heard(), "");
}

}  // namespace
}  // namespace uitest
