#pragma once
// Still cursors kept as 'CURS' segments of the application data file. A record is 68 bytes:
//
//   offset  size  field
//   0       32    image: 16 rows of 2 bytes, the leftmost pixel in the most significant bit
//   32      32    mask, laid out the same way
//   64      2     hot spot, vertical (u16, big-endian)
//   66      2     hot spot, horizontal (u16, big-endian)
//
// A pixel with its mask bit set is white, one with its image bit set black (the image wins); the
// others let the screen show through. A hot spot whose values have a zero low byte and a non-zero
// high byte was written in the other byte order and is read with its bytes swapped.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "foundation/Types.h"
#include "platform/sys/WinTypes.h"

inline constexpr FourCC kCursorSegmentType = FourCCOf("CURS");
inline constexpr std::size_t kCursorRecordSize = 68;

// A cursor's two planes at a cursor size, rows padded to whole 16-bit words: AND 1 / XOR 0 shows
// the screen, 0/0 black, 0/1 white.
struct CursorPlanes {
    int width = 0;
    int height = 0;
    win::POINT hotSpot;
    std::vector<std::uint8_t> andPlane;
    std::vector<std::uint8_t> xorPlane;
};

// Decodes a record into planes of the cursor size given; nothing when the record is shorter than
// 68 bytes or the size is not positive. A record larger than 68 bytes is read by its first 68.
std::optional<CursorPlanes> DecodeCursorRecord(const void* record, std::size_t size, int width, int height);

// A cursor of the system's cursor size from segment 'CURS' `id` of the current store; null when the
// segment is missing or not a cursor record. The caller destroys it.
win::HCURSOR MakeCursorFromResource(std::int16_t id);
