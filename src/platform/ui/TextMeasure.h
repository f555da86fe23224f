#pragma once
// Internal to the window layer: the widths text is laid out with. Each byte's width is measured
// once on a context (GetTextExtentPoint32A with the font selected there), so laying out, drawing
// at given advances and finding a character under the mouse all agree. A tab advances to the next
// stop, one every eight average character widths.

#include <array>
#include <string_view>

#include "platform/sys/WinTypes.h"

namespace win::detail {

class TextMeasure {
public:
    TextMeasure() = default;
    explicit TextMeasure(HDC dc);

    int Width(char c) const { return widths_[static_cast<unsigned char>(c)]; }
    // Where a character drawn at x ends (a tab's width depends on where it starts).
    int After(char c, int x) const { return c == '\t' ? (x / tabStop_ + 1) * tabStop_ : x + Width(c); }
    // Where text drawn at x ends.
    int After(std::string_view text, int x) const;
    int LineHeight() const { return lineHeight_; }

private:
    std::array<int, 256> widths_{};
    int tabStop_ = 8;
    int lineHeight_ = 0;
};

}  // namespace win::detail
