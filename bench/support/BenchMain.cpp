// The main of every benchmark program: runs the benchmarks the command line selects with the
// console report, then prints each declared pair's ratio (the work against its floor). With
// repetitions the ratio is of the two medians, otherwise of the single runs; real time either way.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/Floor.h"

namespace {

std::vector<FloorPair>& Pairs() {
    static std::vector<FloorPair> pairs;
    return pairs;
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) Note(run);
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        bool first = true;
        for (const FloorPair& pair : Pairs()) {
            const auto work = seconds_.find(pair.work);
            const auto floor = seconds_.find(pair.floor);
            if (work == seconds_.end() || floor == seconds_.end() || floor->second <= 0) continue;
            if (first) GetOutputStream() << "\nWork against its floor (median real time):\n";
            first = false;
            const double ratio = work->second / floor->second;
            char line[512];
            std::snprintf(line, sizeof line, "  %-40s / %-40s %6.2fx  (target at most %gx%s)\n",
                          pair.work.c_str(), pair.floor.c_str(), ratio, pair.target,
                          ratio > pair.target ? ", OVER" : "");
            GetOutputStream() << line;
        }
    }

private:
    // Keeps the median of a repeated benchmark, or the time of a single run.
    void Note(const Run& run) {
        if (run.error_occurred) return;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single) return;
        seconds_[run.run_name.str()] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }

    std::map<std::string, double> seconds_;
};

}  // namespace

bool DeclareFloor(std::string work, std::string floor, double target) {
    Pairs().push_back({std::move(work), std::move(floor), target});
    return true;
}

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
