#include "framework/AppMain.h"

#include <climits>
#include <cstdio>
#include <string>

#include "foundation/FileRef.h"
#include "foundation/ObjectFactory.h"
#include "foundation/Startup.h"
#include "framework/AppEnvironment.h"
#include "framework/InputHelpers.h"
#include "framework/ItemObjectFactory.h"
#include "framework/TAppl.h"
#include "platform/gdi/Cursor.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/HandOver.h"
#include "platform/sys/InstanceChannel.h"
#include "platform/ui/HandOverReceiver.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Styles.h"

using namespace win;

namespace {

// The size the program's window opens at before the frame places itself.
constexpr SIZE kFirstWindowSize{1024, 768};

HandOver ThisStart(int argumentCount, char** arguments) {
    HandOver handOver;
    char folder[PATH_MAX];
    if (GetCurrentDirectoryA(sizeof folder, folder) > 0) handOver.folder = folder;
    for (int i = 1; i < argumentCount; ++i) handOver.arguments.emplace_back(arguments[i]);
    return handOver;
}

// Tells the user why a later start ends without handing its files over.
int ReportNoHandOver(InstanceRole role, const char* program) {
    if (role == InstanceRole::kRefused) {
        std::fprintf(stderr,
                     "%s: the running copy has a dialog open and did not take this start's files; close the "
                     "dialog and try again.\n",
                     program);
    } else {
        std::fprintf(stderr, "%s: a copy of the program is running but did not answer; nothing was opened.\n",
                     program);
    }
    return 1;
}

}  // namespace

int WinMain(const ProgramStart& start) {
    const std::string frameClass = MakeFrameClassName(nullptr);
    const HandOver handOver = ThisStart(start.argumentCount, start.arguments);
    InstanceStart instance = InstanceStart::Claim(frameClass, handOver, kHandOverPatience);
    const char* program = start.argumentCount > 0 ? start.arguments[0] : "";
    if (instance.role == InstanceRole::kHandedOver) return 0;
    if (instance.role != InstanceRole::kFirst) return ReportNoHandOver(instance.role, program);

    std::unique_ptr<Presenter> presenter;
    if (!GetPresenter() && start.startPresenter) {
        presenter = start.startPresenter(FileRef(program).NamePtr(), kFirstWindowSize);
        if (!presenter) return 1;
    }
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));

    std::string commandLine;
    for (const std::string& argument : handOver.arguments)
        commandLine += (commandLine.empty() ? "" : " ") + argument;
    AppEnvironment& environment = AppEnvironment::Instance();
    environment.SetStart(start.argumentCount, start.arguments, nullptr, nullptr, commandLine.c_str(),
                         SW_SHOW);

    const HandOverReceiver receiver(std::move(instance.listener), frameClass);
    return AppMain(start.createApplication);
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
