// Speed of a fresh storyform count: all dynamics open and a dozen constrained story points, against
// a plain loop that reads the same engine bytes for all 16,384 storyform indexes (the memory floor).
// The count should take at most four times as long as the loop.
//
// Speed of what the choices of a story chosen in part settle, made afresh as after each change
// (everything chosen but the judgment and the impact character's throughline: two storyforms left),
// against a plain loop that reads the engine bytes of every point it settles for all storyform
// indexes. It should take at most six times as long as the loop.

#include <benchmark/benchmark.h>

#include <memory>
#include <set>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "reports/StoryformCompletion.h"
#include "storymodel/engine/EngineTableReader.h"
#include "storymodel/engine/IStoryFormDocument.h"
#include "storymodel/engine/SettledStoryPoints.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformSolver.h"
#include "support/Floor.h"

namespace {

// The story points the writer has answered, with the values of one storyform.
constexpr std::int16_t kChosen[] = {12000, 12100, 12400, 12600, 13100, 15200,
                                    15300, 18100, 18700, 21300, 21800, 22200};
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
        halfResponses = std::make_unique<PText>(story, FourCCOf("RESP"), 1);
        storyForm =
            std::make_unique<StoryFormManager>(*document, *responses, StoryFormManager::kAllStoryforms, 0);
        for (std::int16_t id : kChosen) {
            const StoryPointRecord& point = *StoryPointByID(id);
            storyForm->SetChoice(id,
                                 StoryformSolver::EngineValueID(kStoryform, point.engineField, point.kind));
        }
        halfChosen = std::make_unique<StoryFormManager>(*document, *halfResponses,
                                                        StoryFormManager::kAllStoryforms, 0);
        halfChosenLeft = ChooseInPart(*halfChosen, 5200,
                                      {"Resolve", "Direction", "Approach", "Sex", "Work", "Limit", "Outcome",
                                       "STDom", "STCon", "STRng", "STPbm", "MCDom", "MCCon", "MCRng", "MCPbm",
                                       "PLDom", "PLCon", "PLRng", "PLPbm"})
                             .size();
    }
    ~Engine() {
        halfChosen.reset();
        halfResponses.reset();
        storyForm.reset();
        responses.reset();
        SetEngineFile(nullptr);
        PFMTerm();
    }
    PFMFile* story = nullptr;
    std::unique_ptr<BenchDocument> document;
    std::unique_ptr<PText> responses;
    std::unique_ptr<StoryFormManager> storyForm;
    // A story chosen in part, and the storyforms its choices leave.
    std::unique_ptr<PText> halfResponses;
    std::unique_ptr<StoryFormManager> halfChosen;
    std::size_t halfChosenLeft = 0;
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

// The engine records the count reads: those behind the dynamics and the fields of the constrained
// points.
std::vector<const std::uint8_t*> CountedRecords() {
    TheEngine();
    const EngineRecordSet& records = EngineTableReader::Instance().Records();
    std::set<const std::uint8_t*> bytes;
    const auto add = [&](int field) {
        const EngineColumn column = EngineFieldColumn(records, field);
        for (const std::uint8_t* record : {column.a, column.b, column.c}) {
            if (record) bytes.insert(record);
        }
    };
    add(0);
    for (std::int16_t id : {12000, 12100, 12200, 12300, 15000, 18000, 21000, 15300})
        add(StoryPointByID(id)->engineField);
    for (std::int16_t id : kChosen) add(StoryPointByID(id)->engineField);
    return {bytes.begin(), bytes.end()};
}

// The plain loop, index by index: every byte of those records for each storyform index.
void BM_PlainLoopIndexByIndex(benchmark::State& state) {
    const std::vector<const std::uint8_t*> records = CountedRecords();
    for (auto _ : state) {
        unsigned sum = 0;
        for (int n = 0; n < kStoryformIndexCount; ++n) {
            for (const std::uint8_t* record : records) sum += record[n];
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["records"] = static_cast<double>(records.size());
}
BENCHMARK(BM_PlainLoopIndexByIndex)->Unit(benchmark::kMicrosecond);

// The same bytes record by record, the memory floor: the count's target is at most four times this.
// Sums the engine bytes of the records, record by record for every storyform index.
template <typename Records>
void SumRecordByRecord(benchmark::State& state, const Records& records) {
    for (auto _ : state) {
        unsigned sum = 0;
        for (const std::uint8_t* record : records) {
            for (int n = 0; n < kStoryformIndexCount; ++n) sum += record[n];
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["records"] = static_cast<double>(records.size());
}

void BM_PlainLoopRecordByRecord(benchmark::State& state) { SumRecordByRecord(state, CountedRecords()); }
BENCHMARK(BM_PlainLoopRecordByRecord)->Unit(benchmark::kMicrosecond);
BENCH_FLOOR("BM_FreshCount", "BM_PlainLoopRecordByRecord", 4.0);

void BM_SettledViewChosenInPart(benchmark::State& state) {
    Engine& engine = TheEngine();
    if (!GetEngineFile() || engine.halfChosenLeft < 2) {
        state.SkipWithError("no storyform chosen in part");
        return;
    }
    StoryformSolver keeper(*engine.halfChosen);  // keeps the engine tables loaded between views
    const auto count = static_cast<std::uint16_t>(engine.halfChosenLeft);
    for (auto _ : state) {
        const SettledStoryPoints settled(*engine.halfChosen, count);
        benchmark::DoNotOptimize(settled.ValueAt(0));
    }
    state.counters["storyforms"] = static_cast<double>(count);
}
BENCHMARK(BM_SettledViewChosenInPart)->Unit(benchmark::kMicrosecond);

// The floor of the settled view: the engine bytes of the dynamics and of every point whose value the
// engine data holds, record by record for every storyform index.
void BM_PlainLoopSettledRecords(benchmark::State& state) {
    TheEngine();
    const EngineRecordSet& records = EngineTableReader::Instance().Records();
    std::set<const std::uint8_t*> bytes;
    const auto add = [&](int field) {
        const EngineColumn column = EngineFieldColumn(records, field);
        for (const std::uint8_t* record : {column.a, column.b, column.c})
            if (record) bytes.insert(record);
    };
    add(0);
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& point = *StoryPointAt(index);
        if (point.kind >= kDomainLevelPoint && point.kind <= kElementLevelPoint &&
            point.engineField != kNoEngineField)
            add(point.engineField);
    }
    SumRecordByRecord(state, bytes);
}
BENCHMARK(BM_PlainLoopSettledRecords)->Unit(benchmark::kMicrosecond);
BENCH_FLOOR("BM_SettledViewChosenInPart", "BM_PlainLoopSettledRecords", 6.0);

}  // namespace
