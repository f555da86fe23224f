#include "platform/present/StartPresenter.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/present/HeadlessPresenter.h"
#include "platform/present/SdlPresenter.h"

namespace win {
namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

bool HasDisplay() { return Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

// The file-name part of a path.
std::string FileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

bool IsHeadlessStart() {
    const char* variable = std::getenv("FABLECORE_HEADLESS");
    return variable != nullptr && std::strcmp(variable, "1") == 0;
}

std::unique_ptr<Presenter> StartPresenter(const std::string& title, SIZE size) {
    if (IsHeadlessStart()) return std::make_unique<HeadlessPresenter>(size);
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

void TellStartProblem(const std::string& program, const std::string& problem) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), problem.c_str());
    // Started from the desktop, the writer sees no standard error.
    if (!IsHeadlessStart() && HasDisplay())
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, FileName(program).c_str(), problem.c_str(), nullptr);
}

}  // namespace win
