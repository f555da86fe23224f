#include "storymodel/FablecoreStringConverter.h"

#include <array>
#include <cstring>
#include <limits>

namespace {

// Each escaped character with the code that follows the escape byte.
struct Escape {
    unsigned char character;
    unsigned char code;
};
constexpr Escape kEscapes[] = {
    {'{', '0'}, {'}', '1'}, {'/', '2'}, {'\\', '3'}, {0xC7, '4'}, {0xC8, '5'}, {0xB0, 0xB0},
};

using ByteTable = std::array<unsigned char, 256>;

// Character to code, and code to character; 0 where there is none.
constexpr ByteTable MakeTable(bool toCode) {
    ByteTable table{};
    for (const Escape& e : kEscapes) {
        if (toCode) {
            table[e.character] = e.code;
        } else {
            table[e.code] = e.character;
        }
    }
    return table;
}
constexpr ByteTable kCodeOf = MakeTable(true);
constexpr ByteTable kCharacterOf = MakeTable(false);

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

}  // namespace

bool FablecoreStringConverter::Encode(const char* source, char* destination, std::uint32_t size) const {
    if (size == 0) return false;
    bool escaped = false;
    std::uint32_t room = size;
    const char* in = source ? source : "";
    char* out = destination;
    for (; room >= 2 && *in; ++in) {
        const unsigned char code = kCodeOf[Byte(*in)];
        if (code == 0) {
            *out++ = *in;
            room -= 1;
        } else if (room >= 3) {
            *out++ = static_cast<char>(kEscape);
            *out++ = static_cast<char>(code);
            room -= 2;
            escaped = true;
        } else {
            break;  // its escape does not fit, and the bare character must never be written
        }
    }
    *out = '\0';
    return escaped;
}

void FablecoreStringConverter::Decode(const char* source, char* destination, std::uint32_t size) const {
    if (size == 0) return;
    std::uint32_t room = size;
    const char* in = source ? source : "";
    char* out = destination;
    // The reading position never falls behind the writing one, so source and destination may be
    // the same text.
    while (room >= 2 && *in) {
        const unsigned char character = Byte(*in) == kEscape ? kCharacterOf[Byte(in[1])] : 0;
        if (character != 0) {
            *out++ = static_cast<char>(character);
            in += 2;
        } else {
            *out++ = *in++;
        }
        room -= 1;
    }
    *out = '\0';
}

void FablecoreStringConverter::DecodeInPlace(char* text) const {
    // Only an escape byte decodes to another: a text without one is left as it is.
    if (text && std::strchr(text, static_cast<char>(kEscape))) Decode(text, text, MaxDecodedSize(text));
}

std::uint32_t FablecoreStringConverter::MaxEncodedSize(std::uint32_t sourceLength) const {
    const std::uint64_t size = 2 * static_cast<std::uint64_t>(sourceLength) + 1;
    return size > std::numeric_limits<std::uint32_t>::max() ? std::numeric_limits<std::uint32_t>::max()
                                                            : static_cast<std::uint32_t>(size);
}

std::uint32_t FablecoreStringConverter::MaxDecodedSize(const char* source) const {
    return source ? static_cast<std::uint32_t>(std::strlen(source)) + 1 : 1;
}

std::size_t WholeEscapesLength(std::string_view stored, std::size_t limit) {
    std::size_t length = 0;
    while (length < stored.size()) {
        // An escape byte followed by a code stands for one character, as Decode reads it.
        const bool pair = Byte(stored[length]) == FablecoreStringConverter::kEscape &&
                          length + 1 < stored.size() && kCharacterOf[Byte(stored[length + 1])] != 0;
        const std::size_t next = length + (pair ? 2 : 1);
        if (next > limit) break;
        length = next;
    }
    return length;
}

const FablecoreStringConverter& SharedStringConverter() {
    static const FablecoreStringConverter converter;
    return converter;
}

std::string Decoded(std::string stored) {
    SharedStringConverter().DecodeInPlace(stored.data());
    stored.resize(std::char_traits<char>::length(stored.c_str()));
    return stored;
}
