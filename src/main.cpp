// Program entry.

#include <ctime>

#include "foundation/Random.h"
#include "framework/AppMain.h"
#include "platform/present/StartPresenter.h"
#include "platform/sys/HeapPolicy.h"
#include "program/StoryApplication.h"

int main(int argc, char** argv) {
    win::KeepHeapForReuse();
    SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    ProgramStart start;
    start.argumentCount = argc;
    start.arguments = argv;
    start.createApplication = CreateStoryApplication;
    start.startPresenter = win::StartPresenter;
    start.tellProblem = win::TellStartProblem;
    start.isHeadless = win::IsHeadlessStart;
    return WinMain(start);
}
