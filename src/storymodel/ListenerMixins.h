#pragma once
// Listener mix-ins for windows, views and pages: each binds to one model broadcaster for the life
// of the object it is mixed into and passes the broadcaster's events on to one typed handler.

#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/Listener.h"

// Hears the storyform's changes (the story's storyform manager); the events carry nothing.
class MStoryFormListener : public MSingleBroadcastListener {
public:
    explicit MStoryFormListener(BracketedBroadcasterNULLEvt* storyForm)
        : MSingleBroadcastListener(storyForm) {}

    void Notify(const Event* event) override { StoryFormChanged(event); }
    virtual void StoryFormChanged(const Event* event) = 0;
};

// Hears which characters changed (the story's character manager).
class MCharacterListener : public MSingleBroadcastListener {
public:
    explicit MCharacterListener(TBracketedBroadcasterEvt<CharacterEvent>* characters)
        : MSingleBroadcastListener(characters) {}

    // A character event, or null for a null event or an event of another kind.
    void Notify(const Event* event) override;
    virtual void CharactersChanged(const CharacterEvent* event) = 0;
};

// Hears that characteristics changed (the character manager's characteristic broadcaster).
class MCharacteristicListener : public MSingleBroadcastListener {
public:
    explicit MCharacteristicListener(BracketedBroadcasterNULLEvt* characteristics)
        : MSingleBroadcastListener(characteristics) {}

    void Notify(const Event* /*event*/) override { CharacteristicsChanged(); }
    virtual void CharacteristicsChanged() = 0;
};

// Hears the scenes' changes (the story's scene manager); the events carry nothing.
class MSceneListener : public MSingleBroadcastListener {
public:
    explicit MSceneListener(BracketedBroadcasterNULLEvt* scenes) : MSingleBroadcastListener(scenes) {}

    void Notify(const Event* event) override { ScenesChanged(event); }
    virtual void ScenesChanged(const Event* event) = 0;
};

// Hears story documents open and close (the application object, or nothing when it is null).
class MFKDocListener : public MSingleBroadcastListener {
public:
    explicit MFKDocListener(Broadcaster* application) : MSingleBroadcastListener(application) {}

    // A document event, or null for a null event or an event of another kind.
    void Notify(const Event* event) override;
    virtual void DocumentChanged(const FKDocEvent* event) = 0;
};
