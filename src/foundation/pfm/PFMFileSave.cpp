// Saving a store. A full save writes a complete new file under a temporary name in the target's
// folder (held open and recorded until it has its place, PFMTemporaryFile.h), syncs it and renames
// it over the target (keeping the old file as ".bak" when asked); the target of a store reached
// through a symbolic link is the file the link leads to, and the link stays. A fast save appends
// the changed segments and a new map to the store's file and then rewrites the header. Either way
// the store takes the new segment places only once the new file is in place, so a failure at any
// step leaves the open store working and a whole file on disk.
//
// A full save writes the segments in three groups, and the map in the same order:
//   1. segments whose bytes are current in the old file, by old position; neighbours are copied
//      as one run
//   2. segments whose bytes are in the swap file, by swap position, copied the same way
//   3. segments that exist only in memory or changed there, in key order, each by its writer
// except that the records of a key the store holds twice follow the key index among themselves.

#include <algorithm>
#include <string>

#include "foundation/Debug.h"
#include "foundation/FileError.h"
#include "foundation/PathUtil.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PFMDiskFile.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/PFMState.h"
#include "foundation/pfm/PFMTemporaryFile.h"
#include "foundation/pfm/ProgressTracker.h"
#include "foundation/pfm/StoreBusy.h"
#include "platform/sys/FileSystem.h"

struct PFMFile::SaveResult {
    PFMHeader header;
    SegmentMap map;
    std::vector<Index> entries;  // the segment of each map record: the map is applied by entry, not by key
};

// Tells the tracker, when there is one, about a save.
class PFMFile::SaveProgress {
public:
    SaveProgress(TProgressTracker* tracker, std::uint32_t count) : tracker_(tracker) {
        if (tracker_) tracker_->Begin(count);
    }
    ~SaveProgress() {
        if (tracker_) tracker_->End();
    }
    void Step() {
        if (tracker_) tracker_->Step();
    }

private:
    TProgressTracker* tracker_;
};

void PFMFile::AppendRecord(SaveResult& result, Index index, std::uint32_t position,
                           std::uint32_t size) const {
    const SegmentMapEntry& entry = EntryAt(index);
    SegmentMapRecord record;
    record.position = position;
    record.size = static_cast<std::int32_t>(size);
    record.type = entry.Type();
    record.id = entry.Id();
    record.flags = entry.MapFlags();
    result.map.push_back(record);
    result.entries.push_back(index);
}

ErrCode PFMFile::CopyRuns(IReadFile& from, const std::vector<Index>& order, bool fromSwap, IWriteFile& out,
                          SaveResult& result, SaveProgress& progress) {
    std::uint32_t outPosition = 0;
    ErrCode err = out.GetPosition(outPosition);
    std::uint32_t runStart = 0;
    std::uint32_t runLength = 0;
    for (Index index : order) {
        if (err != kNoErr) break;
        const SegmentMapEntry& entry = EntryAt(index);
        const std::uint32_t position = fromSwap ? entry.SwapPosition() : entry.FilePosition();
        const std::uint32_t size = fromSwap ? entry.SwapSize() : entry.FileSize();
        if (!PFMFitsInFile(outPosition, size)) return kDiskFullErr;
        if (runLength > 0 && position == runStart + runLength) {
            runLength += size;
        } else {
            if (runLength > 0) err = PFMCopyBytes(from, runStart, runLength, out);
            runStart = position;
            runLength = size;
        }
        AppendRecord(result, index, outPosition, size);
        outPosition += size;
        progress.Step();
    }
    if (err == kNoErr && runLength > 0) err = PFMCopyBytes(from, runStart, runLength, out);
    return err;
}

ErrCode PFMFile::WriteInMemory(const std::vector<Index>& order, IWriteFile& out, SaveResult& result,
                               SaveProgress& progress) {
    for (Index index : order) {
        std::uint32_t position = 0;
        std::uint32_t size = 0;
        const ErrCode err = EntryAt(index).Write(out, position, size);
        if (err != kNoErr) return err;
        AppendRecord(result, index, position, size);
        progress.Step();
    }
    return kNoErr;
}

std::vector<PFMFile::Index> PFMFile::SegmentsWhere(bool (SegmentMapEntry::*test)() const) const {
    std::vector<Index> found;
    for (Index index : keyIndex_) {
        if ((EntryAt(index).*test)()) found.push_back(index);
    }
    return found;
}

