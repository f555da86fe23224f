#include "storywindows/StoryPointsTable.h"

#include <algorithm>

#include "framework/MsgEvent.h"
#include "framework/graphics/RGBColor.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/TextWrap.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/Objects.h"
#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TableColumns.h"
#include "widgets/TableRuler.h"
#include "widgets/TextCell.h"

const std::array<const char*, StoryPointsTable::kColumnCount> StoryPointsTable::kHeadings = {
    "Story Point", "Value", "Storytelling"};

namespace {

constexpr std::int16_t kMinRowHeight = 20;
// A text cell's text keeps this far from either side of its cell.
constexpr int kCellTextPadding = 4;

// The ruler's headings, in the story point column's font.
class StoryPointsRuler : public TableRuler {
public:
    StoryPointsRuler(TRow* row, const win::LOGFONTA& font)
        : TableRuler(row, StoryPointsTable::kRulerHeight, 0, kMarginTop | kMarginScrollsHorz,
                     kRulerBottomLine | kRulerSeparators, GetStandardColor(8)),
          font_(font) {}

    void MakeHeading(std::int32_t column, const LongRect& rect) override {
        if (column < 0 || column >= StoryPointsTable::kColumnCount) return;
        AddViewObject(new TextViewObject(this, StoryPointsTable::kHeadings[static_cast<std::size_t>(column)],
                                         font_, 0, 0, rect, column, 0, nullptr, nullptr));
    }

private:
    win::LOGFONTA font_;
};

// The height the text needs in the width, in the font.
std::int16_t WrappedHeight(TGraphEnv& env, const std::string& text, std::int16_t width,
                           const win::LOGFONTA& font, TextWrap*& wrap) {
    ShortRect margins = ShortRect::MakeLTRB(2, 2, std::max<int>(width - 2, 4), 0);
    wrap = new TextWrap(env, margins, text.c_str(), font);
    return static_cast<std::int16_t>(std::max<std::int32_t>(kMinRowHeight, wrap->GetTotalHeight() + 4));
}

}  // namespace

StoryPointsTable::StoryPointsTable(ItemList* list, const ShortRect* bounds, IStoryPointsTableOwner* owner)
    : TTable(list, kTableRowNavigation, kHorzScrollBar | kVertScrollBar, bounds, 0, GetStandardColor(0)),
      owner_(owner) {}

void StoryPointsTable::Fill(const std::vector<StoryPointLine>& lines,
                            const std::array<win::LOGFONTA, kColumnCount>& fonts,
                            const std::array<std::int16_t, kColumnCount>& widths, int selectIndex) {
    SetMargin(0, nullptr);
    DeleteAllRows(false);
    indexes_.clear();
    win::LOGFONTA headingFont = fonts[0];
    headingFont.lfWeight = 700;
    const win::HDC dc = win::CreateMeasuringDC();
    SimpleGraphEnv measuring;
    measuring.SetDC(dc);
    for (const StoryPointLine& line : lines) {
        const bool heading = line.index < 0;
        const std::uint16_t cellFlags = heading ? 0 : kCellSelectable;
        auto* row = new TRow(this, kColumnCount, heading ? 0 : kRowSelectable);
        TextWrap* wrap = nullptr;
        const std::int16_t height =
            heading ? kMinRowHeight + 4
                    : WrappedHeight(measuring, line.storytelling, widths[2], fonts[2], wrap);
        row->AddCell(new TextCell(line.name.c_str(), widths[0], height, cellFlags,
                                  heading ? &headingFont : &fonts[0], 0, heading ? 1 : -1));
        row->AddCell(new TextCell(line.value.c_str(), widths[1], height, cellFlags, &fonts[1], 0, -1));
        if (wrap) {
            row->AddCell(new WrapCell(wrap, widths[2], height, cellFlags, RGBColor(1), RGBColor(0), 0));
        } else {
            row->AddCell(new TextCell("", widths[2], height, cellFlags, &fonts[2], 0, -1));
        }
        if (heading) row->SetRules(0, 1);
        AddRow(row, false);
        indexes_.push_back(line.index);
    }
    measuring.DetachDC();
    win::DeleteDC(dc);
    if (TRow* first = GetRow(0)) {
        GetColumns().SetUp(first);
        for (int column = 0; column < kColumnCount; ++column)
            GetColumns().SetColumnInfo(column, kColumnResizable, kMinColumnWidth, kMaxColumnWidth,
                                       kColumnKindCursor);
        auto* ruler = new StoryPointsRuler(first, fonts[0]);
        SetMargin(0, ruler);
        ruler->BuildHeadings(nullptr);
    }
    UpdateScrollExtent();
    if (!SelectIndex(selectIndex)) Invalidate();
}

