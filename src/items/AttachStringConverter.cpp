#include "items/AttachStringConverter.h"

#include "framework/TWindow.h"
#include "framework/WindowItems.h"
#include "items/EditView.h"
#include "storymodel/FablecoreStringConverter.h"

void AttachStringConverter(TWindow& dialog) {
    const WindowItemList* items = dialog.GetItemList();
    if (!items) return;
    for (std::int32_t i = 0; i < items->Count(); ++i) {
        WindowItem* item = items->ItemAt(i);
        if (item && item->IsKindOf(EditView::kClassId))
            static_cast<EditView*>(item)->SetTextFilter(&SharedStringConverter());
    }
}
