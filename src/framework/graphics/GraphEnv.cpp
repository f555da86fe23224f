#include "framework/graphics/GraphEnv.h"

#include <algorithm>
#include <cstdlib>

#include "framework/graphics/AppPalette.h"
#include "framework/graphics/FillPatterns.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RasterOps.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

namespace {

constexpr win::COLORREF kPaletteRelative = 0x02000000;

win::COLORREF WithoutFlags(win::COLORREF color) { return color & 0x00FFFFFF; }

}  // namespace

GraphAttributes::GraphAttributes() : backColor(GetStandardColor(1)), foreColor(GetStandardColor(0)) {
    MakeLogFont(logFont, 0, 12, 0);
}

TGraphEnv::~TGraphEnv() {
    while (IsInUse()) TGraphEnv::End();
    DetachDC();
}

// ---- uses -------------------------------------------------------------------------------------------

void TGraphEnv::Begin() {
    ++useCount_;
    if (useCount_ != 1 || !dc_) return;
    initialPen_ = static_cast<win::HPEN>(win::SelectObject(dc_, win::GetStockObject(win::BLACK_PEN)));
    win::SelectObject(dc_, initialPen_);
    initialBrush_ = static_cast<win::HBRUSH>(win::SelectObject(dc_, win::GetStockObject(win::BLACK_BRUSH)));
    win::SelectObject(dc_, initialBrush_);
    initialFont_ = static_cast<win::HFONT>(win::SelectObject(dc_, win::GetStockObject(win::SYSTEM_FONT)));
    win::SelectObject(dc_, initialFont_);
    currentPen_ = initialPen_, currentBrush_ = initialBrush_, currentFont_ = initialFont_;
    SetForeColor(RGBColor::OfColorRef(win::GetTextColor(dc_)));
    if (attributesPending_) {
        ApplyAttributes(savedAttributes_);
        attributesPending_ = 0;
    }
    if (!useNearestColor_) RealizeAppPalette();
}

void TGraphEnv::End() {
    if (useCount_ == 0) return;
    if (useCount_ == 1 && dc_) {
        StoreAttributes(savedAttributes_);
        attributesPending_ = 1;
        RestoreInitialObjects();
    }
    --useCount_;
}

void TGraphEnv::RestoreInitialObjects() {
    SelectPen(initialPen_);
    SelectBrush(initialBrush_);
    SelectFont(initialFont_);
    initialPen_ = nullptr, initialBrush_ = nullptr, initialFont_ = nullptr;
    currentPen_ = nullptr, currentBrush_ = nullptr, currentFont_ = nullptr;
}

void TGraphEnv::ApplyAttributes(const GraphAttributes& attributes) {
    SetUseNearestColor(attributes.useNearestColor);
    SetBackColor(attributes.backColor);
    SetForeColor(attributes.foreColor);
    SetPenSize(static_cast<std::int16_t>(attributes.penWidth),
               static_cast<std::int16_t>(attributes.penHeight));
    SetRasterOp(attributes.rasterOp);
    SetFontIndirect(attributes.logFont);
    SetTransparent(attributes.transparent != 0);
}

void TGraphEnv::StoreAttributes(GraphAttributes& attributes) const {
    attributes.useNearestColor = useNearestColor_;
    attributes.backColor = GetBackColor();
    attributes.foreColor = foreColor_;
    std::int16_t width = 0, height = 0;
    GetPenSize(width, height);
    attributes.penWidth = static_cast<std::uint16_t>(width);
    attributes.penHeight = static_cast<std::uint16_t>(height);
    attributes.rasterOp = GetRasterOp();
    GetLogFont(attributes.logFont);
    attributes.transparent = IsTransparent();
}

void TGraphEnv::SetDC(win::HDC dc) { dc_ = dc; }

void TGraphEnv::DetachDC() {
    while (!savedStates_.empty()) RestoreState();
    // Detached in the middle of a use: the context gets its own objects back all the same.
    if (IsInUse() && dc_) RestoreInitialObjects();
    dc_ = nullptr;
}

// ---- objects ----------------------------------------------------------------------------------------

void TGraphEnv::Select(win::HGDIOBJ object, win::HGDIOBJ& current, win::HGDIOBJ initial, win::HGDIOBJ saved) {
    if (!dc_ || !object || object == current) return;
    const win::HGDIOBJ replaced = win::SelectObject(dc_, object);
    if (!replaced) return;
    current = object;
    // Outside a use nothing tells whose the replaced object is: it is left alone.
    if (initial && replaced != initial && replaced != saved) win::DeleteObject(replaced);
}

void TGraphEnv::SelectPen(win::HPEN pen) {
    Select(pen, currentPen_, initialPen_, savedStates_.empty() ? nullptr : savedStates_.back().pen);
}

void TGraphEnv::SelectBrush(win::HBRUSH brush) {
    Select(brush, currentBrush_, initialBrush_, savedStates_.empty() ? nullptr : savedStates_.back().brush);
}

void TGraphEnv::SelectFont(win::HFONT font) {
    Select(font, currentFont_, initialFont_, savedStates_.empty() ? nullptr : savedStates_.back().font);
}

