#pragma once
// Internal to the window layer: the colour chooser's grids of colour swatches, a private window
// class. A grid shows the colours it is given in rows of a set length; one may be selected, with
// the mouse or the arrow keys, which tells the parent (WM_COMMAND, kSwatchPicked). A selection made
// with kSwatchSelect is not told.

#include "platform/sys/WinTypes.h"
#include "platform/ui/Messages.h"

namespace win::detail {

inline constexpr char kColorSwatchesClass[] = "ColorSwatches";

// What a grid shows: its colours (the caller's, read whenever the grid is drawn) and their layout.
struct SwatchGrid {
    const COLORREF* colors = nullptr;
    int count = 0;
    int columns = 1;
};

inline constexpr UINT kSwatchSetGrid = WM_USER + 0x100;       // lParam: const SwatchGrid*
inline constexpr UINT kSwatchSelect = WM_USER + 0x101;        // wParam: the index, -1 for none
inline constexpr UINT kSwatchGetSelection = WM_USER + 0x102;  // the index, or -1
inline constexpr WORD kSwatchPicked = 1;

LRESULT ColorSwatchesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win::detail
