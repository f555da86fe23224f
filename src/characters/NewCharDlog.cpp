#include "characters/NewCharDlog.h"

#include "app/FKDoc.h"
#include "characters/CharPictureDlog.h"
#include "characters/CharacterPictureItem.h"
#include "characters/CharacterPlaces.h"
#include "framework/Alerts.h"
#include "framework/graphics/FontMapping.h"
#include "items/AttachStringConverter.h"
#include "items/EditView.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/StatText.h"
#include "items/StoredTextField.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/StoryTextLimits.h"
#include "widgets/Popup.h"

namespace {

const ShortRect kClientArea = ShortRect::MakeLTRB(0, 0, 392, 336);
constexpr const char* kSexNames[] = {"Male", "Female", "Neutral"};
constexpr const char* kIdentityNames[] = {"None", "Main Character", "{NObst} Character"};
constexpr const char* kTextNotKept =
    "The character's role or description is too long to be kept: it is left as it was.";

ShortRect Place(int left, int top, int right, int bottom) {
    return ShortRect::MakeLTRB(left, top, right, bottom);
}

CharacterManager* CharactersOf(FKDoc* story) { return story ? story->GetCharacterManager() : nullptr; }

}  // namespace

NewCharDlog::NewCharDlog(FKDoc* story, CharID id, CharID* written)
    : TDialog(0, kOkItem, kCancelItem), story_(story), id_(kNoCharID), written_(written) {
    if (written_) *written_ = kNoCharID;
    CharacterManager* characters = CharactersOf(story_);
    CharInfoRec* character = characters ? characters->GetCharacter(id) : nullptr;
    if (character) {
        id_ = id;
        form_ = ReadCharacterForm(*character);
    } else if (characters) {
        form_ = NewCharacterForm(*characters);
    }
    pictureSex_ = form_.sex;
    // The fields keep what the writer typed when their windows go.
    SetStoreItems(true);
}

ErrCode NewCharDlog::SetUpItems() {
    auto* items = dynamic_cast<ItemList*>(GetItemList());
    if (!items) return -1;
    items->SetBounds(kClientArea);
    items->SetBackColor(GetStandardColor(8));
    items->SetName(id_ == kNoCharID ? "New Character" : "Character Information");
    const RGBColor black = GetStandardColor(0);
    win::LOGFONTA font;
    MakeLogFont(font, 0, 12, 0);
    const auto button = [&](const char* title, const ShortRect& place) {
        items->Append(new PushBtn(items, title, 0, &place, 0, black, 0, 0, 0, 12, 0, 0));
    };
    const auto popup = [&](const char* title, const ShortRect& place,
                           std::initializer_list<const char*> names, int value) {
        auto* control = new Popup(items, &place, title, 0, black);
        for (const char* name : names) control->AddItem(ExpandAndDecode(story_, name).c_str());
        control->SetValue(value, false);
        items->Append(control);
    };
    const auto label = [&](const char* text, const ShortRect& place) {
        items->Append(new StatText(items, &place, text, 0, black, &font, 0));
    };
    button("OK", Place(222, 304, 298, 326));
    button("Cancel", Place(306, 304, 382, 326));
    const ShortRect namePlace = Place(96, 12, 300, 32);
    items->Append(
        new StoredTextField(items, kMaxCharacterName, &namePlace, &font, 0, 0, 0, 0, black, nullptr));
    popup("Sex:", Place(12, 44, 200, 64), {kSexNames[0], kSexNames[1], kSexNames[2]}, form_.sex);
    popup("Special Identification:", Place(12, 74, 300, 94),
          {kIdentityNames[0], kIdentityNames[1], kIdentityNames[2]}, form_.identity);
    const ShortRect picturePlace = Place(326, 12, 370, 56);
    items->Append(new CharacterPictureItem(CharactersOf(story_), items, &picturePlace, form_.picture));
    button("Picture...", Place(310, 64, 384, 86));
    const ShortRect rolePlace = Place(96, 106, 382, 126);
    items->Append(new StoredTextField(items, kRoleTextLimit, &rolePlace, &font, 0, 0, 0, 0, black, nullptr));
    const ShortRect descriptionPlace = Place(12, 160, 382, 292);
    items->Append(new StoredTextField(
        items, kLongTextLimit, &descriptionPlace, &font, 0,
        static_cast<std::uint16_t>(EditView::kMultiLine | EditView::kNoAutoHScroll), 0, 0, black, nullptr));
    label("Name:", Place(12, 14, 92, 32));
    label("Role:", Place(12, 108, 92, 126));
    label("Description:", Place(12, 138, 200, 156));
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    // The fields decode the stored texts only once they have the converter.
    AttachStringConverter(*this);
    ShowText(kNameItem, form_.name, shown_.name);
    ShowText(kRoleItem, form_.role, shown_.role);
    ShowText(kDescriptionItem, form_.description, shown_.description);
    RestoreDialogPlace(*this, id_ == kNoCharID ? kNewPlaceKey : kInfoPlaceKey);
    // The writer types the name straight away, over the default one.
    SetFocusItem(kNameItem, false);
    return kNoErr;
}

