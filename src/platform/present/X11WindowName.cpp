#include "platform/present/X11WindowName.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#include <optional>
#include <string>

// Last: the X headers define names (None, Bool, Status) that other headers use otherwise.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace win {
namespace {

// The name in Latin-1, the X "STRING" type; none when it holds a character Latin-1 lacks.
std::optional<std::string> Latin1Of(std::string_view utf8) {
    std::string latin1;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            latin1 += static_cast<char>(byte);
        } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size()) {
            latin1 +=
                static_cast<char>(((byte & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            return std::nullopt;
        }
    }
    return latin1;
}

void SetProperty(Display* display, Window window, Atom property, Atom type, const std::string& value) {
    XChangeProperty(display, window, property, type, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(value.data()), static_cast<int>(value.size()));
}

}  // namespace

void SetX11WindowName(SDL_Window* window, std::string_view utf8Name) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    const Window handle = info.info.x11.window;
    const std::string name(utf8Name);
    SetProperty(display, handle, XInternAtom(display, "_NET_WM_NAME", False),
                XInternAtom(display, "UTF8_STRING", False), name);
    // The older name, for window managers that know only it, where Latin-1 has every character.
    if (const std::optional<std::string> latin1 = Latin1Of(name))
        SetProperty(display, handle, XA_WM_NAME, XA_STRING, *latin1);
    XFlush(display);
}

}  // namespace win