win::HPEN TGraphEnv::CurrentPen() const {
    return static_cast<win::HPEN>(dc_ ? win::GetCurrentObject(dc_, win::OBJ_PEN) : nullptr);
}

win::HBRUSH TGraphEnv::CurrentBrush() const {
    return static_cast<win::HBRUSH>(dc_ ? win::GetCurrentObject(dc_, win::OBJ_BRUSH) : nullptr);
}

win::HFONT TGraphEnv::CurrentFont() const {
    return static_cast<win::HFONT>(dc_ ? win::GetCurrentObject(dc_, win::OBJ_FONT) : nullptr);
}

win::LOGPEN TGraphEnv::CurrentLogPen() const {
    win::LOGPEN pen;
    if (const win::HPEN current = CurrentPen()) win::GetObjectA(current, sizeof pen, &pen);
    return pen;
}

void TGraphEnv::SaveState() {
    if (!dc_) return;
    savedStates_.push_back(SavedObjects{CurrentPen(), CurrentBrush(), CurrentFont()});
    win::SaveDC(dc_);
}

void TGraphEnv::RestoreState() {
    if (savedStates_.empty()) return;
    const SavedObjects replaced{CurrentPen(), CurrentBrush(), CurrentFont()};
    if (dc_) win::RestoreDC(dc_, -1);
    const SavedObjects restored = savedStates_.back();
    savedStates_.pop_back();
    if (dc_) foreColor_ = RGBColor::OfColorRef(win::GetTextColor(dc_));
    if (IsInUse()) currentPen_ = restored.pen, currentBrush_ = restored.brush, currentFont_ = restored.font;
    auto release = [](win::HGDIOBJ object, win::HGDIOBJ kept, win::HGDIOBJ initial) {
        if (object && initial && object != kept && object != initial) win::DeleteObject(object);
    };
    release(replaced.pen, restored.pen, initialPen_);
    release(replaced.brush, restored.brush, initialBrush_);
    release(replaced.font, restored.font, initialFont_);
}

// ---- colours ----------------------------------------------------------------------------------------

std::int16_t TGraphEnv::SetUseNearestColor(std::int16_t flag) {
    const std::int16_t previous = useNearestColor_;
    useNearestColor_ = flag;
    return previous;
}

void TGraphEnv::RealizeAppPalette() {
    const win::HPALETTE palette = GetAppPalette();
    if (!dc_ || !palette) return;
    win::SelectPalette(dc_, palette, win::FALSE);
    win::RealizePalette(dc_);
}

RGBColor TGraphEnv::GetBackColor() const {
    return dc_ ? RGBColor::OfColorRef(win::GetBkColor(dc_)) : GetStandardColor(1);
}

void TGraphEnv::SetBackColor(const RGBColor& color) {
    if (!dc_) return;
    const win::COLORREF c = color.ToColorRef();
    win::SetBkColor(dc_, useNearestColor_ ? win::GetNearestColor(dc_, c) : c);
}

void TGraphEnv::SetForeColor(const RGBColor& color) {
    if (!dc_) {
        foreColor_ = color;
        return;
    }
    win::COLORREF c = color.ToColorRef();
    if (useNearestColor_) {
        c = WithoutFlags(win::GetNearestColor(dc_, c));
        win::SetTextColor(dc_, c);
        foreColor_ = RGBColor::OfColorRef(c);
    } else {
        win::SetTextColor(dc_, c | kPaletteRelative);
        foreColor_ = color;
    }
    SetPenColor(c);
    SetBrushColor(c);
}

void TGraphEnv::SetPenColor(win::COLORREF color) {
    win::LOGPEN pen = CurrentLogPen();
    if (WithoutFlags(pen.lopnColor) == color) return;
    pen.lopnColor = color | kPaletteRelative;
    SelectPen(win::CreatePenIndirect(&pen));
}

void TGraphEnv::SetBrushColor(win::COLORREF color) {
    win::LOGBRUSH brush;
    const win::HBRUSH current = CurrentBrush();
    if (!current || win::GetObjectA(current, sizeof brush, &brush) != sizeof brush) return;
    if (brush.lbStyle != win::BS_SOLID && brush.lbStyle != win::BS_HATCHED) return;
    if (WithoutFlags(brush.lbColor) == color) return;
    brush.lbColor = color | kPaletteRelative;
    SelectBrush(win::CreateBrushIndirect(&brush));
}

win::COLORREF TGraphEnv::SetTextColorRef(win::COLORREF color) {
    return dc_ ? win::SetTextColor(dc_, color) : win::CLR_INVALID;
}

// ---- pen, pattern, raster operation -----------------------------------------------------------------

ShortPoint TGraphEnv::GetPenPosition() const {
    win::POINT at;
    if (dc_) win::GetCurrentPositionEx(dc_, &at);
    return ShortPoint{static_cast<std::int16_t>(at.x), static_cast<std::int16_t>(at.y)};
}

