#pragma once
// Internal to the window layer: the colour chooser's dialog, its state and its drawn parts (the
// hue and saturation field, the luminance bar and the colour).

#include <array>
#include <vector>

#include "platform/ui/ColorChooser.h"
#include "platform/ui/ColorModel.h"

namespace win::detail {

inline constexpr int kCustomColorCount = 16;

struct ColorChooserSession {
    CHOOSECOLORA* record = nullptr;
    std::array<COLORREF, kCustomColorCount> custom{};  // the caller's, until OK
    COLORREF color = 0;
    Hls hls;                   // the colour, with the hue kept where a grey has none
    bool full = false;         // the defining part is shown
    bool filling = false;      // the chooser itself is setting its fields
    int dragging = 0;          // the drawn part the mouse went down in, until it comes up
    std::vector<DWORD> field;  // the hue and saturation field's pixels, made once
};

// Where the drawn parts lie in the dialog's client area.
inline constexpr RECT kHueSaturationField{240, 10, 420, 170};
inline constexpr RECT kLuminanceBar{430, 10, 442, 170};
inline constexpr RECT kLuminanceMarks{443, 4, 452, 176};
inline constexpr RECT kColorSample{240, 182, 296, 253};

// Draws the parts the update region holds.
void PaintDefiningPart(HWND dialog, HDC dc, ColorChooserSession& session);
// The drawn part under a client point (1 the field, 2 the bar), or 0.
int DrawnPartAt(POINT point);
// The colour that a point of a drawn part picks (the field keeps the luminance, the bar the hue and
// saturation), or the session's when the point is elsewhere.
Hls PickedAt(const ColorChooserSession& session, int part, POINT point);

}  // namespace win::detail
