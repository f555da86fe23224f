#pragma once
// The stored forms of the small types in item records, each read or written field by field in the
// stream's byte order, stopping at the first error and answering its code:
// - a ShortRect is four i16 in the order top, left, bottom, right;
// - a ShortPoint is two i16, vertical first (although x comes first in memory);
// - an RGBColor is three u16 red, green, blue;
// - a font is its specification: i16 font number, i16 size, u8 style bits.

#include <cstdint>

#include "foundation/Types.h"
#include "framework/graphics/RGBColor.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"

class IReadFile;
class IWriteFile;

ErrCode ReadShortRect(IReadFile& stream, ShortRect& rect);
ErrCode WriteShortRect(IWriteFile& stream, const ShortRect& rect);
ErrCode ReadShortPoint(IReadFile& stream, ShortPoint& point);
ErrCode WriteShortPoint(IWriteFile& stream, const ShortPoint& point);
ErrCode ReadRGBColor(IReadFile& stream, RGBColor& color);
ErrCode WriteRGBColor(IWriteFile& stream, const RGBColor& color);

// Reads the font specification and builds the font record from it (MakeLogFont); the record is
// left as it was when the read fails.
ErrCode GetItemLogFont(win::LOGFONTA& font, IReadFile& stream);
// Writes the specification the font record stands for (LogFontToFontSpec).
ErrCode SetItemLogFont(const win::LOGFONTA& font, IWriteFile& stream);

// The font of an item as its record keeps it: the font record, and the specification it was made
// from. Writing gives back the specification that was read or set for as long as the font record
// is still the one it made, since several specifications map to one font record (the bold system
// face is bold whatever its style bits say; sizes share bands); a font record set any other way is
// written as the specification it stands for.
class ItemFont {
public:
    ItemFont() = default;
    ItemFont(std::int16_t number, std::int16_t size, std::uint8_t style) { SetSpec(number, size, style); }

    void SetSpec(std::int16_t number, std::int16_t size, std::uint8_t style);
    void SetLogFont(const win::LOGFONTA& font) { logFont_ = font; }
    const win::LOGFONTA& LogFont() const { return logFont_; }
    win::LOGFONTA& LogFont() { return logFont_; }

    ErrCode Read(IReadFile& stream);
    ErrCode Write(IWriteFile& stream) const;

private:
    win::LOGFONTA logFont_{};
    win::LOGFONTA specFont_{};
    std::int16_t number_ = 0;
    std::int16_t size_ = 0;
    std::uint8_t style_ = 0;
    bool hasSpec_ = false;
};

// A signed byte (i8 fields: patterns, justifications, indents), sign-extended.
ErrCode ReadSignedByte(IReadFile& stream, std::int8_t& value);
ErrCode WriteSignedByte(IWriteFile& stream, std::int8_t value);
