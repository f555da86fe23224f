#include "platform/gdi/Drawing.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "platform/gdi/Dc.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Shapes.h"

namespace win {
namespace {

using gdi::Dc;

RECT Deflate(const RECT& r, LONG dx, LONG dy) {
    return RECT{r.left + dx, r.top + dy, r.right - dx, r.bottom - dy};
}

bool HasPen(const Dc& dc) { return dc.state.pen && !dc.state.pen->IsNull(); }
bool HasBrush(const Dc& dc) { return dc.state.brush && !dc.state.brush->IsNull(); }

// Paints a closed figure: the brush inside, the pen on the outline, both through the ROP2 mode.
void DrawFigure(Dc& dc, const Region& outline, const Region& interior) {
    if (HasBrush(dc)) dc.FillArea(interior - outline, dc.BrushPaint(*dc.state.brush), dc.state.rop2);
    if (HasPen(dc)) dc.FillArea(outline, dc.SolidPaint(dc.state.pen->Record().lopnColor), dc.state.rop2);
}

// The box the pen's outer edge follows for a figure whose edge pixels are at box.left .. right-1.
// A pen wider than one pixel is centred on that edge; an inside-frame pen stays within the box.
RECT PenOuterBox(const Dc& dc, const RECT& box, int width) {
    if (dc.state.pen->Record().lopnStyle == PS_INSIDEFRAME) return box;
    const LONG before = width / 2;
    const LONG after = width - before - 1;
    return RECT{box.left - before, box.top - before, box.right + after, box.bottom + after};
}

// Rectangle, Ellipse and RoundRect share their rules; `shape` makes the pixel set of a box.
template <typename Shape>
BOOL DrawBoxFigure(HDC handle, int left, int top, int right, int bottom, Shape shape) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return FALSE;
    const RECT box = dc->ToDevice(RECT{left, top, right, bottom});
    const RECT limit = dc->DrawLimit();
    if (!HasPen(*dc)) {
        DrawFigure(*dc, Region(), shape(RECT{box.left, box.top, box.right - 1, box.bottom - 1}, 0, limit));
        return TRUE;
    }
    const int width = dc->PenWidth();
    const RECT outer = PenOuterBox(*dc, box, width);
    const Region inner = shape(Deflate(outer, width, width), width, limit);
    DrawFigure(*dc, shape(outer, 0, limit) - inner, inner);
    return TRUE;
}

Region StrokeRegion(Dc& dc, std::span<const POINT> devicePoints) {
    const int width = dc.PenWidth();
    const RECT limit = dc.DrawLimit();
    if (width > 1) return gdi::WideLine(devicePoints, width, limit);
    Region stroke;
    for (std::size_t k = 0; k + 1 < devicePoints.size(); ++k)
        stroke |= gdi::ThinLine(devicePoints[k], devicePoints[k + 1], limit);
    return stroke;
}

std::vector<POINT> ToDevice(const Dc& dc, const POINT* points, int count) {
    std::vector<POINT> device;
    device.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) device.push_back(dc.ToDevice(points[k]));
    return device;
}

// A region handle's region in device coordinates.
bool DeviceRegion(Dc& dc, HRGN handle, Region& out) {
    if (!gdi::Lookup<gdi::RgnObject>(handle, OBJ_REGION)) return false;
    out = dc.RegionToDevice(RegionOf(handle));
    return true;
}

// Frame width of one logical unit in device pixels.
LONG UnitWidth(double scale) { return std::max(1L, std::lround(std::fabs(scale))); }

Region Erode(Region region, LONG dx, LONG dy) {
    for (LONG k = 0; k < dx; ++k)
        region = region & Region(region).Offset(1, 0) & Region(region).Offset(-1, 0);
    for (LONG k = 0; k < dy; ++k)
        region = region & Region(region).Offset(0, 1) & Region(region).Offset(0, -1);
    return region;
}

}  // namespace

BOOL LineTo(HDC handle, int x, int y) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return FALSE;
    const POINT ends[] = {dc->ToDevice(dc->state.position), dc->ToDevice(x, y)};
    if (HasPen(*dc)) {
        dc->FillArea(StrokeRegion(*dc, ends), dc->SolidPaint(dc->state.pen->Record().lopnColor),
                     dc->state.rop2);
    }
    dc->state.position = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC handle, const POINT* points, int count) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !points || count < 2) return FALSE;
    if (!HasPen(*dc)) return TRUE;
    const std::vector<POINT> device = ToDevice(*dc, points, count);
    const gdi::Paint paint = dc->SolidPaint(dc->state.pen->Record().lopnColor);
    if (dc->PenWidth() > 1) {
        dc->FillArea(gdi::WideLine(device, dc->PenWidth(), dc->DrawLimit()), paint, dc->state.rop2);
        return TRUE;
    }
    // Thin segments are drawn one by one, as separate lines would be.
    for (std::size_t k = 0; k + 1 < device.size(); ++k) {
        dc->FillArea(gdi::ThinLine(device[k], device[k + 1], dc->DrawLimit()), paint, dc->state.rop2);
    }
    return TRUE;
}

