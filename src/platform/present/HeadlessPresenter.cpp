#include "platform/present/HeadlessPresenter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/gdi/Surface.h"
#include "platform/sys/SysError.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"

namespace win {

HeadlessPresenter::HeadlessPresenter(SIZE screen) {
    previous_ = AttachPresenter(this);
    previousResponder_ = SetPromptResponder([this](const PromptRequest& request) { return Answer(request); });
    SetScreenSize(screen);
    SetFramePlace(framePlace_);
    win::SetApplicationActive(true);
}

void HeadlessPresenter::MoveOsWindow(POINT place) {
    framePlace_ = place;
    SetFramePlace(place);
}

bool HeadlessPresenter::ShowWithDesktop(std::string_view path) {
    if (!desktopOpener_) {
        SetLastError(ENOENT);
        return false;
    }
    filesShown_.emplace_back(path);
    return true;
}

HeadlessPresenter::~HeadlessPresenter() {
    SetPromptResponder(std::move(previousResponder_));
    AttachPresenter(previous_);
}

void HeadlessPresenter::Poll() {
    if (idle_ && !inIdle_) {
        inIdle_ = true;
        idle_();
        inIdle_ = false;
    }
}

void HeadlessPresenter::Wait(std::optional<DWORD> deadline) {
    if (idle_ && !inIdle_) {
        inIdle_ = true;
        const bool acted = idle_();
        inIdle_ = false;
        if (acted) return;
    }
    if (deadline) {
        if (static_cast<LONG>(*deadline - clock_) > 0) clock_ = *deadline;
        return;
    }
    if (WaitForReadableDescriptor(-1)) return;
    std::fprintf(stderr,
                 "headless presenter: the program waits for input, but none is scripted and no timer is "
                 "pending (%zu prompt(s) asked so far)\n",
                 promptsAsked_.size());
    if (!promptsAsked_.empty()) {
        const PromptRequest& last = promptsAsked_.back();
        std::fprintf(stderr, "the last: %s \"%s\": %s\n", last.kind.c_str(), last.caption.c_str(),
                     last.text.c_str());
    }
    std::abort();
}

SIZE HeadlessPresenter::RequestFrameSize(SIZE size) {
    if (size.cx < 1) size.cx = 1;
    if (size.cy < 1) size.cy = 1;
    return size;
}

int HeadlessPresenter::DispatchPending() {
    int count = 0;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT) break;
        PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        TranslateMessage(&message);
        DispatchMessageA(&message);
        ++count;
    }
    return count;
}

void HeadlessPresenter::KeyDown(UINT virtualKey, bool extended) {
    InjectKey(KeyInput{virtualKey, true, extended, 0, {}});
}

void HeadlessPresenter::KeyUp(UINT virtualKey, bool extended) {
    InjectKey(KeyInput{virtualKey, false, extended, 0, {}});
}

void HeadlessPresenter::PressKey(UINT virtualKey, bool extended) {
    KeyDown(virtualKey, extended);
    KeyUp(virtualKey, extended);
}

void HeadlessPresenter::TypeText(std::string_view cp1252Text) { InjectText(cp1252Text); }

void HeadlessPresenter::MoveMouse(POINT screenPoint) { InjectMouseMove(screenPoint); }

void HeadlessPresenter::ButtonDown(MouseButton button) {
    POINT at;
    GetCursorPos(&at);
    InjectMouseButton(button, true, at);
}

void HeadlessPresenter::ButtonUp(MouseButton button) {
    POINT at;
    GetCursorPos(&at);
    InjectMouseButton(button, false, at);
}

void HeadlessPresenter::Click(POINT screenPoint, MouseButton button) {
    InjectMouseMove(screenPoint);
    InjectMouseButton(button, true, screenPoint);
    InjectMouseButton(button, false, screenPoint);
}

bool HeadlessPresenter::DropFiles(std::vector<std::string> cp1252Paths, POINT screenPoint) {
    return InjectDroppedFiles(std::move(cp1252Paths), screenPoint);
}

void HeadlessPresenter::SetApplicationActive(bool active) { win::SetApplicationActive(active); }

bool HeadlessPresenter::SaveScreenshot(const std::string& path) const {
    return GetScreenSurface().WritePng(path);
}

COLORREF HeadlessPresenter::PixelAt(int x, int y) const { return GetScreenSurface().GetPixel(x, y); }

void HeadlessPresenter::ScriptPromptAnswer(std::string kind, PromptAnswer answer) {
    scripted_.emplace_back(std::move(kind), std::move(answer));
}

std::optional<PromptAnswer> HeadlessPresenter::Answer(const PromptRequest& request) {
    promptsAsked_.push_back(request);
    if (scripted_.empty()) return std::nullopt;
    const std::string& kind = scripted_.front().first;
    if (!kind.empty() && kind != request.kind) return std::nullopt;
    PromptAnswer answer = std::move(scripted_.front().second);
    scripted_.pop_front();
    return answer;
}

}  // namespace win
