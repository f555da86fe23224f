// Styled text as report templates, definitions and story texts hold it, laid out and drawn. The
// input's first byte chooses the width (0 to 255 pixels), the second the face and style, the third
// the alignment; the rest, up to a NUL, is the text. Whatever the bytes, the layout ends; its lines
// follow each other, each holding at least one byte, and after the last one only codes remain;
// stripping the codes in place gives what a copy gives; every line can be drawn, in any order.

#include <string>

#include "FuzzSupport.h"
#include "foundation/pfm/MemoryWriteFile.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/SimpleGraphEnv.h"
#include "items/StyledText.h"
#include "items/TextWrap.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Objects.h"

namespace {

// A small bitmap to draw on, made once.
win::HDC DrawingContext() {
    static const win::HDC dc = [] {
        const win::HDC memory = win::CreateCompatibleDC(nullptr);
        win::SelectObject(memory, win::CreateBitmap(64, 64, 1, 32, nullptr));
        return memory;
    }();
    return dc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const int width = input.Byte();
    const std::uint8_t look = input.Byte();
    const int alignment = input.Byte() % 3 - 1;
    const std::string_view rest = input.Rest();
    const std::string text(rest.substr(0, rest.find('\0')));

    std::string stripped(text.size() + 1, '\0');
    stripped.resize(StripStyleCodes(text.c_str(), stripped.data(), 0xFFFFFFFF));
    std::string inPlace = text;
    inPlace.resize(StripStyleCodes(inPlace.c_str(), inPlace.data(), 0xFFFFFFFF));
    FUZZ_CHECK(inPlace == stripped);

    SimpleGraphEnv env;
    env.SetDC(DrawingContext());
    win::LOGFONTA font;
    static const char* const kFaces[] = {"Arial", "Times New Roman", "Courier New", "Helv"};
    MakeLogFontByName(font, kFaces[look % 4], -(6 + (look >> 2) % 24), (look >> 6) & 3);
    ShortRect rect = ShortRect::MakeLTRB(2, 3, 2 + width, 3);
    TextWrap wrap(env, rect, text.c_str(), font);

    std::uint32_t start = 0;
    for (std::uint32_t line = 0; line < wrap.GetLineCount(); ++line) {
        FUZZ_CHECK(wrap.GetLineStart(line) == start);
        FUZZ_CHECK(wrap.GetLine(line).end >= start);
        start = wrap.GetLine(line).end + 1;
    }
    FUZZ_CHECK(start <= text.size());
    std::string left(text.size() - start + 1, '\0');
    FUZZ_CHECK(StripStyleCodes(text.c_str() + start, left.data(), 0xFFFFFFFF) == 0);
    FUZZ_CHECK(text.empty() || rect.bottom == std::min(3 + wrap.GetTotalHeight(), 32767));

    for (std::uint32_t line = wrap.GetLineCount(); line-- > 0;) {
        wrap.DrawLine(env, ShortRect::MakeLTRB(0, 0, width, wrap.GetLineHeight()), line, alignment,
                      line % 2 == 0);
    }
    wrap.Draw(env, nullptr, 0, 0, 0, width, alignment);
    MemoryWriteFile out;
    FUZZ_CHECK(wrap.WritePlainText(out) == out.Size());
    FUZZ_CHECK(out.Size() >= stripped.size());
    env.DetachDC();
    return 0;
}
