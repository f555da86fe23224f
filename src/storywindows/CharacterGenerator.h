#pragma once
// The character generator: characters proposed from the theory's characteristics, which the writer
// keeps or not. Archetypal proposals are the archetypes none of whose elements a character of the
// story holds yet; complex proposals deal two characteristics per dimension at random among those no
// character holds yet. A kept proposal becomes a character of the story with its characteristics.

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "storymodel/CharID.h"

class FKDoc;

enum class GeneratorKind : int { kArchetypal = 0, kComplex = 1 };

struct CharacterProposal {
    std::string name;  // the archetype's name; empty for a complex character (it takes the next default name)
    std::int16_t archetype = 0;
    std::array<std::vector<std::int16_t>, 4> characteristics;  // element ids, per dimension
};

inline constexpr int kMaxProposals = 8;

// At most count (1-8) proposals; fewer when the free characteristics run out.
std::vector<CharacterProposal> ProposeCharacters(FKDoc& story, GeneratorKind kind, int count,
                                                 std::mt19937& random);
// The proposal as a character of the story; its id, kNoCharID when it could not be made. A
// characteristic another character took meanwhile is left out.
CharID AddProposedCharacter(FKDoc& story, const CharacterProposal& proposal);
// "Protagonist: Pursuit, Consider, ..." - the name (or "New character") and the characteristics.
std::string DescribeProposal(const CharacterProposal& proposal);
