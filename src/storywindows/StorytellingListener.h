#pragma once
// Hears that a storytelling text of one story changed, whichever window or page wrote it: the story
// windows that show those texts (story points, plot progression) take it up at once, so that two of
// them side by side never disagree.

#include "storymodel/ListenerMixins.h"

class FKDoc;
class TAppl;

class StorytellingListener : public MFKDocListener {
public:
    // Listens to the application's story events for the story's own.
    StorytellingListener(TAppl* application, const FKDoc* story);
    ~StorytellingListener() override;
    StorytellingListener(const StorytellingListener&) = delete;
    StorytellingListener& operator=(const StorytellingListener&) = delete;

    void DocumentChanged(const FKDocEvent* event) override;
    virtual void StorytellingChanged() = 0;

private:
    const FKDoc* story_;
};
