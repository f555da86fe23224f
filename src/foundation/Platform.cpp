#include "foundation/Platform.h"

namespace {

constexpr std::array<std::uint32_t, 8> kPacked{1, 1, 1, 1, 1, 1, 1, 1};

constexpr std::array<PlatformInfo, kPlatformCount> kPlatforms{{
    {0, {1, 2, 2, 2, 2, 2, 2, 1}, 2, 4, 4, 4, 8, 10},
    {1, kPacked, 2, 2, 4, 4, 8, 10},
    {0, {1, 2, 2, 2, 2, 2, 2, 1}, 2, 4, 4, 4, 10, 10},
    {0, {1, 2, 2, 2, 2, 2, 2, 1}, 2, 4, 4, 4, 8, 8},
    {0, {1, 2, 4, 4, 4, 4, 4, 1}, 2, 4, 4, 4, 8, 8},
    {0, {1, 2, 4, 4, 4, 8, 8, 1}, 2, 4, 4, 4, 8, 8},
    {1, kPacked, 2, 4, 4, 4, 8, 10},
    {1, kPacked, 2, 4, 4, 4, 8, 8},
}};

std::uint32_t& RunningIndex() {
    static std::uint32_t index = 0;
    return index;
}

}  // namespace

PlatformInfo RunningPlatformInfo() { return {1, kPacked, 2, 4, 4, 4, 8, 8}; }

void DetectPlatform() {
    const PlatformInfo running = RunningPlatformInfo();
    for (std::uint32_t id = 0; id < kPlatformCount; ++id) {
        if (kPlatforms[id] == running) {
            RunningIndex() = id;
            return;
        }
    }
}

std::uint32_t GetPlatformIndex() { return RunningIndex(); }

const PlatformInfo& GetPlatformInfo(std::uint32_t id) { return kPlatforms[id < kPlatformCount ? id : 0]; }

const char* PlatformName(std::uint32_t id) {
    switch (id) {
        case 0: return "mac";
        case 1: return "dos";
        case 2: return "cwm";
        default: return "???";
    }
}
