// Speed of answering a question in the query window: on a story of 30 characters and 60 scenes whose
// query window shows a question list of 300 rows, the writer's answer (the Main Character's Resolve,
// Change and Steadfast in turn) is stored while the window handles an item hit; after the hit the
// window recounts the storyforms, sets the status of every row of the tree, updates its bars, shows
// the page again and repaints, headless. The floor is the storyform solver's own recount with the
// same constraints and the same answer. Answering should take at most three times the floor.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/StoryCommandIds.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "platform/present/HeadlessPresenter.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "query/data/QuerySolver.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryformSolver.h"
#include "support/Floor.h"
#include "support/QueryWindowBench.h"

namespace {

using namespace win;
using Clock = std::chrono::steady_clock;

constexpr int kRows = 300;
constexpr std::int16_t kResolve = 1000;
constexpr std::int16_t kChange = 1001;
constexpr std::int16_t kSteadfast = 1002;

// The application over a copy of the data file the build made, with a question list of 300 rows
// (topics 0 to 299, every tenth a branch over the nine after it) and a page for each of its topics;
// a story of 30 characters and 60 scenes with its query window open.
struct Bench : QueryWindowBench {
    Bench() : QueryWindowBench("fablecore-query-bench", AddQuestionList, FillStory) {}

    // The list and pages replace whatever the data file holds under their numbers.
    static void AddQuestionList(PFMFile* store) {
        std::string order;
        for (int row = 0; row < kRows; ++row)
            order += "0," + std::to_string(row) + "," + (row % 10 == 0 ? "1," : "2,");
        PText list(store, FourCCOf("QLST"), 0);
        list.Clear();
        list.SetEntry("NA", 'c', "Every question");
        list.SetEntry("OR", 'c', order.c_str());
        list.Save();
        for (int topic = 0; topic < kRows; ++topic) {
            PText page(store, FourCCOf("FQS2"), static_cast<std::uint16_t>(topic));
            page.Clear();
            page.SetEntry("QT", 'c', "A question");
            page.Save();
        }
    }

    static void FillStory(FKDoc& story) {
        for (int i = 0; i < 28; ++i) {
            const std::string name = "Character " + std::to_string(i);
            story.GetCharacterManager()->CreateCharacter(name.c_str(), static_cast<std::uint16_t>(i % 2), 0, 0, 0,
                                                          false);
        }
        for (int i = 0; i < 60; ++i) {
            const std::int32_t position = story.GetSceneManager()->InsertScene(-1);
            const std::string title = "Scene " + std::to_string(i);
            story.GetSceneManager()->SceneAt(position)->SetTitle(title.c_str());
        }
    }
};

Bench& TheBench() {
    static Bench bench;
    return bench;
}

void BM_AnswerAQuestionInTheQueryWindow(benchmark::State& state) {
    Bench& bench = TheBench();
    if (!bench.window || bench.window->GetTopicTree()->NodeAt(kRows - 1) == nullptr) {
        state.SkipWithError("the query window did not open on its 300 rows");
        return;
    }
    StoryFormManager& storyform = *bench.story->GetStoryFormManager();
    bool change = true;
    for (auto _ : state) {
        const Clock::time_point begin = Clock::now();
        // The page stores the answer while its control's hit runs; the window's requests follow it.
        bench.window->GetRequests().busy = true;
        storyform.SetChoice(kResolve, change ? kChange : kSteadfast);
        bench.window->HandleItemHit(FQSWindow::kListChooserItem);
        bench.presenter.DispatchPending();
        const Clock::time_point answered = Clock::now();
        change = !change;
        state.SetIterationTime(std::chrono::duration<double>(answered - begin).count());
    }
    benchmark::DoNotOptimize(bench.story->GetStoryformCount());
}
BENCHMARK(BM_AnswerAQuestionInTheQueryWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SolverRecountWithTheSameConstraints(benchmark::State& state) {
    Bench& bench = TheBench();
    if (!bench.story) {
        state.SkipWithError("no story");
        return;
    }
    StoryformSolver solver(*bench.story->GetStoryFormManager());
    // The points the window recounts with: the constrained ones and the solver's fixed list.
    StoryPointIDList ids;
    CollectRecountPoints(solver, 0, ids);
    bool change = true;
    std::uint16_t count = 0;
    for (auto _ : state) {
        const Clock::time_point begin = Clock::now();
        solver.SetConstraints(nullptr, ids);
        if (SolverConstraint* resolve = FindConstraintOf(solver, kResolve))
            FixConstraintToValue(*resolve, change ? kChange : kSteadfast);
        count = solver.CountStoryforms();
        const Clock::time_point counted = Clock::now();
        change = !change;
        state.SetIterationTime(std::chrono::duration<double>(counted - begin).count());
    }
    benchmark::DoNotOptimize(count);
}
BENCHMARK(BM_SolverRecountWithTheSameConstraints)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_AnswerAQuestionInTheQueryWindow/manual_time", "BM_SolverRecountWithTheSameConstraints/manual_time",
            3.0);

}  // namespace
