#pragma once
// One level of an open hierarchical popup menu: a top-level window of the program's own class that
// loads the rows of its level from the client, measures them, places itself next to the row that
// opened it, paints its rows and answers which row lies under a point. The first such window also
// holds the mouse capture, the keyboard focus and the menu's 200-millisecond timer while any is open,
// and the last to go gives them back.

#include <cstdint>
#include <memory>

#include "framework/graphics/ShortRect.h"
#include "platform/sys/WinTypes.h"
#include "widgets/HMPClient.h"
#include "widgets/HPMenuPlacement.h"

inline constexpr const char* kHPMenuWindowClass = "HMPMenuWin";
inline constexpr const char* kHPMenuWindowTitle = "Hierarchical Multicheck Popup Menu";
inline constexpr win::UINT_PTR kHPMenuTimerId = 1;
inline constexpr win::UINT kHPMenuTimerPeriod = 200;

// One row of a level, in an array made for the level's rows.
struct HPMenuEntry {
    HPMenuEntry() = default;
    ~HPMenuEntry() = default;
    HPMenuEntry(const HPMenuEntry&) = delete;
    HPMenuEntry& operator=(const HPMenuEntry&) = delete;

    bool IsSeparator() const;

    std::int32_t handle = -1;
    std::unique_ptr<char[]> text;
    std::int16_t top = 0;  // pixels from the window's top
    std::int16_t hasChildren = 0;
    std::int16_t checkable = 0;
    std::int16_t ticked = 0;
    std::int16_t dimmed = 0;
};

class TActiveHPMenuWindow {
public:
    static constexpr std::int16_t kSeparatorHeight = 4;

    // The window below (null for the top level).
    explicit TActiveHPMenuWindow(TActiveHPMenuWindow* parent);
    virtual ~TActiveHPMenuWindow();
    TActiveHPMenuWindow(const TActiveHPMenuWindow&) = delete;
    TActiveHPMenuWindow& operator=(const TActiveHPMenuWindow&) = delete;

    // The user picked the row.
    virtual void PickRow(std::int16_t row) = 0;
    // Whether the row of the handle shows ticked.
    virtual std::int16_t IsRowChecked(std::int32_t handle) = 0;

    // Loads, measures and places the level whose first entry is the handle, and makes its window;
    // text is measured in the measuring window's context. False when no window could be made.
    bool Open(IHMPClient* client, const ShortRect& anchor, std::int32_t firstHandle, win::HWND measuring,
              std::int32_t startDirection);
    // Paints the old and the new highlighted row; -1 for none.
    void SetHighlight(std::int16_t row);
    void InvalidateRow(std::int16_t row);
    // In the window's client coordinates.
    ShortRect GetRowRect(std::int16_t row) const;
    // The row at the height (from the client area's top); -1 above the rows or at their height or
    // below.
    std::int16_t RowAt(std::int32_t y) const;
    // BeginPaint and every row.
    void Paint();

    TActiveHPMenuWindow* GetParent() const { return parent_; }
    win::HWND GetHWnd() const { return window_; }
    std::int16_t GetOpenRow() const { return openRow_; }
    void SetOpenRow(std::int16_t row) { openRow_ = row; }
    std::int16_t GetHighlight() const { return highlight_; }
    std::int32_t GetRowCount() const { return rowCount_; }
    const HPMenuEntry& Row(std::int16_t row) const { return rows_[static_cast<std::size_t>(row)]; }
    bool IsValidRow(std::int16_t row) const { return row >= 0 && row < rowCount_; }
    const ShortRect& GetBounds() const { return bounds_; }
    std::int32_t GetDirection() const { return direction_; }
    bool IsPreview() const { return preview_ != 0; }
    std::int16_t GetRowHeight() const { return rowHeight_; }
    IHMPClient* GetClient() const { return client_; }

    // How many menu windows are open now.
    static std::int16_t OpenWindowCount();

protected:
    HPMenuEntry& MutableRow(std::int16_t row) { return rows_[static_cast<std::size_t>(row)]; }

private:
    void LoadRows(std::int32_t firstHandle);
    // The rows' size: their total height by the widest text plus the margins.
    ShortPoint Measure(win::HWND measuring);
    void PaintRow(win::HDC dc, std::int16_t row, win::COLORREF background);

    TActiveHPMenuWindow* parent_;
    IHMPClient* client_ = nullptr;
    win::HWND window_ = nullptr;
    std::int16_t openRow_ = -1;
    std::int16_t highlight_ = -1;
    ShortRect bounds_;
    std::int32_t rowCount_ = 0;
    std::int32_t firstHandle_ = -1;
    std::unique_ptr<HPMenuEntry[]> rows_;
    std::int16_t rowHeight_ = 0;
    std::int32_t direction_ = kOpenRightwards;
    std::int16_t preview_ = 0;
    win::HWND savedFocus_ = nullptr;
    bool counted_ = false;
};

// A level of a multi-check menu: picks toggle ticks, noted in the menu's turned-on and turned-off
// lists (a handle stays in the list of its last change only).
class ActiveHMPMenuWindow : public TActiveHPMenuWindow {
public:
    ActiveHMPMenuWindow(TActiveHPMenuWindow* parent, HMPItemList* turnedOn, HMPItemList* turnedOff)
        : TActiveHPMenuWindow(parent), turnedOn_(turnedOn), turnedOff_(turnedOff) {}
    void PickRow(std::int16_t row) override;
    std::int16_t IsRowChecked(std::int32_t handle) override;

private:
    HMPItemList* turnedOn_;
    HMPItemList* turnedOff_;
};

// A level of a single-pick menu: a pick becomes the menu's current handle.
class ActiveHSPMenuWindow : public TActiveHPMenuWindow {
public:
    ActiveHSPMenuWindow(TActiveHPMenuWindow* parent, std::int32_t* current)
        : TActiveHPMenuWindow(parent), current_(current) {}
    void PickRow(std::int16_t row) override;
    std::int16_t IsRowChecked(std::int32_t handle) override;

private:
    std::int32_t* current_;
};
