#pragma once
// The drawing environment: every window, item, report page and palette draws through one. It wraps
// one device context in the model of a pen-based drawing port: foreground and background colours, a
// pen of a width and height, a fill pattern from a fixed table of 8 x 8 patterns, a raster
// operation, a font chosen by number, size and style, a clip in the environment's own logical
// coordinates, and a stack of saved states.
//
// Uses are bracketed by Begin and End (normally through GraphUser) and counted, so that nested
// drawing code shares one environment. The first Begin records the context's own pen, brush and
// font; the End that brings the count back to 0 selects them back and keeps the drawing attributes
// (colours, pen size, raster operation, font, transparency; not the pattern), which the next first
// Begin puts back. Objects the environment makes are deleted when it replaces them, unless they
// are the context's own or held by the newest saved state.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics/RGBColor.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"

class Rgn;

// Ternary raster codes the environment knows; any other code draws as a copy.
inline constexpr std::uint32_t kRasterCopy = 0xCC0020;

// Drawing attributes kept between two outermost uses of an environment.
struct GraphAttributes {
    GraphAttributes();

    std::int16_t useNearestColor = 1;
    RGBColor backColor;
    RGBColor foreColor;
    std::uint16_t penWidth = 1;
    std::uint16_t penHeight = 1;
    std::uint32_t rasterOp = kRasterCopy;
    win::LOGFONTA logFont;
    std::uint32_t transparent = 1;
};

// Text alignment codes.
inline constexpr int kAlignRight = -1;
inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignCenter = 1;

class TGraphEnv {
public:
    TGraphEnv() = default;
    TGraphEnv(const TGraphEnv&) = delete;
    TGraphEnv& operator=(const TGraphEnv&) = delete;
    virtual ~TGraphEnv();

    virtual void Begin();
    virtual void End();
    virtual void SetFontIndirect(const win::LOGFONTA& font);
    virtual void SetFont(std::int16_t number, std::int16_t size, std::int32_t style);
    virtual void GetClipRect(ShortRect& rect);
    virtual void SetClipRect(const ShortRect& rect);
    // 0 when the context has a clip region, 1 when it has none (the clip box is given instead).
    virtual std::int16_t GetClip(Rgn& region);
    virtual std::int16_t GetClipRegion(win::HRGN region);
    virtual void SetClip(const Rgn& region);
    virtual void SetClipRegion(win::HRGN region);
    virtual void ClearClip();
    // A line by (dx, dy) from the pen position, its last pixel drawn; a thick pen hangs below and
    // to the right of the line.
    virtual void LineBy(std::int16_t dx, std::int16_t dy);
    // Text at the pen position, which is its baseline origin; tabs stop every tabWidth units.
    virtual void DrawText(const char* text, std::int16_t tabWidth, std::int16_t disabled);
    // count characters from text + first at the pen position, which moves past them.
    virtual void TextOutAligned(const char* text, std::int32_t first, std::int16_t count);

    bool IsInUse() const { return useCount_ > 0; }
    win::HDC GetHDC() const { return dc_; }
    bool HasDC() const { return dc_ != nullptr; }

    void SaveState();
    void RestoreState();
    // Answers the previous flag.
    std::int16_t SetUseNearestColor(std::int16_t flag);
    void RealizeAppPalette();

    RGBColor GetBackColor() const;
    void SetBackColor(const RGBColor& color);
    RGBColor GetForeColor() const { return foreColor_; }
    // The text colour, and the colour of the pen and of a solid brush.
    void SetForeColor(const RGBColor& color);
    void SetForeStandardColor(int index) { SetForeColor(GetStandardColor(index)); }
    void SetBackStandardColor(int index) { SetBackColor(GetStandardColor(index)); }
    win::COLORREF GetForeColorRef() const { return foreColor_.ToColorRef(); }

    ShortPoint GetPenPosition() const;
    void GetPenSize(std::int16_t& width, std::int16_t& height) const;
    void SetPenSize(std::int16_t width, std::int16_t height);
    // Pattern 1 is solid foreground; others are 8 x 8 patterns whose 0 bits draw in the foreground
    // colour and 1 bits in the background colour. Indices outside 1..38 draw solid.
    void SetPattern(int index);
    void SetPatternBits(const std::uint8_t rows[8]);
    std::uint32_t GetRasterOp() const;
    void SetRasterOp(std::uint32_t code);

    void GetLogFont(win::LOGFONTA& font) const;
    void GetFontSpec(std::int16_t& number, std::int16_t& size, std::int32_t& style) const;
    void GetTextMetrics(win::TEXTMETRICA& metrics) const;
    void GetTextFace(char* buffer, int size) const;

    void SetTransparent(bool transparent);
    bool IsTransparent() const;

