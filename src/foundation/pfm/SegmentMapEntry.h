#pragma once
// One segment of an open store: where its stored form lies (in the store's file, in the swap file,
// or nowhere yet), whether its data is in memory, how often it is checked out, whether it changed,
// its priority and the kind of data it holds.
//
// A segment is in one of these states:
//   on disk   no data; its stored form is in the store's file
//   swapped   no data; its current stored form is in the swap file
//   in use    data in memory, checked out (lock count above 0)
//   parked    data in memory, lock count 0, waiting in the store's purge order
// Priority 0 data leaves memory at its last check-in; priorities 1 to 7 park it until the store
// needs the memory. Changed data that leaves memory goes to the swap file first.
//
// While a segment is read or written, the scrambling key is that of its type and id, so that
// scrambled texts inside it are keyed by the segment's address.
//
// Stored forms (the same in the store's file and in the swap file):
//   raw block  u16 0, u32 length n, the n bytes
//   object     u32 class id, then what the object writes
//   data       what the TPFMData object writes
//   custom     what the custom handler writes

#include <cstdint>

#include "foundation/Types.h"
#include "foundation/pfm/PFMFormat.h"
#include "foundation/pfm/PFMKey.h"

class IReadFile;
class IWriteFile;
class PFMSegmentHandler;
class TPFMDataOwner;

class SegmentMapEntry {
public:
    static constexpr std::uint32_t kNoPlace = 0xFFFFFFFF;
    static constexpr int kMaxPriority = 7;

    // An empty entry.
    SegmentMapEntry() { Reset(); }

    // Where the stored form of a segment read from a map lies.
    enum class StoredIn { kFile, kSwap };
    // A segment of a map, its stored form at the record's position and size: in the store's file,
    // or (a store made from a template) in the swap file, where it counts as changed. The record's
    // flags word is kept for writing the segment back.
    static SegmentMapEntry FromMap(const SegmentMapRecord& record, StoredIn where);
    // A new segment holding data: a memory block (kind 16), a TObject (32), a TPFMData (48); checked
    // out once and changed.
    static SegmentMapEntry FromData(PFMSegmentKey key, void* data, int priority, SegmentKind kind);
    // A new custom segment whose handler is also its data; checked out once and changed.
    static SegmentMapEntry FromHandler(PFMSegmentKey key, int priority, PFMSegmentHandler* handler);

    // The empty state: type "????", id 0, priority 1, nothing in memory, no stored form.
    void Reset();

    // --- fields
    PFMSegmentKey Key() const { return {type_, id_}; }
    FourCC Type() const { return type_; }
    std::uint16_t Id() const { return id_; }
    void SetId(std::uint16_t id) { id_ = id; }
    int Priority() const { return priority_; }
    void SetPriority(int priority) { priority_ = static_cast<std::int16_t>(priority); }
    bool Preload() const { return (flags_ & kPreloadFlag) != 0; }
    void SetPreload(bool preload) { SetFlag(kPreloadFlag, preload); }
    SegmentKind Kind() const { return static_cast<SegmentKind>(flags_ & kKindMask); }
    // The flags word of this segment's map record. A segment read from a file keeps the word it was
    // read with (its kind bits and any bits this program does not know), with its present priority
    // and preload.
    std::uint16_t MapFlags() const;

    void* Data() const { return data_; }
    bool HasData() const { return data_ != nullptr; }
    std::uint32_t LockCount() const { return lockCount_; }
    bool IsCheckedOut() const { return lockCount_ > 0; }
    bool IsChanged() const { return (flags_ & kChangedFlag) != 0; }
    void SetChanged(bool changed) { SetFlag(kChangedFlag, changed); }
    bool IsInSwap() const { return (flags_ & kInSwapFlag) != 0; }
    bool IsParked() const { return (flags_ & kParkedFlag) != 0; }
    std::uint32_t LastUse() const { return lastUse_; }
    void SetLastUse(std::uint32_t stamp) { lastUse_ = stamp; }

    bool HasFilePlace() const { return filePosition_ != kNoPlace; }
    // A raw block whose stored length and map size disagree was damaged in one of them (the store
    // tells which, foundation/pfm/PFMMapDamage.h): it takes the size its bytes bear out, or is read
    // from the file by the size it has, its stored length passed over.
    void SetFileSize(std::uint32_t size) { fileSize_ = size; }
    void ReadByFileSize() { readByFileSize_ = true; }
    bool IsReadByFileSize() const { return readByFileSize_; }
    // A record whose map gives it another kind though its bytes are a raw block (its kind was
    // damaged there): it is read as a raw block, and written as one.
    void MakeRaw() {
        SetKind(kRawSegment);
        hasMapFlags_ = false;
    }
    std::uint32_t FilePosition() const { return filePosition_; }
    std::uint32_t FileSize() const { return fileSize_; }
    std::uint32_t SwapPosition() const { return swapPosition_; }
    std::uint32_t SwapSize() const { return swapSize_; }
    std::uint32_t SwapRoom() const { return swapRoom_; }
    // Whether the segment's present bytes are those at its place in the store's file: not in
    // memory and not in the swap file, or loaded unchanged from there.
    bool IsCurrentInFile() const;
    // Whether the segment's present bytes are its data in memory and nowhere else: changed since it
    // was loaded, or new.
    bool IsNewInMemory() const { return HasData() && !IsCurrentInFile(); }

