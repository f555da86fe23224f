// The character keywords bound to popups, and the item lists of the character popups.

#include <string>

#include "items/TControl.h"
#include "query/data/FQSInterpretation.h"
#include "query/keywords/CharacterKeywords.h"
#include "query/keywords/KeywordSupport.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"

using keywords::CharacterOf;
using keywords::CharactersOf;

namespace {

// Shows the index in the popup again after a refused change.
void ShowIndex(TControl* control, std::int16_t index) {
    if (control) control->SetValue(index, true);
}

// Writes item lines at the output while room lasts: a line break before every line but the first
// when more than one byte is left, a line only when it fits whole.
class ItemLines {
public:
    ItemLines(char* out, std::int32_t remaining) : cursor_(out), remaining_(remaining) {}

    void Add(const std::string& line) {
        if (!first_ && remaining_ > 1) Write("\n");
        first_ = false;
        if (static_cast<std::int32_t>(line.size()) < remaining_) Write(line);
    }
    // A fixed piece before the lines, written when more than `above` bytes are left.
    void AddFixed(const std::string& text, std::int32_t above) {
        if (remaining_ > above) Write(text);
    }

private:
    void Write(const std::string& text) {
        text.copy(cursor_, text.size());
        cursor_ += text.size();
        remaining_ -= static_cast<std::int32_t>(text.size());
        *cursor_ = '\0';
    }

    char* cursor_;
    std::int32_t remaining_;
    bool first_ = true;
};

// The relationship candidates of the character in list order: every other character it has no
// relationship with yet.
template <typename Visit>
void ForEachCandidate(CharacterManager& characters, CharInfoRec& character, Visit visit) {
    for (std::int32_t position = 0; position < characters.GetCount(); ++position) {
        const CharID id = characters.IdAt(position);
        if (id == character.GetID() || character.HasRelationship(id)) continue;
        if (!visit(id, *characters.RecordAt(position))) return;
    }
}

}  // namespace

// --- Archetype, sex and form

std::int16_t KChRefArch::GetChoice(IStoryDocument* document, const FQSInterpretation& binding) {
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    return character ? character->GetArchetype() : 0;
}

void KChRefArch::SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value) {
    if (CharInfoRec* character = CharacterOf(document, binding.GetCharacter()))
        character->SetArchetype(value);
}

std::int16_t KChRefSex::GetChoice(IStoryDocument* document, const FQSInterpretation& binding) {
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    return character ? static_cast<std::int16_t>(character->GetSex()) : 0;
}

void KChRefSex::SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value) {
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    if (character) character->SetSex(static_cast<std::uint16_t>(value));
}

std::int16_t KChRefForm::GetChoice(IStoryDocument* document, const FQSInterpretation& binding) {
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    return character ? static_cast<std::int16_t>(character->GetForm()) : 0;
}

void KChRefForm::SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value) {
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    if (character) character->SetForm(static_cast<std::uint16_t>(value));
}

bool KChRefForm::AcceptChoice(TControl*, std::int16_t& value, IStoryDocument*, const FQSInterpretation&) {
    ++value;
    return true;
}

void KChRefForm::ChoiceToIndex(std::int16_t& value) { --value; }

// --- Subjective role

std::int16_t KChRefSubj::GetChoice(IStoryDocument* document, const FQSInterpretation& binding) {
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    return character ? character->GetSubjectiveRole() : kNoRole;
}

void KChRefSubj::SetChoice(IStoryDocument* document, const FQSInterpretation& binding, std::int16_t value) {
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    if (character) character->SetSubjectiveRole(value);
}

bool KChRefSubj::AcceptChoice(TControl* control, std::int16_t& value, IStoryDocument* document,
                              const FQSInterpretation& binding) {
    CharacterManager* characters = CharactersOf(document);
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    if (!characters || !character) return false;
    if (value > 1) --value;
    if (characters->ConfirmSubjectiveRole(character->GetID(), value)) return true;
    std::int16_t index = character->GetSubjectiveRole();
    ChoiceToIndex(index);
    ShowIndex(control, index);
    return false;
}

void KChRefSubj::ChoiceToIndex(std::int16_t& value) {
    if (value >= 1) ++value;
}

// --- Main and impact character

std::int16_t SetSubjChar::Role() const { return static_cast<std::int16_t>(2 - (ChoosesMain() ? 1 : 0)); }

std::int16_t SetSubjChar::GetChoice(IStoryDocument* document, const FQSInterpretation&) {
    CharacterManager* characters = CharactersOf(document);
    if (!characters) return 0;
    return static_cast<std::int16_t>(ChoosesMain() ? characters->GetMainIndex()
                                                   : characters->GetImpactIndex());
}

bool SetSubjChar::AcceptChoice(TControl* control, std::int16_t& value, IStoryDocument* document,
                               const FQSInterpretation& binding) {
    CharacterManager* characters = CharactersOf(document);
    if (!characters) return false;
    const CharID chosen = characters->IdAt(value);
    if (!IsValidCharID(chosen) || !characters->ConfirmSubjectiveRole(chosen, Role())) {
        ShowIndex(control, GetChoice(document, binding));
        return false;
    }
    characters->GetCharacter(chosen)->SetSubjectiveRole(Role());
    keywords::RequestGoTo(document);
    return false;
}

// --- Relationships

bool KChRefAddR::AcceptChoice(TControl*, std::int16_t& value, IStoryDocument* document,
                              const FQSInterpretation& binding) {
    CharacterManager* characters = CharactersOf(document);
    CharInfoRec* character = CharacterOf(document, binding.GetCharacter());
    if (!characters || !character || value < 2) return false;
    std::int32_t countdown = value - 2;
    CharID candidate = kNoCharID;
    ForEachCandidate(*characters, *character, [&](CharID id, CharInfoRec&) {
        if (countdown-- > 0) return true;
        candidate = id;
        return false;
    });
    if (!IsValidCharID(candidate)) return false;
    character->EnsureRelationship(candidate);
    FQSGoToTarget target;
    target.character = character->GetID();
    target.secondCharacter = candidate;
    target.topic = static_cast<std::int16_t>(binding.GetParameter());
    keywords::RequestGoTo(document, target);
    return false;
}

// --- Item lists

TFQSInterpretable* KChCharListM::Interpret(char* out, const char*&, std::int32_t remaining,
                                           IStoryDocument* document, FQSInterpretation&, std::int32_t&) {
    CharacterManager* characters = CharactersOf(document);
    if (!characters) return nullptr;
    ItemLines lines(out, remaining);
    for (std::int32_t position = 0; position < characters->GetCount(); ++position)
        lines.Add(characters->RecordAt(position)->Name());
    return nullptr;
}

TFQSInterpretable* KChRefPossR::Interpret(char* out, const char*&, std::int32_t remaining,
                                          IStoryDocument* document, FQSInterpretation& interpretation,
                                          std::int32_t&) {
    ItemLines names(out, remaining);
    names.AddFixed("No one", 6);
    names.AddFixed("\n-\n", 3);
    CharacterManager* characters = CharactersOf(document);
    CharInfoRec* character = CharacterOf(document, interpretation.GetCharacter());
    if (!characters || !character) return nullptr;
    ForEachCandidate(*characters, *character, [&names](CharID, CharInfoRec& candidate) {
        names.Add(candidate.Name());
        return true;
    });
    return nullptr;
}
