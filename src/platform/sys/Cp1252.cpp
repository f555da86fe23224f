#include "platform/sys/Cp1252.h"

#include <array>

namespace win {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; advances i past it. Answers -1 for a malformed sequence
// (then i has moved past the bytes that belong to it, at least one).
long DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int length = 0;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1, cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2, cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3, cp = lead & 0x07;
    } else {
        return -1;
    }
    for (int k = 0; k < length; ++k) {
        if (i >= text.size()) return -1;
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (next & 0x3F);
        ++i;
    }
    const bool overlong = (length == 2 && cp < 0x800) || (length == 3 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (overlong || surrogate || cp > 0x10FFFF) return -1;
    return static_cast<long>(cp);
}

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

int UnicodeToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == codePoint) return static_cast<int>(0x80 + k);
    }
    return -1;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char c : text) AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view text, bool* unkept) {
    std::string out;
    out.reserve(text.size());
    if (unkept) *unkept = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const long cp = DecodeUtf8(text, i);
        const int byte = cp < 0 ? -1 : UnicodeToCp1252(static_cast<char32_t>(cp));
        out += byte < 0 ? '?' : static_cast<char>(byte);
        if (byte < 0 && unkept) *unkept = true;
    }
    return out;
}

char Cp1252ToLower(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    switch (byte) {
        case 0x8A:  // S caron
        case 0x8C:  // OE
        case 0x8E:  // Z caron
            return static_cast<char>(byte + 0x10);
        case 0x9F: return static_cast<char>(0xFF);  // Y diaeresis
        default: return c;
    }
}

char Cp1252ToUpper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
        return static_cast<char>(byte - 0x20);
    switch (byte) {
        case 0x9A:  // s caron
        case 0x9C:  // oe
        case 0x9E:  // z caron
            return static_cast<char>(byte - 0x10);
        case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
        default: return c;
    }
}

bool Cp1252EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Cp1252ToLower(a[i]) != Cp1252ToLower(b[i])) return false;
    }
    return true;
}

}  // namespace win
