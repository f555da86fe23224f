// Speed of opening a story: a story of 30 characters, 60 scenes and a complete storyform opened
// from its file by the story application (type check, records, managers, storyform recount,
// question status) and its front end laid out and painted, headless, against opening the same store
// and reading every segment of it. Opening should take at most three times the floor.

#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "foundation/Memory.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "framework/AppEnvironment.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Prompts.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryformSolver.h"
#include "storymodel/engine/TheoryTables.h"
#include "support/Floor.h"

namespace {

using namespace win;
using Clock = std::chrono::steady_clock;

// The application over the data files the build made, in a program folder of the bench's own, with
// the story file made once.
struct Bench {
    std::string folder;
    std::string storyPath;
    HeadlessPresenter presenter{SIZE{800, 600}};
    AppEnvironment environment;
    Fablecore* application = nullptr;
    bool storyformComplete = false;

    Bench() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fablecore-open-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data()) ? pattern : std::string("/tmp");
        const std::string program = folder + "/program";
        ::mkdir(program.c_str(), 0700);
        std::filesystem::create_symlink(std::string(FABLECORE_PROGRAM_FOLDER) + "/Fablecor.qrv", program + "/Fablecor.qrv");
        std::filesystem::create_directory_symlink(std::string(FABLECORE_PROGRAM_FOLDER) + "/Commands",
                                                  program + "/Commands");
        ::setenv("FABLECORE_PROGRAM_DIR", program.c_str(), 1);
        ::setenv("TMPDIR", folder.c_str(), 1);
        SetPromptResponder([](const PromptRequest& request) -> std::optional<PromptAnswer> {
            return PromptAnswer{request.kind == "MessageBox" ? IDOK : 0, {}};
        });
        SetAppEnvironment(&environment);
        application = static_cast<Fablecore*>(CreateFablecore(&environment));
        if (application->Init() != kNoErr) return;
        // As the program's message loop does first: the start-up's second queue runs, and with it
        // the splash screen's wait, after which the splash screen goes.
        application->DrainQueue(kSecondQueue);
        presenter.DispatchPending();
        storyPath = folder + "/story.fsf";
        MakeStory();
    }
    ~Bench() {
        application->CloseAll(true);
        delete application;
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }

    // The writer's choice of a value index: a dynamic's choice is the id of one of its two values
    // (the point's id + 1 + the index), any other point's the value id of the index.
    static std::int16_t ChoiceOf(const SolverConstraint& constraint, int value) {
        if (constraint.kind == kDynamicPoint) return static_cast<std::int16_t>(constraint.id + 1 + value);
        return ConstraintValueID(constraint, value);
    }

    // Every constrained point takes its first value still possible, until one storyform remains;
    // true when one does.
    static bool CompleteStoryform(StoryFormManager& storyform) {
        for (int round = 0; round < 200; ++round) {
            StoryformSolver solver(storyform);
            StoryPointIDList ids;
            solver.CollectConstrainedPoints(ids);
            solver.SetConstraints(nullptr, ids);
            const std::uint16_t count = solver.CountStoryforms();
            if (count <= 1) return count == 1;
            bool chose = false;
            for (int i = 0; i < StoryformSolver::kCapacity && solver.GetConstraint(i).inUse && !chose; ++i) {
                const SolverConstraint& constraint = solver.GetConstraint(i);
                if (!constraint.open) continue;
                for (int value = 0; value < constraint.valueCount && !chose; ++value) {
                    if (!constraint.IsValuePossible(value)) continue;
                    storyform.SetChoice(constraint.id, ChoiceOf(constraint, value));
                    chose = true;
                }
            }
            if (!chose) return false;
        }
        return false;
    }

    void MakeStory() {
        if (application->NewDocument(false) != kNoErr) return;
        auto* story = static_cast<FKDoc*>(application->GetDocument(0));
        for (int i = 0; i < 28; ++i) {
            const std::string name = "Character " + std::to_string(i);
            story->GetCharacterManager()->CreateCharacter(name.c_str(), static_cast<std::uint16_t>(i % 2), 0, 0, 0, false);
        }
        for (int i = 0; i < 60; ++i) {
            const std::int32_t position = story->GetSceneManager()->InsertScene(-1);
            const std::string title = "Scene " + std::to_string(i);
            story->GetSceneManager()->SceneAt(position)->SetTitle(title.c_str());
        }
        storyformComplete = CompleteStoryform(*story->GetStoryFormManager());
        for (std::int16_t topic = 0; topic < 300; ++topic) story->GetQuestionStatus().SetStatus(1, topic, 0);
        story->WriteAs(FileRef(storyPath.c_str(), kAccessCreate));
        application->CloseAll(true);
    }
};

Bench& TheBench() {
    static Bench bench;
    return bench;
}

void BM_OpenStoryAndShowFrontEnd(benchmark::State& state) {
    Bench& bench = TheBench();
    if (!bench.storyformComplete) {
        state.SkipWithError("the story's storyform is not complete");
        return;
    }
    const FileRef file(bench.storyPath.c_str(), kAccessReadWrite);
    for (auto _ : state) {
        const Clock::time_point begin = Clock::now();
        if (bench.application->OpenDocument(file, false) != kNoErr) {
            state.SkipWithError("the story did not open");
            break;
        }
        bench.presenter.DispatchPending();
        const Clock::time_point shown = Clock::now();
        const auto* story = static_cast<FKDoc*>(bench.application->GetDocument(0));
        if (!story || !story->IsStoryformComplete() || !story->GetFrontEndWindow()) {
            state.SkipWithError("the story opened without its storyform or its front end");
            break;
        }
        bench.application->CloseAll(true);
        bench.presenter.DispatchPending();
        state.SetIterationTime(std::chrono::duration<double>(shown - begin).count());
    }
}
BENCHMARK(BM_OpenStoryAndShowFrontEnd)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_OpenStoreAndReadEverySegment(benchmark::State& state) {
    Bench& bench = TheBench();
    // Opened as the program opens a story file: for reading and writing.
    const FileRef file(bench.storyPath.c_str(), kAccessReadWrite);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const Clock::time_point begin = Clock::now();
        PFMPushCurrentFile(nullptr);
        PFMFile* store = PFMOpenFile(&file);
        if (!store) {
            state.SkipWithError("the store did not open");
            PFMPopCurrentFile();
            break;
        }
        LList types;
        PFMGetSegmentTypes(types);
        for (std::int32_t i = 0; i < types.Count(); ++i) {
            SList ids;
            const auto type = static_cast<FourCC>(types.GetAt(i));
            PFMGetSegmentIds(type, ids);
            for (std::int32_t j = 0; j < ids.Count(); ++j) {
                if (void* data = PFMCheckOut(type, static_cast<std::uint16_t>(ids.GetAt(j)))) {
                    bytes += MemSize(data);
                    PFMCheckIn(data);
                }
            }
        }
        const Clock::time_point read = Clock::now();
        PFMCloseFile(store);
        PFMPopCurrentFile();
        state.SetIterationTime(std::chrono::duration<double>(read - begin).count());
    }
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_OpenStoreAndReadEverySegment)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_OpenStoryAndShowFrontEnd/manual_time", "BM_OpenStoreAndReadEverySegment/manual_time", 3.0);

}  // namespace
