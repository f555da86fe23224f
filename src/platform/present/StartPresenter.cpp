#include "platform/present/StartPresenter.h"

#include <SDL2/SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <climits>
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

// The socket a launcher handed down to hear when the first frame is shown, or -1. Programs this one
// starts inherit neither the setting nor the socket.
int FirstFrameSocket() {
    constexpr const char* kVariable = "FABLECORE_FIRST_FRAME_FD";
    const char* value = std::getenv(kVariable);
    if (value == nullptr) return -1;
    char* end = nullptr;
    const long socket = std::strtol(value, &end, 10);
    const bool named = end != value && *end == '\0' && socket > STDERR_FILENO && socket <= INT_MAX;
    ::unsetenv(kVariable);
    if (!named || ::fcntl(static_cast<int>(socket), F_SETFD, FD_CLOEXEC) != 0) return -1;
    return static_cast<int>(socket);
}

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
    // Read before SDL starts threads of its own.
    const int firstFrameSocket = FirstFrameSocket();
    try {
        auto presenter = std::make_unique<SdlPresenter>(title, size);
        if (firstFrameSocket >= 0) presenter->TellFirstFrame(firstFrameSocket);
        return presenter;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "fablecore: %s\n", failure.what());
        if (firstFrameSocket >= 0) ::close(firstFrameSocket);
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
