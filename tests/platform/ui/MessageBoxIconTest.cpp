// Each message box icon is its own picture: the question mark for a question, the letter i for
// information, the exclamation mark for a warning and the cross for an error, each compared with its
// reference picture (data/message-box-icon-*.png, ReferencePicture.h).

#include "ReferencePicture.h"
#include "UiFixture.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

class MessageBoxIcon : public UiTest {
protected:
    HWND owner = nullptr;
    IdleScript script{presenter};

    void SetUp() override {
        UiTest::SetUp();
        owner = Popup(RECT{100, 100, 500, 400}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
        Pump();
    }
    // Shows a box with the icon and compares the square its icon takes (32 pixels, 12 in from the
    // client's corner) and a little around it with the reference.
    void ExpectIcon(UINT icon, const char* reference) {
        script.Then([reference] {
            POINT corner{0, 0};
            ClientToScreen(FindWindowA("#32770", nullptr), &corner);
            CompareAreaWithReference(RECT{corner.x + 8, corner.y + 8, corner.x + 48, corner.y + 48},
                                     reference);
        });
        script.Then([this] { presenter.PressKey(VK_RETURN); });
        EXPECT_EQ(MessageBoxA(owner, "Go on?", "Story", MB_OK | icon), IDOK) << reference;
    }
};

TEST_F(MessageBoxIcon, QuestionAndInformationEachShowTheirOwnIcon) {
    ExpectIcon(MB_ICONQUESTION, "message-box-icon-question.png");
    ExpectIcon(MB_ICONINFORMATION, "message-box-icon-information.png");
}

TEST_F(MessageBoxIcon, WarningAndErrorEachShowTheirOwnIcon) {
    ExpectIcon(MB_ICONWARNING, "message-box-icon-warning.png");
    ExpectIcon(MB_ICONERROR, "message-box-icon-error.png");
}

}  // namespace
}  // namespace uitest
