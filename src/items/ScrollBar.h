#pragma once
// The scroll bar of a scrolling view, over the native SCROLLBAR control. A view makes one for each
// direction it scrolls and links it to itself; the bar scrolls every view linked to it, sizes its
// thumb from the view's visible and total units, and pages by the view's own page step, keeping two
// units of the last page in sight. Its value, minimum and maximum are the control's 32-bit ones;
// the native bar shows their high parts (ScrollMath.h).
//
// Record, after the control's: u16 flags, i16 start offset, i16 end offset.

#include <cstdint>
#include <string>

#include "items/ScrollMath.h"
#include "items/TControl.h"

class TView;

class ScrollBar : public TControl {
    TOBJECT_CLASS(ScrollBar, TControl, 510)

public:
    static constexpr std::uint16_t kNoFlags = 0;
    static constexpr std::uint16_t kHorizontal = 1;
    // The views follow the thumb while it is dragged; without it they move when it is let go.
    static constexpr std::uint16_t kLiveTracking = 2;

    ScrollBar(ItemList* list, std::uint16_t flags, const char* title, std::uint16_t notification,
              const ShortRect* bounds, std::uint16_t itemFlags, const RGBColor& color, std::uint8_t style1,
              std::uint8_t style2);
    ScrollBar(ItemList* list, IReadFile& stream, ErrCode* error);
    // The view owns its bars: the window must be closed already.
    ~ScrollBar() override;

    // --- TObject, TItem and TControl
    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    // Becomes a child of the linked view's window and takes its native state.
    void Attach(win::HWND window) override;
    bool UsesItemClass() const override { return false; }
    // The native bar takes keys and clicks.
    bool HandleKey(KeyEvent& /*event*/) override { return false; }
    std::int32_t HandleMouseDown(const MsgEvent& /*event*/) override { return 0; }
    const char* GetClassName() const override { return "SCROLLBAR"; }
    win::DWORD WindowStyle() const override;
    // Hands the keyboard focus on to the view.
    win::LRESULT HandleSetFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                win::LPARAM lParam) override;
    void HandleScroll(std::int32_t code, std::int32_t position) override;
    // The wheel over the bar turns it when it goes the wheel's way.
    TControl* GetWheelScroller(bool sideways) override { return IsHorizontal() == sideways ? this : nullptr; }
    // Nothing when unchanged; else the value within the limits, shown unless a drag is under way.
    void SetValue(std::int32_t value, bool redraw) override;
    void SetMin(std::int32_t value, bool redraw) override;
    void SetMax(std::int32_t value, bool redraw) override;

    // Scrolls the views by a part's delta: a line, a page, or (live) to where the thumb was
    // dragged. The bar's own value follows when the views scroll.
    virtual void TrackPart(std::int16_t part);
    // The thumb let go: snaps it to the value it stands for and scrolls the views there. True for
    // a real part.
    virtual bool ThumbReleased(std::int16_t part);
    // Tells each linked view that a scroll through the bar has ended.
    virtual void EndScroll();
    // The page step forward (direction 1) or back (2): the view's own, with two units of overlap
    // vertically; 16 without a view.
    virtual std::int32_t GetPageStep(std::int32_t value, std::int16_t direction);
    virtual void ScrollViews(std::int32_t dh, std::int32_t dv);

    // Places the bar along the view rectangle (made relative), just outside or just inside its
    // bottom (horizontal) or right edge (vertical); only for a bar that follows its window's size.
    void Place(const ShortRect& viewRect, bool outside);
    // The first linked item that is a view.
    TView* GetView() const;
    // "kNoFlags," or "kHorizontal,".
    std::string DescribeFlags() const;

    std::uint16_t GetBarFlags() const { return flags_; }
    bool IsHorizontal() const { return (flags_ & kHorizontal) != 0; }
    void SetOffsets(std::int16_t start, std::int16_t end);
    std::int16_t GetStartOffset() const { return startOffset_; }
    std::int16_t GetEndOffset() const { return endOffset_; }
    const ScrollSplit& GetSplit() const { return split_; }
    // The native page the thumb shows: 0 without a view or for an axis of varying units.
    std::uint32_t NativePage() const;

private:
    void Resplit();
    // Pushes the native range (from the high parts, on the fine scale), page and position.
    void PushNativeState(bool range, bool position, bool redraw);
    // The value the native thumb's position stands for, widened with the value's low bits.
    std::int32_t ValueAtThumb() const;
    // How far a live drag has taken the thumb; 0 without live tracking.
    std::int32_t DraggedDelta();

    std::uint16_t flags_;
    std::int16_t startOffset_ = 0;
    std::int16_t endOffset_ = 0;
    ScrollSplit split_;
    // Set while a live drag is being applied, so the thumb is not moved under the mouse.
    std::int16_t tracking_ = 0;
};
