#include "platform/ui/Screen.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include "platform/gdi/DisplayDC.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/Painting.h"
#include "platform/ui/Placement.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/WindowTree.h"

namespace win {
namespace detail {
namespace {

// Until a presenter is attached the layer runs on the real clock with no input: a loop that waits
// with nothing to wait for (no timer, no watched descriptor) would never end, so that is reported
// and the program stops.
class DetachedPresenter final : public Presenter {
public:
    DWORD Now() override {
        using namespace std::chrono;
        return static_cast<DWORD>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    void Poll() override {}
    void Wait(std::optional<DWORD> deadline) override {
        if (!deadline) {
            if (WaitForReadableDescriptor(-1)) return;
            std::fprintf(stderr,
                         "fablecore: the message loop waits for input, but no presenter is attached\n");
            std::abort();
        }
        const LONG left = static_cast<LONG>(*deadline - Now());
        if (left <= 0) return;
        if (IsWatchingDescriptors()) {
            WaitForReadableDescriptor(left);
        } else {
            Sleep(static_cast<DWORD>(left));
        }
    }
    void Sleep(DWORD milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    void Present() override {}
    SIZE RequestFrameSize(SIZE size) override { return size; }
    void SetFrameState(FrameState) override {}
    void SetFrameTitle(std::string_view) override {}
};

struct PresenterLink {
    DetachedPresenter detached;
    Presenter* attached = nullptr;
    SIZE screen{1024, 768};
    POINT framePlace{0, 0};
    std::unique_ptr<Surface> surface;
};

PresenterLink& Link() {
    static PresenterLink link;
    return link;
}

}  // namespace

Presenter& CurrentPresenter() {
    PresenterLink& link = Link();
    return link.attached != nullptr ? *link.attached : link.detached;
}

DWORD Now() { return CurrentPresenter().Now(); }

void ApplyScreenSize(SIZE size) {
    if (size.cx < 1) size.cx = 1;
    if (size.cy < 1) size.cy = 1;
    PresenterLink& link = Link();
    const bool changed = link.screen.cx != size.cx || link.screen.cy != size.cy;
    link.screen = size;
    Window& desktop = Tree().Desktop();
    desktop.rect = RECT{0, 0, size.cx, size.cy};
    desktop.client = desktop.rect;
    if (changed || link.surface == nullptr) {
        link.surface = std::make_unique<Surface>(size.cx, size.cy, GetSysColor(COLOR_BACKGROUND));
        SetScreenSurface(link.surface.get());
        ScreenReplaced();
    }
}

Surface& ScreenSurface() {
    PresenterLink& link = Link();
    if (link.surface == nullptr) ApplyScreenSize(link.screen);
    return *link.surface;
}

void KeepFramePlace(POINT place) { Link().framePlace = place; }

}  // namespace detail

Presenter* AttachPresenter(Presenter* presenter) {
    detail::PresenterLink& link = detail::Link();
    Presenter* previous = link.attached;
    link.attached = presenter;
    return previous;
}

Presenter* GetPresenter() { return detail::Link().attached; }

void SetScreenSize(SIZE size) {
    detail::ApplyScreenSize(size);
    detail::FitFrameToScreen();
}

SIZE GetScreenSize() { return detail::Link().screen; }

Surface& GetScreenSurface() { return detail::ScreenSurface(); }

HWND GetPresentedFrame() {
    detail::Window* frame = detail::Tree().Frame();
    return frame != nullptr ? frame->handle : nullptr;
}

void SetFramePlace(POINT place) {
    detail::Window* frame = detail::Tree().Frame();
    // A minimised or maximised frame keeps the place it is restored to.
    if (frame == nullptr) {
        detail::KeepFramePlace(place);
    } else if (!frame->IsMinimized() && !frame->IsMaximized()) {
        detail::SetWindowPosition(*frame, nullptr, place.x, place.y, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | detail::SWP_FROMSCREEN);
    }
}

POINT GetFramePlace() { return detail::Link().framePlace; }

RECT GetFrameDesktop() {
    if (std::optional<RECT> desktop = detail::CurrentPresenter().FrameDesktop()) return *desktop;
    const SIZE screen = GetScreenSize();
    return RECT{0, 0, screen.cx, screen.cy};
}

}  // namespace win
