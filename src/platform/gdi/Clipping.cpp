#include "platform/gdi/Clipping.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/Regions.h"

namespace win {
namespace {

using gdi::Dc;

int SetClip(Dc& dc, std::optional<Region> clip) {
    dc.state.clip = std::move(clip);
    dc.InvalidateClip();
    return RegionKind(dc.VisibleClip());
}

// The clip region, or the whole device when there is none.
Region CurrentClip(Dc& dc) { return dc.state.clip ? *dc.state.clip : dc.GetDevice().Visible(); }

}  // namespace

int SelectClipRgn(HDC handle, HRGN region) { return ExtSelectClipRgn(handle, region, RGN_COPY); }

int ExtSelectClipRgn(HDC handle, HRGN region, int mode) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return ERROR;
    if (!region) return mode == RGN_COPY ? SetClip(*dc, std::nullopt) : ERROR;
    if (!gdi::Lookup<gdi::RgnObject>(region, OBJ_REGION)) return ERROR;
    const Region given = RegionOf(region);
    switch (mode) {
        case RGN_COPY: return SetClip(*dc, given);
        case RGN_AND: return SetClip(*dc, CurrentClip(*dc) & given);
        case RGN_OR: return SetClip(*dc, CurrentClip(*dc) | given);
        case RGN_XOR: return SetClip(*dc, CurrentClip(*dc) ^ given);
        case RGN_DIFF: return SetClip(*dc, CurrentClip(*dc) - given);
        default: return ERROR;
    }
}

int GetClipRgn(HDC handle, HRGN region) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return -1;
    if (!dc->state.clip) return 0;  // the region given is not looked at
    auto* target = gdi::Lookup<gdi::RgnObject>(region, OBJ_REGION);
    if (!target) return -1;
    target->Value() = *dc->state.clip;
    return 1;
}

int GetClipBox(HDC handle, RECT* box) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !box) return ERROR;
    const Region& visible = dc->VisibleClip();
    const RECT bounds = visible.Bounds();
    const POINT a = dc->state.mapping.ToLogical(POINT{bounds.left, bounds.top});
    const POINT b = dc->state.mapping.ToLogical(POINT{bounds.right, bounds.bottom});
    *box = RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    return RegionKind(visible);
}

int IntersectClipRect(HDC handle, int left, int top, int right, int bottom) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return ERROR;
    return SetClip(*dc, CurrentClip(*dc) & Region(dc->ToDevice(RECT{left, top, right, bottom})));
}

int ExcludeClipRect(HDC handle, int left, int top, int right, int bottom) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return ERROR;
    return SetClip(*dc, CurrentClip(*dc) - Region(dc->ToDevice(RECT{left, top, right, bottom})));
}

BOOL PtVisible(HDC handle, int x, int y) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return FALSE;
    const POINT p = dc->ToDevice(x, y);
    return dc->VisibleClip().Contains(p.x, p.y) ? TRUE : FALSE;
}

BOOL RectVisible(HDC handle, const RECT* rect) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !rect) return FALSE;
    return dc->VisibleClip().Intersects(dc->ToDevice(*rect)) ? TRUE : FALSE;
}

}  // namespace win
