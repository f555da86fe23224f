#include "framework/WindowItems.h"

#include <algorithm>
#include <array>

#include "framework/ItemObjectFactory.h"

namespace {

struct MakerEntry {
    ClassId id;
    ItemMaker maker;
};

std::array<MakerEntry, 3> gMakers{
    {{kStatTextClassId, nullptr}, {kPushBtnClassId, nullptr}, {kEditViewAltClassId, nullptr}}};

MakerEntry* FindMaker(ClassId id) {
    const auto found =
        std::find_if(gMakers.begin(), gMakers.end(), [id](const MakerEntry& e) { return e.id == id; });
    return found == gMakers.end() ? nullptr : &*found;
}

}  // namespace

bool SetItemMaker(ClassId id, ItemMaker maker) {
    MakerEntry* entry = FindMaker(id);
    if (!entry) return false;
    entry->maker = maker;
    return true;
}

WindowItem* MakeItem(ClassId id, WindowItemList& list, const ShortRect& bounds, const char* text,
                     const win::LOGFONTA& font) {
    const MakerEntry* entry = FindMaker(id);
    WindowItem* item = entry && entry->maker ? entry->maker(list, bounds, text, font) : nullptr;
    if (!item) return nullptr;
    if (list.Append(item) < 0) {
        delete item;
        return nullptr;
    }
    return item;
}
