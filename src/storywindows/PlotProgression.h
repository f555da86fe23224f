#pragma once
// The plot progression of a story: for each throughline its four signposts (the types the storyform
// gives its signpost story points, with the writer's storytelling for each) and the three journeys
// from one signpost to the next.

#include <array>
#include <string>

class FKDoc;

// One step of a throughline's progression.
struct PlotStep {
    int index = -1;            // the signpost's story point row; -1 for a journey
    std::string label;         // "Signpost 1" .. "Signpost 4", "Journey 1" .. "Journey 3"
    std::string value;         // the signpost's type, or "<from> to <to>"; empty while not chosen
    std::string storytelling;  // the writer's text for a signpost, as the writer reads it
};

inline constexpr int kThroughlineCount = 4;
inline constexpr int kSignpostCount = 4;
// Signposts and journeys alternate: signpost 1, journey 1, signpost 2, ... signpost 4.
inline constexpr int kPlotStepCount = 2 * kSignpostCount - 1;
using ThroughlineProgression = std::array<PlotStep, kPlotStepCount>;

// The throughline's (0-3) progression in the story as it stands.
ThroughlineProgression ProgressionOf(FKDoc& story, int throughline);
// The name of the throughline (0-3) in the vocabulary in force.
std::string ThroughlineName(FKDoc& story, int throughline);
