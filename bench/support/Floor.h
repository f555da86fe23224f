#pragma once
// Pairs a benchmark with its floor: a benchmark that does the same work plainly. After the run the
// benchmark programs print, for every pair whose two benchmarks ran, the work's median time
// against the floor's, beside the ratio it should keep within:
//
//   BENCH_FLOOR("BM_FreshCount", "BM_PlainLoopRecordByRecord", 4.0);
//
// Names are the benchmarks' full names as the report shows them ("BM_Write/synced:1").

#include <string>

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
