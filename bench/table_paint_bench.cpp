// Speed of tables: a 10,000-row table of six columns of wrapped-text cells, on an 800 x 600
// headless screen, each benchmark with a table of its own scrolled to a known row (the top, or
// row 5,000). The work: a column resized (the table's cells follow it; rows out of view wrap
// their text again only when they come into view) and the page in view laid out and painted. Its
// floor: the same cells' texts in view painted plainly, each broken into the lines of its cell.
// The work should take at most three times its floor, and as long deep in the table as at its top
// (at most 1.2 times). A second work scrolls the table by a page and paints it, against the same
// floor; it should also take well under a frame (16.7 ms).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "items/TextWrap.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"
#include "support/Floor.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"
#include "widgets/TableColumns.h"
#include "widgets/TextCell.h"

namespace {

using namespace win;

constexpr int kRows = 10000;
constexpr int kColumns = 6;
constexpr int kColumnWidth = 120;

// Every row's texts as long as every other's, so that a page deep in the table holds what a page
// at its top holds.
std::string CellText(int row, int column) {
    char number[8];
    std::snprintf(number, sizeof number, "%05d", row);
    return "Scene " + std::string(number) + ", thread " + std::to_string(column) +
           ": the travellers meet at the inn and neither says why.";
}

LOGFONTA CellFont() {
    LOGFONTA font;
    MakeLogFont(font, 3, 9, 0);
    return font;
}

LRESULT HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window of the headless screen holding the table.
class Host : public TWindow {
public:
    Host() : TWindow(nullptr, nullptr, kDialogMode, 0, "tables") {
        static const bool registered = [] {
            WNDCLASSA host{};
            host.lpfnWndProc = HostProc;
            host.lpszClassName = "TableBenchHost";
            return RegisterClassA(&host) != 0;
        }();
        (void)registered;
        AttachWindow(CreateWindowExA(0, "TableBenchHost", "tables", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                                     nullptr, nullptr, nullptr));
        GetGraphEnv().AttachWindow(this);
        items_ = new ItemList(this);
        SetItemList(items_);
        const ShortRect bounds = ShortRect::MakeLTRB(0, 0, 800, 600);
        table = new TTable(items_, 0, TView::kHorzScrollBar | TView::kVertScrollBar, &bounds, 0, RGBColor(0));
        items_->Append(table);
        Populate();
        table->Open(0);
        Pump();
    }
    ErrCode PreparePrinter() override { return 0; }

    void Populate() {
        const HDC dc = CreateMeasuringDC();
        SimpleGraphEnv measuring;
        measuring.SetDC(dc);
        const LOGFONTA font = CellFont();
        for (int r = 0; r < kRows; ++r) {
            auto* row = new TRow(table, kColumns, kRowSelectable);
            for (int c = 0; c < kColumns; ++c) {
                ShortRect margins = ShortRect::MakeLTRB(2, 2, kColumnWidth - 2, 0);
                auto* wrap = new TextWrap(measuring, margins, CellText(r, c).c_str(), font);
                row->AddCell(new WrapCell(wrap, kColumnWidth, static_cast<std::int16_t>(wrap->GetTotalHeight() + 4),
                                          kCellSelectable, RGBColor(1), RGBColor(0), 0));
            }
            table->AddRow(row, false);
        }
        measuring.DetachDC();
        DeleteDC(dc);
        table->GetColumns().SetUp(table->GetRow(0));
        table->UpdateScrollExtent();
    }
    void Pump() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        UpdateWindow(GetHWnd());
        UpdateWindow(table->GetHWnd());
    }

    TTable* table = nullptr;

private:
    ItemList* items_ = nullptr;
};

// The headless screen the tables are shown on, made once for the program.
win::HeadlessPresenter& TheScreen() {
    static auto* presenter = new HeadlessPresenter(SIZE{800, 600});
    return *presenter;
}

// A table of the benchmark's own on the screen, scrolled to the row; gone with the benchmark, so
// that no benchmark finds the table where another left it.
struct ShownTable {
    explicit ShownTable(std::int32_t row) {
        TheScreen();
        host = std::make_unique<Host>();
        if (row > 0) {
            host->table->ScrollTo(row, 0, 1);
            host->Pump();
        }
    }
    bool At(std::int32_t row) const { return host->table->GetFirstVisibleRow() == row; }

