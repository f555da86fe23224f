#include "storymodel/StoryRecords.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/NumberList.h"
#include "storymodel/RecordText.h"

namespace {

void NoteDamaged(const PText& record) {
    PFMNoteDamagedRecord(record.GetStore(), {record.GetRecordType(), record.GetRecordNumber()});
}

// Takes a damaged entry out of the record and notes the record; its next save writes it anew.
void LeaveOut(PText& record, std::string_view key) {
    record.Remove(key);
    NoteDamaged(record);
}

// Takes back the note the record's opening made of its damage, so that the record is told as lost
// whole rather than in part; answers whether there was one (none for a record read from another
// store). The other records noted keep their order.
bool TakeBackDamageNote(PFMFile* story, PFMSegmentKey key) {
    std::vector<PFMSegmentKey> noted = PFMTakeDamagedRecords(story);
    const auto found = std::find(noted.begin(), noted.end(), key);
    const bool taken = found != noted.end();
    if (taken) noted.erase(found);
    for (const PFMSegmentKey& other : noted) PFMNoteDamagedRecord(story, other);
    return taken;
}

// Leaves out the entry read under the key while it is damaged. A damaged record may hold a key
// twice, and the entry read under it is the first: each entry left out shows the next, which is
// judged in its turn. Answers whether any was left out.
template <typename Damaged>
bool LeaveOutWhile(PText& record, std::string_view key, Damaged damaged) {
    bool left = false;
    for (; damaged(); left = true) LeaveOut(record, key);
    return left;
}

// Whether the one key is the other with one byte changed, added or dropped.
bool OneByteApart(std::string_view one, std::string_view other) {
    if (one.size() < other.size()) std::swap(one, other);
    if (one.size() - other.size() > 1) return false;
    std::size_t same = 0;
    while (same < other.size() && one[same] == other[same]) ++same;
    if (one.size() > other.size()) return one.substr(same + 1) == other.substr(same);
    return same < one.size() && one.substr(same + 1) == other.substr(same + 1);
}

}  // namespace

bool IsDamagedRecord(ErrCode error) {
    return error == kBadDataErr || (error <= kPTextErrNoBackslash && error >= kPTextErrUnterminated);
}

StoryRecord OpenStoryRecord(PFMFile* story, FourCC type, std::uint16_t number) {
    StoryRecord opened;
    opened.record = std::make_unique<PText>(story, type, number, &opened.error);
    if (opened.error == kNoErr) {
        // Damage without a parse error was noted as the record opened; where it left no entry
        // whole (a text cut short before its first entry), nothing of the record reads.
        const PText& record = *opened.record;
        if (record.Count() > 0 || !record.DamagedAt() || !TakeBackDamageNote(story, {type, number}))
            return opened;
    } else if (!IsDamagedRecord(opened.error)) {
        return opened;
    } else if (opened.error != kBadDataErr && opened.record->Count() > 0) {
        NoteDamaged(*opened.record);
        opened.error = kNoErr;
        return opened;
    }
    // Nothing of it reads: a segment the record could not write over goes, so that a save writes it.
    {
        const PFMFileScope scope(story, false);
        PFMRemoveSegment(type, number);
    }
    opened.lost = true;
    opened.record = std::make_unique<PText>(story, type, number, &opened.error);
    return opened;
}

ErrCode MoveRecord(PFMSegmentKey from, PFMSegmentKey to) {
    void* data = PFMCheckOut(from.type, from.id);
    if (!data) return PFMGetError() != kNoErr ? PFMGetError() : ErrCode{-1};
    void* copy = MemDuplicate(data);
    PFMCheckIn(data);
    if (!copy) return kOutOfMemoryErr;
    const ErrCode error = PFMAddSegment(to.type, to.id, copy, 1, false);
    if (error != kNoErr) {
        MemFree(copy);
        return error;
    }
    PFMCheckIn(copy);
    PFMRemoveSegment(from.type, from.id);
    if (TakeBackDamageNote(nullptr, from)) PFMNoteDamagedRecord(nullptr, to);
    return kNoErr;
}

bool WasDamaged(const PText& record) {
    return (record.DamagedAt() && !record.IsMendedWhole()) ||
           PFMIsNotedDamaged(record.GetStore(), {record.GetRecordType(), record.GetRecordNumber()});
}

bool LeaveOutMistyped(PText& record, std::string_view key, char type) {
    return LeaveOutWhile(record, key, [&] {
        const char held = record.TypeOf(key);
        return held != '\0' && held != type;
    });
}

bool LeaveOutUnlisted(PText& record, std::string_view key) {
    // A key the record does not hold reads as an empty text, which is a list.
    return LeaveOutWhile(record, key, [&] { return !IsNumberListText(RecordTextView(record, key)); });
}

void LeaveOutOtherTypes(PText& record, char type) {
    const std::vector<std::string> mistyped = RecordKeys(
        record, [type](const PTextEntry& entry) { return entry.type != static_cast<unsigned char>(type); });
    for (const std::string& key : mistyped) record.Remove(key);
    if (!mistyped.empty()) NoteDamaged(record);
}

std::optional<std::int16_t> ReadKeptNumber(PText& record, std::string_view key, std::int16_t least,
                                           std::int16_t most) {
    std::int16_t value = 0;
    std::int32_t read = kPTextErrNoKey;
    LeaveOutWhile(record, key, [&] {
        read = record.GetEntry(key, kPTextShort, &value);
        return read != kPTextErrNoKey && (read < 0 || value < least || value > most);
    });
    return read >= 0 ? std::optional<std::int16_t>(value) : std::nullopt;
}

bool LeaveOutDamagedKey(PText& record, std::string_view key, WrittenKeyTest written) {
    if (record.HasKey(key)) return false;
    const std::vector<std::string> damaged = RecordKeys(record, [&](const PTextEntry& entry) {
        const std::string_view other(entry.key);
        return OneByteApart(other, key) && !written(other);
    });
    for (const std::string& other : damaged) LeaveOut(record, other);
    return !damaged.empty();
}
