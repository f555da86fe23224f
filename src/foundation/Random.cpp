#include "foundation/Random.h"

#include <cstdint>

namespace {

// A linear congruential generator giving 15-bit draws, so every draw is accepted.
std::uint32_t& Seed() {
    static std::uint32_t seed = 1;
    return seed;
}

int Draw15() {
    Seed() = Seed() * 214013u + 2531011u;
    return static_cast<int>((Seed() >> 16) & 0x7FFF);
}

}  // namespace

int RandomBelow(int n) {
    if (n < 1) return 0;
    return Draw15() % n;
}

void SeedRandom(unsigned seed) { Seed() = seed; }
