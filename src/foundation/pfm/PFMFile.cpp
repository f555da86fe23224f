#include "foundation/pfm/PFMFile.h"

#include <algorithm>
#include <cstdint>

#include "foundation/BlockRecord.h"
#include "foundation/Compare.h"
#include "foundation/FileError.h"
#include "foundation/FileIdentity.h"
#include "foundation/pfm/PFMDiskFile.h"
#include "foundation/pfm/PFMState.h"
#include "foundation/pfm/StoreBusy.h"

namespace {

std::uintptr_t Address(const void* data) { return reinterpret_cast<std::uintptr_t>(data); }

}  // namespace

PFMFile::PFMFile(FourCC app, VersionNumber version, std::uint32_t readBufferSize,
                 std::uint32_t writeBufferSize)
    : swap_(std::make_unique<PFMSwapFile>(readBufferSize, writeBufferSize)),
      readBufferSize_(readBufferSize),
      writeBufferSize_(writeBufferSize),
      app_(app),
      version_(version),
      header_(app, version) {}

PFMFile::~PFMFile() {
    busy_ = true;
    std::uint32_t parked = 0;
    for (SegmentMapEntry& entry : entries_) {
        if (entry.IsParked()) parked += entry.ParkedBytes();
        entry.Remove();
    }
    SubtractBytesInUse(parked);
}

ErrCode PFMFile::CreateSwapFile() { return swap_->Create(HeldSwapFiles()); }

// --- tree and flags

