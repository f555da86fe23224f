#include "items/ItemStream.h"

#include "foundation/IFile.h"
#include "framework/graphics/FontMapping.h"

ErrCode ReadShortRect(IReadFile& stream, ShortRect& rect) {
    ErrCode error = stream.ReadShort(rect.top);
    if (!error) error = stream.ReadShort(rect.left);
    if (!error) error = stream.ReadShort(rect.bottom);
    if (!error) error = stream.ReadShort(rect.right);
    return error;
}

ErrCode WriteShortRect(IWriteFile& stream, const ShortRect& rect) {
    ErrCode error = stream.WriteShort(rect.top);
    if (!error) error = stream.WriteShort(rect.left);
    if (!error) error = stream.WriteShort(rect.bottom);
    if (!error) error = stream.WriteShort(rect.right);
    return error;
}

ErrCode ReadShortPoint(IReadFile& stream, ShortPoint& point) {
    ErrCode error = stream.ReadShort(point.y);
    if (!error) error = stream.ReadShort(point.x);
    return error;
}

ErrCode WriteShortPoint(IWriteFile& stream, const ShortPoint& point) {
    ErrCode error = stream.WriteShort(point.y);
    if (!error) error = stream.WriteShort(point.x);
    return error;
}

ErrCode ReadRGBColor(IReadFile& stream, RGBColor& color) {
    ErrCode error = stream.ReadUShort(color.red);
    if (!error) error = stream.ReadUShort(color.green);
    if (!error) error = stream.ReadUShort(color.blue);
    return error;
}

ErrCode WriteRGBColor(IWriteFile& stream, const RGBColor& color) {
    ErrCode error = stream.WriteShort(static_cast<std::int16_t>(color.red));
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(color.green));
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(color.blue));
    return error;
}

ErrCode GetItemLogFont(win::LOGFONTA& font, IReadFile& stream) {
    std::int16_t number = 0;
    std::int16_t size = 0;
    std::uint8_t style = 0;
    ErrCode error = stream.ReadShort(number);
    if (!error) error = stream.ReadShort(size);
    if (!error) error = stream.ReadByte(style);
    if (!error) MakeLogFont(font, number, size, style);
    return error;
}

ErrCode SetItemLogFont(const win::LOGFONTA& font, IWriteFile& stream) {
    std::int16_t number = 0;
    std::int16_t size = 0;
    std::int32_t style = 0;
    LogFontToFontSpec(font, number, size, style);
    ErrCode error = stream.WriteShort(number);
    if (!error) error = stream.WriteShort(size);
    if (!error) error = stream.WriteByte(static_cast<std::uint8_t>(style));
    return error;
}

void ItemFont::SetSpec(std::int16_t number, std::int16_t size, std::uint8_t style) {
    MakeLogFont(logFont_, number, size, style);
    specFont_ = logFont_;
    number_ = number;
    size_ = size;
    style_ = style;
    hasSpec_ = true;
}

ErrCode ItemFont::Read(IReadFile& stream) {
    std::int16_t number = 0;
    std::int16_t size = 0;
    std::uint8_t style = 0;
    ErrCode error = stream.ReadShort(number);
    if (!error) error = stream.ReadShort(size);
    if (!error) error = stream.ReadByte(style);
    if (!error) SetSpec(number, size, style);
    return error;
}

ErrCode ItemFont::Write(IWriteFile& stream) const {
    if (!hasSpec_ || !LogFontsEqual(logFont_, specFont_)) return SetItemLogFont(logFont_, stream);
    ErrCode error = stream.WriteShort(number_);
    if (!error) error = stream.WriteShort(size_);
    if (!error) error = stream.WriteByte(style_);
    return error;
}

ErrCode ReadSignedByte(IReadFile& stream, std::int8_t& value) {
    std::uint8_t byte = 0;
    const ErrCode error = stream.ReadByte(byte);
    if (!error) value = static_cast<std::int8_t>(byte);
    return error;
}

ErrCode WriteSignedByte(IWriteFile& stream, std::int8_t value) {
    return stream.WriteByte(static_cast<std::uint8_t>(value));
}
