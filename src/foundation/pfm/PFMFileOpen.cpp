// Opening a store from its file, and filling an untitled store from a template file.

#include <algorithm>
#include <new>
#include <numeric>

#include "foundation/FileError.h"
#include "foundation/pfm/PFMDiskFile.h"
#include "foundation/pfm/PFMFile.h"
#include "foundation/pfm/PFMRepeatedKeys.h"
#include "foundation/pfm/PFMState.h"
#include "foundation/pfm/StoreBusy.h"

ErrCode PFMFile::Open(const FileRef& ref) {
    // Opening never empties a file, whatever access the reference asks for.
    FileAccess access = ref.GetPermission();
    if (access == kAccessCreate || access == kAccessCreateNew) access = kAccessReadWrite;
    auto disk = std::make_unique<PFMDiskFile>(readBufferSize_, writeBufferSize_);
    PFMHeader header;
    SegmentMap map;
    ErrCode err = disk->Open(ref, access);
    // A look into the file just before (whether it holds a segment) may have read the layout.
    if (err == kNoErr && !TakeLookedAtLayout(disk->OpenedFacts(), header, map))
        err = disk->ReadOpenedLayout(header, map);
    if (err != kNoErr) return err;
    // A map that ends short of the file left its last records after it; they are read as the
    // others are. A repeated key among them is left out as any other.
    SegmentMap unlisted = disk->ReadUnlistedRecords(header, map);
    mapEndsShort_ = PFMSegmentMapEnd(header.mapPosition, map.size() + unlisted.size()) < disk->OpenedLength();
    map.insert(map.end(), unlisted.begin(), unlisted.end());
    for (const SegmentMapRecord& record : map)
        if (record.moved) mislisted_.push_back({record.type, record.id});
    {
        StoreBusy busy(*this);
        err = IndexMap(map);
        // A map that names a key twice is damaged, and only the first record of each key is read
        // (PFMRepeatedKeys.h): the key index shows it, so that a sound map is looked at no further.
        if (err == kNoErr && HoldsRepeatedKey()) {
            leftOut_ = PFMTakeRepeatedKeys(map);
            err = IndexMap(map);
        }
        if (err != kNoErr) return err;
    }
    std::erase_if(unlisted, [this](const SegmentMapRecord& record) {
        return std::ranges::any_of(
            leftOut_, [&](const SegmentMapRecord& out) { return out.position == record.position; });
    });
    unlisted_ = std::move(unlisted);
    disk_ = std::move(disk);
    header_ = header;
    // Preloaded raw segments start out parked in memory.
    const std::vector<Index> order = keyIndex_;
    for (Index index : order) {
        const SegmentMapEntry& entry = EntryAt(index);
        if (!entry.Preload() || entry.Kind() != kRawSegment) continue;
        err = CheckOutAt(index, nullptr);
        if (err == kNoErr) err = CheckInAt(index);
        if (err != kNoErr) return err;
    }
    return kNoErr;
}

ErrCode PFMFile::IndexMap(const SegmentMap& map) {
    entries_.clear();
    keyIndex_.clear();
    try {
        entries_.reserve(map.size());
        keyIndex_.resize(map.size());
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    }
    for (const SegmentMapRecord& record : map)
        entries_.push_back(SegmentMapEntry::FromMap(record, SegmentMapEntry::StoredIn::kFile));
    std::iota(keyIndex_.begin(), keyIndex_.end(), 0);
    std::stable_sort(keyIndex_.begin(), keyIndex_.end(),
                     [this](Index a, Index b) { return SegmentKeyLess(EntryAt(a).Key(), EntryAt(b).Key()); });
    return kNoErr;
}

ErrCode PFMFile::CopyFromTemplate(const FileRef& ref) {
    PFMDiskFile source(readBufferSize_, writeBufferSize_);
    PFMHeader header;
    SegmentMap map;
    ErrCode err = source.Open(ref, kAccessRead);
    if (err == kNoErr) err = source.ReadLayout(header, map);
    if (err == kUnsupportedFormatErr) err = kBadDataErr;
    if (err != kNoErr) return err;
    leftOut_ = PFMTakeRepeatedKeys(map);

    StoreBusy busy(*this);
    IWriteFile* swap = SwapWriter();
    if (!swap) return kFileNotFoundErr;
    for (const SegmentMapRecord& record : map) {
        std::uint32_t position = 0;
        err = swap->SeekToEnd();
        if (err == kNoErr) err = swap->GetPosition(position);
        if (err == kNoErr && !PFMFitsInFile(position, static_cast<std::uint32_t>(record.size))) {
            err = kDiskFullErr;
        }
        if (err == kNoErr)
            err = PFMCopyBytes(source, record.position, static_cast<std::uint32_t>(record.size), *swap);
        SegmentMapRecord copied = record;
        copied.position = position;
        if (err == kNoErr &&
            AddEntry(SegmentMapEntry::FromMap(copied, SegmentMapEntry::StoredIn::kSwap)) == kNone)
            err = kOutOfMemoryErr;
        if (err != kNoErr) break;
    }
    const ErrCode endErr = swap_->SwitchToReading();
    return err != kNoErr ? err : endErr;
}
