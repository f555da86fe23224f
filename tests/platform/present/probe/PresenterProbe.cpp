// A small program for the end-to-end test of the SDL presenter: a frame window with a menu bar and a
// child window, each painting its own colour. It reports what it receives on standard output, one
// line each (a move with the frame's place on the desktop), and first whether Shift and Alt were held
// as it started; at the key 'm' it moves the frame, and at 'q' saves the screen as the PNG file named
// on its command line and ends.

#include <cstdio>

#include "platform/gdi/Gdi.h"
#include "platform/present/StartPresenter.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Window.h"

namespace {

using namespace win;

constexpr COLORREF kFrameColor = 0x00C08040;  // what the end-to-end test looks for
constexpr COLORREF kChildColor = 0x004080F0;
const char* g_screenshot = nullptr;

void Report(const char* format, long a = 0, long b = 0, long c = 0) {
    std::printf(format, a, b, c);
    std::printf("\n");
    std::fflush(stdout);
}

void PaintIn(HWND window, COLORREF color) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(window, &paint);
}

LRESULT ReportMouse(const char* who, UINT message, LPARAM lParam) {
    const long x = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    const long y = static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam)));
    const char* what = message == WM_LBUTTONDOWN ? "down" : message == WM_LBUTTONUP ? "up" : "dblclk";
    std::printf("%s %s %ld %ld\n", what, who, x, y);
    std::fflush(stdout);
    return 0;
}

LRESULT ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: PaintIn(window, kChildColor); return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: return ReportMouse("child", message, lParam);
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: PaintIn(window, kFrameColor); return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK: return ReportMouse("frame", message, lParam);
        case WM_KEYDOWN: Report("keydown %ld", static_cast<long>(wParam)); return 0;
        case WM_CHAR:
            Report("char %ld", static_cast<long>(wParam));
            if (wParam == 'm') MoveWindow(window, 60, 70, 500, 360, TRUE);
            if (wParam == 'q') {
                const bool saved = g_screenshot != nullptr && GetScreenSurface().WritePng(g_screenshot);
                Report("bye %ld", saved ? 1 : 0);
                PostQuitMessage(0);
            }
            return 0;
        case WM_ACTIVATEAPP: Report("activateapp %ld", wParam ? 1 : 0); return 0;
        case WM_ENTERMENULOOP: Report("menuloop"); return 0;
        case WM_INITMENUPOPUP: Report("initmenupopup"); return 0;
        case WM_COMMAND:
            Report("command %ld", static_cast<long>(LOWORD(static_cast<std::uintptr_t>(wParam))));
            return 0;
        case WM_MOVE: {
            const POINT place = GetFramePlace();
            Report("place %ld %ld", place.x, place.y);
            return 0;
        }
        case WM_SIZE:
            Report("size %ld %ld", LOWORD(static_cast<std::uintptr_t>(lParam)),
                   HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_screenshot = argv[1];
    std::unique_ptr<Presenter> presenter = StartPresenter("Probe", SIZE{400, 300});
    if (presenter == nullptr) return 3;
    WNDCLASSA frameClass;
    frameClass.style = CS_DBLCLKS;
    frameClass.lpfnWndProc = FrameProc;
    frameClass.lpszClassName = "ProbeFrame";
    WNDCLASSA childClass;
    childClass.lpfnWndProc = ChildProc;
    childClass.lpszClassName = "ProbeChild";
    if (!RegisterClassA(&frameClass) || !RegisterClassA(&childClass)) return 4;
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 101, "&Hello");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    HWND frame = CreateWindowExA(0, "ProbeFrame", "Probe", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                 CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr, bar, nullptr, nullptr);
    CreateWindowExA(0, "ProbeChild", "", WS_CHILD | WS_VISIBLE, 100, 50, 120, 80, frame,
                    reinterpret_cast<HMENU>(7), nullptr, nullptr);
    SetFocus(frame);
    UpdateWindow(frame);
    Report("ready");
    Report("held %ld %ld", GetAsyncKeyState(VK_SHIFT) < 0, GetAsyncKeyState(VK_MENU) < 0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
