// Speed of tables: a 10,000-row table of six columns of wrapped-text cells, on an 800 x 600
// headless screen. The work: a column resized (the table's cells follow it; rows out of view wrap
// their text again only when they come into view) and the page in view laid out and painted. Its
// floor: the same cells' texts in view painted plainly, each broken into the lines of its cell.
// The work should take at most three times its floor. A second work scrolls the table by a page and
// paints it, against the same floor; it should also take well under a frame (16.7 ms).

#include <benchmark/benchmark.h>

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

std::string CellText(int row, int column) {
    return "Scene " + std::to_string(row) + ", thread " + std::to_string(column) +
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

struct Screen {
    HeadlessPresenter presenter{SIZE{800, 600}};
    Host host;
};

Screen& TheScreen() {
    static Screen* screen = new Screen;
    return *screen;
}

void BM_TableResizeAndPaintPage(benchmark::State& state) {
    Host& host = TheScreen().host;
    TTable* table = host.table;
    int width = kColumnWidth;
    for (auto _ : state) {
        width = width == kColumnWidth ? kColumnWidth - 20 : kColumnWidth;
        table->SetColumnWidth(2, static_cast<std::int16_t>(width), false);
        host.Pump();
    }
    state.counters["rows_painted"] =
        static_cast<double>(table->GetPaintedLastRow() - table->GetPaintedFirstRow() + 1);
}
BENCHMARK(BM_TableResizeAndPaintPage)->Unit(benchmark::kMillisecond);

void BM_PaintVisibleTextPlainly(benchmark::State& state) {
    Host& host = TheScreen().host;
    TTable* table = host.table;
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
BENCHMARK(BM_PaintVisibleTextPlainly)->Unit(benchmark::kMillisecond);

BENCH_FLOOR("BM_TableResizeAndPaintPage", "BM_PaintVisibleTextPlainly", 3.0);

void BM_TableScrollOnePage(benchmark::State& state) {
    Host& host = TheScreen().host;
    TTable* table = host.table;
    table->ScrollTo(5000, 0, 1);
    host.Pump();
    bool down = true;
    for (auto _ : state) {
        const std::int32_t page = table->ScrollStep(nullptr, down ? kStepVertForward : kStepVertBack);
        table->ScrollBy(page, 0, 1);
        host.Pump();
        down = !down;
    }
}
BENCHMARK(BM_TableScrollOnePage)->Unit(benchmark::kMillisecond);

// A page scrolled in is a page painted: its floor is the page's texts painted plainly too.
BENCH_FLOOR("BM_TableScrollOnePage", "BM_PaintVisibleTextPlainly", 3.0);

}  // namespace
