#pragma once
// Records a damaged segment map lists under a key the story does not read: a byte of the record's
// type or number changed in the map, while its contents are whole. Such a record is read again
// under the key it was written with, where that key is plain and free:
// - a type the program never writes, a byte from the type of exactly one story record whose number
//   fits the one listed (a character's 'CHAR' listed as 'DHAR'; 'SCEL' 0 is the storytelling's
//   'STEL' 0, scenes being numbered from 1);
// - the answers' record listed as one of the older, binary question states, which never hold its
//   keyed text;
// - a record a story holds once listed under another number, the only one of its type;
// - a second record of a scene's or a character's key, which the store leaves out: a scene's under
//   the number its texts' keys name ("SCNTITLE7"), a character's under a number of its own after
//   the others.
// A scene's record under another number than the one the keys of its texts name goes there as the
// scenes are read (SceneManager), which reads every scene's record anyway: a sound story's records
// are looked at no second time for this. A sound story holds none of these, so none of its records
// is ever moved.

#include <cstdint>
#include <vector>

#include "foundation/Types.h"
#include "foundation/pfm/PFMKey.h"

struct StrayRecord {
    PFMSegmentKey listed;  // as the map lists it
    PFMSegmentKey read;    // where the story reads it from now on
    // A second record of a key the map listed before (PFMGetLeftOutRecords), at this place of the
    // file; 0 for a record listed once.
    std::uint32_t secondAt = 0;
};

// Whether the current store holds the story's information under a type a byte from its own (no
// other story's or generation's type), its own key free: the story can be opened, and its
// information read where it was written (TakeBackStrayRecords).
bool HoldsStrayMainRecord();

// Moves each stray record of the current store to its own key, in the store's memory (a save
// writes it there); answers what it moved.
std::vector<StrayRecord> TakeBackStrayRecords();
