#include "framework/InputHelpers.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timer.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

std::int16_t Short(int value) { return static_cast<std::int16_t>(value); }

bool IsDown(int virtualKey, int asOfMessage) {
    return (asOfMessage != 0 ? GetKeyState(virtualKey) : GetAsyncKeyState(virtualKey)) < 0;
}

struct TypeAheadState {
    std::string text;
    std::uint32_t lastTime = 0;
    bool started = false;
};

TypeAheadState& TypeAheadText() {
    static TypeAheadState state;
    return state;
}

}  // namespace

bool IsControlKeyDown(int asOfMessage) { return IsDown(VK_CONTROL, asOfMessage); }
bool IsShiftKeyDown(int asOfMessage) { return IsDown(VK_SHIFT, asOfMessage); }
bool IsAltKeyDown(int asOfMessage) { return IsDown(VK_MENU, asOfMessage); }

void GetMousePoint(HWND window, ShortPoint& point) {
    POINT position;
    GetCursorPos(&position);
    ScreenToClient(window, &position);
    point = ShortPoint{Short(position.x), Short(position.y)};
}

bool StillDown(ShortPoint& point, HWND window) {
    GetMousePoint(window, point);
    if (GetCapture() != window) return false;
    MSG message;
    if (PeekMessageA(&message, nullptr, WM_CANCELMODE, WM_CANCELMODE, PM_REMOVE | PM_NOYIELD)) return false;
    if (PeekMessageA(&message, window, WM_MOUSEMOVE, WM_LBUTTONUP, PM_REMOVE | PM_NOYIELD)) {
        return message.message != WM_LBUTTONUP;
    }
    return true;
}

// Sleeping instead of spinning: the wait is the same, and the program's clock (virtual in tests)
// moves on.
void DelayTicks(int n) {
    if (n > 0) Sleep(static_cast<DWORD>(55 * n));
}

std::uint64_t TickCount() { return static_cast<std::uint64_t>(GetTickCount()) * 6 / 100; }

std::time_t CurrentTime() { return std::time(nullptr); }

void FormatNow(char* buffer, std::size_t size) {
    if (!buffer || size == 0) return;
    const std::time_t now = CurrentTime();
    std::tm local{};
    localtime_r(&now, &local);
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, "%A, %B %-d, %Y %-I:%M:%S %p", &local);
    const std::size_t kept = std::min(length, size - 1);
    std::memcpy(buffer, text, kept);
    buffer[kept] = '\0';
}

const std::string& TypeAhead(char character, std::uint32_t time) {
    TypeAheadState& state = TypeAheadText();
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    if (!state.started || time - state.lastTime >= GetDoubleClickTime()) state.text.clear();
    if (state.text.size() < kMaxTypeAheadLength) state.text.push_back(lower);
    state.lastTime = time;
    state.started = true;
    return state.text;
}

void FrameworkStartHook() {}
void FrameworkEndHook() {}

void SetShortRect(ShortRect& rect, int top, int left, int bottom, int right) {
    rect = ShortRect{Short(top), Short(left), Short(bottom), Short(right)};
}

void SetLTRB(ShortRect& rect, int left, int top, int right, int bottom) {
    SetShortRect(rect, top, left, bottom, right);
}

ShortPoint ClampPoint(const ShortRect& rect, ShortPoint point) {
    // An empty rectangle has no inside; its top-left corner is the nearest it has.
    const int right = std::max<int>(rect.left, rect.right - 1);
    const int bottom = std::max<int>(rect.top, rect.bottom - 1);
    return ShortPoint{Short(std::clamp<int>(point.x, rect.left, right)),
                      Short(std::clamp<int>(point.y, rect.top, bottom))};
}

WindowPosRecord::WindowPosRecord(std::int32_t newState, int newX, int newY, int newWidth, int newHeight)
    : state(newState), x(Short(newX)), y(Short(newY)), width(Short(newWidth)), height(Short(newHeight)) {}

WindowPosRecord::WindowPosRecord(std::int32_t newState, const ShortRect& rect) : state(newState) {
    SetRect(rect);
}

ShortRect WindowPosRecord::GetRect() const { return ShortRect{y, x, Short(y + height), Short(x + width)}; }

void WindowPosRecord::SetPosition(int newX, int newY) {
    x = Short(newX);
    y = Short(newY);
}

void WindowPosRecord::SetRect(const ShortRect& rect) {
    SetPosition(rect.left, rect.top);
    SetSize(rect.Width(), rect.Height());
}

void WindowPosRecord::SetSize(int newWidth, int newHeight) {
    width = Short(newWidth);
    height = Short(newHeight);
}
