#include "foundation/pfm/PText.h"

#include <cstring>
#include <vector>

#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/TextIO.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/ScrambleKeyScope.h"

namespace {

// The priority of the segments records make.
constexpr int kRecordPriority = 1;
constexpr int kScrambledRecordPriority = 0;

// The error the store reported, or the fallback when it reported none.
ErrCode StoreErrorOr(ErrCode fallback) {
    const ErrCode err = PFMGetError();
    return err != kNoErr ? err : fallback;
}

// The same, taken from the store: a segment that failed to load is this record's failure, answered
// by the record, and must not fail whatever the store is asked next.
ErrCode TakeStoreError(ErrCode fallback) {
    const ErrCode err = StoreErrorOr(fallback);
    PFMClearError();
    return err;
}

}  // namespace

PText::PText(PFMFile* store, FourCC type, std::uint16_t number, ErrCode* error, bool openerFlag,
             bool scrambled)
    : store_(store ? store : PFMGetCurrentFile()),
      type_(type),
      number_(number),
      openerFlag_(openerFlag),
      scrambled_(scrambled) {
    ErrCode err = kPTextErrNoRecord;
    if (store_) {
        PFMFile* previous = PFMSetCurrentFile(store_);
        err = Read();
        PFMSetCurrentFile(previous);
    }
    // A parse error is the opener's to handle; damage without one (a text cut short, an entry of no
    // value type, a damaged byte put back) is noted.
    if (err == kNoErr && body_.DamagedAt() && HoldsOwnSegment()) {
        if (body_.IsMendedWhole())
            PFMNoteMendedRecord(store_, {type_, number_});
        else
            PFMNoteDamagedRecord(store_, {type_, number_});
    }
    if (error) *error = err;
}

PText::~PText() {
    if (!deleted_ || !store_ || !PFMIsOpenFile(store_)) return;
    const ErrCode lastError = PFMGetError();
    {
        PFMFileScope scope(store_, false);
        PFMRemoveSegment(type_, number_);
    }
    PFMSetError(lastError);
}

// Parses the segment's text (found with the chain search as it is set); the entries keep a copy of
// it, so a plain text is parsed straight from the checked-out segment, and only a scrambled one is
// copied first to be unscrambled. A segment that reads as a raw block exists: only one that does not
// is looked for again, to tell a record not yet made from a segment of another kind.
ErrCode PText::Read() {
    bool raw = false;
    void* data = PFMCheckOutRawBlock(type_, number_, raw);
    if (!raw) {
        if (!PFMSegmentExists(type_, number_)) return StoreErrorOr(kPTextErrNoRecord);
        return kBadDataErr;
    }
    if (!data) return TakeStoreError(kPTextErrNoRecord);
    present_ = true;
    const char* bytes = static_cast<const char*>(data);
    if (!scrambled_) {
        const ErrCode parsed = body_.Parse(bytes, MemSize(data));
        PFMCheckIn(data);
        return parsed;
    }
    std::vector<char> text(bytes, bytes + MemSize(data));
    PFMCheckIn(data);
    {
        ScrambleKeyScope key(type_, number_);
        ScrambleText(static_cast<std::uint32_t>(text.size()), text.data());
    }
    return body_.Parse(text.data(), text.size());
}

bool PText::HoldsOwnSegment() const {
    const PFMFileScope scope(store_, false);
    return PFMSegmentExists(type_, number_);
}

std::int32_t PText::SetEntry(std::string_view key, char type, const void* value) {
    const bool isNew = !body_.HasKey(key);
    const std::int32_t result = body_.SetEntry(key, type, value);
    if (result >= 0 && isNew) deleted_ = false;
    return result;
}

std::int32_t PText::SetNumberByName(std::string_view key, char type, std::int32_t value) {
    if (type == kPTextShort) {
        const auto shortValue = static_cast<std::int16_t>(value);
        return SetEntry(key, type, &shortValue);
    }
    if (type == kPTextInt || type == kPTextLong) return SetEntry(key, type, &value);
    return kPTextErrBadType;
}

void PText::Delete() {
    body_.Clear();
    deleted_ = true;
}

ErrCode PText::Save() {
    if (!body_.IsChanged()) return kNoErr;
    if (!store_ || !PFMIsOpenFile(store_)) return kFileNotFoundErr;
    std::vector<char> text = body_.Write();
    if (scrambled_) {
        ScrambleKeyScope key(type_, number_);
        ScrambleText(static_cast<std::uint32_t>(text.size()), text.data());
    }
    ErrCode err;
    {
        PFMFileScope scope(store_, false);
        err = Write(text);
    }
    if (err != kNoErr) {
        body_.SetChanged();
        return err;
    }
    present_ = true;
    flushed_ = true;
    return kNoErr;
}

// Puts the text into the record's segment of the current store (chain search off), resizing the
// segment or making it.
ErrCode PText::Write(const std::vector<char>& text) {
    const auto size = static_cast<std::uint32_t>(text.size());
    if (PFMSegmentExists(type_, number_)) {
        if (!PFMIsRawSegment(type_, number_)) return kBadDataErr;
        void* data = PFMCheckOut(type_, number_);
        if (!data) return StoreErrorOr(kFileErr);
        ErrCode err = PFMResizeSegment(&data, size);
        if (err == kNoErr) {
            std::memcpy(data, text.data(), size);
            err = PFMSetChanged(data, true);
        }
        const ErrCode checkInErr = PFMCheckIn(data);
        return err != kNoErr ? err : checkInErr;
    }
    if (PFMGetError() != kNoErr) return PFMGetError();
    MemBlockPtr block(MemAlloc(size));
    if (!block) return kOutOfMemoryErr;
    std::memcpy(block.get(), text.data(), size);
    const ErrCode err = PFMAddSegment(type_, number_, block.get(),
                                      scrambled_ ? kScrambledRecordPriority : kRecordPriority, false);
    if (err != kNoErr) return err;
    // The store holds the block now; the check-in ends the hold that adding it started.
    return PFMCheckIn(block.release());
}
