// How the costs grow with the story: stories of 10, 100, 500 and 1,000 scenes (each described in 300
// words) and of 10, 100, 200, 400 and 800 characters, made by the program's own story compiler
// from a source written here (an example story's storyform and storytelling, with the scenes,
// characters and relationships added), each opened, saved after one change, its whole catalogue of
// reports built in its Reports window, and those reports printed. For each, the marginal cost: what
// each scene or character added from one size to the next costs. What the last doubling (500 to
// 1,000 scenes, 400 to 800 characters) adds per item is at most 1.3 times what the first step (10 to
// 100) adds: the cost grows linearly, whatever the fixed costs of a small story. The times are the
// benchmark thread's processor time (the writer waits for a save's disk besides), an opening's and
// a build's the fastest of three, and each size's fastest repetition gives its series the time.

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/FKDoc.h"
#include "datafiles/Diagnostics.h"
#include "foundation/FileRef.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "reports/FablecoreReport.h"
#include "reports/OutlineView.h"
#include "reports/RepWindow.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportTools.h"
#include "storyfiles/StoryResolver.h"
#include "storyfiles/StorySource.h"
#include "storyfiles/StoryWriter.h"
#include "support/Floor.h"
#include "support/StoryApplicationBench.h"

namespace {

// The benchmark thread's processor time: the machine's other load, which real time would count as
// the story's, does not show as growth.
struct Clock {
    using time_point = double;
    static double now() {
        timespec time{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
        return static_cast<double>(time.tv_sec) + 1e-9 * static_cast<double>(time.tv_nsec);
    }
};

double Seconds(double from, double to) { return to - from; }

// An iteration of the opening and the build is the fastest of this many: a marginal cost is the
// small difference of two times, which the machine's other load would otherwise swamp.
constexpr int kTries = 3;

// The example story without its characters, relationships and scenes: its title, information,
// storyform and storytelling.
std::string BaseSource() {
    std::ifstream in(FABLECORE_EXAMPLE_STORY, std::ios::binary);
    std::string kept, line;
    bool dropping = false;
    while (std::getline(in, line)) {
        const bool statement = !line.empty() && line[0] != ' ' && line[0] != '#';
        if (statement) {
            const std::string word = line.substr(0, line.find(' '));
            dropping = word == "character" || word == "relationship" || word == "scene";
        }
        if (!dropping) kept += line + "\n";
    }
    return kept;
}

std::string PersonName(int n) { return "Person " + std::to_string(n); }

// A text of about the words asked for, made of the seed's sentences.
std::string Words(const std::string& seed, int words) {
    static const char* const kSentences[] = {
        "The morning starts badly and gets worse before anyone has had a chance to think it through.",
        "Nobody says what they mean, and the little they do say is taken the wrong way by everyone.",
        "A letter arrives, is read twice, and is put away where no one will look for it again.",
        "By the evening the quarrel has moved from the kitchen to the harbour and back again.",
    };
    std::string text;
    int count = 0;
    for (int i = 0; count < words; ++i) {
        const std::string sentence = seed + " " + kSentences[i % 4];
        text += (text.empty() ? "" : " ") + sentence;
        count += static_cast<int>(std::count(sentence.begin(), sentence.end(), ' ')) + 1;
    }
    return text;
}

// Writes the text as an indented block on lines of at most 90 characters.
void Block(std::ostringstream& out, const std::string& text, const char* indent) {
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) {
        if (!line.empty() && line.size() + word.size() + 1 > 90) {
            out << indent << line << "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) out << indent << line << "\n";
}

// The source of a story of the scenes and characters: the first character is the main character,
// the second the impact character; each character is related to the next two; each scene brings on
// three characters and represents two story points.
std::string StorySourceOf(int scenes, int characters) {
    std::ostringstream out;
    out << BaseSource();
    for (int c = 0; c < characters; ++c) {
        out << "\ncharacter " << PersonName(c) << "\n    sex         " << (c % 2 ? "female" : "male")
            << "\n    picture     4\n";
        if (c < 2) out << "    subjective  " << (c == 0 ? "main" : "impact") << "\n";
        out << "    role        Someone the town knows by sight\n    description\n";
        Block(out, Words(PersonName(c) + " has lived here always.", 60), "        ");
        out << "    introduction\n";
        Block(out, Words("We meet " + PersonName(c) + " on the quay.", 30), "        ");
        out << "    dismissal   " << PersonName(c) << " leaves on the last boat.\n";
    }
    for (int c = 0; c < characters; ++c) {
        for (int step = 1; step <= 2 && step < characters; ++step) {
            if (c + step >= characters) continue;
            out << "\nrelationship " << PersonName(c) << " & " << PersonName(c + step) << "\n";
            Block(out, Words("They grew up two streets apart.", 25), "    ");
        }
    }
    for (int s = 0; s < scenes; ++s) {
        out << "\nscene Scene " << s << "\n    description\n";
        Block(out, Words("In scene " + std::to_string(s) + " the tide turns.", 300), "        ");
        out << "    points      " << (s % 2 ? "STDom MCDom" : "OCDom PLDom") << "\n    characters  ";
        for (int k = 0; k < 3 && k < characters; ++k)
            out << (k ? ", " : "") << PersonName((s + k) % characters);
        out << "\n";
    }
    return out.str();
}

// The story application and, by size, the story files it made.
class Stories {
public:
    static Stories& Shared() {
        static Stories stories;
        return stories;
    }

    StoryApplicationBench& App() { return app_; }

    // The file of the story of the size, made the first time it is asked for; empty when the
    // compiler could not make it (the problem says why).
    const std::string& File(int scenes, int characters, std::string& problem) {
        const auto key = std::make_pair(scenes, characters);
        if (const auto found = files_.find(key); found != files_.end()) return found->second;
        std::string& path = files_[key];
        const std::string made =
            app_.PathOf("story-" + std::to_string(scenes) + "-" + std::to_string(characters) + ".fsf");
        Diagnostics diagnostics;
        StorySource source;
        ResolvedStory story;
        FKDoc* document = nullptr;
        if (ParseStorySource("scale.story", StorySourceOf(scenes, characters), source, diagnostics) &&
            ResolveStory(source, story, diagnostics) && (document = app_.NewStory()) != nullptr &&
            StoryWriter(*document, "scale.story", diagnostics).Write(story) && !diagnostics.HasErrors() &&
            document->WriteAs(FileRef(made.c_str(), kAccessCreate)) == kNoErr) {
            path = made;
        }
        for (const std::string& message : diagnostics.Messages()) problem += message + "\n";
        if (path.empty() && problem.empty()) problem = "the story compiler could not make the story";
        app_.CloseAll();
        return path;
    }

private:
    StoryApplicationBench app_{"fablecore-scale-bench"};
    std::map<std::pair<int, int>, std::string> files_;
};

// The story of the benchmark's size opened; null (the benchmark failed) when it could not be.
FKDoc* OpenStory(benchmark::State& state) {
    std::string problem;
    Stories& stories = Stories::Shared();
    const std::string& path = stories.File(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), problem);
    FKDoc* story = path.empty() ? nullptr : stories.App().Open(path);
    if (!story) state.SkipWithError(problem.empty() ? "the story did not open" : problem.c_str());
    stories.App().Presenter().DispatchPending();
    return story;
}

// The story's Reports window with every report of the catalogue chosen; null when it did not open.
RepWindow* OpenCatalogue(FKDoc* story) {
    OpenReportWindow(story);
    auto* window = dynamic_cast<RepWindow*>(story->GetRepWindow());
    if (!window) return nullptr;
    std::vector<std::int16_t> all;
    for (const ReportCatalogueEntry& entry : ReportCatalogue()) {
        if (entry.IsReport() && entry.available) all.push_back(static_cast<std::int16_t>(entry.reportId));
    }
    window->ChooseReports(all);
    return window;
}

void BM_OpenStory(benchmark::State& state) {
    Stories& stories = Stories::Shared();
    std::string problem;
    const std::string& path = stories.File(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), problem);
    for (auto _ : state) {
        double fastest = -1;
        for (int attempt = 0; attempt < kTries; ++attempt) {
            const Clock::time_point begin = Clock::now();
            const FKDoc* story = path.empty() ? nullptr : stories.App().Open(path);
            const Clock::time_point opened = Clock::now();
            if (!story) break;
            stories.App().CloseAll();
            if (fastest < 0 || Seconds(begin, opened) < fastest) fastest = Seconds(begin, opened);
        }
        if (fastest < 0) {
            state.SkipWithError(problem.empty() ? "the story did not open" : problem.c_str());
            break;
        }
        state.SetIterationTime(fastest);
    }
}

void BM_SaveAfterOneChange(benchmark::State& state) {
    FKDoc* story = OpenStory(state);
    if (!story) return;
    int change = 0;
    for (auto _ : state) {
        const std::string synopsis = "Synopsis, as the writer left it after change " + std::to_string(++change);
        story->GetInfoRecord().SetEntry("Synopsis", kPTextText, synopsis.c_str());
        story->SetDirty();
        const Clock::time_point begin = Clock::now();
        const ErrCode error = story->Save(nullptr);
        const Clock::time_point saved = Clock::now();
        if (error != kNoErr) {
            state.SkipWithError("the story was not saved");
            break;
        }
        state.SetIterationTime(Seconds(begin, saved));
    }
    Stories::Shared().App().CloseAll();
}

void BM_BuildReportCatalogue(benchmark::State& state) {
    FKDoc* story = OpenStory(state);
    RepWindow* window = story ? OpenCatalogue(story) : nullptr;
    if (story && !window) state.SkipWithError("the Reports window did not open");
    std::size_t length = 0;
    for (auto _ : state) {
        if (!window) break;
        double fastest = -1;
        for (int attempt = 0; attempt < kTries; ++attempt) {
            const Clock::time_point begin = Clock::now();
            window->BuildReports();
            const double took = Seconds(begin, Clock::now());
            if (fastest < 0 || took < fastest) fastest = took;
        }
        state.SetIterationTime(fastest);
        length = window->GetView()->GetTextLength();
    }
    state.counters["bytes"] = static_cast<double>(length);
    Stories::Shared().App().CloseAll();
}

void BM_PrintReportCatalogue(benchmark::State& state) {
    FKDoc* story = OpenStory(state);
    RepWindow* window = story ? OpenCatalogue(story) : nullptr;
    if (window) window->BuildReports();
    FablecoreReport* report = window ? window->GetView()->GetReport() : nullptr;
    if (story && (!report || report->GetPageCount() == 0)) state.SkipWithError("the reports have no pages");
    StoryApplicationBench& app = Stories::Shared().App();
    const std::string printed = app.PathOf("printed.pdf");
    app.TakeMessages();
    for (auto _ : state) {
        if (!report) break;
        std::filesystem::remove(printed);
        const Clock::time_point begin = Clock::now();
        window->Print();
        state.SetIterationTime(Seconds(begin, Clock::now()));
        const std::vector<std::string> messages = app.TakeMessages();
        std::error_code error;
        if (!messages.empty() || std::filesystem::file_size(printed, error) == 0 || error) {
            state.SkipWithError(messages.empty() ? "nothing was printed" : messages.front().c_str());
            break;
        }
    }
    if (report) state.counters["sheets"] = report->GetPageCount();
    Stories::Shared().App().CloseAll();
}

// The sizes: scenes with 10 characters, and characters with 10 scenes.
constexpr int kFewest = 10;
const int kSceneSizes[] = {10, 100, 500, 1000};
const int kCharacterSizes[] = {10, 100, 200, 400, 800};

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"scenes", "characters"});
    for (const int scenes : kSceneSizes) benchmark->Args({scenes, kFewest});
    for (const int characters : kCharacterSizes) {
        if (characters != kFewest) benchmark->Args({kFewest, characters});
    }
    benchmark->UseManualTime()->Unit(benchmark::kMillisecond);
    // The growth is read from each size's fastest repetition (see BENCH_GROWTH).
    benchmark->ComputeStatistics(
        "min", [](const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); });
}

