#include "foundation/pfm/KeyedText.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

#include "foundation/pfm/KeyedTextMends.h"
#include "foundation/pfm/KeyedTextReading.h"
#include "foundation/pfm/PTextValue.h"

namespace {

constexpr char kNoSuchParam[] = "(no such param)";
// How many entries a record is given room for before it is read; one holding more grows as it reads.
constexpr std::size_t kEntriesMadeRoomFor = 64;

std::string_view KeyOf(const PTextEntry& entry) { return entry.key; }

// Keys compare byte for byte as unsigned values, a key before its extensions, which is how
// string_view compares; the entry's key is read up to its NUL without being measured first.
int CompareKey(const PTextEntry& entry, std::string_view key) {
    for (std::size_t i = 0; i < key.size(); ++i) {
        const auto mine = static_cast<unsigned char>(entry.key[i]);
        const auto other = static_cast<unsigned char>(key[i]);
        if (mine != other) return mine < other ? -1 : 1;
        // Both end here: the entry's key is the shorter, as the key holds a NUL.
        if (mine == 0) return -1;
    }
    return entry.key[key.size()] == '\0' ? 0 : 1;
}

bool KeyLess(const PTextEntry& entry, std::string_view key) { return CompareKey(entry, key) < 0; }
bool KeyGreater(std::string_view key, const PTextEntry& entry) { return CompareKey(entry, key) > 0; }

void Append(std::vector<char>& out, std::string_view bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// Puts down an entry anew: its backslash, key, type letter, the length where it is kept or needed,
// the colon and the value, which the entry then refers to.
void AppendEntry(std::vector<char>& out, PTextEntry& entry, std::string_view valueText) {
    const char type = static_cast<char>(entry.type);
    out.push_back('\\');
    Append(out, entry.key);
    out.push_back(type);
    if (valueText.size() > kPTextInlineLimit || (entry.flags & kPTextEntryKeepLength)) {
        char digits[12];
        const auto result = std::to_chars(digits, digits + sizeof digits, valueText.size());
        Append(out, std::string_view(digits, result.ptr - digits));
    }
    out.push_back(':');
    entry.valueOffset = static_cast<std::uint32_t>(out.size());
    Append(out, valueText);
    entry.textSize = static_cast<std::uint32_t>(valueText.size() + (type == kPTextText ? 1 : 0));
}

}  // namespace

ErrCode KeyedText::Parse(const char* text, std::size_t size) {
    text_.assign(text, text + size);
    entries_.clear();
    values_.Clear();
    freeItems_.clear();
    changed_ = false;
    damagedAt_.reset();
    mendedWhole_ = false;

    // Every write ends the text with a backslash and a NUL: a closing backslash made another byte is
    // put back, and one lost after the last value is put after it.
    std::optional<std::size_t> closingAt;
    switch (FindLostClosing(std::string_view(text_.data(), text_.size()))) {
        case LostClosing::kNone: break;
        case LostClosing::kMadeAnotherByte:
            closingAt = text_.size() - 2;
            text_[*closingAt] = '\\';
            break;
        case LostClosing::kEndMadeAnotherByte:
            closingAt = text_.size() - 1;
            text_[*closingAt] = '\0';
            break;
        case LostClosing::kLostAfterValue:
            closingAt = text_.size() - 1;
            text_.insert(text_.end() - 1, '\\');
            break;
    }
    // Offsets are 32-bit.
    const std::string_view stored(text_.data(), std::min<std::size_t>(text_.size(), UINT32_MAX));
    ErrCode result = StoredByte(stored, 0) == '\\' ? kNoErr : kPTextErrNoBackslash;
    // An entry takes four bytes at the least (its backslash, a key's byte, the type letter and the
    // colon): room for as many as that, up to the most a record usually holds, is made at once.
    entries_.reserve(std::min<std::size_t>(stored.size() / 4, kEntriesMadeRoomFor));
    std::size_t at = 0;
    // The key of the entry read last, which the entries kept after a damaged one follow.
    char lastKey[kPTextKeySize] = {};
    // Where the first damaged byte was put back as written, and where the first entry whose value
    // is not known was left out (or a text's byte that can no longer be read was marked) while
    // reading went on.
    std::optional<std::uint32_t> mendedAt, leftOutAt;
    const auto note = [](std::optional<std::uint32_t>& first, std::size_t byte) {
        if (!first) first = static_cast<std::uint32_t>(byte);
    };
    if (closingAt) note(mendedAt, *closingAt);
    while (result == kNoErr && !IsRecordEnd(stored, at)) {
        // Cut short just after a backslash or a value: whether an entry or the record's end followed
        // is lost.
        if (at + 1 >= stored.size()) break;
        StoredEntry read = ReadStoredEntry(stored, at);
        // An entry that reads whole is as written, whatever its value holds; only one that no write
        // could have put down is looked at for a byte to put back.
        bool whole = IsWholeEntry(stored, read);
        if (!whole) {
            // A damaged digit of a length ends the value where no backslash stands: one made larger
            // takes in the backslash of the entry after it, one made smaller stops short of it as a
            // damaged backslash would, which is looked for first. The digit put back keeps every byte.
            const std::optional<LengthDigit> digit = DamagedLengthDigit(stored, read);
            const bool madeLarger = digit && digit->written < text_[digit->at];
            // A value that ran one byte over into the next entry's backslash lost a byte of its own,
            // where no one digit explains it: it is read up to that backslash, and written anew with
            // its length as it now is.
            const bool shortened = !digit && RunsOneByteOver(stored, read);
            std::optional<std::size_t> lost;
            if (!madeLarger && !shortened) lost = LostBackslashAfter(stored, read);
            if (shortened) {
                read.entry.textSize -= 1;
                read.entry.endOffset -= 1;
                read.next -= 1;
                const std::string value(stored.substr(read.entry.valueOffset, read.entry.textSize - 1));
                if (Replace(read.entry, kPTextText, value.c_str()) >= 0)
                    note(leftOutAt, read.next);
                else
                    read = ReadStoredEntry(stored, at);
            } else if (lost) {
                text_[*lost] = '\\';
                read = ReadStoredEntry(stored, at);
                note(mendedAt, *lost);
            } else if (digit) {
                text_[digit->at] = digit->written;
                read = ReadStoredEntry(stored, at);
                note(mendedAt, digit->at);
            } else if (const std::optional<ByteRange> unread = UnreadableTextBytes(stored, read)) {
                // The text is kept, each byte that can no longer be read shown as a '?'.
                std::replace(text_.begin() + static_cast<std::ptrdiff_t>(unread->from),
                             text_.begin() + static_cast<std::ptrdiff_t>(unread->to), '\0', '?');
                read = ReadStoredEntry(stored, at);
                note(leftOutAt, unread->from);
            }
            // An entry whose backslash was lost is parted from the value it ran into, and its
            // backslash put back, so that both are kept and written as they were.
            if (const std::optional<JoinedEntries> joined = FindJoinedEntry(stored, read)) {
                text_[joined->at] = '\\';
                if (joined->beforeKnown) Insert(joined->before);
                note(joined->beforeKnown ? mendedAt : leftOutAt, joined->at);
                Insert(joined->joined);
                std::memcpy(lastKey, joined->joined.key, sizeof lastKey);
                at = read.next;
                continue;
            }
            whole = IsWholeEntry(stored, read);
        }
        result = read.error;
        // A value that no entry follows was given a wrong length, or the text after it is damaged; a
        // header that runs on into the next entry, a type letter of no value type and a number that
        // is none are damaged too: reading ends there.
        if (!whole) break;
        Insert(read.entry);
        std::memcpy(lastKey, read.entry.key, sizeof lastKey);
        at = read.next;
    }
    // A record ends once, with what every write puts down last: an end met before that one is a key
    // whose first byte was made NUL.
    const bool ended = result == kNoErr && IsRecordEnd(stored, at);
    // The first damaged byte reading went past, put back or leaving an entry out.
    std::optional<std::uint32_t> firstDamage = mendedAt;
    if (leftOutAt && (!firstDamage || *leftOutAt < *firstDamage)) firstDamage = leftOutAt;
    if (ended && (at + 2 >= stored.size() || !IsRecordEnd(stored, stored.size() - 2))) {
        if (firstDamage) {
            damagedAt_ = firstDamage;
            mendedWhole_ = !leftOutAt;
            changed_ = true;
        }
        return kNoErr;
    }

    // The damaged entry is left out; the entries that read whole after it are kept, and the record
    // is changed, so that its next write puts down a whole text holding them.
    damagedAt_ = firstDamage.value_or(static_cast<std::uint32_t>(at));
    changed_ = true;
    for (const PTextEntry& entry : WholeEntriesAfter(stored, at, lastKey)) Insert(entry);
    return result;
}

// Records are written in key order, so an entry usually goes last; only one out of order is looked
// for its place.
void KeyedText::Insert(const PTextEntry& entry) {
    // Keys hold no NUL, and strcmp compares bytes unsigned, as the index orders them.
    if (entries_.empty() || std::strcmp(entries_.back().key, entry.key) <= 0) {
        entries_.push_back(entry);
    } else {
        const auto place = std::upper_bound(entries_.begin(), entries_.end(), KeyOf(entry), KeyGreater);
        entries_.insert(place, entry);
    }
}

std::int32_t KeyedText::IndexOf(std::string_view key) const {
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), key, KeyLess);
    if (found == entries_.end() || CompareKey(*found, key) != 0) return -1;
    return static_cast<std::int32_t>(found - entries_.begin());
}

