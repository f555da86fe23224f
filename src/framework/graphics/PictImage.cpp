#include "framework/graphics/PictImage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "foundation/FileError.h"
#include "framework/graphics/ScopedHandle.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

namespace {

constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;
constexpr std::size_t kHeaderSize = sizeof(win::BITMAPINFOHEADER);

struct Rgb {
    std::uint8_t red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colours 4-bit pictures are shown in, whatever their record's table says.
constexpr std::array<Rgb, 16> kFixedTable = {{{255, 255, 255},
                                              {255, 255, 0},
                                              {128, 0, 0},
                                              {255, 0, 0},
                                              {255, 0, 255},
                                              {0, 0, 128},
                                              {0, 0, 255},
                                              {0, 255, 255},
                                              {0, 255, 0},
                                              {0, 128, 0},
                                              {128, 0, 128},
                                              {128, 128, 0},
                                              {192, 192, 192},
                                              {128, 128, 128},
                                              {0, 128, 128},
                                              {0, 0, 0}}};

// A 5-bit component as 8 bits.
std::uint8_t Widen5(unsigned c) { return static_cast<std::uint8_t>(c * 8 + c / 4); }

// A new uncompressed, bottom-up DIB with room for its table and rows; null when out of memory.
DibBlock NewDib(int width, int height, int bitCount, const std::vector<Rgb>& table) {
    const std::size_t rowBytes = win::DibRowBytes(width, static_cast<win::WORD>(bitCount));
    const std::size_t size = kHeaderSize + 4 * table.size() + rowBytes * static_cast<std::size_t>(height);
    DibBlock dib(MemAllocFill(static_cast<std::uint32_t>(size), 0));
    if (!dib) return nullptr;
    auto* header = static_cast<win::BITMAPINFOHEADER*>(dib.get());
    *header = win::BITMAPINFOHEADER{};
    header->biWidth = width;
    header->biHeight = height;
    header->biBitCount = static_cast<win::WORD>(bitCount);
    header->biSizeImage = static_cast<win::DWORD>(rowBytes * static_cast<std::size_t>(height));
    header->biClrUsed = static_cast<win::DWORD>(table.size());
    auto* quads = static_cast<std::uint8_t*>(dib.get()) + kHeaderSize;
    for (std::size_t i = 0; i < table.size(); ++i) {
        quads[4 * i] = table[i].blue, quads[4 * i + 1] = table[i].green, quads[4 * i + 2] = table[i].red;
    }
    return dib;
}

// Row `y` of a bottom-up DIB made by NewDib, counted from the top of the picture.
std::uint8_t* DibRow(DibBlock& dib, int y) {
    const auto* header = static_cast<const win::BITMAPINFOHEADER*>(dib.get());
    const std::size_t rowBytes = win::DibRowBytes(header->biWidth, header->biBitCount);
    return static_cast<std::uint8_t*>(dib.get()) + kHeaderSize + 4 * header->biClrUsed +
           rowBytes * static_cast<std::size_t>(header->biHeight - 1 - y);
}

win::HPALETTE PaletteOf(const std::vector<Rgb>& table) {
    std::vector<win::BYTE> block(sizeof(win::LOGPALETTE) + table.size() * sizeof(win::PALETTEENTRY));
    auto* palette = reinterpret_cast<win::LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<win::WORD>(table.size());
    win::PALETTEENTRY* entries = palette->palPalEntry;
    for (std::size_t i = 0; i < table.size(); ++i)
        entries[i] = {table[i].red, table[i].green, table[i].blue, 0};
    return win::CreatePalette(palette);
}

// The first `count` entries of the record's table (the rest black), `size` in all.
std::vector<Rgb> RecordTable(const PictRecord& record, std::size_t size) {
    std::vector<Rgb> table(size, Rgb{0, 0, 0});
    const std::size_t count = std::min<std::size_t>(record.GetColorCount(), size);
    for (std::size_t i = 0; i < count; ++i) {
        const PictColor& c = record.ColorTable()[i];
        table[i] = {static_cast<std::uint8_t>(c.red >> 8), static_cast<std::uint8_t>(c.green >> 8),
                    static_cast<std::uint8_t>(c.blue >> 8)};
    }
    return table;
}

// The pixel rows of a checked DIB, from the top of the picture.
class DibRows {
public:
    DibRows(const void* dib, const win::PackedDibLayout& layout)
        : pixels_(static_cast<const std::uint8_t*>(dib) + layout.pixelOffset),
          rowBytes_(win::DibRowBytes(layout.width, layout.bitCount)),
          height_(layout.height),
          topDown_(layout.topDown) {}
    const std::uint8_t* Row(int y) const {
        return pixels_ + rowBytes_ * static_cast<std::size_t>(topDown_ ? y : height_ - 1 - y);
    }
    std::size_t RowBytes() const { return rowBytes_; }

private:
    const std::uint8_t* pixels_;
    std::size_t rowBytes_;
    int height_;
    bool topDown_;
};

std::vector<Rgb> DibTable(const void* dib, const win::PackedDibLayout& layout) {
    std::vector<Rgb> table(layout.colorCount);
    const auto* entries = static_cast<const std::uint8_t*>(dib) + layout.headerSize;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::uint8_t* e = entries + layout.colorEntrySize * i;
        table[i] = {e[2], e[1], e[0]};
    }
    return table;
}

bool IsFixedTable(const std::vector<Rgb>& table) {
    return table.size() == kFixedTable.size() && std::equal(table.begin(), table.end(), kFixedTable.begin());
}

}  // namespace

