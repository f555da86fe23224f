#pragma once
// The platform table: byte order, alignments and type sizes of the systems that write stored files.
// A store's header names the platform that created it and the one that saved it last; byte
// swapping is decided by each file's byte-order word, not by this table.

#include <array>
#include <cstdint>

struct PlatformInfo {
    std::uint32_t littleEndian;               // 1 when the lowest-addressed byte is least significant
    std::array<std::uint32_t, 8> alignments;  // in bytes
    std::uint32_t shortSize;
    std::uint32_t intSize;
    std::uint32_t longSize;
    std::uint32_t floatSize;
    std::uint32_t doubleSize;
    std::uint32_t longDoubleSize;

    friend bool operator==(const PlatformInfo&, const PlatformInfo&) = default;
};

inline constexpr std::uint32_t kPlatformCount = 8;

// The record of the running system. Stored files describe this program's platform with this fixed
// record whatever the build machine's own type sizes are, so every file we write says "platform 7".
PlatformInfo RunningPlatformInfo();

// Compares the running system's record with records 0 to 7 and keeps the first equal one's number as
// the running platform index; when none is equal the index keeps its value.
void DetectPlatform();
std::uint32_t GetPlatformIndex();

// The record of a platform id; ids beyond the table give record 0.
const PlatformInfo& GetPlatformInfo(std::uint32_t id);

// "mac", "dos", "cwm" for ids 0 to 2, "???" for any other id.
const char* PlatformName(std::uint32_t id);
