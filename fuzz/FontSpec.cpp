// An item's stored font (font number, size, style) read into a logical font, made into a font, and
// written back: what reads back is what a font of that number, size and style writes.

#include <vector>

#include "FuzzSupport.h"
#include "foundation/pfm/MemoryReadFile.h"
#include "foundation/pfm/MemoryWriteFile.h"
#include "framework/FontSpec.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Objects.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryReadFile stream(std::vector<std::uint8_t>(data, data + size));
    win::LOGFONTA font{};
    if (ReadFontSpec(font, stream) != kNoErr) {
        FUZZ_CHECK(size < 5);
        return 0;
    }
    const win::HFONT made = win::CreateFontIndirectA(&font);
    FUZZ_CHECK(made != nullptr);
    win::DeleteObject(made);
    MemoryWriteFile written;
    FUZZ_CHECK(WriteFontSpec(font, written) == kNoErr && written.Size() == 5);
    MemoryReadFile again(written.Bytes());
    win::LOGFONTA reread{};
    FUZZ_CHECK(ReadFontSpec(reread, again) == kNoErr);
    MemoryWriteFile rewritten;
    FUZZ_CHECK(WriteFontSpec(reread, rewritten) == kNoErr && rewritten.Bytes() == written.Bytes());
    return 0;
}
