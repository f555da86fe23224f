// The segment operations of a store: check-out and check-in with the memory budget, adding and
// removing, purging, reverting, resizing raw blocks, field changes, owners and custom handlers.

#include <algorithm>
#include <cstring>
#include <new>

#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFMData.h"
#include "foundation/pfm/PFMDiskFile.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/PFMRepeatedKeys.h"
#include "foundation/pfm/PFMState.h"
#include "foundation/pfm/StoreBusy.h"

ErrCode PFMFile::CheckOutAt(Index index, void** data) {
    StoreBusy busy(*this);
    SegmentMapEntry& entry = Entry(index);
    const bool wasCheckedOut = entry.IsCheckedOut();
    if (entry.IsParked()) LeavePurgeOrder(index);
    ErrCode err = entry.CheckOut(DiskReader(), SwapReader());
    if (err == kBadDataErr && RemeasureAt(index)) {
        err = entry.CheckOut(DiskReader(), SwapReader());
        // Read past its damaged length, it is written whole by the next save.
        if (err == kNoErr && entry.IsReadByFileSize()) SetChangedAt(index, true);
    }
    if (err == kNoErr && !wasCheckedOut) InsertData(index);
    if (data) *data = err == kNoErr ? entry.Data() : nullptr;
    return err;
}

ErrCode PFMFile::CheckInAt(Index index) {
    ErrCode err = kNoErr;
    {
        StoreBusy busy(*this);
        SegmentMapEntry& entry = Entry(index);
        if (!entry.IsCheckedOut()) return kFileErr;
        const bool last = entry.LockCount() == 1;
        if (last) EraseData(index);
        if (last && entry.IsOrphaned()) {
            entry.Remove();
            FreeSlot(index);
            return kNoErr;
        }
        const bool toSwap = last && entry.Priority() == 0 && entry.IsChanged();
        err = entry.CheckIn(toSwap ? SwapWriter() : nullptr);
        if (toSwap) {
            const ErrCode endErr = swap_->SwitchToReading();
            if (err == kNoErr) err = endErr;
        }
        if (entry.IsParked()) EnterPurgeOrder(index);
    }
    if (err == kNoErr) KeepMemoryBudget();
    return err;
}

PFMFile::Index PFMFile::AddEntry(const SegmentMapEntry& entry) {
    Index index = kNone;
    try {
        // Room first, so that nothing below can fail half-way.
        keyIndex_.reserve(keyIndex_.size() + 1);
        dataIndex_.reserve(dataIndex_.size() + 1);
        if (freeSlots_.empty()) {
            entries_.push_back(entry);
            index = static_cast<Index>(entries_.size() - 1);
        } else {
            index = freeSlots_.back();
            freeSlots_.pop_back();
            Entry(index) = entry;
        }
    } catch (const std::bad_alloc&) {
        return kNone;
    }
    InsertKey(index);
    if (entry.IsCheckedOut()) InsertData(index);
    if (entry.IsChanged()) flags_ |= kChanged;
    return index;
}

PFMFile::Index PFMFile::AddSegment(PFMSegmentKey key, void* data, int priority, SegmentKind kind) {
    if (!data || FindData(data) != kNone) return kNone;
    StoreBusy busy(*this);
    return AddEntry(SegmentMapEntry::FromData(key, data, priority, kind));
}

void PFMFile::RemoveAt(Index index) {
    StoreBusy busy(*this);
    SegmentMapEntry& entry = Entry(index);
    if (entry.IsOrphaned()) return;
    EraseKey(index);
    if (entry.IsParked()) LeavePurgeOrder(index);
    flags_ |= kChanged;
    if (entry.IsCheckedOut()) {
        entry.SetOrphaned();
        return;
    }
    entry.Remove();
    FreeSlot(index);
}

ErrCode PFMFile::Purge(std::uint32_t& wanted) {
    if (busy_ || purgeOrder_.empty()) return kNoErr;
    ErrCode err = swap_->GetError();
    if (err != kNoErr) return err;
    StoreBusy busy(*this);
    // The swap file is switched to writing only once a changed segment must go there: segments
    // that are as in the file only leave memory.
    IWriteFile* swap = nullptr;
    while (!purgeOrder_.empty() && wanted > 0) {
        const Index index = purgeOrder_.back();
        SegmentMapEntry& entry = Entry(index);
        const std::uint32_t bytes = entry.ParkedBytes();
        if (!swap && entry.IsChanged()) swap = SwapWriter();
        err = entry.Purge(swap);
        if (err != kNoErr) break;
        purgeOrder_.pop_back();
        SubtractBytesInUse(bytes);
        wanted -= std::min(wanted, bytes);
    }
    if (swap) {
        const ErrCode endErr = swap_->SwitchToReading();
        if (err == kNoErr) err = endErr;
    }
    return err;
}

// --- reverting

ErrCode PFMFile::Revert() {
    if (!HasDiskFile()) return kFileNotFoundErr;
    ErrCode err = disk_->GetError();
    if (err != kNoErr) return err;
    StoreBusy busy(*this);
    const std::vector<Index> order = keyIndex_;  // reverting removes segments added since the save
    for (Index index : order) {
        err = RevertAt(index);
        if (err != kNoErr) return err;
    }
    err = RestoreRemovedSegments();
    if (err == kNoErr) flags_ &= ~kChanged;
    return err;
}

