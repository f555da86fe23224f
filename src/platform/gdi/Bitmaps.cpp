#include "platform/gdi/Bitmaps.h"

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/Rop.h"
#include "platform/gdi/Transfer.h"

namespace win {
namespace {

// Beyond this many pixels a bitmap is refused rather than allocated.
constexpr long long kMaxBitmapPixels = 64LL * 1024 * 1024;

HBITMAP MakeBitmap(int width, int height, int bitsPixel) {
    if (static_cast<long long>(width) * height > kMaxBitmapPixels) return nullptr;
    std::unique_ptr<Surface> surface = Surface::Create(width, height, RGB(0, 0, 0));
    if (!surface) return nullptr;
    return static_cast<HBITMAP>((new gdi::Bitmap(std::move(surface), bitsPixel))->Handle());
}

void LoadRows(Surface& surface, int bitsPerPixel, const BYTE* bits) {
    const int width = surface.Width();
    const auto rowBytes = static_cast<std::size_t>(BitmapWidthBytes(width, bitsPerPixel));
    for (int y = 0; y < surface.Height(); ++y) {
        const BYTE* row = bits + rowBytes * static_cast<std::size_t>(y);
        std::uint32_t* out = surface.Row(y);
        for (int x = 0; x < width; ++x) {
            if (bitsPerPixel == 1) {
                out[x] = (row[x / 8] >> (7 - x % 8)) & 1 ? 0xFFFFFF : 0;
            } else {
                const BYTE* p =
                    row + static_cast<std::size_t>(x) * static_cast<std::size_t>(bitsPerPixel / 8);
                out[x] =
                    static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
            }
        }
    }
    surface.MarkDirty();
}

}  // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, LPCVOID bits) {
    if (width <= 0 || height <= 0) return MakeBitmap(1, 1, 1);
    const bool monochrome = planes * bitsPerPixel == 1;
    HBITMAP handle = MakeBitmap(width, height, monochrome ? 1 : 32);
    if (!handle || !bits) return handle;
    const UINT depth = planes * bitsPerPixel;
    if (depth == 1 || depth == 24 || depth == 32) {
        LoadRows(gdi::Lookup<gdi::Bitmap>(handle, OBJ_BITMAP)->Pixels(), static_cast<int>(depth),
                 static_cast<const BYTE*>(bits));
    }
    return handle;
}

HBITMAP CreateCompatibleBitmap(HDC handle, int width, int height) {
    gdi::Dc* dc = gdi::LookupDc(handle);
    if (!dc) return nullptr;
    if (width <= 0 || height <= 0) return MakeBitmap(1, 1, 1);
    const bool monochrome = dc->Type() == OBJ_MEMDC && dc->state.bitmap && dc->state.bitmap->IsMonochrome();
    return MakeBitmap(width, height, monochrome ? 1 : 32);
}

BOOL BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    return StretchBlt(destination, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

BOOL StretchBlt(HDC destinationHandle, int x, int y, int width, int height, HDC sourceHandle, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    gdi::Dc* destination = gdi::LookupDc(destinationHandle);
    if (!destination) return FALSE;
    const gdi::Extent to = gdi::DeviceExtent(*destination, gdi::Extent{x, y, width, height});
    if (!gdi::Rop3UsesSource(rop)) {
        gdi::Transfer(*destination, to, nullptr, gdi::Extent{}, rop);
        return TRUE;
    }
    gdi::Dc* source = gdi::LookupDc(sourceHandle);
    if (!source) return FALSE;
    gdi::Canvas* canvas = source->GetDevice().GetCanvas();
    if (!canvas) return TRUE;  // nothing to read from a context that draws nothing
    const gdi::Extent from =
        gdi::DeviceExtent(*source, gdi::Extent{sourceX, sourceY, sourceWidth, sourceHeight});
    const RECT readable = IntersectRects(gdi::CoveredRect(from), canvas->ReadableBounds());
    if (IsRectEmpty(readable)) return FALSE;
    if (gdi::TransferPlainCopy(*destination, to, *canvas, readable, from, rop)) return TRUE;
    gdi::PixelImage pixels;
    if (!canvas->Read(readable, pixels)) return FALSE;
    gdi::TransferSource transferSource;
    transferSource.bounds = readable;
    transferSource.pixels = std::move(pixels.pixels);
    transferSource.monochrome = canvas->IsMonochrome();
    transferSource.background = source->DrawPixel(source->state.bkColor);
    gdi::Transfer(*destination, to, &transferSource, from, rop);
    return TRUE;
}

BOOL PatBlt(HDC handle, int x, int y, int width, int height, DWORD rop) {
    gdi::Dc* dc = gdi::LookupDc(handle);
    if (!dc || gdi::Rop3UsesSource(rop)) return FALSE;
    const gdi::Extent to = gdi::DeviceExtent(*dc, gdi::Extent{x, y, width, height});
    const RECT box = gdi::CoveredRect(to);
    gdi::Paint paint;
    if (dc->state.brush && !dc->state.brush->IsNull()) paint = dc->BrushPaint(*dc->state.brush);
    dc->FillArea(Region(box), paint, gdi::Rop2OfPatternRop(rop));
    return TRUE;
}

}  // namespace win