PictImage::PictImage(const void* bits, ErrCode& error, std::uint16_t id, FourCC type) : record_(id, type) {
    const ScopedHandle locked(const_cast<void*>(bits));
    try {
        error = BitsToRecord(locked.Get());
    } catch (const std::bad_alloc&) {
        error = kOutOfMemoryErr;
    }
    if (error == kNoErr) bits_.reset(MemDuplicate(locked.Get()));
    if (error == kNoErr && !bits_) error = kOutOfMemoryErr;
    if (error != kNoErr) record_.Release();
}

PictImage::PictImage(const PictRecord& record, ErrCode& error) : record_(record) {
    try {
        error = RecordToBits();
    } catch (const std::bad_alloc&) {
        error = kOutOfMemoryErr;
    }
}

PictImage::~PictImage() {
    if (palette_) win::DeleteObject(palette_);
}

DibBlock PictImage::CopyBits() const { return DibBlock(bits_ ? MemDuplicate(bits_.get()) : nullptr); }

ErrCode PictImage::RecordToBits() {
    const PictRecord& r = record_;
    const int width = r.Width(), height = r.Height(), depth = PictRecord::ReadDepth(r.GetDepth());
    if (width <= 0 || height <= 0 || depth == 0 ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPixels ||
        r.Image().size() < static_cast<std::uint64_t>(height) * r.RowBytes()) {
        return kBadDataErr;
    }
    const std::size_t rowBytes = r.RowBytes();
    std::vector<Rgb> table;
    int bitCount = depth;
    switch (depth) {
        case 1: table = {{0, 0, 0}, {255, 255, 255}}; break;
        case 2: table = RecordTable(r, 4), bitCount = 8; break;
        case 4: table.assign(kFixedTable.begin(), kFixedTable.end()); break;
        case 8: table = RecordTable(r, 256); break;
        default: bitCount = 24; break;
    }
    DibBlock dib = NewDib(width, height, bitCount, table);
    if (!dib) return kOutOfMemoryErr;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = r.Row(y);
        std::uint8_t* to = DibRow(dib, y);
        switch (depth) {
            case 1:
                // The record's 1 is black; a monochrome bitmap's 1 is white.
                for (std::size_t k = 0; k < rowBytes; ++k) to[k] = static_cast<std::uint8_t>(~from[k]);
                break;
            case 2:
                for (int x = 0; x < width; ++x) to[x] = (from[x / 4] >> (6 - 2 * (x % 4))) & 3;
                break;
            case 4:
            case 8: std::memcpy(to, from, rowBytes); break;
            case 16:
                for (int x = 0; x < width; ++x) {
                    const unsigned p = static_cast<unsigned>(from[2 * x] << 8 | from[2 * x + 1]);
                    to[3 * x] = Widen5(p & 0x1F), to[3 * x + 1] = Widen5((p >> 5) & 0x1F);
                    to[3 * x + 2] = Widen5((p >> 10) & 0x1F);
                }
                break;
            default:
                for (int x = 0; x < width; ++x) {
                    to[3 * x] = from[4 * x + 3], to[3 * x + 1] = from[4 * x + 2],
                           to[3 * x + 2] = from[4 * x + 1];
                }
                break;
        }
    }
    if (!table.empty()) {
        palette_ = PaletteOf(table);
        if (!palette_) return kOutOfMemoryErr;
    }
    bits_ = std::move(dib);
    return kNoErr;
}

