#include "storywindows/StorytellingListener.h"

#include "framework/TAppl.h"
#include "storymodel/Events.h"

StorytellingListener::StorytellingListener(TAppl* application, const FKDoc* story)
    : MFKDocListener(dynamic_cast<Broadcaster*>(application)), story_(story) {}

StorytellingListener::~StorytellingListener() { MFKDocListener::SetBroadcaster(nullptr); }

void StorytellingListener::DocumentChanged(const FKDocEvent* event) {
    if (event && story_ && event->GetDocument() == story_ && event->GetCode() == FKDocEvent::kStorytellingChanged)
        StorytellingChanged();
}
