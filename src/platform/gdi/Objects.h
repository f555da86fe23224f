#pragma once
// Pens, brushes and stock objects, and what every drawing object shares: deletion, GetObject and
// the live counters.

#include "platform/gdi/GdiTypes.h"

namespace win {

// Solid pens of any width (0 is one device pixel, a negative width counts by its size); PS_NULL
// draws nothing and reads back with width 1 and colour 0. Other styles draw solid.
HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* pen);
HBRUSH CreateSolidBrush(COLORREF color);
// Solid and hollow brushes; other styles are refused.
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
// A brush of the bitmap's top-left 8 x 8 pixels (a smaller bitmap repeats). A monochrome bitmap
// gives a pattern drawn in the context's text colour (0 bits) and background colour (1 bits), as
// they are when it is drawn. The bitmap may be deleted afterwards.
HBRUSH CreatePatternBrush(HBITMAP bitmap);

HGDIOBJ GetStockObject(int index);
// Makes an object last for the whole run, as stock objects do: DeleteObject refuses it and the
// live counters leave it out (the window layer's system colour brushes). Answers the object.
HGDIOBJ MakeObjectPermanent(HGDIOBJ object);

// Deletes a pen, brush, font, bitmap, region or palette. An object still selected in a context
// (also in a saved state) goes when its last context lets go of it; its handle is dead at once.
// Stock objects and unknown handles answer FALSE.
BOOL DeleteObject(HGDIOBJ object);

// Copies the logical record of an object (LOGPEN, LOGBRUSH, LOGFONTA, BITMAP, or the entry count
// of a palette as a WORD) into the buffer, at most `size` bytes, and answers the bytes copied.
// With no buffer it answers the size of the record; 0 for unknown handles.
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
DWORD GetObjectType(HGDIOBJ object);

// Objects of one type (OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_REGION, OBJ_PAL, OBJ_DC,
// OBJ_MEMDC) alive now, stock objects not counted; 0 counts every type.
long GetLiveGdiObjectCount(DWORD type = 0);

}  // namespace win
