#pragma once
// Window classes and windows: registration, creation and destruction, window longs and properties,
// text, relations, geometry, showing and enabling. All windows live in one in-memory window manager;
// the presenter shows the frame window (the first overlapped top-level window) as the program's one
// OS window and everything else inside it.

#include "platform/sys/WinTypes.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Styles.h"

namespace win {

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

struct WNDCLASSA {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;  // rounded up to whole pointer-sized slots; index 0 holds a pointer
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;  // a brush, or a system colour index + 1
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};

// Classes. Names are compared without regard to case; one name can be registered once.
ATOM RegisterClassA(const WNDCLASSA* windowClass);
BOOL UnregisterClassA(const char* className, HINSTANCE instance);  // fails while windows of it exist
BOOL GetClassInfoA(HINSTANCE instance, const char* className, WNDCLASSA* windowClass);
int GetClassNameA(HWND window, char* buffer, int size);
ULONG_PTR GetClassLongPtrA(HWND window, int index);
ULONG_PTR SetClassLongPtrA(HWND window, int index, LONG_PTR value);

// Creation sends WM_GETMINMAXINFO (sizable and overlapped windows), WM_NCCREATE, WM_NCCALCSIZE,
// WM_CREATE, WM_SIZE and WM_MOVE, then shows the window when WS_VISIBLE was asked for.
// Destruction destroys owned windows first, hides the window, sends WM_DESTROY to it and then to its
// children, and WM_NCDESTROY to the children before the window itself. A window may be destroyed
// from inside its own window procedure.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Window longs are pointer-sized; the names without "Ptr" are the same calls.
LONG_PTR GetWindowLongPtrA(HWND window, int index);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR GetWindowLongA(HWND window, int index);
LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value);

// Properties: named handles kept with a window (names compared without regard to case).
BOOL SetPropA(HWND window, const char* name, HANDLE data);
HANDLE GetPropA(HWND window, const char* name);
HANDLE RemovePropA(HWND window, const char* name);

BOOL SetWindowTextA(HWND window, const char* text);
int GetWindowTextA(HWND window, char* buffer, int size);
int GetWindowTextLengthA(HWND window);

// Relations. Children are kept in z-order, topmost first.
HWND GetDesktopWindow();
HWND GetParent(HWND window);  // the parent of a child, the owner of a popup, else null
HWND SetParent(HWND window, HWND newParent);
HWND GetWindow(HWND window, UINT relation);
HWND GetTopWindow(HWND window);
HWND GetNextWindow(HWND window, UINT relation);
BOOL IsChild(HWND parent, HWND window);
HWND FindWindowA(const char* className, const char* windowName);
BOOL EnumWindows(WNDENUMPROC callback, LPARAM data);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM data);
HWND WindowFromPoint(POINT screenPoint);
HWND ChildWindowFromPoint(HWND parent, POINT clientPoint);
int GetDlgCtrlID(HWND window);

// Geometry. Window rectangles are in screen coordinates; the screen is the presenter's surface.
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL ScreenToClient(HWND window, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL BringWindowToTop(HWND window);
BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement);
BOOL SetWindowPlacement(HWND window, const WINDOWPLACEMENT* placement);
// Grows a client rectangle into the window rectangle the layer's non-client areas give that style.
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL hasMenu, DWORD exStyle);

BOOL ShowWindow(HWND window, int command);  // answers whether the window was visible before
BOOL IsWindowVisible(HWND window);          // the window and all its ancestors are visible
BOOL IsZoomed(HWND window);
BOOL IsIconic(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);  // answers whether the window was disabled before
BOOL IsWindowEnabled(HWND window);

}  // namespace win
