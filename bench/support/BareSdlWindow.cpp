// The floor of the start benchmark: a bare SDL program that opens a window of the size it is given,
// paints it once with one line of text in the program's menu font (the face fontconfig gives for
// "Arial", 11 pixels, drawn by cairo as the program draws its text) and says so as the program
// does, "painted <width> <height>" on the stream socket named by FABLECORE_FIRST_FRAME_FD. It
// draws in software into an image it copies to the window, as the program does.
//   bare_sdl_window <width> <height>

#include <SDL2/SDL.h>
#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <sys/socket.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The face fontconfig matches for the family, as the program asks for its faces.
cairo_font_face_t* MatchFace(const char* family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return nullptr;
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    return face;
}

}  // namespace

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
    cairo_font_face_t* face = FcInit() ? MatchFace("Arial") : nullptr;
    if (surface == nullptr || face == nullptr) return 1;

    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(image);
    cairo_set_source_rgb(cr, 0xC0 / 255.0, 0xC0 / 255.0, 0xC0 / 255.0);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, 11);
    cairo_move_to(cr, 8, 14);
    cairo_show_text(cr, "File  Edit  Storyforming  Character  Storytelling  Tools  Window  Help");
    cairo_destroy(cr);
    cairo_surface_flush(image);
    SDL_Surface* drawn =
        SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(image), width, height, 32,
                                           cairo_image_surface_get_stride(image), SDL_PIXELFORMAT_RGB888);
    if (drawn == nullptr || SDL_BlitSurface(drawn, nullptr, surface, nullptr) != 0) return 1;
    SDL_UpdateWindowSurface(window);
    const std::string line = "painted " + std::to_string(width) + " " + std::to_string(height) + "\n";
    send(std::atoi(socketText), line.data(), line.size(), MSG_NOSIGNAL);

    SDL_FreeSurface(drawn);
    cairo_surface_destroy(image);
    cairo_font_face_destroy(face);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
