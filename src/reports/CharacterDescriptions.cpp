// A character's description in one of five layouts: the profile (style 1), the summary paragraph
// (2), the identity card (3), the role card (4) and the characteristics heading (any other
// style). All but the cards go on with the character's characteristics, dimension by dimension.
//
// Reads the character's record: "NM", "Subj", "Sex", "Form", "Arch", "Role", "Des", "RoleX",
// "CFunc", "Actv", "Phys", "Bel", "Skil", "Int" and "BG", and its characteristics; no template. A
// character id that names no character (an absent Main or impact character) appends nothing, and
// sex, form and archetype values outside their word tables print no word. The profile and the
// identity card say that a character has no name yet rather than show the name a new story gives.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "reports/CharacterWords.h"
#include "reports/CharacteristicConflict.h"
#include "reports/ReportComposer.h"
#include "reports/ReportText.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/StoryTextLimits.h"
#include "storymodel/engine/ElementTable.h"

namespace {

// The scratch sizes of the texts, the NUL included: every text the writer can give a character fits
// whole, and a longer one kept from before is cut to its size - 1 characters.
constexpr std::uint32_t kRoleSize = kRoleTextLimit + 1;
constexpr std::uint32_t kTextSize = kLongTextLimit + 1;
constexpr std::uint32_t kNameSize = 100;

constexpr std::array<const char*, 3> kSexWords = {"Male", "Female", "Non-Gendered"};

const char* SexWord(std::uint16_t sex) { return sex < kSexWords.size() ? kSexWords[sex] : ""; }

const char* FormWord(std::uint16_t form) {
    return form == kSingularForm ? "Single" : form == kPluralForm ? "Plural" : "";
}

const char* ArchetypeWord(std::int16_t archetype) {
    switch (archetype) {
        case 2: return "Complex";
        case 4: return "Protagonist";
        case 5: return "Antagonist";
        case 6: return "Sidekick";
        case 7: return "Skeptic";
        case 8: return "Emotion";
        case 9: return "Reason";
        case 10: return "Guardian";
        case 11: return "Contagonist";
        default: return "";
    }
}

const char* RoleWord(std::int16_t role) {
    return role == kMainRole ? "Main" : role == kImpactRole ? "{NObst}" : nullptr;
}

// The character's text of the key, up to its first NUL and cut to size - 1 characters.
std::string Text(CharInfoRec& character, std::string_view key, std::uint32_t size) {
    std::string text = character.GetText(key);
    text.resize(std::min<std::size_t>(std::strlen(text.c_str()), size - 1));
    return text;
}

// What the layouts read of a character.
struct Profile {
    explicit Profile(CharInfoRec& character)
        : name(CharacterManager::ShownName(character).substr(0, kNameSize - 1)),
          role(Text(character, CharacterKey::kRole, kRoleSize)),
          description(Text(character, CharacterKey::kDescription, kTextSize)),
          activities(Text(character, CharacterKey::kActivities, kTextSize)),
          subjectiveRole(character.GetSubjectiveRole()),
          sex(SexWord(character.GetSex())),
          form(FormWord(character.GetForm())),
          archetype(ArchetypeWord(character.GetArchetype())) {}
    std::string name, role, description, activities;
    std::int16_t subjectiveRole;
    const char* sex;
    const char* form;
    const char* archetype;
};

}  // namespace

