#pragma once
// An item's font in its stored form: font number (16-bit), size (16-bit) and style bits (8-bit), in
// the stream's byte order, read into and written from the logical font the item draws with.

#include "foundation/Types.h"
#include "platform/gdi/GdiTypes.h"

class IReadFile;
class IWriteFile;

// The stream's error (0 when the font was read); on error the font is left as it was.
ErrCode ReadFontSpec(win::LOGFONTA& font, IReadFile& stream);
ErrCode WriteFontSpec(const win::LOGFONTA& font, IWriteFile& stream);
