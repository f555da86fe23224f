// A small program for the single-instance tests: "instance_probe <arguments...>" waits until its
// descriptor 3 (the test's start gate) reaches its end, then starts as the instance
// "QRV_instanceprobe_CLASS" with its working folder and arguments. A first copy prints "first",
// shows its frame window (headless with FABLECORE_HEADLESS=1), prints what the first hand-over
// brings ("line", "folder" and "argument" lines), then "done", and ends. A later start prints
// "handed-over", "refused" or "not-reached".

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "platform/present/StartPresenter.h"
#include "platform/sys/Profile.h"
#include "platform/ui/HandOverReceiver.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Window.h"

namespace {

using namespace win;

constexpr const char* kFrameClass = "QRV_instanceprobe_CLASS";

void Print(const char* what, const std::string& text = "") {
    std::printf(text.empty() ? "%s\n" : "%s %s\n", what, text.c_str());
    std::fflush(stdout);
}

LRESULT FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        char line[1024];
        GetProfileStringA("QRV_APP", "LastCommandLine", "", line, sizeof line);
        WriteProfileStringA("QRV_APP", "LastCommandLine", "");
        Print("line", line);
        const auto* handOver = reinterpret_cast<const HandOver*>(lParam);
        Print("folder", handOver->folder);
        for (const std::string& argument : handOver->arguments) Print("argument", argument);
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    char gate;
    while (::read(3, &gate, 1) > 0) {}

    HandOver mine;
    char folder[PATH_MAX];
    if (!::getcwd(folder, sizeof folder)) return 2;
    mine.folder = folder;
    mine.arguments.assign(argv + 1, argv + argc);
    InstanceStart start = InstanceStart::Claim(kFrameClass, mine, 10000);
    switch (start.role) {
        case InstanceRole::kHandedOver: Print("handed-over"); return 0;
        case InstanceRole::kRefused: Print("refused"); return 0;
        case InstanceRole::kNotReached: Print("not-reached"); return 1;
        case InstanceRole::kFirst: break;
    }
    if (!start.listener) return 3;

    const std::unique_ptr<Presenter> presenter = StartPresenter("probe", SIZE{400, 300});
    if (!presenter) return 4;
    WNDCLASSA frameClass;
    frameClass.lpfnWndProc = FrameProc;
    frameClass.lpszClassName = kFrameClass;
    RegisterClassA(&frameClass);
    CreateWindowExA(0, kFrameClass, "probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                    nullptr, nullptr, nullptr);
    HandOverReceiver receiver(std::move(start.listener), kFrameClass);
    Print("first");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
    Print("done");
    return 0;
}
