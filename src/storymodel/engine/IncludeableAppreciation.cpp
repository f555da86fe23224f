#include "storymodel/engine/IncludeableAppreciation.h"

#include <utility>

IncludeableAppreciation::IncludeableAppreciation(std::int16_t firstID, std::int16_t secondID,
                                                 CharID character1, CharID character2)
    : firstID_(firstID), secondID_(secondID), character1_(character1), character2_(character2) {
    OrderCharacters();
}

void IncludeableAppreciation::SetCharacter1(CharID id) {
    character1_ = id;
    OrderCharacters();
}

void IncludeableAppreciation::SetCharacter2(CharID id) {
    character2_ = id;
    OrderCharacters();
}

void IncludeableAppreciation::OrderCharacters() {
    if (IsValidCharID(character1_) && IsValidCharID(character2_) && character1_ < character2_) {
        std::swap(character1_, character2_);
    }
}