ErrCode PictImage::BitsToRecord(const void* bits) {
    const auto layout = DibLayout(bits);
    if (!layout || layout->compression != win::BI_RGB) return kBadDataErr;
    const int width = layout->width, height = layout->height;
    // A record's bounds are 16-bit.
    if (width > 0x7FFF || height > 0x7FFF) return kBadDataErr;
    const DibRows rows(bits, *layout);
    const std::vector<Rgb> table = DibTable(bits, *layout);
    int depth = 24;
    switch (layout->bitCount) {
        case 1: depth = 1; break;
        // Colours other than the fixed table's would be lost at 4 bits.
        case 4: depth = IsFixedTable(table) ? 4 : 8; break;
        case 8: depth = 8; break;
        default: break;
    }
    PictRecord& r = record_;
    r.SetBounds(PictBounds{0, 0, static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)});
    r.SetDepth(static_cast<std::uint8_t>(depth));
    r.SetPaletteFlag(PictRecord::kKeepDevicePalette);
    r.SetColorCount(depth <= 8 ? static_cast<std::uint16_t>(layout->colorCount)
                               : PictRecord::kDeepColorCount);
    for (std::size_t i = 0; i < std::min<std::size_t>(table.size(), PictRecord::kColorTableEntries); ++i) {
        r.ColorTable()[i] = {static_cast<std::uint16_t>(table[i].red << 8),
                             static_cast<std::uint16_t>(table[i].green << 8),
                             static_cast<std::uint16_t>(table[i].blue << 8)};
    }
    const std::size_t rowBytes = PictRecord::PictRowBytes(width, depth);
    r.Image().assign(rowBytes * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = rows.Row(y);
        std::uint8_t* to = r.Image().data() + rowBytes * static_cast<std::size_t>(y);
        switch (layout->bitCount) {
            case 1:
                for (std::size_t k = 0; k < rowBytes; ++k) to[k] = static_cast<std::uint8_t>(~from[k]);
                break;
            case 4:
                if (depth == 4) {
                    std::memcpy(to, from, rowBytes);
                } else {
                    for (int x = 0; x < width; ++x) to[x] = x % 2 ? from[x / 2] & 0x0F : from[x / 2] >> 4;
                }
                break;
            case 8: std::memcpy(to, from, rowBytes); break;
            case 16:
                for (int x = 0; x < width; ++x) {
                    const unsigned p = static_cast<unsigned>(from[2 * x] | from[2 * x + 1] << 8);
                    to[4 * x + 1] = Widen5((p >> 10) & 0x1F), to[4 * x + 2] = Widen5((p >> 5) & 0x1F);
                    to[4 * x + 3] = Widen5(p & 0x1F);
                }
                break;
            default: {
                const int step = layout->bitCount / 8;
                for (int x = 0; x < width; ++x) {
                    const std::uint8_t* pixel = from + step * x;
                    to[4 * x + 1] = pixel[2], to[4 * x + 2] = pixel[1], to[4 * x + 3] = pixel[0];
                }
                break;
            }
        }
    }
    return kNoErr;
}
