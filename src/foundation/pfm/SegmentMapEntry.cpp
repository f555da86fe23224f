#include "foundation/pfm/SegmentMapEntry.h"

#include <cassert>
#include <cstring>

#include "foundation/BlockRecord.h"
#include "foundation/FileError.h"
#include "foundation/IFile.h"
#include "foundation/Memory.h"
#include "foundation/ObjectFactory.h"
#include "foundation/TObject.h"
#include "foundation/pfm/MemoryWriteFile.h"
#include "foundation/pfm/PFMData.h"
#include "foundation/pfm/ScrambleKeyScope.h"

SegmentMapEntry SegmentMapEntry::FromMap(const SegmentMapRecord& record, StoredIn where) {
    SegmentMapEntry entry;
    entry.type_ = record.type;
    entry.id_ = record.id;
    entry.priority_ = static_cast<std::int16_t>(record.Priority());
    entry.SetPreload(record.Preload());
    entry.SetKind(record.Kind());
    entry.mapFlags_ = record.flags;
    entry.hasMapFlags_ = true;
    const auto size = static_cast<std::uint32_t>(record.size);
    if (where == StoredIn::kFile) {
        entry.filePosition_ = record.position;
        entry.fileSize_ = size;
    } else {
        entry.swapPosition_ = record.position;
        entry.swapSize_ = entry.swapRoom_ = size;
        entry.flags_ |= kInSwapFlag | kChangedFlag;
    }
    return entry;
}

SegmentMapEntry SegmentMapEntry::FromData(PFMSegmentKey key, void* data, int priority, SegmentKind kind) {
    SegmentMapEntry entry;
    entry.type_ = key.type;
    entry.id_ = key.id;
    entry.priority_ = static_cast<std::int16_t>(priority);
    entry.SetKind(kind);
    entry.data_ = data;
    entry.lockCount_ = 1;
    entry.flags_ |= kChangedFlag;
    return entry;
}

SegmentMapEntry SegmentMapEntry::FromHandler(PFMSegmentKey key, int priority, PFMSegmentHandler* handler) {
    SegmentMapEntry entry = FromData(key, handler, priority, kCustomSegment);
    entry.SetHandler(handler);
    return entry;
}

void SegmentMapEntry::Reset() {
    flags_ = 0;
    id_ = 0;
    type_ = FourCCOf("????");
    priority_ = 1;
    data_ = nullptr;
    owner_ = nullptr;
    handler_ = nullptr;
    lastUse_ = 0;
    lockCount_ = 0;
    swapPosition_ = kNoPlace;
    swapSize_ = swapRoom_ = 0;
    filePosition_ = kNoPlace;
    fileSize_ = 0;
    parkedBytes_ = 0;
    mapFlags_ = 0;
    hasMapFlags_ = false;
    orphaned_ = false;
    readByFileSize_ = false;
}

std::uint16_t SegmentMapEntry::MapFlags() const {
    if (hasMapFlags_) return SegmentMapRecord::WithPriorityAndPreload(mapFlags_, priority_, Preload());
    return SegmentMapRecord::FlagsFor(priority_, Kind(), Preload());
}

bool SegmentMapEntry::IsCurrentInFile() const {
    if (!HasFilePlace() || IsInSwap()) return false;
    return !HasData() || !IsChanged();
}

void SegmentMapEntry::SetOwner(TPFMDataOwner* owner) {
    owner_ = owner;
    handler_ = nullptr;
    flags_ = static_cast<std::uint16_t>(flags_ & ~(kOwnedFlag | kCustomFlag));
    if (owner) flags_ |= kOwnedFlag;
}

void SegmentMapEntry::SetHandler(PFMSegmentHandler* handler) {
    handler_ = handler;
    owner_ = nullptr;
    flags_ = static_cast<std::uint16_t>(flags_ & ~(kOwnedFlag | kCustomFlag));
    if (handler) flags_ |= kCustomFlag;
}

bool SegmentMapEntry::IsValid() const {
    if (priority_ < 0 || priority_ > kMaxPriority) return false;
    if (swapPosition_ != kNoPlace && (swapPosition_ > kPFMMaxFileSize || swapRoom_ == 0)) return false;
    if (filePosition_ != kNoPlace && filePosition_ > kPFMMaxFileSize) return false;
    if (HasData()) return !IsInSwap() && IsParked() == (lockCount_ == 0);
    if (lockCount_ != 0 || IsParked()) return false;
    if (IsInSwap()) return swapPosition_ != kNoPlace;
    return filePosition_ != kNoPlace && filePosition_ > 0;
}

// --- check-out, check-in, purge

ErrCode SegmentMapEntry::CheckOut(IReadFile* file, IReadFile* swap) {
    if (HasData() && lockCount_ > 0) {
        ++lockCount_;
        return kNoErr;
    }
    ErrCode err = kNoErr;
    if (IsInSwap()) {
        err = swap ? ReadFromSwap(*swap) : kFileNotFoundErr;
    } else if (!HasData()) {
        err = file ? ReadFromFile(*file) : kFileNotFoundErr;
    } else if (IsParked()) {
        SetFlag(kParkedFlag, false);
        parkedBytes_ = 0;
    }
    if (err == kNoErr) ++lockCount_;
    return err;
}

