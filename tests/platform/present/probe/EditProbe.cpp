// A small program for the end-to-end test of the native controls: a frame window holding one EDIT
// field with the focus. Each change of the field's text is reported on standard output as a line
// "text " and the text in UTF-8.

#include <cstdio>
#include <string>

#include "platform/present/StartPresenter.h"
#include "platform/sys/Cp1252.h"
#include "platform/ui/User.h"

namespace {

using namespace win;

constexpr int kFieldId = 7;
HWND g_field = nullptr;

LRESULT FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kFieldId && HIWORD(wParam) == EN_CHANGE) {
                char text[256];
                GetWindowTextA(g_field, text, sizeof text);
                std::printf("text %s\n", Cp1252ToUtf8(text).c_str());
                std::fflush(stdout);
            }
            return 0;
        case WM_SETFOCUS: SetFocus(g_field); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int main() {
    std::unique_ptr<Presenter> presenter = StartPresenter("EditProbe", SIZE{300, 100});
    if (presenter == nullptr) return 3;
    WNDCLASSA frameClass;
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
    frameClass.lpszClassName = "EditProbeFrame";
    if (!RegisterClassA(&frameClass)) return 4;
    HWND frame = CreateWindowExA(0, "EditProbeFrame", "EditProbe", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CW_USEDEFAULT, CW_USEDEFAULT, 300, 100, nullptr, nullptr, nullptr, nullptr);
    g_field = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 280,
                              24, frame, reinterpret_cast<HMENU>(kFieldId), nullptr, nullptr);
    SetFocus(g_field);
    UpdateWindow(frame);
    std::printf("ready\n");
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
