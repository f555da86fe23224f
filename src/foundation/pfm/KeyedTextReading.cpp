#include "foundation/pfm/KeyedTextReading.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "foundation/pfm/PTextValue.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the entry at the offset has a header that a write of the record could have made: a
// colon within the header's length, before any other backslash, so that a key is never taken from
// across two entries.
bool HasPlainHeader(std::string_view text, std::size_t at) {
    for (std::size_t i = at + 1; i <= at + kPTextMaxHeader + 1; ++i) {
        const char c = StoredByte(text, i);
        if (c == ':') return true;
        if (c == '\\' || c == '\0') return false;
    }
    return false;
}

}  // namespace

StoredEntry ReadStoredEntry(std::string_view text, std::size_t at) {
    StoredEntry read;
    std::size_t colon = at + 1;
    while (StoredByte(text, colon) != ':') {
        if (StoredByte(text, colon) == '\0') {
            read.error = kPTextErrNoColon;
            return read;
        }
        ++colon;
    }
    if (colon - at > kPTextMaxHeader + 1) {
        read.error = kPTextErrLongHeader;
        return read;
    }
    std::size_t typeAt = colon - 1;
    while (typeAt > at && IsDigit(text[typeAt])) --typeAt;
    if (typeAt == at) {
        read.error = kPTextErrNoType;
        return read;
    }

    PTextEntry& entry = read.entry;
    entry.entryOffset = static_cast<std::uint32_t>(at);
    entry.type = static_cast<unsigned char>(text[typeAt]);
    std::memcpy(entry.key, &text[at + 1], typeAt - at - 1);
    const std::size_t valueAt = colon + 1;
    std::size_t length = 0;
    if (typeAt + 1 < colon) {
        for (std::size_t i = typeAt + 1; i < colon; ++i)
            length =
                std::min<std::size_t>(length * 10 + static_cast<std::size_t>(text[i] - '0'), text.size() + 1);
        if (length > text.size() - std::min(valueAt, text.size())) {
            read.error = kPTextErrUnterminated;
            return read;
        }
        if (entry.type == kPTextText && length <= kPTextInlineLimit) entry.flags = kPTextEntryKeepLength;
    } else {
        std::size_t stop = valueAt;
        while (StoredByte(text, stop) != '\\') {
            if (StoredByte(text, stop) == '\0') {
                read.error = kPTextErrUnterminated;
                return read;
            }
            ++stop;
        }
        length = stop - valueAt;
    }
    entry.valueOffset = static_cast<std::uint32_t>(valueAt);
    entry.endOffset = static_cast<std::uint32_t>(valueAt + length - 1);
    entry.textSize = static_cast<std::uint32_t>(length + (entry.type == kPTextText ? 1 : 0));
    read.next = valueAt + length;
    return read;
}

// Every backslash after the damage is a place reading might go on from. Whether entries read whole
// from one up to the record's end depends only on its own entry and on the place after it, so the
// places are judged from the last to the first, each once.
std::size_t FindWholeEntriesAfter(std::string_view text, std::size_t damaged, std::string_view lastKey) {
    std::vector<std::size_t> places;
    for (std::size_t i = damaged + 1; i < text.size(); ++i)
        if (text[i] == '\\') places.push_back(i);
    // Each place's key; whether it is the record's end; whether entries read whole from it.
    std::vector<std::string_view> keys(places.size());
    std::vector<char> isEnd(places.size(), 0);
    std::vector<char> whole(places.size(), 0);
    for (std::size_t k = places.size(); k-- > 0;) {
        const std::size_t at = places[k];
        if (IsRecordEnd(text, at)) {
            isEnd[k] = whole[k] = 1;
            continue;
        }
        if (!HasPlainHeader(text, at)) continue;
        const StoredEntry read = ReadStoredEntry(text, at);
        const std::size_t keyLength = std::strlen(read.entry.key);
        if (read.error != kNoErr || keyLength == 0 || !IsPTextType(static_cast<char>(read.entry.type)) ||
            StoredByte(text, read.next) != '\\') {
            continue;
        }
        keys[k] = text.substr(at + 1, keyLength);
        const std::size_t following = static_cast<std::size_t>(
            std::lower_bound(places.begin(), places.end(), read.next) - places.begin());
        whole[k] = whole[following] && (isEnd[following] || keys[k] <= keys[following]);
    }
    for (std::size_t k = 0; k < places.size(); ++k) {
        if (whole[k] && (isEnd[k] || keys[k] >= lastKey)) return places[k];
    }
    return text.size();
}
