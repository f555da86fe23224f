// Arranging the structures for the single remaining storyform.

#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/ThroughlineBuilder.h"

bool StoryFormManager::ArrangeForStoryform(ThroughlineStructure& shown, ThroughlineStructure& arranged,
                                           ThroughlineStructure& derived) {
    StoryformBuildInput input;
    BuiltStoryform built;
    if (!StoryformBuildInput::FromStoryform(*this, input) || !CalcStoryformCodes(input, built))
        return false;
    shown = built.shown;
    arranged = built.p;
    derived = built.q;
    for (int index = 0; index < kStoryPointCount; ++index) {
        if (built.points.written[static_cast<std::size_t>(index)])
            SetValueAt(index, built.points.GetValueAt(index));
    }
    return true;
}
