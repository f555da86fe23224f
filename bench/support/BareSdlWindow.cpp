// The floor of the start benchmark: a bare SDL program that opens a window of the size it is given,
// paints it once, and says so as the program does, "painted <width> <height>" on the stream socket
// named by FABLECORE_FIRST_FRAME_FD. It draws its window in software, as the program does.
//   bare_sdl_window <width> <height>

#include <SDL2/SDL.h>
#include <sys/socket.h>

#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    const char* socketText = std::getenv("FABLECORE_FIRST_FRAME_FD");
    if (width < 1 || height < 1 || socketText == nullptr) return 2;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Window* window = SDL_CreateWindow("Bare", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width,
                                          height, SDL_WINDOW_RESIZABLE);
    SDL_Surface* surface = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
    if (surface == nullptr) return 1;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0xC0, 0xC0, 0xC0));
    SDL_UpdateWindowSurface(window);
    const std::string line = "painted " + std::to_string(width) + " " + std::to_string(height) + "\n";
    send(std::atoi(socketText), line.data(), line.size(), MSG_NOSIGNAL);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
