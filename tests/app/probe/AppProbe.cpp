// A small program for the hand-over test: the program's own entry and story application, except
// that the first copy prints "first" when it is ready (instead of opening a new document), prints
// "open <path>" for each file a later start hands it, prints "box <text>" for each message box it
// shows (and answers it), and quits after the first hand-over it takes. A later start ends as the
// entry decides: 0 once the first copy took its files.
//
// With APP_PROBE_DIALOG=1 the first copy then opens its about box, a modal dialog, prints "dialog"
// once the dialog runs, and reads lines on its standard input: "close" closes the dialog, "quit"
// asks the frame to close. APP_PROBE_DIALOG_PATIENCE sets how long (ms) a later start waits for a
// dialog of the first copy.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/FablCmds.h"
#include "framework/AppEnvironment.h"
#include "framework/AppMain.h"
#include "items/ItemClasses.h"
#include "platform/present/StartPresenter.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/HandOverReceiver.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/Window.h"

namespace {

constexpr win::UINT kDialogRuns = win::WM_USER + 100;

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Lines on standard input steer the copy while its dialog is open.
void ReadOrders() {
    static std::string pending;
    char chunk[64];
    const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (got <= 0) {
        win::StopWatchingDescriptor(STDIN_FILENO);
        return;
    }
    pending.append(chunk, static_cast<std::size_t>(got));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
        const std::string order = pending.substr(0, end);
        pending.erase(0, end + 1);
        if (order == "close") win::PostMessageA(win::GetActiveWindow(), win::WM_COMMAND, win::IDOK, 0);
        if (order == "quit") {
            const AppEnvironment* environment = GetAppEnvironment();
            if (environment && environment->GetFrameWindow())
                win::PostMessageA(environment->GetFrameWindow(), win::WM_CLOSE, 0, 0);
        }
    }
}

class ProbeApplication : public FablCmds {
public:
    using FablCmds::FablCmds;

    ErrCode OpenStartupFiles() override {
        win::SetPromptResponder([](const win::PromptRequest& request) -> std::optional<win::PromptAnswer> {
            if (request.kind != "MessageBox") return std::nullopt;
            std::string text = request.text;
            for (char& c : text)
                if (c == '\n') c = ' ';
            Say("box " + text);
            return win::PromptAnswer{win::IDOK, {}};
        });
        Say("first");
        const char* dialog = std::getenv("APP_PROBE_DIALOG");
        if (dialog && std::string(dialog) == "1") {
            win::WatchDescriptor(STDIN_FILENO, ReadOrders);
            win::PostMessageA(GetFrameWindow(), kDialogRuns, 0, 0);
            // The splash screen of the start goes first: the about box waits for it.
            DrainQueue(kSecondQueue);
            ShowAboutBox();
            Say("dialog closed");
        }
        return kNoErr;
    }
    ErrCode OpenFile(const char* path) override {
        Say(std::string("open ") + path);
        return kNoErr;
    }
    bool PreviewFrameMessage(win::HWND frame, win::UINT message, win::WPARAM wParam, win::LPARAM,
                             win::LRESULT&) override {
        if (message == kDialogRuns) Say("dialog");
        if (message == win::WM_USER && wParam == win::kHandOverToOpen)
            win::PostMessageA(frame, win::WM_CLOSE, 0, 0);
        return message == kDialogRuns;
    }
};

TAppl* CreateProbe(AppEnvironment* environment) {
    InstallItemClasses();
    return new ProbeApplication(environment);
}

}  // namespace

int main(int argc, char** argv) {
    ProgramStart start;
    start.argumentCount = argc;
    start.arguments = argv;
    start.createApplication = CreateProbe;
    start.startPresenter = win::StartPresenter;
    start.tellProblem = win::TellStartProblem;
    start.isHeadless = win::IsHeadlessStart;
    if (const char* patience = std::getenv("APP_PROBE_DIALOG_PATIENCE"))
        start.dialogPatience = static_cast<win::DWORD>(std::strtoul(patience, nullptr, 10));
    return WinMain(start);
}
