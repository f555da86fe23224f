#pragma once
// The program's entry: only one copy of the program runs for a user (a later start hands its
// folder and arguments to the first copy and ends), the first copy fills the application
// environment, opens its presenter and runs the main routine, which starts the framework, makes the
// application object through the application's factory, runs it and tears everything down.

#include <memory>
#include <string>

#include "foundation/Types.h"
#include "platform/sys/WinTypes.h"

class AppEnvironment;
class TAppl;

namespace win {
class Presenter;
}

// Makes the application object (which registers itself in the environment); null when it cannot.
using ApplicationFactory = TAppl* (*)(AppEnvironment* environment);
// Opens what shows the program: null when there is nothing to show it on (the reason is written
// to standard error).
using PresenterStarter = std::unique_ptr<win::Presenter> (*)(const std::string& title, win::SIZE size);
// Tells the writer about a problem of the start before the program's window is open: the program as
// it was started and the problem, both as the system writes text (UTF-8).
using StartProblemTeller = void (*)(const std::string& program, const std::string& problem);
// Whether this start runs without a window (FABLECORE_HEADLESS=1).
using HeadlessQuestion = bool (*)();

// How long a later start waits for the first copy to take its hand-over.
inline constexpr win::DWORD kHandOverPatience = 10000;
// How much longer it waits when that copy has a dialog open, for the writer to close it.
inline constexpr win::DWORD kHandOverDialogPatience = 60000;

struct ProgramStart {
    // As the system hands them over (UTF-8); the program keeps them as program text.
    int argumentCount = 0;
    char** arguments = nullptr;
    ApplicationFactory createApplication = nullptr;
    // Asked only when no presenter is attached yet.
    PresenterStarter startPresenter = nullptr;
    // Null: the problem goes to standard error alone.
    StartProblemTeller tellProblem = nullptr;
    // Null: the start is taken to show a window. A copy without a window is invisible to the
    // writer: it neither takes the writer's starts nor hands its own to a copy with a window (the
    // copies without one hand over among themselves).
    HeadlessQuestion isHeadless = nullptr;
    win::DWORD dialogPatience = kHandOverDialogPatience;
};

// Runs the program: 0 after a hand-over or a normal end; non-zero when the program cannot run from
// where it is (its folder or the current folder has a name it cannot keep), when a later start could
// not hand over (the writer is told why), when there is nothing to show the program on, or when the
// application did not start. An argument that has no program form names no file the program could
// open: the writer is told, and the start goes on without it. SIGTERM, SIGINT and SIGHUP end the
// running program at once from its message loop, its stores closed (their swap files removed) and
// its single-instance channel given up; it ends as by that signal.
int WinMain(const ProgramStart& start);

// The main routine: 0, or -1 when no application object was made or it failed to start.
ErrCode AppMain(ApplicationFactory createApplication);
