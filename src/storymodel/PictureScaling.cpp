#include "storymodel/PictureScaling.h"

namespace {

// Bits one pixel takes in a row: a 24-bit pixel is stored in four bytes.
int StoredPixelBits(int depth) { return depth == 24 ? 32 : depth; }

std::uint32_t ReadPixel(const std::uint8_t* row, int x, int bits) {
    if (bits >= 8) {
        const std::uint8_t* at = row + static_cast<std::size_t>(x) * static_cast<std::size_t>(bits / 8);
        std::uint32_t value = 0;
        for (int i = 0; i < bits / 8; ++i) value = value << 8 | at[i];
        return value;
    }
    const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    const int shift = 8 - bits - static_cast<int>(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << bits) - 1);
}

void WritePixel(std::uint8_t* row, int x, int bits, std::uint32_t value) {
    if (bits >= 8) {
        std::uint8_t* at = row + static_cast<std::size_t>(x) * static_cast<std::size_t>(bits / 8);
        for (int i = bits / 8 - 1; i >= 0; --i, value >>= 8) at[i] = static_cast<std::uint8_t>(value);
        return;
    }
    const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    const int shift = 8 - bits - static_cast<int>(bit % 8);
    const auto mask = static_cast<std::uint8_t>(((1u << bits) - 1) << shift);
    row[bit / 8] = static_cast<std::uint8_t>((row[bit / 8] & ~mask) | ((value << shift) & mask));
}

// Whether every row of the source is there to be read.
bool HasWholeRows(const PictRecord& source) {
    return PictRecord::ReadDepth(source.GetDepth()) == source.GetDepth() && source.Width() > 0 &&
           source.Height() > 0 &&
           source.Image().size() >= static_cast<std::uint64_t>(source.Height()) * source.RowBytes();
}

}  // namespace

std::optional<PictRecord> StretchPicture(const PictRecord& source, int width, int height, std::uint16_t id,
                                         FourCC type) {
    if (width <= 0 || height <= 0 || !HasWholeRows(source)) return std::nullopt;
    PictRecord result(id, type);
    result.SetBounds({0, 0, static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)});
    result.SetColorCount(source.GetColorCount());
    result.SetDepth(source.GetDepth());
    result.SetPaletteFlag(source.GetPaletteFlag());
    result.ColorTable() = source.ColorTable();
    const std::uint32_t rowBytes = result.RowBytes();
    result.Image().assign(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(height), 0);
    const int bits = StoredPixelBits(source.GetDepth());
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = source.Row(static_cast<int>(std::int64_t{y} * source.Height() / height));
        std::uint8_t* to = result.Image().data() + static_cast<std::size_t>(y) * rowBytes;
        for (int x = 0; x < width; ++x)
            WritePixel(to, x, bits,
                       ReadPixel(from, static_cast<int>(std::int64_t{x} * source.Width() / width), bits));
    }
    return result;
}