void PFMFile::SortBy(std::vector<Index>& order, std::uint32_t (SegmentMapEntry::*position)() const) const {
    std::stable_sort(order.begin(), order.end(), [this, position](Index a, Index b) {
        return (EntryAt(a).*position)() < (EntryAt(b).*position)();
    });
}

ErrCode PFMFile::WriteSegments(IWriteFile& out, SaveResult& result) {
    StoreBusy busy(*this);
    SaveProgress progress(tracker_, static_cast<std::uint32_t>(keyIndex_.size()));
    std::vector<Index> inFile = SegmentsWhere(&SegmentMapEntry::IsCurrentInFile);
    std::vector<Index> inSwap = SegmentsWhere(&SegmentMapEntry::IsInSwap);
    std::vector<Index> inMemory = SegmentsWhere(&SegmentMapEntry::IsNewInMemory);
    SortBy(inFile, &SegmentMapEntry::FilePosition);
    SortBy(inSwap, &SegmentMapEntry::SwapPosition);
    result.map.reserve(keyIndex_.size());
    result.entries.reserve(keyIndex_.size());

    ErrCode err = kNoErr;
    if (!inFile.empty()) {
        IReadFile* disk = DiskReader();
        err = disk ? CopyRuns(*disk, inFile, false, out, result, progress) : kFileNotFoundErr;
    }
    if (err == kNoErr && !inSwap.empty()) err = CopyRuns(*SwapReader(), inSwap, true, out, result, progress);
    if (err == kNoErr) err = WriteInMemory(inMemory, out, result, progress);
    OrderRepeatedKeys(result.map, result.entries);
    return err;
}

ErrCode PFMFile::WriteWholeFile(PFMDiskFile& out, SaveResult& result) {
    ErrCode err = out.SwitchToWriting();
    if (err == kNoErr) err = PFMWriteFileStart(out);
    if (err == kNoErr) err = WriteSegments(out, result);
    result.header.MarkSaved(kPFMFullSave, app_, version_);
    if (err == kNoErr) err = PFMWriteFileEnd(out, result.map, result.header);
    if (err == kNoErr) err = out.Sync();
    return err;
}

ErrCode PFMFile::WriteToTemporary(const FileRef& target, SaveResult& result, PFMTemporaryFile& temporary) {
    // What copies ended in the middle of a save left behind goes first.
    PFMRemoveLeftSaveFiles();
    const ErrCode err = temporary.Create(target);
    return err != kNoErr ? err : WriteWholeFile(temporary, result);
}

bool PFMFile::CheckBackup(const FileRef& target) const {
    FileRef backup;
    target.MakeBackupRef(backup);
    const std::string path = target.GetFullPath();
    if (FindStoreOfFile(backup)) {
        DebugPrintf(
            "Backup file \"%s\" is currently in use, saving will continue without backing up the previous "
            "version of file \"%s\".",
            backup.GetFullPath().c_str(), path.c_str());
        return false;
    }
    if (backup.Exists() && backup.IsReadOnly()) {
        DebugPrintf(
            "Backup file \"%s\" is %s, saving will continue without backing up the previous version of file "
            "\"%s\".",
            backup.GetFullPath().c_str(), "read-only", path.c_str());
        return false;
    }
    return true;
}

ErrCode PFMFile::PutInPlace(PFMTemporaryFile& temporary, const FileRef& target, bool keepBackup) {
    const std::string targetPath = target.GetFullPath();
    const std::string temporaryPath = temporary.GetFileRef().GetFullPath();
    FileRef backup;
    target.MakeBackupRef(backup);
    const bool backingUp = keepBackup && target.Exists() && !backup.IsSameFile(target) && CheckBackup(target);
    ErrCode err = kNoErr;
    if (backingUp) {
        err = target.MakeBackup();
        if (err != kNoErr) {
            DebugPrintf("Error %d changing name of old file \"%s\" for backup.\n%s", err, targetPath.c_str(),
                        FileErrorMessage(err));
            return err;
        }
    }
    // The new file keeps who may read and write the one it replaces.
    if (target.Exists()) win::CopyFilePermissions(targetPath.c_str(), temporaryPath.c_str());
    err = temporary.PutInPlaceOf(target);
    if (err != kNoErr) {
        DebugPrintf("Error %d renaming temp file \"%s\" to \"%s\".\n%s", err, temporaryPath.c_str(),
                    targetPath.c_str(), FileErrorMessage(err));
        if (backingUp) {
            FileRef restored = backup;
            restored.Rename(target.NamePtr());
        }
        return err;
    }
    return SyncFolderOf(target);
}

