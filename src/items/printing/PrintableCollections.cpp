#include "items/printing/PrintableCollections.h"

#include <algorithm>

#include "items/printing/PrintProgress.h"

bool PrintableItemListIterator::IsDone() const {
    return index_ < 0 || index_ >= static_cast<std::int32_t>(list_.size());
}

IPrintableObject* PrintableItemListIterator::Current() const {
    return IsDone() ? nullptr : list_[index_].get();
}

void PrintableItemListIterator::Seek(IPrintableObject* printable) {
    const auto found = std::find_if(list_.begin(), list_.end(), [printable](const PrintablePtr& entry) {
        return entry.get() == printable;
    });
    if (found != list_.end()) index_ = static_cast<std::int32_t>(found - list_.begin());
}

IPrintableObjectIterator& TPrintableCollection::GetIterator() {
    if (!iterator_) iterator_ = CreateIterator();
    return *iterator_;
}

ProgressPtr TPrintableVertSequence::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                          std::int32_t& placed) {
    std::int32_t pageHadContent = placed;
    std::int32_t anyPlaced = 0;
    size = LongPoint{};
    bool done = false;
    IPrintableObject* child = nullptr;
    ProgressPtr childProgress;
    IPrintableObjectIterator& iterator = GetIterator();
    if (!progress) {
        iterator.First();
        if (iterator.IsDone()) {
            done = true;
        } else {
            child = iterator.Current();
        }
    } else {
        auto record = TakeProgress<PrintProgVertSequence>(std::move(progress));
        child = record->GetChild();
        childProgress = record->TakeChildProgress();
        if (!child) {
            done = true;
        } else {
            iterator.Seek(child);
        }
    }

    std::int32_t y = 0;
    std::int32_t remaining = Height(area);
    while (!done && remaining > 0) {
        const LongRect childArea{area.left, area.top + y, area.right, area.top + y + remaining};
        LongPoint childSize;
        std::int32_t childPlaced = pageHadContent;
        childProgress = child->Print(childArea, std::move(childProgress), childSize, childPlaced);
        if (childPlaced == 0) {
            // Nothing of it fits even an empty page: it is dropped.
            if (pageHadContent == 0) childProgress.reset();
        } else {
            anyPlaced = 1;
            pageHadContent = 1;
        }
        y += childSize.y;
        remaining -= childSize.y;
        size.x = std::max(size.x, childSize.x);
        if (!childProgress) {
            iterator.Next();
            if (iterator.IsDone()) {
                done = true;
                child = nullptr;
            } else {
                child = iterator.Current();
            }
        } else {
            done = true;  // the child goes on next page
        }
    }
    size.y = y;
    placed = anyPlaced;
    if (!child) return nullptr;
    return std::make_unique<PrintProgVertSequence>(child, std::move(childProgress));
}

std::unique_ptr<IPrintProgHorzSequence> TPrintableHorzSequence::CreateProgress() {
    return std::make_unique<PrintProgHorzSequence>();
}

ProgressPtr TPrintableHorzSequence::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                          std::int32_t& placed) {
    const std::int32_t placedIn = placed;
    std::int32_t anyPlaced = 0;
    size = LongPoint{};
    auto record = TakeProgress<IPrintProgHorzSequence>(std::move(progress));
    bool done = false;
    IPrintableObjectIterator& iterator = GetIterator();
    if (!record) {
        iterator.First();
        if (!iterator.IsDone()) {
            record = CreateProgress();
            record->SetColumnState(iterator.Current(), 0, nullptr, false);
        }
    }

    std::int32_t x = 0;
    std::int32_t remaining = Width(area);
    while (record && !done && remaining >= 1) {
        IPrintableObject* child = record->GetChild();
        ProgressPtr childProgress = record->GetColumnProgress();
        const bool fresh = !childProgress && !record->IsChildFinished();
        if (!child) {
            record.reset();
            break;
        }
        iterator.Seek(child);
        LongRect column = area;
        const std::int32_t columnWidth = GetColumnWidth(Width(area), child);
        column.left = area.left + x;
        column.right = column.left + (columnWidth < 0 ? remaining : columnWidth);
        AdjustColumnRect(column);
        LongPoint childSize;
        if (childProgress || fresh) {
            std::int32_t childPlaced = placedIn;
            childProgress = child->Print(column, std::move(childProgress), childSize, childPlaced);
            if (childPlaced == 0 && placedIn == 0) childProgress.reset();
            if (childPlaced != 0) anyPlaced = 1;
            size.y = std::max(size.y, childSize.y);
        }
        // A finished column is not printed again, but keeps its width.
        const std::int32_t step = columnWidth >= 0 ? columnWidth : childSize.x;
        x += step;
        remaining -= step;
        const std::int32_t columnIndex = record->GetColumn();
        const bool finished = !childProgress;
        if (!finished) record->SetPending(true);
        record->SetColumnState(child, columnIndex, std::move(childProgress), finished);
        iterator.Next();
        if (!iterator.IsDone()) {
            record->MoveTo(iterator.Current(), columnIndex + 1);
        } else {
            done = true;
            iterator.First();
            if (!record->IsPending()) {
                record.reset();
            } else {
                // The next page starts again at the first column and goes on with every unfinished one.
                record->MoveTo(iterator.Current(), 0);
                record->SetPending(false);
            }
        }
    }
    size.x = x;
    placed = anyPlaced;
    return record;
}

std::unique_ptr<IPrintableObjectIterator> PrintableVertList::CreateIterator() {
    return std::make_unique<PrintableItemListIterator>(children_);
}

std::int32_t PrintableHorzList::GetColumnWidth(std::int32_t totalWidth, IPrintableObject* /*child*/) {
    return columnCount_ > 0 ? totalWidth / columnCount_ : 1;
}

std::unique_ptr<IPrintableObjectIterator> PrintableHorzList::CreateIterator() {
    return std::make_unique<PrintableItemListIterator>(children_);
}

PrintableMultiColumnSequence::PrintableMultiColumnSequence(PrintablePtr child, std::int32_t columnCount)
    : child_(std::move(child)), columnCount_(std::max(1, columnCount)) {}

std::int32_t PrintableMultiColumnSequence::GetColumnWidth(std::int32_t totalWidth,
                                                          IPrintableObject* /*child*/) {
    return totalWidth / columnCount_;
}

std::unique_ptr<IPrintProgHorzSequence> PrintableMultiColumnSequence::CreateProgress() {
    return std::make_unique<PrintProgMultiCol>();
}

std::unique_ptr<IPrintableObjectIterator> PrintableMultiColumnSequence::CreateIterator() {
    return std::make_unique<MultiColumnIterator>(child_.get(), columnCount_);
}
