#pragma once
// What writes a whole store file, step by step, as a save does: the file opened, its start (the
// identification and a header to be filled in later), each segment's stored form, runs of stored
// forms copied from another file, the map records, the end (the map and the header) and the close.
// Declared for writers to come; nothing in the program implements it yet.

#include <cstdint>

#include "foundation/Types.h"

class FileRef;
class IReadFile;
class SegmentMapEntry;
struct PFMHeader;
struct SegmentMapRecord;

class TPFMFileWriter {
public:
    TPFMFileWriter() = default;
    TPFMFileWriter(const TPFMFileWriter&) = delete;
    TPFMFileWriter& operator=(const TPFMFileWriter&) = delete;
    virtual ~TPFMFileWriter() = default;

    virtual ErrCode Open(const FileRef& ref) = 0;
    virtual ErrCode WriteStart() = 0;
    // Writes the stored form and answers where it went and its length.
    virtual ErrCode WriteSegment(const SegmentMapEntry& entry, std::uint32_t& position,
                                 std::uint32_t& size) = 0;
    virtual ErrCode CopyBytes(IReadFile& from, std::uint32_t position, std::uint32_t count) = 0;
    virtual ErrCode AddRecord(const SegmentMapRecord& record) = 0;
    // Writes the map after the data and the header (its map position and sizes filled in).
    virtual ErrCode WriteEnd(PFMHeader& header) = 0;
    virtual ErrCode Close() = 0;
};
