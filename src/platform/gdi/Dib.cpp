#include "platform/gdi/Dib.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DibCodec.h"
#include "platform/gdi/Transfer.h"

namespace win {
namespace {

using gdi::Dc;
using gdi::DibFormat;

constexpr std::size_t kUnknownLength = std::numeric_limits<std::size_t>::max();

std::optional<DibFormat> FormatOf(const BITMAPINFO* info, UINT usage, Dc* dc) {
    return gdi::ReadDibFormat(reinterpret_cast<const BYTE*>(info), kUnknownLength, usage,
                              dc ? dc->state.palette.get() : nullptr);
}

std::vector<std::uint32_t> ReadSurface(const Surface& surface) {
    surface.Flush();
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(surface.Width()) * static_cast<std::size_t>(surface.Height()));
    for (int y = 0; y < surface.Height(); ++y) {
        const std::uint32_t* row = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) pixels.push_back(row[x] & 0xFFFFFF);
    }
    return pixels;
}

// Decodes `lines` DIB rows starting at DIB row `start` (or the whole image when encoded) and calls
// put(imageRow, pixelsOfThatRow) for each.
template <typename Put>
bool DecodeRows(const DibFormat& whole, const BYTE* bits, UINT start, UINT lines, Put put) {
    DibFormat part = whole;
    const bool encoded = whole.compression == BI_RLE8 || whole.compression == BI_RLE4;
    if (encoded) {
        start = 0, lines = static_cast<UINT>(whole.height);
    } else {
        if (start >= static_cast<UINT>(whole.height)) return false;
        lines = std::min<UINT>(lines, static_cast<UINT>(whole.height) - start);
        if (lines == 0) return false;
        part.height = static_cast<LONG>(lines);
        part.imageBytes = part.rowBytes * lines;
    }
    std::vector<std::uint32_t> pixels;
    gdi::DecodeDibPixels(part, bits, pixels);
    const auto width = static_cast<std::size_t>(whole.width);
    for (LONG i = 0; i < part.height; ++i) {
        // Row i of the decoded part, counted from its top.
        const LONG dibRow = static_cast<LONG>(start) + (part.topDown ? i : part.height - 1 - i);
        const LONG imageRow = whole.topDown ? dibRow : whole.height - 1 - dibRow;
        put(imageRow, pixels.data() + static_cast<std::size_t>(i) * width);
    }
    return true;
}

// The whole image, top-down, as a transfer source; monochrome destinations get black and white.
gdi::TransferSource SourceOf(const DibFormat& format, const BYTE* bits, UINT start, UINT lines,
                             bool monochrome) {
    gdi::TransferSource source;
    source.pixels.assign(static_cast<std::size_t>(format.width) * static_cast<std::size_t>(format.height), 0);
    LONG top = format.height, bottom = 0;
    DecodeRows(format, bits, start, lines, [&](LONG row, const std::uint32_t* pixels) {
        std::copy_n(pixels, format.width,
                    source.pixels.begin() + static_cast<std::ptrdiff_t>(row) * format.width);
        top = std::min(top, row), bottom = std::max(bottom, row + 1);
    });
    source.bounds = RECT{0, 0, format.width, format.height};
    if (top < bottom) {
        // Only the rows given are there to draw from.
        source.pixels.erase(source.pixels.begin() + static_cast<std::ptrdiff_t>(bottom) * format.width,
                            source.pixels.end());
        source.pixels.erase(source.pixels.begin(),
                            source.pixels.begin() + static_cast<std::ptrdiff_t>(top) * format.width);
        source.bounds = RECT{0, top, format.width, bottom};
    } else {
        source.pixels.clear();
        source.bounds = RECT{};
    }
    if (monochrome) {
        for (std::uint32_t& p : source.pixels) p = PixelFromColor(gdi::NearestMonochrome(ColorFromPixel(p)));
        source.monochrome = true;
    }
    return source;
}

void WriteTable(const DibFormat& format, const std::vector<std::uint32_t>& table, UINT usage, BYTE* at) {
    const std::size_t entries = std::size_t{1} << format.bitCount;
    for (std::size_t k = 0; k < entries; ++k) {
        if (usage == DIB_PAL_COLORS && !format.core) {
            at[2 * k] = static_cast<BYTE>(k);
            at[2 * k + 1] = static_cast<BYTE>(k >> 8);
            continue;
        }
        const std::uint32_t c = k < table.size() ? table[k] : 0;
        BYTE* e = at + k * (format.core ? 3 : 4);
        e[0] = static_cast<BYTE>(c), e[1] = static_cast<BYTE>(c >> 8), e[2] = static_cast<BYTE>(c >> 16);
        if (!format.core) e[3] = 0;
    }
}

}  // namespace

