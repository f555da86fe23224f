#pragma once
// One open store: its segments with their sorted indexes, its place in the tree of open stores, its
// disk and swap files, its header and its saving. Callers outside the store code hold a store only
// as a handle of the store interface (foundation/pfm/PFM.h).
//
// Each segment is one SegmentMapEntry, addressed by a stable index; removed entries' slots are
// reused. Three sorted index lists find entries fast:
//   key index    every segment, by type (in reading order), then id
//   data index   checked-out segments, by data address
//   purge order  parked segments, by priority descending, then last use descending; memory is
//                given back from its end: lowest priority and least recently used first
// The busy flag is set while any of these lists change or a save walks them; the memory manager's
// purge callback leaves a busy store alone.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/TypedList.h"
#include "foundation/Types.h"
#include "foundation/Version.h"
#include "foundation/pfm/PFMFormat.h"
#include "foundation/pfm/PFMKey.h"
#include "foundation/pfm/SegmentMapEntry.h"

class FileIdentity;
class PFMDiskFile;
class PFMSegmentHandler;
class PFMSwapFile;
class PFMTemporaryFile;
class TPFMData;
class TPFMDataOwner;
class TProgressTracker;

class PFMFile {
public:
    using Index = std::int32_t;
    static constexpr Index kNone = -1;

    // Flag bits.
    static constexpr std::uint16_t kChanged = 0x0001;          // a segment changed since the last save
    static constexpr std::uint16_t kFastSaveAllowed = 0x0004;  // saves in place may append
    static constexpr std::uint16_t kKeepBackup = 0x0008;       // full saves keep the old file as ".bak"

    // A new, empty store; for a new file its header names the given application as creator.
    PFMFile(FourCC app, VersionNumber version, std::uint32_t readBufferSize, std::uint32_t writeBufferSize);
    PFMFile(const PFMFile&) = delete;
    PFMFile& operator=(const PFMFile&) = delete;
    // Drops every segment and closes (and deletes) the swap file. Unsaved changes are lost.
    ~PFMFile();

    // --- opening
    ErrCode CreateSwapFile();
    // Opens the file with the reference's access mode (a create mode opens it for reading and
    // writing: opening never empties a file) and reads its layout; preloaded raw segments start
    // out parked in memory.
    ErrCode Open(const FileRef& ref);
    // Copies every segment of another store file into the swap file, as changed segments of this
    // untitled store; -3 when the file is not a store.
    ErrCode CopyFromTemplate(const FileRef& ref);
    // The records of the file's map that were left out as they named a key an earlier record had
    // named (foundation/pfm/PFMRepeatedKeys.h), until a save writes a map without them.
    const SegmentMap& GetLeftOutRecords() const { return leftOut_; }
    // The records read from past the end of the file's map, which ended short of the file
    // (foundation/pfm/PFMMapDamage.h), until a save writes a map that lists them; and whether bytes
    // past it were left that no record could be read from.
    const SegmentMap& GetUnlistedRecords() const { return unlisted_; }
    bool MapEndsShort() const { return mapEndsShort_; }
    // The raw blocks whose stored length disagreed with their map records' sizes and were read by the
    // one their bytes bear out, each noted once, until taken.
    std::vector<PFMSegmentKey> TakeRemeasuredRecords() { return std::exchange(remeasured_, {}); }
    // The raw blocks whose map records were damaged and that were read where their bytes bore them
    // out: one bit off the place or size the map gave (PFMReadFileLayout), or of another kind than
    // a raw block (read as one once a reader of raw blocks asked, PFMReadAsRawBlock); each noted
    // once, until taken.
    std::vector<PFMSegmentKey> TakeMislistedRecords() { return std::exchange(mislisted_, {}); }
    bool ReadAsRawBlockAt(Index index);
    // The bytes of a raw block the file holds where the record says: a new block the caller frees;
    // null for another kind, or when it cannot be read whole.
    void* ReadRawBlockAt(const SegmentMapRecord& record);
    // The records whose readers found their contents damaged, each noted once, until taken. A
    // record whose damage was mended with every entry kept is noted apart, until damage that left
    // something out is noted of it.
    void NoteDamagedRecord(PFMSegmentKey key) {
        std::erase(mended_, key);
        if (!IsNotedDamaged(key)) damaged_.push_back(key);
    }
    void NoteMendedRecord(PFMSegmentKey key) {
        if (!IsNotedDamaged(key) && std::find(mended_.begin(), mended_.end(), key) == mended_.end())
            mended_.push_back(key);
    }
    std::vector<PFMSegmentKey> TakeDamagedRecords() { return std::exchange(damaged_, {}); }
    std::vector<PFMSegmentKey> TakeMendedRecords() { return std::exchange(mended_, {}); }
    bool IsNotedDamaged(PFMSegmentKey key) const {
        return std::find(damaged_.begin(), damaged_.end(), key) != damaged_.end();
    }

