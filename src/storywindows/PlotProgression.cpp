#include "storywindows/PlotProgression.h"

#include "app/FKDoc.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/StoryPointList.h"
#include "storywindows/StoryWindowSupport.h"

namespace {

constexpr const char* kThroughlineNames[kThroughlineCount] = {"{NObje} Story", "Main Character",
                                                              "{NObst} Character", "{NSubj} Story"};

}  // namespace

std::string ThroughlineName(FKDoc& story, int throughline) {
    if (throughline < 0 || throughline >= kThroughlineCount) return "";
    return ExpandAndDecode(&story, kThroughlineNames[throughline]);
}

ThroughlineProgression ProgressionOf(FKDoc& story, int throughline) {
    ThroughlineProgression steps;
    if (throughline < 0 || throughline >= kThroughlineCount || !story.HasRecords()) return steps;
    for (int signpost = 0; signpost < kSignpostCount; ++signpost) {
        PlotStep& step = steps[static_cast<std::size_t>(2 * signpost)];
        step.index = ThroughlineStoryPointIndex(throughline, kSignpostOffset + signpost);
        step.label = "Signpost " + std::to_string(signpost + 1);
        step.value = ValueWords(story.GetStoryPointValue(step.index));
        step.storytelling = Decoded(StoredStorytelling(story, step.index));
    }
    for (int journey = 0; journey + 1 < kSignpostCount; ++journey) {
        PlotStep& step = steps[static_cast<std::size_t>(2 * journey + 1)];
        step.label = "Journey " + std::to_string(journey + 1);
        const std::string& from = steps[static_cast<std::size_t>(2 * journey)].value;
        const std::string& to = steps[static_cast<std::size_t>(2 * journey + 2)].value;
        // A journey is known once both of its signposts are, each a single type.
        if (!from.empty() && !to.empty() && from != ValueWords(-1) && to != ValueWords(-1))
            step.value = from + " to " + to;
    }
    return steps;
}
