#pragma once
// A picture loaded from a BMP file: its DIB and, for images with a colour table, its palette. It is
// what a picture imported by the user is kept as until it is stored as a picture record.

#include "foundation/FileRef.h"
#include "foundation/Types.h"
#include "framework/graphics/DibBlocks.h"

class DibPicture {
public:
    DibPicture() = default;
    // Loads the BMP file; GetError tells how that went.
    explicit DibPicture(const FileRef& file);
    ~DibPicture();
    DibPicture(const DibPicture&) = delete;
    DibPicture& operator=(const DibPicture&) = delete;

    ErrCode GetError() const { return error_; }
    // Null while nothing is loaded.
    const void* GetBits() const { return bits_.get(); }
    win::HPALETTE GetPalette() const { return palette_; }
    // Replaces the caller's block with a copy of the bits (none while nothing is loaded).
    void CopyBits(DibBlock& block) const;

    // Takes the bits, and the palette when one is given (the old one is deleted).
    void Replace(DibBlock bits, win::HPALETTE palette);

private:
    DibBlock bits_;
    win::HPALETTE palette_ = nullptr;
    ErrCode error_ = kNoErr;
};

// What LoadBmpFile answers when it fails.
inline constexpr ErrCode kBmpPaletteErr = -2;  // the palette could not be made
inline constexpr ErrCode kBmpEmptyErr = -3;    // an image without pixels
inline constexpr ErrCode kBmpReadErr = -4;     // the file cannot be opened or read
inline constexpr ErrCode kBmpMemoryErr = -5;
// Not an uncompressed, bottom-up BMP with a 40-byte header, or a header that disagrees with the
// file (a colour table that does not end where the pixels begin, sizes the file does not hold, ...).
inline constexpr ErrCode kBmpFormatErr = -6;

// Loads a BMP file into the picture: 0, or one of the codes above. On failure the picture stays as
// it was, its palette too.
ErrCode LoadBmpFile(DibPicture& picture, const FileRef& file);