ErrCode PFMFile::Commit(const FileRef& ref, SaveResult& result, const char* reopenFailure) {
    const std::string path = ref.GetFullPath();
    auto disk = std::make_unique<PFMDiskFile>(readBufferSize_, writeBufferSize_);
    ErrCode err = disk->Open(ref, kAccessReadWrite);
    if (err != kNoErr) {
        DebugPrintf(reopenFailure, err, path.c_str(), FileErrorMessage(err), path.c_str());
        return err;
    }
    std::unique_ptr<PFMSwapFile> swap;
    err = NewSwapFile(path, swap);
    if (err != kNoErr) return err;
    ApplySaved(result);
    disk_ = std::move(disk);
    swap_ = std::move(swap);
    needsFullSave_ = false;
    return kNoErr;
}

ErrCode PFMFile::NewSwapFile(const std::string& savedPath, std::unique_ptr<PFMSwapFile>& swap) const {
    swap = std::make_unique<PFMSwapFile>(readBufferSize_, writeBufferSize_);
    const ErrCode err = swap->Create(HeldSwapFiles());
    if (err != kNoErr) {
        DebugPrintf("Error %d opening swap file.\n%s\nSaved data remains in file \"%s\".", err,
                    FileErrorMessage(err), savedPath.c_str());
    }
    return err;
}

void PFMFile::ApplySaved(const SaveResult& result) {
    for (std::size_t i = 0; i < result.map.size(); ++i) {
        Entry(result.entries[i])
            .SetSaved(result.map[i].position, static_cast<std::uint32_t>(result.map[i].size));
    }
    header_ = result.header;
    flags_ &= ~kChanged;
    leftOut_.clear();
    unlisted_.clear();
    mapEndsShort_ = false;
}

// --- the four saves

ErrCode PFMFile::SaveInPlace() {
    if (!HasDiskFile()) return kFileNotFoundErr;
    ErrCode err = disk_->GetError();
    if (err != kNoErr) return err;
    const FileRef& ref = GetFileRef();
    if (!ref.Exists()) return CanReadFileSegments() ? kDocumentMissingErr : kDocumentDataMissingErr;
    if (ref.IsReadOnly()) return kNotWritableErr;
    // A fast save writes into the open file, so it needs the file open for writing.
    const bool writable = ref.GetPermission() != kAccessRead;
    if (HasFlag(kFastSaveAllowed) && header_.fullSaveSize != 0 && !needsFullSave_ && writable)
        return FastSave();
    return FullSave();
}

// The store holds its file open: when only the file's name went, every segment still reads from it.
bool PFMFile::CanReadFileSegments() {
    std::uint32_t length = 0;
    if (disk_->GetLength(length) != kNoErr) return false;
    for (Index index : SegmentsWhere(&SegmentMapEntry::IsCurrentInFile)) {
        const SegmentMapEntry& entry = EntryAt(index);
        if (std::uint64_t{entry.FilePosition()} + entry.FileSize() > length) return false;
    }
    return true;
}

ErrCode PFMFile::FullSave() {
    if (!HasDiskFile()) return kFileNotFoundErr;
    const FileRef ref = GetFileRef();
    const FileRef target = ref.FollowLinks();
    SaveResult result{header_, {}, {}};
    PFMTemporaryFile temporary(readBufferSize_, writeBufferSize_);
    ErrCode err = WriteToTemporary(target, result, temporary);
    // Once the new file may have replaced the old one, the store reads a file that is no longer in
    // the folder until it has taken the new one: only a full save may follow.
    if (err == kNoErr) needsFullSave_ = true;
    if (err == kNoErr) err = PutInPlace(temporary, target, HasFlag(kKeepBackup));
    if (err == kNoErr) {
        err = Commit(ref, result,
                     "Error %d can't reopen file \"%s\".\n%s\nSaved data remains in file \"%s\".");
    }
    return err;
}

