#pragma once
// What a damaged segment map still tells. Every save ends the file with its map, and every map
// record's size is the stored form's size; a file whose map ends before the file does, or whose raw
// block's own stored length disagrees with its record's size, was damaged there:
// - a map whose record count was made smaller leaves its last records after its end: each is read
//   from there while it is sound, its bytes lie before the map clear of every other record's, and a
//   raw block's bytes begin with the length its size gives;
// - a raw block whose stored length and map size disagree is read by the one its bytes bear out:
//   by its stored length when that ends exactly where the next record (or the map) begins and the
//   map's size falls short of it (the map's size was damaged), else by the map's size.
// A sound file shows neither, and pays nothing for the looks: one comparison of where its map ends,
// and none at all for a block that reads.

#include "foundation/pfm/PFMFormat.h"

// The records past the end of a map that ends short of the file, read as above; none when the map
// ends where the file does (nothing is read then) or when the first record there is not sound.
SegmentMap PFMReadUnlistedRecords(IReadFile& stream, std::uint32_t fileLength, std::uint32_t mapPosition,
                                  const SegmentMap& map);
