#include "characters/CLWindow.h"

#include "app/FKDoc.h"
#include "items/ItemList.h"

CLWindow::CLWindow(TAppl* application, FKDoc* story)
    : CharacterWindow(application, story, kName, PrefRecord::kCharacterList, kPlacementKey) {
    if (story) story->SetCLWindow(this);
}

CLWindow::~CLWindow() {
    if (GetStory() && GetStory()->GetCLWindow() == this) GetStory()->SetCLWindow(nullptr);
}

void CLWindow::BuildContents() {
    FreeItems();
    castList_ = nullptr;
    auto* list = new ItemList(this);
    const ShortRect client = GetClientRect();
    const ShortRect bounds = ShortRect::MakeLTRB(0, 0, client.right, client.bottom);
    castList_ =
        new StoryCastList(GetStory(), StoryCastList::Slot::kCharacterList, this, list, &bounds, false);
    castList_->SetFlags(TItem::kFollowsWindowSize);
    list->Append(castList_);
    SetItemList(list);
    SetUpItems();
    UpdateTitle();
}