    bool IsOwned() const { return (flags_ & kOwnedFlag) != 0; }
    TPFMDataOwner* Owner() const { return IsOwned() ? owner_ : nullptr; }
    void SetOwner(TPFMDataOwner* owner);
    bool IsCustom() const { return (flags_ & kCustomFlag) != 0; }
    void SetHandler(PFMSegmentHandler* handler);

    // A segment removed from its store while still checked out: it stays in memory for its holders
    // and goes when the last of them checks it in.
    bool IsOrphaned() const { return orphaned_; }
    void SetOrphaned() { orphaned_ = true; }

    // The bytes this segment counts against the memory budget while parked.
    std::uint32_t ParkedBytes() const { return parkedBytes_; }

    // The consistency rules every entry keeps between operations.
    bool IsValid() const;

    // --- life of a segment; every failure leaves a valid entry
    // Loads the data when needed (from the store's file or the swap file) and raises the lock
    // count; a parked segment leaves the purge order (the store takes back its ParkedBytes first).
    ErrCode CheckOut(IReadFile* file, IReadFile* swap);
    // Lowers the lock count; at 0 a priority-0 segment leaves memory (through the swap file when
    // changed) and any other is parked. When the swap file fails the data stays, parked.
    ErrCode CheckIn(IWriteFile* swap);
    // A parked segment leaves memory, through the swap file when changed.
    ErrCode Purge(IWriteFile* swap);
    // Drops whatever is in memory and empties the entry.
    void Remove();
    // Takes the segment back to its state in the store's file: data in use is read again (a block
    // may move), parked data and swap copies are dropped. Only for segments with a file place.
    ErrCode Revert(IReadFile* file);
    // After a save: the new place in the store's file; no swap copy, unchanged.
    void SetSaved(std::uint32_t position, std::uint32_t size);

    // Size of the stored form; -1 when an object cannot tell.
    std::int64_t StoredSize() const;
    // Memory held by the loaded data.
    std::uint32_t MemorySize() const;
    // Writes the stored form at the stream's position and reports where it went and its length;
    // nothing written gives -9.
    ErrCode Write(IWriteFile& out, std::uint32_t& position, std::uint32_t& size) const;
    ErrCode WriteStoredForm(IWriteFile& out) const;
    // Read the stored form from its place in the store's file / in the swap file (which the
    // segment then no longer counts on); the data already in memory reads itself again.
    ErrCode ReadFromFile(IReadFile& file);
    ErrCode ReadFromSwap(IReadFile& swap);

private:
    static constexpr std::uint16_t kChangedFlag = 0x0001;
    static constexpr std::uint16_t kInSwapFlag = 0x0002;
    static constexpr std::uint16_t kParkedFlag = 0x0004;
    static constexpr std::uint16_t kPreloadFlag = 0x0008;
    static constexpr std::uint16_t kKindMask = 0x00F0;
    static constexpr std::uint16_t kOwnedFlag = 0x4000;
    static constexpr std::uint16_t kCustomFlag = 0x8000;

    void SetFlag(std::uint16_t flag, bool on) { flags_ = on ? (flags_ | flag) : (flags_ & ~flag); }
    void SetKind(SegmentKind kind) { flags_ = static_cast<std::uint16_t>((flags_ & ~kKindMask) | kind); }

    // Reads the stored form at the position; sizes checked against the recorded size (a raw block's
    // passed over when `bySize`).
    ErrCode ReadStoredForm(IReadFile& in, std::uint32_t position, std::uint32_t size, bool bySize);
    ErrCode ReadRawBlock(IReadFile& in, std::uint32_t size, bool bySize);
    ErrCode ReadObject(IReadFile& in);
    ErrCode SwapOut(IWriteFile& swap);
    void Park();
    void FreeData();
    // Lets the data go from memory; changed data must be in the swap file already.
    void DropData();

    std::uint16_t flags_;
    std::uint16_t id_;
    FourCC type_;
    std::int16_t priority_;
    void* data_;
    TPFMDataOwner* owner_;
    PFMSegmentHandler* handler_;
    std::uint32_t lastUse_;
    std::uint32_t lockCount_;
    std::uint32_t swapPosition_;
    std::uint32_t swapSize_;
    std::uint32_t swapRoom_;
    std::uint32_t filePosition_;
    std::uint32_t fileSize_;
    std::uint32_t parkedBytes_;
    std::uint16_t mapFlags_;
    bool hasMapFlags_;
    bool orphaned_;
    bool readByFileSize_;
};
