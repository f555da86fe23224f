#pragma once
// Device contexts: memory contexts over bitmaps, the screen context, the measuring context, and
// the drawing state every context keeps (selected objects, colours, modes, current position).
// Display contexts are made by the window layer (DisplayDC.h), printer contexts in PrinterDC.h.

#include "platform/gdi/GdiTypes.h"

namespace win {

// A memory context like the one given (or the screen), holding a 1 x 1 monochrome bitmap until
// another is selected. Null when the context given is not there (deleted, for one).
HDC CreateCompatibleDC(HDC dc);
// "DISPLAY" gives a context over the whole screen surface; the "pdf" driver a printer's
// (Printers.h), with a DEVMODEA as the initialisation data.
HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR port, LPCVOID initData);
// A context that measures text and answers like the screen but draws nothing.
HDC CreateMeasuringDC();
// Deletes memory, screen, measuring and printer contexts (display contexts go back to the window
// layer). Objects selected in it are released, and deleted if DeleteObject was already called.
BOOL DeleteDC(HDC dc);

// Pushes the whole drawing state and answers its level (1 for the first), 0 on failure.
int SaveDC(HDC dc);
// Goes back to a saved level: a negative level counts back from the newest.
BOOL RestoreDC(HDC dc, int savedLevel);

// Selects a pen, brush, font, bitmap (memory contexts) or clip region (copied), answering the
// object it replaced (for a region: its kind); null on failure.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
// Where pixel (0, 0) of pattern brushes lies, in device coordinates.
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetBrushOrgEx(HDC dc, POINT* origin);

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC dc, POINT* position);

int GetDeviceCaps(HDC dc, int index);
// The colour the context would draw for the one given (the screen shows every colour).
COLORREF GetNearestColor(HDC dc, COLORREF color);

}  // namespace win
