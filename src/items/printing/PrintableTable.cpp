#include "items/printing/PrintableTable.h"

#include <algorithm>

#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/GraphUser.h"
#include "items/printing/PrintProgress.h"
#include "items/printing/PrintingEnvironment.h"

namespace {

template <typename T>
void GrowTo(std::vector<T>& list, std::size_t index, const T& value) {
    if (index >= list.size()) list.resize(index + 1, value);
}

ShortRect ToShort(const LongRect& r) {
    auto clamp = [](std::int32_t v) { return std::clamp(v, -32768, 32767); };
    return ShortRect::MakeLTRB(clamp(r.left), clamp(r.top), clamp(r.right), clamp(r.bottom));
}

}  // namespace

ProgressPtr PrintableTableProgress::Clone() const {
    auto copy = std::make_unique<PrintableTableProgress>();
    for (const ProgressPtr& progress : cellProgress_)
        copy->cellProgress_.push_back(CloneProgress(progress.get()));
    copy->cellFinished_ = cellFinished_;
    copy->rowHeight_ = rowHeight_;
    copy->rowComplete_ = rowComplete_;
    copy->rowPlaced_ = rowPlaced_;
    copy->tableArea = tableArea;
    copy->state = state;
    copy->startColumn = startColumn;
    copy->startRow = startRow;
    return copy;
}

ProgressPtr PrintableTableProgress::TakeCellProgress(std::size_t cell) {
    return cell < cellProgress_.size() ? std::move(cellProgress_[cell]) : nullptr;
}

const TPrintProgress* PrintableTableProgress::PeekCellProgress(std::size_t cell) const {
    return cell < cellProgress_.size() ? cellProgress_[cell].get() : nullptr;
}

void PrintableTableProgress::SetCellProgress(std::size_t cell, ProgressPtr progress) {
    if (cell >= cellProgress_.size()) cellProgress_.resize(cell + 1);
    cellProgress_[cell] = std::move(progress);
}

void PrintableTableProgress::SetCellFinished(std::size_t cell) {
    GrowTo<std::uint16_t>(cellFinished_, cell, 0);
    cellFinished_[cell] = 1;
}

void PrintableTableProgress::SetRow(std::size_t row, std::int32_t height, bool complete, bool placed) {
    GrowTo<std::int32_t>(rowHeight_, row, -1);
    GrowTo<std::uint16_t>(rowComplete_, row, 1);
    GrowTo<std::uint16_t>(rowPlaced_, row, 0);
    rowHeight_[row] = height;
    rowComplete_[row] = complete ? 1 : 0;
    rowPlaced_[row] = placed ? 1 : 0;
}

PrintableTable::PrintableTable(PrintingEnvironment* environment, std::int16_t rowCount,
                               std::int16_t columnCount, std::int16_t columnsPerPage)
    : MPrintingEnvironmentAware(environment),
      rowCount_(rowCount),
      columnCount_(columnCount),
      columnsPerPage_(columnsPerPage) {}

PrintableTable::~PrintableTable() = default;

void PrintableTable::SetCell(std::int16_t column, std::int16_t row, PrintablePtr printable) {
    if (column < 0 || column >= columnCount_ || row < 0) return;
    rowCount_ = std::max<std::int16_t>(rowCount_, static_cast<std::int16_t>(row + 1));
    const std::size_t index = CellIndex(column, row);
    if (index >= cells_.size()) cells_.resize(index + 1);
    cells_[index] = std::move(printable);
}

void PrintableTable::SetColumnWeights(const std::int16_t* weights) {
    weights_.clear();
    weightSum_ = 0;
    if (!weights) return;
    weights_.assign(weights, weights + std::max<std::int16_t>(columnsPerPage_, 0));
    for (const std::int16_t weight : weights_) weightSum_ += weight;
}

std::int32_t PrintableTable::ColumnWidth(std::int32_t totalWidth, std::int32_t column) const {
    if (weights_.empty() || weightSum_ == 0) return totalWidth / std::max<std::int32_t>(columnsPerPage_, 1);
    return weights_[static_cast<std::size_t>(column % static_cast<std::int32_t>(weights_.size()))] *
           totalWidth / weightSum_;
}

IPrintableObject* PrintableTable::CellAt(std::int32_t column, std::int32_t row) const {
    const std::size_t index = CellIndex(column, row);
    return index < cells_.size() ? cells_[index].get() : nullptr;
}

