#include "UiFixture.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/ChooserSupport.h"
#include "platform/ui/DialogState.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/StaticControl.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

LONG_PTR LabelledFieldsProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    detail::AddControl(dialog, "BUTTON", "&Go", BS_PUSHBUTTON | WS_TABSTOP, RECT{10, 10, 80, 30}, 10);
    detail::AddControl(dialog, "STATIC", "&Name:", SS_LEFT, RECT{10, 40, 80, 60}, 11);
    detail::AddControl(dialog, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, RECT{90, 40, 200, 60}, 12);
    detail::AddControl(dialog, "STATIC", "&Last label", SS_LEFT, RECT{10, 70, 80, 90}, 13);
    return TRUE;
}

TEST(Static, ALabelsMnemonicFocusesTheControlAfterIt) {
    HeadlessPresenter presenter{SIZE{800, 600}};
    const std::vector<WORD> words =
        detail::ItemlessDialogTemplate(WS_POPUP | WS_VISIBLE | WS_CAPTION, "Labels");
    HWND dialog = CreateDialogIndirectParamA(nullptr, reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                                             nullptr, LabelledFieldsProc, 0);
    ASSERT_NE(dialog, nullptr);
    SetWindowPos(dialog, nullptr, 100, 100, 300, 200, SWP_NOZORDER);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 10));
    auto take = [&](WPARAM character) {
        MSG message{GetFocus(), WM_SYSCHAR, character, 0, 0, {}};
        IsDialogMessageA(dialog, &message);
    };
    take('n');
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 12));
    take('l');
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 10)) << "after the last label, round to the first";
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace uitest
