#include "platform/gdi/DisplayDC.h"

#include "platform/gdi/Dc.h"
#include "platform/gdi/RasterCanvas.h"
#include "platform/gdi/ScreenDevice.h"

namespace win {
namespace {

class DisplayDevice : public gdi::Device {
public:
    DisplayDevice(Surface& target, POINT origin, const Region& systemClip)
        : canvas_(target, origin, false), systemClip_(systemClip) {
        // Kept in device coordinates, and never beyond the surface.
        systemClip_ &= Region(RECT{0, 0, target.Width(), target.Height()});
        systemClip_.Offset(-origin.x, -origin.y);
    }
    gdi::Canvas* GetCanvas() override { return &canvas_; }
    Region Visible() const override { return systemClip_; }
    int Caps(int index) const override { return gdi::ScreenCaps(index); }

private:
    gdi::RasterCanvas canvas_;
    Region systemClip_;
};

}  // namespace

HDC CreateDisplayDC(Surface& target, POINT origin, const Region& systemClip) {
    auto* dc = new gdi::Dc(OBJ_DC, std::make_unique<DisplayDevice>(target, origin, systemClip));
    return gdi::HandleOf(dc);
}

void RetargetDisplayDC(HDC handle, Surface& target, POINT origin, const Region& systemClip) {
    if (gdi::Dc* dc = gdi::LookupDc(handle)) {
        dc->ReplaceDevice(std::make_unique<DisplayDevice>(target, origin, systemClip));
    }
}

void DestroyDisplayDC(HDC handle) {
    if (gdi::Dc* dc = gdi::LookupDc(handle); dc && dc->Type() == OBJ_DC) delete dc;
}

}  // namespace win