ErrCode SegmentMapEntry::CheckIn(IWriteFile* swap) {
    assert(lockCount_ > 0);
    if (lockCount_ == 0) return kFileErr;
    if (--lockCount_ > 0) return kNoErr;
    if (priority_ == 0) {
        ErrCode err = kNoErr;
        if (IsChanged()) err = swap ? SwapOut(*swap) : kFileNotFoundErr;
        if (err == kNoErr) {
            DropData();
            return kNoErr;
        }
        Park();
        return err;
    }
    Park();
    return kNoErr;
}

ErrCode SegmentMapEntry::Purge(IWriteFile* swap) {
    if (!IsParked()) return kNoErr;
    if (IsChanged()) {
        if (!swap) return kFileNotFoundErr;
        ErrCode err = SwapOut(*swap);
        if (err != kNoErr) return err;
    }
    DropData();
    return kNoErr;
}

void SegmentMapEntry::Remove() {
    FreeData();
    Reset();
}

ErrCode SegmentMapEntry::Revert(IReadFile* file) {
    if (!HasFilePlace()) return kFileNotFoundErr;
    SetFlag(kInSwapFlag, false);
    swapPosition_ = kNoPlace;
    swapSize_ = swapRoom_ = 0;
    ErrCode err = kNoErr;
    if (HasData() && IsParked()) {
        FreeData();
        SetFlag(kParkedFlag, false);
        parkedBytes_ = 0;
    } else if (HasData()) {
        err = file ? ReadFromFile(*file) : kFileNotFoundErr;
    }
    if (err == kNoErr) SetChanged(false);
    return err;
}

void SegmentMapEntry::SetSaved(std::uint32_t position, std::uint32_t size) {
    filePosition_ = position;
    fileSize_ = size;
    swapPosition_ = kNoPlace;
    swapSize_ = swapRoom_ = 0;
    readByFileSize_ = false;
    SetFlag(kInSwapFlag, false);
    SetChanged(false);
}

void SegmentMapEntry::Park() {
    SetFlag(kParkedFlag, true);
    parkedBytes_ = MemorySize();
}

void SegmentMapEntry::FreeData() {
    if (!data_) return;
    if (IsCustom()) {
        handler_->Release();
    } else if (IsOwned()) {
        delete static_cast<TPFMData*>(data_);
    } else {
        switch (Kind()) {
            case kRawSegment: MemFree(data_); break;
            case kObjectSegment: DeleteObject(static_cast<TObject*>(data_)); break;
            case kDataSegment: delete static_cast<TPFMData*>(data_); break;
            default: break;
        }
    }
    data_ = nullptr;
}

void SegmentMapEntry::DropData() {
    assert(!IsChanged() || swapPosition_ != kNoPlace);
    FreeData();
    SetFlag(kParkedFlag, false);
    parkedBytes_ = 0;
    if (IsChanged()) SetFlag(kInSwapFlag, true);
}

// --- sizes

std::int64_t SegmentMapEntry::StoredSize() const {
    if (!HasData()) return IsInSwap() ? swapSize_ : fileSize_;
    if (IsCustom()) return handler_->GetStoredSize();
    switch (Kind()) {
        case kRawSegment: return BlockStoredSize(data_);
        case kObjectSegment: {
            const std::int32_t size = static_cast<const TObject*>(data_)->GetFlattenedSize();
            return size < 0 ? -1 : std::int64_t{size} + 4;
        }
        case kDataSegment: {
            MemoryWriteFile measure;
            return static_cast<const TPFMData*>(data_)->GetStoredSize(measure);
        }
        default: return -1;
    }
}

std::uint32_t SegmentMapEntry::MemorySize() const {
    if (!HasData()) return 0;
    if (IsCustom()) return handler_->GetMemSize();
    switch (Kind()) {
        case kRawSegment: return MemSize(data_);
        case kObjectSegment: return ObjectTotalSize(*static_cast<const TObject*>(data_));
        case kDataSegment: return static_cast<const TPFMData*>(data_)->GetTotalMemSize();
        default: return 0;
    }
}

// --- stored forms

ErrCode SegmentMapEntry::WriteStoredForm(IWriteFile& out) const {
    if (!HasData()) return kFileErr;
    const ScrambleKeyScope key(type_, id_);
    if (IsCustom()) return handler_->WriteTo(out);
    switch (Kind()) {
        case kRawSegment: return WriteBlock(data_, out);
        case kObjectSegment: {
            auto* object = static_cast<TObject*>(data_);
            ErrCode err = out.WriteLong(static_cast<std::int32_t>(object->GetClassId()));
            if (err == kNoErr) err = object->WriteTo(out);
            return err;
        }
        case kDataSegment: return static_cast<TPFMData*>(data_)->WriteTo(out);
        default: return kFileErr;
    }
}

