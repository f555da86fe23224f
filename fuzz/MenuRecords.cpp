// 'MNU#' menu segments of the application data file, read into a menu: whatever the bytes, the
// reading stays inside them, and every entry read is shown in the menu.

#include <string>

#include "FuzzSupport.h"
#include "framework/TMenu.h"
#include "platform/ui/Menus.h"

namespace {

class StoredMenu : public TMenu {
public:
    StoredMenu() : TMenu(nullptr, 1, nullptr) {}
    void Read(const std::uint8_t* data, std::size_t size) { ParseItems(data, data + size); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's size, so that reading past it is caught.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    StoredMenu menu;
    menu.Read(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    FUZZ_CHECK(menu.GetItemCount() == win::GetMenuItemCount(menu.GetHMenu()));
    // Each record takes at least 12 bytes after the title and the count.
    FUZZ_CHECK(static_cast<std::size_t>(menu.GetItemCount()) * 12 <= size);
    for (std::int32_t i = 0; i < menu.GetItemCount(); ++i) {
        std::int16_t flag = 1;
        FUZZ_CHECK(!menu.GetItem(i)->GetText(flag).empty() && flag == 0);
    }
    return 0;
}
