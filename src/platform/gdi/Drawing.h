#pragma once
// Lines, shapes and fills. Coordinates are logical. Pen strokes and the brush fills of shapes
// (Rectangle, RoundRect, Ellipse, Polygon, PaintRgn, FrameRgn) go through the context's ROP2 mode,
// applied to the pixels themselves; FillRect, FillRgn and FrameRect copy, and InvertRect and
// InvertRgn invert. A brush given may be a system colour's index + 1 (SystemColors.h).
//
// Pixel rules: a one-pixel line leaves out its last pixel; Rectangle, RoundRect and Ellipse stay
// left of `right` and above `bottom` (with the null pen, their fill also leaves out the last
// column and row, where the pen would have been). Wider pens are centred on the figure's edge.

#include "platform/gdi/GdiTypes.h"

namespace win {

BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);

int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);
// A dotted frame drawn by inverting every other pixel: drawing it twice takes it away.
BOOL DrawFocusRect(HDC dc, const RECT* rect);

BOOL PaintRgn(HDC dc, HRGN region);
BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);
// A band `width` wide and `height` high along the inside of the region's border.
BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
BOOL InvertRgn(HDC dc, HRGN region);

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
// CLR_INVALID outside what the context may touch, or when it cannot be read.
COLORREF GetPixel(HDC dc, int x, int y);

}  // namespace win