ErrCode SegmentMapEntry::Write(IWriteFile& out, std::uint32_t& position, std::uint32_t& size) const {
    std::uint32_t end = 0;
    ErrCode err = out.GetPosition(position);
    if (err == kNoErr) err = WriteStoredForm(out);
    if (err == kNoErr) err = out.GetPosition(end);
    if (err != kNoErr) return err;
    size = end - position;
    if (end < position || !PFMFitsInFile(position, size)) return kDiskFullErr;
    return size == 0 ? kWrongWriteCountErr : kNoErr;
}

ErrCode SegmentMapEntry::SwapOut(IWriteFile& swap) {
    // Anything but a raw block is measured in memory first, so that it only goes back into its old
    // place when it really fits there.
    MemoryWriteFile measured;
    std::uint32_t size = 0;
    ErrCode err = kNoErr;
    if (Kind() == kRawSegment && !IsCustom()) {
        size = BlockStoredSize(data_);
    } else {
        err = WriteStoredForm(measured);
        size = measured.Size();
        if (err == kNoErr && size == 0) err = kWrongWriteCountErr;
    }
    if (err != kNoErr) return err;

    const bool reuse = swapPosition_ != kNoPlace && size <= swapRoom_;
    std::uint32_t position = swapPosition_;
    if (!reuse) {
        err = swap.SeekToEnd();
        if (err == kNoErr) err = swap.GetPosition(position);
    } else {
        err = swap.SetPosition(position);
    }
    if (err == kNoErr && !PFMFitsInFile(position, size)) err = kDiskFullErr;
    if (err == kNoErr) {
        err = Kind() == kRawSegment && !IsCustom() ? WriteStoredForm(swap)
                                                   : WriteExactly(swap, measured.Bytes().data(), size);
    }
    if (err != kNoErr) return err;
    swapPosition_ = position;
    swapSize_ = size;
    if (!reuse) swapRoom_ = size;
    return kNoErr;
}

ErrCode SegmentMapEntry::ReadFromFile(IReadFile& file) {
    return HasFilePlace() ? ReadStoredForm(file, filePosition_, fileSize_, readByFileSize_)
                          : kFileNotFoundErr;
}

ErrCode SegmentMapEntry::ReadFromSwap(IReadFile& swap) {
    if (swapPosition_ == kNoPlace) return kFileNotFoundErr;
    const ErrCode err = ReadStoredForm(swap, swapPosition_, swapSize_, false);
    if (err == kNoErr) SetFlag(kInSwapFlag, false);
    return err;
}

ErrCode SegmentMapEntry::ReadStoredForm(IReadFile& in, std::uint32_t position, std::uint32_t size,
                                        bool bySize) {
    ErrCode err = in.SetPosition(position);
    if (err != kNoErr) return err;
    const ScrambleKeyScope key(type_, id_);
    void* const before = data_;
    if (IsOwned()) {
        if (data_) {
            err = static_cast<TPFMData*>(data_)->ReadFrom(in);
        } else {
            TPFMData* made = nullptr;
            err = owner_->ReadData(in, type_, id_, &made);
            if (err == kNoErr && !made) err = kFileErr;
            if (err == kNoErr) {
                data_ = made;
            } else {
                delete made;
            }
        }
    } else if (IsCustom()) {
        err = handler_->ReadFrom(in);
        if (err == kNoErr) data_ = handler_;
    } else if (Kind() == kRawSegment) {
        err = ReadRawBlock(in, size, bySize);
    } else if (Kind() == kObjectSegment) {
        err = ReadObject(in);
    } else {
        // Data objects without their owner, custom segments without their handler and kinds this
        // program does not know cannot be loaded; they are carried along unread.
        err = kUnsupportedFormatErr;
    }
    // A stored form that reached past its own bytes read some other segment's.
    std::uint32_t end = 0;
    if (err == kNoErr) err = in.GetPosition(end);
    if (err == kNoErr && (end < position || end - position > size)) err = kBadDataErr;
    if (err != kNoErr && !before && data_) FreeData();
    return err;
}

// A block read again (when reverting) keeps its address when its size did not change; otherwise a
// new block replaces it.
ErrCode SegmentMapEntry::ReadRawBlock(IReadFile& in, std::uint32_t size, bool bySize) {
    MemBlockPtr block;
    const ErrCode err = bySize ? ReadBlockPassingLength(in, block, size) : ReadBlockOfSize(in, block, size);
    if (err != kNoErr) return err;
    if (data_ && MemSize(data_) == MemSize(block.get())) {
        std::memcpy(data_, block.get(), MemSize(data_));
    } else {
        MemFree(data_);
        data_ = block.release();
    }
    return kNoErr;
}

ErrCode SegmentMapEntry::ReadObject(IReadFile& in) {
    std::uint32_t classId = 0;
    ErrCode err = in.ReadULong(classId);
    if (err != kNoErr) return err;
    if (data_) {
        auto* object = static_cast<TObject*>(data_);
        if (object->GetClassId() != classId) return kBadDataErr;
        return object->ReadFrom(in);
    }
    err = kNoErr;
    TObject* object = MakeObjectByFactory(in, classId, &err, 0);
    if (!object) return err != kNoErr ? err : kFileErr;
    if (err != kNoErr) {
        DeleteObject(object);
        return err;
    }
    data_ = object;
    return kNoErr;
}