CharacterPictureItem* NewCharDlog::PictureItem() const {
    return dynamic_cast<CharacterPictureItem*>(GetItem(kPictureItem));
}

void NewCharDlog::ShowText(std::int32_t index, const std::string& stored, std::string& shown) {
    auto* field = dynamic_cast<EditView*>(GetItem(index));
    if (!field) return;
    field->SetText(stored.c_str(), 0);
    shown = field->GetText();
}

CharacterForm NewCharDlog::ReadItems() const {
    CharacterForm form = form_;
    // A text the writer left as it was shown keeps its stored form.
    const auto text = [this](std::int32_t index, const std::string& shown, std::string& into) {
        auto* field = dynamic_cast<EditView*>(GetItem(index));
        if (!field) return;
        std::string typed = field->GetText();
        if (typed != shown) into = std::move(typed);
    };
    text(kNameItem, shown_.name, form.name);
    text(kRoleItem, shown_.role, form.role);
    text(kDescriptionItem, shown_.description, form.description);
    if (const auto* sex = dynamic_cast<const Popup*>(GetItem(kSexItem)); sex && sex->GetValue() >= 0)
        form.sex = static_cast<std::uint16_t>(sex->GetValue());
    if (const auto* identity = dynamic_cast<const Popup*>(GetItem(kIdentityItem));
        identity && identity->GetValue() >= 0)
        form.identity = static_cast<std::int16_t>(identity->GetValue());
    if (const CharacterPictureItem* picture = PictureItem()) form.picture = picture->GetPicture();
    return form;
}

void NewCharDlog::ChoosePicture() {
    CharacterPictureItem* item = PictureItem();
    if (!item) return;
    if (const std::optional<std::uint16_t> chosen =
            ChooseCharacterPicture(CharactersOf(story_), item->GetPicture()))
        item->SetPicture(*chosen);
}

void NewCharDlog::SexChosen() {
    CharacterPictureItem* picture = PictureItem();
    const auto* sex = dynamic_cast<const Popup*>(GetItem(kSexItem));
    if (!picture || !sex || sex->GetValue() < 0) return;
    const auto chosen = static_cast<std::uint16_t>(sex->GetValue());
    if (picture->GetPicture() == StockPicture(pictureSex_)) picture->SetPicture(StockPicture(chosen));
    pictureSex_ = chosen;
}

void NewCharDlog::EndModal(std::int32_t itemIndex) {
    if (itemIndex == kPictureButton) {
        ChoosePicture();
        return;
    }
    if (itemIndex == kSexItem) {
        SexChosen();
        return;
    }
    if (itemIndex == kOkItem) {
        form_ = ReadItems();
        CharacterManager* characters = CharactersOf(story_);
        // A character deleted while the dialog was up is not made again.
        if (characters && (id_ == kNoCharID || characters->HasCharacter(id_))) {
            ErrCode error = kNoErr;
            const CharID written = WriteCharacterForm(*characters, id_, form_, &error);
            if (written_) *written_ = written;
            if (error != kNoErr) ShowAlert(kTextNotKept);
        }
    }
    TDialog::EndModal(itemIndex);
}

void NewCharDlog::BeforeEnd() { KeepDialogPlace(*this, id_ == kNoCharID ? kNewPlaceKey : kInfoPlaceKey); }

CharID RunCharacterDialog(FKDoc* story, CharID id) {
    if (!story || !story->GetCharacterManager()) return kNoCharID;
    CharID written = kNoCharID;
    (new NewCharDlog(story, id, &written))->DoModal();
    return written;
}
