#include "platform/gdi/Dc.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/StockObjects.h"

namespace win::gdi {

POINT Mapping::ToDevice(POINT p) const {
    return POINT{static_cast<LONG>(std::lround(DeviceX(p.x))), static_cast<LONG>(std::lround(DeviceY(p.y)))};
}

POINT Mapping::ToLogical(POINT p) const {
    const double x = (p.x - viewportOrg.x) / ScaleX() + windowOrg.x;
    const double y = (p.y - viewportOrg.y) / ScaleY() + windowOrg.y;
    return POINT{static_cast<LONG>(std::lround(x)), static_cast<LONG>(std::lround(y))};
}

COLORREF NearestMonochrome(COLORREF color) {
    const unsigned intensity = GetRValue(color) * 299u + GetGValue(color) * 587u + GetBValue(color) * 114u;
    return intensity >= 128u * 1000u ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

Dc::Dc(DWORD type, std::unique_ptr<Device> device) : GdiObject(type), device_(std::move(device)) {
    ResetState();
}

Dc::~Dc() {
    if (state.bitmap && state.bitmap->SelectedInto() == this) state.bitmap->SetSelectedInto(nullptr);
}

void Dc::ReplaceDevice(std::unique_ptr<Device> device) {
    device_ = std::move(device);
    device_->BitmapSelected(state.bitmap.get());
    InvalidateClip();
}

void Dc::ResetState() {
    Bitmap* previous = state.bitmap.get();
    saved.clear();
    state = DcState{};
    state.bkMode = device_->InitialBackgroundMode();
    state.pen = StockPen(BLACK_PEN);
    state.brush = StockBrush(WHITE_BRUSH);
    state.font = StockFont(SYSTEM_FONT);
    state.palette = StockPalette();
    if (Type() == OBJ_MEMDC) state.bitmap = StockBitmap();
    if (previous && previous != state.bitmap.get() && previous->SelectedInto() == this) {
        previous->SetSelectedInto(nullptr);
    }
    BitmapChanged();
}

void Dc::BitmapChanged() {
    if (Bitmap* bitmap = state.bitmap.get(); bitmap && !bitmap->IsStock()) bitmap->SetSelectedInto(this);
    device_->BitmapSelected(state.bitmap.get());
    InvalidateClip();
}

const Region& Dc::VisibleClip() {
    if (!visibleClip_) {
        Region visible = device_->Visible();
        if (state.clip) visible &= *state.clip;
        visibleClip_ = std::move(visible);
    }
    return *visibleClip_;
}

bool Dc::IsMonochrome() {
    Canvas* canvas = device_->GetCanvas();
    return canvas && canvas->IsMonochrome();
}

std::uint32_t Dc::DrawPixel(COLORREF color) {
    // A palette index (flag 0x01) names an entry of the selected palette.
    if ((color >> 24) == 0x01 && state.palette) {
        const auto& entries = state.palette->Entries();
        const std::size_t index = color & 0xFFFF;
        const PALETTEENTRY e = index < entries.size() ? entries[index] : PALETTEENTRY{};
        color = RGB(e.peRed, e.peGreen, e.peBlue);
    }
    color &= 0xFFFFFF;
    if (IsMonochrome()) color = NearestMonochrome(color);
    return PixelFromColor(color);
}

Paint Dc::BrushPaint(Brush& brush) {
    const auto& pattern = brush.Pattern();
    if (!pattern) return SolidPaint(brush.Record().lbColor);
    Paint paint;
    paint.patterned = true;
    paint.origin = state.brushOrigin;
    const std::uint32_t fore = DrawPixel(state.textColor);
    const std::uint32_t back = DrawPixel(state.bkColor);
    for (std::size_t i = 0; i < 64; ++i) {
        const COLORREF c = pattern->colors[i];
        paint.pattern[i] = pattern->monochrome ? (c ? back : fore) : DrawPixel(c);
    }
    return paint;
}

void Dc::FillArea(const Region& area, const Paint& paint, int rop2) {
    Canvas* canvas = device_->GetCanvas();
    if (!canvas || area.IsEmpty()) return;
    const Region& visible = VisibleClip();
    // Most of what is drawn lies inside a one-rectangle clip: it is filled as it is, not copied.
    if (area.WithinRectOf(visible)) {
        canvas->Fill(area, paint, rop2);
        return;
    }
    const Region clipped = area & visible;
    if (!clipped.IsEmpty()) canvas->Fill(clipped, paint, rop2);
}

RECT Dc::ToDevice(const RECT& r) const {
    const POINT a = ToDevice(POINT{r.left, r.top});
    const POINT b = ToDevice(POINT{r.right, r.bottom});
    return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

Region Dc::RegionToDevice(const Region& region) const {
    const Mapping& m = state.mapping;
    if (m.IsIdentityScale()) {
        Region moved = region;
        return moved.Offset(m.viewportOrg.x - m.windowOrg.x, m.viewportOrg.y - m.windowOrg.y);
    }
    std::vector<RECT> rects;
    rects.reserve(region.RectCount());
    for (const RECT& r : region) rects.push_back(ToDevice(r));
    return Region::FromRects(rects);
}

int Dc::PenWidth() const {
    const LONG width = state.pen ? state.pen->Record().lopnWidth.x : 0;
    if (width <= 0) return 1;
    return std::max(1, static_cast<int>(std::lround(width * std::fabs(state.mapping.ScaleX()))));
}

Dc* LookupDc(HDC handle) {
    GdiObject* object = LookupObject(handle);
    if (!object || (object->Type() != OBJ_DC && object->Type() != OBJ_MEMDC)) return nullptr;
    return static_cast<Dc*>(object);
}

}  // namespace win::gdi
