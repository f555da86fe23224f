// The store interface: segments by key (with chain search) and by data address.

#include "foundation/FileError.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/PFMState.h"

namespace {

// A segment found in some store.
struct Found {
    PFMFile* store = nullptr;
    PFMFile::Index index = PFMFile::kNone;

    explicit operator bool() const { return store != nullptr; }
    const SegmentMapEntry& Entry() const { return store->EntryAt(index); }
};

Found FindIn(PFMFile* store, PFMSegmentKey key) {
    if (!store) return {};
    const PFMFile::Index index = store->FindKey(key);
    return index == PFMFile::kNone ? Found{} : Found{store, index};
}

// The current store, then (with chain search) its parent, the parent's parent and so on.
Found FindByKey(PFMSegmentKey key) {
    const PFMState& state = GetPFMState();
    for (PFMFile* store = state.current; store; store = state.chainSearch ? store->Parent() : nullptr) {
        if (Found found = FindIn(store, key)) return found;
    }
    return {};
}

// A data address belongs to one segment of one store, whichever store is current. The current
// store, where the data checked out last mostly is, is looked in first, then the others.
Found FindByData(const void* data) {
    if (!data) return {};
    const PFMState& state = GetPFMState();
    const auto holding = [data](PFMFile* store) {
        const PFMFile::Index index = store->FindData(data);
        return index == PFMFile::kNone ? Found{} : Found{store, index};
    };
    if (state.current) {
        if (const Found found = holding(state.current)) return found;
    }
    for (const auto& store : state.openStores) {
        if (store.get() == state.current) continue;
        if (const Found found = holding(store.get())) return found;
    }
    return {};
}

// Whether the segment found is read as a raw block: one, or an object segment whose bytes are
// read so (its kind damaged).
bool ReadsAsRawBlock(const Found& found) {
    return found &&
           (found.store->IsKindAt(found.index, kRawSegment) || found.store->ReadAsRawBlockAt(found.index));
}

// The data of the segment found, checked out; null, the error kept, where it is none or cannot be.
void* CheckOutFound(const Found& found) {
    if (!found) return nullptr;
    void* data = nullptr;
    KeepLastError(found.store->CheckOutAt(found.index, &data));
    return data;
}

bool IsPriority(int priority) { return priority >= 0 && priority <= SegmentMapEntry::kMaxPriority; }

// Adds a segment to the current store; with replace, a segment of that key goes first.
ErrCode AddToCurrent(PFMSegmentKey key, void* data, int priority, bool isObject, bool replace) {
    PFMFile* store = GetPFMState().current;
    if (!store) return kFileNotFoundErr;
    if (!data || !IsPriority(priority) || FindByData(data)) return kFileErr;
    if (replace) {
        if (const Found old = FindIn(store, key)) store->RemoveAt(old.index);
    }
    const PFMFile::Index index =
        store->AddSegment(key, data, priority, isObject ? kObjectSegment : kRawSegment);
    return index == PFMFile::kNone ? kOutOfMemoryErr : kNoErr;
}

}  // namespace

bool PFMSegmentExists(FourCC type, std::uint16_t id) {
    PFMClearError();
    return static_cast<bool>(FindByKey({type, id}));
}

void* PFMCheckOut(FourCC type, std::uint16_t id) {
    PFMClearError();
    return CheckOutFound(FindByKey({type, id}));
}

ErrCode PFMCheckIn(void* data) {
    PFMClearError();
    const Found found = FindByData(data);
    return found ? KeepLastError(found.store->CheckInAt(found.index)) : kNoErr;
}

ErrCode PFMResizeSegment(void** data, std::uint32_t size) {
    PFMClearError();
    const Found found = data ? FindByData(*data) : Found{};
    return KeepLastError(found ? found.store->ResizeData(data, size) : kFileErr);
}

void* PFMRevertSegment(void* data) {
    PFMClearError();
    const Found found = FindByData(data);
    if (!found) return data;
    KeepLastError(found.store->RevertAt(found.index));
    return found.Entry().IsOrphaned() ? nullptr : found.store->GetDataAt(found.index);
}

ErrCode PFMSetChanged(void* data, bool changed) {
    PFMClearError();
    if (const Found found = FindByData(data)) found.store->SetChangedAt(found.index, changed);
    return PFMGetError();
}

bool PFMIsSegmentChanged(void* data) {
    PFMClearError();
    const Found found = FindByData(data);
    return found && found.store->IsChangedAt(found.index);
}

ErrCode PFMAddSegment(FourCC type, std::uint16_t id, void* data, int priority, bool isObject) {
    PFMClearError();
    return KeepLastError(AddToCurrent({type, id}, data, priority, isObject, false));
}

