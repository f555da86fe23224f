#pragma once
// The story points as the story points window lists them: a heading for each block of the story
// point table (the dynamics with their appreciations, then each throughline), followed by each story
// point of the block with the value the storyform gives it and the writer's storytelling text for
// it, which the story keeps in its 'STEL' record under the point's code.

#include <cstdint>
#include <string>
#include <vector>

class FKDoc;

struct StoryPointLine {
    int index = -1;            // the story point's row of the table; -1 for a heading
    std::string name;          // the heading, or the point's name in the vocabulary in force
    std::string value;         // the value in force, in words; empty while nothing is chosen
    std::string storytelling;  // the writer's text, as the writer reads it
};

// Every line, headings included, in table order.
std::vector<StoryPointLine> ListStoryPoints(FKDoc& story);
// The line of one story point (index 0-116 of a point that has a code); an empty heading otherwise.
StoryPointLine DescribeStoryPoint(FKDoc& story, int index);
// The words for a value of the point at the index: "" for none, "(several)" for several, else what
// the value names (StoryPointValueText: a position's place, a home class's class, an item's name).
// Without an index, the value's or element's name.
std::string ValueWords(std::int16_t value, int index = -1);

// The writer's storytelling text of the point as the record keeps it (escaped).
std::string StoredStorytelling(FKDoc& story, int index);
// Writes the text (escaped) for the point; an empty text takes the key away. Marks the story changed
// and answers true when the record changed.
bool WriteStorytelling(FKDoc& story, int index, const std::string& stored);
