#include "foundation/pfm/KeyedTextMends.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "foundation/pfm/PTextValue.h"

namespace {

bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

// Whether a number may be written with the byte: a digit, a minus or a decimal point.
bool IsNumberByte(char c) { return IsDecimalDigit(c) || c == '-' || c == '.'; }

// Whether a key has the shape of those the program writes: a capitalised word of letters and
// digits, and for a numbered key, spaces and the number (in capitals when hexadecimal).
bool HasWrittenKeyShape(std::string_view key) {
    if (key.empty() || !IsCapital(key[0])) return false;
    std::size_t i = 1;
    while (i < key.size() &&
           (IsDecimalDigit(key[i]) || IsCapital(key[i]) || (key[i] >= 'a' && key[i] <= 'z')))
        ++i;
    if (i == key.size()) return true;
    while (i < key.size() && key[i] == ' ') ++i;
    if (i == key.size()) return false;
    return std::all_of(key.begin() + static_cast<std::ptrdiff_t>(i), key.end(),
                       [](char c) { return IsDecimalDigit(c) || IsCapital(c); });
}

// The key of the entry after the value read, when one reads whole there; empty at the record's end
// or before a damaged entry.
std::string KeyAfter(std::string_view text, const StoredEntry& read) {
    if (StoredByte(text, read.next) != '\\' || IsRecordEnd(text, read.next) ||
        !HasPlainHeader(text, read.next))
        return {};
    const StoredEntry after = ReadStoredEntry(text, read.next);
    return IsWholeEntry(text, after) ? std::string(after.entry.key) : std::string();
}

// Whether a byte stands where a writer's words part: a space or an opening mark.
bool IsWordBreak(char c) { return std::string_view(" \t\r\n([{\"'").find(c) != std::string_view::npos; }

// Whether the byte at `at` (not before `from`, where the text begins) is a word break, or the first
// letter or digit of a word.
bool StartsAWord(std::string_view text, std::size_t from, std::size_t at) {
    return IsWordBreak(text[at]) ||
           (std::isalnum(static_cast<unsigned char>(text[at])) && (at == from || IsWordBreak(text[at - 1])));
}

// Whether the byte at `at` lies inside a word of capitals that begins at a word's start (at `from`
// or after a word break): a key read from inside it is a tail of that word, as "SC2" is of a
// "SCNDESC2" the writer typed or whose backslash became a space.
bool InsideACapitalWord(std::string_view text, std::size_t from, std::size_t at) {
    for (std::size_t i = at; IsCapital(text[i]); --i)
        if (i == from || IsWordBreak(text[i - 1])) return true;
    return false;
}

// Whether the byte at `at` ends a character of more than one byte (in UTF-8, which the writer's
// texts are kept in): a key after it follows a dash or a letter the writer typed.
bool EndsAWideCharacter(std::string_view text, std::size_t from, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    return at > from && (byte(at) & 0xC0) == 0x80 && byte(at - 1) >= 0x80;
}

// Calls `found(at, typeAt)` for each place in text[from, to) where the header of an entry whose
// backslash was lost could stand: the byte in the backslash's place at `at`, a key shaped as
// written, a type letter at `typeAt`, any length digits and a colon. Inside a text (`inText`), where
// a writer's words may read so, the byte in the backslash's place is no word break nor a word's first
// letter, nor a capital inside a word of capitals begun so, nor the end of a wide character: a key
// after a space, an opening mark or a dash is the writer's own word, as "Music: soft" is.
// Answers true once `found` does.
template <typename Found>
bool AnyHeaderInside(std::string_view text, std::size_t from, std::size_t to, bool inText, Found found) {
    for (std::size_t colon = text.find(':', from); colon < to; colon = text.find(':', colon + 1)) {
        // The backslash's place, a key of one letter at least and the type letter stand before it.
        if (colon < from + 3) continue;
        std::size_t typeAt = colon - 1;
        while (typeAt > from && IsDecimalDigit(text[typeAt])) --typeAt;
        if (!IsPTextType(text[typeAt])) continue;
        const std::size_t nearest = colon > kPTextMaxHeader + 1 ? colon - kPTextMaxHeader - 1 : 0;
        for (std::size_t at = std::max(from, nearest); at + 1 < typeAt; ++at) {
            if (inText && (StartsAWord(text, from, at) || InsideACapitalWord(text, from, at) ||
                           EndsAWideCharacter(text, from, at)))
                continue;
            if (HasWrittenKeyShape(text.substr(at + 1, typeAt - at - 1)) && found(at, typeAt)) return true;
        }
    }
    return false;
}

// Whether the entry written after a value reads whole from the backslash at `at`: its key shaped as
// written and after the value's own.
bool WrittenEntryFollowsAt(std::string_view text, std::size_t at, std::string_view valueKey) {
    if (!HasPlainHeader(text, at)) return false;
    const StoredEntry next = ReadStoredEntry(text, at);
    const std::string_view nextKey(next.entry.key);
    return IsWholeEntry(text, next) && HasWrittenKeyShape(nextKey) && nextKey > valueKey;
}

// Whether, besides, that entry's key comes before the key of the entry written after it, as the
// keys of every record are written.
bool WrittenEntryFollowsInOrderAt(std::string_view text, std::size_t at, std::string_view valueKey) {
    if (!WrittenEntryFollowsAt(text, at, valueKey)) return false;
    const StoredEntry next = ReadStoredEntry(text, at);
    const std::string after = KeyAfter(text, next);
    return after.empty() || std::string_view(next.entry.key) < after;
}

// Whether an entry reads whole from a backslash in text[from, to): a length that makes a value
// take in such an entry is not the one written.
bool HoldsWholeEntry(std::string_view text, std::size_t from, std::size_t to) {
    for (std::size_t at = text.find('\\', from); at < to; at = text.find('\\', at + 1))
        if (HasPlainHeader(text, at) && IsWholeEntry(text, ReadStoredEntry(text, at))) return true;
    return false;
}

// Whether the entry's key is one a write could have put down: neither empty nor holding a backslash.
bool HasWholeKey(const PTextEntry& entry) { return entry.key[0] != '\0' && !std::strchr(entry.key, '\\'); }

}  // namespace

