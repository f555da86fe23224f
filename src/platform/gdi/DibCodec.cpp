#include "platform/gdi/DibCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <map>
#include <unordered_map>

#include "platform/gdi/Rop.h"

namespace win::gdi {
namespace {

std::uint32_t ReadLE(const BYTE* p, int bytes) {
    std::uint32_t value = 0;
    for (int k = bytes - 1; k >= 0; --k) value = value << 8 | p[k];
    return value;
}

void WriteLE(BYTE* p, std::uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k) p[k] = static_cast<BYTE>(value >> (8 * k));
}

std::uint32_t Pixel(BYTE r, BYTE g, BYTE b) {
    return static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | b;
}

// One channel under a mask, widened to 8 bits.
BYTE Channel(std::uint32_t value, DWORD mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t top = mask >> shift;
    return static_cast<BYTE>(((value & mask) >> shift) * 255 / top);
}

std::uint32_t Squeeze(std::uint32_t pixel, DWORD mask) {
    const int shift = std::countr_zero(mask);
    const std::uint32_t top = mask >> shift;
    return ((pixel * top + 127) / 255) << shift & mask;
}

// Walks run-length encoded data, calling put(x, y, index) for each pixel inside the image (y
// counts DIB rows from the first stored one). Positions never run past the image's edges, so the
// walk is bounded by the data. Answers false when the data puts pixels outside the image or ends
// before its end mark.
template <typename Put>
bool WalkRunLengths(const DibFormat& f, const BYTE* data, Put put) {
    const bool four = f.compression == BI_RLE4;
    const BYTE* p = data;
    const BYTE* const end = data + f.imageBytes;
    LONG x = 0, y = 0;
    bool intact = true;
    auto emit = [&](std::uint32_t index) {
        if (x < f.width && y < f.height) {
            put(x++, y, index);
        } else {
            intact = false;
        }
    };
    auto nibble = [](unsigned byte, unsigned k) { return k % 2 ? byte & 0xF : byte >> 4; };
    while (end - p >= 2) {
        const unsigned count = p[0], value = p[1];
        p += 2;
        if (count > 0) {  // a run of one index (two alternating ones in 4-bit data)
            for (unsigned k = 0; k < count; ++k) emit(four ? nibble(value, k) : value);
        } else if (value == 0) {  // end of line
            x = 0;
            y = std::min(y + 1, f.height);
        } else if (value == 1) {  // end of image
            return intact;
        } else if (value == 2) {  // move right and down
            if (end - p < 2) return false;
            x = std::min(x + p[0], f.width);
            y = std::min(y + p[1], f.height);
            p += 2;
        } else {  // `value` indexes stored one by one, padded to whole 16-bit words
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            const std::size_t padded = (bytes + 1) / 2 * 2;
            if (static_cast<std::size_t>(end - p) < padded) return false;
            for (unsigned k = 0; k < value; ++k) emit(four ? nibble(p[k / 2], k) : p[k]);
            p += padded;
        }
    }
    return false;
}

constexpr std::array<std::uint32_t, 16> kStandard16 = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

std::vector<std::uint32_t> StandardTable(WORD bitCount) {
    if (bitCount == 1) return {0x000000, 0xFFFFFF};
    std::vector<std::uint32_t> table(kStandard16.begin(), kStandard16.end());
    if (bitCount == 4) return table;
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b)
                table.push_back(
                    Pixel(static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(b * 51)));
        }
    }
    for (int k = 1; table.size() < 256; ++k) {
        const auto grey = static_cast<BYTE>(k * 255 / 25);
        table.push_back(Pixel(grey, grey, grey));
    }
    return table;
}

std::size_t NearestIndex(const std::vector<std::uint32_t>& table, std::uint32_t pixel) {
    std::size_t best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (std::size_t k = 0; k < table.size(); ++k) {
        const long dr = static_cast<long>((table[k] >> 16) & 0xFF) - static_cast<long>((pixel >> 16) & 0xFF);
        const long dg = static_cast<long>((table[k] >> 8) & 0xFF) - static_cast<long>((pixel >> 8) & 0xFF);
        const long db = static_cast<long>(table[k] & 0xFF) - static_cast<long>(pixel & 0xFF);
        const long distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) best = k, bestDistance = distance;
    }
    return best;
}

}  // namespace

