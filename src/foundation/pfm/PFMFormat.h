#pragma once
// The bytes of a store on disk. A store file starts with a 24-byte identification and a 34-byte
// header block, holds its segments back to back from offset 58 and ends with a segment map that
// says where each segment lies. Every number is big-endian; a four-character code stands in the
// file as its characters in reading order.
//
//   0   24  identification: "** PFM binary file **", 0x1A, two zero bytes
//   24   4  format version 0x03008000 ("3.0")
//   28   4  segment map position
//   32   2  save type: 0 full save, 1 fast save (how the file was written last)
//   34   4  full-save size: file length right after the last full save, 0 when never fully saved
//   38  10  creator platform (16 bits), application code, application version
//   48  10  last platform, application code and version (of the last save)
//   58      segment data
//   map     record count, then 16 bytes per segment:
//           position (u32), size (i32), type (4 characters), id (u16), flags (u16)
//
// Flags of a map record: 0x8000 raw bytes, 0x7000 priority, 0x0800 preload, 0x0080 unknown kind,
// 0x0040 custom, 0x0020 data object; a record with none of the kind bits holds a flattened object.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "foundation/Types.h"
#include "foundation/Version.h"

class FileRef;
class IReadFile;
class IWriteFile;

inline constexpr std::uint32_t kPFMFileIdSize = 24;
inline constexpr std::uint32_t kPFMHeaderOffset = 24;
inline constexpr std::uint32_t kPFMHeaderBlockSize = 34;
inline constexpr std::uint32_t kPFMDataOffset = 58;
inline constexpr VersionNumber kPFMFormatVersion = 0x03008000;
inline constexpr std::uint32_t kSegmentMapRecordSize = 16;
inline constexpr std::int32_t kMaxSegmentMapCount = 0x8000000;
// Positions are compared as signed numbers by readers, so no file grows past this.
inline constexpr std::uint32_t kPFMMaxFileSize = 0x7FFFFFFF;
inline constexpr std::uint32_t kPFMCopyBufferSize = 32767;

// Whether size bytes placed at the position stay within kPFMMaxFileSize.
constexpr bool PFMFitsInFile(std::uint64_t position, std::uint64_t size) {
    return position + size <= kPFMMaxFileSize;
}
// Where a map of count records written at the position ends.
constexpr std::uint64_t PFMSegmentMapEnd(std::uint32_t position, std::size_t count) {
    return std::uint64_t{position} + sizeof(std::uint32_t) + std::uint64_t{kSegmentMapRecordSize} * count;
}

enum PFMSaveType : std::uint16_t {
    kPFMFullSave = 0,
    kPFMFastSave = 1,
};

enum SegmentKind : std::uint8_t {
    kUnknownSegment = 0,  // written by some other program; carried along, never loaded
    kRawSegment = 16,     // a memory block, stored as u16 0, u32 length and the bytes
    kObjectSegment = 32,  // a flattened TObject: its u32 class id, then what it writes
    kDataSegment = 48,    // written by a TPFMData object
    kCustomSegment = 64,  // written by a custom segment handler
};

// The identification at the start of every store file.
struct PFMFileId {
    bool valid = false;

    // Reads 24 bytes; valid when they start with the identification text, 0x1A and a zero byte
    // (the 24th byte is not looked at).
    ErrCode Read(IReadFile& stream);
    static ErrCode Write(IWriteFile& stream);
    static bool IsValid(const std::uint8_t* bytes);
    // Whether the first bytes of a file (`count` of them) hold the identification with one byte of
    // it changed, one more among or before it, or one of it gone: a store, damaged at its start.
    static bool IsDamaged(const std::uint8_t* bytes, std::size_t count);
};

struct PFMHeader {
    std::uint32_t mapPosition = 0;
    std::uint16_t saveType = kPFMFullSave;
    std::uint32_t fullSaveSize = 0;
    std::int32_t creatorPlatform;
    FourCC creatorApp = 0;
    VersionNumber creatorVersion = 0;
    std::int32_t lastPlatform;
    FourCC lastApp = 0;
    VersionNumber lastVersion = 0;

    // All fields 0 but the two platforms, which name the running platform.
    PFMHeader();
    // As above, with the given application as creator and as last writer.
    PFMHeader(FourCC app, VersionNumber version);

    // Records a save: its type, and the running platform and the given application as the last
    // writer.
    void MarkSaved(PFMSaveType type, FourCC app, VersionNumber version);

