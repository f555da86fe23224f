#include "storywindows/StorySpinner.h"

#include <algorithm>

#include "app/FKDoc.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storywindows/EngineControls.h"
#include "storywindows/PlotProgression.h"
#include "storywindows/StoryPointList.h"

namespace {

bool Spins(std::size_t control, const SpinOptions& options) {
    if (control < EngineControls::kDynamicControls) return options.dynamics;
    const std::size_t level =
        (control - EngineControls::kDynamicControls) % EngineControls::kThroughlineControls;
    return level != EngineControls::kThroughlineControls - 1 || options.problems;
}

int ThroughlineOfControl(std::size_t control) {
    if (control < EngineControls::kDynamicControls) return -1;
    return static_cast<int>((control - EngineControls::kDynamicControls) /
                            EngineControls::kThroughlineControls);
}

}  // namespace

std::vector<SpinResult> Spin(FKDoc& story, const SpinOptions& options, std::mt19937& random) {
    std::vector<SpinResult> results;
    if (!story.HasRecords() || !story.GetStoryFormManager()) return results;
    EngineControls controls(story);
    if (!controls.IsCounted()) return results;
    if (!options.honour) controls.ClearUnlocked();
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < EngineControls::kCount; ++i) {
        const EngineControl& control = controls.Control(i);
        if (Spins(i, options) && !control.locked && control.chosen == 0) open.push_back(i);
    }
    // Which of the open points this spin reaches, decided in the controls' order.
    std::shuffle(open.begin(), open.end(), random);
    open.resize(std::min<std::size_t>(
        open.size(), static_cast<std::size_t>(std::clamp(options.reach, 1, SpinOptions::kMaxReach))));
    std::sort(open.begin(), open.end());
    for (std::size_t i : open) {
        const std::vector<std::int16_t> atHand = controls.Control(i).atHand;
        if (atHand.empty()) continue;
        std::uniform_int_distribution<std::size_t> pick(0, atHand.size() - 1);
        const std::int16_t value = atHand[pick(random)];
        if (controls.Choose(i, value)) results.push_back({i, value});
    }
    if (!options.assign) controls.Revert();
    return results;
}

int KeepSpin(FKDoc& story, const std::vector<SpinResult>& results) {
    if (results.empty() || !story.HasRecords() || !story.GetStoryFormManager()) return 0;
    EngineControls controls(story);
    int kept = 0;
    for (const SpinResult& result : results)
        if (result.control < EngineControls::kCount && controls.Choose(result.control, result.value)) ++kept;
    return kept;
}

std::vector<std::string> DescribeSpin(FKDoc& story, const std::vector<SpinResult>& results,
                                      const SpinOptions& options) {
    std::vector<std::string> lines;
    int heading = -2;
    for (const SpinResult& result : results) {
        const int throughline = ThroughlineOfControl(result.control);
        if (options.throughlines && throughline != heading) {
            heading = throughline;
            lines.push_back(throughline < 0 ? "Dynamics" : ThroughlineName(story, throughline));
        }
        std::string line = ValueWords(result.value);
        if (options.names) {
            const int index = StoryPointIndex(EngineControls::PointID(result.control));
            line = DescribeStoryPoint(story, index).name + ":  " + line;
        }
        lines.push_back(options.throughlines ? "    " + line : line);
    }
    return lines;
}
