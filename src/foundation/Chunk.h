#pragma once
// Self-sizing chunk records for nesting records in a stream. Each chunk starts with an 8-byte
// header: its whole size in bytes (header included; 32-bit) and two 16-bit numbers that say what
// the chunk holds, all most significant byte first in stores. A reader skips from chunk to chunk;
// a patching writer writes the header first and fills in the size when the chunk ends.

#include <cstdint>

#include "foundation/IFile.h"

struct ChunkHeader {
    static constexpr std::uint32_t kHeaderSize = 8;

    std::uint32_t size = 0;
    std::int16_t first = -1;
    std::int16_t second = -1;

    // Size at least 8, both numbers at least 0.
    bool IsValid() const { return size >= kHeaderSize && first >= 0 && second >= 0; }
    std::uint32_t PayloadSize() const { return size >= kHeaderSize ? size - kHeaderSize : 0; }
    void Empty() { *this = ChunkHeader(); }

    // Reads a header: -3 when it is not valid, else the first stream error.
    ErrCode Read(IReadFile& stream);
    ErrCode Write(IWriteFile& stream) const;
};

// Reads the chunks of a stream one after another. Stops doing anything once it has failed, and
// answers that failure.
class ChunkReader {
public:
    explicit ChunkReader(IReadFile& stream) : stream_(stream) {}

    // Reads the header at the current position.
    ErrCode First(ChunkHeader& header);
    // Skips to the end of the current chunk and reads the header found there.
    ErrCode Next(ChunkHeader& header);
    // Moves to the end of the current chunk: -3 when reading went past it, -10 when the file ends
    // before it.
    ErrCode SkipToEnd();

    ErrCode GetError() const { return error_; }

private:
    ErrCode ReadHeader(ChunkHeader& header);

    IReadFile& stream_;
    std::uint32_t end_ = 0;  // end of the current chunk, 0 when none
    ErrCode error_ = kNoErr;
};

// Writes chunk headers whose sizes the caller knows.
class ChunkWriter {
public:
    explicit ChunkWriter(IWriteFile& stream) : stream_(stream) {}

    ErrCode Write(const ChunkHeader& header);
    ErrCode GetError() const { return error_; }

private:
    IWriteFile& stream_;
    ErrCode error_ = kNoErr;
};

// Writes chunks whose sizes are known only at their end: Begin writes the header with size 0, End
// goes back and writes the real size.
class PatchingChunkWriter {
public:
    explicit PatchingChunkWriter(IWriteFile& stream) : stream_(stream) {}

    ErrCode Begin(ChunkHeader& header);
    // Does nothing when no chunk is open.
    ErrCode End();
    ErrCode EndAndBegin(ChunkHeader& header);
    ErrCode GetError() const { return error_; }

private:
    IWriteFile& stream_;
    std::int64_t start_ = -1;  // position of the open chunk, -1 when none
    ErrCode error_ = kNoErr;
};
