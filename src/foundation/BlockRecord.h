#pragma once
// How a memory block is kept in a file: a 16-bit 0, the block's length as 32 bits, then its bytes
// (numbers in the file's byte order; most significant byte first in stores).

#include <cstdint>

#include "foundation/IFile.h"
#include "foundation/Memory.h"

inline constexpr std::uint32_t kBlockRecordHeaderSize = 6;

// The record's size in the file: the block's size plus 6.
std::uint32_t BlockStoredSize(const void* block);

ErrCode WriteBlock(const void* block, IWriteFile& file);

// Reads a record into a new block. A stored length above maxLength (the most the caller's data
// can hold, such as the room left in its segment) is refused with -3 before anything is
// allocated; -4 when the block cannot be had; -10 when the file ends early. The block is null on
// failure.
MemBlockPtr ReadBlock(IReadFile& file, std::uint32_t maxLength, ErrCode& err);

// The same for a record that must be recordSize bytes long in all: -3 when its stored length does
// not say so.
ErrCode ReadBlockOfSize(IReadFile& file, MemBlockPtr& block, std::uint32_t recordSize);
// The same for a record recordSize bytes long whose stored length was damaged: the length is passed
// over, and the block holds the bytes after it (-3 when recordSize leaves no room for the length).
ErrCode ReadBlockPassingLength(IReadFile& file, MemBlockPtr& block, std::uint32_t recordSize);
// The stored length of the record at the file's position (the position moves past it).
ErrCode ReadBlockLength(IReadFile& file, std::uint32_t& length);
