#include "framework/graphics/CursorManager.h"

#include "foundation/pfm/PFM.h"
#include "framework/AppEnvironment.h"
#include "framework/graphics/CursorResource.h"
#include "platform/gdi/Cursor.h"

namespace {

win::HCURSOR SystemCursor(std::int32_t id) {
    switch (id) {
        case kArrowCursor: return win::LoadCursorA(nullptr, win::IDC_ARROW);
        case kIBeamCursor: return win::LoadCursorA(nullptr, win::IDC_IBEAM);
        case kCrossCursor: return win::LoadCursorA(nullptr, win::IDC_CROSS);
        case kWaitCursor: return win::LoadCursorA(nullptr, win::IDC_WAIT);
        default: return nullptr;
    }
}

// The busy cursor every animated id shows. No animated cursor file is read on this system: it is
// the system's wait cursor.
win::HCURSOR BusyCursor() {
    static const win::HCURSOR busy = win::LoadCursorA(nullptr, win::IDC_WAIT);
    return busy;
}

}  // namespace

CursorManager::~CursorManager() { Clear(); }

int CursorManager::IndexOf(std::int32_t id) const {
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

void CursorManager::SetCurrentId(std::int32_t id) const {
    if (AppEnvironment* environment = GetAppEnvironment()) environment->SetCurrentCursorId(id);
}

std::int16_t CursorManager::Define(std::int32_t id, std::int16_t kind, std::int16_t hold,
                                   std::uint32_t rate) {
    CursorRecord record;
    record.id = id;
    record.rate = rate;
    record.kind = kind;
    record.hold = hold;
    record.fromDataFile = id >= kFirstDataFileCursor;
    std::int16_t found = 0;
    if (!record.fromDataFile) {
        if (const win::HCURSOR cursor = SystemCursor(id)) record.handles.push_back(cursor), found = 1;
    } else if (!record.IsAnimated()) {
        if (const win::HCURSOR cursor = MakeCursorFromResource(static_cast<std::int16_t>(id))) {
            record.handles.push_back(cursor), found = 1;
        }
    } else {
        found = PFMSegmentExists(kCursorSegmentType, static_cast<std::uint16_t>(id));
    }
    records_.push_back(std::move(record));
    return found;
}

void CursorManager::Show(std::int32_t id) {
    if (busy_ && current_.hold) return;
    if (busy_) StopAnimated();
    if (id == -1) return;
    const int index = IndexOf(id);
    if (index >= 0 && !records_[static_cast<std::size_t>(index)].IsAnimated()) {
        const CursorRecord& record = records_[static_cast<std::size_t>(index)];
        // A still cursor whose picture is missing shows the arrow rather than no cursor at all.
        win::SetCursor(record.handles.empty() ? SystemCursor(kArrowCursor) : record.handles.front());
    }
    SetCurrentId(id);
}

void CursorManager::Push(std::int32_t id) {
    const int index = IndexOf(id);
    if (index < 0) return;
    current_ = records_[static_cast<std::size_t>(index)];
    stack_.push_back(static_cast<std::int16_t>(index));
    stackTop_ = static_cast<std::int32_t>(stack_.size()) - 1;
    if (current_.IsAnimated()) {
        StartAnimated();
    } else {
        StopAnimated();
        Show(id);
    }
}

void CursorManager::Pop() {
    StopAnimated();
    if (stack_.empty()) return;
    stack_.pop_back();
    stackTop_ = static_cast<std::int32_t>(stack_.size()) - 1;
    if (!stack_.empty()) {
        current_ = records_[static_cast<std::size_t>(stack_.back())];
        StartAnimated();
        return;
    }
    if (!IsDefined(kArrowCursor)) Define(kArrowCursor, kStillCursor, 1, 12);
    Show(kArrowCursor);
}

void CursorManager::StartAnimated() {
    StopAnimated();
    if (stackTop_ == -1 || !current_.IsAnimated()) return;
    beforeBusy_ = win::SetCursor(BusyCursor());
    busy_ = 1;
}

void CursorManager::StopAnimated() {
    if (!busy_) return;
    if (beforeBusy_) win::SetCursor(beforeBusy_);
    beforeBusy_ = nullptr;
    busy_ = 0;
}

std::int32_t CursorManager::RefreshCursor() {
    win::SetCursor(SystemCursor(kArrowCursor));
    if (busy_) {
        win::SetCursor(BusyCursor());
    } else if (!current_.handles.empty()) {
        win::SetCursor(current_.handles.front());
    }
    return current_.id;
}

void CursorManager::Clear() {
    StopAnimated();
    for (const CursorRecord& record : records_) {
        if (!record.fromDataFile) continue;
        for (win::HCURSOR cursor : record.handles) win::DestroyCursor(cursor);
    }
    records_.clear();
    stack_.clear();
    stackTop_ = -1;
    current_ = CursorRecord{};
}
