#include "foundation/PlainText.h"

#include <algorithm>
#include <cstring>

namespace {

const char* OrEmpty(const char* text) { return text ? text : ""; }

int Sign(int difference) { return difference < 0 ? -1 : (difference > 0 ? 1 : 0); }

}  // namespace

char UpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int StrCompare(const char* a, const char* b) { return Sign(std::strcmp(OrEmpty(a), OrEmpty(b))); }

int StrNCompare(const char* a, const char* b, std::uint32_t n) {
    return Sign(std::strncmp(OrEmpty(a), OrEmpty(b), n));
}

int StrCompareNoCase(const char* a, const char* b) {
    a = OrEmpty(a);
    b = OrEmpty(b);
    for (;; ++a, ++b) {
        // Bytes the same are the same in any case; only where they differ are they folded.
        if (*a == *b) {
            if (*a == '\0') return 0;
            continue;
        }
        const auto x = static_cast<signed char>(UpperChar(*a));
        const auto y = static_cast<signed char>(UpperChar(*b));
        if (x != y) return Sign(x - y);
        if (x == 0) return 0;
    }
}

char* StrCopy(char* dest, const char* src) { return std::strcpy(dest, OrEmpty(src)); }

bool StrCopyMax(char* dest, const char* src, std::uint32_t size) {
    src = OrEmpty(src);
    const std::size_t length = std::strlen(src);
    if (size == 0) return length > 0;
    const std::size_t copied = std::min<std::size_t>(length, size - 1);
    std::memcpy(dest, src, copied);
    dest[copied] = '\0';
    return copied < length;
}

void StrNCopy(char* dest, const char* src, std::uint32_t n) {
    src = OrEmpty(src);
    std::uint32_t i = 0;
    for (; i < n && src[i]; ++i) dest[i] = src[i];
    for (; i < n; ++i) dest[i] = '\0';
}

std::uint32_t StrLength(const char* text) { return text ? static_cast<std::uint32_t>(std::strlen(text)) : 0; }

const char* StrFindChar(const char* text, char c) { return text ? std::strchr(text, c) : nullptr; }

char* StrFindChar(char* text, char c) { return text ? std::strchr(text, c) : nullptr; }

const char* SkipSpace(const char* text) {
    while (*text && IsCSpace(*text)) ++text;
    return text;
}

const char* SkipNonSpace(const char* text) {
    while (*text && !IsCSpace(*text)) ++text;
    return text;
}

void CopyRange(char* dest, const char* from, const char* to) {
    while (from < to && *from) *dest++ = *from++;
    *dest = '\0';
}

const char* NextWord(const char* text, char* dest, std::uint32_t size, ErrCode* error) {
    const char* start = SkipSpace(text);
    const char* end = SkipNonSpace(start);
    const auto length = static_cast<std::uint32_t>(end - start);
    ErrCode result = kNoErr;
    if (length == 0) {
        result = -2;
    } else if (size == 0 || length > size - 1) {
        result = -3;
    }
    if (size > 0) {
        const std::uint32_t copied = std::min(length, size - 1);
        std::memcpy(dest, start, copied);
        dest[copied] = '\0';
    }
    if (error) *error = result;
    return end;
}

const char* StrFindNoCase(const char* text, const char* pattern) {
    text = OrEmpty(text);
    pattern = OrEmpty(pattern);
    const std::size_t textLength = std::strlen(text);
    const std::size_t patternLength = std::strlen(pattern);
    if (patternLength > textLength) return nullptr;
    for (std::size_t p = 0; p + patternLength <= textLength; ++p) {
        std::size_t i = 0;
        while (i < patternLength && UpperChar(text[p + i]) == UpperChar(pattern[i])) ++i;
        if (i == patternLength) return text + p;
    }
    return nullptr;
}

char* AppendChar(char* text, char c) {
    const std::size_t length = std::strlen(text);
    text[length] = c;
    text[length + 1] = '\0';
    return text;
}

char* PStrToCStr(char* text) {
    const auto length = static_cast<unsigned char>(text[0]);
    std::memmove(text, text + 1, length);
    text[length] = '\0';
    return text;
}

char* CStrToPStr(char* text) {
    const std::size_t length = std::min<std::size_t>(std::strlen(text), 255);
    std::memmove(text + 1, text, length);
    text[0] = static_cast<char>(length);
    return text;
}

std::int32_t StrToLong(const char* text) {
    const char* p = OrEmpty(text);
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r') ++p;
    const bool negative = *p == '-';
    if (negative) ++p;
    // Unsigned arithmetic, so that overflow wraps instead of being undefined.
    std::uint32_t value = 0;
    for (; IsDecimalDigit(*p); ++p) value = value * 10 + static_cast<std::uint32_t>(*p - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}