void ReportComposer::AppendCharacterDescription(CharID id, std::int16_t style) {
    CharacterManager* characters = GetCharacterManager();
    CharInfoRec* character = characters && IsValidCharID(id) ? characters->GetCharacter(id) : nullptr;
    if (!character) return;
    const Profile p(*character);
    const std::string b = StyleCodeText("B+"), nb = StyleCodeText("B-");
    const std::string i = StyleCodeText("I+"), ni = StyleCodeText("I-");
    const std::string hanging = StyleCodeText("M(10,30,0)"), block = StyleCodeText("M(40,40,0)");
    const std::string none = StyleCodeText("M(0,0,0)"), summary = StyleCodeText("M(20,20,0)");
    std::string out;
    // A line of the profile: the label in bold, the value in italics.
    const auto line = [&](const char* label, const std::string& value, const std::string& indent = {}) {
        out += b + label + nb + indent + i + value + ni + hanging + "\n";
    };
    const char* subjective = RoleWord(p.subjectiveRole);
    const std::string name = HasNoNameYet(id) ? "not given yet" : p.name;
    switch (style) {
        case 1: {
            out += none;
            line("Name:  ", name);
            if (subjective) line("ID:  ", std::string(subjective) + " Character");
            line("Gender:  ", p.sex);
            line("Form: ", p.form);
            if (!p.description.empty())
                out += b + "Description:" + nb + "\n" + block + i + p.description + ni + hanging + "\n";
            if (!p.role.empty()) line("Role:  ", p.role);
            const std::pair<const char*, const char*> texts[] = {
                {"Extended Role:  ", CharacterKey::kRoleX},
                {"Function:  ", CharacterKey::kFunction},
                {"Story Activities:  ", CharacterKey::kActivities},
                {"Physical Traits & Mannerisms:  ", CharacterKey::kPhysical},
                {"Affiliations & Beliefs:  ", CharacterKey::kBeliefs},
                {"Skills & Occupations:  ", CharacterKey::kSkills},
                {"Interests:  ", CharacterKey::kInterests},
                {"Background & Family History:  ", CharacterKey::kBackground},
            };
            for (const auto& [label, key] : texts) {
                const std::string value = Text(*character, key, kTextSize);
                if (!value.empty()) line(label, value, block);
            }
            if (*p.archetype) line("Character Type: ", p.archetype, block);
            out += b + "Characteristics:" + nb;
            break;
        }
        case 2:
            out += summary + b + p.name + nb;
            if (subjective) out += "; " + i + subjective + " Character" + ni;
            if (!p.role.empty()) out += "; " + i + p.role + ni;
            if (*p.archetype) out += "; " + i + p.archetype + ni;
            out += i + "; " + i + p.sex + ni;
            if (!p.description.empty()) out += "\n" + block + i + p.description + ni;
            out += none;
            break;
        case 3:
            out += none + b + "Name:  " + nb + name + "\n";
            out += b + "ID:  " + nb;
            if (subjective) out += i + subjective + " Character; " + ni;
            if (*p.archetype) out += i + p.archetype + ni;
            out += "\n";
            out += b + "Gender:  " + nb + i + p.sex + ni + "\n";
            out += b + "Description:  " + nb + i + p.description + ni + "\n" + none;
            out += b + "Role:  " + nb + i + p.role + ni + "\n" + none;
            out += b + "Story Activities:  " + nb + i + p.activities + ni + hanging + "\n";
            break;
        case 4:
            out += summary + b + "Role:  " + nb + i + p.role + ni + "\n\n";
            out += b + "Description:  " + nb + i + p.description + ni + "\n\n";
            out += b + "Story Activities:  " + nb + i + p.activities + ni;
            break;
        default:
            out += none + b + OpeningWords(PossessiveName(p.name, character->GetForm())) + " " + nb +
                   "Characteristics";
            if (const RolePhrase as = RoleAfterAs(p.role); !as.words.empty())
                out += " (as " + as.determiner + i + as.words + ni + ")";
            if (showStorytelling_ && !p.description.empty())
                out += "\n" + StyleCodeText("M(20,20,20)") + i + p.description + ni + none;
            break;
    }
    out += "\n";
    AppendText(out.c_str());
    if (style != 3 && style != 4) {
        for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
            std::string list;
            for (const std::int16_t element : characters->GetCharacteristics(id, dimension)) {
                if (!IsElementID(element)) continue;
                list += (list.empty() ? "" : "; ") + std::string("{SNF(") + std::to_string(element) + ")}";
            }
            if (list.empty()) continue;
            AppendText((StyleCodeText("M(40,60,60)") + b + StyleCodeText("U+") + DimensionHeading(dimension) +
                        nb + StyleCodeText("U-") + ":  " + list + "\n")
                           .c_str());
        }
    }
    AppendStyleCode(ReportStyle::kMarginsNone);
    AppendStyleCode(ReportStyle::kParagraphEnd);
}
