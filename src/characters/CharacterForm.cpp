#include "characters/CharacterForm.h"

#include <utility>

#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"

namespace {

// The stock pictures of a man and of a woman.
constexpr std::uint16_t kManPicture = 0;
constexpr std::uint16_t kWomanPicture = 1;

}  // namespace

std::uint16_t StockPicture(std::uint16_t sex) { return sex == kFemaleSex ? kWomanPicture : kManPicture; }

CharacterForm NewCharacterForm(const CharacterManager& characters) {
    CharacterForm form;
    char name[32] = "";
    characters.MakeDefaultName(name, sizeof name);
    form.name = name;
    const std::int16_t sex = characters.GetDefaultGender();
    form.sex = sex >= 0 && sex <= kNeutralSex ? static_cast<std::uint16_t>(sex) : kMaleSex;
    form.picture = StockPicture(form.sex);
    return form;
}

CharacterForm ReadCharacterForm(CharInfoRec& character) {
    CharacterForm form;
    form.name = character.Name();
    form.sex = character.GetSex();
    form.identity = character.GetSubjectiveRole();
    form.picture = character.GetPicture();
    form.role = character.GetText(CharacterKey::kRole);
    form.description = character.GetText(CharacterKey::kDescription);
    return form;
}

CharID WriteCharacterForm(CharacterManager& characters, CharID id, const CharacterForm& form,
                          ErrCode* error) {
    if (error) *error = kNoErr;
    CharInfoRec* character = characters.GetCharacter(id);
    if (!character) {
        // The default name is left to the manager, which then moves on to the next number.
        char defaultName[32] = "";
        characters.MakeDefaultName(defaultName, sizeof defaultName);
        const bool named = CharInfoRec::IsName(form.name) && form.name != defaultName;
        id = characters.CreateCharacter(named ? form.name.c_str() : nullptr, form.sex, kSingularForm,
                                        form.picture, kNoRole, false);
        character = characters.GetCharacter(id);
        if (!character) return kNoCharID;
    }
    // Each setter stores the record, so a value is only written when it changed.
    if (form.name != character->Name()) character->SetName(form.name.c_str());
    if (form.sex != character->GetSex()) character->SetSex(form.sex);
    if (form.picture != character->GetPicture()) character->SetPicture(form.picture);
    for (const auto& [key, text] : {std::pair{CharacterKey::kRole, &form.role},
                                    std::pair{CharacterKey::kDescription, &form.description}}) {
        if (*text == character->GetText(key)) continue;
        const ErrCode written = character->SetText(key, text->c_str());
        if (error && *error == kNoErr) *error = written;
    }
    if (form.identity != character->GetSubjectiveRole() &&
        characters.ConfirmSubjectiveRole(id, form.identity)) {
        if (form.identity == kMainRole || form.identity == kImpactRole) {
            characters.AssignRoleById(form.identity, id);
        } else {
            character->SetSubjectiveRole(form.identity);
        }
    }
    return id;
}
