#pragma once
// The terms of the theory that the dictionary lists: the classes, types, variations and the elements
// (each element once, as the first class holds it), then the dynamics and appreciations with their
// values, each under its dictionary name, in the structure's order or alphabetically.

#include <string>
#include <vector>

#include "storywindows/TheoryTexts.h"

struct DictionaryTerm {
    int id = 0;
    std::string name;
};

enum class DictionarySort : int { kAlphabetical = 0, kStructure = 1 };

// What a term's entry shows besides its name and short definition.
enum class DictionaryDisplay : int { kShort = 0, kLong = 1, kEverything = 2 };

// The ids of every term, in the structure's order.
std::vector<int> TheoryTermIds();
// Every term with its name, sorted: alphabetically ignoring case (the structure's order among equal
// names), or in the structure's order.
std::vector<DictionaryTerm> DictionaryTerms(const TheoryTexts& texts, DictionarySort sort);
// The styled template of the term's entry as the display asks for it.
std::string DictionaryEntry(const TheoryTexts& texts, int id, DictionaryDisplay display);
