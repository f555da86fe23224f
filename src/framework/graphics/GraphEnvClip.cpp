// The drawing environment's clip. The environment gives its clip in its own logical coordinates;
// the context keeps it in device coordinates, moved by where the logical origin lies.

#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/Rgn.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Regions.h"

void TGraphEnv::GetClipRect(ShortRect& rect) {
    win::RECT box;
    if (HasDC()) win::GetClipBox(GetHDC(), &box);
    rect = ShortRect::FromRECT(box);
}

void TGraphEnv::SetClipRect(const ShortRect& rect) {
    if (!HasDC()) return;
    win::POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    win::LPtoDP(GetHDC(), corners, 2);
    const win::HRGN region = win::CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    if (!region) return;
    win::SelectClipRgn(GetHDC(), region);
    win::DeleteObject(region);
}

std::int16_t TGraphEnv::GetClip(Rgn& region) { return GetClipRegion(region.GetHandle()); }

std::int16_t TGraphEnv::GetClipRegion(win::HRGN region) {
    if (!HasDC() || !region) return 1;
    if (win::GetClipRgn(GetHDC(), region) == 1) {
        // Back into the logical coordinates SetClipRegion takes.
        const win::POINT origin = DeviceOrigin();
        win::OffsetRgn(region, -origin.x, -origin.y);
        return 0;
    }
    win::RECT box;
    win::GetClipBox(GetHDC(), &box);
    win::SetRectRgn(region, box.left, box.top, box.right, box.bottom);
    return 1;
}

void TGraphEnv::SetClip(const Rgn& region) { SetClipRegion(region.GetHandle()); }

void TGraphEnv::SetClipRegion(win::HRGN region) {
    if (!HasDC() || !region) return;
    const win::HRGN copy = win::CreateRectRgn(0, 0, 0, 0);
    if (!copy) return;
    win::CombineRgn(copy, region, nullptr, win::RGN_COPY);
    const win::POINT origin = DeviceOrigin();
    win::OffsetRgn(copy, origin.x, origin.y);
    win::SelectClipRgn(GetHDC(), copy);
    win::DeleteObject(copy);
}

void TGraphEnv::ClearClip() {
    if (HasDC()) win::SelectClipRgn(GetHDC(), nullptr);
}
