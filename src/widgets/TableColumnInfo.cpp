#include "widgets/TableColumnInfo.h"

#include <algorithm>

TTableColumnInfo::TTableColumnInfo(std::int32_t owner, std::int16_t count)
    : owner_(owner), entries_(static_cast<std::size_t>(std::max<std::int16_t>(count, 0))),
      count_(std::max<std::int16_t>(count, 0)) {}

TTableColumnInfo::~TTableColumnInfo() = default;

void TTableColumnInfo::SetColumn(std::int16_t i, bool shown, std::int16_t width, std::int32_t id) {
    if (!InRange(i)) return;
    entries_[i].width = width;
    entries_[i].id = id;
    if (shown) {
        Show(i);
    } else {
        Hide(i);
    }
}

std::int32_t TTableColumnInfo::Show(std::int16_t i) {
    if (!InRange(i)) return -1;
    if (entries_[i].position != -1) return entries_[i].position;
    std::int32_t position = 0;
    for (std::int16_t before = static_cast<std::int16_t>(i - 1); before >= 0; --before) {
        if (entries_[before].position != -1) {
            position = entries_[before].position + 1;
            break;
        }
    }
    for (std::int16_t after = static_cast<std::int16_t>(i + 1); after < count_; ++after) {
        if (entries_[after].position != -1) ++entries_[after].position;
    }
    entries_[i].position = position;
    return position;
}

void TTableColumnInfo::Hide(std::int16_t i) {
    if (!InRange(i) || entries_[i].position == -1) return;
    entries_[i].position = -1;
    for (std::int16_t after = static_cast<std::int16_t>(i + 1); after < count_; ++after) {
        if (entries_[after].position != -1) --entries_[after].position;
    }
}

void TTableColumnInfo::ShowAllInOrder() {
    for (std::int16_t i = 0; i < count_; ++i) entries_[i].position = i;
}

void TTableColumnInfo::HideAll() {
    for (Entry& entry : entries_) entry.position = -1;
}

bool TTableColumnInfo::IsShown(std::int16_t i) const { return InRange(i) && entries_[i].position != -1; }

std::int32_t TTableColumnInfo::GetPosition(std::int16_t i) const { return InRange(i) ? entries_[i].position : -1; }

std::int16_t TTableColumnInfo::GetWidth(std::int16_t i) const { return InRange(i) ? entries_[i].width : -1; }

void TTableColumnInfo::SetWidth(std::int16_t i, std::int16_t width) {
    if (InRange(i)) entries_[i].width = width;
}

void TTableColumnInfo::SetId(std::int16_t i, std::int32_t id) {
    if (InRange(i)) entries_[i].id = id;
}

std::int32_t TTableColumnInfo::GetId(std::int16_t i) const { return InRange(i) ? entries_[i].id : -1; }

void TTableColumnInfo::ClearWidths() {
    for (Entry& entry : entries_) entry.width = -1;
}

void TTableColumnInfo::ClearIds() {
    for (Entry& entry : entries_) entry.id = -1;
}

std::int16_t TTableColumnInfo::TotalShownWidth() const {
    std::int32_t total = 0;
    for (const Entry& entry : entries_) {
        if (entry.position != -1) total += entry.width;
    }
    return static_cast<std::int16_t>(total);
}

std::int16_t TTableColumnInfo::IndexOfPosition(std::int32_t position) const {
    for (std::int16_t i = 0; i < count_; ++i) {
        if (entries_[i].position == position) return i;
    }
    return count_;
}

bool TTableColumnInfo::AllWidthsSet() const {
    return std::none_of(entries_.begin(), entries_.end(), [](const Entry& entry) { return entry.width < 0; });
}

bool TTableColumnInfo::AllIdsSet() const {
    return std::none_of(entries_.begin(), entries_.end(), [](const Entry& entry) { return entry.id < 0; });
}

bool TTableColumnInfo::PositionsValid() const {
    std::int32_t expected = 0;
    for (const Entry& entry : entries_) {
        if (entry.position == -1) continue;
        if (entry.position != expected || entry.position > count_) return false;
        ++expected;
    }
    return true;
}

void TTableColumnInfo::Dispatch(std::int32_t position, std::int32_t a, std::int32_t b) {
    const std::int16_t i = IndexOfPosition(position);
    Handler* handler = GetHandler();
    if (!handler || !InRange(i)) return;
    handler->HandleColumn(entries_[i].id, a, b);
}