std::int32_t PrintableTable::MeasureRow(PrintableTableProgress& record, const LongRect& rowArea,
                                        std::int32_t tableWidth, std::int32_t& flag, std::int32_t row,
                                        std::int32_t firstColumn, bool& rowComplete) {
    if (firstColumn >= 1) {
        // Later bands keep the height the first band measured.
        rowComplete = record.IsRowComplete(row);
        flag = record.IsRowPlaced(row) ? 1 : 0;
        return record.GetRowHeight(row);
    }
    rowComplete = true;
    std::int32_t height = 0;
    bool allPlaced = true;
    for (std::int32_t column = 0; column < columnCount_; ++column) {
        IPrintableObject* cell = CellAt(column, row);
        const std::size_t index = CellIndex(column, row);
        if (!cell || record.IsCellFinished(index)) continue;
        const LongRect area{rowArea.left, rowArea.top, rowArea.left + ColumnWidth(tableWidth, column),
                            rowArea.bottom};
        const MeasuringScope measuring(*GetEnvironment());
        LongPoint cellSize;
        std::int32_t cellFlag = flag;
        const ProgressPtr rest =
            cell->Print(area, CloneProgress(record.PeekCellProgress(index)), cellSize, cellFlag);
        if (cellFlag == 0) allPlaced = false;
        if (!rest) {
            height = std::max(height, cellSize.y);
        } else {
            rowComplete = false;
            height = Height(rowArea);
        }
    }
    record.SetRow(row, height, rowComplete, allPlaced);
    flag = allPlaced ? 1 : 0;
    return height;
}

ProgressPtr PrintableTable::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                  std::int32_t& placed) {
    auto record = TakeProgress<PrintableTableProgress>(std::move(progress));
    if (!record) record = std::make_unique<PrintableTableProgress>();
    if (record->state == PrintableTableProgress::kNew ||
        record->state == PrintableTableProgress::kContinuingRows)
        record->state = PrintableTableProgress::kContinuing;
    if (record->startColumn == 0) record->tableArea = area;
    LongRect table = record->tableArea;
    table.top = std::max(table.top, area.top);
    const std::int32_t tableWidth = Width(table);
    const std::int32_t tableHeight = Height(table);

    const std::int32_t placedIn = placed;
    const std::int32_t firstColumn = record->startColumn;
    const std::int32_t bandStartRow = record->startRow;
    const std::int32_t bandEnd =
        std::min<std::int32_t>(firstColumn + std::max<std::int16_t>(columnsPerPage_, 1), columnCount_);
    std::int32_t row = bandStartRow;
    std::int32_t y = 0;
    std::int32_t tablePlaced = 1;
    bool rowDrawn = false;
    TGraphEnv& graph = *GetEnvironment()->GetGraph();
    const GraphUser use(graph);
    while (y < tableHeight && row < rowCount_) {
        const LongRect rowArea{table.left, table.top + y, table.right, table.bottom};
        std::int32_t rowFlag = y == 0 ? placedIn : 1;
        bool rowComplete = true;
        const std::int32_t rowHeight =
            MeasureRow(*record, rowArea, tableWidth, rowFlag, row, firstColumn, rowComplete);
        if (rowFlag == 0) {
            if (y == 0) tablePlaced = 0;
            break;  // the row goes to the next page
        }
        std::int32_t x = table.left;
        for (std::int32_t column = firstColumn; column < bandEnd; ++column) {
            const std::int32_t cellWidth = ColumnWidth(tableWidth, column);
            const LongRect cellArea{x, rowArea.top, x + cellWidth, rowArea.top + rowHeight};
            graph.FrameRect(ToShort(cellArea));
            const std::size_t index = CellIndex(column, row);
            IPrintableObject* cell = CellAt(column, row);
            if (cell && !record->IsCellFinished(index)) {
                std::int32_t cellFlag = y == 0 ? placedIn : 1;
                LongPoint cellSize;
                ProgressPtr rest = cell->Print(cellArea, record->TakeCellProgress(index), cellSize, cellFlag);
                if (y == 0 && cellFlag == 0) tablePlaced = 0;
                if (!rest) record->SetCellFinished(index);
                record->SetCellProgress(index, std::move(rest));
            }
            x += cellWidth;
        }
        rowDrawn = true;
        y += rowHeight;
        if (!rowComplete) break;  // the row goes on on the next page
        ++row;
    }

    if (!rowDrawn) tablePlaced = 0;
    if (!rowDrawn && row < rowCount_) {
        // Nothing of this band fitted: the next page starts the band again.
    } else if (rowDrawn && bandEnd < columnCount_) {
        // The same rows with the next band of columns.
        record->startRow = static_cast<std::uint16_t>(bandStartRow);
        record->startColumn = static_cast<std::uint16_t>(bandEnd);
        record->state = PrintableTableProgress::kContinuing;
    } else if (row < rowCount_) {
        record->startRow = static_cast<std::uint16_t>(row);
        record->startColumn = 0;
        record->state = PrintableTableProgress::kContinuingRows;
    } else {
        record.reset();
    }
    size = LongPoint{tableWidth, y};
    if (tablePlaced == 0 && placedIn == 0) record.reset();  // it can never fit: give up
    placed = tablePlaced;
    return record;
}
