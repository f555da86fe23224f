#pragma once
// The program-wide vocabulary switch: every displayed theory term comes in the theory's original
// words or in newer, plainer ones ("Obstacle" or "Impact", "Appreciation" or "Story Point").

#include <cstdint>

// 0 (the value at start) selects the newer vocabulary, any other value the original one. The
// terminology preference sets it when the preferences are loaded or changed. Answers the value.
std::uint16_t SetOriginalTerms(std::uint16_t value);
std::uint16_t UseOriginalTerms();

// The term in the vocabulary in force: the newer one when the newer vocabulary is in force and
// there is one (not null), else the original one.
const char* TermInForce(const char* original, const char* newer);
