#include "foundation/pfm/PFMMapDamage.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "foundation/BlockRecord.h"
#include "foundation/FileError.h"
#include "foundation/IFile.h"
#include "foundation/pfm/PFMDiskFile.h"
#include "foundation/pfm/PFMFile.h"

namespace {

// The bytes a record claims: its first, and the one after its last.
using Place = std::pair<std::uint64_t, std::uint64_t>;

Place PlaceOf(std::uint32_t position, std::uint32_t size) {
    return {position, std::uint64_t{position} + size};
}

// Whether the place shares a byte with one of the places, which are sorted and apart.
bool Overlaps(const std::vector<Place>& places, Place place) {
    const auto next =
        std::upper_bound(places.begin(), places.end(), place.first,
                         [](std::uint64_t at, const Place& other) { return at < other.second; });
    return next != places.end() && next->first < place.second;
}

// The stored length of the raw block at the position.
bool ReadStoredLength(IReadFile& stream, std::uint32_t position, std::uint32_t& length) {
    return stream.SetPosition(position) == kNoErr && ReadBlockLength(stream, length) == kNoErr;
}

}  // namespace

SegmentMap PFMReadUnlistedRecords(IReadFile& stream, std::uint32_t fileLength, std::uint32_t mapPosition,
                                  const SegmentMap& map) {
    SegmentMap unlisted;
    std::uint64_t at = PFMSegmentMapEnd(mapPosition, map.size());
    if (at + kSegmentMapRecordSize > fileLength) return unlisted;
    std::vector<Place> claimed;
    claimed.reserve(map.size());
    for (const SegmentMapRecord& record : map)
        claimed.push_back(PlaceOf(record.position, static_cast<std::uint32_t>(record.size)));
    std::sort(claimed.begin(), claimed.end());
    for (; at + kSegmentMapRecordSize <= fileLength; at += kSegmentMapRecordSize) {
        std::uint8_t bytes[kSegmentMapRecordSize];
        if (Overlaps(claimed, {at, at + kSegmentMapRecordSize}) ||
            stream.SetPosition(static_cast<std::uint32_t>(at)) != kNoErr ||
            ReadExactly(stream, bytes, sizeof bytes) != kNoErr)
            break;
        const SegmentMapRecord record = SegmentMapRecord::Decode(bytes);
        if (!record.IsSound()) break;
        const Place place = PlaceOf(record.position, static_cast<std::uint32_t>(record.size));
        if (place.first < kPFMDataOffset || place.second > mapPosition || Overlaps(claimed, place)) break;
        std::uint32_t length = 0;
        if (record.Kind() == kRawSegment &&
            (!ReadStoredLength(stream, record.position, length) ||
             std::uint64_t{length} + kBlockRecordHeaderSize != place.second - place.first))
            break;
        claimed.insert(std::upper_bound(claimed.begin(), claimed.end(), place), place);
        unlisted.push_back(record);
    }
    return unlisted;
}

bool PFMFile::RemeasureAt(Index index) {
    SegmentMapEntry& entry = Entry(index);
    if (entry.Kind() != kRawSegment || entry.IsOwned() || entry.IsCustom() || entry.HasData() ||
        entry.IsInSwap() || !entry.HasFilePlace() || entry.IsReadByFileSize())
        return false;
    IReadFile* in = DiskReader();
    std::uint32_t length = 0;
    if (!in || !ReadStoredLength(*in, entry.FilePosition(), length)) return false;
    const std::uint64_t stored = std::uint64_t{length} + kBlockRecordHeaderSize;
    if (stored == entry.FileSize()) return false;
    if (stored > entry.FileSize() && entry.FilePosition() + stored == NextClaimedByte(entry.FilePosition())) {
        entry.SetFileSize(static_cast<std::uint32_t>(stored));
    } else if (entry.FileSize() >= kBlockRecordHeaderSize) {
        entry.ReadByFileSize();
    } else {
        return false;
    }
    if (std::find(remeasured_.begin(), remeasured_.end(), entry.Key()) == remeasured_.end())
        remeasured_.push_back(entry.Key());
    return true;
}

bool PFMFile::ReadAsRawBlockAt(Index index) {
    SegmentMapEntry& entry = Entry(index);
    if (entry.Kind() == kRawSegment || entry.IsOwned() || entry.IsCustom() || entry.HasData() ||
        entry.IsInSwap() || !entry.HasFilePlace())
        return false;
    // A raw block begins with a zero word and its length; no object's class is numbered so.
    IReadFile* in = DiskReader();
    std::uint16_t zero = 1;
    std::uint32_t length = 0;
    if (!in || in->SetPosition(entry.FilePosition()) != kNoErr || in->ReadUShort(zero) != kNoErr || zero != 0 ||
        in->ReadULong(length) != kNoErr || std::uint64_t{length} + kBlockRecordHeaderSize != entry.FileSize())
        return false;
    entry.MakeRaw();
    mislisted_.push_back(entry.Key());
    return true;
}

std::uint64_t PFMFile::NextClaimedByte(std::uint32_t position) {
    std::uint64_t next = UINT64_MAX;
    const auto claim = [&](std::uint32_t at) {
        if (at > position) next = std::min<std::uint64_t>(next, at);
    };
    for (const SegmentMapEntry& entry : entries_)
        if (entry.HasFilePlace()) claim(entry.FilePosition());
    for (const SegmentMapRecord& record : leftOut_) claim(record.position);
    claim(header_.mapPosition);
    std::uint32_t length = 0;
    if (next == UINT64_MAX && disk_ && disk_->GetLength(length) == kNoErr) next = length;
    return next;
}
