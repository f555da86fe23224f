// The main of every benchmark program: runs the benchmarks the command line selects with the
// console report, then prints each declared pair's ratio (the work against its floor) and each
// declared series' growth (its cost per unit at each size). With repetitions the ratios are of
// medians, otherwise of the single runs; real time either way.
//
// A filter that selects one benchmark of a pair runs the other too, and one size of a series runs
// every size, so that every pair and series can give its ratio. A benchmark that fails, or a pair
// or series that ran without giving its ratio, is reported and makes the program end with status 1.

#include <benchmark/benchmark.h>
#include <regex.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/sys/HeapPolicy.h"
#include "support/Floor.h"

namespace {

std::vector<FloorPair>& Pairs() {
    static std::vector<FloorPair> pairs;
    return pairs;
}

std::vector<GrowthSeries>& Series() {
    static std::vector<GrowthSeries> series;
    return series;
}

// The name as a pattern that matches exactly it.
std::string Exactly(const std::string& name) {
    std::string pattern = "^";
    for (const char c : name) {
        if (std::strchr(".^$|()[]{}*+?\\", c) != nullptr) pattern += '\\';
        pattern += c;
    }
    return pattern + "$";
}

// The filter widened by the partner of every pair it selects half of; a negative filter (one that
// excludes) and no filter at all stay as they are. Filters are extended regular expressions.
std::string WithPartners(const std::string& filter) {
    if (filter.empty() || filter == "all" || filter[0] == '-') return filter;
    regex_t selects;
    if (regcomp(&selects, filter.c_str(), REG_EXTENDED | REG_NOSUB) != 0)
        return filter;  // the library reports the bad filter itself
    auto matches = [&selects](const std::string& name) {
        return regexec(&selects, name.c_str(), 0, nullptr, 0) == 0;
    };
    std::string widened = "(" + filter + ")";
    for (const FloorPair& pair : Pairs()) {
        const bool work = matches(pair.work);
        const bool floor = matches(pair.floor);
        if (work && !floor) widened += "|" + Exactly(pair.floor);
        if (floor && !work) widened += "|" + Exactly(pair.work);
    }
    // A series gives its ratio only with every size run.
    for (const GrowthSeries& series : Series()) {
        bool any = false;
        for (const auto& size : series.sizes) any = any || matches(size.first);
        if (!any) continue;
        for (const auto& size : series.sizes) {
            if (!matches(size.first)) widened += "|" + Exactly(size.first);
        }
    }
    regfree(&selects);
    return widened;
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
        std::ostream& out = GetOutputStream();
        bool first = true;
        for (const FloorPair& pair : Pairs()) {
            if (!Ran(pair.work) && !Ran(pair.floor)) continue;
            if (first) out << "\nWork against its floor (median real time):\n";
            first = false;
            char line[512];
            const auto work = seconds_.find(pair.work);
            const auto floor = seconds_.find(pair.floor);
            if (work == seconds_.end() || floor == seconds_.end() || floor->second <= 0) {
                std::snprintf(line, sizeof line, "  %-40s / %-40s NO RATIO (%s)\n", pair.work.c_str(),
                              pair.floor.c_str(), Why(pair, work == seconds_.end()).c_str());
                failed_ = true;
            } else {
                const double ratio = work->second / floor->second;
                std::snprintf(line, sizeof line, "  %-40s / %-40s %6.2fx  (target at most %gx%s)\n",
                              pair.work.c_str(), pair.floor.c_str(), ratio, pair.target,
                              ratio > pair.target ? ", OVER" : "");
            }
            out << line;
        }
        PrintGrowth(out);
        for (const auto& [name, message] : errors_) {
            out << "FAILED " << name << ": " << message << "\n";
            failed_ = true;
        }
    }

    bool Failed() const { return failed_; }

private:
    // Each series that ran: its cost per unit at each size, and the largest size's against the
    // smallest's.
    void PrintGrowth(std::ostream& out) {
        bool first = true;
        for (const GrowthSeries& series : Series()) {
            bool ran = false;
            for (const auto& size : series.sizes) ran = ran || Ran(size.first);
            if (!ran || series.sizes.empty()) continue;
            if (first) out << "\nCost per unit at each size, the largest size's against the smallest's (median real time):\n";
            first = false;
            out << "  " << series.title << ", per " << series.unit << ":";
            std::vector<double> perUnit;
            for (const auto& [name, units] : series.sizes) {
                const auto found = seconds_.find(name);
                if (found == seconds_.end() || units <= 0) break;
                perUnit.push_back(found->second / units);
                char text[64];
                std::snprintf(text, sizeof text, "  %g: %.4g ms", units, 1000 * perUnit.back());
                out << text;
            }
            char line[256];
            if (perUnit.size() != series.sizes.size() || perUnit.front() <= 0) {
                std::snprintf(line, sizeof line, "   NO RATIO (a size gave no time)\n");
                failed_ = true;
            } else {
                const double ratio = perUnit.back() / perUnit.front();
                std::snprintf(line, sizeof line, "   %.2fx  (target at most %gx%s)\n", ratio, series.target,
                              ratio > series.target ? ", OVER" : "");
            }
            out << line;
        }
    }

    // Keeps the median of a repeated benchmark, or the time of a single run.
    void Note(const Run& run) {
        const std::string name = run.run_name.str();
        ran_.insert(name);
        if (run.error_occurred) {
            errors_.emplace(name, run.error_message);
            return;
        }
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single) return;
        seconds_[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }

    bool Ran(const std::string& name) const { return ran_.count(name) != 0; }

    std::string Why(const FloorPair& pair, bool workMissing) const {
        const std::string& missing = workMissing ? pair.work : pair.floor;
        if (const auto error = errors_.find(missing); error != errors_.end())
            return missing + " failed: " + error->second;
        if (!Ran(missing)) return missing + " did not run";
        return missing + " gave no time";
    }

    std::set<std::string> ran_;
    std::map<std::string, double> seconds_;
    std::map<std::string, std::string> errors_;
    bool failed_ = false;
};

}  // namespace

bool DeclareFloor(std::string work, std::string floor, double target) {
    Pairs().push_back({std::move(work), std::move(floor), target});
    return true;
}

bool DeclareGrowth(GrowthSeries series) {
    Series().push_back(std::move(series));
    return true;
}

int main(int argc, char** argv) {
    // The heap behaves as in the program, which sets this policy at its start.
    win::KeepHeapForReuse();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::SetBenchmarkFilter(WithPartners(benchmark::GetBenchmarkFilter()));
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.Failed() ? 1 : 0;
}
