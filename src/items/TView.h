#pragma once
// The item that shows a document larger than itself: a content area with an optional frame, an
// optional horizontal and vertical scroll bar along its bottom and right edges, optional header
// bands along its top (the vertical inset) and left (the horizontal inset), and a scroll position
// counted in units (lines, rows, columns) that lives in the bars' values. It turns unit positions
// into pixels, scrolls its window's pixels when the position changes, pages on Home, End, Page Up
// and Page Down, and has its subclasses draw the visible part of the document (DrawContent).
//
// The view's bounds are in its window's client coordinates; document coordinates are 32-bit, and
// the origin is where document point (0, 0) lies in the window's coordinates. The bars are child
// windows of the view's window, their bounds in the view's own coordinates.
//
// Record, after the item's: u16 view flags, i16 vertical unit height, i16 horizontal unit width,
// i16 vertical inset, i16 horizontal inset (each pair vertical first).

#include <cstdint>

#include "items/TItem.h"

class ScrollBar;
struct ViewDrawContext;

class TView : public TItem {
    TOBJECT_CLASS(TView, TItem, 108)

public:
    // View flags.
    static constexpr std::uint16_t kHorzScrollBar = 0x0001;
    static constexpr std::uint16_t kVertScrollBar = 0x0002;
    static constexpr std::uint16_t kTopBandScrolls = 0x0004;   // column headings move with the content
    static constexpr std::uint16_t kLeftBandScrolls = 0x0008;  // row headings move with the content
    static constexpr std::uint16_t kFlag16 = 0x0010;
    static constexpr std::uint16_t kNoFrame = 0x0020;
    static constexpr std::uint16_t kReadOnly = 0x0040;
    static constexpr std::uint16_t kLiveTracking = 0x0080;
    static constexpr std::uint16_t kVariableHorzUnits = 0x0100;
    static constexpr std::uint16_t kVariableVertUnits = 0x0200;
    static constexpr std::uint16_t kNoLiveTracking = 0x0400;

    static constexpr std::int16_t kDefaultUnitSize = 10;
    // Bytes the record adds to the item's.
    static constexpr std::int32_t kViewRecordSize = 10;

    // The bars track live unless kNoLiveTracking is given.
    TView(ItemList* list, std::uint16_t viewFlags, const ShortRect* bounds, std::uint16_t itemFlags,
          const RGBColor& color);
    // The reading constructor: the defaults, then the record while *error is 0; the flags are kept
    // as stored.
    TView(ItemList* list, IReadFile& stream, ErrCode* error);
    ~TView() override;

