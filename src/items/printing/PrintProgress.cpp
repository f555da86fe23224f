#include "items/printing/PrintProgress.h"

ProgressPtr PrintProgVertSequence::Clone() const {
    return std::make_unique<PrintProgVertSequence>(child_, CloneProgress(childProgress_.get()));
}

ProgressPtr PrintProgHorzSequence::Clone() const {
    auto copy = std::make_unique<PrintProgHorzSequence>();
    copy->pending_ = pending_;
    copy->column_ = column_;
    copy->child_ = child_;
    for (const ProgressPtr& progress : childProgress_)
        copy->childProgress_.push_back(CloneProgress(progress.get()));
    copy->finished_ = finished_;
    return copy;
}

void PrintProgHorzSequence::SetColumnState(IPrintableObject* child, std::int32_t column,
                                           ProgressPtr childProgress, bool finished) {
    child_ = child;
    column_ = column;
    const auto index = static_cast<std::size_t>(column);
    if (index >= childProgress_.size()) childProgress_.resize(index + 1);
    if (index >= finished_.size()) finished_.resize(index + 1, 0);
    childProgress_[index] = std::move(childProgress);
    finished_[index] = finished ? 1 : 0;
}

void PrintProgHorzSequence::MoveTo(IPrintableObject* child, std::int32_t column) {
    child_ = child;
    column_ = column;
}

ProgressPtr PrintProgHorzSequence::GetColumnProgress() {
    const auto index = static_cast<std::size_t>(column_);
    return index < childProgress_.size() ? std::move(childProgress_[index]) : nullptr;
}

bool PrintProgHorzSequence::IsChildFinished() const {
    const auto index = static_cast<std::size_t>(column_);
    return index < finished_.size() && finished_[index] != 0;
}

ProgressPtr PrintProgMultiCol::Clone() const {
    auto copy = std::make_unique<PrintProgMultiCol>();
    copy->pending_ = pending_;
    copy->child_ = child_;
    copy->childProgress_ = CloneProgress(childProgress_.get());
    return copy;
}

void PrintProgMultiCol::SetColumnState(IPrintableObject* child, std::int32_t /*column*/,
                                       ProgressPtr childProgress, bool finished) {
    child_ = child;
    childProgress_ = std::move(childProgress);
    pending_ = finished ? 0 : 1;
}
