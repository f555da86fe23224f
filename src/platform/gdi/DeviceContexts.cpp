#include "platform/gdi/DeviceContexts.h"

#include <strings.h>
#include <cstring>

#include "platform/gdi/Clipping.h"
#include "platform/gdi/Dc.h"
#include "platform/gdi/DisplayDC.h"
#include "platform/gdi/Printers.h"
#include "platform/gdi/RasterCanvas.h"
#include "platform/gdi/ScreenDevice.h"

namespace win {
namespace {

using gdi::Dc;
using gdi::LookupDc;

// Draws into whatever bitmap is selected in its context.
class MemoryDevice : public gdi::Device {
public:
    gdi::Canvas* GetCanvas() override { return canvas_ ? &*canvas_ : nullptr; }
    Region Visible() const override { return bounds_; }
    int Caps(int index) const override { return gdi::ScreenCaps(index); }
    void BitmapSelected(gdi::Bitmap* bitmap) override {
        canvas_.reset();
        bounds_ = Region();
        if (!bitmap) return;
        canvas_.emplace(bitmap->Pixels(), POINT{0, 0}, bitmap->IsMonochrome());
        bounds_ = Region(RECT{0, 0, bitmap->Width(), bitmap->Height()});
    }

private:
    std::optional<gdi::RasterCanvas> canvas_;
    Region bounds_;
};

// Answers like the screen, discards all drawing.
class MeasuringDevice : public gdi::Device {
public:
    gdi::Canvas* GetCanvas() override { return nullptr; }
    Region Visible() const override {
        const SIZE screen = gdi::ScreenSize();
        return Region(RECT{0, 0, screen.cx, screen.cy});
    }
    int Caps(int index) const override { return gdi::ScreenCaps(index); }
};

template <typename T, typename Member>
T Exchange(HDC handle, Member member, T value, T failure) {
    Dc* dc = LookupDc(handle);
    if (!dc) return failure;
    T previous = dc->state.*member;
    dc->state.*member = value;
    return previous;
}

template <typename T, typename Member>
T Read(HDC handle, Member member, T failure) {
    Dc* dc = LookupDc(handle);
    return dc ? dc->state.*member : failure;
}

// The point-valued attributes (brush origin, current position) answer through an optional pointer.
BOOL ExchangePoint(HDC handle, POINT gdi::DcState::*member, POINT value, POINT* previous) {
    Dc* dc = LookupDc(handle);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.*member;
    dc->state.*member = value;
    return TRUE;
}

BOOL ReadPoint(HDC handle, POINT gdi::DcState::*member, POINT* value) {
    Dc* dc = LookupDc(handle);
    if (!dc || !value) return FALSE;
    *value = dc->state.*member;
    return TRUE;
}

}  // namespace

HDC CreateCompatibleDC(HDC like) {
    if (like && !LookupDc(like)) return nullptr;  // a context deleted, or never made
    auto* dc = new Dc(OBJ_MEMDC, std::make_unique<MemoryDevice>());
    return gdi::HandleOf(dc);
}

HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR port, LPCVOID initData) {
    const bool display = (driver && strcasecmp(driver, "DISPLAY") == 0) ||
                         (!driver && device && strcasecmp(device, "DISPLAY") == 0);
    if (!display) return CreatePrinterDCA(driver, device, port, static_cast<const DEVMODEA*>(initData));
    if (Surface* screen = gdi::ScreenSurface()) {
        return CreateDisplayDC(*screen, POINT{0, 0}, Region(RECT{0, 0, screen->Width(), screen->Height()}));
    }
    return CreateMeasuringDC();
}

HDC CreateMeasuringDC() { return gdi::HandleOf(new Dc(OBJ_DC, std::make_unique<MeasuringDevice>())); }

BOOL DeleteDC(HDC handle) {
    Dc* dc = LookupDc(handle);
    if (!dc) return FALSE;
    delete dc;
    return TRUE;
}

