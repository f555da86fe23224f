// The colour chooser's drawn parts: the hue and saturation field with its cross, the luminance bar
// with its mark, and the colour chosen.

#include <algorithm>

#include "platform/gdi/Dib.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/ColorChooserDialog.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMetrics.h"

namespace win::detail {
namespace {

constexpr int kFieldWidth = kHueSaturationField.right - kHueSaturationField.left;
constexpr int kFieldHeight = kHueSaturationField.bottom - kHueSaturationField.top;
constexpr int kBarWidth = kLuminanceBar.right - kLuminanceBar.left;
constexpr int kMiddleLuminance = kHlsMax / 2;

DWORD Pixel(COLORREF color) {
    return static_cast<DWORD>(GetRValue(color)) << 16 | static_cast<DWORD>(GetGValue(color)) << 8 |
           GetBValue(color);
}

// Draws top-down rows of 32-bit pixels at a place.
void DrawPixels(HDC dc, const RECT& where, const std::vector<DWORD>& pixels) {
    BITMAPINFO info;
    info.bmiHeader.biWidth = where.right - where.left;
    info.bmiHeader.biHeight = -(where.bottom - where.top);
    info.bmiHeader.biBitCount = 32;
    const auto height = static_cast<UINT>(where.bottom - where.top);
    SetDIBitsToDevice(dc, where.left, where.top, static_cast<DWORD>(where.right - where.left), height, 0, 0,
                      0, height, pixels.data(), &info, DIB_RGB_COLORS);
}

int HueAt(int x) { return std::clamp(x * kHueSteps / kFieldWidth, 0, kHueSteps - 1); }
int SaturationAt(int y) { return std::clamp(kHlsMax - y * kHlsMax / (kFieldHeight - 1), 0, kHlsMax); }
int LuminanceAt(int y) { return std::clamp(kHlsMax - y * kHlsMax / (kFieldHeight - 1), 0, kHlsMax); }

void Fill(HDC dc, const RECT& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// A sunken frame just outside r.
void Sunken(HDC dc, RECT r) {
    InflateRect(&r, 1, 1);
    Fill(dc, RECT{r.left, r.top, r.right, r.top + 1}, GetSysColor(COLOR_BTNSHADOW));
    Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, GetSysColor(COLOR_BTNSHADOW));
    Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, GetSysColor(COLOR_BTNHIGHLIGHT));
    Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, GetSysColor(COLOR_BTNHIGHLIGHT));
}

void PaintField(HDC dc, ColorChooserSession& session) {
    if (session.field.empty()) {
        session.field.resize(static_cast<std::size_t>(kFieldWidth * kFieldHeight));
        for (int y = 0; y < kFieldHeight; ++y) {
            for (int x = 0; x < kFieldWidth; ++x)
                session.field[static_cast<std::size_t>(y * kFieldWidth + x)] =
                    Pixel(ColorOf(Hls{HueAt(x), kMiddleLuminance, SaturationAt(y)}));
        }
    }
    DrawPixels(dc, kHueSaturationField, session.field);
    Sunken(dc, kHueSaturationField);
    // A cross with a gap where the colour is, clipped to the field.
    const int x = kHueSaturationField.left + session.hls.hue * kFieldWidth / kHueSteps;
    const int y = kHueSaturationField.top + (kHlsMax - session.hls.saturation) * (kFieldHeight - 1) / kHlsMax;
    const RECT arms[4] = {{x - 9, y - 1, x - 3, y + 2},
                          {x + 4, y - 1, x + 10, y + 2},
                          {x - 1, y - 9, x + 2, y - 3},
                          {x - 1, y + 4, x + 2, y + 10}};
    for (RECT arm : arms) {
        IntersectRect(&arm, &arm, &kHueSaturationField);
        Fill(dc, arm, RGB(0, 0, 0));
    }
}

void PaintBar(HDC dc, const ColorChooserSession& session) {
    std::vector<DWORD> pixels(static_cast<std::size_t>(kBarWidth * kFieldHeight));
    for (int y = 0; y < kFieldHeight; ++y) {
        const DWORD pixel = Pixel(ColorOf(Hls{session.hls.hue, LuminanceAt(y), session.hls.saturation}));
        std::fill_n(pixels.begin() + y * kBarWidth, kBarWidth, pixel);
    }
    DrawPixels(dc, kLuminanceBar, pixels);
    Sunken(dc, kLuminanceBar);
    // A mark pointing at the luminance from the right.
    Fill(dc, kLuminanceMarks, GetSysColor(COLOR_BTNFACE));
    const int y = kLuminanceBar.top + (kHlsMax - session.hls.luminance) * (kFieldHeight - 1) / kHlsMax;
    for (int column = 0; column < 6; ++column) {
        const int x = kLuminanceMarks.left + 1 + column;
        Fill(dc, RECT{x, y - column, x + 1, y + column + 1}, GetSysColor(COLOR_WINDOWTEXT));
    }
}

}  // namespace

void PaintDefiningPart(HWND, HDC dc, ColorChooserSession& session) {
    PaintField(dc, session);
    PaintBar(dc, session);
    Sunken(dc, kColorSample);
    Fill(dc, kColorSample, session.color);
}

int DrawnPartAt(POINT point) {
    if (PtInRect(&kHueSaturationField, point)) return 1;
    RECT bar = kLuminanceBar;
    bar.right = kLuminanceMarks.right;
    return PtInRect(&bar, point) ? 2 : 0;
}

Hls PickedAt(const ColorChooserSession& session, int part, POINT point) {
    Hls picked = session.hls;
    const int x = point.x - kHueSaturationField.left, y = point.y - kHueSaturationField.top;
    if (part == 1) {
        picked.hue = HueAt(x);
        picked.saturation = SaturationAt(y);
        // Black and white have no hue to show: a hue picked for them comes in its middle luminance.
        if (picked.luminance == 0 || picked.luminance == kHlsMax) picked.luminance = kMiddleLuminance;
    } else if (part == 2) {
        picked.luminance = LuminanceAt(y);
    }
    return picked;
}

}  // namespace win::detail
