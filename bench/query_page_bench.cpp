// Speed of switching question pages in the query window: the page left is torn down (its values
// stored, its controls deleted), the next one, of 20 controls (five radios, five edit views, five
// check boxes and five push buttons, with their texts and bindings read from its page record), is
// built, laid out, stretched and painted, headless. The floor makes the same 20 controls directly on
// the window's item list, hidden, shows them in one pass, paints the window once and deletes them
// again. Switching should take at most twice the floor.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/StoryCommandIds.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/graphics/FontMapping.h"
#include "items/CheckBox.h"
#include "items/EditView.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/RadioBtn.h"
#include "platform/present/HeadlessPresenter.h"
#include "query/FQSPage.h"
#include "query/FQSWindow.h"
#include "support/Floor.h"
#include "support/QueryWindowBench.h"

namespace {

using namespace win;
using Clock = std::chrono::steady_clock;

constexpr int kKinds = 4;
constexpr int kEach = 5;
// Topics 0 and 1 have the 20-control pages; topic 2 a page without controls.
constexpr std::int16_t kBareTopic = 2;

struct Bench : QueryWindowBench {
    Bench() : QueryWindowBench("fablecore-page-bench", AddPages) {
        if (window && !window->SelectQuestionList(0, false, 0)) window = nullptr;
    }

    static void AddPages(PFMFile* store) {
        PText list(store, FourCCOf("QLST"), 0);
        list.SetEntry("NA", 'c', "Pages");
        list.SetEntry("OR", 'c', "0,0,1,0,1,1,0,2,1,");
        list.Save();
        for (std::uint16_t topic = 0; topic < 2; ++topic) {
            PText page(store, FourCCOf("FQS2"), topic);
            page.Clear();
            page.SetNumberByName("TY", 's', 3);
            page.SetEntry("QT", 'c', "A page of twenty controls");
            page.SetEntry("T1", 'c', "Some words above the controls, long enough to wrap once or twice in the page.");
            page.SetEntry("RV", 'c', "BenchChoice");
            for (const char* count : {"RN", "EN", "CB", "BN"}) page.SetNumberByName(count, 's', kEach);
            for (int x = 1; x <= kEach; ++x) {
                const std::string n = std::to_string(x);
                page.SetEntry("R" + n, 'c', ("Radio " + n).c_str());
                page.SetEntry("ET" + n, 'c', ("Field " + n).c_str());
                page.SetEntry("EV" + n, 'c', ("BenchText" + n).c_str());
                page.SetNumberByName("ES" + n, 's', 1);
                page.SetEntry("CT" + n, 'c', ("Check " + n).c_str());
                page.SetEntry("BT" + n, 'c', ("Button " + n).c_str());
            }
            page.Save();
        }
        PText bare(store, FourCCOf("FQS2"), kBareTopic);
        bare.Clear();
        bare.SetEntry("QT", 'c', "A bare page");
        bare.Save();
    }

    void Paint() {
        window->Invalidate();
        presenter.DispatchPending();
    }
};

Bench& TheBench() {
    static Bench bench;
    return bench;
}

void BM_SwitchQuestionPages(benchmark::State& state) {
    Bench& bench = TheBench();
    if (!bench.window) {
        state.SkipWithError("the query window did not open on its pages");
        return;
    }
    std::int16_t topic = 0;
    for (auto _ : state) {
        const Clock::time_point begin = Clock::now();
        bench.window->ShowPage(topic, topic);
        bench.Paint();
        const Clock::time_point shown = Clock::now();
        topic = static_cast<std::int16_t>(1 - topic);
        state.SetIterationTime(std::chrono::duration<double>(shown - begin).count());
    }
    if (bench.window->GetItemList()->Count() != FQSPage::kFirstPageItem + kKinds * kEach)
        state.SkipWithError("the page did not make its 20 controls");
}
BENCHMARK(BM_SwitchQuestionPages)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same 20 controls made hidden, shown together and painted once on the window, then deleted.
void BM_MakeAndPaintTheControlsDirectly(benchmark::State& state) {
    Bench& bench = TheBench();
    if (!bench.window) {
        state.SkipWithError("the query window did not open on its pages");
        return;
    }
    bench.window->ShowPage(2, kBareTopic);
    bench.Paint();
    auto* items = static_cast<ItemList*>(bench.window->GetItemList());
    const ShortRect area = bench.window->GetPageArea();
    const RGBColor black = GetStandardColor(0);
    win::LOGFONTA font{};
    MakeLogFont(font, 3, 12, 0);
    for (auto _ : state) {
        const Clock::time_point begin = Clock::now();
        std::vector<TItem*> made;
        int y = area.top + 40;
        for (int i = 0; i < kEach; ++i, y += 20) {
            const ShortRect rect = ShortRect::MakeLTRB(area.left + 42, y, area.right - 12, y + 16);
            made.push_back(new RadioBtn(items, "Radio", 0, &rect, 0, black, 0, 0, 0, 12, 0, 0));
        }
        for (int i = 0; i < kEach; ++i, y += 26) {
            const ShortRect rect = ShortRect::MakeLTRB(area.left + 27, y, area.right - 27, y + 22);
            auto* field = new EditView(items, &rect, &font, 0, 0, 0, 0, black, "");
            field->SetText("", 1);
            made.push_back(field);
        }
        for (int i = 0; i < kEach; ++i) {
            const ShortRect rect = ShortRect::MakeLTRB(area.left + 12 + 80 * i, y, area.left + 82 + 80 * i, y + 22);
            made.push_back(new CheckBox(items, "Check", 0, &rect, 0, black, 0, 0, 0, 12, 0, 0));
        }
        y += 36;
        for (int i = 0; i < kEach; ++i) {
            const ShortRect rect = ShortRect::MakeLTRB(area.left + 12 + 80 * i, y, area.left + 82 + 80 * i, y + 22);
            made.push_back(new PushBtn(items, "Button", 0, &rect, 0, black, 0, 0, 0, 12, 0, 0));
        }
        // Made hidden, shown in one pass once all are there, and painted once.
        for (TItem* item : made) {
            const std::int32_t index = items->Append(item);
            item->Hide();
            item->Open(index);
        }
        for (TItem* item : made) item->Show();
        bench.Paint();
        bench.window->RemovePageItems();
        const Clock::time_point done = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(done - begin).count());
    }
}
BENCHMARK(BM_MakeAndPaintTheControlsDirectly)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_SwitchQuestionPages/manual_time", "BM_MakeAndPaintTheControlsDirectly/manual_time", 2.0);

}  // namespace
