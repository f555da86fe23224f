#include "foundation/pfm/KeyedTextReading.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/pfm/PTextValue.h"

bool HasPlainHeader(std::string_view text, std::size_t at) {
    for (std::size_t i = at + 1; i <= at + kPTextMaxHeader + 1; ++i) {
        const char c = StoredByte(text, i);
        if (c == ':') return true;
        if (c == '\\' || c == '\0') return false;
    }
    return false;
}

bool IsWholeValue(std::string_view text, const PTextEntry& entry) {
    const auto type = static_cast<char>(entry.type);
    if (!IsPTextType(type)) return false;
    // No write puts down an empty key, nor one with a backslash, nor a NUL inside a text.
    if (entry.key[0] == '\0' || std::strchr(entry.key, '\\')) return false;
    if (type == kPTextText) {
        // A text without its length runs up to the next backslash, so holds none (and reading it
        // into a NUL is an error of its own): it is whole whatever it holds, and however long.
        if (!IsGivenWithLength(text, entry)) return true;
        return text.substr(entry.valueOffset, entry.textSize - 1).find('\0') == std::string_view::npos;
    }
    return IsPTextNumberText(type, text.substr(entry.valueOffset, entry.textSize));
}

StoredEntry ReadStoredEntry(std::string_view text, std::size_t at) {
    StoredEntry read;
    // The colon comes before any NUL, and before the text's end (beyond which every byte is one).
    std::size_t colon = at + 1;
    while (colon < text.size() && text[colon] != ':' && text[colon] != '\0') ++colon;
    if (colon >= text.size() || text[colon] != ':') {
        read.error = kPTextErrNoColon;
        return read;
    }
    if (colon - at > kPTextMaxHeader + 1) {
        read.error = kPTextErrLongHeader;
        return read;
    }
    std::size_t typeAt = colon - 1;
    while (typeAt > at && IsDecimalDigit(text[typeAt])) --typeAt;
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
        // Up to the next backslash, or the NUL (or the text's end) before it.
        const std::string_view rest = text.substr(std::min(valueAt, text.size()));
        const std::string_view value = rest.substr(0, rest.find('\\'));
        const std::size_t stop = valueAt + std::min(value.find('\0'), value.size());
        // A value that runs into a NUL is unterminated; it is measured up to the NUL all the same.
        if (StoredByte(text, stop) == '\0') read.error = kPTextErrUnterminated;
        length = stop - valueAt;
    }
    entry.valueOffset = static_cast<std::uint32_t>(valueAt);
    entry.endOffset = static_cast<std::uint32_t>(valueAt + length - 1);
    entry.textSize = static_cast<std::uint32_t>(length + (entry.type == kPTextText ? 1 : 0));
    read.next = valueAt + length;
    return read;
}

bool IsWholeEntry(std::string_view text, const StoredEntry& read) {
    if (read.error != kNoErr) return false;
    return (StoredByte(text, read.next) == '\\' || IsCutAfter(text, read.next)) &&
           IsWholeValue(text, read.entry);
}

// Every backslash after the damage is a place reading might go on from. Whether entries read whole
// from one up to the record's end or up to a damaged entry depends only on its own entry and on the
// place after it, so the places are judged from the last to the first, each once, and then walked
// from the first, each once.
std::vector<PTextEntry> WholeEntriesAfter(std::string_view text, std::size_t damaged,
                                          std::string_view lastKey) {
    struct Place {
        std::size_t at = 0;
        // The record's end.
        bool isEnd = false;
        // A whole entry with a plain header: its entry, key and the place after its value.
        bool isWhole = false;
        StoredEntry read;
        std::string_view key;
        std::size_t following = 0;
        // Entries read whole from here, keys ascending, up to the record's end or a damaged entry.
        bool readsOn = false;
    };
    std::vector<Place> places;
    for (std::size_t i = damaged + 1; i < text.size(); ++i)
        if (text[i] == '\\') places.emplace_back().at = i;
    // The text's end, where a text cut short just after a value given with its length ends as the
    // record would.
    places.emplace_back().at = text.size();
    for (std::size_t k = places.size(); k-- > 0;) {
        Place& place = places[k];
        if (place.at == text.size() || IsRecordEnd(text, place.at)) {
            place.isEnd = place.readsOn = true;
            continue;
        }
        if (!HasPlainHeader(text, place.at)) continue;
        place.read = ReadStoredEntry(text, place.at);
        if (!IsWholeEntry(text, place.read)) continue;
        place.isWhole = true;
        place.key = text.substr(place.at + 1, std::strlen(place.read.entry.key));
        place.following = static_cast<std::size_t>(
            std::lower_bound(places.begin(), places.end(), place.read.next,
                             [](const Place& p, std::size_t at) { return p.at < at; }) -
            places.begin());
        const Place& next = places[place.following];
        place.readsOn = next.isEnd || !next.isWhole || (next.readsOn && place.key <= next.key);
    }

    std::vector<PTextEntry> kept;
    std::string_view key = lastKey;
    for (std::size_t k = 0; k < places.size() && !places[k].isEnd;) {
        if (!places[k].readsOn || places[k].key < key) {
            ++k;
            continue;
        }
        // Up to the record's end or the next damaged entry, which the search passes over.
        for (; places[k].isWhole; k = places[k].following) {
            kept.push_back(places[k].read.entry);
            key = places[k].key;
        }
    }
    return kept;
}