    // --- TObject and TItem
    std::uint32_t GetDataSize() const override;
    std::int32_t GetFlattenedSize() const override;
    ErrCode ReadFrom(IReadFile& stream) override;
    ErrCode WriteTo(IWriteFile& stream) override;
    void SetBounds(const ShortRect& rect, bool redraw) override;
    // The bounds' bottom moved onto the window's content bottom, redrawn (a list that fills its
    // window downwards, after the window's size changed). Nothing without a window.
    void StretchToWindowBottom();
    bool TakesFocus() const override { return !HasFlags(kDisabled) && !HasFlags(kHidden); }
    bool CanCut() const override { return IsEditable() && HasSelection(); }
    bool CanClear() const override { return IsEditable() && HasSelection(); }
    bool CanPaste() const override { return IsEditable(); }
    void SetActive(bool active) override;
    void Show() override;
    void Hide() override;
    void Open(std::int32_t index) override;
    void Close() override;
    // A view shows no focus ring of its own.
    void DrawFocusRing() override {}
    // The paging keys, when the view has a vertical bar.
    bool HandleKey(KeyEvent& event) override;
    // 0 when the press fell in a bar (which took it), else 1.
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    // The wheel turns the vertical bar, or sideways the horizontal one.
    TControl* GetWheelScroller(bool sideways) override;
    void Draw(win::HDC dc, const Rgn& clip) override;
    bool DefaultMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                        win::LRESULT* result) override;
    win::LRESULT HandleKillFocus(win::HWND window, win::UINT message, win::WPARAM wParam,
                                 win::LPARAM lParam) override;

    // --- New operations
    virtual void SetViewFlags(std::uint16_t mask) { viewFlags_ |= mask; }
    virtual void SetVertInset(std::int16_t inset) { vertInset_ = inset; }
    virtual void SetHorzInset(std::int16_t inset) { horzInset_ = inset; }
    virtual bool IsFlag16Clear() const { return LacksViewFlags(kFlag16); }
    virtual void SetFlag16Clear(bool clear);
    // The vertical bar's minimum, maximum and value; 0 without the bar.
    virtual std::int32_t GetVertScrollMin() const;
    virtual std::int32_t GetVertScrollMax() const;
    virtual std::int32_t GetVertScrollValue() const;
    // Pixels of n units; 0 in the base for an axis of varying units, which subclasses supply.
    virtual std::int32_t HorzUnitsToPixels(std::int32_t units) const;
    virtual std::int32_t VertUnitsToPixels(std::int32_t units) const;
    virtual std::int32_t HorzUnitCount() const { return 1; }
    virtual std::int32_t VertUnitCount() const { return 1; }
    // A unit's size; -1 asks for the uniform size.
    virtual std::int16_t GetHorzUnitWidth(std::int32_t index) const;
    virtual std::int16_t GetVertUnitHeight(std::int32_t index) const;
    // Ignored for an axis of varying units.
    virtual void SetHorzUnitWidth(std::int16_t width);
    virtual void SetVertUnitHeight(std::int16_t height);
    // The page step a bar takes for a part: 1 horizontal forward, 2 horizontal back, 3 vertical
    // forward, 4 vertical back; 0 for anything else, and for an axis of varying units.
    virtual std::int32_t ScrollStep(ScrollBar* bar, std::int16_t part) const;
    // Scrolls to the values; ScrollChanged when either moved.
    virtual void ScrollTo(std::int32_t vertical, std::int32_t horizontal, std::int16_t mode);
    // Scrolls by the deltas, limited to the bars' ranges, moving the window's pixels; with mode 1
    // the bars take the new values.
    virtual void ScrollBy(std::int32_t dv, std::int32_t dh, std::int16_t mode);
    virtual void GetOrigin(std::int32_t* h, std::int32_t* v) const;
    // After a scroll that a key or a bar started has ended.
    virtual void ScrollChanged() {}
    virtual void DrawContent(ViewDrawContext* context);
    // The part of the content (window coordinates) that DrawContent covers wholly, whatever was
    // there: the erase before it leaves that part alone. None by default.
    virtual void GetCoveredContent(Rgn& /*covered*/) const {}
    // For views that keep TView's drawing (Draw erases its bounds within what is painted, less the
    // covered content, which DrawContent paints): what the view's coming paint will cover, its bounds
    // within its window's pending update region. None while it is hidden, has no window or does not
    // erase.
    void GetPendingRepaint(Rgn& area) const;
    virtual bool IsArrowKey(std::int32_t key) const;
    virtual bool IsPagingKey(std::int32_t key) const;
    // After the contents moved.
    virtual void Scrolled() {}
    virtual std::int32_t HorzScrollMaximum() const;
    virtual std::int32_t HorzScrollMinimum() const { return 0; }
    virtual std::int32_t VertScrollMaximum() const;
    virtual std::int32_t VertScrollMinimum() const { return 0; }
    // With both bars, the square between them in the scroll-bar colour.
    virtual void DrawSizeBox(win::HDC dc, const Rgn& clip);
    virtual void InvalidateSizeBox();
    virtual void EditableChanged() {}
    // The colour the content is erased with before it is drawn: white.
    virtual RGBColor GetContentColor() const { return GetStandardColor(1); }

    // --- Flags and bars
    bool HasViewFlags(std::uint16_t mask) const { return (viewFlags_ & mask) == mask; }
    bool LacksViewFlags(std::uint16_t mask) const { return (viewFlags_ & mask) != mask; }
    void ClearViewFlags(std::uint16_t mask) { viewFlags_ &= static_cast<std::uint16_t>(~mask); }
    std::uint16_t GetViewFlags() const { return viewFlags_; }
    // The flags alone; the bar may still be missing.
    bool HasHorzScrollBar() const { return HasViewFlags(kHorzScrollBar); }
    bool HasVertScrollBar() const { return HasViewFlags(kVertScrollBar); }
    ScrollBar* GetHorzScrollBar() const { return horzBar_; }
    ScrollBar* GetVertScrollBar() const { return vertBar_; }
    std::int32_t GetHorzScrollMin() const;
    std::int32_t GetHorzScrollMax() const;
    std::int32_t GetHorzScrollValue() const;
    bool IsEditable() const { return LacksViewFlags(kReadOnly); }
    void SetEditable(bool editable);
    std::int16_t GetVertInset() const { return vertInset_; }
    std::int16_t GetHorzInset() const { return horzInset_; }
    const ShortPoint& GetUnitSize() const { return unitSize_; }

    // --- Geometry, in the window's coordinates
    // The bounds less the frame and the bars.
    void GetContentRect(ShortRect& rect) const;
    // The content less the header bands.
    void GetDataRect(ShortRect& rect) const;
    void GetTopBandRect(ShortRect& rect) const;
    void GetLeftBandRect(ShortRect& rect) const;
    // Makes the bars the flags ask for (replacing any), links and places them, and sets their
    // ranges; the window that owns the view calls it when it sets the view up.
    void SetupScrollBars();
    // Each bar's range from the scroll limits, its value kept within them. Mode 1 redraws the bars,
    // mode 2 only when anything changed, mode 0 never.
    void UpdateScrollBars(std::int16_t mode);
    // Whole units a page holds at the current position.
    std::int32_t HorzPageUnits() const;
    std::int32_t VertUnitsOnPage() const;
    // Moves the window's pixels within the rectangle, or repaints it when the move is as large as
    // the rectangle.
    void ScrollPixels(const ShortRect& rect, std::int32_t dv, std::int32_t dh);
    // Document to window coordinates and back. The conversions to the window answer false when a
    // coordinate leaves -32768 .. 32767 (it is then kept at the nearer end).
    bool DocPointToView(const LongPoint& document, ShortPoint& view) const;
    void ViewPointToDoc(const ShortPoint& view, LongPoint& document) const;
    bool DocRectToView(const LongRect& document, ShortRect& view) const;
    void ViewRectToDoc(const ShortRect& view, LongRect& document) const;
    // A press that falls in one of the bars goes to it; true when one took it.
    bool TrackScrollBarClick(const MsgEvent* event);

    // Whether the rectangle moved by (dh, dv) stays within 16 bits.
    static bool LongRectOffsetFits(const LongRect& rect, std::int32_t dh, std::int32_t dv);
    // The rectangle moved by (dh, dv); false when a coordinate leaves 16 bits (it is then kept at
    // the nearer end).
    static bool LongRectToShortRect(const LongRect& rect, std::int32_t dh, std::int32_t dv,
                                    ShortRect& result);