int SaveDC(HDC handle) {
    Dc* dc = LookupDc(handle);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC handle, int savedLevel) {
    Dc* dc = LookupDc(handle);
    if (!dc || savedLevel == 0) return FALSE;
    const long count = static_cast<long>(dc->saved.size());
    const long index = savedLevel < 0 ? count + savedLevel : savedLevel - 1;
    if (index < 0 || index >= count) return FALSE;
    gdi::ObjectRef<gdi::Bitmap> previous = dc->state.bitmap;
    dc->state = std::move(dc->saved[static_cast<std::size_t>(index)]);
    dc->saved.resize(static_cast<std::size_t>(index));
    if (previous && previous.get() != dc->state.bitmap.get() && previous->SelectedInto() == dc) {
        previous->SetSelectedInto(nullptr);
    }
    dc->BitmapChanged();
    return TRUE;
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
    Dc* dc = LookupDc(handle);
    gdi::GdiObject* selected = gdi::LookupObject(object);
    if (!dc || !selected) return nullptr;
    auto exchange = [&](auto& slot) -> HGDIOBJ {
        using Object = std::remove_reference_t<decltype(*slot)>;
        HGDIOBJ previous = slot ? slot->Handle() : nullptr;
        slot = static_cast<Object*>(selected);
        return previous;
    };
    switch (selected->Type()) {
        case OBJ_PEN: return exchange(dc->state.pen);
        case OBJ_BRUSH: return exchange(dc->state.brush);
        case OBJ_FONT: return exchange(dc->state.font);
        case OBJ_BITMAP: {
            auto* bitmap = static_cast<gdi::Bitmap*>(selected);
            if (dc->Type() != OBJ_MEMDC) return nullptr;
            if (bitmap->SelectedInto() && bitmap->SelectedInto() != dc) return nullptr;
            gdi::ObjectRef<gdi::Bitmap> previous = dc->state.bitmap;
            if (previous && previous->SelectedInto() == dc) previous->SetSelectedInto(nullptr);
            dc->state.bitmap = bitmap;
            dc->BitmapChanged();
            return previous ? previous->Handle() : nullptr;
        }
        case OBJ_REGION: {
            const int kind = SelectClipRgn(handle, static_cast<HRGN>(object));
            return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(kind));
        }
        default: return nullptr;
    }
}

HGDIOBJ GetCurrentObject(HDC handle, UINT type) {
    Dc* dc = LookupDc(handle);
    if (!dc) return nullptr;
    auto handleOf = [](auto& slot) -> HGDIOBJ { return slot ? slot->Handle() : nullptr; };
    switch (type) {
        case OBJ_PEN: return handleOf(dc->state.pen);
        case OBJ_BRUSH: return handleOf(dc->state.brush);
        case OBJ_FONT: return handleOf(dc->state.font);
        case OBJ_BITMAP: return handleOf(dc->state.bitmap);
        case OBJ_PAL: return handleOf(dc->state.palette);
        default: return nullptr;
    }
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    return Exchange(dc, &gdi::DcState::textColor, color, CLR_INVALID);
}
COLORREF GetTextColor(HDC dc) { return Read(dc, &gdi::DcState::textColor, CLR_INVALID); }
COLORREF SetBkColor(HDC dc, COLORREF color) {
    return Exchange(dc, &gdi::DcState::bkColor, color, CLR_INVALID);
}
COLORREF GetBkColor(HDC dc) { return Read(dc, &gdi::DcState::bkColor, CLR_INVALID); }

int SetBkMode(HDC dc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return Exchange(dc, &gdi::DcState::bkMode, mode, 0);
}
int GetBkMode(HDC dc) { return Read(dc, &gdi::DcState::bkMode, 0); }

int SetROP2(HDC dc, int mode) {
    if (mode < R2_BLACK || mode > R2_WHITE) return 0;
    return Exchange(dc, &gdi::DcState::rop2, mode, 0);
}
int GetROP2(HDC dc) { return Read(dc, &gdi::DcState::rop2, 0); }

UINT SetTextAlign(HDC dc, UINT align) { return Exchange(dc, &gdi::DcState::textAlign, align, GDI_ERROR); }
UINT GetTextAlign(HDC dc) { return Read(dc, &gdi::DcState::textAlign, GDI_ERROR); }

int SetStretchBltMode(HDC dc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return Exchange(dc, &gdi::DcState::stretchMode, mode, 0);
}
int GetStretchBltMode(HDC dc) { return Read(dc, &gdi::DcState::stretchMode, 0); }

int SetPolyFillMode(HDC dc, int mode) {
    if (mode != ALTERNATE && mode != WINDING) return 0;
    return Exchange(dc, &gdi::DcState::polyFillMode, mode, 0);
}
int GetPolyFillMode(HDC dc) { return Read(dc, &gdi::DcState::polyFillMode, 0); }

BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous) {
    return ExchangePoint(dc, &gdi::DcState::brushOrigin, POINT{x, y}, previous);
}
BOOL GetBrushOrgEx(HDC dc, POINT* origin) { return ReadPoint(dc, &gdi::DcState::brushOrigin, origin); }

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
    return ExchangePoint(dc, &gdi::DcState::position, POINT{x, y}, previous);
}
BOOL GetCurrentPositionEx(HDC dc, POINT* position) {
    return ReadPoint(dc, &gdi::DcState::position, position);
}

int GetDeviceCaps(HDC handle, int index) {
    Dc* dc = LookupDc(handle);
    return dc ? dc->GetDevice().Caps(index) : 0;
}

COLORREF GetNearestColor(HDC handle, COLORREF color) {
    Dc* dc = LookupDc(handle);
    if (!dc) return CLR_INVALID;
    return ColorFromPixel(dc->DrawPixel(color));
}

}  // namespace win
