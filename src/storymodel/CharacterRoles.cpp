// The Main and impact roles: exactly one character holds each, and taking one from a character
// that a new story made and nobody touched since deletes that placeholder, from the scenes too.

#include "foundation/pfm/PText.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/TextHelpers.h"
#include "storymodel/UserPrompts.h"

namespace {

// The texts a placeholder has never been given.
constexpr const char* kPlaceholderEmptyKeys[] = {
    CharacterKey::kRole,      CharacterKey::kDescription,  CharacterKey::kRoleX,
    CharacterKey::kFunction,  CharacterKey::kActivities,   CharacterKey::kBackground,
    CharacterKey::kInterests, CharacterKey::kSkills,       CharacterKey::kBeliefs,
    CharacterKey::kPhysical,  CharacterKey::kIntroduction, CharacterKey::kDismissal,
};

bool IsSubjectiveRole(std::int16_t role) { return role == kMainRole || role == kImpactRole; }

}  // namespace

void CharacterManager::RecomputeRoleIndexes() {
    mainIndex_ = -1;
    impactIndex_ = -1;
    for (std::int32_t position = 0; position < GetCount(); ++position) {
        const std::int16_t role = characters_[static_cast<std::size_t>(position)]->GetSubjectiveRole();
        if (role == kMainRole) mainIndex_ = position;
        if (role == kImpactRole) impactIndex_ = position;
    }
}

bool CharacterManager::ValidateSubjectiveRoles(bool accept) const {
    if (accept) return true;
    int mains = 0;
    int impacts = 0;
    for (const auto& character : characters_) {
        mains += character->GetSubjectiveRole() == kMainRole;
        impacts += character->GetSubjectiveRole() == kImpactRole;
    }
    const CharInfoRec* main = RecordAt(mainIndex_);
    const CharInfoRec* impact = RecordAt(impactIndex_);
    return mains == 1 && impacts == 1 && main && main->GetSubjectiveRole() == kMainRole && impact &&
           impact->GetSubjectiveRole() == kImpactRole && mainIndex_ != impactIndex_;
}

void CharacterManager::AssignRole(std::int16_t role, std::int32_t position) {
    CharInfoRec* holder = RecordAt(position);
    if (!IsSubjectiveRole(role) || !holder) return;
    std::int32_t& index = role == kMainRole ? mainIndex_ : impactIndex_;
    const std::int32_t previousPosition = index;
    if (previousPosition == position) return;

    CharInfoRec* previous = RecordAt(previousPosition);
    CharID placeholder = kNoCharID;
    if (previous) {
        previous->role_ = kNoRole;
        if (IsPlaceholder(previous->GetID(), role)) placeholder = previous->GetID();
    }
    const std::int16_t oldRole = holder->role_;
    if (IsSubjectiveRole(oldRole)) {
        // The two characters swap roles; nobody is deleted.
        placeholder = kNoCharID;
        if (previous) previous->role_ = oldRole;
        (oldRole == kMainRole ? mainIndex_ : impactIndex_) = previousPosition;
    }
    holder->role_ = role;
    if (previous) previous->WriteNumber(CharacterKey::kSubjectiveRole, previous->role_);
    holder->WriteNumber(CharacterKey::kSubjectiveRole, role);
    index = position;
    if (placeholder == kNoCharID) return;
    DeleteCharacter(placeholder, true);
    // The scenes must not keep what they included of a character that is gone.
    if (SceneManager* scenes = document_.GetSceneManager()) scenes->RemoveCharacter(placeholder);
}

