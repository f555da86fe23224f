#pragma once
// A filter through which an edit field's text passes: decoded on its way into the control, encoded
// on its way out. Sizes are of the destination buffers, NUL included; every operation ends its
// output with a NUL when the destination has room for one.

#include <cstdint>

class ITextFilter {
public:
    virtual ~ITextFilter() = default;

    // True when anything was encoded differently from the source.
    virtual bool Encode(const char* source, char* destination, std::uint32_t size) const = 0;
    virtual void Decode(const char* source, char* destination, std::uint32_t size) const = 0;
    // Decoding never lengthens a text, so it can be done in place.
    virtual void DecodeInPlace(char* text) const = 0;
    // The destination size that holds the encoded form of any text of that length.
    virtual std::uint32_t MaxEncodedSize(std::uint32_t sourceLength) const = 0;
    // The destination size that holds the decoded form of the text.
    virtual std::uint32_t MaxDecodedSize(const char* source) const = 0;

protected:
    ITextFilter() = default;
    ITextFilter(const ITextFilter&) = default;
    ITextFilter& operator=(const ITextFilter&) = default;
};
