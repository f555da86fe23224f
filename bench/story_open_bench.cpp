// Speed of opening a story: a story of 28 characters, 60 scenes and a complete storyform opened
// from its file by the story application (the look for a character file, the store, records,
// managers, storyform recount, question status, its front end window made and laid out), headless,
// against opening the same store and reading every segment of it. Each opening's allocations (made
// with new) are counted beside its time.
//
// The target, five times the floor, is what the same work done plainly takes. The floor is the
// store's own opening (the file, its layout and its swap file: the opening does this once too, the
// character-file look having read the layout for it) and the reading of every segment's bytes.
// Beyond that (its parts weighed by the instructions they run) the opening parses those bytes into
// about a hundred records and makes the scenes, characters and storyform of them (about 1.4
// floors), checks and recounts the storyform and arranges its throughlines (about 1.4 floors),
// reads the question status (half a floor) and makes and lays out the front end window (two thirds
// of a floor); no one part is more than a third of the whole, and none repeats another's reading.
//
// Then the front end's first paint against its pictures blitted and its texts drawn plainly on a
// surface of the same size: at most twice the floor. The rest is the cells' and buttons' bevelled
// frames, the window's own frame and its scroll bars, which the floor does not draw; the texts and
// pictures cost the same per line and per picture in both.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/FrontEndView.h"
#include "foundation/Memory.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "framework/PictureCache.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/OffscreenEnv.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/Bitmaps.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryformSolver.h"
#include "storymodel/engine/TheoryTables.h"
#include "support/Floor.h"
#include "support/StoryApplicationBench.h"

// Every allocation the program makes with new is counted: the opening's allocations are reported
// beside its time.
namespace {
std::atomic<unsigned long> g_allocations{0};

void* CountedAllocation(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
}  // namespace

// The replacements pair malloc with free, which the compiler cannot tell from here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (void* block = CountedAllocation(size)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return CountedAllocation(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return CountedAllocation(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
#pragma GCC diagnostic pop

namespace {

using Clock = std::chrono::steady_clock;

// The application over the data files the build made, with the story file made once.
struct Bench {
    StoryApplicationBench app{"fablecore-open-bench"};
    std::string storyPath = app.PathOf("story.fsf");
    bool storyformComplete = false;

    Bench() { MakeStory(); }

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
        FKDoc* story = app.NewStory();
        if (!story) return;
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
        app.CloseAll();
    }
};

Bench& TheBench() {
    static Bench bench;
    return bench;
}

double Seconds(Clock::time_point from, Clock::time_point to) { return std::chrono::duration<double>(to - from).count(); }

// One opening of the story: the open (until the story and its front end window are made), then the
// front end's first paint (every message the open left, handled).
struct Opening {
    double open = 0;
    double paint = 0;
    unsigned long openAllocations = 0;
    unsigned long paintAllocations = 0;
    const char* problem = nullptr;
};

Opening OpenAndShow(Bench& bench) {
    Opening opening;
    if (!bench.storyformComplete) {
        opening.problem = "the story's storyform is not complete";
        return opening;
    }
    const unsigned long before = g_allocations.load(std::memory_order_relaxed);
    const Clock::time_point begin = Clock::now();
    const FKDoc* story = bench.app.Open(bench.storyPath);
    const Clock::time_point opened = Clock::now();
    const unsigned long afterOpening = g_allocations.load(std::memory_order_relaxed);
    bench.app.Presenter().DispatchPending();
    const Clock::time_point shown = Clock::now();
    opening.openAllocations = afterOpening - before;
    opening.paintAllocations = g_allocations.load(std::memory_order_relaxed) - afterOpening;
    if (!story || !story->IsStoryformComplete() || !story->GetFrontEndWindow())
        opening.problem = "the story opened without its storyform or its front end";
    bench.app.CloseAll();
    opening.open = Seconds(begin, opened);
    opening.paint = Seconds(opened, shown);
    return opening;
}

void BM_OpenStory(benchmark::State& state) {
    unsigned long allocations = 0;
    for (auto _ : state) {
        const Opening opening = OpenAndShow(TheBench());
        if (opening.problem) {
            state.SkipWithError(opening.problem);
            break;
        }
        state.SetIterationTime(opening.open);
        allocations = opening.openAllocations;
    }
    state.counters["allocations"] = static_cast<double>(allocations);
}
BENCHMARK(BM_OpenStory)->UseManualTime()->Unit(benchmark::kMillisecond);

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
        state.SetIterationTime(Seconds(begin, read));
    }
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_OpenStoreAndReadEverySegment)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_OpenStory/manual_time", "BM_OpenStoreAndReadEverySegment/manual_time", 5.0);

