#pragma once
// A table of printable cells with a grid around every cell. A page shows as many rows as fit, and
// at most the columns of one band (columns per page): a table wider than a band prints the same rows
// with the next band of columns on the following page, then goes on with the next rows from the
// first column. Row heights are measured with the first band and kept for the others; a row whose
// cells do not finish takes the rest of the page and goes on on the next one.

#include <cstdint>
#include <vector>

#include "framework/graphics/ShortRect.h"
#include "items/printing/Printable.h"

class PrintableTableProgress : public TPrintProgress {
public:
    enum State : std::int32_t { kNew = 0, kContinuingRows = 1, kContinuing = 2, kFinished = 4 };

    ProgressPtr Clone() const override;

    // Entries by cell index or by row, grown on demand with their defaults.
    ProgressPtr TakeCellProgress(std::size_t cell);
    void SetCellProgress(std::size_t cell, ProgressPtr progress);
    const TPrintProgress* PeekCellProgress(std::size_t cell) const;
    bool IsCellFinished(std::size_t cell) const {
        return cell < cellFinished_.size() && cellFinished_[cell] != 0;
    }
    void SetCellFinished(std::size_t cell);
    // Height -1, complete and not placed until measured.
    std::int32_t GetRowHeight(std::size_t row) const {
        return row < rowHeight_.size() ? rowHeight_[row] : -1;
    }
    bool IsRowComplete(std::size_t row) const { return row >= rowComplete_.size() || rowComplete_[row] != 0; }
    bool IsRowPlaced(std::size_t row) const { return row < rowPlaced_.size() && rowPlaced_[row] != 0; }
    void SetRow(std::size_t row, std::int32_t height, bool complete, bool placed);

    LongRect tableArea;
    std::int32_t state = kNew;
    std::uint16_t startColumn = 0;
    std::uint16_t startRow = 0;

private:
    std::vector<ProgressPtr> cellProgress_;
    std::vector<std::uint16_t> cellFinished_;
    std::vector<std::int32_t> rowHeight_;
    std::vector<std::uint16_t> rowComplete_;
    std::vector<std::uint16_t> rowPlaced_;
};

class PrintableTable : public IPrintableObject, public MPrintingEnvironmentAware {
public:
    PrintableTable(PrintingEnvironment* environment, std::int16_t rowCount, std::int16_t columnCount,
                   std::int16_t columnsPerPage);
    ~PrintableTable() override;

    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;

    // Replaces the cell's printable; a cell in a row past the last adds the rows up to it.
    void SetCell(std::int16_t column, std::int16_t row, PrintablePtr printable);
    // The weights of the columns of a band: the array holds columns-per-page entries.
    void SetColumnWeights(const std::int16_t* weights);
    // A column's width in a table of the total width: equal shares of a band, or shares by weight.
    std::int32_t ColumnWidth(std::int32_t totalWidth, std::int32_t column) const;

    std::int16_t GetRowCount() const { return rowCount_; }

private:
    // The height of the row: measured across every column with the first band (keeping it in the
    // record), read back with later bands. flag in: placed in; out: whether every cell placed
    // something.
    std::int32_t MeasureRow(PrintableTableProgress& record, const LongRect& rowArea, std::int32_t tableWidth,
                            std::int32_t& flag, std::int32_t row, std::int32_t firstColumn,
                            bool& rowComplete);
    IPrintableObject* CellAt(std::int32_t column, std::int32_t row) const;
    std::size_t CellIndex(std::int32_t column, std::int32_t row) const {
        return static_cast<std::size_t>(column + row * columnCount_);
    }

    std::int16_t rowCount_;
    std::int16_t columnCount_;
    std::int16_t columnsPerPage_;
    std::vector<std::int16_t> weights_;
    std::int32_t weightSum_ = 0;
    std::vector<PrintablePtr> cells_;
};
