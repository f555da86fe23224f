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
        ClearSingleStoryformPoints();
    }
}

void StoryFormManager::ClearSingleStoryformPoints() {
    structuresValid_ = 0;
    for (const int index : kDynamicAppreciationIndexes) SetValueAt(index, 0);
    for (int throughline = 0; throughline < kThroughlineCount; ++throughline) {
        // The domain's position and the four signposts that follow it.
        for (int offset = kPositionOffset; offset <= kSignpostOffset + 3; ++offset) {
            SetValueAt(ThroughlineStoryPointIndex(throughline, offset), 0);
        }
        // The home class and the counterpoint are derived only for a single storyform too; they go
        // back to what the writer chose, so that no value of an earlier storyform stays in force.
        for (const int offset : {kHomeClassOffset, kCounterpointOffset}) {
            const int index = ThroughlineStoryPointIndex(throughline, offset);
            SetValueAt(index, GetChosenValueAt(index));
        }
    }
}

void StoryFormManager::BuildStructuresForStoryform() {
    ThroughlineStructure& shown = throughlines_[0];
    ThroughlineStructure& arranged = throughlines_[1];
    ThroughlineStructure& derived = throughlines_[2];
    ThroughlineStructure& positions = throughlines_[3];

    if (!ArrangeForStoryform(shown, arranged, derived)) {
        // Values in force that make no storyform are no single storyform either.
        ClearSingleStoryformPoints();
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
