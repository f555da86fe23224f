#include "foundation/Chunk.h"

#include "foundation/FileError.h"

ErrCode ChunkHeader::Read(IReadFile& stream) {
    Empty();
    std::int32_t storedSize = 0;
    ErrCode err = stream.ReadLong(storedSize);
    if (err == kNoErr) err = stream.ReadShort(first);
    if (err == kNoErr) err = stream.ReadShort(second);
    if (err != kNoErr) return err;
    size = static_cast<std::uint32_t>(storedSize);
    return IsValid() ? kNoErr : kBadDataErr;
}

ErrCode ChunkHeader::Write(IWriteFile& stream) const {
    ErrCode err = stream.WriteLong(static_cast<std::int32_t>(size));
    if (err == kNoErr) err = stream.WriteShort(first);
    if (err == kNoErr) err = stream.WriteShort(second);
    return err;
}

ErrCode ChunkReader::ReadHeader(ChunkHeader& header) {
    std::uint32_t start = 0;
    error_ = stream_.GetPosition(start);
    if (error_ == kNoErr) error_ = header.Read(stream_);
    if (error_ == kNoErr && header.size > UINT32_MAX - start) error_ = kBadDataErr;
    if (error_ == kNoErr) end_ = start + header.size;
    return error_;
}

ErrCode ChunkReader::First(ChunkHeader& header) {
    if (error_) return error_;
    return ReadHeader(header);
}

ErrCode ChunkReader::Next(ChunkHeader& header) {
    if (error_) return error_;
    if (SkipToEnd() != kNoErr) return error_;
    return ReadHeader(header);
}

ErrCode ChunkReader::SkipToEnd() {
    if (error_) return error_;
    if (end_ == 0) return kNoErr;
    std::uint32_t position = 0;
    error_ = stream_.GetPosition(position);
    if (error_ == kNoErr && position > end_) error_ = kBadDataErr;
    if (error_ == kNoErr && position < end_) {
        // Read the chunk's last byte, so that a chunk cut short by the end of the file is noticed
        // here rather than taken for a whole one.
        std::uint8_t last = 0;
        error_ = stream_.SetPosition(end_ - 1);
        if (error_ == kNoErr) error_ = stream_.ReadByte(last);
    }
    end_ = 0;
    return error_;
}

ErrCode ChunkWriter::Write(const ChunkHeader& header) {
    if (error_) return error_;
    error_ = header.Write(stream_);
    return error_;
}

ErrCode PatchingChunkWriter::Begin(ChunkHeader& header) {
    if (error_) return error_;
    std::uint32_t start = 0;
    error_ = stream_.GetPosition(start);
    if (error_ != kNoErr) return error_;
    start_ = start;
    header.size = 0;
    error_ = header.Write(stream_);
    return error_;
}

ErrCode PatchingChunkWriter::End() {
    if (error_ || start_ < 0) return error_;
    const auto start = static_cast<std::uint32_t>(start_);
    std::uint32_t end = 0;
    error_ = stream_.GetPosition(end);
    if (error_ == kNoErr) error_ = stream_.SetPosition(start);
    if (error_ == kNoErr) error_ = stream_.WriteLong(static_cast<std::int32_t>(end - start));
    if (error_ == kNoErr) error_ = stream_.SetPosition(end);
    start_ = -1;
    return error_;
}

ErrCode PatchingChunkWriter::EndAndBegin(ChunkHeader& header) {
    if (End() != kNoErr) return error_;
    return Begin(header);
}
