// The drawing environment's rectangles, rounded rectangles, ovals and regions.

#include "framework/graphics/GraphEnv.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SystemColors.h"

namespace {

// Selects an object for one drawing call and puts the previous one back.
class TemporarySelection {
public:
    TemporarySelection(win::HDC dc, win::HGDIOBJ object)
        : dc_(dc), previous_(win::SelectObject(dc, object)) {}
    ~TemporarySelection() {
        if (previous_) win::SelectObject(dc_, previous_);
    }
    TemporarySelection(const TemporarySelection&) = delete;
    TemporarySelection& operator=(const TemporarySelection&) = delete;

private:
    win::HDC dc_;
    win::HGDIOBJ previous_;
};

// A brush made for one drawing call.
class OwnedBrush {
public:
    explicit OwnedBrush(win::COLORREF color) : brush_(win::CreateSolidBrush(color)) {}
    ~OwnedBrush() { win::DeleteObject(brush_); }
    OwnedBrush(const OwnedBrush&) = delete;
    OwnedBrush& operator=(const OwnedBrush&) = delete;
    win::HBRUSH Get() const { return brush_; }

private:
    win::HBRUSH brush_;
};

}  // namespace

void TGraphEnv::EraseRect(const ShortRect& rect) {
    if (!HasDC()) return;
    const OwnedBrush background(win::GetBkColor(GetHDC()));
    const win::RECT r = rect.ToRECT();
    win::FillRect(GetHDC(), &r, background.Get());
}

void TGraphEnv::FillRect(const ShortRect& rect) {
    if (!HasDC()) return;
    const win::RECT r = rect.ToRECT();
    win::FillRect(GetHDC(), &r, CurrentBrush());
}

void TGraphEnv::FrameRect(const ShortRect& rect) {
    if (!HasDC() || rect.IsEmpty()) return;
    const int right = rect.right - 1, bottom = rect.bottom - 1;
    const win::POINT outline[] = {{rect.left, rect.top},
                                  {right, rect.top},
                                  {right, bottom},
                                  {rect.left, bottom},
                                  {rect.left, rect.top}};
    win::Polyline(GetHDC(), outline, 5);
}

void TGraphEnv::InvertRect(const ShortRect& rect) {
    if (!HasDC()) return;
    const win::RECT r = rect.ToRECT();
    win::InvertRect(GetHDC(), &r);
}

void TGraphEnv::DrawFocusRect(const ShortRect& rect) {
    if (!HasDC() || rect.IsEmpty()) return;
    SaveState();
    ResetAttributes();
    const win::RECT r = rect.ToRECT();
    win::DrawFocusRect(GetHDC(), &r);
    RestoreState();
}

void TGraphEnv::DrawHighlightFrame(const ShortRect& rect) {
    if (!HasDC()) return;
    const win::HDC dc = GetHDC();
    win::POINT position;
    win::GetCurrentPositionEx(dc, &position);
    const int mode = win::SetROP2(dc, win::R2_NOTXORPEN);
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, win::GetSysColor(win::COLOR_HIGHLIGHT));
    {
        const TemporarySelection selected(dc, pen);
        const int right = rect.right - 1, bottom = rect.bottom - 1;
        const win::POINT outline[] = {{rect.left, rect.top},
                                      {rect.left, bottom},
                                      {right, bottom},
                                      {right, rect.top},
                                      {rect.left, rect.top}};
        win::Polyline(dc, outline, 5);
    }
    win::DeleteObject(pen);
    win::SetROP2(dc, mode);
    win::MoveToEx(dc, position.x, position.y, nullptr);
}

void TGraphEnv::FillHighlight(const ShortRect& rect) {
    if (!HasDC()) return;
    const win::RECT r = rect.ToRECT();
    win::FillRect(GetHDC(), &r, win::GetSysColorBrush(win::COLOR_HIGHLIGHT));
}

void TGraphEnv::FrameHighlight(const ShortRect& rect) {
    if (!HasDC() || rect.IsEmpty()) return;
    const win::RECT r = rect.ToRECT();
    win::FrameRect(GetHDC(), &r, win::GetSysColorBrush(win::COLOR_HIGHLIGHT));
}

win::COLORREF TGraphEnv::UseHighlightTextColor() {
    return SetTextColorRef(win::GetSysColor(win::COLOR_HIGHLIGHTTEXT));
}

void TGraphEnv::PaintRoundRect(const ShortRect& rect, int ovalWidth, int ovalHeight) {
    if (HasDC())
        win::RoundRect(GetHDC(), rect.left, rect.top, rect.right - 1, rect.bottom - 1, ovalWidth, ovalHeight);
}

void TGraphEnv::FrameRoundRect(const ShortRect& rect, int ovalWidth, int ovalHeight) {
    if (!HasDC()) return;
    std::int16_t width = 0, height = 0;
    GetPenSize(width, height);
    ShortRect r = rect;
    if (width > 1 || height >= 2) {
        r.left = static_cast<std::int16_t>(r.left + width / 2);
        r.top = static_cast<std::int16_t>(r.top + height / 2);
    }
    const TemporarySelection hollow(GetHDC(), win::GetStockObject(win::HOLLOW_BRUSH));
    PaintRoundRect(r, ovalWidth, ovalHeight);
}

void TGraphEnv::EraseRoundRect(const ShortRect& rect, int ovalWidth, int ovalHeight) {
    SaveState();
    SetForeColor(GetBackColor());
    PaintRoundRect(rect, ovalWidth, ovalHeight);
    RestoreState();
}

void TGraphEnv::InvertRoundRect(const ShortRect& rect, int, int) { InvertRect(rect); }

void TGraphEnv::FrameOval(const ShortRect& rect) {
    if (!HasDC()) return;
    const TemporarySelection hollow(GetHDC(), win::GetStockObject(win::HOLLOW_BRUSH));
    win::Ellipse(GetHDC(), rect.left, rect.top, rect.right - 1, rect.bottom - 1);
}

void TGraphEnv::FillOval(const ShortRect& rect) {
    if (!HasDC()) return;
    const OwnedBrush fill(GetForeColorRef());
    {
        const TemporarySelection noPen(GetHDC(), win::GetStockObject(win::NULL_PEN));
        const TemporarySelection brush(GetHDC(), fill.Get());
        win::Ellipse(GetHDC(), rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    }
}

void TGraphEnv::EraseOval(const ShortRect& rect) {
    SaveState();
    SetForeColor(GetBackColor());
    FillOval(rect);
    RestoreState();
}

void TGraphEnv::InvertOval(const ShortRect& rect) {
    if (!HasDC()) return;
    const int mode = win::SetROP2(GetHDC(), win::R2_NOT);
    win::Ellipse(GetHDC(), rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    win::SetROP2(GetHDC(), mode);
}

void TGraphEnv::PaintRegion(win::HRGN region) {
    if (HasDC()) win::PaintRgn(GetHDC(), region);
}

void TGraphEnv::InvertRegion(win::HRGN region) {
    if (HasDC()) win::InvertRgn(GetHDC(), region);
}

void TGraphEnv::EraseRegion(win::HRGN region) {
    if (!HasDC()) return;
    const OwnedBrush background(win::GetBkColor(GetHDC()));
    {
        const TemporarySelection brush(GetHDC(), background.Get());
        win::PaintRgn(GetHDC(), region);
    }
}

void TGraphEnv::FrameRegion(win::HRGN region) {
    if (!HasDC()) return;
    std::int16_t width = 0, height = 0;
    GetPenSize(width, height);
    win::FrameRgn(GetHDC(), region, CurrentBrush(), width, height);
}
