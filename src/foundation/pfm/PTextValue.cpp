#include "foundation/pfm/PTextValue.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

#include "foundation/PlainText.h"
#include "foundation/pfm/PTextTypes.h"

namespace {

// Moves past leading white space and an optional sign; answers whether the sign was a minus.
bool TakeSign(std::string_view text, std::size_t& at) {
    while (at < text.size() && IsCSpace(text[at])) ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) return text[at++] == '-';
    return false;
}

std::int32_t ParseInteger(std::string_view text) {
    std::size_t at = 0;
    const bool negative = TakeSign(text, at);
    // One past the largest magnitude, so that both limits can be reached.
    constexpr std::int64_t kCeiling = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; at < text.size() && IsDecimalDigit(text[at]); ++at) {
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), kCeiling);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

double ParseFloating(std::string_view text) {
    std::size_t at = 0;
    const bool negative = TakeSign(text, at);
    const std::size_t start = at;
    // The decimal exponent of the first significant digit, to tell overflow from underflow.
    std::int64_t leadExponent = 0;
    bool significant = false;
    // Each digit's index, counting on across the decimal point; in the end, the number of digits.
    std::int64_t position = 0;
    // Reads a run of digits, noting where the first significant one stands.
    const auto takeDigits = [&] {
        for (; at < text.size() && IsDecimalDigit(text[at]); ++at, ++position) {
            if (!significant && text[at] != '0') {
                significant = true;
                leadExponent = position;
            }
        }
    };
    takeDigits();
    const std::int64_t integerDigits = position;
    if (at < text.size() && text[at] == '.') {
        ++at;
        takeDigits();
    }
    if (position == 0) return 0.0;
    std::int64_t exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t e = at + 1;
        const bool negativeExponent = e < text.size() && text[e] == '-';
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && IsDecimalDigit(text[e])) {
            for (; e < text.size() && IsDecimalDigit(text[e]); ++e) {
                exponent = std::min<std::int64_t>(exponent * 10 + (text[e] - '0'), 1'000'000);
            }
            if (negativeExponent) exponent = -exponent;
            at = e;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + at, value);
    if (error == std::errc::result_out_of_range) {
        // Too large gives infinity, too small gives zero, as the standard C reader does.
        const std::int64_t magnitude = integerDigits - leadExponent - 1 + exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

template <typename T>
void Store(void* binary, T value) {
    std::memcpy(binary, &value, sizeof value);
}

template <typename T>
T Load(const void* binary) {
    T value;
    std::memcpy(&value, binary, sizeof value);
    return value;
}

template <typename T>
std::string FormatInteger(T value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// Six decimals, as "%f" writes them.
std::string FormatFixed(double value) {
    char buffer[400];  // the largest double has 309 digits before the point
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

// Whether the digits (after any minus) are a whole number as a write of a type of the size puts it
// down: at least one digit, no leading zero, no minus before 0, within the type's range. One walk
// over the digits, as every number of every record read is looked at so.
bool IsWholeNumberText(std::string_view digits, bool negative, std::uint32_t size) {
    if (digits.empty() || (digits.front() == '0' && (digits.size() > 1 || negative))) return false;
    const std::int64_t most =
        size == 2 ? std::numeric_limits<std::int16_t>::max() : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (const char digit : digits) {
        if (!IsDecimalDigit(digit)) return false;
        if ((magnitude = magnitude * 10 + (digit - '0')) > most + 1) return false;
    }
    return magnitude <= most + (negative ? 1 : 0);
}

}  // namespace

bool IsPTextNumberText(char type, std::string_view text) {
    if (PTextNumberSize(type) == 0) return false;
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    const bool floating = type == kPTextFloat || type == kPTextDouble || type == kPTextExtended;
    if (!floating) return IsWholeNumberText(text, negative, PTextNumberSize(type));
    // Infinities and not-a-numbers as this program's library writes them, and as other writers'
    // libraries have written them (which read back, as the format reads numbers, as 1, or as 0
    // where no digit comes first).
    if (text == "inf" || text == "nan" || text == "nan(ind)" || text == "nan(snan)" || text == "1.#INF00" ||
        text == "1.#IND00" || text == "1.#QNAN0" || text == "1.#SNAN0")
        return true;
    const auto allDigits = [](std::string_view digits) {
        return !digits.empty() && std::all_of(digits.begin(), digits.end(), IsDecimalDigit);
    };
    // The digits before the point are written without leading zeros.
    const auto wholeNumber = [&](std::string_view digits) {
        return allDigits(digits) && (digits.size() == 1 || digits.front() != '0');
    };
    // "%f" always writes a full stop; only it writes a minus before a zero ("-0.000000").
    const std::size_t point = text.find('.');
    return point != std::string_view::npos && wholeNumber(text.substr(0, point)) &&
           allDigits(text.substr(point + 1));
}

std::string FormatPTextNumber(char type, const void* binary) {
    switch (type) {
        case kPTextShort: return FormatInteger(Load<std::int16_t>(binary));
        case kPTextInt:
        case kPTextLong: return FormatInteger(Load<std::int32_t>(binary));
        case kPTextFloat: return FormatFixed(static_cast<double>(Load<float>(binary)));
        case kPTextDouble:
        case kPTextExtended: return FormatFixed(Load<double>(binary));
        default: return {};
    }
}

void ParsePTextNumber(char type, std::string_view text, void* binary) {
    switch (type) {
        case kPTextShort: Store(binary, static_cast<std::int16_t>(ParseInteger(text))); break;
        case kPTextInt:
        case kPTextLong: Store(binary, ParseInteger(text)); break;
        case kPTextFloat: Store(binary, static_cast<float>(ParseFloating(text))); break;
        case kPTextDouble:
        case kPTextExtended: Store(binary, ParseFloating(text)); break;
        default: break;
    }
}
