#include "foundation/pfm/PFMMapDamage.h"

#include <algorithm>
#include <optional>
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

bool PFMRawBlockBeginsAt(IReadFile& stream, std::uint64_t position, std::uint64_t size) {
    std::uint16_t zero = 1;
    std::uint32_t length = 0;
    return position <= UINT32_MAX && stream.SetPosition(static_cast<std::uint32_t>(position)) == kNoErr &&
           stream.ReadUShort(zero) == kNoErr && zero == 0 && stream.ReadULong(length) == kNoErr &&
           std::uint64_t{length} + kBlockRecordHeaderSize == size;
}

bool PFMMendSegmentPlaces(IReadFile& stream, SegmentMap& map, std::uint32_t fileLength,
                          std::uint32_t mapPosition) {
    // A damage of one bit or two; a map in more doubt than that is not guessed at.
    constexpr std::ptrdiff_t kMostMended = 2;
    const std::uint64_t mapEnd = PFMSegmentMapEnd(mapPosition, map.size());
    const auto placeOf = [](const SegmentMapRecord& record) {
        return PlaceOf(record.position, static_cast<std::uint32_t>(record.size));
    };
    const auto inDataArea = [&](const SegmentMapRecord& record) {
        if (record.size <= 0) return false;
        const Place place = placeOf(record);
        return place.first >= kPFMDataOffset && place.second <= fileLength &&
               !(place.first < mapEnd && place.second > mapPosition);
    };
    const auto beginsThere = [&](const SegmentMapRecord& record) {
        return PFMRawBlockBeginsAt(stream, record.position, static_cast<std::uint64_t>(record.size));
    };
    std::vector<bool> doubtful(map.size(), false);
    std::vector<std::size_t> inPlace;
    for (std::size_t i = 0; i < map.size(); ++i) {
        // Flags no save writes are not a place's damage; a size of no bytes, or one read as below
        // none, is looked at with the rest of the record's place.
        if (!map[i].IsSound() && map[i].size > 0) return false;
        if (inDataArea(map[i]))
            inPlace.push_back(i);
        else
            doubtful[i] = true;
    }
    // Of two records over each other, the one whose bytes do not begin where it says; a record is
    // over those that begin, in the order of their positions, before its end.
    std::sort(inPlace.begin(), inPlace.end(),
              [&](std::size_t a, std::size_t b) { return map[a].position < map[b].position; });
    for (std::size_t a = 0; a < inPlace.size(); ++a) {
        const std::size_t i = inPlace[a];
        for (std::size_t b = a + 1;
             !doubtful[i] && b < inPlace.size() && map[inPlace[b]].position < placeOf(map[i]).second; ++b) {
            const std::size_t j = inPlace[b];
            if (doubtful[j]) continue;
            const bool iBegins = beginsThere(map[i]);
            if (iBegins == beginsThere(map[j])) return false;
            doubtful[iBegins ? j : i] = true;
        }
    }
    if (std::count(doubtful.begin(), doubtful.end(), true) > kMostMended) return false;
    // The records left in place share no byte: each moved one must keep clear of them all.
    std::vector<Place> claimed;
    for (const std::size_t i : inPlace)
        if (!doubtful[i]) claimed.push_back(placeOf(map[i]));
    SegmentMap mended = map;
    for (std::size_t i = 0; i < map.size(); ++i) {
        if (!doubtful[i]) continue;
        if (map[i].Kind() != kRawSegment) return false;
        std::optional<SegmentMapRecord> found;
        for (int bit = 0; bit < 64; ++bit) {
            SegmentMapRecord candidate = map[i];
            if (bit < 32)
                candidate.position ^= std::uint32_t{1} << bit;
            else
                candidate.size = static_cast<std::int32_t>(static_cast<std::uint32_t>(candidate.size) ^
                                                           (std::uint32_t{1} << (bit - 32)));
            if (!inDataArea(candidate) || Overlaps(claimed, placeOf(candidate)) || !beginsThere(candidate))
                continue;
            // Two places that both bear it out leave it in doubt.
            if (found) return false;
            found = candidate;
        }
        if (!found) return false;
        found->moved = true;
        mended[i] = *found;
        claimed.insert(std::upper_bound(claimed.begin(), claimed.end(), placeOf(*found)), placeOf(*found));
    }
    map = std::move(mended);
    return true;
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
    IReadFile* in = DiskReader();
    if (!in || !PFMRawBlockBeginsAt(*in, entry.FilePosition(), entry.FileSize())) return false;
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
