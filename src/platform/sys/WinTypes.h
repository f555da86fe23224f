#pragma once
// Basic types of our stand-in for the Windows programming interface: integer names, handles,
// rectangles and points. Every declaration here is our own, written for what this program uses.

#include <cstdint>

namespace win {

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ATOM = WORD;
using COLORREF = DWORD;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Handles are opaque: each kind is a pointer to its own incomplete type, so kinds do not mix.
// Object handles of the graphics interface all convert to HGDIOBJ, as callers of SelectObject and
// DeleteObject expect.
using HANDLE = void*;
using HGDIOBJ = void*;
#define WIN_DECLARE_HANDLE(name) \
    struct name##__;             \
    using name = name##__*
WIN_DECLARE_HANDLE(HWND);
WIN_DECLARE_HANDLE(HINSTANCE);
WIN_DECLARE_HANDLE(HMENU);
WIN_DECLARE_HANDLE(HDC);
WIN_DECLARE_HANDLE(HPEN);
WIN_DECLARE_HANDLE(HBRUSH);
WIN_DECLARE_HANDLE(HFONT);
WIN_DECLARE_HANDLE(HBITMAP);
WIN_DECLARE_HANDLE(HRGN);
WIN_DECLARE_HANDLE(HPALETTE);
WIN_DECLARE_HANDLE(HICON);
WIN_DECLARE_HANDLE(HCURSOR);
WIN_DECLARE_HANDLE(HACCEL);
WIN_DECLARE_HANDLE(HDROP);
WIN_DECLARE_HANDLE(HGLOBAL);
#undef WIN_DECLARE_HANDLE
using HMODULE = HINSTANCE;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

// Right and bottom are outside the rectangle.
struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

// A small integer resource id passed where a name is expected.
inline LPCSTR MAKEINTRESOURCEA(WORD id) { return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(id)); }
inline bool IS_INTRESOURCE(LPCSTR name) { return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0; }

constexpr WORD LOWORD(std::uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr LONG MAKELONG(WORD low, WORD high) {
    return static_cast<LONG>(static_cast<DWORD>(low) | static_cast<DWORD>(high) << 16);
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high) { return static_cast<LPARAM>(MAKELONG(low, high)); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
    return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(low, high)));
}

}  // namespace win
