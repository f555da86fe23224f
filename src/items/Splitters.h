#pragma once
// The divider between two panes of a window, dragged with an inverted outline. A VerticalSplitter
// moves up and down (a horizontal line between panes stacked vertically), a HorizontalSplitter left
// and right. A splitter keeps its position as the distance of its centre line from the far edge
// (bottom, or right) of the window's content, so it stays there when the window is resized (or,
// when fixed, at its distance from the near edge), within limits on both panes' sizes; it tells its
// owner when it moved. A ToggleableVSplitter adds a small box that asks its owner to show or hide a
// pane.

#include <cstdint>

#include "items/TItem.h"

class TSplitter;

// What a splitter tells its owner. Not owned by the splitter.
class ISplitterClient {
public:
    virtual ~ISplitterClient() = default;
    virtual std::int16_t SplitterMoved(TSplitter* splitter) = 0;
    virtual std::int16_t SplitterDoubleClicked(TSplitter* /*splitter*/) { return 0; }
};

class IToggleableVSplitterClient : public ISplitterClient {
public:
    virtual std::int16_t SplitterToggled(TSplitter* splitter) = 0;
};

class TSplitter : public TItem {
    TOBJECT_CLASS(TSplitter, TItem, 519)

public:
    static constexpr std::int32_t kVerticalCursor = 131;
    static constexpr std::int32_t kHorizontalCursor = 130;
    static constexpr std::int16_t kDefaultMinimum = 50;
    static constexpr std::int16_t kDefaultMaximum = 10000;
    // How far beyond its range the mouse may go before letting go there cancels a drag.
    static constexpr std::int16_t kDragTolerance = 100;

    TSplitter(ISplitterClient* client, ItemList* list, std::int16_t position);

    // Keeps the position within the pane limits; the far pane's limits win.
    virtual void ConstrainPosition() = 0;
    // Whether the splitter moves up and down.
    virtual bool IsVertical() const = 0;

    // --- TItem
    // The position follows the rectangle's centre, kept within the limits; the rectangle is placed
    // about it.
    void SetBounds(const ShortRect& rect, bool redraw) override;
    // Spans the window's content and keeps its distance from the far edge (the near one when
    // fixed).
    void WindowResized() override;
    // A double click tells the owner; a press drags the splitter within its range.
    std::int32_t HandleMouseDown(const MsgEvent& event) override;

    std::int16_t GetPosition() const { return position_; }
    void SetFixed(bool fixed) { fixed_ = fixed ? 1 : 0; }
    bool IsFixed() const { return fixed_ != 0; }
    void SetMinimumNear(std::int16_t size) { minimumNear_ = size; }
    void SetMinimumFar(std::int16_t size) { minimumFar_ = size; }
    void SetMaximumNear(std::int16_t size) { maximumNear_ = size; }
    void SetMaximumFar(std::int16_t size) { maximumFar_ = size; }
    ISplitterClient* GetClient() const { return client_; }

    // The window's content, in its client coordinates.
    void GetContentRect(ShortRect& rect) const;
    // Where the centre line may go, along the axis; false when the panes' limits leave no room
    // (both ends are then the middle of what they asked for).
    bool GetDragRange(std::int16_t* low, std::int16_t* high) const;

protected:
    // The limits along the axis, for the subclass's ConstrainPosition.
    void ConstrainAlongAxis();
    // The splitter's centre line along the axis.
    std::int32_t CentreLine() const;
    // The far edge of the content along the axis.
    std::int32_t FarEdge() const;

private:
    // The bounds with the centre line at the position.
    ShortRect PlacedAt(const ShortRect& rect) const;

    std::int16_t position_;
    std::int16_t minimumNear_ = kDefaultMinimum;
    std::int16_t minimumFar_ = kDefaultMinimum;
    std::int16_t maximumNear_ = kDefaultMaximum;
    std::int16_t maximumFar_ = kDefaultMaximum;
    ISplitterClient* client_;
    std::int16_t fixed_ = 0;
};

class VerticalSplitter : public TSplitter {
public:
    VerticalSplitter(ISplitterClient* client, ItemList* list, std::int16_t position);

    void ConstrainPosition() override { ConstrainAlongAxis(); }
    bool IsVertical() const override { return true; }
    // One black line across its middle.
    void Draw(win::HDC dc, const Rgn& clip) override;

    // The content's height less the position: the room above the centre line.
    std::int32_t GetRemainingHeight() const;
};

class HorizontalSplitter : public TSplitter {
public:
    HorizontalSplitter(ISplitterClient* client, ItemList* list, std::int16_t position);

    void ConstrainPosition() override { ConstrainAlongAxis(); }
    bool IsVertical() const override { return false; }
    // A grey and a black line down its middle.
    void Draw(win::HDC dc, const Rgn& clip) override;

    // The content's width less the position.
    std::int32_t GetRemainingWidth() const;
};

class ToggleableVSplitter : public VerticalSplitter {
public:
    static constexpr std::int16_t kBoxWidth = 8;

    // The box sits at the right end when its offset is below 1, else at the left end.
    ToggleableVSplitter(IToggleableVSplitterClient* client, ItemList* list, std::int16_t position,
                        std::int16_t boxOffset);

    // A press in the box (grown by 2) asks the owner to toggle; any other drags.
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    // The line, and in the box two arrows, black while the splitter can move, else grey.
    void Draw(win::HDC dc, const Rgn& clip) override;

    ShortRect ToggleBox() const;

private:
    IToggleableVSplitterClient* toggleClient_;
    std::int16_t boxOffset_;
};
