#pragma once
// Spin-The-Model: story points picked at random among the values that leave storyforms. A spin goes
// through the story engine panel's controls - the dynamics when asked, then each throughline's
// domain, concern and issue, and its problem when asked - choosing for as many of them as the spin
// reaches a value at random from those at hand, so the storyform it leaves always has storyforms
// left. Locked choices never change; the writer's own choices stay unless the spin is told to choose
// again. The spin's results go into the story at once when asked, else the story is put back as it
// was and the writer keeps the results later, or not.

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

class FKDoc;

struct SpinOptions {
    static constexpr int kMaxReach = 24;
    bool dynamics = true;      // the eight dynamics spin too
    bool honour = true;        // the writer's choices stay; else every unlocked choice is spun again
    bool problems = true;      // the problems (an element each) spin too
    bool names = true;         // the results name their story points
    bool throughlines = true;  // the results stand under their throughlines' headings
    bool assign = false;       // the results go into the story at once
    int reach = kMaxReach;     // how many story points one spin decides (1-24)
};

// One story point a spin chose.
struct SpinResult {
    std::size_t control = 0;  // the story engine panel's control
    std::int16_t value = 0;
};

// Spins the story's storyform; the results in the controls' order. Without engine data nothing spins.
std::vector<SpinResult> Spin(FKDoc& story, const SpinOptions& options, std::mt19937& random);
// The results into the story's storyform, in order; how many were taken (a result the storyform no
// longer allows, or a locked point, is left out).
int KeepSpin(FKDoc& story, const std::vector<SpinResult>& results);
// The lines that show the results, as the options say.
std::vector<std::string> DescribeSpin(FKDoc& story, const std::vector<SpinResult>& results,
                                      const SpinOptions& options);
