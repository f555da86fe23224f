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
// after the run the programs print its marginal cost, what each added unit costs from one size to
// the next, and the ratio of the last step's marginal cost to the first step's, which should keep
// within the target (1 when the cost grows as the size does; fixed costs, which dividing totals by
// the size would spread over the units, drop out). A benchmark that computes the statistic "min"
// gives its fastest repetition to the series (the machine's other load only ever adds time, and a
// marginal cost is the small difference of two times); others give their median:
//
//   BENCH_GROWTH("Opening a story", "scene",
//                {{"BM_Open/scenes:10", 10}, {"BM_Open/scenes:500", 500}, {"BM_Open/scenes:1000", 1000}}, 1.3);
struct GrowthSeries {
    std::string title;
    std::string unit;
    // Each size's benchmark (its full name) and its number of units, the smallest first; at least
    // three sizes, so that the first step and the last are different steps.
    std::vector<std::pair<std::string, double>> sizes;
    double target = 0;
};

// Declares a series; answers true so that it can initialise a static.
bool DeclareGrowth(GrowthSeries series);

#define BENCH_GROWTH(title, unit, ...) \
    [[maybe_unused]] static const bool BENCH_FLOOR_NAME(__LINE__) = DeclareGrowth(GrowthSeries{title, unit, __VA_ARGS__})
