#include "items/TabPanel.h"

#include "framework/TWindow.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "platform/ui/Paint.h"

namespace {

constexpr int kFace = 8;
constexpr int kLight = 1;
constexpr int kShadow = 9;
constexpr int kDarkShadow = 10;

}  // namespace

TabPanel::TabPanel(TWindow* window, const StrList& titles, const ShortRect& bounds, std::int16_t tabWidth,
                   std::int16_t tabHeight, std::int32_t currentPage)
    : MultiItem(window, nullptr, &bounds),
      pageCount_(titles.Count()),
      currentPage_(currentPage),
      tabWidth_(tabWidth),
      tabHeight_(tabHeight) {
    titles_.CopyFrom(titles);
    ComputePageRect();
    MultiItemList* nested = GetNestedList();
    for (std::int32_t i = 0; i < pageCount_; ++i) {
        const String* title = titles_.StringAt(i);
        const ShortRect tabRect = ShortRect::MakeLTRB(
            bounds.left + i * tabWidth, bounds.top, bounds.left + (i + 1) * tabWidth, bounds.top + tabHeight);
        auto* tab = new TabControl(nested, this, title ? title->CStr() : "", tabRect, i);
        nested->AppendItem(tab);
        pages_.push_back(TabItem{tab, new MultiItemList(window, nullptr)});
    }
}

TabPanel::~TabPanel() {
    // The shown page's items belong to the nested list then, which deletes them.
    for (std::int32_t i = 0; i < pageCount_; ++i) {
        MultiItemList* page = pages_[static_cast<std::size_t>(i)].page;
        if (i == shownPage_) {
            page->SetOwnsElements(false);
            page->DeleteAll();
        }
        delete page;
    }
}

void TabPanel::ComputePageRect() {
    pageRect_ = Bounds();
    pageRect_.top = static_cast<std::int16_t>(pageRect_.top + tabHeight_);
}

MultiItemList* TabPanel::GetPageList(std::int32_t index) const {
    return index >= 0 && index < pageCount_ ? pages_[static_cast<std::size_t>(index)].page : nullptr;
}

TabControl* TabPanel::GetTab(std::int32_t index) const {
    return index >= 0 && index < pageCount_ ? pages_[static_cast<std::size_t>(index)].tab : nullptr;
}

void TabPanel::SetTabFont(const win::LOGFONTA& font) {
    for (const TabItem& page : pages_) page.tab->SetFont(font);
}

TItem* TabPanel::FindItem(ClassId classId, std::uint16_t itemId) const {
    if (TItem* item = GetNestedList()->FindItemByClassAndId(classId, itemId)) return item;
    for (const TabItem& page : pages_) {
        if (TItem* item = page.page->FindItemByClassAndId(classId, itemId)) return item;
    }
    return nullptr;
}

void TabPanel::InstallInList(ItemList* list, ShortPoint offset) {
    MultiItem::InstallInList(list, offset);
    ShowPage(false);
}

std::int16_t TabPanel::TabSelected(std::int32_t index) {
    if (index != currentPage_) SelectTab(index);
    return 1;
}

void TabPanel::SelectTab(std::int32_t index) {
    if (index < 0 || index >= pageCount_) return;
    if (TWindow* window = GetWindow()) window->SetFocusItem(0, false);
    HidePage();
    currentPage_ = index;
    ShowPage(true);
    const win::HWND parent = GetParentHWnd();
    const win::RECT page = pageRect_.ToRECT();
    if (parent) win::InvalidateRect(parent, &page, win::TRUE);
}

void TabPanel::ShowPage(bool open) {
    MultiItemList* page = GetPageList(currentPage_);
    if (!page || shownPage_ >= 0) return;
    MultiItemList* nested = GetNestedList();
    for (std::int32_t i = 0; i < page->Count(); ++i) {
        TItem* item = page->ItemAt(i);
        item->SetItemList(nested);
        nested->AppendItem(item);
    }
    shownPage_ = currentPage_;
    if (open) nested->OpenItems();
    GetTab(currentPage_)->SetSelected(true);
}

void TabPanel::HidePage() {
    MultiItemList* page = GetPageList(shownPage_);
    if (!page) return;
    GetTab(shownPage_)->SetSelected(false);
    MultiItemList* nested = GetNestedList();
    for (std::int32_t i = 0; i < page->Count(); ++i) nested->DeleteItemAt(nested->Count() - 1, false);
    for (std::int32_t i = 0; i < page->Count(); ++i) {
        TItem* item = page->ItemAt(i);
        if (item->HasWindow()) item->Close();
        item->SetItemList(page);
    }
    shownPage_ = -1;
}

void TabPanel::SetBounds(const ShortRect& bounds, bool redraw) {
    const ShortRect old = Bounds();
    if (bounds == old) return;
    TItem::SetBounds(bounds, redraw);
    ComputePageRect();
    const int dh = bounds.left - old.left;
    const int dv = bounds.top - old.top;
    for (const TabItem& page : pages_) {
        for (std::int32_t i = 0; i < page.page->Count(); ++i) {
            TItem* item = page.page->ItemAt(i);
            ShortRect place = item->Bounds();
            place.Offset(dh, dv);
            item->SetBounds(place, false);
        }
    }
}

void TabPanel::Draw(win::HDC /*dc*/, const Rgn& clip) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    const GraphAttribUser use(*env);
    const ClipSaver clipped = ClipSaver::FromRegion(*env, clip);
    ShortRect page = pageRect_;
    page.top = static_cast<std::int16_t>(page.top + 1);
    const int left = page.left, top = page.top, right = page.right, bottom = page.bottom;
    env->SetPenSize(1, 1);
    env->SetForeStandardColor(kFace);
    env->SetPattern(1);
    env->FillRect(page);
    env->SetForeStandardColor(kLight);
    env->MoveTo(left, bottom);
    env->LineTo(left, top - 1);
    env->LineTo(right, top - 1);
    env->MoveTo(left + 1, bottom - 1);
    env->LineTo(left + 1, top);
    env->LineTo(right - 1, top);
    env->SetForeStandardColor(kShadow);
    env->MoveTo(right - 1, top);
    env->LineTo(right - 1, bottom - 1);
    env->LineTo(left + 1, bottom - 1);
    env->SetForeStandardColor(kDarkShadow);
    env->MoveTo(right, top - 1);
    env->LineTo(right, bottom);
    env->LineTo(left, bottom);
}