ErrCode PFMFile::RevertAt(Index index) {
    SegmentMapEntry& entry = Entry(index);
    if (!entry.IsChanged() || entry.IsOrphaned()) return kNoErr;
    StoreBusy busy(*this);
    if (!entry.HasFilePlace()) {
        RemoveAt(index);
        return kNoErr;
    }
    if (entry.IsParked()) LeavePurgeOrder(index);
    const bool inUse = entry.IsCheckedOut();
    if (inUse) EraseData(index);
    const ErrCode err = entry.Revert(DiskReader());
    if (inUse) InsertData(index);
    return err;
}

// Segments removed since the last save are still in the file's map: every record whose bytes no
// segment of the store claims comes back.
ErrCode PFMFile::RestoreRemovedSegments() {
    PFMHeader header;
    SegmentMap map;
    const ErrCode err = disk_->ReadLayout(header, map);
    if (err != kNoErr) return err;
    // What the open left out stays out.
    PFMTakeRepeatedKeys(map);
    std::vector<std::uint32_t> claimed;
    for (const SegmentMapEntry& entry : entries_) {
        if (entry.HasFilePlace() && !entry.IsOrphaned()) claimed.push_back(entry.FilePosition());
    }
    std::sort(claimed.begin(), claimed.end());
    for (const SegmentMapRecord& record : map) {
        if (std::binary_search(claimed.begin(), claimed.end(), record.position)) continue;
        if (AddEntry(SegmentMapEntry::FromMap(record, SegmentMapEntry::StoredIn::kFile)) == kNone)
            return kOutOfMemoryErr;
    }
    return kNoErr;
}

// --- resizing raw blocks

ErrCode PFMFile::ResizeData(void** data, std::uint32_t size) {
    const Index index = data ? FindData(*data) : kNone;
    if (index == kNone) return kFileErr;
    if (!IsKindAt(index, kRawSegment) || IsHandledAt(index) || IsOwnedAt(index)) return kBadDataErr;
    const std::uint32_t oldSize = MemSize(*data);
    if (oldSize == size) return kNoErr;
    void* block = MemAlloc(size);
    if (!block) return kOutOfMemoryErr;
    std::memcpy(block, *data, std::min(oldSize, size));

    const PFMSegmentKey key = GetKeyAt(index);
    const int priority = GetPriorityAt(index);
    const bool preload = GetPreloadAt(index);
    const std::size_t place = KeyPlaceOf(index);
    StoreBusy busy(*this);
    const Index added = AddSegment(key, block, priority, kRawSegment);
    if (added == kNone) {
        MemFree(block);
        return kOutOfMemoryErr;
    }
    Entry(added).SetPreload(preload);
    // The old block leaves the store; another holder keeps it until it checks it in.
    RemoveAt(index);
    CheckInAt(index);
    // A look-up of a key the store holds twice answers the same segment as before.
    PutKeyAt(added, place);
    *data = block;
    return kNoErr;
}

// --- fields

void PFMFile::SetChangedAt(Index index, bool changed) {
    SegmentMapEntry& entry = Entry(index);
    // A segment that is nowhere but in memory stays changed, or it could be dropped unsaved.
    if (!changed && !entry.HasFilePlace()) return;
    entry.SetChanged(changed);
    if (changed) flags_ |= kChanged;
}

void PFMFile::SetPriorityAt(Index index, int priority) {
    StoreBusy busy(*this);
    SegmentMapEntry& entry = Entry(index);
    const bool parked = entry.IsParked();
    if (parked) LeavePurgeOrder(index);
    entry.SetPriority(priority);
    if (parked) EnterPurgeOrder(index);
}

void PFMFile::SetPreloadAt(Index index, bool preload) { Entry(index).SetPreload(preload); }

void PFMFile::SetIdAt(Index index, std::uint16_t id) {
    StoreBusy busy(*this);
    SegmentMapEntry& entry = Entry(index);
    if (entry.IsOrphaned()) return;
    EraseKey(index);
    entry.SetId(id);
    InsertKey(index);
    flags_ |= kChanged;
}

// --- owners and custom handlers

void PFMFile::SetOwnerAt(Index index, TPFMDataOwner* owner) { Entry(index).SetOwner(owner); }

PFMFile::Index PFMFile::AttachOwner(PFMSegmentKey key, TPFMDataOwner* owner) {
    const Index index = FindKey(key);
    if (index != kNone) SetOwnerAt(index, owner);
    return index;
}

PFMFile::Index PFMFile::AddOwnedSegment(PFMSegmentKey key, int priority, TPFMDataOwner* owner,
                                        TPFMData** data, ErrCode& err) {
    *data = nullptr;
    if (const Index existing = FindKey(key); existing != kNone) RemoveAt(existing);
    TPFMData* made = nullptr;
    err = owner->CreateData(key.type, key.id, &made);
    if (err == kNoErr && !made) err = kFileErr;
    if (err != kNoErr) {
        delete made;
        return kNone;
    }
    const Index index = AddSegment(key, made, priority, kDataSegment);
    if (index == kNone) {
        delete made;
        err = kOutOfMemoryErr;
        return kNone;
    }
    SetOwnerAt(index, owner);
    *data = made;
    return index;
}

void PFMFile::SetHandlerAt(Index index, PFMSegmentHandler* handler) { Entry(index).SetHandler(handler); }

PFMFile::Index PFMFile::AddHandlerSegment(PFMSegmentKey key, int priority, PFMSegmentHandler* handler) {
    if (!handler || FindData(handler) != kNone) return kNone;
    if (const Index existing = FindKey(key); existing != kNone) RemoveAt(existing);
    StoreBusy busy(*this);
    return AddEntry(SegmentMapEntry::FromHandler(key, priority, handler));
}

void PFMFile::RemoveHandlerSegment(Index index) {
    if (IsValidIndex(index) && IsHandledAt(index)) RemoveAt(index);
}
