#include "platform/present/StartPresenter.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/present/HeadlessPresenter.h"
#include "platform/present/SdlPresenter.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/FileSystem.h"

namespace win {
namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

bool HasDisplay() { return Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

// Why the program cannot run from where it is, naming the place as the system does; empty when it
// can.
std::string UnheldPlaceProblem() {
    const std::optional<UnheldPlace> unheld = FindUnheldPlace();
    if (!unheld) return {};
    const std::string why =
        "\": the name holds characters the program cannot keep in file names (it keeps "
        "them in the Windows-1252 character set). ";
    if (unheld->place == ProgramPlace::kProgram)
        return "the program cannot run from \"" + unheld->systemPath + why +
               "Move it to a folder whose name it can keep.";
    return "the program cannot start in the current folder \"" + unheld->systemPath + why +
           "Start it from another folder.";
}

}  // namespace

std::unique_ptr<Presenter> StartPresenter(const std::string& title, SIZE size) {
    const char* variable = std::getenv("FABLECORE_HEADLESS");
    const bool headless = variable != nullptr && std::strcmp(variable, "1") == 0;
    if (const std::string problem = UnheldPlaceProblem(); !problem.empty()) {
        std::fprintf(stderr, "fablecore: %s\n", problem.c_str());
        // Started from the desktop, the user sees no standard error.
        if (!headless && HasDisplay())
            SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, Cp1252ToUtf8(title).c_str(), problem.c_str(),
                                     nullptr);
        return nullptr;
    }
    if (headless) return std::make_unique<HeadlessPresenter>(size);
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "fablecore: no display to open a window on (DISPLAY is not set). Run it in a desktop "
                     "session, or set FABLECORE_HEADLESS=1 to run without a window.\n");
        return nullptr;
    }
    try {
        return std::make_unique<SdlPresenter>(title, size);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "fablecore: %s\n", failure.what());
        return nullptr;
    }
}

}  // namespace win
