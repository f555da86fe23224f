#pragma once
// The button of a hierarchical popup menu: an item drawn like a closed popup choice, showing its
// title, that opens a cascade of menu windows over its client's tree when pressed or when Up, Down
// or Space is pressed while it has the focus. The button shows pressed while the cascade is open.
// HMPMenu checks and unchecks any number of leaves; HSPMenu picks one leaf and shows its text as the
// title.

#include <cstdint>
#include <memory>

#include "items/ItemStream.h"
#include "items/TItem.h"
#include "widgets/ActiveHPMenu.h"
#include "widgets/HMPClient.h"
#include "widgets/PopupAppearance.h"

class THPMenu : public TItem, public PopupAppearance {
    TOBJECT_CLASS(THPMenu, TItem, 177)

public:
    static constexpr std::int16_t kTextHeight = 20;

    THPMenu(IHMPClient* client, ItemList* list, const ShortRect* bounds, std::uint16_t flags = 0,
            const RGBColor& color = RGBColor(0), std::int16_t fontNumber = 0, std::int16_t fontSize = 12,
            std::uint8_t fontStyle = 0);

    // --- TItem
    bool TakesFocus() const override { return true; }
    // Up, Down and Space open the menu.
    bool HandleKey(KeyEvent& event) override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void Draw(win::HDC dc, const Rgn& clip) override;
    // The new active menu over the client's tree at the anchor (screen coordinates).
    virtual std::unique_ptr<TActiveHPMenu> MakeActiveMenu(const ShortRect& anchor) = 0;
    virtual void UpdateTitle() {}

    // --- PopupAppearance
    std::uint32_t GetChosenItemStyle() const override { return 0; }
    bool HasTextIndent() const override { return true; }
    bool IsActive() const override { return true; }
    // The bounds less one pixel at the right and the bottom.
    ShortRect GetBoxRect() const override;
    std::int32_t GetTextHeight() const override { return kTextHeight; }
    const win::LOGFONTA& GetLogFont() const override { return font_.LogFont(); }
    ShortRect& GetBounds(ShortRect& bounds) const override { return TItem::GetBounds(bounds); }
    win::HWND GetHWnd() const override { return TItem::GetHWnd(); }
    bool HasFocusRing() const override { return HasFlags(kFocusRingShown); }
    void DrawFocusRing() override { TItem::DrawFocusRing(); }
    bool IsMenuShowing() const override { return open_ != 0; }
    // The title's box: 18 pixels in from the box's inner left edge to 22 pixels in from its right,
    // 20 high and centred.
    ShortRect GetTextRect() const override;
    TGraphEnv* GetDrawingEnv() const override;

    // The text the button shows.
    void SetTitle(const char* text) { SetDisplayText(text); }
    IHMPClient* GetClient() const { return client_; }

    // Opens the cascade and runs it until it closes; a tree without entries only beeps.
    void OpenMenu();

private:
    IHMPClient* client_;
    ItemFont font_;
    std::int16_t open_ = 0;
};

class HMPMenu : public THPMenu {
public:
    using THPMenu::THPMenu;
    std::unique_ptr<TActiveHPMenu> MakeActiveMenu(const ShortRect& anchor) override;
};

class HSPMenu : public THPMenu {
public:
    HSPMenu(IHMPClient* client, std::int32_t current, ItemList* list, const ShortRect* bounds,
            std::uint16_t flags = 0, const RGBColor& color = RGBColor(0), std::int16_t fontNumber = 0,
            std::int16_t fontSize = 12, std::uint8_t fontStyle = 0);
    std::unique_ptr<TActiveHPMenu> MakeActiveMenu(const ShortRect& anchor) override;
    // The title becomes the current entry's text (empty when there is none), and the button is
    // drawn again.
    void UpdateTitle() override;
    void SetCurrentItem(std::int32_t handle);
    std::int32_t GetCurrentItem() const { return current_; }

private:
    std::int32_t current_;
};