    int TextWidth(const char* text, int count) const;
    int StringWidth(const char* text) const;
    // 1 when the text fits the rectangle's width; else cuts it to the longest start that fits with
    // "..." after it, appends the "...", and answers 0.
    std::int16_t FitTextToWidth(std::string& text, const ShortRect& rect) const;
    int AlignOffset(const char* text, int alignment, int width) const;
    int AlignTextInSpan(int left, int right, int alignment, const char* text) const;

    // Pattern 1, black on white, a 1 x 1 pen, copy, font 0 at size 12, transparent.
    void ResetAttributes();

    void MoveTo(int x, int y);
    void Move(int dx, int dy);
    void LineTo(int x, int y);

    void EraseRect(const ShortRect& rect);
    void FillRect(const ShortRect& rect);
    void FrameRect(const ShortRect& rect);
    void InvertRect(const ShortRect& rect);
    void DrawFocusRect(const ShortRect& rect);
    // A frame that NOT-XOR-draws the highlight colour, so drawing it twice takes it away.
    void DrawHighlightFrame(const ShortRect& rect);
    void FillHighlight(const ShortRect& rect);
    void FrameHighlight(const ShortRect& rect);
    // Answers the previous text colour.
    win::COLORREF UseHighlightTextColor();
    win::COLORREF SetTextColorRef(win::COLORREF color);

    void PaintRoundRect(const ShortRect& rect, int ovalWidth, int ovalHeight);
    void FrameRoundRect(const ShortRect& rect, int ovalWidth, int ovalHeight);
    void EraseRoundRect(const ShortRect& rect, int ovalWidth, int ovalHeight);
    void InvertRoundRect(const ShortRect& rect, int ovalWidth, int ovalHeight);
    void FrameOval(const ShortRect& rect);
    void FillOval(const ShortRect& rect);
    void EraseOval(const ShortRect& rect);
    void InvertOval(const ShortRect& rect);
    void PaintRegion(win::HRGN region);
    void InvertRegion(win::HRGN region);
    void EraseRegion(win::HRGN region);
    void FrameRegion(win::HRGN region);

    // One line of at most 127 characters in the rectangle, cut to fit with "...".
    void DrawTextBox(const char* text, const ShortRect& rect, int alignment, int opaque, int disabled);
    // The text wrapped at the rectangle's width, line under line from its top while lines fit.
    void DrawMultilineText(const char* text, const ShortRect& rect, int alignment, int opaque, int disabled);

protected:
    void SetDC(win::HDC dc);
    // Unwinds every saved state, then forgets the context.
    void DetachDC();

private:
    struct SavedObjects {
        win::HPEN pen;
        win::HBRUSH brush;
        win::HFONT font;
    };

    // Selects the object by the environment's rule (see the top of this file).
    void SelectPen(win::HPEN pen);
    void SelectBrush(win::HBRUSH brush);
    void SelectFont(win::HFONT font);
    void Select(win::HGDIOBJ object, win::HGDIOBJ& current, win::HGDIOBJ initial, win::HGDIOBJ saved);
    // The pen, brush and font selected in the context now.
    win::HPEN CurrentPen() const;
    win::HBRUSH CurrentBrush() const;
    win::HFONT CurrentFont() const;
    win::LOGPEN CurrentLogPen() const;
    void SetPenColor(win::COLORREF color);
    void SetBrushColor(win::COLORREF color);
    void SelectPatternBrush(const std::uint8_t rows[8]);
    // Selects the context's own pen, brush and font back, deleting the environment's.
    void RestoreInitialObjects();
    void ApplyAttributes(const GraphAttributes& attributes);
    void StoreAttributes(GraphAttributes& attributes) const;
    // Where the logical origin lies in device coordinates.
    win::POINT DeviceOrigin() const;
    // Over a rectangle, on a two-colour display, the grey pattern that marks disabled text.
    void GreyOut(const win::RECT& area);
    // Sets up the context for one of the text boxes: SaveDC, grey text when disabled on a colour
    // display, the background mode and the clip narrowed to the rectangle. False when the
    // rectangle lies outside the clip (nothing is then changed).
    bool BeginTextBox(const ShortRect& rect, int opaque, int disabled);
    void EndTextBox(const ShortRect& rect, int disabled);

    std::vector<SavedObjects> savedStates_;
    win::HDC dc_ = nullptr;
    std::uint16_t useCount_ = 0;
    std::int16_t useNearestColor_ = 1;
    std::int16_t attributesPending_ = 0;
    GraphAttributes savedAttributes_;
    RGBColor foreColor_;
    win::HPEN initialPen_ = nullptr;
    win::HBRUSH initialBrush_ = nullptr;
    win::HFONT initialFont_ = nullptr;
    win::HGDIOBJ currentPen_ = nullptr;
    win::HGDIOBJ currentBrush_ = nullptr;
    win::HGDIOBJ currentFont_ = nullptr;
};