BOOL Polygon(HDC handle, const POINT* points, int count) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !points || count < 2) return FALSE;
    std::vector<POINT> device = ToDevice(*dc, points, count);
    const Region interior = gdi::PolygonRegion(device, dc->state.polyFillMode, dc->DrawLimit());
    device.push_back(device.front());
    DrawFigure(*dc, HasPen(*dc) ? StrokeRegion(*dc, device) : Region(), interior);
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    return DrawBoxFigure(dc, left, top, right, bottom,
                         [](const RECT& box, int, const RECT&) { return Region(box); });
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    gdi::Dc* context = gdi::LookupDc(dc);
    if (!context) return FALSE;
    const auto cornerWidth = std::lround(std::fabs(ellipseWidth * context->state.mapping.ScaleX()));
    const auto cornerHeight = std::lround(std::fabs(ellipseHeight * context->state.mapping.ScaleY()));
    return DrawBoxFigure(dc, left, top, right, bottom, [&](const RECT& box, int inset, const RECT& limit) {
        return gdi::RoundRectRegion(box, static_cast<int>(std::max(0L, cornerWidth - 2 * inset)),
                                    static_cast<int>(std::max(0L, cornerHeight - 2 * inset)), limit);
    });
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    return DrawBoxFigure(dc, left, top, right, bottom, [](const RECT& box, int, const RECT& limit) {
        return gdi::EllipseRegion(box, limit);
    });
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brushHandle) {
    Dc* dc = gdi::LookupDc(handle);
    auto* brush = gdi::LookupBrush(brushHandle);
    if (!dc || !rect || !brush) return FALSE;
    if (!brush->IsNull()) dc->FillArea(Region(dc->ToDevice(*rect)), dc->BrushPaint(*brush), R2_COPYPEN);
    return TRUE;
}

int FrameRect(HDC handle, const RECT* rect, HBRUSH brushHandle) {
    Dc* dc = gdi::LookupDc(handle);
    auto* brush = gdi::LookupBrush(brushHandle);
    if (!dc || !rect || !brush) return FALSE;
    const RECT box = dc->ToDevice(*rect);
    const RECT inner =
        Deflate(box, UnitWidth(dc->state.mapping.ScaleX()), UnitWidth(dc->state.mapping.ScaleY()));
    if (!brush->IsNull()) dc->FillArea(Region(box) - Region(inner), dc->BrushPaint(*brush), R2_COPYPEN);
    return TRUE;
}

BOOL InvertRect(HDC handle, const RECT* rect) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !rect) return FALSE;
    dc->FillArea(Region(dc->ToDevice(*rect)), gdi::Paint::Solid(0), R2_NOT);
    return TRUE;
}

BOOL DrawFocusRect(HDC handle, const RECT* rect) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc || !rect) return FALSE;
    const RECT box = dc->ToDevice(*rect);
    gdi::Paint dots;
    dots.patterned = true;
    for (std::size_t i = 0; i < 64; ++i) dots.pattern[i] = ((i / 8 + i % 8) % 2 == 0) ? 0xFFFFFF : 0;
    dots.origin = POINT{box.left, box.top};
    dc->FillArea(Region(box) - Region(Deflate(box, 1, 1)), dots, R2_XORPEN);
    return TRUE;
}

BOOL PaintRgn(HDC handle, HRGN region) {
    Dc* dc = gdi::LookupDc(handle);
    Region area;
    if (!dc || !DeviceRegion(*dc, region, area)) return FALSE;
    if (HasBrush(*dc)) dc->FillArea(area, dc->BrushPaint(*dc->state.brush), dc->state.rop2);
    return TRUE;
}

BOOL FillRgn(HDC handle, HRGN region, HBRUSH brushHandle) {
    Dc* dc = gdi::LookupDc(handle);
    auto* brush = gdi::LookupBrush(brushHandle);
    Region area;
    if (!dc || !brush || !DeviceRegion(*dc, region, area)) return FALSE;
    if (!brush->IsNull()) dc->FillArea(area, dc->BrushPaint(*brush), R2_COPYPEN);
    return TRUE;
}

BOOL FrameRgn(HDC handle, HRGN region, HBRUSH brushHandle, int width, int height) {
    Dc* dc = gdi::LookupDc(handle);
    auto* brush = gdi::LookupBrush(brushHandle);
    Region area;
    if (!dc || !brush || !DeviceRegion(*dc, region, area)) return FALSE;
    const LONG dx = std::lround(std::fabs(width * dc->state.mapping.ScaleX()));
    const LONG dy = std::lround(std::fabs(height * dc->state.mapping.ScaleY()));
    if (!brush->IsNull()) dc->FillArea(area - Erode(area, dx, dy), dc->BrushPaint(*brush), dc->state.rop2);
    return TRUE;
}

BOOL InvertRgn(HDC handle, HRGN region) {
    Dc* dc = gdi::LookupDc(handle);
    Region area;
    if (!dc || !DeviceRegion(*dc, region, area)) return FALSE;
    dc->FillArea(area, gdi::Paint::Solid(0), R2_NOT);
    return TRUE;
}

COLORREF SetPixel(HDC handle, int x, int y, COLORREF color) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return CLR_INVALID;
    const POINT p = dc->ToDevice(x, y);
    const std::uint32_t pixel = dc->DrawPixel(color);
    dc->FillArea(Region(p.x, p.y, p.x + 1, p.y + 1), gdi::Paint::Solid(pixel), R2_COPYPEN);
    return ColorFromPixel(pixel);
}

COLORREF GetPixel(HDC handle, int x, int y) {
    Dc* dc = gdi::LookupDc(handle);
    if (!dc) return CLR_INVALID;
    const POINT p = dc->ToDevice(x, y);
    gdi::Canvas* canvas = dc->GetDevice().GetCanvas();
    gdi::PixelImage pixel;
    if (!canvas || !dc->VisibleClip().Contains(p.x, p.y) ||
        !canvas->Read(RECT{p.x, p.y, p.x + 1, p.y + 1}, pixel)) {
        return CLR_INVALID;
    }
    return ColorFromPixel(pixel.pixels[0]);
}

}  // namespace win