std::optional<PackedDibLayout> ParsePackedDib(const void* block, std::size_t size) {
    const auto format = gdi::ReadDibFormat(static_cast<const BYTE*>(block), size, DIB_RGB_COLORS, nullptr);
    if (!format || format->headerAndTable > size || size - format->headerAndTable < format->imageBytes) {
        return std::nullopt;
    }
    PackedDibLayout layout;
    layout.width = format->width;
    layout.height = format->height;
    layout.topDown = format->topDown;
    layout.bitCount = format->bitCount;
    layout.compression = format->compression;
    layout.colorCount = static_cast<DWORD>(format->colors.size());
    layout.headerSize = format->core ? 12 : static_cast<const BITMAPINFOHEADER*>(block)->biSize;
    layout.colorEntrySize = format->core ? 3 : 4;
    layout.pixelOffset = format->headerAndTable;
    layout.pixelBytes = format->imageBytes;
    return layout;
}

int GetDIBits(HDC handle, HBITMAP bitmapHandle, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
              UINT usage) {
    Dc* dc = gdi::LookupDc(handle);
    auto* bitmap = gdi::Lookup<gdi::Bitmap>(bitmapHandle, OBJ_BITMAP);
    if (!dc || !bitmap || !info) return 0;
    auto* bytes = reinterpret_cast<BYTE*>(info);
    DibFormat format;
    format.core = info->bmiHeader.biSize == 12;
    if (!format.core && info->bmiHeader.biSize < 40) return 0;
    const auto* core = reinterpret_cast<BITMAPCOREHEADER*>(info);
    const WORD asked = format.core ? core->bcBitCount : info->bmiHeader.biBitCount;
    format.bitCount = asked ? asked : static_cast<WORD>(bitmap->IsMonochrome() ? 1 : 32);
    switch (format.bitCount) {
        case 1:
        case 4:
        case 8:
        case 24: break;
        case 16:
        case 32:
            if (!format.core) break;
            [[fallthrough]];
        default: return 0;
    }
    format.width = bitmap->Width();
    format.height = bitmap->Height();
    format.topDown = bits && !format.core && info->bmiHeader.biHeight < 0;
    format.rowBytes = DibRowBytes(format.width, format.bitCount);
    const bool bitfields = !format.core && info->bmiHeader.biCompression == BI_BITFIELDS &&
                           (format.bitCount == 16 || format.bitCount == 32);
    if (format.bitCount == 16)
        format.masks = bitfields ? std::array<DWORD, 3>{0xF800, 0x07E0, 0x001F}
                                 : std::array<DWORD, 3>{0x7C00, 0x03E0, 0x001F};
    if (format.bitCount == 32) format.masks = {0xFF0000, 0x00FF00, 0x0000FF};

    const std::vector<std::uint32_t> pixels = ReadSurface(bitmap->Pixels());
    if (format.bitCount <= 8) {
        if (usage == DIB_PAL_COLORS && dc->state.palette) {
            for (const PALETTEENTRY& e : dc->state.palette->Entries()) {
                if (format.colors.size() == (std::size_t{1} << format.bitCount)) break;
                format.colors.push_back(static_cast<std::uint32_t>(e.peRed) << 16 | e.peGreen << 8 |
                                        e.peBlue);
            }
        } else if (bitmap->IsMonochrome()) {
            format.colors = {0x000000, 0xFFFFFF};
        } else {
            format.colors = gdi::ChooseColorTable(pixels, format.bitCount);
        }
    }

    const auto imageSize = static_cast<DWORD>(format.rowBytes * static_cast<std::size_t>(format.height));
    if (format.core) {
        auto* header = reinterpret_cast<BITMAPCOREHEADER*>(info);
        header->bcWidth = static_cast<WORD>(format.width);
        header->bcHeight = static_cast<WORD>(format.height);
        header->bcPlanes = 1;
        header->bcBitCount = format.bitCount;
    } else {
        BITMAPINFOHEADER& header = info->bmiHeader;
        header.biWidth = format.width;
        header.biHeight = format.topDown ? -format.height : format.height;
        header.biPlanes = 1;
        header.biBitCount = format.bitCount;
        header.biCompression = bitfields ? BI_BITFIELDS : BI_RGB;
        header.biSizeImage = imageSize;
        header.biClrUsed = 0;
        header.biClrImportant = 0;
    }
    const std::size_t headerSize = format.core ? 12 : info->bmiHeader.biSize;
    if (bitfields) {
        for (int k = 0; k < 3; ++k)
            std::memcpy(bytes + headerSize + 4 * k, &format.masks[static_cast<std::size_t>(k)], 4);
    } else if (format.bitCount <= 8) {
        WriteTable(format, format.colors, usage, bytes + headerSize);
    }
    if (!bits) return format.height;
    if (start >= static_cast<UINT>(format.height)) return 0;
    const auto count = static_cast<LONG>(std::min<UINT>(lines, static_cast<UINT>(format.height) - start));
    gdi::EncodeDibRows(format, pixels, static_cast<LONG>(start), count, static_cast<BYTE*>(bits));
    return count;
}

