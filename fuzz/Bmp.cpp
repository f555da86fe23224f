// BMP files and device-independent bitmaps. An input that starts with "BM" is a BMP file; any other
// is a DIB block (header, colour table, pixels) as segments and the clipboard hold one. An image
// that parses is made into a bitmap, drawn unscaled and scaled, and read back as a DIB of 24 bits,
// which must parse itself. (Images above 65536 pixels are only parsed, so that runs stay short.)

#include <span>
#include <vector>

#include "FuzzSupport.h"
#include "platform/gdi/BmpFile.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Dib.h"
#include "platform/gdi/DisplayDC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"

namespace {

using namespace win;

constexpr long long kMaxDrawnPixels = 1 << 16;

void Draw(const std::vector<BYTE>& dib, const PackedDibLayout& layout) {
    if (static_cast<long long>(layout.width) * layout.height > kMaxDrawnPixels) return;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
    const BYTE* bits = dib.data() + layout.pixelOffset;
    Surface surface(32, 32, 0xFFFFFF);
    HDC screen = CreateDisplayDC(surface, POINT{0, 0}, Region(0, 0, 32, 32));
    SetDIBitsToDevice(screen, 1, 1, 30, 30, 0, 0, 0, static_cast<UINT>(layout.height), bits, info,
                      DIB_RGB_COLORS);
    StretchDIBits(screen, 0, 0, 32, 17, 0, 0, layout.width, layout.height, bits, info, DIB_RGB_COLORS,
                  SRCCOPY);

    // A bitmap wider or taller than a surface can be is refused.
    HBITMAP bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS);
    if (!bitmap) {
        DestroyDisplayDC(screen);
        return;
    }
    std::vector<BYTE> copy(sizeof(BITMAPINFOHEADER) +
                           DibRowBytes(layout.width, 24) * std::size_t(layout.height));
    auto* header = reinterpret_cast<BITMAPINFO*>(copy.data());
    header->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header->bmiHeader.biWidth = layout.width;
    header->bmiHeader.biHeight = layout.height;
    header->bmiHeader.biPlanes = 1;
    header->bmiHeader.biBitCount = 24;
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(layout.height),
                               copy.data() + sizeof(BITMAPINFOHEADER), header, DIB_RGB_COLORS);
    FUZZ_CHECK(rows == layout.height);
    FUZZ_CHECK(ParsePackedDib(copy.data(), copy.size()).has_value());
    DeleteObject(bitmap);
    DestroyDisplayDC(screen);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const BYTE> input(data, size);
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        const BmpImage image = ParseBmp(input);
        if (image.status == BmpStatus::Ok) Draw(image.dib, image.layout);
        return 0;
    }
    // A block of its own, aligned as the headers need.
    const std::vector<BYTE> dib(input.begin(), input.end());
    if (const auto layout = ParsePackedDib(dib.data(), dib.size())) Draw(dib, *layout);
    return 0;
}
