#include "foundation/pfm/PictRecord.h"

#include <cstring>

#include "foundation/ByteOrder.h"
#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"

namespace {

constexpr std::uint32_t kBoundsOffset = 0;
constexpr std::uint32_t kColorCountOffset = 8;
constexpr std::uint32_t kDepthOffset = 10;
constexpr std::uint32_t kPaletteFlagOffset = 11;
constexpr std::uint32_t kColorTableOffset = 13;
constexpr std::uint32_t kImageSizeFieldSize = 4;

std::int16_t LoadI16(const std::uint8_t* bytes) { return static_cast<std::int16_t>(LoadBigEndian16(bytes)); }
void StoreI16(std::int16_t value, std::uint8_t* bytes) {
    StoreBigEndian16(static_cast<std::uint16_t>(value), bytes);
}

// The error the store reported, or the fallback when it reported none.
ErrCode StoreErrorOr(ErrCode fallback) {
    const ErrCode err = PFMGetError();
    return err != kNoErr ? err : fallback;
}

}  // namespace

PictRecord::PictRecord(std::uint16_t id, FourCC type) : id_(id), type_(type) {}

std::uint32_t PictRecord::PictRowBytes(int width, int depth) {
    if (width <= 0) return 0;
    if (depth >= 24) return static_cast<std::uint32_t>(width) * 4;
    return (static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(depth) + 31) / 32 * 4;
}

int PictRecord::ReadDepth(std::uint8_t stored) {
    switch (stored) {
        case 1:
        case 2:
        case 4:
        case 8:
        case 16:
        case 24: return stored;
        default: return stored > 24 ? 24 : 0;
    }
}

std::uint32_t PictRecord::RowSkip() const {
    const std::uint64_t rows = static_cast<std::uint64_t>(Height()) * RowBytes();
    if (Height() <= 0 || image_.size() <= rows) return 0;
    const std::uint64_t skip = (image_.size() - rows) / static_cast<std::uint64_t>(Height());
    return skip < static_cast<std::uint64_t>(Width()) ? static_cast<std::uint32_t>(skip) : 0;
}

std::uint32_t PictRecord::StoredSize() const {
    const std::uint32_t table = HasColorTable() ? kColorTableSize : 0;
    return kHeaderSize + table + static_cast<std::uint32_t>(image_.size());
}

void PictRecord::Encode(void* out) const {
    auto* bytes = static_cast<std::uint8_t*>(out);
    StoreI16(bounds_.top, bytes + kBoundsOffset);
    StoreI16(bounds_.left, bytes + kBoundsOffset + 2);
    StoreI16(bounds_.bottom, bytes + kBoundsOffset + 4);
    StoreI16(bounds_.right, bytes + kBoundsOffset + 6);
    StoreBigEndian16(colorCount_, bytes + kColorCountOffset);
    bytes[kDepthOffset] = depth_;
    StoreI16(paletteFlag_, bytes + kPaletteFlagOffset);
    std::uint8_t* at = bytes + kColorTableOffset;
    if (HasColorTable()) {
        for (const PictColor& color : colors_) {
            StoreBigEndian16(color.red, at);
            StoreBigEndian16(color.green, at + 2);
            StoreBigEndian16(color.blue, at + 4);
            at += 6;
        }
    }
    StoreBigEndian32(static_cast<std::uint32_t>(image_.size()), at);
    if (!image_.empty()) std::memcpy(at + kImageSizeFieldSize, image_.data(), image_.size());
}

ErrCode PictRecord::Decode(const void* in, std::uint32_t size) {
    *this = PictRecord(id_, type_);
    const auto* bytes = static_cast<const std::uint8_t*>(in);
    if (size < kHeaderSize) return kBadDataErr;
    const int depth = ReadDepth(bytes[kDepthOffset]);
    if (depth == 0) return kBadDataErr;
    const bool indexed = depth <= static_cast<int>(kDeepestIndexedDepth);
    const std::uint32_t header = kHeaderSize + (indexed ? kColorTableSize : 0);
    if (size < header) return kBadDataErr;

    const PictBounds bounds{LoadI16(bytes + kBoundsOffset), LoadI16(bytes + kBoundsOffset + 2),
                            LoadI16(bytes + kBoundsOffset + 4), LoadI16(bytes + kBoundsOffset + 6)};
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const std::uint8_t* imageSizeAt = bytes + header - kImageSizeFieldSize;
    const std::uint32_t imageSize = LoadBigEndian32(imageSizeAt);
    // The rows must all be there: a shorter image would have its readers run past its end.
    if (width <= 0 || height <= 0 || imageSize > size - header ||
        imageSize < static_cast<std::uint64_t>(height) * PictRowBytes(width, depth)) {
        return kBadDataErr;
    }

    bounds_ = bounds;
    colorCount_ = LoadBigEndian16(bytes + kColorCountOffset);
    depth_ = static_cast<std::uint8_t>(depth);
    paletteFlag_ = LoadI16(bytes + kPaletteFlagOffset);
    if (indexed) {
        const std::uint8_t* at = bytes + kColorTableOffset;
        for (PictColor& color : colors_) {
            color = {LoadBigEndian16(at), LoadBigEndian16(at + 2), LoadBigEndian16(at + 4)};
            at += 6;
        }
        // Only the entries in use count, and only their high bytes.
        const std::uint32_t used = colorCount_ < kColorTableEntries ? colorCount_ : kColorTableEntries;
        for (std::uint32_t i = 0; i < used; ++i) {
            colors_[i].red &= 0xFF00;
            colors_[i].green &= 0xFF00;
            colors_[i].blue &= 0xFF00;
        }
    }
    image_.assign(bytes + header, bytes + header + imageSize);
    return kNoErr;
}

ErrCode PictRecord::Load() {
    *this = PictRecord(id_, type_);
    if (!PFMSegmentExists(type_, id_)) return StoreErrorOr(kFileErr);
    if (!PFMIsRawSegment(type_, id_)) return kBadDataErr;
    void* data = PFMCheckOut(type_, id_);
    if (!data) return StoreErrorOr(kFileErr);
    const ErrCode err = Decode(data, MemSize(data));
    PFMCheckIn(data);
    return err;
}

ErrCode PictRecord::Store() {
    MemBlockPtr block(MemAlloc(StoredSize()));
    if (!block) return kOutOfMemoryErr;
    Encode(block.get());
    if (!PFMPutSegment(type_, id_, block.get(), kSegmentPriority, false)) return StoreErrorOr(kFileErr);
    // The store holds the block now; the check-in ends the hold that adding it started.
    return PFMCheckIn(block.release());
}

void PictRecord::Release() {
    image_.clear();
    image_.shrink_to_fit();
    colors_.fill({});
}
