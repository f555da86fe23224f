#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/User.h"

namespace {

using namespace win;

LRESULT RedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(0x0000FF);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(HeadlessPresenter, ScreenshotsHoldWhatWasPainted) {
    HeadlessPresenter presenter(SIZE{320, 200});
    WNDCLASSA wc;
    wc.lpfnWndProc = RedProc;
    wc.lpszClassName = "Red";
    RegisterClassA(&wc);
    CreateWindowExA(0, "Red", "", WS_POPUP | WS_VISIBLE, 10, 20, 50, 40, nullptr, nullptr, nullptr, nullptr);
    presenter.DispatchPending();
    EXPECT_EQ(presenter.PixelAt(15, 25), 0x0000FFu);
    EXPECT_EQ(presenter.PixelAt(5, 5), GetSysColor(COLOR_BACKGROUND));
    EXPECT_EQ(presenter.PixelAt(400, 5), CLR_INVALID);
    const TempFolder folder;
    const std::string path = folder / "headless-screen.png";
    ASSERT_TRUE(presenter.SaveScreenshot(path));
    std::unique_ptr<Surface> saved = Surface::ReadPng(path);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->Width(), 320);
    EXPECT_EQ(saved->Height(), 200);
    EXPECT_EQ(saved->GetPixel(15, 25), 0x0000FFu);
    EXPECT_EQ(saved->GetPixel(59, 59), 0x0000FFu);
    EXPECT_EQ(saved->GetPixel(60, 60), GetSysColor(COLOR_BACKGROUND));
}

TEST(HeadlessPresenter, ScriptedAnswersStandInForTheUserInOrder) {
    HeadlessPresenter presenter;
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{6, {}});
    presenter.ScriptPromptAnswer("", PromptAnswer{1, "/tmp/story.fsf"});
    EXPECT_FALSE(AskPromptResponder(PromptRequest{"OpenFile", "Open", "", 0}))
        << "the next answer is for a message box";
    std::optional<PromptAnswer> first =
        AskPromptResponder(PromptRequest{"MessageBox", "App", "Save changes?", 3});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->result, 6);
    std::optional<PromptAnswer> second = AskPromptResponder(PromptRequest{"SaveFile", "Save As", "", 0});
    ASSERT_TRUE(second);
    EXPECT_EQ(second->text, "/tmp/story.fsf");
    EXPECT_FALSE(AskPromptResponder(PromptRequest{"MessageBox", "App", "Again?", 0})) << "nothing left";
    ASSERT_EQ(presenter.PromptsAsked().size(), 4u);
    EXPECT_EQ(presenter.PromptsAsked()[1].text, "Save changes?");
    EXPECT_EQ(presenter.UnusedPromptAnswers(), 0u);
}

TEST(HeadlessPresenter, DetachesAndRestoresWhatItReplaced) {
    Presenter* before = GetPresenter();
    {
        HeadlessPresenter presenter;
        EXPECT_EQ(GetPresenter(), &presenter);
        EXPECT_TRUE(static_cast<bool>(SetPromptResponder(nullptr))) << "it answers prompts while attached";
    }
    EXPECT_EQ(GetPresenter(), before);
}

TEST(HeadlessPresenter, DispatchPendingStopsAtQuitAndTheClockMovesOnlyWhenAsked) {
    HeadlessPresenter presenter;
    const DWORD start = presenter.Now();
    PostMessageA(nullptr, WM_USER, 0, 0);
    PostQuitMessage(0);
    EXPECT_EQ(presenter.DispatchPending(), 1);
    MSG message;
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(presenter.Now(), start);
    presenter.Advance(70);
    EXPECT_EQ(GetTickCount(), start + 70);
}

}  // namespace
