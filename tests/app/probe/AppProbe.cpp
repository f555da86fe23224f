// A small program for the hand-over test: the program's own entry and story application, except
// that the first copy prints "first" when it is ready (instead of opening a new document), prints
// "open <path>" for each file a later start hands it, and quits after the first hand-over. A later
// start ends as the entry decides: 0 once the first copy took its files.

#include <cstdio>

#include "app/Fablecore.h"
#include "framework/AppMain.h"
#include "platform/present/StartPresenter.h"
#include "platform/ui/MessageQueue.h"

namespace {

class ProbeApplication : public Fablecore {
public:
    using Fablecore::Fablecore;

    ErrCode OpenStartupFiles() override {
        std::printf("first\n");
        std::fflush(stdout);
        return kNoErr;
    }
    ErrCode OpenFile(const char* path) override {
        std::printf("open %s\n", path);
        std::fflush(stdout);
        return kNoErr;
    }
    bool PreviewFrameMessage(win::HWND frame, win::UINT message, win::WPARAM, win::LPARAM,
                             win::LRESULT&) override {
        if (message == win::WM_USER) win::PostMessageA(frame, win::WM_CLOSE, 0, 0);
        return false;
    }
};

TAppl* CreateProbe(AppEnvironment* environment) { return new ProbeApplication(environment); }

}  // namespace

int main(int argc, char** argv) {
    ProgramStart start;
    start.argumentCount = argc;
    start.arguments = argv;
    start.createApplication = CreateProbe;
    start.startPresenter = win::StartPresenter;
    start.tellProblem = win::TellStartProblem;
    return WinMain(start);
}
