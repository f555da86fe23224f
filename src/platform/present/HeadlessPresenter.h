#pragma once
// The presenter for tests and smoke runs: no OS window, a virtual clock that moves only when asked
// (or when the program waits for a timer), input injected by the test, scripted answers for modal
// prompts, and the screen surface for screenshots and pixel read-back.
//
// When the program waits for input, the idle handler runs; then a watched descriptor
// (Descriptors.h) is waited for in real time. A program that waits with no idle handler, nothing
// scripted, no timer pending and no descriptor watched would wait forever, so that is reported on
// standard error and the process aborts.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/InputEvents.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Prompts.h"

namespace win {

class HeadlessPresenter final : public Presenter {
public:
    // Attaches itself, sets the screen size and makes the application active.
    explicit HeadlessPresenter(SIZE screen = SIZE{1024, 768});
    ~HeadlessPresenter() override;
    HeadlessPresenter(const HeadlessPresenter&) = delete;
    HeadlessPresenter& operator=(const HeadlessPresenter&) = delete;

    // Presenter.
    DWORD Now() override { return clock_; }
    void Poll() override;
    void Wait(std::optional<DWORD> deadline) override;
    void Sleep(DWORD milliseconds) override { clock_ += milliseconds; }
    void Present() override { ++presentCount_; }
    SIZE RequestFrameSize(SIZE size) override;
    void MoveFrame(POINT place) override { framePlace_ = place; }
    std::optional<RECT> FrameDesktop() override { return frameDesktop_; }
    void SetFrameState(FrameState state) override { frameState_ = state; }
    void SetFrameTitle(std::string_view title) override { frameTitle_ = title; }
    void RaiseFrame() override { ++raiseCount_; }
    std::optional<RECT> Taskbar() override { return taskbar_; }
    // Notes the file instead of starting the desktop's opener; answers what SetDesktopOpener set.
    bool ShowWithDesktop(std::string_view path) override;

    // A desktop bar on the screen, for code that keeps windows clear of it.
    void SetTaskbar(std::optional<RECT> taskbar) { taskbar_ = taskbar; }
    // The OS desktop the frame is placed on (none: the screen stands for it), and a move of the OS
    // window that the OS or the user makes.
    void SetFrameDesktop(std::optional<RECT> desktop) { frameDesktop_ = desktop; }
    void MoveOsWindow(POINT place);

    // Whether the desktop has an opener (it has by default), and the files shown with it.
    void SetDesktopOpener(bool present) { desktopOpener_ = present; }
    const std::vector<std::string>& FilesShown() const { return filesShown_; }

    // The virtual clock.
    void Advance(DWORD milliseconds) { clock_ += milliseconds; }

    // Runs whenever the program finds nothing to do; answers whether it gave the program something
    // (input, a clock move, a posted message).
    using IdleHandler = std::function<bool()>;
    void SetIdleHandler(IdleHandler handler) { idle_ = std::move(handler); }

    // Takes and dispatches every message waiting now, including due paints and timers, without
    // waiting; answers how many were dispatched. Stops at WM_QUIT (left for GetMessageA).
    int DispatchPending();

    // Input, as a user at the keyboard and mouse would give it (screen coordinates).
    void KeyDown(UINT virtualKey, bool extended = false);
    void KeyUp(UINT virtualKey, bool extended = false);
    void PressKey(UINT virtualKey, bool extended = false);
    void TypeText(std::string_view cp1252Text);
    void MoveMouse(POINT screenPoint);
    void ButtonDown(MouseButton button = MouseButton::Left);
    void ButtonUp(MouseButton button = MouseButton::Left);
    void Click(POINT screenPoint, MouseButton button = MouseButton::Left);
    bool DropFiles(std::vector<std::string> cp1252Paths, POINT screenPoint);
    void SetApplicationActive(bool active);

    // Scripted prompts: answers are given to prompts in order; a kind that is not empty must match
    // the prompt's kind. Every prompt asked is recorded, answered or not.
    void ScriptPromptAnswer(std::string kind, PromptAnswer answer);
    const std::vector<PromptRequest>& PromptsAsked() const { return promptsAsked_; }
    std::size_t UnusedPromptAnswers() const { return scripted_.size(); }

    // The screen as it is now: a PNG file, or one pixel (CLR_INVALID outside the screen).
    bool SaveScreenshot(const std::string& path) const;
    COLORREF PixelAt(int x, int y) const;

    FrameState GetFrameState() const { return frameState_; }
    POINT FramePlace() const { return framePlace_; }  // where the OS window was last put
    const std::string& FrameTitle() const { return frameTitle_; }
    int PresentCount() const { return presentCount_; }
    int RaiseCount() const { return raiseCount_; }

private:
    std::optional<PromptAnswer> Answer(const PromptRequest& request);

    DWORD clock_ = 1000000;
    IdleHandler idle_;
    bool inIdle_ = false;
    Presenter* previous_ = nullptr;
    PromptResponder previousResponder_;
    std::deque<std::pair<std::string, PromptAnswer>> scripted_;
    std::vector<PromptRequest> promptsAsked_;
    FrameState frameState_ = FrameState::Normal;
    std::string frameTitle_;
    int presentCount_ = 0;
    int raiseCount_ = 0;
    std::optional<RECT> taskbar_;
    POINT framePlace_{0, 0};
    std::optional<RECT> frameDesktop_;
    bool desktopOpener_ = true;
    std::vector<std::string> filesShown_;
};

}  // namespace win
