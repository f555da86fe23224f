#pragma once
// Packed version numbers: major << 24 | minor << 16 | stage << 8 | build, one byte each.
// Text forms: "1.0d1" (development), "2.1a3", "2.1b3", "3.0" and "3.0.2" (release).

#include <cstdint>
#include <string>
#include <string_view>

using VersionNumber = std::uint32_t;

enum VersionStage : std::uint8_t {
    kStageDevelopment = 32,  // "d"
    kStageAlpha = 64,        // "a"
    kStageBeta = 96,         // "b"
    kStageRelease = 128,
};

// Each part is taken as one byte.
constexpr VersionNumber MakeVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t stage,
                                    std::uint32_t build) {
    return (major & 0xFF) << 24 | (minor & 0xFF) << 16 | (stage & 0xFF) << 8 | (build & 0xFF);
}

constexpr std::uint32_t VersionMajor(VersionNumber v) { return v >> 24; }
constexpr std::uint32_t VersionMinor(VersionNumber v) { return (v >> 16) & 0xFF; }
constexpr std::uint32_t VersionStageOf(VersionNumber v) { return (v >> 8) & 0xFF; }
constexpr std::uint32_t VersionBuild(VersionNumber v) { return v & 0xFF; }

// Major, a separator, minor, one stage character ('d', 'a', 'b'; any other means release) and the
// build number; parts that are missing count as 0 (the stage as release).
VersionNumber ParseVersion(std::string_view text);

// "%d.%d", then "d", "a" or "b" for those stages (for a release a "." only when the build is not 0),
// then the build when it is not 0.
std::string FormatVersion(VersionNumber version);
