#pragma once
// One entry of an include-appreciation list: a story point and value pair with up to two
// characters it concerns.

#include <cstdint>

#include "storymodel/CharID.h"

class IncludeableAppreciation {
public:
    // -1, -1 and no characters.
    IncludeableAppreciation() = default;
    IncludeableAppreciation(std::int16_t firstID, std::int16_t secondID, CharID character1 = kNoCharID,
                            CharID character2 = kNoCharID);

    std::int16_t GetFirstID() const { return firstID_; }
    std::int16_t GetSecondID() const { return secondID_; }
    CharID GetCharacter1() const { return character1_; }
    CharID GetCharacter2() const { return character2_; }

    void SetFirstID(std::int16_t id) { firstID_ = id; }
    void SetSecondID(std::int16_t id) { secondID_ = id; }
    // When both characters are set, the first holds the larger id: setting either one swaps the
    // two when the first would be the smaller.
    void SetCharacter1(CharID id);
    void SetCharacter2(CharID id);

    bool operator==(const IncludeableAppreciation&) const = default;

private:
    void OrderCharacters();

    std::int16_t firstID_ = -1;
    std::int16_t secondID_ = -1;
    CharID character1_ = kNoCharID;
    CharID character2_ = kNoCharID;
};
