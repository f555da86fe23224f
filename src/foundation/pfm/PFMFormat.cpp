#include "foundation/pfm/PFMFormat.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <utility>

#include "foundation/ByteOrder.h"
#include "foundation/FileError.h"
#include "foundation/FileReader.h"
#include "foundation/IFile.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFMMapDamage.h"

namespace {

constexpr char kIdentificationText[] = "** PFM binary file **";
constexpr std::size_t kIdentificationTextSize = sizeof kIdentificationText - 1;  // 21

std::int32_t RunningPlatform() { return static_cast<std::int32_t>(GetPlatformIndex()); }

// Platform ids are stored in 16 bits and read back sign-extended.
std::int32_t LoadPlatform(const std::uint8_t* bytes) {
    return static_cast<std::int16_t>(LoadBigEndian16(bytes));
}

// Every segment must lie in the data area of the file: after the header, before the end, clear of
// the map and of every other segment.
ErrCode CheckSegmentPlaces(const SegmentMap& map, std::uint32_t fileLength, std::uint32_t mapPosition) {
    const std::uint64_t mapEnd = PFMSegmentMapEnd(mapPosition, map.size());
    std::vector<std::pair<std::uint64_t, std::uint64_t>> places;
    places.reserve(map.size());
    for (const SegmentMapRecord& record : map) {
        if (!record.IsSound()) return kBadSegmentMapErr;
        const std::uint64_t start = record.position;
        const std::uint64_t end = start + static_cast<std::uint64_t>(record.size);
        if (start < kPFMDataOffset || end > fileLength) return kBadSegmentMapErr;
        if (start < mapEnd && end > mapPosition) return kBadSegmentMapErr;
        places.emplace_back(start, end);
    }
    std::sort(places.begin(), places.end());
    for (std::size_t i = 1; i < places.size(); ++i) {
        if (places[i].first < places[i - 1].second) return kBadSegmentMapErr;
    }
    return kNoErr;
}

// Whether the five bytes from the format version's place hold it with one byte more among or before
// its own: a byte inserted into the file's start moved it, and the file is a store, damaged.
bool HoldsMovedVersion(IReadFile& stream) {
    std::uint8_t bytes[5];
    std::uint8_t version[4];
    StoreBigEndian32(kPFMFormatVersion, version);
    if (stream.SetPosition(kPFMHeaderOffset) != kNoErr || ReadExactly(stream, bytes, sizeof bytes) != kNoErr)
        return false;
    for (std::size_t inserted = 0; inserted < sizeof bytes; ++inserted) {
        std::uint8_t rest[4];
        std::copy(bytes, bytes + inserted, rest);
        std::copy(bytes + inserted + 1, bytes + sizeof bytes, rest + inserted);
        if (std::memcmp(rest, version, sizeof version) == 0) return true;
    }
    return false;
}

}  // namespace

// --- identification

bool PFMFileId::IsValid(const std::uint8_t* bytes) {
    return std::memcmp(bytes, kIdentificationText, kIdentificationTextSize) == 0 &&
           bytes[kIdentificationTextSize] == 0x1A && bytes[kIdentificationTextSize + 1] == 0;
}

bool PFMFileId::IsDamaged(const std::uint8_t* bytes, std::size_t count) {
    // The identification text, 0x1A and a zero byte.
    std::uint8_t id[kIdentificationTextSize + 2] = {};
    std::memcpy(id, kIdentificationText, kIdentificationTextSize);
    id[kIdentificationTextSize] = 0x1A;
    constexpr std::size_t kSize = sizeof id;
    if (count < kSize - 1 || IsValid(bytes)) return false;
    // Whether the longer equals the shorter (of `size` bytes) once its byte at `skipped` is passed over.
    const auto equalPassing = [](const std::uint8_t* longer, const std::uint8_t* shorter, std::size_t size,
                                 std::size_t skipped) {
        return std::memcmp(longer, shorter, skipped) == 0 &&
               std::memcmp(longer + skipped + 1, shorter + skipped, size - skipped) == 0;
    };
    std::size_t differing = 0;
    for (std::size_t i = 0; i < kSize && i < count; ++i) differing += bytes[i] != id[i] ? 1 : 0;
    if (count >= kSize && differing == 1) return true;
    for (std::size_t skipped = 0; skipped < kSize; ++skipped) {
        if (count > kSize && equalPassing(bytes, id, kSize, skipped)) return true;
        if (equalPassing(id, bytes, kSize - 1, skipped)) return true;
    }
    return false;
}

