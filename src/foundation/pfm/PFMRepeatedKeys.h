#pragma once
// A key the segment map of a file names twice. A store holds one segment per key as it reads a
// file: a map that lists a key a second time is damaged, and only the first record of each key is
// read (the one a look-up has always answered); the others are left out, and the store tells which.
// Within a store a key may still be added twice; the store then keeps the look-up's segment first
// wherever the order of its segments can change: in the key index when a block is resized, and
// among the records of that key in the map a save writes.

#include "foundation/pfm/PFMFormat.h"

// Takes out of the map every record whose key an earlier record names; answers them in map order.
SegmentMap PFMTakeRepeatedKeys(SegmentMap& map);
