#include "storymodel/NumberList.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

#include "foundation/PlainText.h"

namespace {

// Calls take(value) for each non-empty piece of the text until it answers false. A piece's value:
// spaces, an optional sign, then decimal digits up to the first other character; the rest of the
// piece is passed over. Read as the text is walked, the pieces are never measured first.
template <typename Take>
void ForEachNumber(const char* text, Take take) {
    if (!text) return;
    for (const char* at = text;; ++at) {
        if (*at == '\0') return;
        if (*at == ',') continue;
        // A piece as this program writes it begins with its first digit, with no space or sign to pass.
        bool negative = false;
        if (!IsDecimalDigit(*at)) {
            while (IsCSpace(*at)) ++at;
            negative = *at == '-';
            if (*at == '-' || *at == '+') ++at;
        }
        std::int32_t value = 0;
        for (; IsDecimalDigit(*at); ++at) value = std::min(value * 10 + (*at - '0'), 100000);
        while (*at != ',' && *at != '\0') ++at;
        value = negative ? -value : value;
        if (!take(static_cast<std::int16_t>(std::clamp<std::int32_t>(
                value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()))))
            return;
        if (*at == '\0') return;
    }
}

}  // namespace

bool IsNumberListText(std::string_view text) {
    return text.find_first_not_of("0123456789,+- \t\n\v\f\r") == std::string_view::npos;
}

namespace {

// Writes count numbers, each followed by a comma; answers how many were written.
template <typename NumberAt>
std::int32_t WriteNumbers(String& text, std::int32_t count, NumberAt numberAt) {
    text.Clear();
    std::int32_t written = 0;
    for (; written < count; ++written) {
        char number[8];
        std::snprintf(number, sizeof number, "%hd,", numberAt(written));
        if (!text.Append(number)) break;
    }
    return written;
}

}  // namespace

std::int32_t ShortArrayToText(String& text, const std::int16_t* numbers, std::int32_t count) {
    return WriteNumbers(text, count, [numbers](std::int32_t i) { return numbers[i]; });
}

std::int32_t ShortListToText(String& text, const SList& list) {
    return WriteNumbers(text, list.Count(), [&list](std::int32_t i) { return list.GetAt(i); });
}

std::size_t MostNumbersIn(const char* text) { return text ? (std::strlen(text) + 1) / 2 : 0; }

// The list is given room for the most numbers the text can hold at once, filled by one walk and cut
// to the numbers read, rather than grown (and reallocated) by each number or measured by a walk of
// its own. Only when that room cannot be had are they appended one by one.
std::int32_t TextToShortList(const char* text, SList& list) {
    list.DeleteAll();
    // An empty text (a record without the list) holds none.
    if (!text || *text == '\0') return 0;
    const std::size_t most = MostNumbersIn(text);
    if (most > static_cast<std::size_t>(INT32_MAX) ||
        list.SetCount(static_cast<std::int32_t>(most)) != kNoErr) {
        ForEachNumber(text, [&list](std::int16_t value) { return list.Append(value) >= 0; });
        return list.Count();
    }
    std::int32_t pieces = 0;
    if (most > 0) {
        auto* numbers = static_cast<std::int16_t*>(list.BeginAccess());
        ForEachNumber(text, [&](std::int16_t value) {
            numbers[pieces++] = value;
            return true;
        });
        list.EndAccess();
    }
    list.SetCount(pieces);
    // The first one stored again through the list, which marks it unsorted as storing each number
    // by itself does.
    if (pieces > 0) list.SetAt(list.GetAt(0), 0);
    return list.Count();
}

std::int32_t TextToShortArray(const char* text, std::uint16_t* numbers, std::int32_t capacity) {
    std::int32_t stored = 0;
    ForEachNumber(text, [&](std::int16_t value) {
        if (stored >= capacity) return false;
        numbers[stored++] = static_cast<std::uint16_t>(value);
        return true;
    });
    return stored;
}