ErrCode PFMFileId::Read(IReadFile& stream) {
    std::uint8_t bytes[kPFMFileIdSize];
    valid = false;
    ErrCode err = ReadExactly(stream, bytes, sizeof bytes);
    if (err == kNoErr) valid = IsValid(bytes);
    return err;
}

ErrCode PFMFileId::Write(IWriteFile& stream) {
    std::uint8_t bytes[kPFMFileIdSize] = {};
    std::memcpy(bytes, kIdentificationText, kIdentificationTextSize);
    bytes[kIdentificationTextSize] = 0x1A;
    return WriteExactly(stream, bytes, sizeof bytes);
}

// --- header

PFMHeader::PFMHeader() : creatorPlatform(RunningPlatform()), lastPlatform(RunningPlatform()) {}

PFMHeader::PFMHeader(FourCC app, VersionNumber version) : PFMHeader() {
    creatorApp = lastApp = app;
    creatorVersion = lastVersion = version;
}

void PFMHeader::MarkSaved(PFMSaveType type, FourCC app, VersionNumber version) {
    saveType = type;
    lastPlatform = RunningPlatform();
    lastApp = app;
    lastVersion = version;
}

ErrCode PFMHeader::Decode(const std::uint8_t* block) {
    if (LoadBigEndian32(block) != kPFMFormatVersion) return kFileErr;
    mapPosition = LoadBigEndian32(block + 4);
    saveType = LoadBigEndian16(block + 8);
    fullSaveSize = LoadBigEndian32(block + 10);
    creatorPlatform = LoadPlatform(block + 14);
    creatorApp = LoadLittleEndian32(block + 16);
    creatorVersion = LoadBigEndian32(block + 20);
    lastPlatform = LoadPlatform(block + 24);
    lastApp = LoadLittleEndian32(block + 26);
    lastVersion = LoadBigEndian32(block + 30);
    return kNoErr;
}

void PFMHeader::Encode(std::uint8_t* block) const {
    StoreBigEndian32(kPFMFormatVersion, block);
    StoreBigEndian32(mapPosition, block + 4);
    StoreBigEndian16(saveType, block + 8);
    StoreBigEndian32(fullSaveSize, block + 10);
    StoreBigEndian16(static_cast<std::uint16_t>(creatorPlatform), block + 14);
    StoreLittleEndian32(creatorApp, block + 16);
    StoreBigEndian32(creatorVersion, block + 20);
    StoreBigEndian16(static_cast<std::uint16_t>(lastPlatform), block + 24);
    StoreLittleEndian32(lastApp, block + 26);
    StoreBigEndian32(lastVersion, block + 30);
}

ErrCode PFMHeader::Read(IReadFile& stream) {
    std::uint8_t block[kPFMHeaderBlockSize];
    ErrCode err = ReadExactly(stream, block, sizeof block);
    return err != kNoErr ? err : Decode(block);
}

ErrCode PFMHeader::Write(IWriteFile& stream) const {
    std::uint8_t block[kPFMHeaderBlockSize];
    Encode(block);
    return WriteExactly(stream, block, sizeof block);
}

// --- map records

SegmentKind SegmentMapRecord::KindOfFlags(std::uint16_t flags) {
    if ((flags & kKindFlags) == 0) return kObjectSegment;
    if (flags & kRawFlag) return kRawSegment;
    if (flags & kDataFlag) return kDataSegment;
    if (flags & kCustomFlag) return kCustomSegment;
    return kUnknownSegment;
}

std::uint16_t SegmentMapRecord::FlagsFor(int priority, SegmentKind kind, bool preload) {
    std::uint16_t kindFlag = 0;
    switch (kind) {
        case kRawSegment: kindFlag = kRawFlag; break;
        case kDataSegment: kindFlag = kDataFlag; break;
        case kCustomSegment: kindFlag = kCustomFlag; break;
        default: break;
    }
    return WithPriorityAndPreload(kindFlag, priority, preload);
}