    // --- tree of open stores
    PFMFile* Parent() const { return parent_; }
    // Moves the store under the new parent (either may be null).
    void SetParent(PFMFile* parent);
    const std::vector<PFMFile*>& Dependents() const { return dependents_; }

    // --- flags and file
    bool IsChanged() const { return (flags_ & kChanged) != 0; }
    bool HasFlag(std::uint16_t flag) const { return (flags_ & flag) != 0; }
    // Answers whether the flag was set before.
    bool SetFlag(std::uint16_t flag, bool on);
    // The disk file is open, names a valid file, and that file exists.
    bool IsOnDisk() const;
    bool HasDiskFile() const;
    const FileRef& GetFileRef() const;
    // Whether the disk file is open and is that file (as FileRef::IsSameFile tells, with the disk
    // file's identity taken from its opening rather than looked up by its path).
    bool HoldsFile(const FileIdentity& file) const;
    // The swap file while it is open, else null.
    const FileRef* HeldSwapFile() const;
    // The full-save size of the header and the disk file's length (0 when not on disk).
    ErrCode GetFileSizes(std::uint32_t& fullSaveSize, std::uint32_t& length);
    void SetProgressTracker(TProgressTracker* tracker) { tracker_ = tracker; }

    // --- segments
    Index FindKey(PFMSegmentKey key) const;
    Index FindData(const void* data) const;
    bool IsValidIndex(Index index) const { return index >= 0 && index < static_cast<Index>(entries_.size()); }
    const SegmentMapEntry& EntryAt(Index index) const { return entries_[static_cast<std::size_t>(index)]; }

    // Loads the segment when needed, raises its lock count and hands out its data.
    ErrCode CheckOutAt(Index index, void** data);
    // Lowers the lock count; at 0 the segment parks or leaves memory, and the memory budget is
    // checked.
    ErrCode CheckInAt(Index index);
    // Adds a segment with data (checked out once, changed); kNone when the data already belongs to
    // a segment of this store or memory runs out. A key that exists already is not looked for.
    Index AddSegment(PFMSegmentKey key, void* data, int priority, SegmentKind kind);
    // Removes the segment. One still checked out leaves the store at once but keeps its data in
    // memory until its last holder checks it in.
    void RemoveAt(Index index);
    // Frees memory of parked segments, lowest priority and least recently used first, until wanted
    // bytes are freed (wanted is lowered by what was freed). A busy store frees nothing.
    ErrCode Purge(std::uint32_t& wanted);
    // Every changed segment goes back to its state in the file; segments that never were in the
    // file are removed.
    ErrCode Revert();
    ErrCode RevertAt(Index index);
    // Gives the raw segment holding *data a new block of the new size, the bytes kept up to the
    // smaller size, under the same key, priority and preload; *data receives the new block. On
    // failure *data is left on the old block, still checked out.
    ErrCode ResizeData(void** data, std::uint32_t size);
    // The lowest id of the type that no segment has, counting up from 0.
    std::uint16_t NextFreeId(FourCC type) const;
    // Insert the distinct types of the segments (in signed 32-bit order) / the ids of one type (in
    // unsigned order) into the list at their sorted places, unless they are there already; the list
    // is left sorted. 0, or -4 when it cannot grow.
    ErrCode ListTypes(LList& types) const;
    ErrCode ListIds(FourCC type, SList& ids) const;

