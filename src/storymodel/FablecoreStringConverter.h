#pragma once
// The text filter that keeps user text from ever forming a macro, a style code or an escape: the
// bytes with a meaning of their own in templates and styled text ('{', '}', '/', '\', the style
// delimiters 0xC7 and 0xC8, and the escape byte 0xB0 itself) are stored as 0xB0 followed by a code.
// Encoding never writes one of those bytes bare: when an escape does not fit into what is left of
// the destination, the text ends there.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/ITextFilter.h"

class FablecoreStringConverter : public ITextFilter {
public:
    static constexpr unsigned char kEscape = 0xB0;

    bool Encode(const char* source, char* destination, std::uint32_t size) const override;
    void Decode(const char* source, char* destination, std::uint32_t size) const override;
    void DecodeInPlace(char* text) const override;
    // Twice the length (every character may need an escape) and the NUL.
    std::uint32_t MaxEncodedSize(std::uint32_t sourceLength) const override;
    // Its length and the NUL.
    std::uint32_t MaxDecodedSize(const char* source) const override;
};

// How many bytes of the stored text, at most the limit, can be kept without cutting an escape from
// its code: a text cut there decodes to a beginning of what the writer typed.
std::size_t WholeEscapesLength(std::string_view stored, std::size_t limit);

// The one converter the whole program shares.
const FablecoreStringConverter& SharedStringConverter();

// A text as the story keeps it (with the shared converter's escapes) as the writer reads it.
std::string Decoded(std::string stored);
