#pragma once
// The entries of one keyed text record, parsed from its stored text and written back to it. This
// is the record without its store: PText binds it to a segment.
//
// The entries are kept sorted by key in byte order (bytes compared unsigned, a shorter key before
// its extensions). Values are converted from their text the first time they are read and kept in
// binary form, each under a value item number; writing the text copies every entry that was not
// set since the last parse or write byte for byte, and writes the others anew.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/Types.h"
#include "foundation/pfm/KeyedTextValues.h"
#include "foundation/pfm/PTextTypes.h"

class KeyedText {
public:
    // Replaces everything with the entries of a stored text of `size` bytes, which is copied.
    // Nothing beyond `size` is read; a text that ends before the NUL that every write puts after
    // the record's last backslash was cut short. Answers 0 or a parse error; the entries read
    // before an error stay. Reading also ends, with 0, at an entry whose value no other entry or
    // the record's end follows, whose key holds a backslash (its header ran on into the next
    // entry), whose type letter is no value type or whose number is no number as written, and
    // where the text was cut short: the damaged entry is left out, and the entries that read whole
    // after it (up to the record's end or to another damaged entry, itself left out) are kept. An
    // entry that a lost backslash joined to the number before it is parted from it where that
    // number holds bytes no number is written with, and both are kept; a length one of whose digits
    // was damaged, so that its value ends where no backslash stands, is put back; a NUL inside a
    // text (which no write puts there), not standing for its backslash, is read as a '?' and the
    // text kept. Either way the text is damaged (DamagedAt), and the record counts as changed, so
    // that its next write is whole. An entry that
    // reads whole is read as written: a text without its length runs up to the next backslash
    // whatever words it holds and however long it is, so a backslash lost inside such a text, which
    // leaves nothing a write could not have put down, reads as one text.
    ErrCode Parse(const char* text, std::size_t size);
    // Where the text last parsed was damaged: the offset of the first byte put back (a lost
    // backslash, a length's digit), else of the entry (or of the text) that could not be read; none
    // when it was read whole, or after a write.
    std::optional<std::uint32_t> DamagedAt() const { return damagedAt_; }
    // Whether the text last parsed was damaged and every damaged byte was put back, so that every
    // entry was read and none left out.
    bool IsMendedWhole() const { return damagedAt_ && mendedWhole_; }

    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
    bool HasKey(std::string_view key) const { return IndexOf(key) >= 0; }
    // The key's position in the index, -1 when absent.
    std::int32_t IndexOf(std::string_view key) const;
    // The type letter of the entry under the key, without reading its value; 0 where there is none.
    char TypeOf(std::string_view key) const;

    // Copies the value into the buffer (which may be null) and answers its value item. A text is
    // cut to size - 1 characters and ends with a NUL (a negative size copies the whole text);
    // numbers are copied whole. On failure (-9010 no such key, -9009 other type, -9008 unknown
    // type) the buffer is left as it was.
    std::int32_t GetEntry(std::string_view key, char type, void* buffer, std::int32_t size = -1);
    std::int32_t GetEntryAt(std::int32_t index, char type, void* buffer, std::int32_t size = -1);

    // Stores a value (a text is taken up to its NUL) and answers its value item. A new key gets an
    // entry at its sorted place. -9009 when the key exists with another type, -9008 for an unknown
    // type, -9004 for a key that cannot be stored (empty, holding ':' or a backslash, or too long
    // for the header together with its type letter and length), -4 for a text longer than 32766
    // characters.
    std::int32_t SetEntry(std::string_view key, char type, const void* value);
    std::int32_t SetEntryAt(std::int32_t index, char type, const void* value);

    // 0, or -9010 when absent.
    std::int32_t Remove(std::string_view key);
    void Clear();

    // Walk the index in key order: FirstEntry starts before the first entry, NextEntry copies the
    // next one out and moves the cursor onto it; -9011 after the last.
    std::int32_t FirstEntry(std::int32_t& cursor, PTextEntry& entry) const;
    std::int32_t NextEntry(std::int32_t& cursor, PTextEntry& entry) const;

    // Bytes of the value: the binary size when set since the last parse or write, else the stored
    // text size; for a text without its NUL. 0 when absent.
    std::uint32_t GetValueSize(std::string_view key) const;

    // The address of a loaded value; for -1 (or any item that holds no value) the text
    // "(no such param)".
    const void* ValuePtr(std::int32_t item) const;

    // Whether an entry was set, removed or cleared since the last parse or write.
    bool IsChanged() const { return changed_; }
    void SetChanged() { changed_ = true; }

    // Writes the whole text anew: every entry in key order, then a backslash and a NUL. The new
    // text becomes the one the entries refer to; the changed mark is cleared.
    const std::vector<char>& Write();

    // The text as last parsed or written.
    const std::vector<char>& Text() const { return text_; }

private:
    void Insert(const PTextEntry& entry);
    std::int32_t Load(PTextEntry& entry);
    std::int32_t StoreValue(std::int32_t item, const void* data, std::size_t size);
    void FreeValue(std::int32_t item);
    std::int32_t Replace(PTextEntry& entry, char type, const void* value);

    std::vector<char> text_;
    std::vector<PTextEntry> entries_;
    KeyedTextValues values_;
    std::vector<std::int32_t> freeItems_;
    bool changed_ = false;
    std::optional<std::uint32_t> damagedAt_;
    bool mendedWhole_ = false;
};
