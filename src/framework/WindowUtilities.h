#pragma once
// Window helpers shared by the application object, the windows, the items and the standard boxes:
// invalidating and validating parts of windows, points between a window and the MDI client, the
// window object behind a window handle and the walk over the MDI children, hiding and showing the
// floating palettes together, the modal state, the cascade of default window positions, the
// desktop's work area, the default printer, and the default item font.

#include <functional>

#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/sys/WinTypes.h"

class Rgn;
class TWindow;

// Invalidated with erase (nothing for a null window), and validated.
void InvalidateShortRect(win::HWND window, const ShortRect& rect);
void InvalidateRegion(win::HWND window, const Rgn& region);
void ValidateShortRect(win::HWND window, const ShortRect& rect);
void ValidateRegion(win::HWND window, const Rgn& region);

// A point of the window's client area in the MDI client's, and back.
ShortPoint WindowToMDIClientPoint(win::HWND window, ShortPoint point);
ShortPoint MDIClientToWindowPoint(win::HWND window, ShortPoint point);

// The width of a vertical and the height of a horizontal scroll bar.
ShortPoint GetScrollBarSizes();
// The desktop less the edge the taskbar sits on.
void GetDesktopWorkArea(ShortRect& rect);
// The device context of the default printer named by the profile's "WINDOWS" "DEVICE" entry
// ("device,driver,port"); null when the entry lacks a part. The caller deletes it.
win::HDC CreateDefaultPrinterDC();
// The font items are drawn in unless they say otherwise (font 0 at size 12), made once and kept by
// the application environment.
win::HFONT GetDefaultItemFont();

// The framework window object in window long 0 of the window; null for null, the frame window, the
// MDI client, a window of another application and a dialog window.
TWindow* ObjectFromHWnd(win::HWND window);
// The topmost child of the MDI client that is a framework window ("QRV_TWindow_CLASS"), or null.
win::HWND FirstTWindowChild();
// The window after this one among its siblings; null at the end, and for the frame and the client.
win::HWND NextSibling(win::HWND window);
win::HWND NextVisibleSibling(win::HWND window);
// The first window object among the MDI client's framework windows, front to back, that the test
// refuses (answers false for), skipping visible windows it accepts; null when a window without an
// object or the end comes first. Without a test, the front window object.
TWindow* FindWindowObject(const std::function<bool(TWindow&)>& passOver);
// True for null, the frame window and the MDI client.
bool IsFrameOrClient(win::HWND window);
// A popup with a dialog frame, or a window with a dialog style bit.
bool IsDialogWindow(win::HWND window);
// A descendant of the frame window, or a window of this process.
bool BelongsToApplication(win::HWND window);
// A window whose object is a palette (or any window of mode 0 or more).
bool IsPaletteWindow(win::HWND window);
bool IsWindowShown(win::HWND window);
// The last window in z-order among the siblings of the first palette; null without palettes.
win::HWND LastWindowOfFirstPalette();

// Hides every visible palette, remembering which were visible; shows them again without activation.
void HideAllPalettes();
void ShowHiddenPalettes();

// A modal phase: the first Begin deactivates the palettes and stops files being dropped on the
// frame; the End that closes the outermost phase undoes both.
void BeginModalState();
void EndModalState();
bool IsModalState();

// The offset of the next default window position: a staircase of 12 places in columns of four.
// reset starts it again; keep answers the same place next time.
ShortPoint NextCascadePoint(bool reset, bool keep);