// Printing the largest stories takes seconds: fewer repetitions of it.
constexpr int kRepetitions = 10;
constexpr int kPrintRepetitions = 4;
BENCHMARK(BM_OpenStory)->Apply(Sizes)->Repetitions(kRepetitions);
BENCHMARK(BM_SaveAfterOneChange)->Apply(Sizes)->Repetitions(kRepetitions);
BENCHMARK(BM_BuildReportCatalogue)->Apply(Sizes)->Repetitions(kRepetitions);
BENCHMARK(BM_PrintReportCatalogue)->Apply(Sizes)->Repetitions(kPrintRepetitions);

std::string Name(const char* benchmark, int scenes, int characters) {
    const int repetitions = std::string(benchmark) == "BM_PrintReportCatalogue" ? kPrintRepetitions : kRepetitions;
    return std::string(benchmark) + "/scenes:" + std::to_string(scenes) + "/characters:" + std::to_string(characters) +
           "/repeats:" + std::to_string(repetitions) + "/manual_time";
}

// The benchmark's sizes in scenes, or in characters, as a series.
std::vector<std::pair<std::string, double>> ByScenes(const char* benchmark) {
    std::vector<std::pair<std::string, double>> sizes;
    for (const int scenes : kSceneSizes) sizes.emplace_back(Name(benchmark, scenes, kFewest), scenes);
    return sizes;
}

std::vector<std::pair<std::string, double>> ByCharacters(const char* benchmark) {
    std::vector<std::pair<std::string, double>> sizes;
    for (const int characters : kCharacterSizes) sizes.emplace_back(Name(benchmark, kFewest, characters), characters);
    return sizes;
}

BENCH_GROWTH("Opening", "scene", ByScenes("BM_OpenStory"), 1.3);
BENCH_GROWTH("Opening", "character", ByCharacters("BM_OpenStory"), 1.3);
BENCH_GROWTH("Saving after one change", "scene", ByScenes("BM_SaveAfterOneChange"), 1.3);
BENCH_GROWTH("Saving after one change", "character", ByCharacters("BM_SaveAfterOneChange"), 1.3);
BENCH_GROWTH("Building the report catalogue", "scene", ByScenes("BM_BuildReportCatalogue"), 1.3);
BENCH_GROWTH("Building the report catalogue", "character", ByCharacters("BM_BuildReportCatalogue"), 1.3);
BENCH_GROWTH("Printing the report catalogue", "scene", ByScenes("BM_PrintReportCatalogue"), 1.3);
BENCH_GROWTH("Printing the report catalogue", "character", ByCharacters("BM_PrintReportCatalogue"), 1.3);

}  // namespace
