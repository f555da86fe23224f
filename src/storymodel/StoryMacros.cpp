// The macros that read the story itself: its characters' texts, pronouns and verbs that agree
// with a character, and the texts of its information and storytelling records.

#include <algorithm>

#include "foundation/PlainText.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/StyledText.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/ElementTable.h"

namespace {

constexpr const char* kNotAvailable = "<Not Available>";
constexpr std::size_t kMaxVerb = 99;
constexpr std::size_t kMaxPronoun = 63;
// A verb text that begins with this byte takes its first part from the shared verb forms.
constexpr char kSharedVerbForm = '\xA5';

constexpr FourCC kVerbRecord = FourCCOf("SVRB");
constexpr FourCC kVerbFormsRecord = FourCCOf("LVRB");

// The domains of the "GDomain" storytelling key, 1-4.
constexpr const char* kDomainPhrases[] = {
    "the Events that effect people",
    "the Relationships between people",
    "what it feels like to be a certain kind of person",
    "an exploration of a certain kind of person",
};

// The key of the shared verb forms for a form keyword and number (1 singular); empty for a keyword
// that has none.
std::string SharedVerbFormKey(std::string_view form, int number) {
    char letter = 0;
    if (form == "INF") letter = 'I';
    if (form == "PTG" || form == "PT3") letter = 'P';
    if (form == "PAST") letter = 'X';
    if (form == "PRESP") letter = 'Y';
    if (form == "PASTP") letter = 'Z';
    if (!letter) return {};
    return {letter, number == 1 ? '5' : '6'};
}

// Who a macro names, by the first letter of its argument: M the Main character, O the impact
// character (so "MC" and "OC" serve as well), P plural, S singular; 0 for none.
char Who(std::string_view who) { return who.empty() ? '\0' : who[0]; }

}  // namespace

CharInfoRec* TextMacroExpander::Character(std::string_view who) const {
    CharacterManager* characters = document_ ? document_->GetCharacterManager() : nullptr;
    if (!characters || who.empty()) return nullptr;
    CharInfoRec* character = nullptr;
    if (Who(who) == 'M') {
        character = characters->RecordAt(characters->GetMainIndex());
    } else if (Who(who) == 'O') {
        character = characters->RecordAt(characters->GetImpactIndex());
    } else if (IsDecimalDigit(who[0])) {
        const int number = Number(who);
        character = number < kNoCharID ? characters->GetCharacter(static_cast<CharID>(number)) : nullptr;
    }
    if (character) character->Record();
    return character;
}

void TextMacroExpander::MacroCNN(const MacroCall& call) {
    const std::string_view who = call.Argument(0);
    const std::string_view key = call.Argument(1);
    if (!document_) {
        if (key == "NM" && (Who(who) == 'M' || Who(who) == 'O')) {
            Append(CharacterManager::PlaceholderName(Who(who) == 'M'));
        } else {
            Append(kNotAvailable);
        }
        return;
    }
    CharInfoRec* character = Character(who);
    if (!character) {
        Append(kNotAvailable);
    } else if (key == CharacterKey::kName) {
        // Never a blank where a name stands; a name is appended as the manager keeps it.
        Append(CharacterManager::ShownName(*character));
    } else if (PText* record = character->Record()) {
        Append(RecordTextView(*record, key));
    }
}

void TextMacroExpander::MacroCNNU(const MacroCall& call) {
    const std::size_t start = expansion_.output.size();
    MacroCNN(call);
    if (start < expansion_.output.size()) expansion_.output[start] = UpperChar(expansion_.output[start]);
}

void TextMacroExpander::MacroPPN(const MacroCall& call) {
    const std::string_view who = call.Argument(0);
    CharInfoRec* character = Who(who) == 'M' || Who(who) == 'O' ? Character(who) : nullptr;
    int sex = application_ ? application_->GetPronounGender() : 1;
    int number = 1;
    if (character) {
        sex = character->GetSex();
        number = character->GetForm();
    }
    std::string key = {number == 1 ? 'S' : 'P', '3',
                       static_cast<char>('0' + (number > 1 ? 2 : std::clamp(sex, 0, 9)))};
    key += call.Argument(2).substr(0, 2);
    PText* pronouns = application_ ? application_->GetPronounRecord() : nullptr;
    if (!pronouns) return;
    std::string pronoun(RecordTextView(*pronouns, key).substr(0, kMaxPronoun));
    const int caseRule = Number(call.Argument(1));
    if (caseRule == 1 && !pronoun.empty()) pronoun[0] = UpperChar(pronoun[0]);
    if (caseRule == 2) std::transform(pronoun.begin(), pronoun.end(), pronoun.begin(), UpperChar);
    Append(pronoun);
}

void TextMacroExpander::MacroSVB(const MacroCall& call) {
    const std::string_view subject = call.Argument(0);
    int number = Who(subject) == 'P' ? 2 : 1;
    if (Who(subject) == 'M' || Who(subject) == 'O') {
        const CharInfoRec* character = Character(subject);
        number = character ? character->GetForm() : 1;
    }
    int value = Value(call.Argument(1));
    if (value == 0 || value == -1) {
        AppendStyled(value == 0 ? "an unchosen item" : "a multiply defined item", 'B');
        return;
    }
    // Verbs fold every id above the variations, the story point values too.
    if (value >= kFirstElementID) value = kFirstElementID + ElementRank(value);
    PText* verb = DataRecord(kVerbRecord, value);
    if (!verb) return;
    const std::string_view form = call.Argument(2);
    const std::string_view base = RecordTextView(*verb, "B").substr(0, kMaxVerb);
    Append(kBoldOn);
    if (!base.empty() && base[0] == kSharedVerbForm) {
        PText* forms = DataRecord(kVerbFormsRecord, 1);
        const std::string key = SharedVerbFormKey(form, number);
        if (forms && !key.empty()) Append(RecordTextView(*forms, key));
        Append(base.substr(1));
    } else {
        Append(base);
        Append(RecordTextView(*verb, form));
    }
    Append(kBoldOff);
    Collect(value);
}

void TextMacroExpander::MacroSDI(const MacroCall& call) {
    if (!document_) {
        Append(kNotAvailable);
        return;
    }
    // A story text may name itself: past the deepest nesting it adds nothing.
    if (nesting_ >= kMaxNesting) return;
    const std::string text = RecordText(document_->GetInfoRecord(), call.Argument(0));
    if (!Spend(text.size())) return;
    TextMacroExpander nested(document_, text.c_str(), idCollector_, expansion_, nesting_ + 1);
    nested.Walk();
}

void TextMacroExpander::MacroSTF(const MacroCall& call) {
    if (!document_) {
        Append(kNotAvailable);
        return;
    }
    AppendStyled(RecordTextView(document_->GetStorytellingRecord(), call.Argument(0)), 'I');
}

void TextMacroExpander::MacroGDO(const MacroCall& call) {
    std::int16_t domain = 0;
    if (document_) document_->GetStorytellingRecord().GetEntry("GDomain", kPTextShort, &domain);
    if (domain < 1 || domain > 4) {
        Append(call.Argument(2));
        return;
    }
    Append(call.Argument(0));
    Append(kDomainPhrases[domain - 1]);
    Append(call.Argument(1));
}
