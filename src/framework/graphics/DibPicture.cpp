#include "framework/graphics/DibPicture.h"

#include <cstring>
#include <vector>

#include "framework/graphics/AppPalette.h"
#include "platform/gdi/BmpFile.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

// A palette of the DIB's colour table.
win::HPALETTE PaletteOf(const win::BYTE* table, std::size_t colors) {
    std::vector<win::BYTE> block(sizeof(win::LOGPALETTE) + colors * sizeof(win::PALETTEENTRY));
    auto* palette = reinterpret_cast<win::LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<win::WORD>(colors);
    win::PALETTEENTRY* entries = palette->palPalEntry;
    for (std::size_t i = 0; i < colors; ++i) {
        const win::BYTE* quad = table + 4 * i;
        entries[i] = win::PALETTEENTRY{quad[2], quad[1], quad[0], 0};
    }
    return win::CreatePalette(palette);
}

}  // namespace

DibPicture::DibPicture(const FileRef& file) : error_(LoadBmpFile(*this, file)) {}

DibPicture::~DibPicture() {
    if (palette_) win::DeleteObject(palette_);
}

void DibPicture::CopyBits(DibBlock& block) const { block.reset(bits_ ? MemDuplicate(bits_.get()) : nullptr); }

void DibPicture::Replace(DibBlock bits, win::HPALETTE palette) {
    bits_ = std::move(bits);
    if (!palette) return;
    if (palette_) win::DeleteObject(palette_);
    palette_ = palette;
}

ErrCode LoadBmpFile(DibPicture& picture, const FileRef& file) {
    const std::string path = file.GetFullPath();
    if (path.empty()) return kBmpReadErr;
    const win::BmpImage image = win::ReadBmpFile(path);
    switch (image.status) {
        case win::BmpStatus::Ok: break;
        case win::BmpStatus::CannotOpen: return kBmpReadErr;
        case win::BmpStatus::NotBmp:
        case win::BmpStatus::Damaged: return kBmpFormatErr;
    }
    const win::PackedDibLayout& layout = image.layout;
    // Rows stored top first are refused with the rest: pictures are made from rows stored bottom first.
    if (layout.headerSize != kInfoHeaderSize || layout.compression != win::BI_RGB || layout.topDown) {
        return kBmpFormatErr;
    }
    if (layout.pixelBytes == 0) return kBmpEmptyErr;
    const std::size_t colors = layout.colorCount;
    if (colors != 0 && kFileHeaderSize + kInfoHeaderSize + 4 * colors != image.pixelOffset) {
        return kBmpFormatErr;
    }
    const std::size_t size = kInfoHeaderSize + 4 * colors + layout.pixelBytes;
    if (image.dib.size() < size) return kBmpFormatErr;

    DibBlock bits(MemAlloc(static_cast<std::uint32_t>(size)));
    if (!bits) return kBmpMemoryErr;
    std::memcpy(bits.get(), image.dib.data(), size);
    win::HPALETTE palette = nullptr;
    if (colors > 0) {
        palette = PaletteOf(image.dib.data() + kInfoHeaderSize, colors);
        if (!palette) return kBmpPaletteErr;
        DefineAppPalette(palette);
    }
    picture.Replace(std::move(bits), palette);
    return kNoErr;
}
