#pragma once
// Sets the scrambling key byte for the bytes of one segment while the scope lives: keyed records
// stored scrambled, and scrambled texts inside a segment, are keyed by the segment's address. The
// key is the XOR of the four bytes of the type and the two bytes of the id. The segment being
// keyed is kept process-wide (type 0 and id 0xFFFF when none); leaving the scope restores what
// was set before it.

#include <cstdint>

#include "foundation/Types.h"

class ScrambleKeyScope {
public:
    ScrambleKeyScope(FourCC type, std::uint16_t id);
    ~ScrambleKeyScope();
    ScrambleKeyScope(const ScrambleKeyScope&) = delete;
    ScrambleKeyScope& operator=(const ScrambleKeyScope&) = delete;

    // The segment whose key is set.
    static FourCC CurrentType();
    static std::uint16_t CurrentId();

private:
    FourCC previousType_;
    std::uint16_t previousId_;
    std::uint8_t previousKey_;
};
