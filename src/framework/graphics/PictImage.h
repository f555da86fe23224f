#pragma once
// A picture record paired with a device-independent bitmap (and, for pictures of 8 bits or fewer,
// a palette) for display; made from either side and converted to the other by pixel depth.
//
// Record to bitmap: 1-bit pictures become black-and-white bitmaps; 2-bit ones 8-bit bitmaps (2 bits
// a pixel is no bitmap depth) and 8-bit ones keep the record's colours; 4-bit pictures are always
// shown in the fixed 16-colour table; 16- and 24-bit pictures become 24-bit bitmaps.
// Bitmap to record: 1-, 4- and 8-bit bitmaps keep their depth (a 4-bit bitmap whose colours are not
// the fixed table becomes an 8-bit picture, so that its colours survive); 16-, 24- and 32-bit ones
// become 24-bit pictures. Only uncompressed bitmaps convert.

#include <cstdint>

#include "foundation/Types.h"
#include "foundation/pfm/PictRecord.h"
#include "framework/graphics/DibBlocks.h"
#include "platform/gdi/GdiTypes.h"

class PictImage {
public:
    // The bits converted into a record addressing segment (type, id). error: 0, -3 for bits that are
    // not an uncompressed DIB of up to 2^26 pixels and 32767 a side, -4 out of memory.
    PictImage(const void* bits, ErrCode& error, std::uint16_t id = 0, FourCC type = 0);
    // The record converted into bits and a palette. error: 0, -3 for a record of no picture, -4 out
    // of memory or when the palette cannot be made.
    PictImage(const PictRecord& record, ErrCode& error);
    ~PictImage();
    PictImage(const PictImage&) = delete;
    PictImage& operator=(const PictImage&) = delete;

    DibBlock CopyBits() const;
    const void* GetBits() const { return bits_.get(); }
    // Null for pictures deeper than 8 bits; the image keeps it.
    win::HPALETTE GetPalette() const { return palette_; }
    PictRecord& GetRecord() { return record_; }
    const PictRecord& GetRecord() const { return record_; }

private:
    ErrCode RecordToBits();
    ErrCode BitsToRecord(const void* bits);

    DibBlock bits_;
    win::HPALETTE palette_ = nullptr;
    PictRecord record_;
};
