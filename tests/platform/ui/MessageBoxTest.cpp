#include "UiFixture.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

class MessageBoxes : public UiTest {
protected:
    HWND owner = nullptr;
    IdleScript script{presenter};

    void SetUp() override {
        UiTest::SetUp();
        owner = Popup(RECT{100, 100, 500, 400}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
        Pump();
    }
    void Then(std::function<void()> step) { script.Then(std::move(step)); }
    void Keys(std::vector<UINT> keys) {
        Then([this, keys] {
            for (UINT key : keys) presenter.PressKey(key);
        });
    }
    static HWND Box() { return FindWindowA("#32770", nullptr); }
    static RECT RectOf(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return r;
    }
};

TEST_F(MessageBoxes, TheScriptedResponderAnswersWithoutABox) {
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDNO, {}});
    EXPECT_EQ(MessageBoxA(owner, "Save changes?", "Story", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    ASSERT_EQ(presenter.PromptsAsked().size(), 1u);
    const PromptRequest& asked = presenter.PromptsAsked()[0];
    EXPECT_EQ(asked.kind, "MessageBox");
    EXPECT_EQ(asked.caption, "Story");
    EXPECT_EQ(asked.text, "Save changes?");
    EXPECT_EQ(asked.flags, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(Box(), nullptr);
}

TEST_F(MessageBoxes, ReturnChoosesTheDefaultButtonAndEscapeCancelsWhereABoxCan) {
    Keys({VK_RETURN});
    EXPECT_EQ(MessageBoxA(owner, "Save?", "Story", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    Keys({VK_RETURN});
    EXPECT_EQ(MessageBoxA(owner, "Save?", "Story", MB_YESNO | MB_DEFBUTTON3), IDNO) << "the last there is";
    Keys({VK_ESCAPE});
    EXPECT_EQ(MessageBoxA(owner, "Save?", "Story", MB_YESNOCANCEL), IDCANCEL);
    Keys({VK_ESCAPE});
    EXPECT_EQ(MessageBoxA(owner, "Done.", "Story", MB_OK), IDOK) << "Escape in a box with only OK";
    // Escape does nothing in a Yes/No box, nor does its Close; a mnemonic then answers.
    Then([this] {
        presenter.PressKey(VK_ESCAPE);
        SendMessageA(Box(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    Then([this] {
        EXPECT_NE(Box(), nullptr) << "still up";
        presenter.TypeText("y");
    });
    EXPECT_EQ(MessageBoxA(owner, "Replace it?", "Story", MB_YESNO), IDYES);
    Keys({VK_TAB, VK_RETURN});
    EXPECT_EQ(MessageBoxA(owner, "Lost.", "Story", MB_RETRYCANCEL), IDCANCEL)
        << "Tab moves to the next button";
    Keys({VK_RETURN});
    EXPECT_EQ(MessageBoxA(owner, "Broken.", "Story", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3), IDIGNORE);
}

TEST_F(MessageBoxes, TheBoxKeepsItsOwnerFromTheUserAndGivesItBack) {
    bool ownerEnabled = true;
    HWND active = nullptr;
    Then([&] {
        ownerEnabled = IsWindowEnabled(owner);
        active = GetActiveWindow();
        presenter.PressKey(VK_RETURN);
    });
    MessageBoxA(owner, "Text", "Caption", MB_OK);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_NE(active, owner);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);

    // Without an owner, a task-modal box keeps every window of the program.
    HWND other = Popup(RECT{500, 100, 600, 200});
    Then([&] {
        ownerEnabled = IsWindowEnabled(owner) || IsWindowEnabled(other);
        presenter.PressKey(VK_RETURN);
    });
    MessageBoxA(nullptr, "Fatal", "Caption", MB_OK | MB_TASKMODAL | MB_ICONHAND);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_TRUE(IsWindowEnabled(other));
    EXPECT_NE(GetActiveWindow(), nullptr) << "a window of the program is active again";
}

TEST_F(MessageBoxes, TheBoxIsSizedToItsTextAndCentredOverItsOwner) {
    RECT oneLine{}, twoLines{}, wrapped{};
    Then([&] {
        oneLine = RectOf(Box());
        presenter.PressKey(VK_RETURN);
    });
    MessageBoxA(owner, "One line.", "Caption", MB_OK);
    Then([&] {
        twoLines = RectOf(Box());
        presenter.PressKey(VK_RETURN);
    });
    MessageBoxA(owner, "One line.\nAnd another.", "Caption", MB_OK);
    const std::string longText(400, 'x');
    Then([&] {
        wrapped = RectOf(Box());
        presenter.PressKey(VK_RETURN);
    });
    MessageBoxA(owner, (std::string("Words ") + longText).c_str(), "Caption", MB_OK);

    EXPECT_GT(twoLines.bottom - twoLines.top, oneLine.bottom - oneLine.top)
        << "a second line makes it taller";
    EXPECT_NEAR(oneLine.left + oneLine.right, 100 + 500, 1) << "centred across the owner";
    EXPECT_NEAR(oneLine.top + oneLine.bottom, 100 + 400, 1);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_LE(wrapped.right - wrapped.left, screenWidth * 5 / 8 + 60)
        << "long text wraps rather than widening";
    EXPECT_GT(wrapped.bottom - wrapped.top, twoLines.bottom - twoLines.top)
        << "a word longer than a line is cut";
}

}  // namespace
}  // namespace uitest