void CharacterManager::KeepRolesHeld(const std::vector<CharID>& lostRoles, PText* generalPreferences) {
    RecomputeRoleIndexes();
    // With both roles missing, or two characters without theirs, there is no telling which was whose.
    CharInfoRec* taker =
        lostRoles.size() == 1 && (mainIndex_ < 0) != (impactIndex_ < 0) ? Find(lostRoles.front()) : nullptr;
    if (taker) taker->role_ = mainIndex_ < 0 ? kMainRole : kImpactRole;
    // Each says in its record what it holds now, so that the story saved reads back as it opened
    // rather than by the rule for the early stories that lacked the role.
    for (const CharID id : lostRoles)
        if (CharInfoRec* character = Find(id))
            character->WriteNumber(CharacterKey::kSubjectiveRole, character->role_);
    RecomputeRoleIndexes();
    const bool damaged = !lostRecords_.empty() || !lostRoles.empty();
    if (damaged) {
        if (mainIndex_ < 0) rolesGivenToNew_.push_back(kMainRole);
        if (impactIndex_ < 0) rolesGivenToNew_.push_back(kImpactRole);
    }
    if (GetCount() == 0 || damaged) CreatePlaceholders(generalPreferences, mainIndex_ < 0, impactIndex_ < 0);
}

void CharacterManager::ResetSubjectiveRoles() {
    BroadcasterBracket bracket(this);
    for (const auto& character : characters_) {
        character->role_ = kNoRole;
        character->WriteNumber(CharacterKey::kSubjectiveRole, kNoRole);
    }
    // No character holds a role now: nobody gives one up, so no placeholder goes.
    RecomputeRoleIndexes();
    AssignRole(kMainRole, 0);
    AssignRole(kImpactRole, 1);
}

bool CharacterManager::IsPlaceholder(CharID id, std::int16_t role) {
    CharInfoRec* character = GetCharacter(id);
    if (!character) return false;
    const std::string name = role == kMainRole ? kMainPlaceholderName : Expand(kImpactPlaceholderName);
    if (character->Name() != name || character->GetForm() != kSingularForm || character->GetPicture() > 1 ||
        character->GetArchetype() != 0) {
        return false;
    }
    for (const char* key : kPlaceholderEmptyKeys) {
        if (!character->GetText(key).empty()) return false;
    }
    for (const auto& other : characters_) {
        if (character->HasRelationship(other->GetID())) return false;
    }
    for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
        if (!GetCharacteristics(id, dimension).empty()) return false;
    }
    return true;
}

bool CharacterManager::ConfirmDeleteCharacter(CharID id) {
    const CharInfoRec* character = Find(id);
    if (!character) return false;
    if (character->GetSubjectiveRole() != kNoRole) {
        const std::string refusal = Expand(
            "You cannot delete your Main/{NObst} Character.  Make another character Main/{NObst} first.");
        UserPrompts().AlertMessage(refusal.c_str(), AlertIcon::kStop);
        return false;
    }
    const std::string question = FormatText("Delete selected character '%s'?", character->Name().c_str());
    return UserPrompts().AskYesNoCancel(question.c_str(), 1, true) == kAnswerYes;
}

bool CharacterManager::ConfirmSubjectiveRole(CharID id, std::int16_t role, const char* name) {
    const CharInfoRec* character = Find(id);
    if (!character || role == character->GetSubjectiveRole()) return false;
    const std::string shown = name ? name : character->Name();
    if (IsSubjectiveRole(role)) {
        const CharID current = role == kMainRole ? GetMainCharacter() : GetImpactCharacter();
        if (current == kNoCharID || IsPlaceholder(current, role)) return true;
        const std::string format =
            role == kMainRole
                ? std::string("'%s' is currently the MAIN CHARACTER.  Make '%s' your new Main character?")
                : Expand("'%s' is currently the {CObst} CHARACTER.  Make '%s' your new {NObst} character?");
        const std::string question = FormatText(format.c_str(), Find(current)->Name().c_str(), shown.c_str());
        return UserPrompts().AskYesNoCancel(question.c_str(), 1, true) == kAnswerYes;
    }
    if (role == kNoRole) {
        const std::string term = Expand(character->GetSubjectiveRole() == kMainRole ? "Main" : "{NObst}");
        const std::string refusal = FormatText(
            "You must have a %s character.  To remove this character's '%s' status, make another character "
            "'%s' first.",
            term.c_str(), term.c_str(), term.c_str());
        UserPrompts().AlertMessage(refusal.c_str(), AlertIcon::kStop);
        return false;
    }
    return true;
}
