#include "foundation/pfm/ScrambleKeyScope.h"

#include "foundation/TextIO.h"

namespace {

struct KeyedSegment {
    FourCC type = 0;
    std::uint16_t id = 0xFFFF;
};

KeyedSegment& Keyed() {
    static KeyedSegment segment;
    return segment;
}

}  // namespace

ScrambleKeyScope::ScrambleKeyScope(FourCC type, std::uint16_t id)
    : previousType_(Keyed().type), previousId_(Keyed().id), previousKey_(GetScrambleKey()) {
    Keyed() = {type, id};
    SetScrambleKey(static_cast<std::uint8_t>(type ^ type >> 8 ^ type >> 16 ^ type >> 24 ^ id ^ id >> 8));
}

ScrambleKeyScope::~ScrambleKeyScope() {
    Keyed() = {previousType_, previousId_};
    SetScrambleKey(previousKey_);
}

FourCC ScrambleKeyScope::CurrentType() { return Keyed().type; }
std::uint16_t ScrambleKeyScope::CurrentId() { return Keyed().id; }
