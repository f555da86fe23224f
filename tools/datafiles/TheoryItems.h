#pragma once
// The theory items that the dictionary and the verbs are written for, by the ids the text macros
// read them under, and their names in the two vocabularies; the story point records.
//
// The texts of an element serve it in all four classes: the macros fold every element id onto the
// element of the same name in the first class (85-148), and the group nodes with them. The story
// point values read under their own ids: the dynamics and the dynamic appreciations with their
// values, and the impact character's two resolve values, read 5 above the Main Character's
// (1006 and 1007).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TheoryLevel { kNone, kClass, kType, kVariation, kElement, kStoryPointValue };

// The level of an id that the dictionary holds; kNone for any other id.
TheoryLevel DictionaryLevel(int id);
// "classes", "types", "variations", "elements" or "dynamics".
std::string_view LevelWord(TheoryLevel level);

// Every id the dictionary holds, ascending.
const std::vector<std::uint16_t>& DictionaryIDs();
// Every id a verb is read under: the classes, types, variations and the first class's elements.
const std::vector<std::uint16_t>& VerbIDs();

// Whether the name is the id's name in either vocabulary.
bool IsNameOf(int id, std::string_view name);
// The id's names for messages: "Universe", or "Universe or Situation".
std::string NamesOf(int id);

// Whether the story points report reads the 'APPR' record of that number for one of its lines: 3
// to 118, except the indexes it skips.
bool IsStoryPointReportIndex(std::int64_t index);
// Every 'APPR' record the program reads: one per story point id (the topic tree, {APD(id)}) and
// one per report index.
const std::vector<std::uint16_t>& StoryPointRecordNumbers();

// Orders ids as the structure does: level by level, the items of a level by their structure codes,
// the story point values by id.
std::string StructureOrderKey(int id);
