#pragma once
// The table of the story points window: one row per line of the story point list (headings in bold,
// not selectable), in three columns - the story point, its value and the writer's storytelling text,
// which wraps within its column - under a ruler of headings whose column edges the writer drags.
// Each column has its own font. A double click or Return on a story point's row opens it; a column
// resize is reported to the owner.

#include <array>
#include <cstdint>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "storywindows/StoryPointList.h"
#include "widgets/TTable.h"

class StoryPointsTable;

// What the table tells its window. Not owned by the table.
class IStoryPointsTableOwner {
public:
    virtual ~IStoryPointsTableOwner() = default;
    virtual void StoryPointOpened(int index) = 0;
    virtual void ColumnWidthChanged(int column, std::int16_t width) = 0;
};

class StoryPointsTable : public TTable {
public:
    static constexpr int kColumnCount = 3;
    static constexpr std::int16_t kMinColumnWidth = 40;
    static constexpr std::int16_t kMaxColumnWidth = 2000;
    static constexpr std::int16_t kRulerHeight = 20;
    static const std::array<const char*, kColumnCount> kHeadings;

    StoryPointsTable(ItemList* list, const ShortRect* bounds, IStoryPointsTableOwner* owner);

    // The rows of the lines, in the fonts and widths of the columns; a row of a story point of the
    // index is selected when there is one.
    void Fill(const std::vector<StoryPointLine>& lines, const std::array<win::LOGFONTA, kColumnCount>& fonts,
              const std::array<std::int16_t, kColumnCount>& widths, int selectIndex = -1);
    // The width the story point column needs to show every name of the lines whole, in the font (the
    // headings in its bold).
    static std::int16_t NameColumnWidth(const std::vector<StoryPointLine>& lines, const win::LOGFONTA& font);
    // The story point of the row (-1 for a heading or no row), and of the selected row.
    int IndexOfRow(std::int32_t row) const;
    int SelectedIndex() const;
    // Selects the row of the story point; false when there is none.
    bool SelectIndex(int index);
    // The row of the story point, -1 when none.
    std::int32_t RowOfIndex(int index) const;

    void ItemDoubleClicked(const MsgEvent& event, TRow* row, TCell* cell) override;
    // Return opens the selected story point.
    bool HandleKey(KeyEvent& event) override;
    void ColumnResized(std::int32_t column, std::int16_t newWidth, std::int16_t delta,
                       bool adjustNext) override;

private:
    IStoryPointsTableOwner* owner_;
    std::vector<int> indexes_;
};
