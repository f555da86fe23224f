#pragma once
// Reading and writing the pixels of device-independent bitmaps.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/Dib.h"
#include "platform/gdi/ObjectKinds.h"

namespace win::gdi {

inline constexpr long long kMaxDibPixels = 1LL << 26;

// A checked header with its colour table, as pixels.
struct DibFormat {
    LONG width = 0;
    LONG height = 0;  // positive
    bool topDown = false;
    WORD bitCount = 0;
    DWORD compression = BI_RGB;
    bool core = false;  // 12-byte header, 3-byte colour entries
    std::vector<std::uint32_t> colors;
    std::array<DWORD, 3> masks{};    // red, green, blue for 16 and 32 bits
    std::size_t headerAndTable = 0;  // bytes from the header to the end of the table or masks
    std::size_t rowBytes = 0;
    std::size_t imageBytes = 0;  // the rows, or the encoded data
};

// Reads and checks a header and its colour table from `info`, of which `available` bytes may be
// read. With DIB_PAL_COLORS the table holds indexes into `palette`.
std::optional<DibFormat> ReadDibFormat(const BYTE* info, std::size_t available, UINT usage,
                                       const Palette* palette);

// Decodes `format.imageBytes` bytes of pixel data into top-down 0x00RRGGBB pixels. Encoded data
// never reads or writes out of bounds: runs leaving the image are cut off and data that ends early
// leaves the rest of the image at colour 0. Answers false when the data was damaged in that way.
bool DecodeDibPixels(const DibFormat& format, const BYTE* bits, std::vector<std::uint32_t>& pixels);

// The colour table an image of these pixels gets at a depth of 8 bits or fewer: its own colours
// when they fit, else a standard table.
std::vector<std::uint32_t> ChooseColorTable(const std::vector<std::uint32_t>& pixels, WORD bitCount);

// Encodes DIB rows [firstRow, firstRow + rowCount) (in the DIB's own row order) of top-down
// pixels into `bits`, at the format's depth (BI_RGB, or BI_BITFIELDS for 16 and 32 bits).
void EncodeDibRows(const DibFormat& format, const std::vector<std::uint32_t>& pixels, LONG firstRow,
                   LONG rowCount, BYTE* bits);

}  // namespace win::gdi