std::optional<DibFormat> ReadDibFormat(const BYTE* info, std::size_t available, UINT usage,
                                       const Palette* palette) {
    if (!info || available < 4) return std::nullopt;
    DibFormat f;
    const DWORD headerSize = ReadLE(info, 4);
    std::size_t entrySize = 4;
    DWORD colorsUsed = 0;
    DWORD sizeImage = 0;
    if (headerSize == 12) {
        if (available < 12) return std::nullopt;
        f.core = true;
        f.width = static_cast<LONG>(ReadLE(info + 4, 2));
        f.height = static_cast<LONG>(ReadLE(info + 6, 2));
        if (ReadLE(info + 8, 2) != 1) return std::nullopt;
        f.bitCount = static_cast<WORD>(ReadLE(info + 10, 2));
        if (f.bitCount != 1 && f.bitCount != 4 && f.bitCount != 8 && f.bitCount != 24) return std::nullopt;
        entrySize = 3;
    } else if (headerSize >= 40 && headerSize <= 124) {
        if (available < headerSize) return std::nullopt;
        f.width = static_cast<LONG>(ReadLE(info + 4, 4));
        const auto height = static_cast<LONG>(ReadLE(info + 8, 4));
        if (height == std::numeric_limits<LONG>::min()) return std::nullopt;
        f.topDown = height < 0;
        f.height = height < 0 ? -height : height;
        if (ReadLE(info + 12, 2) != 1) return std::nullopt;
        f.bitCount = static_cast<WORD>(ReadLE(info + 14, 2));
        f.compression = ReadLE(info + 16, 4);
        sizeImage = ReadLE(info + 20, 4);
        colorsUsed = ReadLE(info + 32, 4);
        switch (f.bitCount) {
            case 1:
            case 4:
            case 8:
            case 16:
            case 24:
            case 32: break;
            default: return std::nullopt;
        }
        const bool fits = f.compression == BI_RGB || (f.compression == BI_RLE8 && f.bitCount == 8) ||
                          (f.compression == BI_RLE4 && f.bitCount == 4) ||
                          (f.compression == BI_BITFIELDS && (f.bitCount == 16 || f.bitCount == 32));
        if (!fits || (f.topDown && (f.compression == BI_RLE8 || f.compression == BI_RLE4)))
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (f.width < 1 || f.height < 1 || static_cast<long long>(f.width) * f.height > kMaxDibPixels)
        return std::nullopt;

    // The colour table, or the masks.
    std::size_t offset = headerSize;
    if (f.compression == BI_BITFIELDS) {
        const bool inHeader = headerSize >= 52;
        const std::size_t at = inHeader ? 40 : headerSize;
        if (!inHeader && available - headerSize < 12) return std::nullopt;
        for (int k = 0; k < 3; ++k) f.masks[static_cast<std::size_t>(k)] = ReadLE(info + at + 4 * k, 4);
        if (f.masks[0] == 0 || f.masks[1] == 0 || f.masks[2] == 0) return std::nullopt;
        if (!inHeader) offset += 12;
    } else if (f.bitCount == 16) {
        f.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (f.bitCount == 32) {
        f.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }
    const DWORD fullTable = f.bitCount <= 8 ? 1u << f.bitCount : 0;
    if (f.bitCount <= 8 && colorsUsed > fullTable) return std::nullopt;
    if (f.bitCount > 8 && colorsUsed > 256) return std::nullopt;
    const DWORD entries = f.bitCount <= 8 ? (colorsUsed ? colorsUsed : fullTable) : colorsUsed;
    if (usage == DIB_PAL_COLORS && !f.core) entrySize = 2;
    if ((available - offset) / entrySize < entries) return std::nullopt;
    if (f.bitCount <= 8) {
        for (DWORD k = 0; k < entries; ++k) {
            const BYTE* e = info + offset + k * entrySize;
            if (entrySize == 2) {
                const std::size_t index = ReadLE(e, 2);
                const bool known = palette && index < palette->Entries().size();
                const PALETTEENTRY c = known ? palette->Entries()[index] : PALETTEENTRY{};
                f.colors.push_back(Pixel(c.peRed, c.peGreen, c.peBlue));
            } else {
                f.colors.push_back(Pixel(e[2], e[1], e[0]));
            }
        }
    }
    offset += entries * entrySize;
    f.headerAndTable = offset;

    f.rowBytes = DibRowBytes(f.width, f.bitCount);
    const std::size_t rows = f.rowBytes * static_cast<std::size_t>(f.height);
    if (f.compression == BI_RLE8 || f.compression == BI_RLE4) {
        if (sizeImage == 0) return std::nullopt;  // encoded data must say how long it is
        f.imageBytes = sizeImage;
    } else {
        if (sizeImage != 0 && sizeImage < rows) return std::nullopt;
        f.imageBytes = rows;
    }
    return f;
}

bool DecodeDibPixels(const DibFormat& f, const BYTE* bits, std::vector<std::uint32_t>& pixels) {
    const auto width = static_cast<std::size_t>(f.width);
    pixels.assign(width * static_cast<std::size_t>(f.height), 0);
    auto color = [&](std::uint32_t index) { return index < f.colors.size() ? f.colors[index] : 0u; };
    auto imageRow = [&](LONG dibRow) {
        return static_cast<std::size_t>(f.topDown ? dibRow : f.height - 1 - dibRow);
    };
    if (f.compression == BI_RLE8 || f.compression == BI_RLE4) {
        const std::uint32_t background = color(0);
        std::fill(pixels.begin(), pixels.end(), background);
        return WalkRunLengths(f, bits, [&](LONG x, LONG y, std::uint32_t index) {
            pixels[imageRow(y) * width + static_cast<std::size_t>(x)] = color(index);
        });
    }
    for (LONG r = 0; r < f.height; ++r) {
        const BYTE* row = bits + f.rowBytes * static_cast<std::size_t>(r);
        std::uint32_t* out = pixels.data() + imageRow(r) * width;
        for (std::size_t x = 0; x < width; ++x) {
            switch (f.bitCount) {
                case 1: out[x] = color((row[x / 8] >> (7 - x % 8)) & 1); break;
                case 4: out[x] = color(x % 2 ? row[x / 2] & 0xF : row[x / 2] >> 4); break;
                case 8: out[x] = color(row[x]); break;
                case 16:
                case 32: {
                    const std::uint32_t v = ReadLE(row + x * (f.bitCount / 8), f.bitCount / 8);
                    out[x] = Pixel(Channel(v, f.masks[0]), Channel(v, f.masks[1]), Channel(v, f.masks[2]));
                    break;
                }
                default: out[x] = Pixel(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
            }
        }
    }
    return true;
}

std::vector<std::uint32_t> ChooseColorTable(const std::vector<std::uint32_t>& pixels, WORD bitCount) {
    const std::size_t limit = std::size_t{1} << bitCount;
    std::map<std::uint32_t, bool> distinct;
    for (std::uint32_t p : pixels) {
        distinct[p & kPixelMask] = true;
        if (distinct.size() > limit) return StandardTable(bitCount);
    }
    std::vector<std::uint32_t> table;
    for (const auto& [pixel, seen] : distinct) table.push_back(pixel);
    return table;
}

void EncodeDibRows(const DibFormat& f, const std::vector<std::uint32_t>& pixels, LONG firstRow, LONG rowCount,
                   BYTE* bits) {
    const auto width = static_cast<std::size_t>(f.width);
    std::unordered_map<std::uint32_t, std::size_t> indexes;
    auto index = [&](std::uint32_t pixel) {
        auto [at, added] = indexes.try_emplace(pixel, 0);
        if (added) at->second = NearestIndex(f.colors, pixel);
        return at->second;
    };
    for (LONG r = 0; r < rowCount; ++r) {
        const LONG dibRow = firstRow + r;
        const auto imageRow = static_cast<std::size_t>(f.topDown ? dibRow : f.height - 1 - dibRow);
        const std::uint32_t* in = pixels.data() + imageRow * width;
        BYTE* out = bits + f.rowBytes * static_cast<std::size_t>(r);
        std::memset(out, 0, f.rowBytes);
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint32_t p = in[x] & kPixelMask;
            switch (f.bitCount) {
                case 1: out[x / 8] |= static_cast<BYTE>(index(p) << (7 - x % 8)); break;
                case 4: out[x / 2] |= static_cast<BYTE>(index(p) << (x % 2 ? 0 : 4)); break;
                case 8: out[x] = static_cast<BYTE>(index(p)); break;
                case 16:
                case 32: {
                    const std::uint32_t v = Squeeze(p >> 16 & 0xFF, f.masks[0]) |
                                            Squeeze(p >> 8 & 0xFF, f.masks[1]) |
                                            Squeeze(p & 0xFF, f.masks[2]);
                    WriteLE(out + x * (f.bitCount / 8), v, f.bitCount / 8);
                    break;
                }
                default:
                    out[3 * x] = static_cast<BYTE>(p);
                    out[3 * x + 1] = static_cast<BYTE>(p >> 8);
                    out[3 * x + 2] = static_cast<BYTE>(p >> 16);
                    break;
            }
        }
    }
}

}  // namespace win::gdi
