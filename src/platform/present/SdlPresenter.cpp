#include "platform/present/SdlPresenter.h"

#include <SDL2/SDL.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "platform/gdi/Cursor.h"
#include "platform/gdi/Surface.h"
#include "platform/present/SdlKeys.h"
#include "platform/present/X11Clipboard.h"
#include "platform/present/X11WindowName.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/SystemNames.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

namespace win {
namespace {

constexpr DWORD kFrameInterval = 15;  // the screen is shown at most this often while busy
SdlPresenter* g_current = nullptr;
// Until the window manager has said how thick its borders are, room is left for a caption and
// borders this thick.
constexpr int kGuessedCaption = 40;
constexpr int kGuessedBorder = 8;

// The display's work area (the desktop less its panels) that the window is on, or the first one's.
bool WorkArea(SDL_Window* window, SDL_Rect& area) {
    const int display = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
    return SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &area) == 0 && area.w > 0 && area.h > 0;
}

// The window's borders as the window manager draws them; guessed before it has said.
void Borders(SDL_Window* window, int& top, int& left, int& bottom, int& right) {
    top = left = bottom = right = 0;
    if (window != nullptr && SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) == 0) return;
    top = kGuessedCaption;
    left = right = bottom = kGuessedBorder;
}

// The size of the window's inside cut so that the window with its borders fits the work area.
SIZE FitWorkArea(SDL_Window* window, SIZE size) {
    SDL_Rect area;
    if (!WorkArea(window, area)) return size;
    int top, left, bottom, right;
    Borders(window, top, left, bottom, right);
    size.cx = std::max(1, std::min<int>(size.cx, area.w - left - right));
    size.cy = std::max(1, std::min<int>(size.cy, area.h - top - bottom));
    return size;
}

}  // namespace

SdlPresenter::SdlPresenter(const std::string& title, SIZE size) {
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A click that focuses the OS window is a click like any other: the window layer decides with
    // WM_MOUSEACTIVATE whether activation eats it.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        throw std::runtime_error(std::string("cannot start SDL video: ") + SDL_GetError());
    }
    // The first window fits the desktop's work area, its caption and borders included.
    size = FitWorkArea(nullptr, size);
    // The screen is drawn in software: on X the window's own image takes it as it is, where a
    // renderer would first make a GL context (a quarter of a second without a GPU) for no gain. A
    // setting in the environment still wins; other drivers have no image of their own.
    if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    window_ = SDL_CreateWindow(Cp1252ToUtf8(title).c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                               size.cx, size.cy, SDL_WINDOW_RESIZABLE);
    if (window_ == nullptr) {
        std::string reason = SDL_GetError();
        SDL_Quit();
        throw std::runtime_error("cannot open a window: " + reason);
    }
    // The window's image is made now and paged in on a thread of its own while the program starts,
    // rather than when the first frame is shown.
    if (SDL_Surface* image = SDL_GetWindowSurface(window_)) {
        auto* pixels = static_cast<unsigned char*>(image->pixels);
        const std::size_t bytes = static_cast<std::size_t>(image->pitch) * static_cast<std::size_t>(image->h);
        imagePaging_ = std::thread([pixels, bytes] { std::memset(pixels, 0, bytes); });
    }
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    SDL_StartTextInput();
    descriptorWake_ = std::make_unique<DescriptorWake>();
    g_current = this;
    previous_ = AttachPresenter(this);
    SetCursorDisplayHook(&SdlPresenter::ShowCursor);
    // On X the clipboard carries pictures too, which SDL's does not.
    if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) x11Clipboard_ = OpenX11Clipboard();
    previousClipboard_ = ConnectDesktopClipboard(x11Clipboard_ ? x11Clipboard_.get() : &clipboard_);
    int width = 0, height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    SetScreenSize(SIZE{width, height});
    int x = 0, y = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SetFramePlace(POINT{x, y});
    SyncToggleKeys();
    // Shift, Ctrl or Alt held as the program starts is down at once (Alt and Shift offer new
    // preferences), not only when the key events SDL made of them are taken.
    SetHeldModifiers(SDL_GetModState());
    // A frame interval passes before a busy program's first present: a quick start shows its first
    // frame whole, once, when it first waits for input.
    lastBlit_ = Now();
}

