// RemapDibToPalette: a 4- or 8-bit DIB made to index a palette.

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "framework/graphics/DibBlocks.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

namespace {

using ColorMap = std::array<win::BYTE, 256>;

void MapRows(win::BYTE* pixels, std::size_t size, int bitCount, const ColorMap& map) {
    for (std::size_t k = 0; k < size; ++k) {
        const win::BYTE b = pixels[k];
        pixels[k] =
            bitCount == 8 ? map[b] : static_cast<win::BYTE>(map[b >> 4] << 4 | (map[b & 0x0F] & 0x0F));
    }
}

// Walks a run-length encoded 8-bit image and maps every colour byte, never past its end: runs map
// their colour, absolute runs each of their bytes; an end of bitmap or of the data stops the walk.
void MapRle8(win::BYTE* data, std::size_t size, const ColorMap& map) {
    std::size_t at = 0;
    while (at + 1 < size) {
        const win::BYTE count = data[at], code = data[at + 1];
        at += 2;
        if (count > 0) {
            data[at - 1] = map[code];
            continue;
        }
        if (code == 0) continue;  // end of line
        if (code == 1) return;    // end of bitmap
        if (code == 2) {          // delta: two bytes of offsets
            at += 2;
            continue;
        }
        const std::size_t run = std::min<std::size_t>(code, size - at);
        for (std::size_t k = 0; k < run; ++k) data[at + k] = map[data[at + k]];
        at += code + (code & 1);
    }
}

}  // namespace

void RemapDibToPalette(DibBlock& slot, win::HPALETTE palette) {
    const auto layout = DibLayout(slot.get());
    if (!layout || !palette || layout->colorEntrySize != 4) return;
    const bool rgb = layout->compression == win::BI_RGB;
    const bool rle8 = layout->compression == win::BI_RLE8;
    if (!((layout->bitCount == 8 && (rgb || rle8)) || (layout->bitCount == 4 && rgb))) return;
    win::WORD entries = 0;
    if (!win::GetObjectA(palette, sizeof entries, &entries) || entries == 0) return;

    const std::size_t n = layout->colorCount, p = entries;
    auto* block = static_cast<win::BYTE*>(slot.get());
    auto* table = reinterpret_cast<win::RGBQUAD*>(block + layout->headerSize);
    ColorMap map{};  // indexes beyond the table become 0
    for (std::size_t i = 0; i < std::min<std::size_t>(n, map.size()); ++i) {
        const win::UINT nearest = win::GetNearestPaletteIndex(
            palette, win::RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue));
        map[i] = static_cast<win::BYTE>(nearest == win::CLR_INVALID ? 0 : nearest);
    }

    std::size_t pixelOffset = layout->pixelOffset;
    if (p < n) {
        // The table shrinks to the palette's size: the pixels move down after it.
        const std::size_t newOffset = layout->headerSize + 4 * p;
        std::memmove(block + newOffset, block + pixelOffset, layout->pixelBytes);
        void* smaller = MemRealloc(slot.get(), static_cast<std::uint32_t>(newOffset + layout->pixelBytes));
        if (smaller) {
            (void)slot.release();  // moved by the resize
            slot.reset(smaller);
        }
        block = static_cast<win::BYTE*>(slot.get());
        table = reinterpret_cast<win::RGBQUAD*>(block + layout->headerSize);
        reinterpret_cast<win::BITMAPINFOHEADER*>(block)->biClrUsed = static_cast<win::DWORD>(p);
        pixelOffset = newOffset;
    }
    if (rle8) {
        MapRle8(block + pixelOffset, layout->pixelBytes, map);
    } else {
        MapRows(block + pixelOffset, layout->pixelBytes, layout->bitCount, map);
    }

    std::vector<win::PALETTEENTRY> colors(std::min(p, n));
    const win::UINT got =
        win::GetPaletteEntries(palette, 0, static_cast<win::UINT>(colors.size()), colors.data());
    for (std::size_t i = 0; i < got; ++i)
        table[i] = {colors[i].peBlue, colors[i].peGreen, colors[i].peRed, 0};
}
