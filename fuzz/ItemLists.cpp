// 'ITM#' item lists as a window reads them: whatever the bytes, the reading stays inside them, every
// object kept is an item owned by the list, and a list that read without error writes back the
// bytes it was read from, up to the values the program normalises (which then read back the same).

#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "foundation/ByteStream.h"
#include "foundation/ObjectFactory.h"
#include "framework/ItemObjectFactory.h"
#include "items/ItemClasses.h"
#include "items/ItemList.h"
#include "items/TItem.h"
#include "widgets/WidgetClasses.h"

namespace {

std::vector<std::uint8_t> Written(ItemList& list) {
    ByteStream out;
    FUZZ_CHECK(list.WriteTo(out) == kNoErr);
    FUZZ_CHECK(static_cast<std::size_t>(list.GetFlattenedSize()) == out.Bytes().size());
    return out.Bytes();
}

std::unique_ptr<ItemList> Read(const std::vector<std::uint8_t>& bytes, ErrCode* error) {
    ByteStream stream(bytes);
    return std::unique_ptr<ItemList>(
        static_cast<ItemList*>(MakeObjectByFactory(stream, ItemList::kClassId, error, 0)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool installed = [] {
        RegisterObjectFactory(ItemObjectFactory);
        InstallItemClasses();
        InstallWidgetClasses();
        return true;
    }();
    (void)installed;
    ErrCode error = 0;
    const auto list = Read(std::vector<std::uint8_t>(data, data + size), &error);
    FUZZ_CHECK(list != nullptr);
    for (std::int32_t i = 0; i < list->Count(); ++i) {
        const TItem* item = list->ItemAt(i);
        FUZZ_CHECK(item && item->IsKindOf(TItem::kClassId) && item->GetItemList() == list.get());
    }
    if (error != kNoErr) return 0;
    // Written once, the list holds only values the program keeps as they are.
    const std::vector<std::uint8_t> once = Written(*list);
    FUZZ_CHECK(once.size() <= size + 2 * static_cast<std::size_t>(list->Count()) * 3);
    ErrCode again = -99;
    const auto reread = Read(once, &again);
    FUZZ_CHECK(again == kNoErr && reread->Count() == list->Count());
    FUZZ_CHECK(Written(*reread) == once);
    return 0;
}