    // --- fields of one segment
    PFMSegmentKey GetKeyAt(Index index) const { return EntryAt(index).Key(); }
    int GetPriorityAt(Index index) const { return EntryAt(index).Priority(); }
    SegmentKind GetKindAt(Index index) const { return EntryAt(index).Kind(); }
    bool IsKindAt(Index index, SegmentKind kind) const { return GetKindAt(index) == kind; }
    bool GetPreloadAt(Index index) const { return EntryAt(index).Preload(); }
    bool IsChangedAt(Index index) const { return EntryAt(index).IsChanged(); }
    // Null while the segment is not in memory.
    void* GetDataAt(Index index) const { return EntryAt(index).Data(); }
    std::uint32_t GetLockCountAt(Index index) const { return EntryAt(index).LockCount(); }

    void SetChangedAt(Index index, bool changed);
    void SetPriorityAt(Index index, int priority);
    void SetPreloadAt(Index index, bool preload);
    void SetIdAt(Index index, std::uint16_t id);

    // --- owners and custom handlers
    void SetOwnerAt(Index index, TPFMDataOwner* owner);
    void ClearOwnerAt(Index index) { SetOwnerAt(index, nullptr); }
    bool IsOwnedAt(Index index) const { return EntryAt(index).IsOwned(); }
    bool IsOwnedByAt(Index index, const TPFMDataOwner* owner) const {
        return IsValidIndex(index) && EntryAt(index).Owner() == owner;
    }
    // Records the owner for the segment with the key; answers its index (kNone when there is none).
    Index AttachOwner(PFMSegmentKey key, TPFMDataOwner* owner);
    // Replaces a segment with the key by new data the owner makes; answers the new index (kNone on
    // failure, with the error in err).
    Index AddOwnedSegment(PFMSegmentKey key, int priority, TPFMDataOwner* owner, TPFMData** data,
                          ErrCode& err);
    // Records a custom handler, which from then on reads, writes and releases the segment's data.
    void SetHandlerAt(Index index, PFMSegmentHandler* handler);
    bool IsHandledAt(Index index) const { return EntryAt(index).IsCustom(); }
    // Replaces a segment with the key by a custom segment whose data is the handler.
    Index AddHandlerSegment(PFMSegmentKey key, int priority, PFMSegmentHandler* handler);
    // Removes a custom segment (RemoveAt): its handler releases the data. Other segments stay.
    void RemoveHandlerSegment(Index index);

    // --- saving
    // A fast save when allowed and the file had a full save, else a full save.
    ErrCode SaveInPlace();
    ErrCode FullSave();
    ErrCode FastSave();
    // The whole store goes to another file, which becomes the store's file.
    ErrCode SaveAs(const FileRef& ref);
    // The whole store goes to another file; nothing of the store changes.
    ErrCode SaveCopy(const FileRef& ref);

private:
    friend class StoreBusy;
    struct SaveResult;

    SegmentMapEntry& Entry(Index index) { return entries_[static_cast<std::size_t>(index)]; }

    // Index list upkeep. The positions are those of the first entry not ordered before the key or
    // address.
    std::size_t KeyPosition(PFMSegmentKey key) const;
    std::size_t DataPosition(const void* data) const;
    void InsertKey(Index index);
    void EraseKey(Index index);
    void InsertData(Index index);
    void EraseData(Index index);
    // A segment that parked joins the purge order, stamped as the most recently used, and counts
    // against the memory budget; leaving takes it out of both.
    void EnterPurgeOrder(Index index);
    void LeavePurgeOrder(Index index);
    // Frees an entry slot; empties the lists when the store holds nothing any more.
    void FreeSlot(Index index);
    // Stores the entry in a free slot or a new one and indexes it; kNone when memory runs out.
    Index AddEntry(const SegmentMapEntry& entry);
    ErrCode RestoreRemovedSegments();
    // A raw block that could not be read as its map record measures it: true when its stored length
    // and that size disagree and it can be read by one of them (PFMMapDamage.h), which it then is.
    bool RemeasureAt(Index index);
    // The first byte after the position that a segment, a record left out or the map claims in the
    // store's file; the file's length when none.
    std::uint64_t NextClaimedByte(std::uint32_t position);

