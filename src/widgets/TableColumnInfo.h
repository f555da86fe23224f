#pragma once
// A per-column table of display positions, widths and identifiers for tables whose columns can be
// shown, hidden and reordered: each column has a display position (-1 while hidden), a width and an
// id (-1 while not set). Showing a column slots it in after the nearest shown column before it and
// moves the later shown columns along; hiding it closes the gap. A subclass supplies the handler that
// Dispatch passes a column's id to.

#include <cstdint>
#include <vector>

class TTableColumnInfo {
public:
    // What Dispatch calls with a column's id.
    class Handler {
    public:
        virtual ~Handler() = default;
        virtual void HandleColumn(std::int32_t id, std::int32_t a, std::int32_t b) = 0;
    };

    struct Entry {
        std::int32_t position = -1;
        std::int16_t width = -1;
        std::int32_t id = -1;
    };

    // Every entry hidden, without width or id.
    TTableColumnInfo(std::int32_t owner, std::int16_t count);
    virtual ~TTableColumnInfo();

    virtual Handler* GetHandler() = 0;

    void SetColumn(std::int16_t i, bool shown, std::int16_t width, std::int32_t id);
    // The entry's position; nothing changes for one already shown.
    std::int32_t Show(std::int16_t i);
    void Hide(std::int16_t i);
    void ShowAllInOrder();
    void HideAll();
    bool IsShown(std::int16_t i) const;
    // -1 for an index outside the table.
    std::int32_t GetPosition(std::int16_t i) const;
    std::int16_t GetWidth(std::int16_t i) const;
    void SetWidth(std::int16_t i, std::int16_t width);
    void SetId(std::int16_t i, std::int32_t id);
    std::int32_t GetId(std::int16_t i) const;
    void ClearWidths();
    void ClearIds();
    std::int16_t TotalShownWidth() const;
    // The first index at that position, or the count.
    std::int16_t IndexOfPosition(std::int32_t position) const;
    bool AllWidthsSet() const;
    bool AllIdsSet() const;
    // The shown entries, in index order, hold the positions 0, 1, 2, ...
    bool PositionsValid() const;
    // The id of the entry at the position, with a and b, to the handler.
    void Dispatch(std::int32_t position, std::int32_t a, std::int32_t b);

    std::int32_t GetOwner() const { return owner_; }
    std::int16_t GetCount() const { return count_; }

private:
    bool InRange(std::int16_t i) const { return i >= 0 && i < count_; }

    std::int32_t owner_;
    std::vector<Entry> entries_;
    std::int16_t count_;
};