int SetDIBits(HDC handle, HBITMAP bitmapHandle, UINT start, UINT lines, LPCVOID bits, const BITMAPINFO* info,
              UINT usage) {
    Dc* dc = gdi::LookupDc(handle);
    auto* bitmap = gdi::Lookup<gdi::Bitmap>(bitmapHandle, OBJ_BITMAP);
    if (!bitmap || !bits || !info) return 0;
    const auto format = FormatOf(info, usage, dc);
    if (!format) return 0;
    Surface& surface = bitmap->Pixels();
    surface.Flush();
    int set = 0;
    DecodeRows(*format, static_cast<const BYTE*>(bits), start, lines,
               [&](LONG row, const std::uint32_t* pixels) {
                   if (row >= surface.Height()) return;
                   std::uint32_t* out = surface.Row(row);
                   const int width = std::min(surface.Width(), static_cast<int>(format->width));
                   for (int x = 0; x < width; ++x) {
                       out[x] = bitmap->IsMonochrome()
                                    ? PixelFromColor(gdi::NearestMonochrome(ColorFromPixel(pixels[x])))
                                    : pixels[x];
                   }
                   ++set;
               });
    surface.MarkDirty();
    return set;
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, LPCVOID bits,
                       const BITMAPINFO* info, UINT usage) {
    if (!header) return nullptr;
    LONG width = header->biWidth, height = header->biHeight;
    if (header->biSize == 12) {
        const auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(header);
        width = core->bcWidth, height = core->bcHeight;
    }
    if (height == std::numeric_limits<LONG>::min()) return nullptr;
    height = height < 0 ? -height : height;
    if (width < 1 || height < 1 || static_cast<long long>(width) * height > gdi::kMaxDibPixels)
        return nullptr;
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    if (bitmap && (init & CBM_INIT) && bits && info)
        SetDIBits(dc, bitmap, 0, static_cast<UINT>(height), bits, info, usage);
    return bitmap;
}

int SetDIBitsToDevice(HDC handle, int x, int y, DWORD width, DWORD height, int sourceX, int sourceY,
                      UINT startScan, UINT scanLines, LPCVOID bits, const BITMAPINFO* info, UINT usage) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !bits || !info) return 0;
    const auto format = FormatOf(info, usage, dc);
    if (!format) return 0;
    const auto w = static_cast<LONG>(std::min<DWORD>(width, static_cast<DWORD>(format->width)));
    const auto h = static_cast<LONG>(std::min<DWORD>(height, static_cast<DWORD>(format->height)));
    const LONG top = format->topDown ? sourceY : format->height - sourceY - h;
    gdi::TransferSource source =
        SourceOf(*format, static_cast<const BYTE*>(bits), startScan, scanLines, dc->IsMonochrome());
    const gdi::Extent to = gdi::DeviceExtent(*dc, gdi::Extent{x, y, w, h});
    gdi::Transfer(*dc, gdi::Extent{to.x, to.y, w, h}, &source, gdi::Extent{sourceX, top, w, h}, SRCCOPY);
    return static_cast<int>(std::min<UINT>(scanLines, static_cast<UINT>(format->height)));
}

int StretchDIBits(HDC handle, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
                  int sourceHeight, LPCVOID bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !bits || !info) return 0;
    const auto format = FormatOf(info, usage, dc);
    if (!format) return 0;
    const LONG top = format->topDown ? sourceY : format->height - sourceY - sourceHeight;
    gdi::TransferSource source = SourceOf(*format, static_cast<const BYTE*>(bits), 0,
                                          static_cast<UINT>(format->height), dc->IsMonochrome());
    gdi::Transfer(*dc, gdi::DeviceExtent(*dc, gdi::Extent{x, y, width, height}), &source,
                  gdi::Extent{sourceX, top, sourceWidth, sourceHeight}, rop);
    return format->height;
}

}  // namespace win