char KeyedText::TypeOf(std::string_view key) const {
    const std::int32_t index = IndexOf(key);
    return index < 0 ? '\0' : static_cast<char>(entries_[static_cast<std::size_t>(index)].type);
}

std::int32_t KeyedText::GetEntry(std::string_view key, char type, void* buffer, std::int32_t size) {
    return GetEntryAt(IndexOf(key), type, buffer, size);
}

std::int32_t KeyedText::GetEntryAt(std::int32_t index, char type, void* buffer, std::int32_t size) {
    if (!IsPTextType(type)) return kPTextErrBadType;
    if (index < 0 || index >= Count()) return kPTextErrNoKey;
    PTextEntry& entry = entries_[index];
    if (entry.type != static_cast<unsigned char>(type)) return kPTextErrTypeMismatch;
    const std::int32_t item = Load(entry);
    if (item < 0 || !buffer) return item;

    const std::string& value = values_[static_cast<std::size_t>(item)];
    if (type == kPTextText) {
        if (size == 0) return item;
        std::size_t count = value.size() - 1;
        if (size > 0) count = std::min<std::size_t>(count, static_cast<std::size_t>(size) - 1);
        std::memcpy(buffer, value.data(), count);
        static_cast<char*>(buffer)[count] = '\0';
    } else {
        std::memcpy(buffer, value.data(), value.size());
    }
    return item;
}

