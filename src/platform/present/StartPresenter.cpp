#include "platform/present/StartPresenter.h"

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

}  // namespace

std::unique_ptr<Presenter> StartPresenter(const std::string& title, SIZE size) {
    const char* headless = std::getenv("FABLECORE_HEADLESS");
    if (headless != nullptr && std::strcmp(headless, "1") == 0)
        return std::make_unique<HeadlessPresenter>(size);
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) {
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
