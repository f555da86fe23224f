#pragma once
// The system's font and colour choosers in the program's terms: a font record (LOGFONT) and an
// RGBColor. Each runs in a modal phase and is centred on the screen when it opens. Both answer 0
// when something was chosen and 1 when the user cancelled; on cancel the caller's value stays as it
// was.
//
// The colour chooser's 16 custom colours are the user's own and are kept in the application's
// profile file, section "CUSTOM_COLORS", keys "ColorA" to "ColorP", each a COLORREF in upper-case
// hexadecimal; a missing key is white. They are written back only when a colour was chosen.

#include <cstdint>

#include "foundation/Types.h"
#include "platform/gdi/GdiTypes.h"

struct RGBColor;

// Font modes.
inline constexpr int kChooseFontWithStyle = 0;
inline constexpr int kChooseFaceAndSize = 1;  // the style is cleared and not offered

// The font chooser over the screen's and the default printer's faces, starting from the font;
// sizes are limited to minimum .. maximum points unless the minimum is 0.
ErrCode ChooseFontDialog(win::LOGFONTA& font, int mode, int minimum, int maximum);

ErrCode ChooseColorDialog(RGBColor& color, bool fullOpen);

inline constexpr int kCustomColorCount = 16;
// The custom colours as the profile keeps them, and keeping them there.
void ReadCustomColors(win::COLORREF (&colors)[kCustomColorCount]);
void WriteCustomColors(const win::COLORREF (&colors)[kCustomColorCount]);
