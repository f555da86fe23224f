// Speed of the program's start: from the main routine's first step to the first idle moment, when
// the frame with its menus has been painted (headless, on an 800 x 600 screen), against the window
// layer alone creating and painting an empty frame of the same size. The start should take at most
// three times as long as the floor, and well under 200 ms.

#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Fablecore.h"
#include "framework/AppMain.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"
#include "support/Floor.h"

namespace {

using namespace win;
using Clock = std::chrono::steady_clock;

constexpr SIZE kScreen{800, 600};

// A new folder in the base folder, removed with its contents when it goes.
class OwnFolder {
public:
    explicit OwnFolder(const std::filesystem::path& base) {
        std::string pattern = (base / "fablecore-start-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~OwnFolder() {
        std::error_code error;
        if (!path_.empty()) std::filesystem::remove_all(path_, error);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The program's settings and single-instance folders, the bench's own, in memory as a desktop's
// runtime folder is; and a temporary folder of its own in the system's, so that the stores' swap
// files are made where the program makes them, out of other programs' way.
class OwnFolders {
public:
    OwnFolders() {
        ::setenv("FABLECORE_PROGRAM_DIR", FABLECORE_PROGRAM_FOLDER, 1);
        ::setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", runtime_.Path().c_str(), 1);
        ::setenv("TMPDIR", temporary_.Path().c_str(), 1);
    }

private:
    static std::filesystem::path MemoryFolder() {
        return std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                                         : std::filesystem::temp_directory_path();
    }

    OwnFolder runtime_{MemoryFolder()};
    OwnFolder temporary_{std::filesystem::temp_directory_path()};
};

void BM_ProgramStartToFirstPaint(benchmark::State& state) {
    static OwnFolders folders;
    char program[] = "fablecore";
    char* arguments[] = {program, nullptr};
    for (auto _ : state) {
        HeadlessPresenter presenter(kScreen);
        Clock::time_point painted;
        presenter.SetIdleHandler([&painted] {
            if (painted != Clock::time_point{}) return false;
            painted = Clock::now();
            PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
            return true;
        });
        ProgramStart start;
        start.argumentCount = 1;
        start.arguments = arguments;
        start.createApplication = CreateFablecore;
        const Clock::time_point begin = Clock::now();
        if (WinMain(start) != 0) state.SkipWithError("the program did not start");
        state.SetIterationTime(std::chrono::duration<double>(painted - begin).count());
    }
}
BENCHMARK(BM_ProgramStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

LRESULT PlainFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

void BM_EmptyFrameCreatedAndPainted(benchmark::State& state) {
    WNDCLASSA frameClass;
    frameClass.lpfnWndProc = PlainFrame;
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t{13});
    frameClass.lpszClassName = "BenchFrame";
    RegisterClassA(&frameClass);
    for (auto _ : state) {
        HeadlessPresenter presenter(kScreen);
        const Clock::time_point begin = Clock::now();
        const HWND frame = CreateWindowExA(0, "BenchFrame", "Fablecore", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                           0, kScreen.cx, kScreen.cy, nullptr, nullptr, nullptr, nullptr);
        UpdateWindow(frame);
        presenter.DispatchPending();
        const Clock::time_point painted = Clock::now();
        DestroyWindow(frame);
        presenter.DispatchPending();
        state.SetIterationTime(std::chrono::duration<double>(painted - begin).count());
    }
}
BENCHMARK(BM_EmptyFrameCreatedAndPainted)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_ProgramStartToFirstPaint/manual_time", "BM_EmptyFrameCreatedAndPainted/manual_time", 3.0);

}  // namespace
