#pragma once
// The table of the plot progression window: a column of step names ("Signpost 1", "Journey 1", ...)
// and one column per throughline under a ruler of the throughlines' names. A signpost's cell holds
// its type and, when asked, the writer's storytelling, wrapped within the column. The throughline
// columns share one width; dragging any of their edges reports the new width.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "storywindows/PlotProgression.h"
#include "widgets/TTable.h"

class PlotTable : public TTable {
public:
    static constexpr std::int16_t kLabelWidth = 90;
    static constexpr std::int16_t kRulerHeight = 20;

    // What the table reports: a signpost opened (throughline, step) and the columns' new width.
    struct Owner {
        std::function<void(int throughline, int step)> opened;
        std::function<void(std::int16_t width)> resized;
    };

    PlotTable(ItemList* list, const ShortRect* bounds, Owner owner);

    // The rows of the throughlines' steps, the throughline columns the width wide.
    void Fill(const std::array<std::string, kThroughlineCount>& names,
              const std::array<ThroughlineProgression, kThroughlineCount>& steps, bool storytelling,
              std::int16_t width);
    // The text shown for the throughline's step.
    std::string CellText(int throughline, int step) const;

    void ItemDoubleClicked(const MsgEvent& event, TRow* row, TCell* cell) override;
    // Return opens the selected signpost.
    bool HandleKey(KeyEvent& event) override;
    void ColumnResized(std::int32_t column, std::int16_t newWidth, std::int16_t delta,
                       bool adjustNext) override;

private:
    // The selected cell's throughline and step, false when none is selected.
    bool Selected(int& throughline, int& step) const;

    Owner owner_;
    std::array<std::array<std::string, kPlotStepCount>, kThroughlineCount> texts_;
};
