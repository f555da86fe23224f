// The storyform manager's throughline structures and the story points derived with them: built
// when one storyform is left, cleared when more are possible again.

#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/QuadBlocks.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/ThroughlineBuilder.h"

void StoryFormManager::RebuildThroughlineStructures() {
    if (storyformCount_ == kOneStoryform) {
        BuildStructuresForStoryform();
    } else {
        LeaveSingleStoryform();
    }
}

// The writer's answers are never written over: what a single storyform gave is only ever a value in
// force, and each point's choice is what the writer answered.
void StoryFormManager::LeaveSingleStoryform() {
    if (structuresValid_ != 0) {
        for (int index = 0; index < kStoryPointCount; ++index) {
            if (StoryPointAt(index)->kind < kValueRow) SetValueAt(index, GetChosenValueAt(index));
        }
    }
    ClearSingleStoryformPoints();
}

void StoryFormManager::ClearSingleStoryformPoints() {
    structuresValid_ = 0;
    const auto toChoice = [this](int index) { SetValueAt(index, GetChosenValueAt(index)); };
    for (const int index : kDynamicAppreciationIndexes) toChoice(index);
    // The domain's position, the home class and the counterpoint come from a single storyform's
    // structure only. The signposts are answers the writer gives as well: they stay as they are.
    for (int throughline = 0; throughline < kThroughlineCount; ++throughline) {
        for (const int offset : {kPositionOffset, kHomeClassOffset, kCounterpointOffset})
            toChoice(ThroughlineStoryPointIndex(throughline, offset));
    }
}

void StoryFormManager::BuildStructuresForStoryform() {
    ThroughlineStructure& shown = throughlines_[0];
    ThroughlineStructure& arranged = throughlines_[1];
    ThroughlineStructure& derived = throughlines_[2];
    ThroughlineStructure& positions = throughlines_[3];

    if (!ArrangeForStoryform(shown, arranged, derived)) {
        // Values in force that make no storyform are no single storyform either.
        LeaveSingleStoryform();
        return;
    }
    CopyNodeFields(positions, derived, kCopyPosition | kCopyPositionA | kCopyPositionB);

    structuresValid_ = 1;
    UpdateDynamicAppreciations();
}

bool StoryFormManager::ArrangeForStoryform(ThroughlineStructure& shown, ThroughlineStructure& arranged,
                                           ThroughlineStructure& derived) {
    StoryformBuildInput input;
    BuiltStoryform built;
    if (!StoryformBuildInput::FromStoryform(*this, input) || !CalcStoryformCodes(input, built)) return false;
    shown = built.shown;
    arranged = built.p;
    derived = built.q;
    for (int index = 0; index < kStoryPointCount; ++index) {
        if (built.points.written[static_cast<std::size_t>(index)])
            SetValueAt(index, built.points.GetValueAt(index));
    }
    return true;
}

void StoryFormManager::UpdateDynamicAppreciations() { ::UpdateDynamicAppreciations(*this); }
