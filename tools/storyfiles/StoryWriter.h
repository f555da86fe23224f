#pragma once
// Writes a resolved example story into a new story document through the story's own managers, as
// the query system and the character and scene tools write a writer's answers: the title and
// synopses, the characters with their roles, texts and relationships, the scenes with what each
// represents (the items of the scene pages' fullest menu), the storyform choices, and the
// storytelling texts. Texts are stored through the program's text filter, as the edit fields store
// them.
//
// The storyform must come down to one: the writer counts the storyforms the choices leave, as the
// query window does after an answer, and with one left writes its results into the story and
// arranges its throughlines. With more, it reports the values each story point can still take;
// with one, every story point the storyform gives a value must have a storytelling text and no
// other point may have one.

#include <string>

#include "storyfiles/StoryResolver.h"

class FKDoc;

class StoryWriter {
public:
    StoryWriter(FKDoc& document, std::string path, Diagnostics& diagnostics);

    // False when the story cannot be written as it is (the diagnostics say why); the document then
    // holds what was written so far.
    bool Write(const ResolvedStory& story);
    // Every story point with a code: its value in force and whether the story tells it; one line
    // each.
    std::string DescribeStoryform() const;

private:
    void WriteInformation(const ResolvedStory& story);
    void WriteCharacters(const ResolvedStory& story);
    void WriteScenes(const ResolvedStory& story);
    bool WriteStoryform(const ResolvedStory& story);
    bool WriteStorytelling(const ResolvedStory& story);
    void Error(int line, const std::string& message);

    FKDoc& document_;
    std::string path_;
    Diagnostics& diagnostics_;
    std::vector<std::uint16_t> characterIds_;  // by place in the cast
};
