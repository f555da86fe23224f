#include "characters/CharPictureDlog.h"

#include "characters/CharacterPlaces.h"
#include "characters/PictureGridView.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"

namespace {

const ShortRect kClientArea = ShortRect::MakeLTRB(0, 0, 300, 236);
const ShortRect kGridPlace = ShortRect::MakeLTRB(10, 10, 290, 196);
const ShortRect kButtonPlaces[] = {ShortRect::MakeLTRB(130, 206, 204, 228),
                                   ShortRect::MakeLTRB(214, 206, 288, 228)};

}  // namespace

CharPictureDlog::CharPictureDlog(CharacterManager* characters, std::uint16_t picture,
                                 std::optional<std::uint16_t>* chosen)
    : TDialog(0, kOkItem, kCancelItem), characters_(characters), picture_(picture), chosen_(chosen) {}

ErrCode CharPictureDlog::SetUpItems() {
    auto* items = dynamic_cast<ItemList*>(GetItemList());
    if (!items) return -1;
    items->SetBounds(kClientArea);
    items->SetBackColor(GetStandardColor(8));
    items->SetName("Character Picture");
    const RGBColor black = GetStandardColor(0);
    items->Append(new PushBtn(items, "OK", 0, &kButtonPlaces[0], 0, black, 0, 0, 0, 12, 0, 0));
    items->Append(new PushBtn(items, "Cancel", 0, &kButtonPlaces[1], 0, black, 0, 0, 0, 12, 0, 0));
    items->Append(
        new PictureGridView(characters_, items, &kGridPlace, picture_, [this] { PostItemHit(kOkItem); }));
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    RestoreDialogPlace(*this, kPlaceKey);
    return kNoErr;
}

PictureGridView* CharPictureDlog::GetGrid() const {
    return dynamic_cast<PictureGridView*>(GetItem(kGridItem));
}

void CharPictureDlog::EndModal(std::int32_t itemIndex) {
    if (itemIndex == kOkItem && chosen_)
        if (const PictureGridView* grid = GetGrid()) *chosen_ = grid->GetChosen();
    TDialog::EndModal(itemIndex);
}

void CharPictureDlog::BeforeEnd() { KeepDialogPlace(*this, kPlaceKey); }

std::optional<std::uint16_t> ChooseCharacterPicture(CharacterManager* characters, std::uint16_t picture) {
    std::optional<std::uint16_t> chosen;
    (new CharPictureDlog(characters, picture, &chosen))->DoModal();
    return chosen;
}
