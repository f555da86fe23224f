#pragma once
// Small input and timing helpers shared by windows and items: modifier keys, the mouse, waiting,
// the framework's tick count, the time of day, type-ahead, and the rectangle and point helpers that
// go with ShortRect.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"

// With a non-zero flag the key as of the message taken last; with 0 the key as it is now.
bool IsControlKeyDown(int asOfMessage);
bool IsShiftKeyDown(int asOfMessage);
bool IsAltKeyDown(int asOfMessage);

// The mouse position in the window's client coordinates.
void GetMousePoint(win::HWND window, ShortPoint& point);

// True while the window holds the mouse capture, no WM_CANCELMODE is waiting (one that is, is taken)
// and the first waiting mouse message of the window (taken) is not WM_LBUTTONUP. The mouse position
// is always returned.
bool StillDown(ShortPoint& point, win::HWND window);

// Waits n ticks of 55 milliseconds.
void DelayTicks(int n);

// Sixtieths of a second of the program's clock.
std::uint64_t TickCount();

// The calendar time in seconds.
std::time_t CurrentTime();

// The long date, a blank and the time ("Monday, December 7, 2026 1:27:37 PM") into the buffer, cut to
// size - 1 characters.
void FormatNow(char* buffer, std::size_t size);

// Typed characters gathered into a search text: the character (in lower case) starts a new text
// when at least the double-click time has passed since the previous one, else it is appended. The
// time is in milliseconds. Answers the text.
const std::string& TypeAhead(char character, std::uint32_t time);
inline constexpr std::size_t kMaxTypeAheadLength = 31;

// The hooks the main routine calls around the application's run; they do nothing.
void FrameworkStartHook();
void FrameworkEndHook();

// --- ShortRect and ShortPoint helpers

// Sets the rectangle from arguments in storage order (top, left, bottom, right).
void SetShortRect(ShortRect& rect, int top, int left, int bottom, int right);
// Sets it from arguments in the order left, top, right, bottom.
void SetLTRB(ShortRect& rect, int left, int top, int right, int bottom);
// ShortRect::Contains with the arguments exchanged.
inline bool InRect(ShortPoint point, const ShortRect& rect) { return rect.Contains(point); }
// Moves the point into the rectangle: x into left .. right - 1, y into top .. bottom - 1.
ShortPoint ClampPoint(const ShortRect& rect, ShortPoint point);
inline bool PointsDiffer(ShortPoint a, ShortPoint b) { return !(a == b); }
// The rectangle as a Windows RECT: 32-bit left, top, right, bottom.
inline win::RECT ShortRectToRECT(const ShortRect& rect) { return rect.ToRECT(); }

// --- Window positions

// A window's state and its position and size, as ConstrainWindowPos gets them.
struct WindowPosRecord {
    enum State : std::int32_t { kNormal = 0, kMinimized = 1, kMaximized = 2 };

    std::int32_t state = kNormal;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;

    WindowPosRecord() = default;
    WindowPosRecord(std::int32_t state, int x, int y, int width, int height);
    WindowPosRecord(std::int32_t state, const ShortRect& rect);

    ShortPoint GetPosition() const { return ShortPoint{x, y}; }
    ShortRect GetRect() const;
    void SetPosition(ShortPoint point) { SetPosition(point.x, point.y); }
    void SetPosition(int newX, int newY);
    void SetRect(const ShortRect& rect);
    void SetSize(ShortPoint size) { SetSize(size.x, size.y); }
    void SetSize(int newWidth, int newHeight);
};
