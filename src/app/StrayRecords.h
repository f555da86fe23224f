#pragma once
// Records a damaged segment map lists under a key the story does not read: a byte of the record's
// type or number changed in the map, while its contents are whole. Such a record is read again
// under the key it was written with, where that key is plain: a type the program never writes that
// is one byte away from exactly one type a story holds (a character's 'CHAR' listed as 'DHAR'),
// under the same number or, for a record a story holds once, the one number it has; or a record a
// story holds once listed under another number, when its own number is free and it is the only one.
// A sound story holds none of these, so none of its records is ever moved.

#include <vector>

#include "foundation/Types.h"
#include "foundation/pfm/PFMKey.h"

struct StrayRecord {
    PFMSegmentKey listed;  // as the map lists it
    PFMSegmentKey read;    // where the story reads it from now on
};

// Copies a raw record of the current store to a free key and removes it from where it was.
ErrCode MoveRecord(PFMSegmentKey from, PFMSegmentKey to);

// Moves each stray record of the current store to its own key, in the store's memory (a save
// writes it there); answers what it moved.
std::vector<StrayRecord> TakeBackStrayRecords();
