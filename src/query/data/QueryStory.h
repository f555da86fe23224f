#pragma once
// What the query system's window-free parts read of one story: the document (which the macro
// expander and the page keywords are given), its characters and scenes, the record of its storyform
// responses (where the query window keeps its places) and its question status. The query window
// fills it from the story document; any of the pointers may be null, which reads as a story
// without that part.

class CharacterManager;
class IStoryDocument;
class PText;
class QuestionStatus;
class SceneManager;

struct QueryStory {
    IStoryDocument* document = nullptr;
    CharacterManager* characters = nullptr;
    SceneManager* scenes = nullptr;
    PText* responses = nullptr;
    QuestionStatus* status = nullptr;
};
