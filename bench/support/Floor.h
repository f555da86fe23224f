#pragma once
// Pairs a benchmark with its floor: a benchmark that does the same work plainly. After the run the
// benchmark programs print, for every pair whose two benchmarks ran, the work's median time
// against the floor's, beside the ratio it should keep within:
//
//   BENCH_FLOOR("BM_FreshCount", "BM_PlainLoopRecordByRecord", 4.0);
//
// Names are the benchmarks' full names as the report shows them ("BM_Write/synced:1").

#include <string>
#include <utility>
#include <vector>

struct FloorPair {
    std::string work;
    std::string floor;
    double target = 0;  // the largest ratio the work should take
};

// Declares a pair; answers true so that it can initialise a static.
bool DeclareFloor(std::string work, std::string floor, double target);

#define BENCH_FLOOR_NAME2(line) bench_floor_##line
#define BENCH_FLOOR_NAME(line) BENCH_FLOOR_NAME2(line)
#define BENCH_FLOOR(work, floor, target) \
    [[maybe_unused]] static const bool BENCH_FLOOR_NAME(__LINE__) = DeclareFloor(work, floor, target)

// A work measured at several sizes (the same benchmark over stories of more and more scenes, say):
// after the run the programs print its cost per unit at each size and the ratio of the largest
// size's cost per unit to the smallest's, which should keep within the target (at most 1 when the
// cost grows no faster than the size):
//
//   BENCH_GROWTH("Opening a story", "scene", {{"BM_Open/scenes:10", 10}, {"BM_Open/scenes:1000", 1000}}, 1.5);
struct GrowthSeries {
    std::string title;
    std::string unit;
    // Each size's benchmark (its full name) and its number of units, the smallest first.
    std::vector<std::pair<std::string, double>> sizes;
    double target = 0;
};

// Declares a series; answers true so that it can initialise a static.
bool DeclareGrowth(GrowthSeries series);

#define BENCH_GROWTH(title, unit, ...) \
    [[maybe_unused]] static const bool BENCH_FLOOR_NAME(__LINE__) = DeclareGrowth(GrowthSeries{title, unit, __VA_ARGS__})