bool LengthFits(std::string_view key, std::size_t length) {
    std::size_t digits = 1;
    for (; length >= 10; length /= 10) ++digits;
    return key.size() + 1 + digits <= static_cast<std::size_t>(kPTextMaxHeader);
}

bool HoldsHeaderInside(std::string_view value) {
    return AnyHeaderInside(value, 0, value.size(), true, [](std::size_t, std::size_t) { return true; });
}

std::optional<JoinedEntries> FindJoinedEntry(std::string_view text, const StoredEntry& read) {
    const PTextEntry& entry = read.entry;
    const std::string_view key(entry.key);
    // Only a number with bytes no number is written with may hold an entry whose backslash was lost.
    // A text without its length runs up to the next backslash whatever words it holds: it is read
    // as written, even where a lost backslash joined two entries into it, as nothing in it tells the
    // two apart from a writer's own words.
    if (read.error != kNoErr || entry.type == kPTextText || IsGivenWithLength(text, entry) ||
        IsWholeValue(text, entry))
        return std::nullopt;
    // The key of the entry after the value, read once a header shows.
    std::optional<std::string> after;
    const auto fits = [&](std::string_view joinedKey) {
        if (joinedKey <= key) return false;
        if (!after) after = KeyAfter(text, read);
        return after->empty() || joinedKey < *after;
    };
    // The lost backslash may have become any byte: where no number is written with it first, and
    // only then where a number byte can have been it.
    std::optional<JoinedEntries> found;
    const auto part = [&](bool atNumberBytes) {
        return AnyHeaderInside(
            text, entry.valueOffset, read.next, false, [&](std::size_t at, std::size_t typeAt) {
                if (IsNumberByte(text[at]) != atNumberBytes || !fits(text.substr(at + 1, typeAt - at - 1)))
                    return false;
                const StoredEntry joined = ReadStoredEntry(text, at);
                if (joined.next != read.next || !IsWholeEntry(text, joined)) return false;
                found = JoinedEntries{entry, joined.entry, at};
                found->before.endOffset = static_cast<std::uint32_t>(at - 1);
                found->before.textSize = static_cast<std::uint32_t>(at - entry.valueOffset);
                found->beforeKnown = !atNumberBytes;
                return IsWholeValue(text, found->before);
            });
    };
    return part(false) || part(true) ? found : std::nullopt;
}

std::optional<LengthDigit> DamagedLengthDigit(std::string_view text, const StoredEntry& read) {
    const PTextEntry& entry = read.entry;
    // A length past the record's end is read no further than the header.
    if (read.error != kNoErr && read.error != kPTextErrUnterminated) return std::nullopt;
    const std::size_t at = entry.entryOffset;
    const std::size_t colon = text.find(':', at + 1);
    if (colon == std::string_view::npos || !IsDecimalDigit(text[colon - 1])) return std::nullopt;
    std::size_t first = colon - 1;
    while (first > at + 1 && IsDecimalDigit(text[first - 1])) --first;
    // No record is as long as a length of more digits.
    if (colon - first > 10) return std::nullopt;
    const std::string_view key(entry.key);
    std::optional<LengthDigit> found;
    int fitting = 0;
    for (std::size_t digit = first; digit < colon; ++digit) {
        for (char written = '0'; written <= '9'; ++written) {
            // No write puts down a length with a leading 0.
            if (written == text[digit] || (written == '0' && digit == first && colon - first > 1)) continue;
            std::size_t length = 0;
            for (std::size_t i = first; i < colon; ++i)
                length = length * 10 + static_cast<std::size_t>((i == digit ? written : text[i]) - '0');
            const std::size_t end = colon + 1 + length;
            if (end >= text.size() || text[end] != '\\') continue;
            PTextEntry value = entry;
            value.valueOffset = static_cast<std::uint32_t>(colon + 1);
            value.textSize = static_cast<std::uint32_t>(length + (entry.type == kPTextText ? 1 : 0));
            if (!IsWholeValue(text, value) || HoldsWholeEntry(text, value.valueOffset, end) ||
                !(IsRecordEnd(text, end) || WrittenEntryFollowsAt(text, end, key)))
                continue;
            found = LengthDigit{digit, written};
            ++fitting;
        }
    }
    return fitting == 1 ? found : std::nullopt;
}

