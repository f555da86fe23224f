#pragma once
// Internal to the window layer: the word wrap (WordWrap.h) over measured widths, and the same text
// broken at its line breaks only.

#include <optional>

#include "platform/ui/TextMeasure.h"
#include "platform/ui/WordWrap.h"

namespace win::detail {

// Without a width, lines end only at line breaks.
std::vector<WrappedLine> BreakLines(const TextMeasure& measure, std::string_view text,
                                    std::optional<int> width);

// The length of the line break at an index: 2 for CR LF, 1 for a lone CR or LF, else 0.
int LineBreakLength(std::string_view text, std::size_t at);

}  // namespace win::detail