    // The store's entries and key index made anew, one entry for each record of the map, in its order.
    ErrCode IndexMap(const SegmentMap& map);
    // Whether the key index holds a key twice.
    bool HoldsRepeatedKey() const;
    // Keys held twice: the entry's place in the key index; an entry moved to a place before its
    // own among its key's; the records of each key a save wrote put in key index order, so that the
    // look-up's segment comes first in the map.
    std::size_t KeyPlaceOf(Index index) const;
    void PutKeyAt(Index index, std::size_t place);
    void OrderRepeatedKeys(SegmentMap& map, std::vector<Index>& entries) const;

    IReadFile* DiskReader();
    IReadFile* SwapReader();
    IWriteFile* SwapWriter();

    // Saving.
    class SaveProgress;
    std::vector<Index> SegmentsWhere(bool (SegmentMapEntry::*test)() const) const;
    void SortBy(std::vector<Index>& order, std::uint32_t (SegmentMapEntry::*position)() const) const;
    void AppendRecord(SaveResult& result, Index index, std::uint32_t position, std::uint32_t size) const;
    // Copies the stored forms of the segments, in the given order, from the store's file or the
    // swap file; neighbouring stored forms go as one run.
    ErrCode CopyRuns(IReadFile& from, const std::vector<Index>& order, bool fromSwap, IWriteFile& out,
                     SaveResult& result, SaveProgress& progress);
    ErrCode WriteInMemory(const std::vector<Index>& order, IWriteFile& out, SaveResult& result,
                          SaveProgress& progress);
    ErrCode WriteSegments(IWriteFile& out, SaveResult& result);
    ErrCode AppendChangedSegments(IWriteFile& out, SaveResult& result);
    // A complete store file, synced; it stays open.
    ErrCode WriteWholeFile(PFMDiskFile& out, SaveResult& result);
    // Writes the file under a temporary name in the target's folder, so that it can be renamed over
    // the target (a failed one is removed when the temporary file goes). The target is a file a
    // symbolic link leads to (FileRef::FollowLinks), never the link itself. Temporary files that
    // copies ended in the middle of a save left behind are removed first.
    ErrCode WriteToTemporary(const FileRef& target, SaveResult& result, PFMTemporaryFile& temporary);
    bool CheckBackup(const FileRef& target) const;
    // Renames the temporary file over the target (the target first to its backup name when asked);
    // on failure the target is as it was.
    ErrCode PutInPlace(PFMTemporaryFile& temporary, const FileRef& target, bool keepBackup);
    // Makes the saved file the store's: a new disk file and swap file, then the new segment places
    // and header. Until that has worked the store keeps its old files. The message (code, path,
    // code's text, path) tells the user when the saved file cannot be opened.
    ErrCode Commit(const FileRef& ref, SaveResult& result, const char* reopenFailure);
    // A new swap file for the store after a save; when none can be had the user is told that the
    // saved data is in the file at the path.
    ErrCode NewSwapFile(const std::string& savedPath, std::unique_ptr<PFMSwapFile>& swap) const;
    void ApplySaved(const SaveResult& result);
    // Whether the open file still holds every segment whose bytes are only there (a file whose name
    // went still reads; one cut short since does not).
    bool CanReadFileSegments();

    std::uint16_t flags_ = 0;
    PFMFile* parent_ = nullptr;
    std::vector<PFMFile*> dependents_;
    std::unique_ptr<PFMDiskFile> disk_;
    std::unique_ptr<PFMSwapFile> swap_;
    std::uint32_t readBufferSize_;
    std::uint32_t writeBufferSize_;
    FourCC app_;
    VersionNumber version_;
    PFMHeader header_;
    bool busy_ = false;
    std::vector<SegmentMapEntry> entries_;
    std::vector<Index> freeSlots_;
    std::vector<Index> keyIndex_;
    std::vector<Index> dataIndex_;
    std::vector<Index> purgeOrder_;
    SegmentMap leftOut_;
    SegmentMap unlisted_;
    bool mapEndsShort_ = false;
    std::vector<PFMSegmentKey> damaged_;
    std::vector<PFMSegmentKey> mended_;
    std::vector<PFMSegmentKey> remeasured_;
    std::vector<PFMSegmentKey> mislisted_;
    TProgressTracker* tracker_ = nullptr;
    // Set while a saved file has replaced the one the store still reads: only a full save may
    // follow.
    bool needsFullSave_ = false;
};
