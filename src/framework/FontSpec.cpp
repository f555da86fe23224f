#include "framework/FontSpec.h"

#include <cstdint>

#include "foundation/IFile.h"
#include "framework/graphics/FontMapping.h"

ErrCode ReadFontSpec(win::LOGFONTA& font, IReadFile& stream) {
    std::int16_t number = 0;
    std::int16_t size = 0;
    std::uint8_t style = 0;
    ErrCode error = stream.ReadShort(number);
    if (error == kNoErr) error = stream.ReadShort(size);
    if (error == kNoErr) error = stream.ReadByte(style);
    if (error == kNoErr) MakeLogFont(font, number, size, style);
    return error;
}

ErrCode WriteFontSpec(const win::LOGFONTA& font, IWriteFile& stream) {
    std::int16_t number = 0;
    std::int16_t size = 0;
    std::int32_t style = 0;
    LogFontToFontSpec(font, number, size, style);
    ErrCode error = stream.WriteShort(number);
    if (error == kNoErr) error = stream.WriteShort(size);
    if (error == kNoErr) error = stream.WriteByte(static_cast<std::uint8_t>(style));
    return error;
}