SdlPresenter::~SdlPresenter() {
    if (imagePaging_.joinable()) imagePaging_.join();
    descriptorWake_.reset();
    if (firstFrameSocket_ >= 0) close(firstFrameSocket_);
    ConnectDesktopClipboard(previousClipboard_);
    SetCursorDisplayHook(nullptr);
    AttachPresenter(previous_);
    g_current = nullptr;
    for (auto& [handle, cursor] : cursors_) SDL_FreeCursor(cursor);
    SDL_DestroyWindow(window_);
    SDL_Quit();
}

DWORD SdlPresenter::Now() { return static_cast<DWORD>(SDL_GetTicks64()); }

void SdlPresenter::Poll() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) Handle(event);
}

// One sleep until SDL's input, the deadline or a watched descriptor (which the descriptor wake
// watches meanwhile) is due. A wait that ends early does no harm: the message loop waits again.
void SdlPresenter::Wait(std::optional<DWORD> deadline) {
    if (blitPending_) Blit();
    if (firstFrameSocket_ >= 0) TellFirstFrameIfShown();
    std::vector<int> watched = WatchedDescriptors();
    if (!watched.empty() && WaitForReadableDescriptor(0)) return;
    int timeout = -1;
    if (deadline) timeout = std::max<LONG>(static_cast<LONG>(*deadline - Now()), 0);
    if (timeout != 0 && !watched.empty()) descriptorWake_->Arm(std::move(watched));
    SDL_Event event;
    const int got = timeout < 0    ? SDL_WaitEvent(&event)
                    : timeout == 0 ? SDL_PollEvent(&event)
                                   : SDL_WaitEventTimeout(&event, timeout);
    descriptorWake_->Disarm();
    if (got) {
        Handle(event);
        Poll();
    }
}

void SdlPresenter::RaiseFrame() { SDL_RaiseWindow(window_); }

// A program that sleeps (the splash screen's wait, say) shows what it has painted first.
void SdlPresenter::Sleep(DWORD milliseconds) {
    if (blitPending_ && (milliseconds >= kFrameInterval || Now() - lastBlit_ >= kFrameInterval)) Blit();
    if (firstFrameSocket_ >= 0 && !blitPending_) TellFirstFrameIfShown();
    SDL_Delay(milliseconds);
}

void SdlPresenter::Present() {
    blitPending_ = true;
    if (Now() - lastBlit_ >= kFrameInterval) Blit();
}

void SdlPresenter::Blit() {
    if (imagePaging_.joinable()) imagePaging_.join();
    Surface& screen = GetScreenSurface();
    screen.Flush();
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(screen.Row(0), screen.Width(), screen.Height(),
                                                             32, screen.Stride(), SDL_PIXELFORMAT_RGB888);
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (source != nullptr && target != nullptr) {
        SDL_BlitSurface(source, nullptr, target, nullptr);
        SDL_UpdateWindowSurface(window_);
    }
    SDL_FreeSurface(source);
    lastBlit_ = Now();
    blitPending_ = false;
}

void SdlPresenter::TellFirstFrame(int socket) {
    if (firstFrameSocket_ >= 0) close(firstFrameSocket_);
    firstFrameSocket_ = socket;
}

void SdlPresenter::TellFirstFrameIfShown() {
    HWND frame = GetPresentedFrame();
    if (frame == nullptr || !IsWindowVisible(frame)) return;
    int width = 0, height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    const std::string line = "painted " + std::to_string(width) + " " + std::to_string(height) + "\n";
    // A reader that has gone is no reason to stop (nor, with no signal, to end the program).
    [[maybe_unused]] const ssize_t sent = send(firstFrameSocket_, line.data(), line.size(), MSG_NOSIGNAL);
    close(firstFrameSocket_);
    firstFrameSocket_ = -1;
}

