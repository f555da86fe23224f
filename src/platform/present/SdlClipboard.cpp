#include "platform/present/SdlClipboard.h"

#include <SDL2/SDL.h>

namespace win {

std::optional<std::string> SdlClipboard::Text() {
    if (!SDL_HasClipboardText()) return std::nullopt;
    char* text = SDL_GetClipboardText();
    if (text == nullptr) return std::nullopt;
    std::string copy = text;
    SDL_free(text);
    return copy;
}

void SdlClipboard::SetText(const std::string& utf8) { SDL_SetClipboardText(utf8.c_str()); }

}  // namespace win
