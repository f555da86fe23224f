#include "foundation/TextUtil.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

std::uint32_t HashBytes(const void* bytes, std::size_t count, std::uint32_t modulus) {
    const auto* p = static_cast<const unsigned char*>(bytes);
    std::uint32_t h = 0;
    for (std::size_t i = 0; i < count; ++i) {
        // Each byte is taken as a signed 8-bit value; the sum wraps modulo 2^32.
        h = (h << 4) + static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int8_t>(p[i])));
        if (h > 0x0FFFFFFF) {
            std::uint32_t g = h & 0xF0000000;
            h = h ^ (g >> 24) ^ g;
        }
    }
    return h % std::max<std::uint32_t>(modulus, 1);
}

char* ReverseText(char* text) {
    if (text) std::reverse(text, text + std::strlen(text));
    return text;
}

void* ReverseBytes(void* bytes, std::size_t count) {
    auto* p = static_cast<unsigned char*>(bytes);
    if (p) std::reverse(p, p + count);
    return bytes;
}

char* LowerText(char* text) {
    for (char* p = text; p && *p; ++p) *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    return text;
}

char* UpperText(char* text) {
    for (char* p = text; p && *p; ++p) *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
    return text;
}

bool HasWhiteSpace(const char* text) {
    for (const char* p = text; p && *p; ++p) {
        if (std::isspace(static_cast<unsigned char>(*p))) return true;
    }
    return false;
}

const char* FindClosingBracket(const char* text) {
    static constexpr std::string_view kOpeners = "\"'({[<";
    static constexpr std::string_view kClosers = "\"')}]>";
    if (!text || !*text) return nullptr;
    const std::size_t kind = kOpeners.find(*text);
    if (kind == std::string_view::npos) return nullptr;
    const char opener = kOpeners[kind];
    const char closer = kClosers[kind];
    if (opener == closer) {
        for (const char* p = text + 1; *p; ++p) {
            if (*p == closer && p[-1] != '\\') return p;
        }
        return nullptr;
    }
    int depth = 0;
    for (const char* p = text; *p; ++p) {
        if (*p == opener) {
            ++depth;
        } else if (*p == closer && --depth == 0) {
            return p;
        }
    }
    return nullptr;
}

int PStrCompare(const unsigned char* a, const unsigned char* b) {
    const int common = std::min(a[0], b[0]);
    for (int i = 1; i <= common; ++i) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return a[0] - b[0];
}

unsigned char* PStrCopy(unsigned char* dest, const unsigned char* src) {
    std::memmove(dest, src, static_cast<std::size_t>(src[0]) + 1);
    return dest;
}

unsigned char* PStrAppend(unsigned char* dest, const unsigned char* src) {
    const std::size_t room = 255 - dest[0];
    const std::size_t count = std::min<std::size_t>(src[0], room);
    std::memmove(dest + 1 + dest[0], src + 1, count);
    dest[0] = static_cast<unsigned char>(dest[0] + count);
    return dest;
}