SIZE SdlPresenter::RequestFrameSize(SIZE size) {
    if (size.cx < 1) size.cx = 1;
    if (size.cy < 1) size.cy = 1;
    // A size remembered on a larger desktop is cut to this one's work area.
    size = FitWorkArea(window_, size);
    SDL_SetWindowSize(window_, size.cx, size.cy);
    KeepInWorkArea();
    return size;
}

void SdlPresenter::MoveFrame(POINT place) { SDL_SetWindowPosition(window_, place.x, place.y); }

// The work area of the display the window is on: the desktop less its panels.
std::optional<RECT> SdlPresenter::FrameDesktop() {
    SDL_Rect bounds;
    if (!WorkArea(window_, bounds)) return std::nullopt;
    return RECT{bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
}

void SdlPresenter::KeepInWorkArea() {
    SDL_Rect area;
    if ((SDL_GetWindowFlags(window_) & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_FULLSCREEN)) != 0 ||
        !WorkArea(window_, area))
        return;
    int top, left, bottom, right;
    Borders(window_, top, left, bottom, right);
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &width, &height);
    const int fittedX = std::max(area.x + left, std::min(x, area.x + area.w - right - width));
    const int fittedY = std::max(area.y + top, std::min(y, area.y + area.h - bottom - height));
    if (fittedX != x || fittedY != y) SDL_SetWindowPosition(window_, fittedX, fittedY);
}

void SdlPresenter::SetFrameState(FrameState state) {
    if (followingOs_) return;
    switch (state) {
        case FrameState::Maximized: SDL_MaximizeWindow(window_); break;
        case FrameState::Minimized: SDL_MinimizeWindow(window_); break;
        case FrameState::Normal: SDL_RestoreWindow(window_); break;
    }
}

void SdlPresenter::SetFrameTitle(std::string_view title) {
    const std::string name = Cp1252ToUtf8(title);
    SDL_SetWindowTitle(window_, name.c_str());
    SetX11WindowName(window_, name);
}

void SdlPresenter::FollowFrameState(FrameState state) {
    HWND frame = GetPresentedFrame();
    if (frame == nullptr) return;
    const bool now = state == FrameState::Maximized   ? IsZoomed(frame)
                     : state == FrameState::Minimized ? IsIconic(frame)
                                                      : !IsZoomed(frame) && !IsIconic(frame);
    if (now) return;
    followingOs_ = true;
    ShowWindow(frame, state == FrameState::Maximized   ? SW_MAXIMIZE
                      : state == FrameState::Minimized ? SW_MINIMIZE
                                                       : SW_RESTORE);
    followingOs_ = false;
}

void SdlPresenter::SyncToggleKeys() {
    const SDL_Keymod mods = SDL_GetModState();
    SetToggleKeyState(VK_CAPITAL, (mods & KMOD_CAPS) != 0);
    SetToggleKeyState(VK_NUMLOCK, (mods & KMOD_NUM) != 0);
}

void SdlPresenter::HandleKey(const SDL_KeyboardEvent& key) {
    const bool numLock = (SDL_GetModState() & KMOD_NUM) != 0;
    const MappedKey mapped = MapSdlKey(key.keysym.scancode, key.keysym.sym, numLock);
    if (mapped.virtualKey == 0) return;
    KeyInput input;
    input.virtualKey = mapped.virtualKey;
    input.down = key.state == SDL_PRESSED;
    input.extended = mapped.extended;
    input.scanCode = static_cast<UINT>(key.keysym.scancode);
    if (input.down) {
        // The characters the layout made of this key arrive as the very next event.
        SDL_Event next;
        if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
            next.type == SDL_TEXTINPUT) {
            SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT);
            input.text = Utf8ToCp1252(next.text.text, &input.unkept);
        }
    }
    InjectKey(input);
}

