#pragma once
// The readable source of an example story (data/examples/*.story): its title and synopses, its
// storyform choices, characters, relationships, scenes and storytelling texts, as written. Reading
// checks the form only; what the names mean (story point codes, values, characters) is checked
// when the story is resolved (StoryResolver.h).
//
// A statement starts at the left margin with its word; the lines indented below it belong to it.
// Blocks (storyform, character, scene, storytelling) hold fields, one per line at the block's
// indentation; a field's or a statement's text goes on over the lines indented deeper than it,
// joined with blanks, and a blank line inside a text starts a new paragraph. Lines whose first
// character other than blanks is '#' are comments.
//
//   title Romeo and Juliet
//   info Synopsis
//       Two young people of feuding houses ...
//   storyform
//       Resolve   Change
//       STDom     Physics
//   character Romeo
//       sex       male
//       picture   12
//       subjective main
//       description
//           The only son of the Montagues ...
//   relationship Romeo & Juliet
//       They marry in secret the day after they meet.
//   scene The brawl in the market place
//       description  Servants of the two houses ...
//       points       STDom Work
//       characters   Romeo, Tybalt
//   storytelling
//       Resolve
//           Romeo never gives up ...
//
// Texts are UTF-8 and are read in the plain notation of the data sources (TextNotation.h): the
// stored bytes are Windows-1252, and \n, \t, \\ and \xHH are escapes.

#include <string>
#include <string_view>
#include <vector>

#include "datafiles/Diagnostics.h"

// A text of the source in stored bytes, with the line it starts on.
struct StoryText {
    int line = 0;
    std::string bytes;
};

// A field of a block: its name, its value as written on its line (blanks trimmed) and, for a text
// field, the whole text.
struct StoryField {
    int line = 0;
    std::string name;
    std::string value;
    StoryText text;
    bool continued = false;  // the text goes on over lines below the field's
};

struct StoryChoice {
    int line = 0;
    std::string code;   // the story point's code
    std::string value;  // the name of the chosen value
};

struct StoryCharacter {
    int line = 0;
    std::string name;
    std::vector<StoryField> fields;
};

struct StoryRelationship {
    int line = 0;
    std::string first;
    std::string second;
    StoryText text;
};

struct StoryScene {
    int line = 0;
    std::string title;
    std::vector<StoryField> fields;
};

struct StoryInfoText {
    std::string key;  // the main record's key
    StoryText text;
};

struct StoryStorytelling {
    std::string code;  // the story point's code
    StoryText text;
};

struct StorySource {
    std::string path;
    StoryText title;
    std::vector<StoryInfoText> info;
    std::vector<StoryChoice> choices;
    std::vector<StoryCharacter> characters;
    std::vector<StoryRelationship> relationships;
    std::vector<StoryScene> scenes;
    std::vector<StoryStorytelling> storytelling;
};

// Reads the source; false when it has errors, which go to the diagnostics as "path:line: message".
bool ParseStorySource(const std::string& path, std::string_view contents, StorySource& story,
                      Diagnostics& diagnostics);