std::uint16_t SegmentMapRecord::WithPriorityAndPreload(std::uint16_t flags, int priority, bool preload) {
    flags &= static_cast<std::uint16_t>(~(kPriorityMask | kPreloadFlag));
    flags |= static_cast<std::uint16_t>((priority << 12) & kPriorityMask);
    if (preload) flags |= kPreloadFlag;
    return flags;
}

void SegmentMapRecord::Set(std::uint32_t newPosition, std::int32_t newSize, FourCC newType,
                           std::uint16_t newId, int priority, SegmentKind kind, bool preload) {
    position = newPosition;
    size = newSize;
    type = newType;
    id = newId;
    flags = FlagsFor(priority, kind, preload);
}

void SegmentMapRecord::Encode(std::uint8_t* bytes) const {
    StoreBigEndian32(position, bytes);
    StoreBigEndian32(static_cast<std::uint32_t>(size), bytes + 4);
    StoreLittleEndian32(type, bytes + 8);
    StoreBigEndian16(id, bytes + 12);
    StoreBigEndian16(flags, bytes + 14);
}

SegmentMapRecord SegmentMapRecord::Decode(const std::uint8_t* bytes) {
    SegmentMapRecord record;
    record.position = LoadBigEndian32(bytes);
    record.size = static_cast<std::int32_t>(LoadBigEndian32(bytes + 4));
    record.type = LoadLittleEndian32(bytes + 8);
    record.id = LoadBigEndian16(bytes + 12);
    record.flags = LoadBigEndian16(bytes + 14);
    return record;
}

// --- file pieces

ErrCode PFMWriteFileStart(IWriteFile& stream) {
    ErrCode err = PFMFileId::Write(stream);
    if (err == kNoErr) err = PFMHeader().Write(stream);
    return err;
}

namespace {

// The count's records, read from the stream's position.
ErrCode ReadMapRecords(IReadFile& stream, std::int32_t count, SegmentMap& map) {
    const std::uint64_t recordBytes =
        std::uint64_t{kSegmentMapRecordSize} * static_cast<std::uint32_t>(count);
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(recordBytes);
        map.reserve(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    }
    const ErrCode err = ReadExactly(stream, bytes.data(), static_cast<std::uint32_t>(recordBytes));
    if (err != kNoErr) return err;
    for (std::size_t offset = 0; offset < bytes.size(); offset += kSegmentMapRecordSize) {
        map.push_back(SegmentMapRecord::Decode(bytes.data() + offset));
    }
    return kNoErr;
}

// Every save ends the file with its map: a count one bit off the number of whole records the file
// holds after it was damaged, and the map is read with that number.
bool ReadRecountedMap(IReadFile& stream, std::uint32_t mapPosition, std::uint32_t fileLength, SegmentMap& map) {
    const std::uint32_t after = fileLength - mapPosition - sizeof(std::uint32_t);
    const std::uint32_t held = after / kSegmentMapRecordSize;
    std::int32_t count = 0;
    if (after % kSegmentMapRecordSize != 0 || held > static_cast<std::uint32_t>(kMaxSegmentMapCount) ||
        stream.SetPosition(mapPosition) != kNoErr || stream.ReadLong(count) != kNoErr ||
        std::popcount(static_cast<std::uint32_t>(count) ^ held) != 1)
        return false;
    map.clear();
    return ReadMapRecords(stream, static_cast<std::int32_t>(held), map) == kNoErr;
}

}  // namespace

ErrCode PFMReadSegmentMap(IReadFile& stream, SegmentMap& map, std::uint32_t maxBytes) {
    map.clear();
    std::int32_t count = 0;
    const ErrCode err = stream.ReadLong(count);
    if (err != kNoErr) return err;
    if (count < 0 || count > kMaxSegmentMapCount) return kBadDataErr;
    const std::uint64_t recordBytes =
        std::uint64_t{kSegmentMapRecordSize} * static_cast<std::uint32_t>(count);
    if (maxBytes < sizeof(std::uint32_t) || recordBytes > maxBytes - sizeof(std::uint32_t)) {
        return kEndOfFileErr;
    }
    return ReadMapRecords(stream, count, map);
}

