#pragma once
// One tab of a tab panel: a rounded tab along the panel's top edge with its page's title, bold while
// its page is shown. A press on it asks the panel to show its page at once.

#include <cstdint>
#include <string>

#include "items/TItem.h"

class TGraphEnv;

// What a tab asks of its panel.
class ITabControlClient {
public:
    virtual ~ITabControlClient() = default;
    // The tab at the index was pressed; 1 when the client took it.
    virtual std::int16_t TabSelected(std::int32_t index) = 0;
};

class TabControl : public TItem {
    TOBJECT_CLASS(TabControl, TItem, 1100)

public:
    // The tab's place when its page is not shown is the rectangle; its font font 5 at size 9, bold.
    TabControl(ItemList* list, ITabControlClient* client, const char* title, const ShortRect& rect,
               std::int32_t index);

    // Back at its place, 2 pixels taller while selected (covering the page's top edge), redrawn.
    void SetSelected(bool selected);
    // The title's font; not redrawn.
    void SetFont(const win::LOGFONTA& font) { font_ = font; }

    // Tells the client at once, shows the change, then holds the mouse until it is released.
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void Draw(win::HDC dc, const Rgn& clip) override;

    bool IsSelected() const { return selected_ != 0; }
    std::int32_t GetIndex() const { return index_; }
    const ShortRect& GetHomeRect() const { return homeRect_; }
    const std::string& GetTitle() const { return title_; }
    // Where the title starts, from the tab's left edge, for a title of the width: centred, but at
    // least 10 pixels in.
    std::int32_t TitleOffset(std::int32_t titleWidth) const;

private:
    void DrawShape(TGraphEnv& env);

    ITabControlClient* client_;
    ShortRect homeRect_;
    std::string title_;
    win::LOGFONTA font_{};
    std::int32_t index_;
    std::int16_t selected_ = 0;
};