void BM_ShowFrontEnd(benchmark::State& state) {
    unsigned long allocations = 0;
    for (auto _ : state) {
        const Opening opening = OpenAndShow(TheBench());
        if (opening.problem) {
            state.SkipWithError(opening.problem);
            break;
        }
        state.SetIterationTime(opening.paint);
        allocations = opening.paintAllocations;
    }
    state.counters["allocations"] = static_cast<double>(allocations);
}
BENCHMARK(BM_ShowFrontEnd)->UseManualTime()->Unit(benchmark::kMillisecond);

// What the front end shows, taken from the panel as the story's opening lays it out: each cell's
// picture, each button's picture, caption and description, where the panel puts them.
struct FrontEndContents {
    struct Entry {
        std::shared_ptr<QRVBitmap> button;
        ShortRect inner, image, caption, description;
        std::string captionText, descriptionText;
    };
    std::shared_ptr<QRVBitmap> cell;
    std::vector<Entry> entries;
    int width = 0;
    int height = 0;
};

ShortRect Short(const LongRect& rect) { return ShortRect::MakeLTRB(rect.left, rect.top, rect.right, rect.bottom); }

FrontEndContents ReadFrontEnd(Bench& bench) {
    FrontEndContents contents;
    const FKDoc* story = bench.app.Open(bench.storyPath);
    bench.app.Presenter().DispatchPending();
    const FEWindow* window = story ? story->GetFrontEndWindow() : nullptr;
    if (const FrontEndView* view = window ? window->GetView() : nullptr) {
        const ShortRect client = window->GetClientRect();
        contents.width = client.Width();
        contents.height = client.Height();
        contents.cell = SharedPicture(FourCCOf("BITM"), static_cast<std::uint16_t>(view->GetTable()[0].picture));
        for (std::int32_t i = 0; i < view->GetEntryCount(); ++i) {
            const FrontEndView::Layout& layout = view->GetLayout(i);
            contents.entries.push_back({layout.bitmap, Short(layout.inner), Short(layout.image),
                                        Short(layout.captionRect), Short(layout.descriptionRect), layout.captionText,
                                        layout.descriptionText});
        }
    }
    bench.app.CloseAll();
    return contents;
}

void Blit(TGraphEnv& env, QRVBitmap& bitmap, const ShortRect& to) {
    if (const win::HDC source = bitmap.BeginDrawing(env.GetHDC()))
        win::BitBlt(env.GetHDC(), to.left, to.top, to.Width(), to.Height(), source, 0, 0, win::SRCCOPY);
    bitmap.EndDrawing();
}

void BM_BlitFrontEndPicturesAndDrawTexts(benchmark::State& state) {
    const FrontEndContents contents = ReadFrontEnd(TheBench());
    if (contents.entries.empty() || !contents.cell) {
        state.SkipWithError("the story's front end showed nothing");
        return;
    }
    win::LOGFONTA descriptionFont{};
    MakeLogFont(descriptionFont, 3, 9, 0);
    OffscreenEnv env(contents.width, contents.height, 0);
    for (auto _ : state) {
        const Clock::time_point begin = Clock::now();
        {
            const GraphUser use(env);
            env.SetTransparent(true);
            for (const FrontEndContents::Entry& entry : contents.entries) {
                Blit(env, *contents.cell, entry.inner);
                if (!entry.button) continue;
                Blit(env, *entry.button, entry.image);
                env.SetFont(0, 12, 0);
                env.DrawMultilineText(entry.captionText.c_str(), entry.caption, kAlignLeft, 0, 0);
                env.SetFontIndirect(descriptionFont);
                env.DrawMultilineText(entry.descriptionText.c_str(), entry.description, kAlignLeft, 0, 0);
            }
        }
        state.SetIterationTime(Seconds(begin, Clock::now()));
    }
}
BENCHMARK(BM_BlitFrontEndPicturesAndDrawTexts)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_ShowFrontEnd/manual_time", "BM_BlitFrontEndPicturesAndDrawTexts/manual_time", 2.0);

}  // namespace