private:
    // Erases the bounds within the clip, less what GetCoveredContent answers.
    void EraseAllBut(ItemGraphEnv& env, const Rgn& clip);
    // Makes, links and places the bar of one axis; null when it cannot be made.
    ScrollBar* MakeScrollBar(bool horizontal);
    // The rectangle the bars are placed along, in the view's own coordinates.
    ShortRect PlacingRect() const;
    // Pixels between two unit positions along an axis (negative going back).
    std::int32_t HorzDistance(std::int32_t from, std::int32_t to) const;
    std::int32_t VertDistance(std::int32_t from, std::int32_t to) const;
    // The content's extent along an axis less the band across it.
    std::int32_t HorzRoom() const;
    std::int32_t VertRoom() const;
    // The size-box square, in the window's coordinates; empty without both bars.
    ShortRect SizeBoxRect() const;
    // Keeps the frame line right when the view's window moves or resizes.
    void InvalidateFrameStrips(const win::WINDOWPOS& position) const;

    ScrollBar* horzBar_ = nullptr;
    ScrollBar* vertBar_ = nullptr;
    ShortPoint unitSize_{kDefaultUnitSize, kDefaultUnitSize};
    std::int16_t horzInset_ = 0;
    std::int16_t vertInset_ = 0;
    std::uint16_t viewFlags_;
};
