#include "platform/ui/TextMeasure.h"

#include <algorithm>

#include "platform/gdi/Text.h"

namespace win::detail {

TextMeasure::TextMeasure(HDC dc) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        SIZE size;
        widths_[static_cast<std::size_t>(byte)] = GetTextExtentPoint32A(dc, &c, 1, &size) ? size.cx : 0;
    }
    TEXTMETRICA metrics;
    if (GetTextMetricsA(dc, &metrics)) {
        tabStop_ = std::max<int>(1, 8 * metrics.tmAveCharWidth);
        lineHeight_ = metrics.tmHeight;
    }
}

int TextMeasure::After(std::string_view text, int x) const {
    for (char c : text) x = After(c, x);
    return x;
}

}  // namespace win::detail
