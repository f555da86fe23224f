#pragma once
// Rectangle and point helpers. Right and bottom edges lie outside a rectangle.

#include "platform/sys/WinTypes.h"

namespace win {

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* destination, const RECT* source);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT point);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL InflateRect(RECT* rect, int dx, int dy);
// The overlap (all zero and FALSE when there is none).
BOOL IntersectRect(RECT* destination, const RECT* a, const RECT* b);
// The smallest rectangle holding both; an empty rectangle adds nothing.
BOOL UnionRect(RECT* destination, const RECT* a, const RECT* b);

}  // namespace win
