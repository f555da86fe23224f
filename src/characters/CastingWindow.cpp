#include "characters/CastingWindow.h"

#include "app/FKDoc.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterManager.h"

namespace {

constexpr std::int16_t kMargin = 8;
constexpr std::int16_t kButtonBand = 38;

}  // namespace

CastingWindow::CastingWindow(TAppl* application, FKDoc* story)
    : CharacterWindow(application, story, kName, PrefRecord::kCasting, kPlacementKey) {
    if (story) story->SetCastingWindow(this);
}

CastingWindow::~CastingWindow() {
    if (GetStory() && GetStory()->GetCastingWindow() == this) GetStory()->SetCastingWindow(nullptr);
}

void CastingWindow::BuildContents() {
    FreeItems();
    castList_ = nullptr;
    archetypes_ = nullptr;
    auto* list = new ItemList(this);
    const ShortRect client = GetClientRect();
    const RGBColor black = GetStandardColor(0);
    const ShortRect archetypesPlace = ShortRect::MakeLTRB(0, 0, kPaneWidth, client.bottom - kButtonBand);
    archetypes_ = new ArchetypeListView(GetStory() ? GetStory()->GetCharacterManager() : nullptr, this, list,
                                        &archetypesPlace);
    list->Append(archetypes_);
    const ShortRect castPlace = ShortRect::MakeLTRB(kPaneWidth + kMargin, 0, client.right, client.bottom);
    castList_ = new StoryCastList(GetStory(), StoryCastList::Slot::kCasting, this, list, &castPlace, true);
    castList_->SetFlags(TItem::kFollowsWindowSize);
    list->Append(castList_);
    const std::int16_t top = client.bottom - kButtonBand + kMargin;
    const ShortRect castButton = ShortRect::MakeLTRB(kMargin, top, 100, top + 22);
    const ShortRect clearButton = ShortRect::MakeLTRB(108, top, kPaneWidth - kMargin, top + 22);
    list->Append(new PushBtn(list, "Cast", 0, &castButton, 0, black, 0, 0, 0, 12, 0, 0));
    list->Append(new PushBtn(list, "No Archetype", 0, &clearButton, 0, black, 0, 0, 0, 12, 0, 0));
    SetItemList(list);
    SetUpItems();
    UpdateTitle();
}

void CastingWindow::EndModal(std::int32_t itemIndex) {
    const CharID selected = castList_ ? castList_->GetSelectedCharacter() : kNoCharID;
    switch (itemIndex) {
        case kCastButton:
            if (archetypes_ && archetypes_->GetSelected() != 0) Cast(selected, archetypes_->GetSelected());
            break;
        case kClearButton: Cast(selected, kUnassignedArchetype); break;
        default: break;
    }
}

void CastingWindow::Cast(CharID id, std::int16_t archetype) {
    CharacterManager* characters = GetStory() ? GetStory()->GetCharacterManager() : nullptr;
    if (!characters || !characters->HasCharacter(id)) return;
    if (archetype != kUnassignedArchetype && (archetype < kFirstArchetype || archetype > kLastArchetype))
        return;
    characters->ApplyArchetype(id, archetype);
    if (castList_) castList_->SelectCharacter(id);
}

void CastingWindow::CastCharacterDropped(CharID id, ShortPoint point) {
    const std::int16_t archetype = archetypes_ ? archetypes_->ArchetypeUnder(point) : 0;
    if (archetype != 0) Cast(id, archetype);
}

void CastingWindow::ArchetypeOpened(std::int16_t archetype) {
    if (castList_) Cast(castList_->GetSelectedCharacter(), archetype);
}

void CastingWindow::ArchetypeDropped(std::int16_t archetype, ShortPoint point) {
    if (castList_) Cast(castList_->CharacterAt(point), archetype);
}