std::int32_t KeyedText::Load(PTextEntry& entry) {
    if (entry.poolItem >= 0) return entry.poolItem;
    const char type = static_cast<char>(entry.type);
    const char* text = text_.data() + entry.valueOffset;
    if (type == kPTextText) {
        entry.poolItem = StoreValue(-1, text, entry.textSize - 1);
        values_[static_cast<std::size_t>(entry.poolItem)].push_back('\0');
    } else {
        char binary[8];
        ParsePTextNumber(type, std::string_view(text, entry.textSize), binary);
        entry.poolItem = StoreValue(-1, binary, PTextNumberSize(type));
    }
    return entry.poolItem;
}

std::int32_t KeyedText::SetEntry(std::string_view key, char type, const void* value) {
    if (!IsPTextType(type)) return kPTextErrBadType;
    const std::int32_t index = IndexOf(key);
    if (index >= 0) return SetEntryAt(index, type, value);

    if (key.empty() || key.size() >= static_cast<std::size_t>(kPTextMaxHeader) ||
        key.find_first_of(std::string_view("\\:\0", 3)) != std::string_view::npos) {
        return kPTextErrLongHeader;
    }
    PTextEntry entry;
    key.copy(entry.key, key.size());
    entry.type = static_cast<unsigned char>(type);
    entry.flags = kPTextEntryNew;
    const std::int32_t item = Replace(entry, type, value);
    if (item < 0) return item;
    const auto place = std::upper_bound(entries_.begin(), entries_.end(), key, KeyGreater);
    entries_.insert(place, entry);
    return item;
}

std::int32_t KeyedText::SetEntryAt(std::int32_t index, char type, const void* value) {
    if (!IsPTextType(type)) return kPTextErrBadType;
    if (index < 0 || index >= Count()) return kPTextErrNoKey;
    PTextEntry& entry = entries_[index];
    if (entry.type != static_cast<unsigned char>(type)) return kPTextErrTypeMismatch;
    return Replace(entry, type, value);
}

