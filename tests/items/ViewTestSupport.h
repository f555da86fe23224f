#pragma once
// A scrolling view over a grid of cells, each drawn in a colour of its own, that counts its scroll
// hooks and remembers the last region it was asked to draw.

#include <cstdint>

#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/ItemGraphEnv.h"
#include "items/TView.h"
#include "items/ViewDrawContext.h"

namespace itemstest {

class GridView : public TView {
public:
    GridView(ItemList* list, std::uint16_t flags, const ShortRect& bounds, std::int32_t rows,
             std::int32_t columns)
        : TView(list, flags, &bounds, 0, RGBColor(0)), rows_(rows), columns_(columns) {}

    std::int32_t VertUnitCount() const override { return rows_; }
    std::int32_t HorzUnitCount() const override { return columns_; }
    void ScrollChanged() override { ++changed; }
    void Scrolled() override { ++scrolled; }

    // A cell's colour: its row in red, its column in green. The bands are blue, their cells numbered
    // the same way, each with a white stripe along its outer half (so a band moved across itself
    // shows).
    static RGBColor CellColor(std::int32_t row, std::int32_t column) {
        return RGBColor(static_cast<std::uint16_t>((row * 37 % 256) << 8),
                        static_cast<std::uint16_t>((column * 53 % 256) << 8), 0x4000);
    }
    static RGBColor BandColor(std::int32_t index) {
        return RGBColor(0, static_cast<std::uint16_t>((index * 29 % 256) << 8), 0xFFFF);
    }

    void DrawContent(ViewDrawContext* context) override {
        ItemGraphEnv* env = GetGraphEnv();
        if (!env) return;
        context->region->GetBounds(lastDrawn);
        GraphAttribUser use(*env);
        const ShortPoint unit = GetUnitSize();
        std::int32_t h = 0, v = 0;
        GetOrigin(&h, &v);
        ShortRect data, top, left;
        GetDataRect(data);
        GetTopBandRect(top);
        GetLeftBandRect(left);
        for (std::int32_t row = 0; row < rows_; ++row) {
            for (std::int32_t column = 0; column < columns_; ++column) {
                ShortRect cell;
                if (!DocRectToView(
                        LongRect{column * unit.x, row * unit.y, (column + 1) * unit.x, (row + 1) * unit.y},
                        cell) ||
                    !cell.Intersect(data)) {
                    continue;
                }
                env->SetForeColor(CellColor(row, column));
                env->FillRect(cell);
            }
        }
        // The top band follows the columns when it scrolls, the left band the rows.
        for (std::int32_t column = 0; column < columns_ && GetVertInset() > 0; ++column) {
            const std::int32_t x =
                HasViewFlags(kTopBandScrolls) ? h + column * unit.x : data.left + column * unit.x;
            ShortRect cell = ShortRect::MakeLTRB(x, top.top, x + unit.x, top.bottom);
            if (!cell.Intersect(top)) continue;
            env->SetForeColor(BandColor(column));
            env->FillRect(cell);
            env->SetForeStandardColor(1);
            env->FillRect(ShortRect::MakeLTRB(cell.left, cell.top, cell.right, top.top + top.Height() / 2));
        }
        for (std::int32_t row = 0; row < rows_ && GetHorzInset() > 0; ++row) {
            const std::int32_t y =
                HasViewFlags(kLeftBandScrolls) ? v + row * unit.y : data.top + row * unit.y;
            ShortRect cell = ShortRect::MakeLTRB(left.left, y, left.right, y + unit.y);
            if (!cell.Intersect(left)) continue;
            env->SetForeColor(BandColor(row + 100));
            env->FillRect(cell);
            env->SetForeStandardColor(1);
            env->FillRect(
                ShortRect::MakeLTRB(cell.left, cell.top, left.left + left.Width() / 2, cell.bottom));
        }
    }

    int changed = 0;
    int scrolled = 0;
    ShortRect lastDrawn;

private:
    std::int32_t rows_;
    std::int32_t columns_;
};

}  // namespace itemstest
