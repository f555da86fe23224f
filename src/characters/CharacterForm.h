#pragma once
// What the character dialog shows and edits of one character: its name, sex, special
// identification (the Main or impact character, or neither), picture, role and description. Texts
// are kept as the story stores them (with their escapes).

#include <cstdint>
#include <string>

#include "foundation/Types.h"
#include "storymodel/CharID.h"

class CharacterManager;
class CharInfoRec;

// The sexes a character can have.
inline constexpr std::uint16_t kMaleSex = 0;
inline constexpr std::uint16_t kFemaleSex = 1;
inline constexpr std::uint16_t kNeutralSex = 2;

struct CharacterForm {
    std::string name;
    std::uint16_t sex = kMaleSex;
    std::int16_t identity = 0;
    std::uint16_t picture = 0;
    std::string role;
    std::string description;
};

// The stock picture of a sex: a woman's for a woman, a man's otherwise.
std::uint16_t StockPicture(std::uint16_t sex);

// A new character's form: the next default name, the story's default sex and the stock picture of
// that sex.
CharacterForm NewCharacterForm(const CharacterManager& characters);
CharacterForm ReadCharacterForm(CharInfoRec& character);
// Writes the form into the story: the character (kNoCharID: a new one, made now) takes every value
// that differs from what it has; a new Main or impact identity is given after the character
// manager's question, and one taken away is refused with its message. Answers the character;
// kNoCharID when none could be made. A text the character's record cannot keep is left as it was,
// and the record's error goes into *error (0 when every text was kept).
CharID WriteCharacterForm(CharacterManager& characters, CharID id, const CharacterForm& form,
                          ErrCode* error = nullptr);