    // The header block (format version first); -1 for another format version.
    ErrCode Decode(const std::uint8_t* block);
    void Encode(std::uint8_t* block) const;
    ErrCode Read(IReadFile& stream);
    ErrCode Write(IWriteFile& stream) const;

    friend bool operator==(const PFMHeader&, const PFMHeader&) = default;
};

struct SegmentMapRecord {
    std::uint32_t position = 0;
    std::int32_t size = 0;
    FourCC type = 0;
    std::uint16_t id = 0;
    std::uint16_t flags = 0;
    // Read from one bit off the position or size the file gave, where the bytes bear it out (the
    // file's map was damaged there; PFMReadFileLayout). Never stored.
    bool moved = false;

    static constexpr std::uint16_t kRawFlag = 0x8000;
    static constexpr std::uint16_t kPriorityMask = 0x7000;
    static constexpr std::uint16_t kPreloadFlag = 0x0800;
    static constexpr std::uint16_t kUnknownFlag = 0x0080;
    static constexpr std::uint16_t kCustomFlag = 0x0040;
    static constexpr std::uint16_t kDataFlag = 0x0020;
    static constexpr std::uint16_t kKindFlags = kRawFlag | kUnknownFlag | kCustomFlag | kDataFlag;

    int Priority() const { return (flags & kPriorityMask) >> 12; }
    // Whether a save could have written it: a priority that allows its preload flag, and a size
    // above 0.
    bool IsSound() const { return !(Preload() && Priority() == 0) && size > 0; }
    bool Preload() const { return (flags & kPreloadFlag) != 0; }
    SegmentKind Kind() const { return KindOfFlags(flags); }

    void Set(std::uint32_t position, std::int32_t size, FourCC type, std::uint16_t id, int priority,
             SegmentKind kind, bool preload);

    static SegmentKind KindOfFlags(std::uint16_t flags);
    // The flags word of a new record. Only kinds 16, 48 and 64 have a bit of their own, so kinds 0
    // and 32 both come out as 32.
    static std::uint16_t FlagsFor(int priority, SegmentKind kind, bool preload);
    // A flags word read from a file, with its priority and preload replaced and every other bit
    // kept, so that a segment of a kind this program does not know keeps its kind.
    static std::uint16_t WithPriorityAndPreload(std::uint16_t flags, int priority, bool preload);

    void Encode(std::uint8_t* bytes) const;
    static SegmentMapRecord Decode(const std::uint8_t* bytes);

    friend bool operator==(const SegmentMapRecord&, const SegmentMapRecord&) = default;
};

using SegmentMap = std::vector<SegmentMapRecord>;

// The first 58 bytes of a new file: the identification and a header of zeros (the platforms set).
ErrCode PFMWriteFileStart(IWriteFile& stream);

// Reads the map at the stream's position. The count must lie between 0 and kMaxSegmentMapCount
// (-3) and its records must fit in the bytes that follow (maxBytes; -10 when they do not). On any
// error the map is left empty.
ErrCode PFMReadSegmentMap(IReadFile& stream, SegmentMap& map, std::uint32_t maxBytes);
ErrCode PFMWriteSegmentMap(IWriteFile& stream, const SegmentMap& map);

// The closing step of every save: the map at the end of the file, its position (and for a full
// save the file's length after it) in the header, the header at offset 24, then a flush.
ErrCode PFMWriteFileEnd(IWriteFile& stream, const SegmentMap& map, PFMHeader& header);

// Copies count bytes from position in one stream to the other's current position, at most
// kPFMCopyBufferSize bytes at a time.
ErrCode PFMCopyBytes(IReadFile& from, std::uint32_t position, std::uint32_t count, IWriteFile& to);

// Opens the file read-only and answers whether it starts with a store's identification.
bool PFMCheckFileId(const FileRef& ref);
// Whether the file starts with a store's identification damaged by one byte (PFMFileId::IsDamaged).
bool PFMCheckDamagedFileId(const FileRef& ref);

// Reads the identification, header and map of a store file of the given length and checks them:
// -6 not a store, -1 another format version, -3 a map count out of range or the format version
// moved by a byte inserted before or inside it, -10 a map that runs past the end of the file, -7 a
// record that is not sound (priority 0 with preload, size 0 or negative, bytes outside the segment
// data area, or overlapping another record's bytes). A raw block's record whose position or size is
// one bit off the one place its bytes bear out is read from there instead (`moved`).
ErrCode PFMReadFileLayout(IReadFile& stream, std::uint32_t fileLength, PFMHeader& header, SegmentMap& map);
