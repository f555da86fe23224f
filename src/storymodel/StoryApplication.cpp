#include "storymodel/StoryApplication.h"

namespace {
IStoryApplication* gApplication = nullptr;
}

IStoryApplication* SetStoryApplication(IStoryApplication* application) {
    IStoryApplication* previous = gApplication;
    gApplication = application;
    return previous;
}

IStoryApplication* GetStoryApplication() { return gApplication; }
