#include "platform/gdi/Objects.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/ObjectKinds.h"
#include "platform/gdi/StockObjects.h"

namespace win {
namespace {

template <typename Handle, typename T>
Handle Adopt(T* object) {
    return static_cast<Handle>(object->Handle());
}

template <typename Record>
int CopyRecord(const Record& record, int size, LPVOID buffer) {
    if (!buffer) return sizeof(Record);
    const int count = std::clamp(size, 0, static_cast<int>(sizeof(Record)));
    std::memcpy(buffer, &record, static_cast<std::size_t>(count));
    return count;
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
    LOGPEN record{static_cast<UINT>(style), POINT{width, 0}, color};
    return CreatePenIndirect(&record);
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (!pen) return nullptr;
    LOGPEN record = *pen;
    if (record.lopnStyle == PS_NULL) {
        // A pen that draws nothing keeps no width or colour of its own.
        record.lopnWidth = POINT{1, 0};
        record.lopnColor = 0;
    } else {
        // The pen keeps the style it was made with; a style that is none of the pen styles is solid.
        if (record.lopnStyle > PS_INSIDEFRAME) record.lopnStyle = PS_SOLID;
        // A width given negative is taken by its size.
        const LONG width = record.lopnWidth.x;
        constexpr LONG kWidest = std::numeric_limits<LONG>::max();
        record.lopnWidth.x = width >= 0 ? width : width < -kWidest ? kWidest : -width;
    }
    return Adopt<HPEN>(new gdi::Pen(record));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return Adopt<HBRUSH>(new gdi::Brush(LOGBRUSH{BS_SOLID, color, 0}));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush || (brush->lbStyle != BS_SOLID && brush->lbStyle != BS_NULL)) return nullptr;
    return Adopt<HBRUSH>(new gdi::Brush(LOGBRUSH{brush->lbStyle, brush->lbColor, 0}));
}

HBRUSH CreatePatternBrush(HBITMAP handle) {
    auto* bitmap = gdi::Lookup<gdi::Bitmap>(handle, OBJ_BITMAP);
    if (!bitmap) return nullptr;
    gdi::BrushPattern pattern;
    pattern.monochrome = bitmap->IsMonochrome();
    const Surface& pixels = bitmap->Pixels();
    pixels.Flush();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const COLORREF c = pixels.GetPixel(x % pixels.Width(), y % pixels.Height());
            pattern.colors[static_cast<std::size_t>(y * 8 + x)] = pattern.monochrome ? (c != 0 ? 1 : 0) : c;
        }
    }
    return Adopt<HBRUSH>(new gdi::Brush(pattern));
}

HGDIOBJ GetStockObject(int index) {
    gdi::GdiObject* object = gdi::StockObject(index);
    return object ? object->Handle() : nullptr;
}

HGDIOBJ MakeObjectPermanent(HGDIOBJ handle) {
    gdi::GdiObject* object = gdi::LookupObject(handle);
    if (!object || object->Type() == OBJ_DC || object->Type() == OBJ_MEMDC) return nullptr;
    object->MakeStock();
    return handle;
}

BOOL DeleteObject(HGDIOBJ handle) {
    gdi::GdiObject* object = gdi::LookupObject(handle);
    if (!object || object->Type() == OBJ_DC || object->Type() == OBJ_MEMDC) return FALSE;
    return object->RequestDelete() ? TRUE : FALSE;
}

int GetObjectA(HGDIOBJ handle, int size, LPVOID buffer) {
    gdi::GdiObject* object = gdi::LookupObject(handle);
    if (!object) return 0;
    switch (object->Type()) {
        case OBJ_PEN: return CopyRecord(static_cast<gdi::Pen*>(object)->Record(), size, buffer);
        case OBJ_BRUSH: return CopyRecord(static_cast<gdi::Brush*>(object)->Record(), size, buffer);
        case OBJ_FONT: return CopyRecord(static_cast<gdi::Font*>(object)->Record(), size, buffer);
        case OBJ_BITMAP: {
            auto* bitmap = static_cast<gdi::Bitmap*>(object);
            BITMAP record;
            record.bmWidth = bitmap->Width();
            record.bmHeight = bitmap->Height();
            record.bmWidthBytes = BitmapWidthBytes(bitmap->Width(), bitmap->BitsPixel());
            record.bmPlanes = 1;
            record.bmBitsPixel = static_cast<WORD>(bitmap->BitsPixel());
            return CopyRecord(record, size, buffer);
        }
        case OBJ_PAL: {
            const auto count = static_cast<WORD>(static_cast<gdi::Palette*>(object)->Entries().size());
            return CopyRecord(count, size, buffer);
        }
        default: return 0;
    }
}

DWORD GetObjectType(HGDIOBJ handle) {
    gdi::GdiObject* object = gdi::LookupObject(handle);
    return object ? object->Type() : 0;
}

long GetLiveGdiObjectCount(DWORD type) { return gdi::LiveObjectCount(type); }

}  // namespace win
