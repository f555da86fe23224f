#pragma once
// The link between the window layer and whatever shows it. A presenter owns the clock, brings OS
// input into the layer (InputEvents.h), shows the screen surface and carries the frame window's size,
// place, state and title to the OS window. Exactly one presenter is attached at a time; until one is, the
// layer runs detached on the real clock with no input.

#include <optional>
#include <string_view>

#include "platform/sys/WinTypes.h"

namespace win {

enum class FrameState { Normal, Minimized, Maximized };

class Presenter {
public:
    virtual ~Presenter() = default;

    // Milliseconds of the presenter's clock.
    virtual DWORD Now() = 0;
    // Takes the OS events waiting now, without waiting.
    virtual void Poll() = 0;
    // Waits until input arrives, a watched descriptor is readable (Descriptors.h) or the clock
    // reaches the deadline (when there is one). Called only when the queue has nothing for the caller.
    virtual void Wait(std::optional<DWORD> deadline) = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
    // Shows the screen surface as it is now.
    virtual void Present() = 0;

    // The frame window asks for a client size; the answer is the size the screen now has.
    virtual SIZE RequestFrameSize(SIZE size) = 0;
    // The frame window is placed: the OS window's top-left corner goes to that point of the OS
    // desktop. Nothing moves by default.
    virtual void MoveFrame(POINT) {}
    // The OS desktop the OS window is placed on, in the coordinates of MoveFrame; none by default.
    virtual std::optional<RECT> FrameDesktop() { return std::nullopt; }
    virtual void SetFrameState(FrameState state) = 0;
    virtual void SetFrameTitle(std::string_view cp1252Title) = 0;
    // Brings the OS window in front of the desktop's other windows (a later start of the program
    // hands over to this one).
    virtual void RaiseFrame() {}
    // Where a desktop bar covers the screen, in screen coordinates; none by default.
    virtual std::optional<RECT> Taskbar() { return std::nullopt; }
    // Shows the file (a path in program text) with the desktop's opener, "xdg-open", which runs on
    // its own; false (GetLastError says why) when the opener could not be started.
    virtual bool ShowWithDesktop(std::string_view path);
};

// Attaches a presenter (null detaches); the previous one is answered. The caller keeps ownership.
Presenter* AttachPresenter(Presenter* presenter);
Presenter* GetPresenter();

// The screen (the desktop window's size). Presenters set it when their OS window changes size; the
// frame window follows it.
void SetScreenSize(SIZE size);
SIZE GetScreenSize();

// The frame window: the first overlapped top-level window, which the presenter shows as its OS
// window. Null while there is none.
HWND GetPresentedFrame();

// Where the OS window sits on the OS desktop: the frame window's place, which is where its restored
// rectangle stands in GetWindowPlacement (its window rectangle is the screen's). SetWindowPos,
// MoveWindow and SetWindowPlacement move it (and the presenter moves the OS window); presenters report
// the OS window's moves with SetFramePlace, which the frame hears as a move while it is restored.
void SetFramePlace(POINT place);
POINT GetFramePlace();
// The OS desktop the frame may be placed on, in the coordinates of its place: the presenter's, else
// the screen's rectangle.
RECT GetFrameDesktop();

// The pixels of the screen: what presenters show, screenshots save and tests read back.
class Surface;
Surface& GetScreenSurface();

}  // namespace win
