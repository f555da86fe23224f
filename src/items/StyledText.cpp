// Taking style codes apart.

#include "items/StyledText.h"

#include "foundation/PlainText.h"

namespace {

constexpr unsigned char kStart = static_cast<unsigned char>(kStyleCodeStart);
constexpr unsigned char kEnd = static_cast<unsigned char>(kStyleCodeEnd);

unsigned char ByteAt(const char* text, std::uint32_t index) {
    return static_cast<unsigned char>(text[index]);
}

}  // namespace

std::int32_t ParseStyleCode(const char* text, std::uint32_t& position, StyleCodeResult& result) {
    result.on = 0;
    result.styleBit = 0;
    if (ByteAt(text, position) != kStart) return kMalformedCode;
    std::uint32_t end = position + 1;
    while (text[end] != '\0' && ByteAt(text, end) != kEnd) ++end;
    if (text[end] == '\0') return kMalformedCode;

    std::int32_t parsed = kMalformedCode;
    switch (text[position + 1]) {
        case 'B': result.styleBit = 1; break;
        case 'I': result.styleBit = 2; break;
        case 'U': result.styleBit = 4; break;
        case 'M':
            parsed = ParseMarginCode(text, position, end, result.first, result.left, result.right);
            break;
        default: return kUnrecognisedCode;
    }
    if (result.styleBit != 0) {
        const char sign = text[position + 2];
        if (sign == '+') result.on = 1;
        if (sign == '+' || sign == '-') parsed = kStyleCodeParsed;
    }
    if (IsWellFormedCode(parsed)) position = end + 1;
    return parsed;
}

std::int32_t ParseMarginCode(const char* text, std::uint32_t codeStart, std::uint32_t codeEnd,
                             std::int16_t& first, std::int16_t& left, std::int16_t& right) {
    // The shortest body that can qualify is "M()"; anything shorter would read past the code.
    if (codeEnd < codeStart + 4) return kMalformedCode;
    if (text[codeStart + 1] != 'M' || text[codeStart + 2] != '(' || text[codeEnd - 1] != ')')
        return kMalformedCode;
    const std::uint32_t open = codeStart + 2;
    std::uint32_t commas[2] = {0, 0};
    int found = 0;
    for (std::uint32_t i = open + 1; i < codeEnd && found < 2; ++i) {
        if (text[i] == ',') commas[found++] = i;
    }
    if (found < 2) return kMalformedCode;
    first = static_cast<std::int16_t>(StrToLong(text + open + 1));
    left = static_cast<std::int16_t>(StrToLong(text + commas[0] + 1));
    right = static_cast<std::int16_t>(StrToLong(text + commas[1] + 1));
    return kMarginCodeParsed;
}

std::uint32_t StripStyleCodes(const char* source, char* destination, std::uint32_t lastIndex) {
    std::uint32_t written = 0;
    std::uint32_t position = 0;
    StyleCodeResult result;
    while (position <= lastIndex && source[position] != '\0') {
        if (ByteAt(source, position) == kStart &&
            IsWellFormedCode(ParseStyleCode(source, position, result))) {
            continue;
        }
        destination[written++] = source[position++];
    }
    destination[written] = '\0';
    return written;
}