std::int16_t StoryPointsTable::NameColumnWidth(const std::vector<StoryPointLine>& lines,
                                              const win::LOGFONTA& font) {
    win::LOGFONTA bold = font;
    bold.lfWeight = 700;
    const win::HDC dc = win::CreateMeasuringDC();
    const win::HFONT plain = win::CreateFontIndirectA(&font);
    const win::HFONT heading = win::CreateFontIndirectA(&bold);
    const win::HGDIOBJ previous = win::SelectObject(dc, plain);
    int widest = 0;
    for (const StoryPointLine& line : lines) {
        win::SelectObject(dc, line.index < 0 ? heading : plain);
        win::SIZE size{};
        win::GetTextExtentPoint32A(dc, line.name.c_str(), static_cast<int>(line.name.size()), &size);
        widest = std::max<int>(widest, size.cx);
    }
    win::SelectObject(dc, previous);
    win::DeleteObject(plain);
    win::DeleteObject(heading);
    win::DeleteDC(dc);
    // Both paddings, and the line between the columns.
    return static_cast<std::int16_t>(std::clamp<int>(widest + 2 * kCellTextPadding + 1, kMinColumnWidth,
                                                     kMaxColumnWidth));
}

int StoryPointsTable::IndexOfRow(std::int32_t row) const {
    return row >= 0 && row < static_cast<std::int32_t>(indexes_.size())
               ? indexes_[static_cast<std::size_t>(row)]
               : -1;
}

int StoryPointsTable::SelectedIndex() const {
    if (GetSelectionCount() == 0) return -1;
    const SelectEntry entry = GetSelectionAt(0);
    return entry.row ? IndexOfRow(entry.row->GetIndex()) : -1;
}

std::int32_t StoryPointsTable::RowOfIndex(int index) const {
    if (index < 0) return -1;
    const auto found = std::find(indexes_.begin(), indexes_.end(), index);
    return found == indexes_.end() ? -1 : static_cast<std::int32_t>(found - indexes_.begin());
}

bool StoryPointsTable::SelectIndex(int index) {
    TRow* row = GetRow(RowOfIndex(index));
    if (!row) return false;
    SelectRow(row, kRevealCentre, false);
    return true;
}

void StoryPointsTable::ItemDoubleClicked(const MsgEvent& event, TRow* row, TCell* cell) {
    TTable::ItemDoubleClicked(event, row, cell);
    const int index = row ? IndexOfRow(row->GetIndex()) : -1;
    if (index >= 0 && owner_) owner_->StoryPointOpened(index);
}

bool StoryPointsTable::HandleKey(KeyEvent& event) {
    if ((event.GetKey() == kKeyReturn || event.GetKey() == kKeyEnter) && !GetActiveCell()) {
        const int index = SelectedIndex();
        if (index >= 0 && owner_) owner_->StoryPointOpened(index);
        return index >= 0;
    }
    return TTable::HandleKey(event);
}

void StoryPointsTable::ColumnResized(std::int32_t column, std::int16_t newWidth, std::int16_t delta,
                                     bool adjustNext) {
    TTable::ColumnResized(column, newWidth, delta, adjustNext);
    if (owner_ && column >= 0 && column < kColumnCount)
        owner_->ColumnWidthChanged(static_cast<int>(column), newWidth);
}