void TGraphEnv::GetPenSize(std::int16_t& width, std::int16_t& height) const {
    const win::LOGPEN pen = CurrentLogPen();
    width = static_cast<std::int16_t>(pen.lopnWidth.x);
    height = static_cast<std::int16_t>(pen.lopnWidth.y);
}

void TGraphEnv::SetPenSize(std::int16_t width, std::int16_t height) {
    if (!dc_) return;
    win::LOGPEN pen = CurrentLogPen();
    pen.lopnWidth = win::POINT{std::max(width, height), height};
    SelectPen(win::CreatePenIndirect(&pen));
}

void TGraphEnv::SetPattern(int index) {
    const FillPatternRows* rows = GetFillPattern(index);
    if (!rows || index == kSolidPattern) {
        SelectBrush(win::CreateSolidBrush(foreColor_.ToColorRef()));
        return;
    }
    SelectPatternBrush(rows->data());
}

void TGraphEnv::SetPatternBits(const std::uint8_t rows[8]) { SelectPatternBrush(rows); }

void TGraphEnv::SelectPatternBrush(const std::uint8_t rows[8]) {
    if (!dc_) return;
    // Monochrome bitmap rows are whole 16-bit words: each row byte is widened.
    std::uint8_t bits[16] = {};
    for (int row = 0; row < 8; ++row) bits[2 * row] = rows[row];
    const win::HBITMAP bitmap = win::CreateBitmap(8, 8, 1, 1, bits);
    if (!bitmap) return;
    SelectBrush(win::CreatePatternBrush(bitmap));
    win::DeleteObject(bitmap);
}

std::uint32_t TGraphEnv::GetRasterOp() const {
    return dc_ ? DrawModeToRasterOp(win::GetROP2(dc_)) : kRasterCopy;
}

void TGraphEnv::SetRasterOp(std::uint32_t code) {
    if (dc_) win::SetROP2(dc_, RasterOpToDrawMode(code));
}

// ---- fonts and text measures ------------------------------------------------------------------------

void TGraphEnv::SetFontIndirect(const win::LOGFONTA& font) {
    if (dc_) SelectFont(win::CreateFontIndirectA(&font));
}

void TGraphEnv::SetFont(std::int16_t number, std::int16_t size, std::int32_t style) {
    win::LOGFONTA font;
    MakeLogFont(font, number, size, style);
    SetFontIndirect(font);
}

void TGraphEnv::GetLogFont(win::LOGFONTA& font) const {
    font = win::LOGFONTA{};
    if (const win::HFONT current = CurrentFont()) win::GetObjectA(current, sizeof font, &font);
}

void TGraphEnv::GetFontSpec(std::int16_t& number, std::int16_t& size, std::int32_t& style) const {
    win::LOGFONTA font;
    GetLogFont(font);
    LogFontToFontSpec(font, number, size, style);
}

void TGraphEnv::SetTransparent(bool transparent) {
    if (dc_) win::SetBkMode(dc_, transparent ? win::TRANSPARENT : win::OPAQUE);
}

bool TGraphEnv::IsTransparent() const { return !dc_ || win::GetBkMode(dc_) != win::OPAQUE; }

void TGraphEnv::ResetAttributes() {
    SetPattern(kSolidPattern);
    SetForeStandardColor(0);
    SetBackStandardColor(1);
    SetPenSize(1, 1);
    SetRasterOp(kRasterCopy);
    SetFont(0, 12, 0);
    SetTransparent(true);
}

// ---- pen position -----------------------------------------------------------------------------------

void TGraphEnv::MoveTo(int x, int y) {
    if (dc_) win::MoveToEx(dc_, x, y, nullptr);
}

void TGraphEnv::Move(int dx, int dy) {
    const ShortPoint at = GetPenPosition();
    MoveTo(at.x + dx, at.y + dy);
}

void TGraphEnv::LineTo(int x, int y) {
    const ShortPoint at = GetPenPosition();
    LineBy(static_cast<std::int16_t>(x - at.x), static_cast<std::int16_t>(y - at.y));
}

void TGraphEnv::LineBy(std::int16_t dx, std::int16_t dy) {
    if (!dc_) return;
    const ShortPoint from = GetPenPosition();
    const int x1 = static_cast<std::int16_t>(from.x + dx), y1 = static_cast<std::int16_t>(from.y + dy);
    const int half = CurrentLogPen().lopnWidth.x >> 1;
    if (half != 0) {
        win::MoveToEx(dc_, from.x + half, from.y + half, nullptr);
        win::LineTo(dc_, x1 + half, y1 + half);
    } else {
        // A thin line leaves out its last pixel: reach one step further.
        const int adx = std::abs(dx), ady = std::abs(dy);
        int xEnd = x1, yEnd = y1;
        if (2 * adx >= ady) xEnd += dx >= 0 ? 1 : -1;
        if (2 * ady >= adx) yEnd += dy >= 0 ? 1 : -1;
        win::LineTo(dc_, xEnd, yEnd);
    }
    win::MoveToEx(dc_, x1, y1, nullptr);
}

win::POINT TGraphEnv::DeviceOrigin() const {
    win::POINT origin;
    if (dc_) win::LPtoDP(dc_, &origin, 1);
    return origin;
}
