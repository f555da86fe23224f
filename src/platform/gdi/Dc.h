#pragma once
// A device context: the drawing state (selected objects, colours, modes, position, clip, mapping)
// with its stack of saved states, over a device that says where drawing goes.

#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/Canvas.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/ObjectKinds.h"

namespace win::gdi {

class Dc;

// Where a device context's drawing goes.
class Device {
public:
    virtual ~Device() = default;
    // The canvas drawing goes to; null when drawing is discarded.
    virtual Canvas* GetCanvas() = 0;
    // The device pixels drawing may touch, in device coordinates.
    virtual Region Visible() const = 0;
    virtual int Caps(int index) const = 0;
    // The background mode a fresh context starts with.
    virtual int InitialBackgroundMode() const { return OPAQUE; }
    // Memory devices draw into the bitmap selected in the context.
    virtual void BitmapSelected(Bitmap*) {}
};

// Logical to device coordinates: device = (logical - window origin) * viewport extent / window
// extent + viewport origin. MM_TEXT keeps both extents at 1.
struct Mapping {
    int mode = MM_TEXT;
    POINT windowOrg;
    POINT viewportOrg;
    SIZE windowExt{1, 1};
    SIZE viewportExt{1, 1};

    double ScaleX() const { return static_cast<double>(viewportExt.cx) / windowExt.cx; }
    double ScaleY() const { return static_cast<double>(viewportExt.cy) / windowExt.cy; }
    double DeviceX(double x) const { return (x - windowOrg.x) * ScaleX() + viewportOrg.x; }
    double DeviceY(double y) const { return (y - windowOrg.y) * ScaleY() + viewportOrg.y; }
    POINT ToDevice(POINT p) const;
    POINT ToLogical(POINT p) const;
    bool IsIdentityScale() const { return viewportExt.cx == windowExt.cx && viewportExt.cy == windowExt.cy; }
};

struct DcState {
    ObjectRef<Pen> pen;
    ObjectRef<Brush> brush;
    ObjectRef<Font> font;
    ObjectRef<Bitmap> bitmap;  // memory contexts only
    ObjectRef<Palette> palette;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT position;
    POINT brushOrigin;
    std::optional<Region> clip;  // the application's clip, device coordinates
    Mapping mapping;
};

class Dc : public GdiObject {
public:
    Dc(DWORD type, std::unique_ptr<Device> device);
    ~Dc() override;

    Device& GetDevice() { return *device_; }
    void ReplaceDevice(std::unique_ptr<Device> device);
    // Back to a fresh context's attributes and objects.
    void ResetState();

    DcState state;
    std::vector<DcState> saved;

    // The pixels drawing may touch now, in device coordinates: the device's visible part, narrowed
    // by the application's clip.
    const Region& VisibleClip();
    void InvalidateClip() { visibleClip_.reset(); }
    // The bounds of VisibleClip: shapes need not be worked out beyond them.
    RECT DrawLimit() { return VisibleClip().Bounds(); }
    // Called whenever the selected bitmap may have changed.
    void BitmapChanged();

    bool IsMonochrome();
    // A colour as this context draws it: flags dropped, mapped to black or white on monochrome
    // canvases; as a pixel.
    std::uint32_t DrawPixel(COLORREF color);
    Paint BrushPaint(Brush& brush);
    Paint SolidPaint(COLORREF color) { return Paint::Solid(DrawPixel(color)); }

    // Fills the part of `area` (device coordinates) that may be drawn on.
    void FillArea(const Region& area, const Paint& paint, int rop2);

    POINT ToDevice(POINT p) const { return state.mapping.ToDevice(p); }
    POINT ToDevice(LONG x, LONG y) const { return state.mapping.ToDevice(POINT{x, y}); }
    // A logical rectangle in device coordinates, ordered so left <= right and top <= bottom.
    RECT ToDevice(const RECT& r) const;
    Region RegionToDevice(const Region& region) const;
    // The width of the selected pen in device pixels (at least 1).
    int PenWidth() const;

private:
    std::unique_ptr<Device> device_;
    std::optional<Region> visibleClip_;
};

// The context behind a handle, of either kind; null for anything else.
Dc* LookupDc(HDC handle);
inline HDC HandleOf(Dc* dc) { return static_cast<HDC>(dc->Handle()); }

// Black or white, whichever is nearer.
COLORREF NearestMonochrome(COLORREF color);

}  // namespace win::gdi