    std::unique_ptr<Host> host;
};

void BM_TableResizeAndPaintPage(benchmark::State& state) {
    const auto row = static_cast<std::int32_t>(state.range(0));
    ShownTable shown(row);
    TTable* table = shown.host->table;
    int width = kColumnWidth;
    for (auto _ : state) {
        width = width == kColumnWidth ? kColumnWidth - 20 : kColumnWidth;
        table->SetColumnWidth(2, static_cast<std::int16_t>(width), false);
        shown.host->Pump();
    }
    if (!shown.At(row)) state.SkipWithError("the resize moved the table away from its row");
    state.counters["rows_painted"] =
        static_cast<double>(table->GetPaintedLastRow() - table->GetPaintedFirstRow() + 1);
}
BENCHMARK(BM_TableResizeAndPaintPage)->ArgName("row")->Arg(0)->Arg(5000)->Unit(benchmark::kMillisecond);

// The texts of the page the table shows from the row, each painted into its cell's rectangle.
void BM_PaintVisibleTextPlainly(benchmark::State& state) {
    const auto row = static_cast<std::int32_t>(state.range(0));
    ShownTable shown(row);
    TTable* table = shown.host->table;
    const ShortRect data = table->DataRect();
    const LOGFONTA font = CellFont();
    // The cells of the page the table shows, as the table lays them out.
    std::vector<std::pair<ShortRect, std::string>> cells;
    std::int32_t first = 0, last = 0;
    table->GetVisibleRowRange(first, last);
    for (int r = first; r <= last; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            ShortRect rect;
            table->GetRow(r)->GetCell(c)->GetFullViewRect(rect);
            if (rect.Intersect(data)) cells.emplace_back(rect, CellText(r, c));
        }
    }
    TGraphEnv& env = *table->GetGraphEnv();
    for (auto _ : state) {
        GraphUser use(env);
        env.SetFontIndirect(font);
        env.SetBackStandardColor(1);
        env.EraseRect(data);
        for (const auto& [rect, text] : cells) env.DrawMultilineText(text.c_str(), rect, 0, 0, 0);
    }
    state.counters["cells"] = static_cast<double>(cells.size());
}
BENCHMARK(BM_PaintVisibleTextPlainly)->ArgName("row")->Arg(0)->Arg(5000)->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_TableResizeAndPaintPage/row:0", "BM_PaintVisibleTextPlainly/row:0", 3.0);
BENCH_FLOOR("BM_TableResizeAndPaintPage/row:5000", "BM_PaintVisibleTextPlainly/row:5000", 3.0);
// A resize lays out and paints the rows in view only: deep in the table it costs what it costs at
// the top.
BENCH_FLOOR("BM_TableResizeAndPaintPage/row:5000", "BM_TableResizeAndPaintPage/row:0", 1.2);

void BM_TableScrollOnePage(benchmark::State& state) {
    const auto row = static_cast<std::int32_t>(state.range(0));
    ShownTable shown(row);
    TTable* table = shown.host->table;
    bool down = true;
    for (auto _ : state) {
        const std::int32_t page = table->ScrollStep(nullptr, down ? kStepVertForward : kStepVertBack);
        table->ScrollBy(page, 0, 1);
        shown.host->Pump();
        down = !down;
    }
    if (!down) {
        table->ScrollBy(table->ScrollStep(nullptr, kStepVertBack), 0, 1);
        shown.host->Pump();
    }
    if (!shown.At(row)) state.SkipWithError("the table did not come back to its row");
}
BENCHMARK(BM_TableScrollOnePage)->ArgName("row")->Arg(5000)->Unit(benchmark::kMillisecond);

// A page scrolled in is a page painted: its floor is the page's texts painted plainly too.
BENCH_FLOOR("BM_TableScrollOnePage/row:5000", "BM_PaintVisibleTextPlainly/row:5000", 3.0);

}  // namespace
