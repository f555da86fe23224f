#pragma once
// The name an X window manager shows in the OS window's caption and task list. SDL sets it through
// the C library's multibyte functions, which in the program's "C" locale fail on some characters
// (an em dash): the name is then left as it was, without a word. On X the presenter writes the name
// itself, as UTF-8 (_NET_WM_NAME) and as Latin-1 where it has every character (WM_NAME).

#include <string_view>

struct SDL_Window;

namespace win {

// Does nothing for a window that is not on X.
void SetX11WindowName(SDL_Window* window, std::string_view utf8Name);

}  // namespace win
