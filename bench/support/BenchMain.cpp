// The main of every benchmark program: runs the benchmarks the command line selects with the
// console report, then prints each declared pair's ratio (the work against its floor) and each
// declared series' growth (the marginal cost of each step between its sizes). With repetitions the
// ratios are of medians, otherwise of the single runs; real time either way.
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
#include <optional>
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
    // Each series that ran: what each added unit costs from one size to the next (the difference
    // of the two sizes' times over the difference of their units), and the last step's against the
    // first step's.
    void PrintGrowth(std::ostream& out) {
        bool first = true;
        for (const GrowthSeries& series : Series()) {
            bool ran = false;
            for (const auto& size : series.sizes) ran = ran || Ran(size.first);
            if (!ran || series.sizes.empty()) continue;
            if (first)
                out << "\nCost of each added unit from one size to the next, the last step's against the first's "
                       "(the fastest repetitions, or the medians):\n";
            first = false;
            out << "  " << series.title << ", per added " << series.unit << ":";
            std::vector<double> marginal;
            bool complete = series.sizes.size() >= 3;
            for (std::size_t i = 1; complete && i < series.sizes.size(); ++i) {
                const auto& [fromName, fromUnits] = series.sizes[i - 1];
                const auto& [toName, toUnits] = series.sizes[i];
                const std::optional<double> from = GrowthTime(fromName);
                const std::optional<double> to = GrowthTime(toName);
                complete = from && to && toUnits > fromUnits;
                if (!complete) break;
                marginal.push_back((*to - *from) / (toUnits - fromUnits));
                char text[80];
                std::snprintf(text, sizeof text, "  %g-%g: %.4g us", fromUnits, toUnits, 1e6 * marginal.back());
                out << text;
            }
            char line[256];
            if (!complete || marginal.front() <= 0) {
                std::snprintf(line, sizeof line, "   NO RATIO (%s)\n",
                              !complete ? "a size gave no time" : "the first step added nothing");
                failed_ = true;
            } else {
                const double ratio = marginal.back() / marginal.front();
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
        const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") fastest_[name] = seconds;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single) return;
        seconds_[name] = seconds;
    }

    bool Ran(const std::string& name) const { return ran_.count(name) != 0; }

    // A size's time for its series: its fastest repetition, else its median.
    std::optional<double> GrowthTime(const std::string& name) const {
        if (const auto fastest = fastest_.find(name); fastest != fastest_.end()) return fastest->second;
        if (const auto median = seconds_.find(name); median != seconds_.end()) return median->second;
        return std::nullopt;
    }

    std::string Why(const FloorPair& pair, bool workMissing) const {
        const std::string& missing = workMissing ? pair.work : pair.floor;
        if (const auto error = errors_.find(missing); error != errors_.end())
            return missing + " failed: " + error->second;
        if (!Ran(missing)) return missing + " did not run";
        return missing + " gave no time";
    }

    std::set<std::string> ran_;
    std::map<std::string, double> seconds_;
    std::map<std::string, double> fastest_;  // the fastest repetition, where a benchmark gives it
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
