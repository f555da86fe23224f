#include "storywindows/PlotTable.h"

#include <algorithm>
#include <utility>

#include "framework/MsgEvent.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RGBColor.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/TextWrap.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Objects.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TableColumns.h"
#include "widgets/TableRuler.h"
#include "widgets/TextCell.h"

namespace {

constexpr std::int16_t kMinRowHeight = 22;
constexpr std::int32_t kColumnCount = kThroughlineCount + 1;

// The ruler's headings: nothing over the step names, the throughlines' names over theirs.
class PlotRuler : public TableRuler {
public:
    PlotRuler(TRow* row, std::array<std::string, kThroughlineCount> names, const win::LOGFONTA& font)
        : TableRuler(row, PlotTable::kRulerHeight, 0, kMarginTop | kMarginScrollsHorz,
                     kRulerBottomLine | kRulerSeparators, GetStandardColor(8)),
          names_(std::move(names)),
          font_(font) {}

    void MakeHeading(std::int32_t column, const LongRect& rect) override {
        if (column < 1 || column >= kColumnCount) return;
        AddViewObject(new TextViewObject(this, names_[static_cast<std::size_t>(column - 1)].c_str(), font_, 0,
                                         0, rect, column, 0, nullptr, nullptr));
    }

private:
    std::array<std::string, kThroughlineCount> names_;
    win::LOGFONTA font_;
};

}  // namespace

PlotTable::PlotTable(ItemList* list, const ShortRect* bounds, Owner owner)
    : TTable(list, 0, kHorzScrollBar | kVertScrollBar, bounds, 0, GetStandardColor(0)),
      owner_(std::move(owner)) {}

void PlotTable::Fill(const std::array<std::string, kThroughlineCount>& names,
                     const std::array<ThroughlineProgression, kThroughlineCount>& steps, bool storytelling,
                     std::int16_t width) {
    SetMargin(0, nullptr);
    DeleteAllRows(false);
    win::LOGFONTA font;
    MakeLogFont(font, 5, 10, 0);
    win::LOGFONTA bold = font;
    bold.lfWeight = 700;
    const win::HDC dc = win::CreateMeasuringDC();
    SimpleGraphEnv measuring;
    measuring.SetDC(dc);
    for (int step = 0; step < kPlotStepCount; ++step) {
        const auto at = static_cast<std::size_t>(step);
        std::array<TextWrap*, kThroughlineCount> wraps{};
        std::int16_t height = kMinRowHeight;
        for (std::size_t line = 0; line < kThroughlineCount; ++line) {
            const PlotStep& each = steps[line][at];
            std::string text = each.value;
            if (storytelling && !each.storytelling.empty())
                text += (text.empty() ? "" : "\n") + each.storytelling;
            texts_[line][at] = text;
            ShortRect margins = ShortRect::MakeLTRB(2, 2, std::max<int>(width - 2, 4), 0);
            wraps[line] = new TextWrap(measuring, margins, text.c_str(), font);
            height =
                static_cast<std::int16_t>(std::max<std::int32_t>(height, wraps[line]->GetTotalHeight() + 4));
        }
        const bool signpost = step % 2 == 0;
        const std::uint16_t flags = signpost ? kCellSelectable : 0;
        auto* row = new TRow(this, kColumnCount, 0);
        row->AddCell(new TextCell(steps[0][at].label.c_str(), kLabelWidth, height, 0, &bold, 0, -1));
        for (TextWrap* wrap : wraps)
            row->AddCell(new WrapCell(wrap, width, height, flags,
                                      signpost ? RGBColor(1) : GetStandardColor(8), RGBColor(0), 0));
        AddRow(row, false);
    }
    measuring.DetachDC();
    win::DeleteDC(dc);
    if (TRow* first = GetRow(0)) {
        GetColumns().SetUp(first);
        for (std::int32_t column = 1; column < kColumnCount; ++column)
            GetColumns().SetColumnInfo(column, kColumnResizable, 40, 2000, kColumnKindCursor);
        auto* ruler = new PlotRuler(first, names, bold);
        SetMargin(0, ruler);
        ruler->BuildHeadings(nullptr);
    }
    UpdateScrollExtent();
    Invalidate();
}

std::string PlotTable::CellText(int throughline, int step) const {
    if (throughline < 0 || throughline >= kThroughlineCount || step < 0 || step >= kPlotStepCount) return "";
    return texts_[static_cast<std::size_t>(throughline)][static_cast<std::size_t>(step)];
}

bool PlotTable::Selected(int& throughline, int& step) const {
    if (GetSelectionCount() == 0) return false;
    const SelectEntry entry = GetSelectionAt(0);
    if (!entry.row || !entry.cell) return false;
    throughline = static_cast<int>(entry.cell->GetColumn()) - 1;
    step = static_cast<int>(entry.row->GetIndex());
    return throughline >= 0;
}

void PlotTable::ItemDoubleClicked(const MsgEvent& event, TRow* row, TCell* cell) {
    TTable::ItemDoubleClicked(event, row, cell);
    if (row && cell && cell->GetColumn() >= 1 && owner_.opened)
        owner_.opened(static_cast<int>(cell->GetColumn()) - 1, static_cast<int>(row->GetIndex()));
}

bool PlotTable::HandleKey(KeyEvent& event) {
    if (event.GetKey() == kKeyReturn || event.GetKey() == kKeyEnter) {
        int throughline = -1;
        int step = -1;
        if (!Selected(throughline, step)) return false;
        if (owner_.opened) owner_.opened(throughline, step);
        return true;
    }
    return TTable::HandleKey(event);
}

void PlotTable::ColumnResized(std::int32_t column, std::int16_t newWidth, std::int16_t delta,
                              bool adjustNext) {
    TTable::ColumnResized(column, newWidth, delta, adjustNext);
    if (column >= 1 && column < kColumnCount && owner_.resized) owner_.resized(newWidth);
}
