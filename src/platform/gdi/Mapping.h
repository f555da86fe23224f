#pragma once
// Mapping modes: how logical coordinates become device pixels. MM_TEXT maps one unit to one pixel
// (origins may still move); MM_ANISOTROPIC scales by viewport extent / window extent on each axis:
// device = (logical - window origin) * viewport extent / window extent + viewport origin.

#include "platform/gdi/GdiTypes.h"

namespace win {

// MM_TEXT or MM_ANISOTROPIC; other modes are refused (0). MM_TEXT sets both extents back to 1.
int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL GetWindowOrgEx(HDC dc, POINT* origin);
BOOL GetViewportOrgEx(HDC dc, POINT* origin);
// Extents change only under MM_ANISOTROPIC (elsewhere the call is ignored); zero is refused.
BOOL SetWindowExtEx(HDC dc, int cx, int cy, SIZE* previous);
BOOL SetViewportExtEx(HDC dc, int cx, int cy, SIZE* previous);
BOOL ScaleWindowExtEx(HDC dc, int xNum, int xDenom, int yNum, int yDenom, SIZE* previous);
BOOL ScaleViewportExtEx(HDC dc, int xNum, int xDenom, int yNum, int yDenom, SIZE* previous);
BOOL GetWindowExtEx(HDC dc, SIZE* extent);
BOOL GetViewportExtEx(HDC dc, SIZE* extent);

BOOL LPtoDP(HDC dc, POINT* points, int count);
BOOL DPtoLP(HDC dc, POINT* points, int count);

// number * numerator / denominator, rounded to the nearest (halves away from zero), computed
// without overflow; -1 when the denominator is 0 or the result does not fit.
int MulDiv(int number, int numerator, int denominator);

}  // namespace win
