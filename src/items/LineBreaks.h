#pragma once
// One line from many: what one-line fields and in-place cell editors make of pasted text.

#include <string>

// The text with each line break (CR LF, CR or LF) made a space.
std::string FoldLineBreaks(const std::string& text);
