// Pictures other programs put on the desktop's clipboard: the bytes of a PNG or a BMP file. A picture
// that is read becomes a bitmap, which written as either kind of file must read back the same size.
// (Pictures above 65536 pixels are only read, so that runs stay short.)

#include <span>
#include <vector>

#include "FuzzSupport.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/Objects.h"

namespace {

using namespace win;

constexpr long long kMaxWrittenPixels = 1 << 16;

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP facts;
    if (GetObjectA(bitmap, sizeof facts, &facts) == 0) return SIZE{0, 0};
    return SIZE{facts.bmWidth, facts.bmHeight};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HBITMAP bitmap = BitmapFromImageFile(std::span<const BYTE>(data, size));
    if (bitmap == nullptr) return 0;
    const SIZE read = SizeOf(bitmap);
    FUZZ_CHECK(read.cx > 0 && read.cy > 0);
    if (static_cast<long long>(read.cx) * read.cy <= kMaxWrittenPixels) {
        for (const std::vector<BYTE>& file : {PngFileOfBitmap(bitmap), BmpFileOfBitmap(bitmap)}) {
            HBITMAP again = BitmapFromImageFile(file);
            FUZZ_CHECK(again != nullptr);
            const SIZE size = SizeOf(again);
            FUZZ_CHECK(size.cx == read.cx && size.cy == read.cy);
            DeleteObject(again);
        }
    }
    DeleteObject(bitmap);
    return 0;
}
