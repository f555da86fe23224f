#include "framework/AppMain.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "foundation/Debug.h"
#include "foundation/FileRef.h"
#include "foundation/ObjectFactory.h"
#include "foundation/Startup.h"
#include "foundation/pfm/PFM.h"
#include "framework/AppEnvironment.h"
#include "framework/InputHelpers.h"
#include "framework/ItemObjectFactory.h"
#include "framework/TAppl.h"
#include "platform/gdi/Cursor.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/HandOver.h"
#include "platform/sys/InstanceChannel.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"
#include "platform/sys/TerminationSignals.h"
#include "platform/ui/Descriptors.h"
#include "platform/ui/HandOverReceiver.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Styles.h"

using namespace win;

namespace {

// The size the program's window opens at before the frame places itself.
constexpr SIZE kFirstWindowSize{1024, 768};

// The program's arguments as it keeps them, in program text: entry 0 is the program, and the
// vector ends in a null, as the environment hands them on.
struct ProgramArguments {
    std::vector<std::string> texts;
    std::vector<char*> vector;

    void Add(std::string text) { texts.push_back(std::move(text)); }
    char** Vector() {
        vector.clear();
        for (std::string& text : texts) vector.push_back(text.data());
        vector.push_back(nullptr);
        return vector.data();
    }
};

const char* StartedAs(const ProgramStart& start) {
    return start.argumentCount > 0 && start.arguments[0] ? start.arguments[0] : "fablecore";
}

void Tell(const ProgramStart& start, const std::string& problem) {
    if (start.tellProblem) {
        start.tellProblem(StartedAs(start), problem);
    } else {
        std::fprintf(stderr, "%s: %s\n", StartedAs(start), problem.c_str());
    }
}

constexpr const char* kUnheldCharacters =
    "holds characters the program cannot keep in file names (it keeps them in the Windows-1252 "
    "character set)";

// Why the program cannot run from where it is, naming the place as the system does.
std::string UnheldPlaceProblem(const UnheldPlace& unheld) {
    if (unheld.place == ProgramPlace::kProgram)
        return "the program cannot run from \"" + unheld.systemPath + "\": the name " + kUnheldCharacters +
               ". Move it to a folder whose name it can keep.";
    return "the program cannot start in the current folder \"" + unheld.systemPath + "\": the name " +
           kUnheldCharacters + ". Start it from another folder.";
}

// This start in program text: its current folder and its arguments. An argument with no program
// form is left out, and the writer told. False, with the writer told, when the program cannot run
// from where it is: in a folder it cannot name it finds neither its own files nor the files named
// relative to the current folder.
bool ThisStart(const ProgramStart& start, HandOver& handOver, ProgramArguments& arguments) {
    if (const std::optional<UnheldPlace> unheld = FindUnheldPlace()) {
        Tell(start, UnheldPlaceProblem(*unheld));
        return false;
    }
    char folder[PATH_MAX];
    if (GetCurrentDirectoryA(sizeof folder, folder) > 0) handOver.folder = folder;
    if (start.argumentCount < 1) return true;
    // The program's own name is only shown: a character it cannot keep shows as '?'.
    const std::string program = StartedAs(start);
    arguments.Add(NameFromSystem(program).value_or(Utf8ToCp1252(program)));
    for (int i = 1; i < start.argumentCount; ++i) {
        std::optional<std::string> argument = NameFromSystem(start.arguments[i]);
        if (!argument) {
            Tell(start, std::string("the file name \"") + start.arguments[i] + "\" " + kUnheldCharacters +
                            ", so the program cannot open that file; it is left out. Rename the file "
                            "to open it.");
            continue;
        }
        handOver.arguments.push_back(*argument);
        arguments.Add(std::move(*argument));
    }
    return true;
}

// Tells the writer why a later start ends without handing its files over (a start that named none
// only asked the running copy to come forward).
int ReportNoHandOver(const ProgramStart& start, InstanceRole role, bool namedFiles) {
    const std::string notTaken = namedFiles ? "did not take this start's files" : "did not answer this start";
    if (role == InstanceRole::kRefused && GetLastError() == ETIMEDOUT) {
        Tell(start, "the running copy kept a dialog open and " + notTaken + "; close the dialog and try again.");
    } else if (role == InstanceRole::kRefused) {
        Tell(start, namedFiles ? "the running copy could not take this start's files; nothing was opened."
                               : "the running copy could not answer this start.");
    } else {
        Tell(start, "a copy of the program is running but did not answer; nothing was opened.");
    }
    return 1;
}

}  // namespace

int WinMain(const ProgramStart& start) {
    HandOver handOver;
    ProgramArguments arguments;
    if (!ThisStart(start, handOver, arguments)) return 1;
    const std::string frameClass = MakeFrameClassName(nullptr);
    // Copies without a window hand over among themselves, on a channel of their own.
    const bool headless = start.isHeadless != nullptr && start.isHeadless();
    InstanceStart instance = InstanceStart::Claim(headless ? frameClass + "_headless" : frameClass, handOver,
                                                  kHandOverPatience, start.dialogPatience);
    if (instance.role == InstanceRole::kHandedOver) return 0;
    if (instance.role != InstanceRole::kFirst) return ReportNoHandOver(start, instance.role, !handOver.arguments.empty());

    std::unique_ptr<Presenter> presenter;
    if (!GetPresenter() && start.startPresenter) {
        const FileRef program(arguments.texts.empty() ? "" : arguments.texts[0].c_str());
        presenter = start.startPresenter(program.NamePtr(), kFirstWindowSize);
        if (!presenter) return 1;
    }
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));

    std::string commandLine;
    for (const std::string& argument : handOver.arguments)
        commandLine += (commandLine.empty() ? "" : " ") + argument;
    AppEnvironment& environment = AppEnvironment::Instance();
    environment.SetStart(static_cast<int>(arguments.texts.size()), arguments.Vector(), nullptr, nullptr,
                         commandLine.c_str(), SW_SHOW);

    HandOverReceiver receiver(std::move(instance.listener), frameClass);
    // A signal to end ends the program from its message loop, whatever it was doing: its stores are
    // closed (which removes their swap files) and the channel given up before it goes. What goes
    // wrong on the way out is written to the standard error, not put to a writer who may be gone.
    TerminationSignals signals;
    if (signals.Descriptor() >= 0) {
        WatchDescriptor(signals.Descriptor(), [&signals, &receiver] {
            const int signal = signals.Take();
            if (signal == 0) return;
            receiver.Close();
            SetDebugPrintHook(nullptr);
            PFMTerm();
            TerminationSignals::EndAs(signal);
        });
    }
    const int result = AppMain(start.createApplication);
    if (signals.Descriptor() >= 0) StopWatchingDescriptor(signals.Descriptor());
    return result;
}

ErrCode AppMain(ApplicationFactory createApplication) {
    StartUp();
    FrameworkStartHook();
    AppEnvironment& environment = AppEnvironment::Instance();
    SetAppEnvironment(&environment);
    ErrCode result = -1;
    if (TAppl* application = createApplication ? createApplication(&environment) : nullptr) {
        RegisterObjectFactory(ItemObjectFactory);
        result = application->Run() == kNoErr ? kNoErr : ErrCode{-1};
        delete application;
    }
    environment.Reset();
    SetAppEnvironment(nullptr);
    FrameworkEndHook();
    ShutDown();
    return result;
}
