#include "platform/ui/MessageQueue.h"

#include <algorithm>
#include <deque>
#include <string>

#include "platform/ui/Descriptors.h"
#include "platform/ui/Dispatch.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputQueue.h"
#include "platform/ui/KeyCharacters.h"
#include "platform/ui/Painting.h"
#include "platform/ui/Queue.h"
#include "platform/ui/RegisteredNames.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Timer.h"
#include "platform/ui/TimerTable.h"
#include "platform/ui/UnkeptText.h"
#include "platform/ui/VirtualKeys.h"

namespace win {
namespace detail {
namespace {

struct PostedQueue {
    std::deque<MSG> messages;
    bool quit = false;
    int quitCode = 0;
    MSG last;
    unsigned long taken = 0;
    RegisteredNames registered;
};

PostedQueue& Posted() {
    static PostedQueue queue;
    return queue;
}

bool InRange(UINT number, UINT first, UINT last) {
    return (first == 0 && last == 0) || (number >= first && number <= last);
}

bool Remember(MSG* message) {
    PostedQueue& queue = Posted();
    queue.last = *message;
    ++queue.taken;
    return true;
}

MSG Make(HWND window, UINT number, WPARAM wParam, LPARAM lParam) {
    MSG message;
    message.hwnd = window;
    message.message = number;
    message.wParam = wParam;
    message.lParam = lParam;
    message.time = Now();
    message.pt = Input().cursor;
    return message;
}

}  // namespace

bool PassesFilter(HWND window, UINT number, HWND filter, UINT first, UINT last) {
    if (!InRange(number, first, last)) return false;
    if (filter == nullptr) return true;
    if (filter == reinterpret_cast<HWND>(-1)) return window == nullptr;
    if (window == filter) return true;
    Window* target = Tree().Find(window);
    Window* ancestor = Tree().Find(filter);
    return target != nullptr && ancestor != nullptr && IsDescendant(*ancestor, *target);
}

bool TakeMessage(MSG* message, HWND filter, UINT first, UINT last, bool remove) {
    PostedQueue& queue = Posted();
    for (auto it = queue.messages.begin(); it != queue.messages.end(); ++it) {
        if (!PassesFilter(it->hwnd, it->message, filter, first, last)) continue;
        *message = *it;
        if (remove) queue.messages.erase(it);
        return Remember(message);
    }
    if (TakeInput(message, filter, first, last, remove)) return Remember(message);
    if (queue.quit && InRange(WM_QUIT, first, last)) {
        *message = Make(nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0);
        if (remove) queue.quit = false;
        return Remember(message);
    }
    if (InRange(WM_PAINT, first, last)) {
        while (Window* window = NextWindowToPaint(filter)) {
            if (PaintNonClientOnly(*window)) continue;
            *message = Make(window->handle, WM_PAINT, 0, 0);
            return Remember(message);
        }
    }
    if (InRange(WM_TIMER, first, last) && TakeDueTimer(message, filter, remove)) return Remember(message);
    return false;
}

void DiscardMessagesFor(HWND window) {
    auto& messages = Posted().messages;
    messages.erase(
        std::remove_if(messages.begin(), messages.end(), [&](const MSG& m) { return m.hwnd == window; }),
        messages.end());
    DiscardInputFor(window);
}

const MSG& LastMessage() { return Posted().last; }
unsigned long MessagesTaken() { return Posted().taken; }

}  // namespace detail

using namespace detail;

BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last) {
    if (message == nullptr) return FALSE;
    for (;;) {
        if (TakeMessage(message, window, first, last, true)) return message->message != WM_QUIT;
        Presenter& presenter = CurrentPresenter();
        presenter.Present();
        presenter.Poll();
        ServeReadableDescriptors();
        if (TakeMessage(message, window, first, last, true)) return message->message != WM_QUIT;
        const bool timers = first == 0 && last == 0 ? true : (WM_TIMER >= first && WM_TIMER <= last);
        presenter.Wait(timers ? NextTimerDue(window) : std::nullopt);
    }
}

BOOL PeekMessageA(MSG* message, HWND window, UINT first, UINT last, UINT removal) {
    if (message == nullptr) return FALSE;
    const bool remove = (removal & PM_REMOVE) != 0;
    if (TakeMessage(message, window, first, last, remove)) return TRUE;
    Presenter& presenter = CurrentPresenter();
    presenter.Present();
    presenter.Poll();
    ServeReadableDescriptors();
    return TakeMessage(message, window, first, last, remove) ? TRUE : FALSE;
}

BOOL WaitMessage() {
    MSG message;
    if (TakeMessage(&message, nullptr, 0, 0, false)) return TRUE;
    Presenter& presenter = CurrentPresenter();
    presenter.Present();
    presenter.Poll();
    ServeReadableDescriptors();
    if (TakeMessage(&message, nullptr, 0, 0, false)) return TRUE;
    presenter.Wait(NextTimerDue(nullptr));
    return TRUE;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && Tree().Find(window) == nullptr) return FALSE;
    Posted().messages.push_back(Make(window, message, wParam, lParam));
    return TRUE;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* target = Tree().FindOrDesktop(window);
    if (target == nullptr) return 0;
    return Send(*target, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    Posted().quit = true;
    Posted().quitCode = exitCode;
}

BOOL TranslateMessage(const MSG* message) {
    if (message == nullptr) return FALSE;
    const UINT number = message->message;
    if (number != WM_KEYDOWN && number != WM_KEYUP && number != WM_SYSKEYDOWN && number != WM_SYSKEYUP)
        return FALSE;
    if (number == WM_KEYUP || number == WM_SYSKEYUP) return TRUE;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool capsLock = (GetKeyState(VK_CAPITAL) & 1) != 0;
    const std::optional<char> character =
        KeyCharacter(static_cast<UINT>(message->wParam), shift, control, capsLock);
    if (!character) return TRUE;
    const UINT charMessage = number == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    const std::string* layoutText = LayoutTextFor(*message);
    if (layoutText != nullptr && !control) {
        for (char c : *layoutText) {
            PostMessageA(message->hwnd, charMessage, static_cast<BYTE>(c), message->lParam);
        }
        if (Input().lastKeyTextUnkept) NoteUnkeptText();
        return TRUE;
    }
    PostMessageA(message->hwnd, charMessage, static_cast<BYTE>(*character), message->lParam);
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* message) {
    if (message == nullptr) return 0;
    if (message->message == WM_TIMER && message->lParam != 0) {
        auto proc = reinterpret_cast<TIMERPROC>(message->lParam);
        proc(message->hwnd, WM_TIMER, message->wParam, message->time);
        return 0;
    }
    Window* target = Tree().Find(message->hwnd);
    if (target == nullptr) return 0;
    return Send(*target, message->message, message->wParam, message->lParam);
}

UINT RegisterWindowMessageA(const char* name) { return Posted().registered.Register(name); }

LONG GetMessageTime() { return static_cast<LONG>(LastMessage().time); }

DWORD GetMessagePos() {
    const POINT& pt = LastMessage().pt;
    return static_cast<DWORD>(
        MAKELONG(static_cast<WORD>(static_cast<SHORT>(pt.x)), static_cast<WORD>(static_cast<SHORT>(pt.y))));
}

}  // namespace win
