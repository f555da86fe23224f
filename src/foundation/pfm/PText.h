#pragma once
// A keyed text record kept in one raw segment of a store, addressed by a record type and a record
// number. Almost all stored settings of the program are such records: stories, characters, the
// preferences and the program's own data file keep their values in them.
//
// A record is opened on the stack, read and changed through typed get and set operations, saved
// explicitly and destroyed; destroying it never saves. Keys and values follow KeyedText: the value
// types are c (text), s (16-bit), i and l (32-bit), f (float), d and x (double). A read that finds
// no such key answers -9010 and leaves the caller's buffer as it was, which is how callers keep
// their defaults:
//   PText prefs(nullptr, FourCCOf("CTNG"), 1, &err);
//   std::int16_t width = 400;  // the default
//   prefs.GetEntry("Width", 's', &width);
//   prefs.SetNumberByName("Width", 's', width);
//   err = prefs.Save();
//
// The record keeps the store it was opened on (the current store when none is given) for its whole
// life: saving and removing always act on that store, whichever store is current then. Opening
// reads the record with the store's chain search, so a record that only a parent store holds (the
// program's data file under a document) is read from there; saving it writes it into the record's
// own store and leaves the parent untouched. The text is copied when the record is opened, so the
// segment is never held and another record object on the same segment can save it meanwhile.

#include <cstdint>
#include <optional>
#include <string_view>

#include "foundation/Types.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PTextTypes.h"

class PFMFile;

class PText {
public:
    // Opens record (type, number) of the store (null: the current store). error (may be null)
    // receives 0; -9012 when the store holds no such record yet (the record starts empty and its
    // first save creates it); a parse error; -3 when the segment of that key is not a raw segment;
    // or the store's error. A damaged text keeps the entries that read whole before and after the
    // damage (KeyedText::Parse); one damaged without a parse error (cut short, a header run on into
    // the next entry, a type letter of no value type, a number that is none) gives 0, and the
    // record's own store notes the record then (PFMNoteDamagedRecord) for its opener to tell.
    // The opener flag is kept for the opener and has no effect. A scrambled record is kept
    // scrambled in its segment, keyed by its type and number.
    PText(PFMFile* store, FourCC type, std::uint16_t number, ErrCode* error = nullptr,
          bool openerFlag = false, bool scrambled = false);
    // Never saves. A deleted record's segment is removed from the record's store.
    virtual ~PText();
    PText(const PText&) = delete;
    PText& operator=(const PText&) = delete;

    // The value under the key, or of the entry at a position of the key order (see KeyedText).
    std::int32_t GetEntry(std::string_view key, char type, void* buffer, std::int32_t size = -1) {
        return body_.GetEntry(key, type, buffer, size);
    }
    std::int32_t GetEntryAt(std::int32_t index, char type, void* buffer, std::int32_t size = -1) {
        return body_.GetEntryAt(index, type, buffer, size);
    }
    // Sets a value; a new key clears the deleted mark.
    std::int32_t SetEntry(std::string_view key, char type, const void* value);
    std::int32_t SetEntryAt(std::int32_t index, char type, const void* value) {
        return body_.SetEntryAt(index, type, value);
    }
    // Sets a whole number as type s (cut to 16 bits), i or l; -9008 for any other type.
    std::int32_t SetNumberByName(std::string_view key, char type, std::int32_t value);
    // The names some callers use for GetEntry and SetEntry.
    std::int32_t GetValue(std::string_view key, char type, void* buffer, std::int32_t size = -1) {
        return GetEntry(key, type, buffer, size);
    }
    std::int32_t SetValue(std::string_view key, char type, const void* value) {
        return SetEntry(key, type, value);
    }

    std::int32_t Remove(std::string_view key) { return body_.Remove(key); }
    void Clear() { body_.Clear(); }
    // Clears the record and marks it deleted: its segment is removed when the record is destroyed,
    // unless a new key is set before.
    void Delete();

    // When changed, writes the record's text into its segment in the record's store (making the
    // segment when it has none there) and marks it changed; the store itself is written to disk by
    // the store's save. Answers 0, or the store's error (-2 when the store is no longer open); a
    // failed save leaves the record changed.
    ErrCode Save();
    // Whether a save wrote the record since the flag was last cleared.
    bool WasSaved() const { return flushed_; }
    void ClearFlushedFlag() { flushed_ = false; }
    // The record holds no segment between operations; kept for callers that release the segment
    // after reading.
    void CheckIn() {}

    std::int32_t FirstEntry(std::int32_t& cursor, PTextEntry& entry) const {
        return body_.FirstEntry(cursor, entry);
    }
    std::int32_t NextEntry(std::int32_t& cursor, PTextEntry& entry) const {
        return body_.NextEntry(cursor, entry);
    }
    std::int32_t Count() const { return body_.Count(); }
    bool HasKey(std::string_view key) const { return body_.HasKey(key); }
    char TypeOf(std::string_view key) const { return body_.TypeOf(key); }
    std::uint32_t GetValueSize(std::string_view key) const { return body_.GetValueSize(key); }
    bool IsChanged() const { return body_.IsChanged(); }
    // Where the stored text was damaged when the record was opened; none when it was read whole,
    // and after a save.
    std::optional<std::uint32_t> DamagedAt() const { return body_.DamagedAt(); }
    bool IsMendedWhole() const { return body_.IsMendedWhole(); }
    const void* ValuePtr(std::int32_t item) const { return body_.ValuePtr(item); }

    PFMFile* GetStore() const { return store_; }
    FourCC GetRecordType() const { return type_; }
    std::uint16_t GetRecordNumber() const { return number_; }
    // Whether a segment held the record when it was opened, or a save made one.
    bool IsPresent() const { return present_; }
    bool IsDeleted() const { return deleted_; }
    bool GetOpenerFlag() const { return openerFlag_; }
    bool IsScrambled() const { return scrambled_; }

private:
    ErrCode Read();
    // Whether the record's own store holds its segment (rather than a parent store).
    bool HoldsOwnSegment() const;
    ErrCode Write(const std::vector<char>& text);

    PFMFile* store_;
    FourCC type_;
    std::uint16_t number_;
    bool present_ = false;
    bool openerFlag_;
    bool scrambled_;
    bool deleted_ = false;
    bool flushed_ = false;
    KeyedText body_;
};
