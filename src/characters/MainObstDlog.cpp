#include "characters/MainObstDlog.h"

#include <algorithm>

#include "app/FKDoc.h"
#include "characters/CharacterPlaces.h"
#include "characters/ShownText.h"
#include "framework/Alerts.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/ExpandedTextWrap.h"
#include "widgets/Popup.h"

namespace {

const ShortRect kClientArea = ShortRect::MakeLTRB(0, 0, 360, 118);
constexpr const char* kSameCharacter = "The Main and {NObst} characters must be two different characters.";

CharacterManager* CharactersOf(FKDoc* story) { return story ? story->GetCharacterManager() : nullptr; }

}  // namespace

bool AssignMainAndImpact(CharacterManager& characters, CharID main, CharID impact) {
    if (main == impact || !characters.HasCharacter(main) || !characters.HasCharacter(impact)) return false;
    const auto give = [&characters](std::int16_t role, CharID id) {
        const CharID holder =
            role == kMainRole ? characters.GetMainCharacter() : characters.GetImpactCharacter();
        if (characters.HasCharacter(id) && id != holder && characters.ConfirmSubjectiveRole(id, role))
            characters.AssignRoleById(role, id);
    };
    // The character that moves from Main to impact moves first, so that it does not go as the Main
    // placeholder it was; when the two swap roles, one assignment does both.
    if (impact == characters.GetMainCharacter()) {
        give(kImpactRole, impact);
        give(kMainRole, main);
    } else {
        give(kMainRole, main);
        give(kImpactRole, impact);
    }
    return true;
}

MainObstDlog::MainObstDlog(FKDoc* story) : TDialog(0, kOkItem, kCancelItem), story_(story) {
    if (CharacterManager* characters = CharactersOf(story_))
        for (std::int32_t i = 0; i < characters->GetCount(); ++i) characters_.push_back(characters->IdAt(i));
}

ErrCode MainObstDlog::SetUpItems() {
    auto* items = dynamic_cast<ItemList*>(GetItemList());
    CharacterManager* characters = CharactersOf(story_);
    if (!items || !characters) return -1;
    items->SetBounds(kClientArea);
    items->SetBackColor(GetStandardColor(8));
    items->SetName(ExpandAndDecode(story_, "Setup Main and {NObst} Characters").c_str());
    const RGBColor black = GetStandardColor(0);
    const ShortRect ok = ShortRect::MakeLTRB(190, 86, 266, 108);
    const ShortRect cancel = ShortRect::MakeLTRB(274, 86, 350, 108);
    items->Append(new PushBtn(items, "OK", 0, &ok, 0, black, 0, 0, 0, 12, 0, 0));
    items->Append(new PushBtn(items, "Cancel", 0, &cancel, 0, black, 0, 0, 0, 12, 0, 0));
    const auto list = [&](const char* title, int top, CharID chosen) {
        const ShortRect place = ShortRect::MakeLTRB(12, top, 350, top + 20);
        auto* popup = new Popup(items, &place, ExpandAndDecode(story_, title).c_str(), 0, black);
        for (const CharID id : characters_)
            popup->AddItem(ShownText(characters->GetCharacter(id)->Name()).c_str());
        const auto found = std::find(characters_.begin(), characters_.end(), chosen);
        popup->SetValue(
            found == characters_.end() ? -1 : static_cast<std::int32_t>(found - characters_.begin()), false);
        items->Append(popup);
    };
    list("Main Character:", 14, characters->GetMainCharacter());
    list("{NObst} Character:", 46, characters->GetImpactCharacter());
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    RestoreDialogPlace(*this, kPlaceKey);
    return kNoErr;
}

CharID MainObstDlog::GetChosen(std::int32_t item) const {
    const auto* popup = dynamic_cast<const Popup*>(GetItem(item));
    const std::int32_t index = popup ? popup->GetValue() : -1;
    return index >= 0 && index < static_cast<std::int32_t>(characters_.size())
               ? characters_[static_cast<std::size_t>(index)]
               : kNoCharID;
}

void MainObstDlog::Choose(std::int32_t item, CharID id) {
    const auto found = std::find(characters_.begin(), characters_.end(), id);
    if (auto* popup = dynamic_cast<Popup*>(GetItem(item)); popup && found != characters_.end())
        popup->SetValue(static_cast<std::int32_t>(found - characters_.begin()), true);
}

void MainObstDlog::EndModal(std::int32_t itemIndex) {
    refused_ = false;
    if (itemIndex == kOkItem) {
        const CharID main = GetChosen(kMainItem);
        const CharID impact = GetChosen(kImpactItem);
        CharacterManager* characters = CharactersOf(story_);
        if (main == impact) {
            refused_ = true;
            AlertMessage(ExpandAndDecode(story_, kSameCharacter).c_str(), kAlertStop, 1);
        } else if (characters) {
            AssignMainAndImpact(*characters, main, impact);
        }
    }
    TDialog::EndModal(itemIndex);
}

bool MainObstDlog::IsAccepted() { return !refused_ && TDialog::IsAccepted(); }

void MainObstDlog::BeforeEnd() { KeepDialogPlace(*this, kPlaceKey); }

void RunMainObstDialog(FKDoc* story) {
    if (CharactersOf(story)) (new MainObstDlog(story))->DoModal();
}
