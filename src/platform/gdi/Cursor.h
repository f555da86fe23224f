#pragma once
// Mouse cursors: the stock cursors, cursors built from AND/XOR masks, and the current cursor. The
// presenter installs a display hook that is told of every SetCursor, and reads the cursor's image.

#include <cstdint>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace win {

inline const LPCSTR IDC_ARROW = MAKEINTRESOURCEA(32512);
inline const LPCSTR IDC_IBEAM = MAKEINTRESOURCEA(32513);
inline const LPCSTR IDC_WAIT = MAKEINTRESOURCEA(32514);
inline const LPCSTR IDC_CROSS = MAKEINTRESOURCEA(32515);
inline const LPCSTR IDC_SIZENWSE = MAKEINTRESOURCEA(32642);
inline const LPCSTR IDC_SIZENESW = MAKEINTRESOURCEA(32643);
inline const LPCSTR IDC_SIZEWE = MAKEINTRESOURCEA(32644);
inline const LPCSTR IDC_SIZENS = MAKEINTRESOURCEA(32645);
inline const LPCSTR IDC_SIZEALL = MAKEINTRESOURCEA(32646);

// The stock cursors, with a null instance; anything else gives null. Stock cursors are shared:
// DestroyCursor leaves them alone.
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);

// A cursor from two one-bit planes of `height` rows, each row padded to a multiple of 16 bits,
// leftmost pixel in the high bit. AND 1 / XOR 0 is transparent, 0/0 black, 0/1 white; 1/1 (screen
// inverted elsewhere) shows black. Null for sizes outside 1..256 or missing planes.
HCURSOR CreateCursor(HINSTANCE instance, int xHotSpot, int yHotSpot, int width, int height, LPCVOID andPlane,
                     LPCVOID xorPlane);
// Destroying the current cursor shows the arrow instead.
BOOL DestroyCursor(HCURSOR cursor);

// Makes the cursor current (null hides it) and answers the previous one; null and no change for a
// dead handle.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

// Called with the new current cursor at every SetCursor. Answers the previous hook.
using CursorDisplayHook = void (*)(HCURSOR cursor);
CursorDisplayHook SetCursorDisplayHook(CursorDisplayHook hook);

// What a cursor looks like: ARGB pixels (0 transparent, 0xFF000000 black, 0xFFFFFFFF white), row
// by row, and the hot spot.
struct CursorImage {
    int width = 0;
    int height = 0;
    POINT hotSpot;
    std::vector<std::uint32_t> pixels;
};
// Null for a dead handle.
const CursorImage* GetCursorImage(HCURSOR cursor);

// Cursors made by CreateCursor and not yet destroyed.
long GetLiveCursorCount();

}  // namespace win