void SdlPresenter::HandleWindowEvent(const SDL_Event& event) {
    switch (event.window.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            SetScreenSize(SIZE{event.window.data1, event.window.data2});
            blitPending_ = true;
            break;
        case SDL_WINDOWEVENT_MOVED:
            // Where a maximised or minimised window sits is not where it is restored to.
            if (!(SDL_GetWindowFlags(window_) & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED)))
                SetFramePlace(POINT{event.window.data1, event.window.data2});
            break;
        case SDL_WINDOWEVENT_EXPOSED: blitPending_ = true; break;  // shown by the next present or wait
        case SDL_WINDOWEVENT_SHOWN:
            // The window manager has framed the window by now: its borders are known.
            if (!fitted_) {
                fitted_ = true;
                int width = 0, height = 0;
                SDL_GetWindowSize(window_, &width, &height);
                const SIZE fitting = FitWorkArea(window_, SIZE{width, height});
                if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) == 0 &&
                    (fitting.cx != width || fitting.cy != height)) {
                    SDL_SetWindowSize(window_, fitting.cx, fitting.cy);
                    SetScreenSize(fitting);
                    blitPending_ = true;
                }
                KeepInWorkArea();
            }
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            SyncToggleKeys();
            SetApplicationActive(true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST: SetApplicationActive(false); break;
        case SDL_WINDOWEVENT_MAXIMIZED: FollowFrameState(FrameState::Maximized); break;
        case SDL_WINDOWEVENT_MINIMIZED: FollowFrameState(FrameState::Minimized); break;
        case SDL_WINDOWEVENT_RESTORED: FollowFrameState(FrameState::Normal); break;
        case SDL_WINDOWEVENT_CLOSE:
            if (HWND frame = GetPresentedFrame()) {
                PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
            } else {
                PostQuitMessage(0);
            }
            break;
        default: break;
    }
}

void SdlPresenter::Handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            if (HWND frame = GetPresentedFrame()) {
                PostMessageA(frame, WM_CLOSE, 0, 0);
            } else {
                PostQuitMessage(0);
            }
            break;
        case SDL_WINDOWEVENT: HandleWindowEvent(event); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: HandleKey(event.key); break;
        case SDL_TEXTINPUT: {
            bool unkept = false;
            const std::string text = Utf8ToCp1252(event.text.text, &unkept);
            InjectText(text, unkept);
            break;
        }
        case SDL_MOUSEMOTION: InjectMouseMove(POINT{event.motion.x, event.motion.y}); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const MouseButton button = event.button.button == SDL_BUTTON_RIGHT    ? MouseButton::Right
                                       : event.button.button == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                                                                  : MouseButton::Left;
            if (event.button.button > SDL_BUTTON_RIGHT) break;
            InjectMouseButton(button, event.type == SDL_MOUSEBUTTONDOWN,
                              POINT{event.button.x, event.button.y});
            break;
        }
        case SDL_MOUSEWHEEL: {
            POINT at;
            GetCursorPos(&at);
            InjectMouseWheel(event.wheel.y * 120, at);
            break;
        }
        case SDL_DROPBEGIN: drops_.clear(); break;
        case SDL_DROPFILE:
            // A file the program cannot name could not be opened: it is left out of the drop.
            if (std::optional<std::string> name = NameFromSystem(event.drop.file)) drops_.push_back(*name);
            SDL_free(event.drop.file);
            break;
        case SDL_DROPCOMPLETE: {
            POINT at;
            GetCursorPos(&at);
            InjectDroppedFiles(std::move(drops_), at);
            drops_.clear();
            break;
        }
        default: break;
    }
}

void SdlPresenter::ShowCursor(HCURSOR cursor) {
    if (g_current == nullptr) return;
    if (cursor == nullptr) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_Cursor*& shown = g_current->cursors_[cursor];
    if (shown == nullptr) {
        const CursorImage* image = GetCursorImage(cursor);
        if (image == nullptr || image->pixels.empty()) return;
        SDL_Surface* surface =
            SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(image->pixels.data()), image->width,
                                               image->height, 32, image->width * 4, SDL_PIXELFORMAT_ARGB8888);
        if (surface == nullptr) return;
        shown = SDL_CreateColorCursor(surface, image->hotSpot.x, image->hotSpot.y);
        SDL_FreeSurface(surface);
        if (shown == nullptr) return;
    }
    SDL_SetCursor(shown);
    SDL_ShowCursor(SDL_ENABLE);
}

}  // namespace win