ErrCode PFMAddSegmentNextId(FourCC type, void* data, int priority, bool isObject, std::uint16_t& id) {
    PFMClearError();
    PFMFile* store = GetPFMState().current;
    if (!store) return KeepLastError(kFileNotFoundErr);
    id = store->NextFreeId(type);
    return KeepLastError(AddToCurrent({type, id}, data, priority, isObject, false));
}

bool PFMPutSegment(FourCC type, std::uint16_t id, void* data, int priority, bool isObject) {
    PFMClearError();
    return KeepLastError(AddToCurrent({type, id}, data, priority, isObject, true)) == kNoErr;
}

bool PFMRemoveSegment(FourCC type, std::uint16_t id) {
    PFMClearError();
    const Found found = FindIn(GetPFMState().current, {type, id});
    if (found) found.store->RemoveAt(found.index);
    return static_cast<bool>(found);
}

std::uint32_t PFMGetLockCount(FourCC type, std::uint16_t id) {
    PFMClearError();
    const Found found = FindByKey({type, id});
    return found ? found.store->GetLockCountAt(found.index) : 0;
}

void* PFMGetSegmentData(FourCC type, std::uint16_t id) {
    PFMClearError();
    const Found found = FindByKey({type, id});
    return found ? found.store->GetDataAt(found.index) : nullptr;
}

bool PFMGetSegmentKey(const void* data, FourCC& type, std::uint16_t& id) {
    PFMClearError();
    const Found found = FindByData(data);
    if (!found) return false;
    const PFMSegmentKey key = found.store->GetKeyAt(found.index);
    type = key.type;
    id = key.id;
    return true;
}

ErrCode PFMSetSegmentId(void* data, std::uint16_t id) {
    PFMClearError();
    const Found found = FindByData(data);
    if (!found) return KeepLastError(kFileErr);
    found.store->SetIdAt(found.index, id);
    return kNoErr;
}

bool PFMIsSegmentKind(FourCC type, std::uint16_t id, SegmentKind kind) {
    PFMClearError();
    const Found found = FindByKey({type, id});
    return found && found.store->IsKindAt(found.index, kind);
}

bool PFMIsRawSegment(FourCC type, std::uint16_t id) { return PFMIsSegmentKind(type, id, kRawSegment); }

bool PFMReadAsRawBlock(FourCC type, std::uint16_t id) {
    PFMClearError();
    return ReadsAsRawBlock(FindByKey({type, id}));
}

void* PFMCheckOutRawBlock(FourCC type, std::uint16_t id, bool& read) {
    PFMClearError();
    const Found found = FindByKey({type, id});
    read = ReadsAsRawBlock(found);
    return read ? CheckOutFound(found) : nullptr;
}

bool PFMIsObjectSegment(FourCC type, std::uint16_t id) { return PFMIsSegmentKind(type, id, kObjectSegment); }

int PFMGetSegmentPriority(FourCC type, std::uint16_t id) {
    PFMClearError();
    const Found found = FindByKey({type, id});
    return found ? found.store->GetPriorityAt(found.index) : -1;
}

int PFMSetSegmentPriority(FourCC type, std::uint16_t id, int priority) {
    PFMClearError();
    const Found found = FindByKey({type, id});
    if (!found) return -1;
    const int old = found.store->GetPriorityAt(found.index);
    if (!IsPriority(priority)) {
        KeepLastError(kFileErr);
        return old;
    }
    found.store->SetPriorityAt(found.index, priority);
    return old;
}

bool PFMGetSegmentPreload(FourCC type, std::uint16_t id) {
    PFMClearError();
    const Found found = FindByKey({type, id});
    return found && found.store->GetPreloadAt(found.index);
}

bool PFMSetSegmentPreload(FourCC type, std::uint16_t id, bool preload) {
    PFMClearError();
    const Found found = FindByKey({type, id});
    if (!found) return false;
    const bool old = found.store->GetPreloadAt(found.index);
    found.store->SetPreloadAt(found.index, preload);
    return old;
}

CheckedOutHdl::CheckedOutHdl(FourCC type, std::uint16_t id, PFMFile* store) {
    PFMClearError();
    const Found found = FindIn(store ? store : GetPFMState().current, {type, id});
    if (!found) return;
    if (!found.store->IsKindAt(found.index, kRawSegment)) {
        error_ = KeepLastError(kBadDataErr);
        return;
    }
    error_ = KeepLastError(found.store->CheckOutAt(found.index, &data_));
}

CheckedOutHdl::~CheckedOutHdl() {
    if (data_) PFMCheckIn(data_);
}
