#include "storymodel/engine/Vocabulary.h"

namespace {
std::uint16_t useOriginalTerms = 0;
}

std::uint16_t SetOriginalTerms(std::uint16_t value) {
    useOriginalTerms = value;
    return useOriginalTerms;
}

std::uint16_t UseOriginalTerms() { return useOriginalTerms; }

const char* TermInForce(const char* original, const char* newer) {
    return useOriginalTerms == 0 && newer ? newer : original;
}
