#pragma once
// The presenter for real use: one SDL window shows the screen surface, and SDL's keyboard, text,
// mouse, window and drop events become the window layer's input. The frame window is the OS window:
// its size, place, state and title follow each other both ways, and closing the OS window asks the frame to
// close (it may refuse, to ask about unsaved changes). Text on the clipboard is exchanged with the
// desktop's, and on X pictures too.

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/present/DescriptorWake.h"
#include "platform/present/SdlClipboard.h"
#include "platform/ui/Presenter.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;
struct SDL_KeyboardEvent;

namespace win {

class SdlPresenter final : public Presenter {
public:
    // Opens the OS window and attaches itself; throws std::runtime_error with SDL's reason when the
    // window cannot be opened.
    SdlPresenter(const std::string& title, SIZE size);
    ~SdlPresenter() override;
    SdlPresenter(const SdlPresenter&) = delete;
    SdlPresenter& operator=(const SdlPresenter&) = delete;

    DWORD Now() override;
    void Poll() override;
    void Wait(std::optional<DWORD> deadline) override;
    void Sleep(DWORD milliseconds) override;
    void Present() override;
    SIZE RequestFrameSize(SIZE size) override;
    void MoveFrame(POINT place) override;
    std::optional<RECT> FrameDesktop() override;
    void SetFrameState(FrameState state) override;
    void SetFrameTitle(std::string_view title) override;
    void RaiseFrame() override;

    // Once the frame window is first shown painted (the program waits for input with everything
    // drawn and on the display), sends "painted <width> <height>" and a line break on the stream
    // socket and closes it: how a program that started this one learns that it is ready to use.
    void TellFirstFrame(int socket);

private:
    void Handle(const SDL_Event& event);
    void HandleKey(const SDL_KeyboardEvent& key);
    void HandleWindowEvent(const SDL_Event& event);
    void FollowFrameState(FrameState state);
    // Moves the window, when it is neither maximised nor full-screen, so that it and its borders
    // lie in the work area of its display.
    void KeepInWorkArea();
    void SyncToggleKeys();
    void Blit();
    void TellFirstFrameIfShown();
    static void ShowCursor(HCURSOR cursor);

    SDL_Window* window_ = nullptr;
    Presenter* previous_ = nullptr;
    DWORD lastBlit_ = 0;
    bool blitPending_ = true;
    bool followingOs_ = false;
    bool fitted_ = false;  // fitted to the work area once the window manager framed it
    int firstFrameSocket_ = -1;
    std::thread imagePaging_;  // pages the window's image in while the program starts
    std::vector<std::string> drops_;
    std::map<HCURSOR, SDL_Cursor*> cursors_;
    SdlClipboard clipboard_;
    std::unique_ptr<DesktopClipboard> x11Clipboard_;  // on X, in place of SDL's
    DesktopClipboard* previousClipboard_ = nullptr;
    std::unique_ptr<DescriptorWake> descriptorWake_;  // made once SDL's events run
};

}  // namespace win
