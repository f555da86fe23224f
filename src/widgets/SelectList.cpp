#include "widgets/SelectList.h"

#include <new>

#include "widgets/TCell.h"
#include "widgets/TRow.h"
#include "widgets/TTable.h"

namespace {

constexpr std::uint16_t kGrowth = 8 * sizeof(SelectEntry);

int Sign(std::int32_t a, std::int32_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

std::int32_t RowIndexOf(const TRow* row) { return row ? row->GetIndex() : -1; }

}  // namespace

SelectList::SelectList() : entries_(sizeof(SelectEntry), kGrowth) {}

SelectList::SelectList(const SelectList& other)
    : anchor_(other.anchor_),
      entries_(sizeof(SelectEntry), kGrowth),
      anchorRow_(other.anchorRow_),
      anchorColumn_(other.anchorColumn_),
      mode_(other.mode_),
      horzGrowth_(other.horzGrowth_),
      vertGrowth_(other.vertGrowth_),
      selectedColumn_(other.selectedColumn_),
      changeCount_(other.changeCount_) {
    entries_.CopyFrom(other.entries_);
}

SelectList::~SelectList() = default;

SelectList* SelectList::Clone() const {
    auto* copy = new (std::nothrow) SelectList(*this);
    if (copy && copy->GetCount() != GetCount()) {
        delete copy;
        return nullptr;
    }
    return copy;
}

int SelectList::CompareEntries(const void* a, const void* b) {
    const auto* first = static_cast<const SelectEntry*>(a);
    const auto* second = static_cast<const SelectEntry*>(b);
    if (const int byRow = Sign(RowIndexOf(first->row), RowIndexOf(second->row))) return byRow;
    if (!first->cell || !second->cell) {
        if (!first->cell && !second->cell) return 0;
        return first->cell ? 1 : -1;
    }
    return Sign(first->cell->GetColumn(), second->cell->GetColumn());
}

std::int32_t SelectList::Find(TRow* row, TCell* cell) const {
    SelectEntry key;
    key.row = row;
    key.cell = cell;
    bool found = false;
    const std::int32_t at = entries_.FindInsertPos(&key, &found, CompareEntries);
    // Equal keys may name another row at the same index while rows are being renumbered: the
    // pointers decide.
    for (std::int32_t i = found ? at : entries_.Count(); i < entries_.Count(); ++i) {
        const auto* entry = static_cast<const SelectEntry*>(entries_.ElementPtr(i));
        if (CompareEntries(entry, &key) != 0) break;
        if (entry->row == row && entry->cell == cell) return i;
    }
    return -1;
}

ErrCode SelectList::Add(TRow* row, TCell* cell) {
    if (Find(row, cell) != -1) return kNoErr;
    SelectEntry entry;
    entry.row = row;
    entry.cell = cell;
    const bool sorted = entries_.IsSorted();
    if (entries_.InsertSorted(&entry, CompareEntries) < 0) return -4;
    if (sorted) entries_.SetSorted();
    ++changeCount_;
    return kNoErr;
}

bool SelectList::Remove(TRow* row, TCell* cell) {
    const std::int32_t at = Find(row, cell);
    if (at < 0 || !entries_.DeleteAt(at)) return false;
    ++changeCount_;
    return true;
}

std::int32_t SelectList::IndexOf(TRow* row, TCell* cell) const { return Find(row, cell); }

bool SelectList::GetAt(std::int32_t i, SelectEntry& entry) const {
    if (i < 0 || i >= entries_.Count()) return false;
    entries_.GetAt(&entry, i);
    return true;
}

SelectEntry SelectList::GetAt(std::int32_t i) const {
    SelectEntry entry;
    GetAt(i, entry);
    return entry;
}

void SelectList::SetAt(std::int32_t i, const SelectEntry& entry) {
    if (i < 0 || i >= entries_.Count()) return;
    const bool sorted = entries_.IsSorted();
    entries_.SetAt(&entry, i);
    if (sorted) entries_.SetSorted();
}

ErrCode SelectList::AppendSaved(const SelectEntry& entry) {
    return entries_.Append(&entry) < 0 ? ErrCode{-4} : kNoErr;
}

void SelectList::DeleteAll() {
    entries_.DeleteAll();
    entries_.SetSorted();
    ++changeCount_;
}

void SelectList::Rebuild(TTable& table) {
    DeleteAll();
    for (std::int32_t i = 0; i <= table.GetLastRowIndex(); ++i) {
        TRow* row = table.GetRow(i);
        if (!row) continue;
        if (row->GetHilite() != 0) Add(row, nullptr);
        for (std::int32_t column = 0; column < row->GetCellCount(); ++column) {
            TCell* cell = row->GetCell(column);
            if (cell && cell->GetHilite() != 0) Add(row, cell);
        }
    }
    ++changeCount_;
}

void SelectList::RemoveTagged(std::int16_t tag) {
    for (std::int32_t i = entries_.Count() - 1; i >= 0; --i) {
        if (static_cast<const SelectEntry*>(entries_.ElementPtr(i))->tag == tag) entries_.DeleteAt(i);
    }
    ++changeCount_;
}

void SelectList::SetAllTags(std::int16_t tag) {
    entries_.ForEach([tag](void* element) { static_cast<SelectEntry*>(element)->tag = tag; });
}

void SelectList::SetTag(std::int32_t i, std::int16_t tag) {
    if (i >= 0 && i < entries_.Count()) static_cast<SelectEntry*>(entries_.ElementPtr(i))->tag = tag;
}

TRow* SelectList::FirstRow(SelectEntry* entry) const {
    for (std::int32_t i = 0; i < entries_.Count(); ++i) {
        const auto* examined = static_cast<const SelectEntry*>(entries_.ElementPtr(i));
        if (entry) *entry = *examined;
        if (!examined->cell) return examined->row;
    }
    return nullptr;
}

TRow* SelectList::LastRow(SelectEntry* entry) const {
    for (std::int32_t i = entries_.Count() - 1; i >= 0; --i) {
        const auto* examined = static_cast<const SelectEntry*>(entries_.ElementPtr(i));
        if (entry) *entry = *examined;
        if (!examined->cell) return examined->row;
    }
    return nullptr;
}

TCell* SelectList::FirstCell(SelectEntry* entry) const {
    for (std::int32_t i = 0; i < entries_.Count(); ++i) {
        const auto* examined = static_cast<const SelectEntry*>(entries_.ElementPtr(i));
        if (entry) *entry = *examined;
        if (examined->cell) return examined->cell;
    }
    return nullptr;
}

TCell* SelectList::LastCell(SelectEntry* entry) const {
    for (std::int32_t i = entries_.Count() - 1; i >= 0; --i) {
        const auto* examined = static_cast<const SelectEntry*>(entries_.ElementPtr(i));
        if (entry) *entry = *examined;
        if (examined->cell) return examined->cell;
    }
    return nullptr;
}

bool SelectList::NextRowRun(std::int32_t& position, std::int32_t& first, std::int32_t& last) const {
    if (mode_ != 0 || position < 0 || position >= entries_.Count()) return false;
    first = position;
    last = position;
    while (last + 1 < entries_.Count()) {
        const auto* current = static_cast<const SelectEntry*>(entries_.ElementPtr(last));
        const auto* next = static_cast<const SelectEntry*>(entries_.ElementPtr(last + 1));
        if (RowIndexOf(next->row) != RowIndexOf(current->row) + 1) break;
        ++last;
    }
    position = last + 1;
    return true;
}
