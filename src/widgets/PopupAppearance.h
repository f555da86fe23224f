#pragma once
// How a drop-down control looks while closed: its title left of the box, the white box with a shadow
// along its bottom and right, the chosen text (or a fixed caption) inside, and a small downward
// triangle at its right end. The popup choice control and the hierarchical popup menus inherit it
// and answer its questions.
//
// Geometry (B is the control's bounds):
// - box: B with its left moved right by the title width, its bottom and right each 1 less;
// - title: from B.left over the title width, (B height - text height) / 2 in from the top and
//   bottom, within B;
// - triangle: with y0 = B.top + (B height - 5) / 2, the points (B.right - 18, y0), (B.right - 5, y0)
//   and (B.right - 12, y0 + 5).

#include <cstdint>
#include <memory>

#include "foundation/String.h"
#include "framework/graphics/ShortRect.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/sys/WinTypes.h"

class TGraphEnv;

class PopupAppearance {
public:
    static constexpr std::size_t kMaxText = 127;

    // The owner's title, which the appearance reads but does not own.
    explicit PopupAppearance(const String* title);
    virtual ~PopupAppearance();
    PopupAppearance(const PopupAppearance&) = delete;
    PopupAppearance& operator=(const PopupAppearance&) = delete;

    // --- What the owner answers
    // The text style bits of the chosen entry; 0 when none is chosen.
    virtual std::uint32_t GetChosenItemStyle() const = 0;
    virtual bool HasTextIndent() const = 0;
    virtual bool IsActive() const = 0;
    virtual ShortRect GetBoxRect() const;
    // The chosen entry's text, at most size - 1 characters; the base gives the empty text.
    virtual void GetChosenText(char* buffer, std::size_t size) const;
    virtual std::int32_t GetTextHeight() const = 0;
    virtual const win::LOGFONTA& GetLogFont() const = 0;
    // The whole control's rectangle.
    virtual ShortRect& GetBounds(ShortRect& bounds) const = 0;
    // The control's own window (null while it has none).
    virtual win::HWND GetHWnd() const = 0;
    virtual bool HasFocusRing() const = 0;
    virtual void DrawFocusRing() = 0;
    virtual bool IsMenuShowing() const = 0;
    virtual ShortRect GetTextRect() const = 0;
    // The drawing environment the control draws with; null while it has none.
    virtual TGraphEnv* GetDrawingEnv() const = 0;

    // --- Drawing, each inside a use of the environment with its state saved and restored
    // Title (inverted while the menu shows), box, shadow and contents.
    void Draw();
    void DrawTitle(bool inverted);
    // The chosen text or the fixed caption, the triangle and the focus ring when it shows.
    void DrawContents();
    void DrawArrow();
    void InvertTitle();
    // Fills the text rectangle with white.
    void EraseText();
    // The title's width in the control's font plus 3; 0 without a title or a window.
    void UpdateTitleWidth();

    // A fixed caption the box shows instead of the chosen text (at most 127 characters kept); null
    // takes it away.
    void SetDisplayText(const char* text);
    const char* GetDisplayText() const { return displayText_.get(); }
    std::int16_t GetTitleWidth() const { return titleWidth_; }
    ShortRect GetTitleRect() const;

private:
    const String* title_;
    std::int16_t titleWidth_ = 0;
    std::unique_ptr<char[]> displayText_;
};
