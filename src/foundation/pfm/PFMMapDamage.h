#pragma once
// What a damaged segment map still tells. Every save ends the file with its map, and every map
// record's size is the stored form's size; a file whose map ends before the file does, or whose raw
// block's own stored length disagrees with its record's size, or one of whose records lies where
// none can, was damaged there:
// - a map whose record count was made smaller leaves its last records after its end: each is read
//   from there while it is sound, its bytes lie before the map clear of every other record's, and a
//   raw block's bytes begin with the length its size gives;
// - a raw block whose stored length and map size disagree is read by the one its bytes bear out:
//   by its stored length when that ends exactly where the next record (or the map) begins and the
//   map's size falls short of it (the map's size was damaged), else by the map's size;
// - a raw block's record one bit off in its place or size, so that it lies where no record can, or
//   in its kind, is read where its bytes bear it out.
// A sound file shows none of these, and pays nothing for the looks: one comparison of where its map
// ends, and none at all for a block that reads.

#include "foundation/pfm/PFMFormat.h"

// The records past the end of a map that ends short of the file, read as above; none when the map
// ends where the file does (nothing is read then) or when the first record there is not sound.
SegmentMap PFMReadUnlistedRecords(IReadFile& stream, std::uint32_t fileLength, std::uint32_t mapPosition,
                                  const SegmentMap& map);

// Whether a raw block of the size begins at the position: a zero word, then the length that with
// the six bytes of the two makes up the size. No object's class is numbered so.
bool PFMRawBlockBeginsAt(IReadFile& stream, std::uint64_t position, std::uint64_t size);

// A map some of whose raw blocks' records give places where no record can lie (in the header, past
// the file's end, over the map, or over another record whose bytes begin where it says), or a size
// of none or below none (its top bit set), was damaged there. A record whose position or size
// differs by one bit from the one place where its bytes begin, clear of every other record, is read
// from there and marked `moved`. Answers whether every record then has its place; the map is left
// as it was when not.
bool PFMMendSegmentPlaces(IReadFile& stream, SegmentMap& map, std::uint32_t fileLength,
                          std::uint32_t mapPosition);
