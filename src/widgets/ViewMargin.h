#pragma once
// Margins of a scrolling view: strips along its top or left edge, or a corner box, that stay in
// place while the content scrolls or scroll along one axis with it, and the drawable objects they
// hold in document coordinates. A margin sets the view's inset for its strip, so the view's data
// area lies beside it.

#include <cstdint>

#include "foundation/String.h"
#include "foundation/TypedList.h"
#include "framework/graphics/RGBColor.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"

class MsgEvent;
class TGraphEnv;
class TView;
class ViewMargin;

// Margin flags.
inline constexpr std::uint16_t kMarginTop = 0x01;
inline constexpr std::uint16_t kMarginLeft = 0x02;
inline constexpr std::uint16_t kMarginCorner = 0x04;
inline constexpr std::uint16_t kMarginScrollsHorz = 0x08;  // a top strip moves with the columns
inline constexpr std::uint16_t kMarginScrollsVert = 0x10;  // a left strip moves with the rows
inline constexpr std::uint16_t kMarginHasCursorAreas = 0x20;

// View object flags.
inline constexpr std::uint16_t kViewObjectCursorArea = 0x01;

class ViewObject {
public:
    // An object with kViewObjectCursorArea marks its margin as having cursor areas.
    ViewObject(ViewMargin* margin, const LongRect& rect, std::int32_t column, std::uint16_t flags);
    ViewObject(const ViewObject&) = delete;
    ViewObject& operator=(const ViewObject&) = delete;
    virtual ~ViewObject() = default;

    virtual void Draw(TGraphEnv& /*env*/, std::int32_t /*x*/, std::int32_t /*y*/,
                      const ShortRect& /*updateRect*/) {}
    // 1 when handled.
    virtual std::int16_t MouseDown(const MsgEvent& /*event*/, ShortPoint /*point*/, std::int16_t /*isDouble*/) {
        return 1;
    }
    virtual void SetCursorRegion() {}

    // The rectangle on the view (window coordinates); false outside the 16-bit range.
    bool GetViewRect(ShortRect& rect) const;
    bool HasFlags(std::uint16_t mask) const { return (flags_ & mask) == mask; }
    ViewMargin* GetMargin() const { return margin_; }
    const LongRect& GetRect() const { return rect_; }
    std::int32_t GetColumn() const { return column_; }

private:
    std::uint16_t flags_;
    ViewMargin* margin_;
    LongRect rect_;
    std::int32_t column_;
};

// One line of text in a font, aligned in the object's rectangle, on an optional background.
class TextViewObject : public ViewObject {
public:
    // The colours are the caller's and must outlive the object; a null background fills nothing, a
    // null text colour draws black.
    TextViewObject(ViewMargin* margin, const char* text, const win::LOGFONTA& font, std::int32_t hAlign,
                   std::int32_t vAlign, const LongRect& rect, std::int32_t column, std::uint16_t flags,
                   const RGBColor* textColor, const RGBColor* backColor);

    void Draw(TGraphEnv& env, std::int32_t x, std::int32_t y, const ShortRect& updateRect) override;

    const String& GetText() const { return text_; }
    // Where the text's baseline starts in the rectangle, once drawn: x, then y.
    ShortPoint TextOrigin(const ShortRect& rect) const;

private:
    String text_;
    std::int16_t textWidth_ = 0;
    win::LOGFONTA font_;
    std::int32_t hAlign_;
    std::int32_t vAlign_;
    std::int16_t metricsKnown_ = 0;
    std::int16_t ascent_ = 0;
    std::int16_t descent_ = 0;
    std::int16_t leading_ = 0;
    const RGBColor* backColor_;
    const RGBColor* textColor_;
};

// The objects of a margin. The list does not delete them; its clone is empty.
class ViewObjectList : public TypedList<ViewObject*> {
public:
    ViewObjectList() : TypedList(8 * sizeof(ViewObject*), 0, 0) {}
    TObject* Clone() const override { return new ViewObjectList; }
    ViewObject* ObjectAt(std::int32_t i) const { return GetAt(i); }
};

class ViewMargin {
public:
    // A top strip (kMarginTop) takes the view's top inset, height high, from the content's left
    // plus width; a left strip (kMarginLeft) the left inset, width wide, from the content's top plus
    // height; a corner box (kMarginCorner) width by height at the content's top left.
    ViewMargin(TView* view, std::int16_t height, std::int16_t width, std::uint16_t flags);
    ViewMargin(const ViewMargin&) = delete;
    ViewMargin& operator=(const ViewMargin&) = delete;
    virtual ~ViewMargin() = default;

    virtual void SetFlags(std::uint16_t mask) { flags_ |= mask; }
    virtual void SetBounds(const ShortRect& rect) { bounds_ = rect; }
    // Clipped to the bounds, the content with the origin its flags give.
    virtual void Draw(TGraphEnv& env, std::int32_t originX, std::int32_t originY, const ShortRect& updateRect);
    // 0 when not handled.
    virtual std::int16_t MouseDown(const MsgEvent& /*event*/, ShortPoint /*point*/, std::int16_t /*isDouble*/) {
        return 0;
    }
    virtual void UpdateCursor() {}
    virtual void DrawContent(TGraphEnv& /*env*/, std::int32_t /*x*/, std::int32_t /*y*/,
                             const ShortRect& /*updateRect*/) {}

    bool HasFlags(std::uint16_t mask) const { return (flags_ & mask) == mask; }
    bool LacksFlags(std::uint16_t mask) const { return (flags_ & mask) != mask; }
    TView* GetView() const { return view_; }
    const ShortRect& GetBounds() const { return bounds_; }
    // Document coordinates to the view's window and back, through the margin's origin.
    bool DocToMarginRect(const LongRect& document, ShortRect& rect) const;
    void MarginToDocRect(const ShortRect& rect, LongRect& document) const;
    void Invalidate() const;
    // New bounds, invalidated; a margin with cursor areas has the view's rebuilt.
    void Relocate(const ShortRect& rect);
    // The bounds the flags give over the view's content rectangle as it is now.
    ShortRect BoundsInContent() const;

private:
    void Origin(std::int32_t& x, std::int32_t& y) const;

    TView* view_;
    std::uint16_t flags_;
    ShortRect bounds_;
    std::int16_t height_;
    std::int16_t width_;
};
