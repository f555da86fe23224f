#pragma once
// Global memory objects: blocks passed by handle between parts of the program that do not share an
// owner, such as the clipboard and the programs that put data on it or take it off. A block is
// reached through GlobalLock; the handle stays valid until GlobalFree.

#include <cstddef>

#include "platform/sys/WinTypes.h"

namespace win {

using SIZE_T = std::size_t;

inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GMEM_SHARE = 0x2000;
inline constexpr UINT GMEM_DDESHARE = 0x2000;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
inline constexpr UINT GMEM_LOCKCOUNT = 0x00FF;
inline constexpr UINT GMEM_INVALID_HANDLE = 0x8000;

// Null when the memory cannot be had. The bytes start as zeros; a block of 0 bytes has none to lock.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// The block's bytes (null for an unknown handle); each lock is undone by one GlobalUnlock.
LPVOID GlobalLock(HGLOBAL memory);
// Answers whether the block is still locked.
BOOL GlobalUnlock(HGLOBAL memory);
SIZE_T GlobalSize(HGLOBAL memory);  // 0 for an unknown handle
// The block's lock count, or GMEM_INVALID_HANDLE for a handle that names no block.
UINT GlobalFlags(HGLOBAL memory);
// Null when freed; the handle itself when it names no block.
HGLOBAL GlobalFree(HGLOBAL memory);

}  // namespace win
