#pragma once
// Clip regions of device contexts. A context's clip region is kept in device coordinates and
// narrows what its device lets it touch (for a window: its visible part).

#include "platform/gdi/GdiTypes.h"

namespace win {

// Makes a copy of the region (device coordinates) the clip region; null removes the clip.
// Answers the kind of what may now be drawn on.
int SelectClipRgn(HDC dc, HRGN region);
// Combines the clip region with the region (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY); with no
// clip region yet, the whole device stands in for it. RGN_COPY with a null region removes the clip.
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
// Copies the clip region into `region` and answers 1, or answers 0 when the context has none
// (whatever `region` is); -1 for a context or, with a clip region, a region that is not there.
int GetClipRgn(HDC dc, HRGN region);
// The smallest rectangle around what may be drawn on, in logical coordinates; answers its kind.
int GetClipBox(HDC dc, RECT* box);
// Narrows the clip to a logical rectangle, or cuts one out of it.
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
BOOL PtVisible(HDC dc, int x, int y);
BOOL RectVisible(HDC dc, const RECT* rect);

}  // namespace win
