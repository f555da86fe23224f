// Pictures converted for display and back. An input whose first byte is even is a picture
// record's stored bytes (as a segment holds them): one that reads is made into a bitmap, and the
// bitmap into a record again, which must show the same size. An input whose first byte is odd is
// a device-independent bitmap block (as BMP import and the clipboard give one): one that converts
// to a record converts back to a bitmap, and is remapped onto a small palette.

#include <cstring>

#include "FuzzSupport.h"
#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PictRecord.h"
#include "framework/graphics/DibBlocks.h"
#include "framework/graphics/PictImage.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

namespace {

constexpr FourCC kType = FourCCOf("BITM");

// Pictures above this many pixels are only read, so that runs stay short.
constexpr long kMaxConvertedPixels = 1 << 16;

void FromRecord(std::string_view bytes) {
    PictRecord record(1, kType);
    if (record.Decode(bytes.data(), static_cast<std::uint32_t>(bytes.size())) != kNoErr) return;
    if (static_cast<long>(record.Width()) * record.Height() > kMaxConvertedPixels) return;
    ErrCode err = -1;
    const PictImage image(record, err);
    FUZZ_CHECK(err == kNoErr || err == kBadDataErr);
    if (err != kNoErr) return;
    const auto layout = DibLayout(image.GetBits());
    FUZZ_CHECK(layout && layout->width == record.Width() && layout->height == record.Height());
    // A record's bounds hold sizes up to 32767.
    const PictImage back(image.GetBits(), err);
    const bool fits = record.Width() <= 0x7FFF && record.Height() <= 0x7FFF;
    FUZZ_CHECK((err == kNoErr) == fits);
    if (fits)
        FUZZ_CHECK(back.GetRecord().Width() == record.Width() &&
                   back.GetRecord().Height() == record.Height());
}

void FromBits(std::string_view bytes) {
    DibBlock dib(MemAlloc(static_cast<std::uint32_t>(bytes.size())));
    if (!dib) return;
    std::memcpy(dib.get(), bytes.data(), bytes.size());
    const auto layout = DibLayout(dib.get());
    if (!layout || static_cast<long>(layout->width) * layout->height > kMaxConvertedPixels) return;
    ErrCode err = -1;
    const PictImage image(dib.get(), err);
    if (err == kNoErr) {
        const PictImage back(image.GetRecord(), err);
        FUZZ_CHECK(err == kNoErr);
    }
    win::LOGPALETTE small{};
    small.palNumEntries = 1;
    small.palPalEntry[0] = win::PALETTEENTRY{200, 100, 50, 0};
    const win::HPALETTE palette = win::CreatePalette(&small);
    RemapDibToPalette(dib, palette);
    FUZZ_CHECK(DibLayout(dib.get()).has_value());
    win::DeleteObject(palette);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool record = (input.Byte() & 1) == 0;
    const std::string_view rest = input.Rest();
    if (record) {
        FromRecord(rest);
    } else {
        FromBits(rest);
    }
    return 0;
}
