#include "characters/BCWindow.h"

#include <algorithm>
#include <vector>

#include "app/FKDoc.h"
#include "framework/graphics/FontMapping.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/StatText.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/UserPrompts.h"
#include "storymodel/engine/ElementTable.h"
#include "widgets/Popup.h"

namespace {

constexpr std::int16_t kMargin = 8;
constexpr std::int16_t kQuadTop = 40;
constexpr std::int16_t kQuadHeight = 150;

CharacterManager* CharactersOf(FKDoc* story) { return story ? story->GetCharacterManager() : nullptr; }

int DimensionOf(std::int16_t element) { return DimensionOfCharacteristic(element - kFirstElementID); }

}  // namespace

BCWindow::BCWindow(TAppl* application, FKDoc* story)
    : CharacterWindow(application, story, kName, PrefRecord::kBuildCharacters, kPlacementKey),
      MCharacteristicListener(CharactersOf(story) ? &CharactersOf(story)->GetCharacteristicBroadcaster()
                                                  : nullptr) {
    MakeLogFont(font_, 0, 12, 0);
    PreferencesManager::GetPrefFont(GetPreferences(), kFontKey, font_);
    if (story) story->SetBCWindow(this);
}

BCWindow::~BCWindow() {
    SetBroadcaster(nullptr);
    if (GetStory() && GetStory()->GetBCWindow() == this) GetStory()->SetBCWindow(nullptr);
}

void BCWindow::BuildContents() {
    FreeItems();
    castList_ = nullptr;
    auto* list = new ItemList(this);
    const ShortRect client = GetClientRect();
    const RGBColor black = GetStandardColor(0);
    const std::int16_t left = kPaneWidth + kMargin;
    const std::int16_t right = std::max<std::int16_t>(client.right - kMargin, left + 200);
    const ShortRect castPlace = ShortRect::MakeLTRB(0, 0, kPaneWidth, client.bottom);
    castList_ =
        new StoryCastList(GetStory(), StoryCastList::Slot::kBuildCharacters, this, list, &castPlace, false);
    list->Append(castList_);
    const ShortRect quadListPlace = ShortRect::MakeLTRB(left, kMargin, right, kMargin + 20);
    quadList_ = new Popup(list, &quadListPlace, "Quad:", 0, black);
    for (int quad = 0; quad < QuadView::kQuadCount; ++quad)
        quadList_->AddItem(QuadView::QuadName(quad).c_str());
    quadList_->SetValue(0, false);
    list->Append(quadList_);
    const ShortRect quadPlace = ShortRect::MakeLTRB(left, kQuadTop, right, kQuadTop + kQuadHeight);
    quad_ = new QuadView(CharactersOf(GetStory()), this, list, &quadPlace);
    quad_->SetFlags(TItem::kFollowsWindowSize);
    list->Append(quad_);
    const std::int16_t buttonTop = kQuadTop + kQuadHeight + kMargin;
    const ShortRect takeBackPlace = ShortRect::MakeLTRB(left, buttonTop, left + 90, buttonTop + 22);
    list->Append(new PushBtn(list, "Take Back", 0, &takeBackPlace, 0, black, 0, 0, 0, 12, 0, 0));
    const ShortRect heldPlace = ShortRect::MakeLTRB(left, buttonTop + 30, right, client.bottom - kMargin);
    held_ = new StatText(list, &heldPlace, "", 0, black, &font_, 0);
    list->Append(held_);
    SetItemList(list);
    SetUpItems();
    ApplyFont(font_);
    ShowHeld();
    UpdateTitle();
}

void BCWindow::EndModal(std::int32_t itemIndex) {
    switch (itemIndex) {
        case kQuadListItem:
            if (quadList_) ShowQuad(quadList_->GetValue());
            break;
        case kTakeBackItem:
            if (quad_ && quad_->GetSelectedPlace() >= 0)
                TakeBack(quad_->ElementAt(quad_->GetSelectedPlace()));
            break;
        default: break;
    }
}