ErrCode PFMWriteSegmentMap(IWriteFile& stream, const SegmentMap& map) {
    std::vector<std::uint8_t> bytes(sizeof(std::uint32_t) + kSegmentMapRecordSize * map.size());
    StoreBigEndian32(static_cast<std::uint32_t>(map.size()), bytes.data());
    std::uint8_t* out = bytes.data() + sizeof(std::uint32_t);
    for (const SegmentMapRecord& record : map) {
        record.Encode(out);
        out += kSegmentMapRecordSize;
    }
    return WriteExactly(stream, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

ErrCode PFMWriteFileEnd(IWriteFile& stream, const SegmentMap& map, PFMHeader& header) {
    ErrCode err = stream.SeekToEnd();
    if (err == kNoErr) err = stream.GetPosition(header.mapPosition);
    if (err == kNoErr && PFMSegmentMapEnd(header.mapPosition, map.size()) > kPFMMaxFileSize) {
        err = kDiskFullErr;
    }
    if (err == kNoErr) err = PFMWriteSegmentMap(stream, map);
    if (err == kNoErr && header.saveType == kPFMFullSave) err = stream.GetPosition(header.fullSaveSize);
    if (err == kNoErr) err = stream.SetPosition(kPFMHeaderOffset);
    if (err == kNoErr) err = header.Write(stream);
    if (err == kNoErr) err = stream.Flush();
    return err;
}

ErrCode PFMCopyBytes(IReadFile& from, std::uint32_t position, std::uint32_t count, IWriteFile& to) {
    ErrCode err = from.SetPosition(position);
    std::vector<std::uint8_t> buffer(std::min(count, kPFMCopyBufferSize));
    while (err == kNoErr && count > 0) {
        const std::uint32_t chunk = std::min(count, kPFMCopyBufferSize);
        err = ReadExactly(from, buffer.data(), chunk);
        if (err == kNoErr) err = WriteExactly(to, buffer.data(), chunk);
        count -= chunk;
    }
    return err;
}

bool PFMCheckFileId(const FileRef& ref) {
    constexpr std::uint32_t kBufferSize = 8192;
    FileReader reader(ref, 0, kBufferSize);
    if (reader.Open() != kNoErr) return false;
    PFMFileId id;
    const bool valid = id.Read(reader) == kNoErr && id.valid;
    reader.Close();
    return valid;
}

bool PFMCheckDamagedFileId(const FileRef& ref) {
    FileReader reader(ref, 0, kPFMFileIdSize + 1);
    if (reader.Open() != kNoErr) return false;
    std::uint8_t bytes[kPFMFileIdSize + 1] = {};
    // A file shorter than that answers the bytes it holds.
    std::uint32_t count = sizeof bytes;
    reader.Read(bytes, count);
    reader.Close();
    return PFMFileId::IsDamaged(bytes, count);
}

ErrCode PFMReadFileLayout(IReadFile& stream, std::uint32_t fileLength, PFMHeader& header, SegmentMap& map) {
    map.clear();
    PFMFileId id;
    ErrCode err = stream.SetPosition(0);
    if (err == kNoErr) err = id.Read(stream);
    if (err != kNoErr) return err;
    if (!id.valid) return kUnsupportedFormatErr;
    err = header.Read(stream);
    if (err == kFileErr && HoldsMovedVersion(stream)) err = kBadDataErr;
    if (err != kNoErr) return err;
    if (header.mapPosition < kPFMDataOffset) return kBadSegmentMapErr;
    if (header.mapPosition > fileLength || fileLength - header.mapPosition < sizeof(std::uint32_t)) {
        return kEndOfFileErr;
    }
    err = stream.SetPosition(header.mapPosition);
    if (err == kNoErr) err = PFMReadSegmentMap(stream, map, fileLength - header.mapPosition);
    // A count of more records than the file holds after it, or of more than any map holds, is read
    // as the one bit off it that counts the records there are; where none does, the file was cut
    // inside its map, or the count or the map's place damaged, which no reader can tell apart, and
    // the map is not read.
    if ((err == kEndOfFileErr || err == kBadDataErr) &&
        ReadRecountedMap(stream, header.mapPosition, fileLength, map))
        err = kNoErr;
    if (err == kEndOfFileErr) {
        map.clear();
        return kBadSegmentMapErr;
    }
    if (err == kNoErr) err = CheckSegmentPlaces(map, fileLength, header.mapPosition);
    if (err == kBadSegmentMapErr && PFMMendSegmentPlaces(stream, map, fileLength, header.mapPosition))
        err = CheckSegmentPlaces(map, fileLength, header.mapPosition);
    if (err != kNoErr) map.clear();
    return err;
}
