#pragma once
// A free-standing scroll control over the native SCROLLBAR, reporting its moves to a client (the
// print preview, the tree selector). Its minimum is always 0 and its maximum starts at 32767; the
// client gives its total size and its page (the visible part, also the page step), which size the
// thumb; lines move by the line step. While the thumb is dragged with live tracking, the client
// hears of each move (Tracking); when a move is done it hears Scrolled.

#include <cstdint>
#include <string>

#include "items/TControl.h"

class Scroller;

// What a scroller moves. Not owned by the scroller.
class TScrollerClient {
public:
    virtual ~TScrollerClient() = default;
    virtual std::int16_t Scrolled(Scroller* scroller, std::int32_t delta) = 0;
    virtual std::int16_t Tracking(Scroller* scroller, std::int32_t delta) {
        return Scrolled(scroller, delta);
    }
};

class Scroller : public TControl {
    TOBJECT_CLASS(Scroller, TControl, 517)

public:
    static constexpr std::uint32_t kHorizontal = 1;
    static constexpr std::uint32_t kLiveTracking = 2;
    static constexpr std::uint32_t kNoFocus = 4;
    static constexpr std::int32_t kInitialMax = 32767;

    Scroller(ItemList* list, TScrollerClient* client, std::uint32_t flags, const char* title,
             std::uint16_t notification, const ShortRect* bounds, std::uint16_t itemFlags,
             const RGBColor& color, std::uint8_t style1, std::uint8_t style2);
    ~Scroller() override;

    // --- TItem and TControl
    bool TakesFocus() const override { return (flags_ & kNoFocus) == 0 && TControl::TakesFocus(); }
    void DrawFocusRing() override {}
    void Attach(win::HWND window) override;
    bool UsesItemClass() const override { return false; }
    bool HandleKey(KeyEvent& /*event*/) override { return false; }
    std::int32_t HandleMouseDown(const MsgEvent& /*event*/) override { return 0; }
    const char* GetClassName() const override { return "SCROLLBAR"; }
    win::DWORD WindowStyle() const override;
    void HandleScroll(std::int32_t code, std::int32_t position) override;
    // The wheel over the scroller turns it when it goes the wheel's way.
    TControl* GetWheelScroller(bool sideways) override {
        return ((flags_ & kHorizontal) != 0) == sideways ? this : nullptr;
    }
    // Nothing when unchanged; else the value within 0 .. the maximum, shown unless a drag is under
    // way.
    void SetValue(std::int32_t value, bool redraw) override;
    // The minimum stays 0.
    void SetMin(std::int32_t /*value*/, bool /*redraw*/) override {}
    // Lowers the value to the new maximum when it is above.
    void SetMax(std::int32_t value, bool redraw) override;

    // Moves by a line or a page, or (live) to where the thumb was dragged, and tells the client.
    virtual void TrackPart(std::int16_t part);
    virtual bool ThumbReleased(std::int16_t part);
    // Tells the client that the move is done (Scrolled with 0).
    virtual void EndScroll();

    void SetPageStep(std::int16_t step);
    void SetTotal(std::int16_t total);
    void SetLineStep(std::int16_t step) { lineStep_ = step; }
    std::int16_t GetPageStep() const { return pageStep_; }
    std::int16_t GetTotal() const { return total_; }
    std::int16_t GetLineStep() const { return lineStep_; }
    std::int16_t GetScale() const { return scale_; }
    void SetClient(TScrollerClient* client) { client_ = client; }
    // The flags, each followed by a comma, or "kNoFlags,".
    std::string DescribeFlags() const;

private:
    std::uint32_t NativePage() const;
    void PushNativeState(bool range, bool position, bool redraw);
    std::int32_t ValueAtThumb() const;
    // How far a live drag has taken the thumb; 0 without live tracking.
    std::int32_t DraggedDelta();
    void Moved(std::int32_t delta, bool tracking);

    std::uint32_t flags_;
    std::int16_t scale_ = 1;
    std::int16_t total_ = 1;
    std::int16_t pageStep_ = 1;
    std::int16_t lineStep_ = 1;
    TScrollerClient* client_;
    // Set while a drag is being applied, so the thumb is not moved under the mouse; one drag runs at
    // a time, so all scrollers share it.
    static std::int16_t tracking_;
};