void BCWindow::ShowQuad(int quad) {
    if (!quad_) return;
    quad_->SetQuad(quad);
    if (quadList_ && quadList_->GetValue() != quad_->GetQuad()) quadList_->SetValue(quad_->GetQuad(), true);
}

bool BCWindow::DealCharacteristic(CharID id, std::int16_t element) {
    CharacterManager* characters = CharactersOf(GetStory());
    const int dimension = DimensionOf(element);
    if (!characters || !characters->HasCharacter(id) || DimensionName(dimension) == nullptr) return false;
    std::vector<std::int16_t> held = characters->GetCharacteristics(id, dimension);
    if (std::find(held.begin(), held.end(), element) != held.end()) return true;
    const std::int16_t wanted[] = {element};
    std::vector<std::int16_t> accepted;
    std::int32_t answer = kAskAgain;
    characters->ConfirmCharacteristicConflicts(characters->IndexOf(id), dimension, wanted, accepted, answer);
    if (accepted.empty()) return false;
    held.push_back(element);
    characters->SetCharacteristics(id, dimension, held);
    if (castList_) castList_->SelectCharacter(id);
    return true;
}

void BCWindow::TakeBack(std::int16_t element) {
    CharacterManager* characters = CharactersOf(GetStory());
    const int dimension = DimensionOf(element);
    if (!characters || DimensionName(dimension) == nullptr) return;
    const CharID holder = characters->FindCharacterWithCharacteristic(element, dimension);
    if (holder != kNoCharID)
        characters->RemoveCharacteristic(characters->IndexOf(holder), dimension, element);
}

void BCWindow::DropCharacter(CharID id) {
    if (quad_) quad_->DropCharacter(id);
}

std::string BCWindow::DescribeHeld() const {
    CharacterManager* characters = CharactersOf(GetStory());
    const CharID id = castList_ ? castList_->GetSelectedCharacter() : kNoCharID;
    if (!characters || id == kNoCharID) return "Select a character to see its characteristics.";
    std::string text;
    for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
        text += DimensionName(dimension);
        text += ":";
        const std::vector<std::int16_t> held = characters->GetCharacteristics(id, dimension);
        for (std::size_t i = 0; i < held.size(); ++i) {
            text += i == 0 ? " " : ", ";
            text += ElementName(held[i]);
        }
        text += "\n";
    }
    const CharInfoRec* character = characters->RecordAt(characters->IndexOf(id));
    text += "Archetype: ";
    text += character ? ArchetypeName(character->GetArchetype()) : "";
    return text;
}

void BCWindow::ShowHeld() {
    if (held_) held_->SetText(DescribeHeld().c_str());
}

void BCWindow::ChooseFont() {
    win::LOGFONTA font = font_;
    if (!PreferencesManager::ChooseFont(font)) return;
    PreferencesManager::SetPrefFont(GetPreferences(), kFontKey, font);
    ApplyFont(font);
}

void BCWindow::ApplyFont(const win::LOGFONTA& font) {
    font_ = font;
    if (castList_) castList_->SetFont(font);
    if (quad_) quad_->SetFont(font);
    if (held_) held_->SetFont(font);
}

// The selection also goes when its character does: the quad forgets it too.
void BCWindow::CastSelectionChanged(CharID /*id*/) {
    if (quad_) quad_->Refresh();
    ShowHeld();
}

void BCWindow::CastCharacterDropped(CharID id, ShortPoint point) {
    const int place = quad_ ? quad_->PlaceAt(point) : -1;
    if (place >= 0) DealCharacteristic(id, quad_->ElementAt(place));
}

void BCWindow::QuadElementDropped(std::int16_t element, ShortPoint point) {
    const CharID id = castList_ ? castList_->CharacterAt(point) : kNoCharID;
    if (id != kNoCharID) DealCharacteristic(id, element);
}

void BCWindow::QuadElementOpened(std::int16_t element, CharID /*holder*/) { TakeBack(element); }

void BCWindow::CharacteristicsChanged() {
    if (quad_) quad_->Refresh();
    ShowHeld();
}
