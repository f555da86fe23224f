// Speed of a fresh storyform count: all dynamics open and a dozen constrained story points, against
// a plain loop that reads the same engine bytes for all 16,384 storyform indexes (the memory floor).
// The count should take at most four times as long as the loop.

#include <benchmark/benchmark.h>

#include <memory>
#include <set>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "storymodel/engine/EngineTableReader.h"
#include "storymodel/engine/IStoryFormDocument.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformSolver.h"

namespace {

// The story points the writer has answered, with the values of one storyform.
constexpr std::int16_t kChosen[] = {12000, 12100, 12400, 12600, 13100, 15200, 15300, 18100, 18700, 21300, 21800, 22200};
constexpr std::uint16_t kStoryform = 0x2A77;

// A story document of the bench's own: a store in memory, never saved.
class BenchDocument : public IStoryFormDocument {
public:
    explicit BenchDocument(PFMFile* store) : store_(store) {}
    PFMFile* GetStoryFile() override { return store_; }
    void SetDirty() override {}
    void SetClean() override {}

private:
    PFMFile* store_;
};

// The store set up, the generated engine file handed to the reader, and a story whose writer has
// answered the chosen points with the values of one storyform; for the whole program.
struct Engine {
    Engine() {
        DetectPlatform();
        PFMInit(FourCCOf("Fabl"), MakeVersion(1, 0, kStageRelease, 0));
        const FileRef ref(FABLECORE_ENGINE_FILE, kAccessRead);
        SetEngineFile(PFMOpenFile(&ref));
        story = PFMOpenFile(nullptr);
        document = std::make_unique<BenchDocument>(story);
        responses = std::make_unique<PText>(story, FourCCOf("RESP"), 0);
        storyForm = std::make_unique<StoryFormManager>(*document, *responses, StoryFormManager::kAllStoryforms, 0);
        for (std::int16_t id : kChosen) {
            const StoryPointRecord& point = *StoryPointByID(id);
            storyForm->SetChoice(id, StoryformSolver::EngineValueID(kStoryform, point.engineField, point.kind));
        }
    }
    ~Engine() {
        storyForm.reset();
        responses.reset();
        SetEngineFile(nullptr);
        PFMTerm();
    }
    PFMFile* story = nullptr;
    std::unique_ptr<BenchDocument> document;
    std::unique_ptr<PText> responses;
    std::unique_ptr<StoryFormManager> storyForm;
};

Engine& TheEngine() {
    static Engine engine;
    return engine;
}

void BM_FreshCount(benchmark::State& state) {
    Engine& engine = TheEngine();
    if (!GetEngineFile() || !engine.storyForm) {
        state.SkipWithError("no engine file");
        return;
    }
    StoryformSolver keeper(*engine.storyForm);  // keeps the engine tables loaded between counts
    const auto count = [&] {
        StoryformSolver solver(*engine.storyForm);
        StoryPointIDList ids;
        solver.CollectConstrainedPoints(ids);
        solver.SetConstraints(nullptr, ids);
        return solver.CountStoryforms();
    };
    for (auto _ : state) benchmark::DoNotOptimize(count());
    state.counters["storyforms"] = count();
}
BENCHMARK(BM_FreshCount)->Unit(benchmark::kMicrosecond);

// Reads, for every index, the bytes of every record the constrained points' fields are made of.
void BM_PlainEngineLoop(benchmark::State& state) {
    TheEngine();
    const EngineRecordSet& records = EngineTableReader::Instance().Records();
    std::set<int> used = {0};
    for (std::int16_t id : {12000, 12100, 12200, 12300, 15000, 18000, 21000, 15300}) {
        used.insert(StoryPointByID(id)->engineField);
    }
    for (std::int16_t id : kChosen) used.insert(StoryPointByID(id)->engineField);
    // The records behind each field: a derived field reads its issue or problem record too.
    std::set<int> bytes;
    for (int field : used) {
        if (field >= 41) {
            bytes.insert(10 * ((field - 41) / 4) + 3);
            bytes.insert(41 + (field - 41) / 4);
            continue;
        }
        switch ((field - 1) % 10 + 1) {
            case 1: bytes.insert(field + 2); break;
            case 2: bytes.insert(field + 1); break;
            case 6: bytes.insert(field - 2); break;
            case 8: bytes.insert(field - 1); break;
            default: bytes.insert(field); break;
        }
    }
    std::vector<const std::uint8_t*> columns;
    for (int record : bytes) {
        if (records[static_cast<std::size_t>(record)]) columns.push_back(records[static_cast<std::size_t>(record)]);
    }
    for (auto _ : state) {
        unsigned sum = 0;
        if (state.range(0) == 0) {
            for (int n = 0; n < kStoryformIndexCount; ++n) {
                for (const std::uint8_t* column : columns) sum += column[n];
            }
        } else {
            for (const std::uint8_t* column : columns) {
                for (int n = 0; n < kStoryformIndexCount; ++n) sum += column[n];
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["records"] = static_cast<double>(columns.size());
}
BENCHMARK(BM_PlainEngineLoop)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
