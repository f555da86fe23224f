#include "framework/ItemObjectFactory.h"

#include <algorithm>
#include <array>
#include <utility>

#include "framework/WindowItems.h"

namespace {

struct ItemClass {
    ClassId id;
    ItemReader reader;
};

// The items the factory makes; Slider (504) and ScrollBar (510) are made elsewhere.
std::array<ItemClass, 11> gItemClasses{{{kTrimBoxClassId, nullptr},
                                        {kStatTextClassId, nullptr},
                                        {kClusterClassId, nullptr},
                                        {kIconItemClassId, nullptr},
                                        {kBarGraphClassId, nullptr},
                                        {kPushBtnClassId, nullptr},
                                        {kRadioBtnClassId, nullptr},
                                        {kCheckBoxClassId, nullptr},
                                        {kPopupClassId, nullptr},
                                        {kEditViewClassId, nullptr},
                                        {kEditViewAltClassId, nullptr}}};

ItemListMaker gItemListMaker = nullptr;

ItemClass* FindItemClass(ClassId id) {
    const auto found = std::find_if(gItemClasses.begin(), gItemClasses.end(),
                                    [id](const ItemClass& c) { return c.id == id; });
    return found == gItemClasses.end() ? nullptr : &*found;
}

}  // namespace

bool SetItemReader(ClassId id, ItemReader reader) {
    ItemClass* itemClass = FindItemClass(id);
    if (!itemClass) return false;
    if (id == kEditViewClassId || id == kEditViewAltClassId) {
        FindItemClass(kEditViewClassId)->reader = reader;
        FindItemClass(kEditViewAltClassId)->reader = reader;
    } else {
        itemClass->reader = reader;
    }
    return true;
}

void SetItemListMaker(ItemListMaker maker) { gItemListMaker = maker; }

WindowItemList* MakeItemList() { return gItemListMaker ? gItemListMaker() : nullptr; }

TObject* ItemObjectFactory(IReadFile& stream, ClassId id, ErrCode* error, std::uintptr_t owner) {
    *error = kNoErr;
    if (id == kItemListClassId) {
        TObject* list = MakeItemList();
        if (list) *error = list->ReadFrom(stream);
        return list;
    }
    const ItemClass* itemClass = FindItemClass(id);
    if (!itemClass || !itemClass->reader) return nullptr;
    return itemClass->reader(reinterpret_cast<ItemList*>(owner), stream, error);
}
