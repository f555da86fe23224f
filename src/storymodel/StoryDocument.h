#pragma once
// What the character and scene managers and the macro expander need of the story document that
// owns them: its records and its storyform, besides what the storyform manager needs.

#include <cstdint>

#include "storymodel/engine/IStoryFormDocument.h"

class CharacterManager;
class PText;
class SceneManager;

class IStoryDocument : public IStoryFormDocument {
public:
    // The story's information record (title, story names, ...); owned by the document.
    virtual PText& GetInfoRecord() = 0;
    // The story's storytelling record ('STEL' 0); owned by the document.
    virtual PText& GetStorytellingRecord() = 0;
    // The story's characters; null until the document has made them.
    virtual CharacterManager* GetCharacterManager() = 0;
    // The story's scenes; null until the document has made them.
    virtual SceneManager* GetSceneManager() const = 0;
    // The value in force of the story point at the index 0-116: 0 none, -1 several, an element id,
    // or a story point value id of 1000 and above.
    virtual std::int16_t GetStoryPointValue(int index) = 0;
    // The value of the story point at the index that the storyforms still possible settle
    // (SettledStoryPoints.h), as the reports read it; the value in force unless a document says more.
    virtual std::int16_t GetSettledStoryPointValue(int index) { return GetStoryPointValue(index); }
};