std::int32_t KeyedText::Replace(PTextEntry& entry, char type, const void* value) {
    std::size_t size = 0;
    std::size_t textLength = 0;
    bool keepLength = (entry.flags & kPTextEntryKeepLength) != 0;
    if (type == kPTextText) {
        const char* text = static_cast<const char*>(value);
        textLength = std::strlen(text);
        if (textLength > kPTextMaxTextValue) return kPTextErrValueTooLong;
        size = textLength + 1;
        // A text that holds a backslash is always written with its length, so that it never reads as
        // more than one entry; so is one that holds what could read as a header, where its header
        // holds the length, as the version before this one parted such a text read without it.
        if (std::memchr(text, '\\', textLength) ||
            (HoldsHeaderInside({text, textLength}) && LengthFits(entry.key, textLength)))
            keepLength = true;
    } else {
        size = PTextNumberSize(type);
        textLength = FormatPTextNumber(type, value).size();
    }
    // The key, the type letter and any length digits must fit the header, or the text written
    // could never be read back.
    const bool withLength = keepLength || textLength > kPTextInlineLimit;
    const bool fits = withLength ? LengthFits(entry.key, textLength)
                                 : std::strlen(entry.key) + 1 <= static_cast<std::size_t>(kPTextMaxHeader);
    if (!fits) return kPTextErrLongHeader;

    entry.poolItem = StoreValue(entry.poolItem, value, size);
    entry.valueSize = static_cast<std::uint32_t>(size);
    entry.flags |= kPTextEntryValueNewer;
    if (keepLength) entry.flags |= kPTextEntryKeepLength;
    changed_ = true;
    return entry.poolItem;
}

std::int32_t KeyedText::Remove(std::string_view key) {
    const std::int32_t index = IndexOf(key);
    if (index < 0) return kPTextErrNoKey;
    FreeValue(entries_[index].poolItem);
    entries_.erase(entries_.begin() + index);
    changed_ = true;
    return kNoErr;
}

void KeyedText::Clear() {
    entries_.clear();
    values_.Clear();
    freeItems_.clear();
    changed_ = true;
}

std::int32_t KeyedText::FirstEntry(std::int32_t& cursor, PTextEntry& entry) const {
    cursor = -1;
    return NextEntry(cursor, entry);
}

std::int32_t KeyedText::NextEntry(std::int32_t& cursor, PTextEntry& entry) const {
    if (cursor < -1 || cursor + 1 >= Count()) {
        cursor = Count();
        return kPTextErrEndOfEntries;
    }
    entry = entries_[++cursor];
    return kNoErr;
}

std::uint32_t KeyedText::GetValueSize(std::string_view key) const {
    const std::int32_t index = IndexOf(key);
    if (index < 0) return 0;
    const PTextEntry& entry = entries_[index];
    const std::uint32_t size = (entry.flags & kPTextEntryValueNewer) ? entry.valueSize : entry.textSize;
    return entry.type == kPTextText && size > 0 ? size - 1 : size;
}

const void* KeyedText::ValuePtr(std::int32_t item) const {
    if (item < 0 || static_cast<std::size_t>(item) >= values_.Size() || values_[item].empty()) {
        return kNoSuchParam;
    }
    return values_[item].data();
}

std::int32_t KeyedText::StoreValue(std::int32_t item, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    if (item < 0 && freeItems_.empty()) {
        values_.Add(bytes, size);
        return static_cast<std::int32_t>(values_.Size() - 1);
    }
    if (item < 0) {
        item = freeItems_.back();
        freeItems_.pop_back();
    }
    values_[item].assign(bytes, bytes + size);
    return item;
}

void KeyedText::FreeValue(std::int32_t item) {
    if (item < 0) return;
    values_[item].clear();
    values_[item].shrink_to_fit();
    freeItems_.push_back(item);
}

const std::vector<char>& KeyedText::Write() {
    std::vector<char> out;
    out.reserve(text_.size() + 2);
    for (PTextEntry& entry : entries_) {
        const std::size_t start = out.size();
        const char type = static_cast<char>(entry.type);
        if (entry.flags & kPTextEntryValueNewer) {
            const std::string& value = values_[static_cast<std::size_t>(entry.poolItem)];
            const std::string number =
                type == kPTextText ? std::string() : FormatPTextNumber(type, value.data());
            AppendEntry(out, entry,
                        type == kPTextText ? std::string_view(value.data(), value.size() - 1)
                                           : std::string_view(number));
        } else {
            const std::size_t stop = std::size_t{entry.endOffset} + 1;
            Append(out, std::string_view(text_.data() + entry.entryOffset, stop - entry.entryOffset));
            entry.valueOffset = static_cast<std::uint32_t>(start + (entry.valueOffset - entry.entryOffset));
        }
        entry.entryOffset = static_cast<std::uint32_t>(start);
        entry.endOffset = static_cast<std::uint32_t>(out.size() - 1);
        entry.flags &= static_cast<std::uint8_t>(~(kPTextEntryNew | kPTextEntryValueNewer));
    }
    out.push_back('\\');
    out.push_back('\0');
    text_ = std::move(out);
    changed_ = false;
    damagedAt_.reset();
    return text_;
}