bool RunsOneByteOver(std::string_view text, const StoredEntry& read) {
    const PTextEntry& entry = read.entry;
    if (read.error != kNoErr || entry.type != kPTextText || !IsGivenWithLength(text, entry) ||
        read.next <= entry.valueOffset || StoredByte(text, read.next) == '\\')
        return false;
    const std::size_t last = read.next - 1;
    if (text[last] != '\\' || !(IsRecordEnd(text, last) || WrittenEntryFollowsAt(text, last, entry.key)))
        return false;
    PTextEntry shorter = entry;
    shorter.textSize -= 1;
    return IsWholeValue(text, shorter);
}

std::optional<std::size_t> LostBackslashAfter(std::string_view text, const StoredEntry& read) {
    const PTextEntry& entry = read.entry;
    // Given with its length, the value ends where the backslash stands; without it, the value runs
    // on up to the next backslash or NUL, and a NUL before the record's last byte stands where no
    // write puts one.
    const bool lengthed = IsGivenWithLength(text, entry);
    const bool stopped = lengthed ? read.error == kNoErr && read.next < text.size() && text[read.next] != '\\'
                                  : read.error == kPTextErrUnterminated && read.next + 1 < text.size();
    if (!stopped || !IsWholeValue(text, entry)) return std::nullopt;
    // A NUL inside a text without its length may as well have been one of the text's own bytes:
    // it stands for the backslash only where the entry read from it comes in its place among the
    // keys, which the rest of a writer's words does not.
    const bool follows = lengthed ? WrittenEntryFollowsAt(text, read.next, entry.key)
                                  : WrittenEntryFollowsInOrderAt(text, read.next, entry.key);
    return follows ? std::optional(read.next) : std::nullopt;
}

std::optional<ByteRange> UnreadableTextBytes(std::string_view text, const StoredEntry& read) {
    const PTextEntry& entry = read.entry;
    if (entry.type != kPTextText || !HasWholeKey(entry)) return std::nullopt;
    if (IsGivenWithLength(text, entry)) {
        const ByteRange value{entry.valueOffset, entry.valueOffset + entry.textSize - 1};
        const bool ends = StoredByte(text, read.next) == '\\' || IsCutAfter(text, read.next);
        if (read.error != kNoErr || !ends || text.substr(value.from, value.to - value.from).find('\0') ==
                                                 std::string_view::npos)
            return std::nullopt;
        return value;
    }
    // Without its length, the text runs on over the NUL up to the next backslash.
    if (read.error != kPTextErrUnterminated) return std::nullopt;
    const std::size_t end = text.find('\\', entry.valueOffset);
    if (end == std::string_view::npos) return std::nullopt;
    return ByteRange{entry.valueOffset, end};
}

LostClosing FindLostClosing(std::string_view text) {
    const std::size_t size = text.size();
    if (size < 3 || text[0] != '\\') return LostClosing::kNone;
    if (text.back() != '\0')
        return text[size - 2] == '\\' && !IsCapital(text.back()) ? LostClosing::kEndMadeAnotherByte
                                                                 : LostClosing::kNone;
    if (text[size - 2] == '\\') return LostClosing::kNone;
    // The last entry, found by reading on from the first as far as entries read: one whose value,
    // given with its length or running to the NUL, ends at the NUL.
    std::size_t last = 0;
    StoredEntry read;
    for (;;) {
        if (!HasPlainHeader(text, last)) return LostClosing::kMadeAnotherByte;
        read = ReadStoredEntry(text, last);
        if (read.next + 1 >= size || read.error != kNoErr || text[read.next] != '\\') break;
        last = read.next;
    }
    const PTextEntry& entry = read.entry;
    if (IsGivenWithLength(text, entry))
        return read.error == kNoErr && read.next == size - 1 && IsWholeValue(text, entry)
                   ? LostClosing::kLostAfterValue
                   : LostClosing::kMadeAnotherByte;
    if (read.error != kPTextErrUnterminated || read.next != size - 1) return LostClosing::kMadeAnotherByte;
    return IsWholeValue(text, entry) ? LostClosing::kLostAfterValue : LostClosing::kMadeAnotherByte;
}