void PFMFile::SetParent(PFMFile* parent) {
    if (parent == parent_) return;
    if (parent_) {
        auto& siblings = parent_->dependents_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    parent_ = parent;
    if (parent_) parent_->dependents_.push_back(this);
}

bool PFMFile::SetFlag(std::uint16_t flag, bool on) {
    const bool was = HasFlag(flag);
    flags_ = on ? (flags_ | flag) : (flags_ & ~flag);
    return was;
}

bool PFMFile::HasDiskFile() const { return disk_ && disk_->IsOpen(); }

bool PFMFile::HoldsFile(const FileIdentity& file) const {
    return HasDiskFile() && file.IsSameFile(disk_->GetFileRef(), disk_->OpenedFacts());
}

const FileRef* PFMFile::HeldSwapFile() const { return swap_->IsOpen() ? &swap_->GetFileRef() : nullptr; }

bool PFMFile::IsOnDisk() const {
    return HasDiskFile() && disk_->GetFileRef().IsValid() && disk_->GetFileRef().Exists();
}

const FileRef& PFMFile::GetFileRef() const {
    static const FileRef kNoFile;
    return disk_ ? disk_->GetFileRef() : kNoFile;
}

ErrCode PFMFile::GetFileSizes(std::uint32_t& fullSaveSize, std::uint32_t& length) {
    fullSaveSize = header_.fullSaveSize;
    length = 0;
    if (!HasDiskFile()) return kNoErr;
    ErrCode err = disk_->GetError();
    if (err == kNoErr && IsOnDisk()) err = disk_->GetLength(length);
    return err;
}

IReadFile* PFMFile::DiskReader() {
    if (!HasDiskFile()) return nullptr;
    disk_->BeginReading();
    return disk_.get();
}

void* PFMFile::ReadRawBlockAt(const SegmentMapRecord& record) {
    IReadFile* in = DiskReader();
    if (record.Kind() != kRawSegment || record.size <= 0 || !in || in->SetPosition(record.position) != kNoErr)
        return nullptr;
    MemBlockPtr block;
    if (ReadBlockOfSize(*in, block, static_cast<std::uint32_t>(record.size)) != kNoErr) return nullptr;
    return block.release();
}

IReadFile* PFMFile::SwapReader() {
    if (!swap_->IsOpen()) return nullptr;
    swap_->BeginReading();
    return swap_.get();
}

IWriteFile* PFMFile::SwapWriter() {
    if (!swap_->IsOpen()) return nullptr;
    swap_->BeginWriting();
    return swap_.get();
}

// --- look-ups

std::size_t PFMFile::KeyPosition(PFMSegmentKey key) const {
    auto it = std::lower_bound(keyIndex_.begin(), keyIndex_.end(), key, [this](Index index, PFMSegmentKey k) {
        return SegmentKeyLess(EntryAt(index).Key(), k);
    });
    return static_cast<std::size_t>(it - keyIndex_.begin());
}

std::size_t PFMFile::DataPosition(const void* data) const {
    auto it = std::lower_bound(dataIndex_.begin(), dataIndex_.end(), Address(data),
                               [this](Index index, auto a) { return Address(EntryAt(index).Data()) < a; });
    return static_cast<std::size_t>(it - dataIndex_.begin());
}

PFMFile::Index PFMFile::FindKey(PFMSegmentKey key) const {
    const std::size_t at = KeyPosition(key);
    return at < keyIndex_.size() && EntryAt(keyIndex_[at]).Key() == key ? keyIndex_[at] : kNone;
}

PFMFile::Index PFMFile::FindData(const void* data) const {
    if (!data) return kNone;
    const std::size_t at = DataPosition(data);
    return at < dataIndex_.size() && EntryAt(dataIndex_[at]).Data() == data ? dataIndex_[at] : kNone;
}

std::uint16_t PFMFile::NextFreeId(FourCC type) const {
    auto it = keyIndex_.begin() + static_cast<std::ptrdiff_t>(KeyPosition({type, 0}));
    std::uint32_t next = 0;
    for (; it != keyIndex_.end() && EntryAt(*it).Type() == type; ++it) {
        const std::uint16_t id = EntryAt(*it).Id();
        if (id > next) break;
        if (id == next) ++next;  // a duplicate key repeats an id and does not break the run
    }
    return static_cast<std::uint16_t>(next);
}

namespace {

// Inserts the value at its sorted place unless it is there; the list stays sorted.
template <typename List, typename Value>
ErrCode InsertOnce(List& list, Value value, CompareFunc compare) {
    bool found = false;
    const std::int32_t at = list.FindInsertPos(&value, &found, compare);
    if (found) return kNoErr;
    const ErrCode err = list.InsertAt(value, at);
    list.SetSorted();
    return err;
}

}  // namespace

ErrCode PFMFile::ListTypes(LList& types) const {
    for (std::size_t i = 0; i < keyIndex_.size(); ++i) {
        const FourCC type = EntryAt(keyIndex_[i]).Type();
        if (i > 0 && EntryAt(keyIndex_[i - 1]).Type() == type) continue;
        const ErrCode err = InsertOnce(types, static_cast<std::int32_t>(type), CompareLongAscending);
        if (err != kNoErr) return err;
    }
    return kNoErr;
}

ErrCode PFMFile::ListIds(FourCC type, SList& ids) const {
    // The type's segments stand together in the index, their ids ascending (a repeated key's id
    // twice): an empty list is given room for them at once and takes each id once, rather than
    // growing by each.
    const std::size_t first = KeyPosition({type, 0});
    std::size_t end = first;
    while (end < keyIndex_.size() && EntryAt(keyIndex_[end]).Type() == type) ++end;
    if (ids.Count() == 0) {
        if (ids.SetCount(static_cast<std::int32_t>(end - first)) != kNoErr) return -4;
        std::int32_t n = 0;
        for (std::size_t i = first; i < end; ++i) {
            const auto id = static_cast<std::int16_t>(EntryAt(keyIndex_[i]).Id());
            if (n == 0 || ids.GetAt(n - 1) != id) ids.SetAt(id, n++);
        }
        ids.SetCount(n);
        ids.SetSorted();
        return kNoErr;
    }
    for (std::size_t i = first; i < end; ++i) {
        const ErrCode err =
            InsertOnce(ids, static_cast<std::int16_t>(EntryAt(keyIndex_[i]).Id()), CompareUShortAscending);
        if (err != kNoErr) return err;
    }
    return kNoErr;
}

// --- index upkeep

void PFMFile::InsertKey(Index index) {
    const PFMSegmentKey key = EntryAt(index).Key();
    auto it = std::upper_bound(keyIndex_.begin(), keyIndex_.end(), key, [this](PFMSegmentKey k, Index other) {
        return SegmentKeyLess(k, EntryAt(other).Key());
    });
    keyIndex_.insert(it, index);
}

void PFMFile::EraseKey(Index index) {
    auto it = keyIndex_.begin() + static_cast<std::ptrdiff_t>(KeyPosition(EntryAt(index).Key()));
    while (it != keyIndex_.end() && *it != index) ++it;
    if (it != keyIndex_.end()) keyIndex_.erase(it);
}

void PFMFile::InsertData(Index index) {
    dataIndex_.insert(dataIndex_.begin() + static_cast<std::ptrdiff_t>(DataPosition(EntryAt(index).Data())),
                      index);
}

void PFMFile::EraseData(Index index) {
    auto it = dataIndex_.begin() + static_cast<std::ptrdiff_t>(DataPosition(EntryAt(index).Data()));
    while (it != dataIndex_.end() && *it != index) ++it;
    if (it != dataIndex_.end()) dataIndex_.erase(it);
}

namespace {

// Purge order: higher priority first, then more recently used first; purging takes from the end.
bool PurgesLater(const SegmentMapEntry& a, const SegmentMapEntry& b) {
    if (a.Priority() != b.Priority()) return a.Priority() > b.Priority();
    return a.LastUse() > b.LastUse();
}

}  // namespace

void PFMFile::EnterPurgeOrder(Index index) {
    Entry(index).SetLastUse(NextUseStamp());
    auto it = std::lower_bound(purgeOrder_.begin(), purgeOrder_.end(), index,
                               [this](Index a, Index b) { return PurgesLater(EntryAt(a), EntryAt(b)); });
    purgeOrder_.insert(it, index);
    AddBytesInUse(EntryAt(index).ParkedBytes());
}

void PFMFile::LeavePurgeOrder(Index index) {
    auto it = std::find(purgeOrder_.begin(), purgeOrder_.end(), index);
    if (it == purgeOrder_.end()) return;
    purgeOrder_.erase(it);
    SubtractBytesInUse(EntryAt(index).ParkedBytes());
}

void PFMFile::FreeSlot(Index index) {
    Entry(index).Reset();
    freeSlots_.push_back(index);
    if (keyIndex_.empty() && dataIndex_.empty()) {
        entries_.clear();
        freeSlots_.clear();
        purgeOrder_.clear();
    }
}
