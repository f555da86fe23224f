#pragma once
// A picture kept in one raw segment of a store: character pictures, the splash pictures and item
// bitmaps. The record is platform-neutral: big-endian numbers, a bounds rectangle, a colour table
// of 16-bit components and rows stored top to bottom.
//
//   offset  size  field
//   0       8     bounds: top, left, bottom, right (i16 each); width = right - left
//   8       2     colour count: colour-table entries in use (1600 for pictures deeper than 8 bits)
//   10      1     depth: 1, 2, 4, 8, 16 or 24 bits per pixel (a larger value reads as 24)
//   11      2     palette flag (i16): -1 leaves the device's palette alone; 0 or more realises the
//                 application's shared palette while the picture is turned into a bitmap
//   13      1536  colour table, only for depths up to 8: 256 entries of red, green, blue (u16 each,
//                 the 8-bit value in the high byte)
//   13/1549 4     image size n (u32)
//   17/1553 n     the image
//
// Image rows run top to bottom. A row of depth 1 to 16 is padded to a multiple of 4 bytes; a 24-bit
// row is width x 4 bytes. When n exceeds height x row bytes, each row carries (n - height x row
// bytes) / height extra bytes at its end (unless that number is not below the width). Pixels:
// depth 1 one bit, 1 = black; depths 2, 4 and 8 colour-table indexes; 16 a big-endian u16 of a
// reserved bit and 5 bits each of red, green and blue; 24 four bytes: reserved, red, green, blue.
// Bits are packed most significant first.
//
// Reading checks every size against the segment: a record whose image is shorter than its rows,
// or whose bounds are empty, is refused with -3 instead of being read past its end.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "foundation/Types.h"

struct PictBounds {
    std::int16_t top = 0;
    std::int16_t left = 0;
    std::int16_t bottom = 0;
    std::int16_t right = 0;

    friend bool operator==(const PictBounds&, const PictBounds&) = default;
};

// One colour-table entry; the 8-bit component is the high byte.
struct PictColor {
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;

    friend bool operator==(const PictColor&, const PictColor&) = default;
};

class PictRecord {
public:
    static constexpr std::uint32_t kColorTableEntries = 256;
    static constexpr std::uint32_t kColorTableSize = kColorTableEntries * 6;
    static constexpr std::uint32_t kHeaderSize = 17;  // without a colour table
    static constexpr std::uint32_t kDeepestIndexedDepth = 8;
    static constexpr std::uint16_t kDeepColorCount = 1600;
    static constexpr std::int16_t kKeepDevicePalette = -1;
    static constexpr int kSegmentPriority = 1;

    // An empty record addressing segment (type, id).
    PictRecord(std::uint16_t id, FourCC type);

    // Reads segment (type, id) of the current store: -1 when the segment does not exist, -3 when
    // it is not a raw segment or not a sound picture record, -4 when memory runs out, else the
    // store's error. On failure the record is left empty (no image, depth 0).
    ErrCode Load();
    // Writes the record as segment (type, id) of the current store (replacing one there), a raw
    // block of priority 1, and checks it in. -4 when memory runs out, else the store's error.
    ErrCode Store();
    // Frees the image and clears the colour table.
    void Release();

    // The stored form. Decode reads size bytes (answers 0, or -3 and leaves the record empty);
    // Encode writes StoredSize() bytes.
    ErrCode Decode(const void* bytes, std::uint32_t size);
    std::uint32_t StoredSize() const;
    void Encode(void* bytes) const;

    std::uint16_t GetId() const { return id_; }
    FourCC GetType() const { return type_; }

    const PictBounds& GetBounds() const { return bounds_; }
    void SetBounds(const PictBounds& bounds) { bounds_ = bounds; }
    int Width() const { return bounds_.right - bounds_.left; }
    int Height() const { return bounds_.bottom - bounds_.top; }

    std::uint16_t GetColorCount() const { return colorCount_; }
    void SetColorCount(std::uint16_t count) { colorCount_ = count; }
    std::uint8_t GetDepth() const { return depth_; }
    void SetDepth(std::uint8_t depth) { depth_ = depth; }
    std::int16_t GetPaletteFlag() const { return paletteFlag_; }
    void SetPaletteFlag(std::int16_t flag) { paletteFlag_ = flag; }
    bool HasColorTable() const { return depth_ <= kDeepestIndexedDepth; }

    // All 256 entries; only the first GetColorCount() are meaningful.
    std::array<PictColor, kColorTableEntries>& ColorTable() { return colors_; }
    const std::array<PictColor, kColorTableEntries>& ColorTable() const { return colors_; }

    std::vector<std::uint8_t>& Image() { return image_; }
    const std::vector<std::uint8_t>& Image() const { return image_; }

    // Bytes of one row's pixels, and the extra bytes stored after each row.
    std::uint32_t RowBytes() const { return PictRowBytes(Width(), depth_); }
    std::uint32_t RowSkip() const;
    // The first byte of a row, 0 at the top.
    const std::uint8_t* Row(int row) const {
        return image_.data() + static_cast<std::size_t>(row) * (RowBytes() + RowSkip());
    }

    // The bytes of one row's pixels: ((width x depth + 31) / 32) x 4, or width x 4 at depth 24.
    static std::uint32_t PictRowBytes(int width, int depth);
    // The depth a stored depth byte is read as: 1, 2, 4, 8, 16 or 24, or 0 for a value that is
    // no depth.
    static int ReadDepth(std::uint8_t stored);

private:
    std::uint16_t id_;
    FourCC type_;
    PictBounds bounds_;
    std::uint16_t colorCount_ = 0;
    std::uint8_t depth_ = 0;
    std::int16_t paletteFlag_ = kKeepDevicePalette;
    std::array<PictColor, kColorTableEntries> colors_{};
    std::vector<std::uint8_t> image_;
};
