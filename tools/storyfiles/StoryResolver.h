#pragma once
// An example story's source with its names made into what the story file stores: story point
// codes into table rows, value names into value ids, character names into places in the cast,
// field names into record keys. Everything a name can get wrong is reported at its line.
//
// Value names are those of either vocabulary ("Male" or "Logical", "Universe" or "Situation"). An
// element-level point's element is the one of that name in the class of its throughline's domain,
// which the storyform must therefore choose too.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storyfiles/StorySource.h"

struct ResolvedChoice {
    int line = 0;
    int index = 0;  // the story point's row
    std::int16_t value = 0;
};

struct ResolvedCharacter {
    int line = 0;
    std::string name;
    std::uint16_t sex = 0;  // 0 male, 1 female, 2 neither
    std::uint16_t form = 1;
    std::uint16_t picture = 0;
    std::int16_t subjectiveRole = 0;
    std::int16_t archetype = 0;
    // Texts of the character record, by key.
    std::vector<std::pair<std::string, std::string>> texts;
};

struct ResolvedRelationship {
    int line = 0;
    std::size_t first = 0;  // places in the cast
    std::size_t second = 0;
    std::string text;
};

struct ResolvedScene {
    int line = 0;
    std::string title;
    std::string description;
    std::vector<int> points;              // story point rows the scene represents
    std::vector<std::size_t> characters;  // characters it brings on, by place in the cast
};

struct ResolvedStorytelling {
    int line = 0;
    int index = 0;  // the story point's row
    std::string text;
};

struct ResolvedStory {
    std::string title;
    std::vector<std::pair<std::string, std::string>> info;  // main record key, text
    std::vector<ResolvedChoice> choices;
    std::vector<ResolvedCharacter> characters;
    std::vector<ResolvedRelationship> relationships;
    std::vector<ResolvedScene> scenes;
    std::vector<ResolvedStorytelling> storytelling;
};

// The value id of the point at the row named `name`; for an element-level point, in the class
// (1-4) given. Nothing when the point has no value of that name.
std::optional<std::int16_t> StoryPointValueByName(int index, const std::string& name, int elementClass);
// The display name of a value of the point at the row; "?" for one it cannot hold.
std::string StoryPointValueName(int index, std::int16_t value);

// Resolves the source; false when any name is wrong (reported to the diagnostics).
bool ResolveStory(const StorySource& source, ResolvedStory& story, Diagnostics& diagnostics);
