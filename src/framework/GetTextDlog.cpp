#include "framework/GetTextDlog.h"

#include "framework/ItemObjectFactory.h"
#include "framework/WindowItems.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RGBColor.h"

namespace {

constexpr std::int32_t kOkItem = 0;
constexpr std::int32_t kCancelItem = 1;
constexpr std::uint16_t kFieldTag = 42;

}  // namespace

GetTextDlog::GetTextDlog(char* buffer, std::size_t capacity, const char* title, const char* prompt)
    : TDialog(0, kOkItem, kCancelItem),
      buffer_(buffer),
      capacity_(capacity),
      title_(title ? title : ""),
      prompt_(prompt ? prompt : "") {
    MakeLogFont(font_, 5, 9, 0);
    // The field keeps what the user typed when its window goes.
    SetStoreItems(true);
}

ErrCode GetTextDlog::SetUpItems() {
    WindowItemList* items = GetItemList();
    if (!items) return -1;
    items->SetBounds(ShortRect::MakeLTRB(0, 0, 300, 52));
    items->SetBackColor(GetStandardColor(8));
    items->SetName(title_.c_str());
    const std::string text(buffer_ && capacity_ ? std::string(buffer_, strnlen(buffer_, capacity_))
                                                : std::string());
    if (!MakeItem(kPushBtnClassId, *items, ShortRect::MakeLTRB(220, 4, 290, 24), "OK", font_) ||
        !MakeItem(kPushBtnClassId, *items, ShortRect::MakeLTRB(220, 28, 290, 48), "Cancel", font_))
        return -1;
    WindowItem* field =
        MakeItem(kEditViewAltClassId, *items, ShortRect::MakeLTRB(10, 30, 200, 46), text.c_str(), font_);
    if (!field ||
        !MakeItem(kStatTextClassId, *items, ShortRect::MakeLTRB(10, 10, 200, 28), prompt_.c_str(), font_))
        return -1;
    field->SetItemId(kFieldTag);
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    // The writer types the text straight away, over the one offered.
    SetFocusItem(items->IndexOf(field), false);
    return kNoErr;
}

void GetTextDlog::EndModal(std::int32_t itemIndex) {
    TDialog::EndModal(itemIndex);
    if (itemIndex != kOkItem || !buffer_ || capacity_ == 0) return;
    const WindowItemList* items = GetItemList();
    const auto* field = dynamic_cast<const ITextItem*>(
        items ? items->FindItemByClassAndId(kEditViewAltClassId, kFieldTag) : nullptr);
    if (field) field->CopyText(buffer_, capacity_);
}

int AskForText(char* buffer, std::size_t capacity, const char* title, const char* prompt) {
    return (new GetTextDlog(buffer, capacity, title, prompt))->DoModal() == kOkItem ? 0 : 1;
}
