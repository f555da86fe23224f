#include "foundation/pfm/KeyedTextMends.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "foundation/pfm/PTextValue.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

// Whether a key has the shape of those the program writes: a capitalised word of letters and
// digits, and for a numbered key, spaces and the number (in capitals when hexadecimal).
bool HasWrittenKeyShape(std::string_view key) {
    if (key.empty() || !IsCapital(key[0])) return false;
    std::size_t i = 1;
    while (i < key.size() && (IsDigit(key[i]) || IsCapital(key[i]) || (key[i] >= 'a' && key[i] <= 'z'))) ++i;
    if (i == key.size()) return true;
    while (i < key.size() && key[i] == ' ') ++i;
    if (i == key.size()) return false;
    return std::all_of(key.begin() + static_cast<std::ptrdiff_t>(i), key.end(),
                       [](char c) { return IsDigit(c) || IsCapital(c); });
}

// The key of the entry after the value read, when one reads whole there; empty at the record's end
// or before a damaged entry.
std::string KeyAfter(std::string_view text, const StoredEntry& read) {
    if (StoredByte(text, read.next) != '\\' || IsRecordEnd(text, read.next) || !HasPlainHeader(text, read.next))
        return {};
    const StoredEntry after = ReadStoredEntry(text, read.next);
    return IsWholeEntry(text, after) ? std::string(after.entry.key) : std::string();
}

// Whether entries read whole from `from` to exactly `to`, with keys shaped as written, ascending
// after `key`; answers the last key read.
std::optional<std::string> ReadsWholeBetween(std::string_view text, std::size_t from, std::size_t to,
                                             std::string_view key) {
    std::string last(key);
    for (std::size_t at = from; at < to;) {
        if (StoredByte(text, at) != '\\' || !HasPlainHeader(text, at)) return std::nullopt;
        const StoredEntry read = ReadStoredEntry(text, at);
        const std::string_view readKey(read.entry.key);
        if (!IsWholeEntry(text, read) || !HasWrittenKeyShape(readKey) || readKey <= last) return std::nullopt;
        last = readKey;
        at = read.next;
        if (at > to) return std::nullopt;
    }
    return last;
}

}  // namespace

std::optional<JoinedEntries> FindJoinedEntry(std::string_view text, const StoredEntry& read) {
    const PTextEntry& entry = read.entry;
    if (read.error != kNoErr || IsDigit(StoredByte(text, entry.valueOffset - 2))) return std::nullopt;
    const std::string_view key(entry.key);
    // The key of the entry after the value, read once a header shows.
    std::optional<std::string> after;
    // Without an entry after it, a key that begins as the value's own does, as a record's keys most
    // often do.
    const auto fits = [&](std::string_view joinedKey) {
        if (!HasWrittenKeyShape(joinedKey) || joinedKey <= key) return false;
        if (!after) after = KeyAfter(text, read);
        return after->empty() ? joinedKey[0] == key[0] : joinedKey < *after;
    };
    for (std::size_t colon = text.find(':', entry.valueOffset); colon < read.next;
         colon = text.find(':', colon + 1)) {
        std::size_t typeAt = colon - 1;
        while (typeAt > entry.valueOffset && IsDigit(text[typeAt])) --typeAt;
        if (!IsPTextType(text[typeAt])) continue;
        const std::size_t nearest = colon > kPTextMaxHeader + 1 ? colon - kPTextMaxHeader - 1 : 0;
        for (std::size_t at = std::max<std::size_t>(entry.valueOffset, nearest); at + 1 < typeAt; ++at) {
            // A word after a space or an opening mark is the writer's own, as "Music: soft" is.
            if (std::string_view(" \t\r\n([{\"'").find(text[at]) != std::string_view::npos) continue;
            if (!fits(text.substr(at + 1, typeAt - at - 1))) continue;
            const StoredEntry joined = ReadStoredEntry(text, at);
            if (joined.next != read.next || !IsWholeEntry(text, joined)) continue;
            JoinedEntries found{entry, joined.entry, at};
            found.before.endOffset = static_cast<std::uint32_t>(at - 1);
            found.before.textSize =
                static_cast<std::uint32_t>(at - entry.valueOffset + (entry.type == kPTextText ? 1 : 0));
            if (IsWholeValue(text, found.before)) return found;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> LengthAsWritten(std::string_view text, const StoredEntry& read) {
    const PTextEntry& entry = read.entry;
    if (read.error != kNoErr || entry.type != static_cast<unsigned char>(kPTextText)) return std::nullopt;
    const std::size_t colon = entry.valueOffset - 1;
    std::size_t first = colon;
    while (first > entry.entryOffset + 1 && IsDigit(text[first - 1])) --first;
    const std::string_view digits = text.substr(first, colon - first);
    if (digits.empty()) return std::nullopt;
    std::optional<std::string> after;
    std::optional<std::size_t> least;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        // No write puts down a length with a leading zero.
        for (char digit = i == 0 && digits.size() > 1 ? '1' : '0'; digit < digits[i]; ++digit) {
            std::string written(digits);
            written[i] = digit;
            std::size_t length = 0;
            std::from_chars(written.data(), written.data() + written.size(), length);
            const std::size_t end = entry.valueOffset + length;
            if ((least && length >= *least) || StoredByte(text, end) != '\\') continue;
            const std::optional<std::string> last = ReadsWholeBetween(text, end, read.next, entry.key);
            if (!last) continue;
            if (!after) after = KeyAfter(text, read);
            if (after->empty() || *last < *after) least = length;
        }
    }
    return least;
}
