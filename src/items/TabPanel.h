#pragma once
// A panel of pages under a row of tabs: each page is an item list of its own, whose items stand in
// the panel's nested list (and so in the window's list) only while the page is shown. Pressing a
// tab shows its page. The panel moves its pages with it; the tabs stand in the nested list and
// move with it when the panel is installed.

#include <cstdint>
#include <vector>

#include "foundation/StrList.h"
#include "items/MultiItem.h"
#include "items/TabControl.h"

// One page: its tab and its item list (neither owned here).
struct TabItem {
    TabControl* tab = nullptr;
    MultiItemList* page = nullptr;
};

class TabPanel : public MultiItem, public ITabControlClient {
public:
    // One tab and one page per title; the tabs are tabWidth x tabHeight, side by side from the
    // panel's top-left corner, and the pages lie below them. Not yet in a list: InstallInList puts
    // it there.
    TabPanel(TWindow* window, const StrList& titles, const ShortRect& bounds, std::int16_t tabWidth,
             std::int16_t tabHeight, std::int32_t currentPage);
    // Deletes every page list, and with it the items of the pages not shown.
    ~TabPanel() override;

    // Installs the panel, then shows the current page without opening its items.
    void InstallInList(ItemList* list, ShortPoint offset) override;
    // The page's item list, to which the owner adds the page's items; null for no such page.
    MultiItemList* GetPageList(std::int32_t index) const;
    void SetTabFont(const win::LOGFONTA& font);
    // The first item of the class and id in the panel's own list, else in the pages in turn.
    TItem* FindItem(ClassId classId, std::uint16_t itemId) const;
    // Hides the page shown and shows the page of the index, with its tab selected.
    void SelectTab(std::int32_t index);
    // Shows the page unless it is shown already.
    std::int16_t TabSelected(std::int32_t index) override;

    // The panel moves, and the items of every page with it.
    void SetBounds(const ShortRect& bounds, bool redraw) override;
    // The page's face under the tabs, with its edges.
    void Draw(win::HDC dc, const Rgn& clip) override;

    std::int32_t GetPageCount() const { return pageCount_; }
    std::int32_t GetCurrentPage() const { return currentPage_; }
    const ShortRect& GetPageRect() const { return pageRect_; }
    TabControl* GetTab(std::int32_t index) const;

private:
    void ComputePageRect();
    void ShowPage(bool open);
    void HidePage();

    std::vector<TabItem> pages_;
    ShortRect pageRect_;
    StrList titles_;
    std::int32_t pageCount_;
    std::int32_t currentPage_;
    std::int16_t tabWidth_;
    std::int16_t tabHeight_;
    // The page whose items stand in the nested list now; -1 while none does.
    std::int32_t shownPage_ = -1;
};
