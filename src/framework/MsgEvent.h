#pragma once
// What window handlers get instead of raw messages: a MsgEvent records one window message; a
// KeyEvent adds the framework's own key code, which does not depend on the virtual-key numbering or
// on the case of letters and comes in steps of 256.

#include <cstdint>

#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"

// Key codes.
inline constexpr std::int32_t kKeyNone = 0;
inline constexpr std::int32_t kKeyReturn = 0x100;
inline constexpr std::int32_t kKeySpace = 0x200;
inline constexpr std::int32_t kKeyTab = 0x300;
inline constexpr std::int32_t kKeyEscape = 0x400;
inline constexpr std::int32_t kKeyInsert = 0x500;
inline constexpr std::int32_t kKeyBackspace = 0x600;
inline constexpr std::int32_t kKeyDelete = 0x700;
inline constexpr std::int32_t kKeyEnter = 0x800;  // the keypad's Enter
inline constexpr std::int32_t kKeyHome = 0x1000;
inline constexpr std::int32_t kKeyEnd = 0x1100;
inline constexpr std::int32_t kKeyPageUp = 0x1200;
inline constexpr std::int32_t kKeyPageDown = 0x1300;
inline constexpr std::int32_t kKeyLeft = 0x1400;
inline constexpr std::int32_t kKeyRight = 0x1500;
inline constexpr std::int32_t kKeyUp = 0x1600;
inline constexpr std::int32_t kKeyDown = 0x1700;
inline constexpr std::int32_t kKeyDigit0 = 0x2000;   // '0' .. '9' in steps of 256
inline constexpr std::int32_t kKeyLetterA = 0x3000;  // 'A' .. 'Z' in steps of 256, either case
inline constexpr std::int32_t kKeyF1 = 0x5000;       // F1 .. F12 in steps of 256
inline constexpr std::int32_t kKeyBackquote = 0x6000;

class MsgEvent {
public:
    MsgEvent(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam)
        : window_(window), message_(message), wParam_(wParam), lParam_(lParam) {}

    // Each out may be null.
    void Get(win::HWND* window, win::UINT* message, win::WPARAM* wParam, win::LPARAM* lParam) const;
    win::HWND Window() const { return window_; }
    win::UINT Message() const { return message_; }
    win::WPARAM WParam() const { return wParam_; }
    win::LPARAM LParam() const { return lParam_; }

    // The modifier keys as they were when this message was taken.
    bool IsControlDown() const;
    bool IsShiftDown() const;
    bool IsAltDown() const;

    // The point in lParam (x low word, y high word), moved from this message's window into the
    // given one when they differ.
    ShortPoint GetMousePoint(win::HWND window) const;
    // The point in lParam on the screen.
    ShortPoint GetScreenPoint() const;
    bool IsDoubleClick() const;
    // For WM_CHAR the character (7 bits); otherwise 0.
    char GetChar() const;
    bool IsAutoRepeat() const;

private:
    win::HWND window_;
    win::UINT message_;
    win::WPARAM wParam_;
    win::LPARAM lParam_;
};

class KeyEvent : public MsgEvent {
public:
    // WM_CHAR is coded by its character, any other key message by its virtual key.
    KeyEvent(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

    std::int32_t GetKey() const { return key_; }

private:
    std::int32_t key_;
};

// The key code of a message as KeyEvent makes it, with the key state as of the last message taken.
std::int32_t KeyCodeOf(win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

// True when this WM_KEYDOWN will be followed by a WM_CHAR (so the key-down is left to the default
// handling and the character carries the key). Only WM_KEYDOWN qualifies.
bool IsCharacterKey(win::UINT message, win::UINT virtualKey, win::LPARAM lParam);

// Without Ctrl: WM_CHAR of a printable or white-space character or Backspace; with Ctrl: WM_KEYDOWN
// of a digit, a letter or a white-space key. Either way also WM_KEYDOWN of the paging and arrow keys.
bool IsTextKey(const MsgEvent& event);
