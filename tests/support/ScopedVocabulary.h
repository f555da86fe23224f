#pragma once
// Test support: the program-wide vocabulary switch set for one test (the newer words, as the
// program starts, unless asked otherwise) and put back as it was when the test ends.

#include <cstdint>

#include "storymodel/engine/Vocabulary.h"

class ScopedVocabulary {
public:
    explicit ScopedVocabulary(std::uint16_t original = 0) : earlier_(UseOriginalTerms()) {
        SetOriginalTerms(original);
    }
    ~ScopedVocabulary() { SetOriginalTerms(earlier_); }
    ScopedVocabulary(const ScopedVocabulary&) = delete;
    ScopedVocabulary& operator=(const ScopedVocabulary&) = delete;

private:
    std::uint16_t earlier_;
};