ErrCode PFMFile::SaveAs(const FileRef& ref) {
    const PFMFile* holder = FindStoreOfFile(ref);
    if (holder && holder != this) return kFileInUseErr;
    if (ref.Exists() && ref.IsReadOnly()) return kNotWritableErr;
    const FileRef target = ref.FollowLinks();
    SaveResult result{header_, {}, {}};
    PFMTemporaryFile temporary(readBufferSize_, writeBufferSize_);
    ErrCode err = WriteToTemporary(target, result, temporary);
    if (err == kNoErr) err = PutInPlace(temporary, target, false);
    if (err == kNoErr) {
        err = Commit(ref, result,
                     "Error %d can't reopen file\n\"%s\"\n%s\nSaved data may remain in file\n\"%s\".");
    }
    return err;
}

ErrCode PFMFile::SaveCopy(const FileRef& ref) {
    if (FindStoreOfFile(ref)) return kFileInUseErr;
    if (ref.Exists() && ref.IsReadOnly()) return kNotWritableErr;
    const FileRef target = ref.FollowLinks();
    SaveResult result{header_, {}, {}};
    PFMTemporaryFile temporary(readBufferSize_, writeBufferSize_);
    ErrCode err = WriteToTemporary(target, result, temporary);
    if (err == kNoErr) err = PutInPlace(temporary, target, false);
    return err;
}

ErrCode PFMFile::FastSave() {
    if (!HasDiskFile()) return kFileNotFoundErr;
    SaveResult result{header_, {}, {}};
    ErrCode err = disk_->SwitchToWriting();
    if (err == kNoErr) err = AppendChangedSegments(*disk_, result);
    result.header.MarkSaved(kPFMFastSave, app_, version_);
    // The map goes to the disk before the header points at it, so the file on disk is always either
    // the old store (with some dead bytes at its end) or the new one.
    if (err == kNoErr) err = disk_->SeekToEnd();
    if (err == kNoErr) err = disk_->GetPosition(result.header.mapPosition);
    if (err == kNoErr && PFMSegmentMapEnd(result.header.mapPosition, result.map.size()) > kPFMMaxFileSize) {
        err = kDiskFullErr;
    }
    if (err == kNoErr) err = PFMWriteSegmentMap(*disk_, result.map);
    std::uint32_t end = 0;
    if (err == kNoErr) err = disk_->GetPosition(end);
    if (err == kNoErr) err = disk_->Sync();
    if (err == kNoErr) err = disk_->SetPosition(kPFMHeaderOffset);
    if (err == kNoErr) err = result.header.Write(*disk_);
    if (err == kNoErr) err = disk_->Sync();
    const ErrCode readErr = disk_->SwitchToReading();
    if (err == kNoErr) err = readErr;
    std::uint32_t length = 0;
    if (err == kNoErr) err = disk_->GetLength(length);
    if (err == kNoErr && length != end) err = kWrongSizeErr;
    if (err != kNoErr) return err;

    std::unique_ptr<PFMSwapFile> swap;
    err = NewSwapFile(GetFileRef().GetFullPath(), swap);
    if (err != kNoErr) return err;
    ApplySaved(result);
    swap_ = std::move(swap);
    return kNoErr;
}

ErrCode PFMFile::AppendChangedSegments(IWriteFile& out, SaveResult& result) {
    StoreBusy busy(*this);
    SaveProgress progress(tracker_, static_cast<std::uint32_t>(keyIndex_.size()));
    ErrCode err = out.SeekToEnd();
    for (Index index : SegmentsWhere(&SegmentMapEntry::IsCurrentInFile)) {
        AppendRecord(result, index, EntryAt(index).FilePosition(), EntryAt(index).FileSize());
        progress.Step();
    }
    std::vector<Index> inSwap = SegmentsWhere(&SegmentMapEntry::IsInSwap);
    SortBy(inSwap, &SegmentMapEntry::SwapPosition);
    if (err == kNoErr && !inSwap.empty()) err = CopyRuns(*SwapReader(), inSwap, true, out, result, progress);
    if (err == kNoErr)
        err = WriteInMemory(SegmentsWhere(&SegmentMapEntry::IsNewInMemory), out, result, progress);
    OrderRepeatedKeys(result.map, result.entries);
    return err;
}
