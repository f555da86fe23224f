#pragma once
// The keyed records of a story file as the story's open reads them. A record damaged in the file
// keeps every entry that reads whole, and its damage is noted in the story file
// (PFMNoteDamagedRecord) for the open to tell in its one message; a record of which nothing reads
// is lost whole, and its reader says so.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "foundation/Types.h"
#include "foundation/pfm/PFMKey.h"
#include "foundation/pfm/PTextTypes.h"

class PFMFile;
class PText;

// Whether a record opened with this error was damaged in the file: its text (a parse error), or
// its segment, which holds no keyed text (-3).
bool IsDamagedRecord(ErrCode error);

struct StoryRecord {
    std::unique_ptr<PText> record;
    // 0; -9012 for a record the file does not hold, or one lost whole; or the error of a record
    // that could not be opened for another reason (memory, the disk), which the record holds as
    // it opened.
    ErrCode error = 0;
    // The file held the record, but nothing of it reads whole: its segment is gone from the file
    // and the record begins empty, to be written anew.
    bool lost = false;
};

// Opens record (type, number) of the story file (chain search as it is set). A damaged text whose
// entries partly read whole keeps them: the error is 0 and the record is noted as damaged.
StoryRecord OpenStoryRecord(PFMFile* story, FourCC type, std::uint16_t number);

// Copies a raw record of the current store to a free key and removes it from where it was; the
// note of its damage, when the open made one, goes with it.
ErrCode MoveRecord(PFMSegmentKey from, PFMSegmentKey to);

// Whether the record was damaged in the file so that something of it may have been left out: as it
// was read now, or as it was first read (the oldest stories' conversion writes the entries of a
// damaged record that read whole before the story's readers come to it) while the damage is still to
// be told. A record mended with every entry kept was not.
bool WasDamaged(const PText& record);

// Takes the entry under the key out of the record when the record holds it as another type of value
// than the one it is read as: its type letter was damaged in the file. The record is noted as
// damaged, and its next save writes the value anew. Answers whether it did.
bool LeaveOutMistyped(PText& record, std::string_view key, char type);
// The same for every entry of the record that is not of the type.
void LeaveOutOtherTypes(PText& record, char type);
// Reads the 16-bit number under the key, taking out each entry read under it that is held as another
// type of value or lies outside the least and the most that are ever written there, as
// LeaveOutMistyped does (a damaged record may hold the key twice: each entry left out shows the
// next). Answers the number, or none when no entry under the key is left.
std::optional<std::int16_t> ReadKeptNumber(PText& record, std::string_view key, std::int16_t least,
                                           std::int16_t most);
// Whether a key is one that a record's owner writes.
using WrittenKeyTest = bool (*)(std::string_view key);
// Takes out of a record that lacks the key every entry whose key is that key with one byte changed,
// added or dropped, and none a record of its kind is written with (`written`): the key was damaged
// in the file, and its value is not read as another's. Answers whether it did.
bool LeaveOutDamagedKey(PText& record, std::string_view key, WrittenKeyTest written);
// The same for a list of numbers under the key that holds what no such list does.
bool LeaveOutUnlisted(PText& record, std::string_view key);
