#include "items/ItemClasses.h"

#include <new>

#include "framework/ItemObjectFactory.h"
#include "framework/WindowItems.h"
#include "items/BarGraph.h"
#include "items/CheckBox.h"
#include "items/Cluster.h"
#include "items/EditView.h"
#include "items/IconItem.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/RadioBtn.h"
#include "items/StatText.h"
#include "items/TrimBox.h"

namespace {

template <typename Item>
TObject* ReadItem(ItemList* owner, IReadFile& stream, ErrCode* error) {
    return new (std::nothrow) Item(owner, stream, error);
}

}  // namespace

void InstallItemClasses() {
    SetItemListMaker([]() -> WindowItemList* { return new (std::nothrow) ItemList(nullptr); });
    SetItemReader(TrimBox::kClassId, ReadItem<TrimBox>);
    SetItemReader(StatText::kClassId, ReadItem<StatText>);
    SetItemReader(Cluster::kClassId, ReadItem<Cluster>);
    SetItemReader(IconItem::kClassId, ReadItem<IconItem>);
    SetItemReader(BarGraph::kClassId, ReadItem<BarGraph>);
    SetItemReader(PushBtn::kClassId, ReadItem<PushBtn>);
    SetItemReader(RadioBtn::kClassId, ReadItem<RadioBtn>);
    SetItemReader(CheckBox::kClassId, ReadItem<CheckBox>);
    // Both of the edit view's ids read as one class.
    SetItemReader(EditView::kClassId, ReadItem<EditView>);
    SetItemMaker(StatText::kClassId, MakeStatText);
    SetItemMaker(PushBtn::kClassId, MakePushBtn);
    SetItemMaker(EditView::kClassId, MakeEditView);
}
