#include <algorithm>
#include <vector>

#include "platform/ui/InputQueue.h"
#include "platform/ui/Queue.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Timer.h"
#include "platform/ui/TimerTable.h"
#include "platform/ui/WindowTree.h"

namespace win {
namespace detail {
namespace {

struct Timer {
    HWND window = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    DWORD due = 0;
    TIMERPROC proc = nullptr;
};

struct TimerList {
    std::vector<Timer> timers;
    UINT_PTR nextThreadTimer = 0x7FF0;
};

TimerList& Timers() {
    static TimerList list;
    return list;
}

bool IsDue(const Timer& timer, DWORD now) { return static_cast<LONG>(now - timer.due) >= 0; }

bool Passes(const Timer& timer, HWND filter) { return PassesFilter(timer.window, WM_TIMER, filter, 0, 0); }

}  // namespace

void KillTimersOf(HWND window) {
    auto& timers = Timers().timers;
    timers.erase(
        std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.window == window; }),
        timers.end());
}

std::optional<DWORD> NextTimerDue(HWND filter) {
    std::optional<DWORD> next;
    const DWORD now = Now();
    for (const Timer& timer : Timers().timers) {
        if (!Passes(timer, filter)) continue;
        if (!next || static_cast<LONG>(timer.due - *next) < 0) next = timer.due;
    }
    if (next && static_cast<LONG>(*next - now) < 0) next = now;
    return next;
}

bool TakeDueTimer(MSG* message, HWND filter, bool remove) {
    const DWORD now = Now();
    Timer* earliest = nullptr;
    for (Timer& timer : Timers().timers) {
        if (!IsDue(timer, now) || !Passes(timer, filter)) continue;
        if (earliest == nullptr || static_cast<LONG>(timer.due - earliest->due) < 0) earliest = &timer;
    }
    if (earliest == nullptr) return false;
    message->hwnd = earliest->window;
    message->message = WM_TIMER;
    message->wParam = earliest->id;
    message->lParam = reinterpret_cast<LPARAM>(earliest->proc);
    message->time = now;
    message->pt = Input().cursor;
    if (remove) earliest->due = now + earliest->interval;
    return true;
}

std::size_t TimerCount() { return Timers().timers.size(); }

}  // namespace detail

using namespace detail;

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC proc) {
    if (window != nullptr && Tree().Find(window) == nullptr) return 0;
    TimerList& list = Timers();
    const UINT interval = std::clamp<UINT>(milliseconds, USER_TIMER_MINIMUM, 0x7FFFFFFF);
    const DWORD due = Now() + interval;
    if (window == nullptr) {
        auto found = std::find_if(list.timers.begin(), list.timers.end(), [&](const Timer& t) {
            return t.window == nullptr && id != 0 && t.id == id;
        });
        if (found != list.timers.end()) {
            *found = Timer{nullptr, id, interval, due, proc};
            return id;
        }
        const UINT_PTR fresh = list.nextThreadTimer++;
        list.timers.push_back(Timer{nullptr, fresh, interval, due, proc});
        return fresh;
    }
    auto found = std::find_if(list.timers.begin(), list.timers.end(),
                              [&](const Timer& t) { return t.window == window && t.id == id; });
    if (found != list.timers.end()) {
        *found = Timer{window, id, interval, due, proc};
    } else {
        list.timers.push_back(Timer{window, id, interval, due, proc});
    }
    return id != 0 ? id : 1;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    auto& timers = Timers().timers;
    auto found = std::find_if(timers.begin(), timers.end(),
                              [&](const Timer& t) { return t.window == window && t.id == id; });
    if (found == timers.end()) return FALSE;
    timers.erase(found);
    return TRUE;
}

DWORD GetTickCount() {
    // A program that reads the clock over and over without taking a message is waiting for time to
    // pass: each repeated read lets a millisecond go by, so busy waits end under the virtual clock.
    static DWORD lastValue = 0;
    static unsigned long lastTaken = 0;
    static bool read = false;
    DWORD now = Now();
    if (read && now == lastValue && MessagesTaken() == lastTaken) {
        CurrentPresenter().Sleep(1);
        now = Now();
    }
    lastValue = now;
    lastTaken = MessagesTaken();
    read = true;
    return now;
}

void Sleep(DWORD milliseconds) { CurrentPresenter().Sleep(milliseconds); }

UINT GetDoubleClickTime() { return 500; }
UINT GetCaretBlinkTime() { return 530; }

}  // namespace win
