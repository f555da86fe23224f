// The timer and clipboard wrappers, and the alert boxes as the message box is asked for them.

#include <string>

#include "ApplicationFixture.h"
#include "framework/Alerts.h"
#include "framework/QRVClipBoard.h"
#include "framework/QRVTimer.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TimerTable.h"

namespace apptest {
namespace {

TEST_F(ApplicationTest, ATimerRunsOnceHoweverOftenStartedAndStopsWithItsWindowGone) {
    const std::size_t before = win::detail::TimerCount();
    const HWND window =
        CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    QRVTimer timer(window, 7, 1000);
    EXPECT_TRUE(timer.Start());
    EXPECT_TRUE(timer.Start());
    EXPECT_EQ(win::detail::TimerCount(), before + 1);
    DestroyWindow(window);
    timer.Stop();
    EXPECT_FALSE(timer.IsRunning());
    EXPECT_EQ(timer.GetWindow(), nullptr) << "a window that is gone is forgotten";
    EXPECT_EQ(win::detail::TimerCount(), before);
}

TEST_F(ApplicationTest, TheClipboardWrapperPutsAndReadsItsFormat) {
    QRVClipBoard clipboard(CF_TEXT);
    EXPECT_EQ(clipboard.DataSize(CF_TEXT), 0u);
    EXPECT_FALSE(clipboard.HasData());
    ASSERT_EQ(clipboard.PutData("story\0", 6), kNoErr);
    EXPECT_TRUE(clipboard.HasData());
    EXPECT_TRUE(application->ClipboardHasData());
    EXPECT_EQ(clipboard.DataSize(CF_TEXT), 6u);
    String text;
    clipboard.GetString(text, CF_TEXT);
    EXPECT_STREQ(text.CStr(), "story");
    EXPECT_EQ(clipboard.GetData(CF_BITMAP), nullptr);
    clipboard.Empty();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST_F(ApplicationTest, BytesTheClipboardCannotTakeLeaveWhatItHeld) {
    QRVClipBoard text(CF_TEXT);
    ASSERT_EQ(text.PutData("kept", 5), kNoErr);
    for (const std::uint32_t format : {CF_BITMAP, CF_PALETTE, 0u}) {
        QRVClipBoard other(format);
        EXPECT_EQ(other.PutData("lost?", 6), -1) << format;
    }
    String kept;
    text.GetString(kept, CF_TEXT);
    EXPECT_STREQ(kept.CStr(), "kept");
    text.Empty();
}

TEST_F(ApplicationTest, TheClipboardWrapperCarriesPicturesThere) {
    const ShortPoint size{20, 10};
    QRVBitmap picture(&size);
    RECT all{0, 0, 20, 10};
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(picture.BeginDrawing(), &all, red);
    picture.EndDrawing();
    DeleteObject(red);
    QRVClipBoard clipboard(CF_TEXT);
    clipboard.PutData("text", 5);
    ASSERT_EQ(clipboard.PutBitmap(picture), kNoErr);
    EXPECT_FALSE(clipboard.HasData()) << "the text that was there is replaced";
    QRVBitmap pasted;
    clipboard.GetBitmap(pasted, CF_BITMAP);
    EXPECT_EQ(clipboard.GetFormat(), CF_BITMAP);
    ASSERT_EQ(pasted.Width(), 20);
    EXPECT_EQ(pasted.Height(), 10);
    EXPECT_EQ(GetPixel(pasted.BeginDrawing(), 19, 9), RGB(255, 0, 0));
    pasted.EndDrawing();
}

TEST_F(ApplicationTest, AlertsAskTheMessageBoxWithTheirButtonsAndIcons) {
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDCANCEL, {}});
    EXPECT_EQ(AlertMessage("two buttons", kAlertCaution, 2), 1);
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDNO, {}});
    EXPECT_EQ(AskYesNoCancel("no cancel", 2, true), kAnswerNo);
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDCANCEL, {}});
    EXPECT_EQ(AskYesNoCancel("three buttons", 2, false), kAnswerCancel);
    const unsigned long bells = GetBellCount();
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    FatalMessage("fablecore", "Cannot find the file '%s'.", std::string(300, 'x').c_str());
    EXPECT_EQ(GetBellCount(), bells + 1);
    EXPECT_FALSE(IsModalState()) << "every box ends its modal phase";

    const std::vector<PromptRequest>& asked = presenter.PromptsAsked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].flags & (MB_TYPEMASK | MB_ICONMASK), MB_OKCANCEL | MB_ICONEXCLAMATION);
    EXPECT_EQ(asked[0].caption, "QRV Application");
    EXPECT_EQ(asked[1].flags & (MB_TYPEMASK | MB_DEFMASK), MB_YESNO | MB_DEFBUTTON2) << "No is the default";
    EXPECT_EQ(asked[2].flags & (MB_TYPEMASK | MB_DEFMASK), MB_YESNOCANCEL | MB_DEFBUTTON3);
    EXPECT_EQ(asked[3].caption, "fablecore");
    EXPECT_EQ(asked[3].flags, MB_TASKMODAL | MB_ICONHAND);
    EXPECT_EQ(asked[3].text, "Cannot find the file '" + std::string(300, 'x') + "'.\n\n" + kFatalAdvice +
                                 "\n" + kSupportLine);
}

TEST_F(ApplicationTest, AModalPhaseStopsFilesBeingDroppedOnTheFrameUntilTheOutermostEnds) {
    RECT frame;
    GetWindowRect(Frame(), &frame);
    const POINT inside{frame.left + 50, frame.top + 50};
    BeginModalState();
    BeginModalState();
    EndModalState();
    EXPECT_FALSE(presenter.DropFiles({"/tmp/a.fsf"}, inside));
    EndModalState();
    EXPECT_TRUE(presenter.DropFiles({"/tmp/a.fsf"}, inside));
}

}  // namespace
}  // namespace apptest
