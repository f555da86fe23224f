#include "datafiles/MacroCheck.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "storymodel/CharInfoRec.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/Terminology.h"

namespace {

// What an argument of a macro is read as.
enum class Argument {
    kCharacter,      // M the Main character, O the impact character (MC and OC too), or an id
    kKey,            // a key of a story record
    kCharacterKey,   // a key of a character's record
    kValue,          // an id, or the code of a story point whose value is read
    kNameValue,      // as kValue, and OCResolve
    kSubject,        // S one, P several, M or O a character
    kPronounPerson,  // M or O a character, P the preferred pronoun
    kCase,           // 0 as stored, 1 first letter capital, 2 all capitals
    kPronounForm,    // its first two characters complete the pronoun key: S1, O1, P1, P2, R1
    kVerbForm,       // INF, PTG, PT3, PAST, PRESP, PASTP
    kNumber,         // a record or text id
    kAny,            // any text
    kSubstitute,     // 1 the bullet, 2 the key that ends an answer
};

struct MacroRule {
    std::string_view name;
    std::vector<Argument> arguments;
    // The segment read for a numeric argument (a value's text, a numbered text or record); 0: none.
    FourCC reads = 0;
};

const std::vector<MacroRule>& MacroRules() {
    using A = Argument;
    static const std::vector<MacroRule> rules = {
        {"CNN", {A::kCharacter, A::kCharacterKey}},
        {"CNNU", {A::kCharacter, A::kCharacterKey}},
        {"SNF", {A::kNameValue}},
        {"DNF", {A::kValue}},
        {"CLS", {A::kValue}},
        {"DDF", {A::kValue}},
        {"SDF", {A::kValue}, FourCCOf("SDEF")},
        {"SLD", {A::kValue}, FourCCOf("LDEF")},
        {"SYN", {A::kValue}, FourCCOf("SYNS")},
        {"SNN", {A::kValue}, FourCCOf("SNNS")},
        {"SPN", {A::kValue}, FourCCOf("SNPL")},
        {"SVB", {A::kSubject, A::kValue, A::kVerbForm}, FourCCOf("SVRB")},
        {"PPN", {A::kPronounPerson, A::kCase, A::kPronounForm}},
        {"SDI", {A::kKey}},
        {"STF", {A::kKey}},
        {"QQE", {A::kNumber}, FourCCOf("FQQE")},
        {"QBG", {A::kNumber}, FourCCOf("FQBG")},
        {"QST", {A::kNumber}, FourCCOf("FQST")},
        {"QDU", {A::kNumber}, FourCCOf("FQDU")},
        {"APD", {A::kNumber}, FourCCOf("APPR")},
        {"GDO", {A::kAny, A::kAny, A::kAny}},
        {"SUB", {A::kSubstitute}},
    };
    return rules;
}

const MacroRule* FindRule(std::string_view name) {
    for (const MacroRule& rule : MacroRules()) {
        if (rule.name == name) return &rule;
    }
    return nullptr;
}

constexpr int kFirstValueID = 1000;
constexpr std::array<std::string_view, 6> kVerbForms = {"INF", "PTG", "PT3", "PAST", "PRESP", "PASTP"};
// The pronoun keys a form is read under, whatever the character: one man, woman or thing, several.
constexpr std::array<std::string_view, 4> kPronounPrefixes = {"S30", "S31", "S32", "P32"};

// Whether a character's record holds texts under the key: one of its fixed keys, an interaction
// (the stem and a digit) or a relationship (the stem and the other character's id in four hex digits).
bool IsCharacterKey(std::string_view key) {
    namespace K = CharacterKey;
    for (const char* fixed :
         {K::kName, K::kPicture, K::kForm, K::kSex, K::kSubjectiveRole, K::kArchetype, K::kRole,
          K::kDescription, K::kRoleX, K::kFunction, K::kActivities, K::kBackground, K::kInterests, K::kSkills,
          K::kBeliefs, K::kPhysical, K::kIntroduction, K::kDismissal}) {
        if (key == fixed) return true;
    }
    const std::string_view interaction = K::kInteractionStem;
    if (key.size() == interaction.size() + 1 && key.starts_with(interaction))
        return key.back() >= '0' && key.back() <= '9';
    const std::string_view relationship = K::kRelationshipStem;
    if (key.size() == relationship.size() + 4 && key.starts_with(relationship))
        return key.substr(relationship.size()).find_first_not_of("0123456789ABCDEFabcdef") ==
               std::string_view::npos;
    return false;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The number of a text of digits, held below 100000 as the expander holds it.
int NumberOf(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value < 10000 ? value * 10 + (c - '0') : 99999;
    return value;
}

// Whether the id names a theory item or a story point (or one of its values).
bool IsKnownID(int id) {
    if (id > 0 && id < kElementCount) return true;
    return id >= kFirstValueID && id <= INT16_MAX && StoryPointByID(static_cast<std::int16_t>(id));
}

class MacroReader {
public:
    MacroReader(std::string_view whole, const SourcePlace& place, const MacroError& error,
                CompiledSegment& segment)
        : whole_(whole), place_(place), error_(error), segment_(segment) {}

    void Check(std::string_view name, const std::vector<std::string_view>& arguments, bool hasArguments) {
        if (TextMacroExpander::KnowsMacro(name)) {
            CheckRule(*FindRule(name), arguments);
        } else if (name.size() >= 2 && TerminologyTerm(std::string(name.substr(1)).c_str())) {
            if (hasArguments) Fail("a term takes no arguments");
        } else {
            Fail("no macro is called " + std::string(name) + ": the program would show it as written");
        }
    }

private:
    void Fail(const std::string& message) { error_(std::string(whole_) + ": " + message); }

    void CheckRule(const MacroRule& rule, const std::vector<std::string_view>& arguments) {
        if (arguments.size() != rule.arguments.size()) {
            Fail(std::string(rule.name) + " takes " + std::to_string(rule.arguments.size()) + " argument" +
                 (rule.arguments.size() == 1 ? "" : "s") + ", not " + std::to_string(arguments.size()));
            return;
        }
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            CheckArgument(rule, rule.arguments[i], arguments[i]);
        }
    }

    void CheckArgument(const MacroRule& rule, Argument kind, std::string_view text) {
        const char first = text.empty() ? '\0' : text[0];
        switch (kind) {
            case Argument::kCharacter:
                if (first != 'M' && first != 'O' && !AllDigits(text))
                    Fail("the character is M (the Main character), O (the impact character) or an id");
                break;
            case Argument::kKey:
                if (text.empty()) Fail("the key is empty");
                break;
            case Argument::kCharacterKey:
                if (text.empty()) {
                    Fail("the key is empty");
                } else if (!IsCharacterKey(text)) {
                    Fail(
                        "a character has no text under " + std::string(text) +
                        ": the key is NM (the name), Des, Role, BG ... as the character's record keeps them");
                }
                break;
            case Argument::kNameValue:
                if (text == "OCResolve") break;
                [[fallthrough]];
            case Argument::kValue: CheckValue(rule, text); break;
            case Argument::kSubject:
                if (first != 'S' && first != 'P' && first != 'M' && first != 'O')
                    Fail("the subject is S (one), P (several), M or O (a character)");
                break;
            case Argument::kPronounPerson:
                if (first != 'M' && first != 'O' && first != 'P')
                    Fail("the person is M or O (a character) or P (the preferred pronoun)");
                break;
            case Argument::kCase:
                if (text != "0" && text != "1" && text != "2")
                    Fail("the case is 0 (as stored), 1 (a capital first) or 2 (all capitals)");
                break;
            case Argument::kPronounForm: CheckPronounForm(text); break;
            case Argument::kVerbForm:
                if (std::find(kVerbForms.begin(), kVerbForms.end(), text) == kVerbForms.end())
                    Fail("the verb form is INF, PTG, PT3, PAST, PRESP or PASTP");
                break;
            case Argument::kNumber:
                if (!AllDigits(text) || NumberOf(text) == 0) {
                    Fail("the number is a record id of digits");
                } else {
                    Reference(rule.reads, NumberOf(text));
                }
                break;
            case Argument::kAny: break;
            case Argument::kSubstitute:
                if (text != "1" && text != "2")
                    Fail("SUB(1) is the bullet, SUB(2) the key that ends an answer");
                break;
        }
    }

    void CheckValue(const MacroRule& rule, std::string_view text) {
        if (!AllDigits(text)) {
            if (StoryPointIndexForCode(std::string(text).c_str()) < 0)
                Fail("no story point has the code " + std::string(text));
            return;
        }
        const int id = NumberOf(text);
        if (!IsKnownID(id)) {
            Fail(std::string(text) + " is no theory item, story point or value");
            return;
        }
        if (!rule.reads) return;
        // Verbs fold every id above the variations; texts fold the element ids below the story points.
        const bool verb = rule.name == "SVB";
        Reference(rule.reads,
                  verb && id >= kFirstElementID ? kFirstElementID + ElementRank(id) : FoldElementID(id));
    }

    void CheckPronounForm(std::string_view text) {
        if (text.size() < 2) {
            Fail("the pronoun form has two characters, as S1 (subject) or P1 (possessive)");
            return;
        }
        for (std::string_view prefix : kPronounPrefixes) {
            segment_.keyReferences.push_back({{FourCCOf("PPNN"), 1},
                                              std::string(prefix) + std::string(text.substr(0, 2)),
                                              place_,
                                              std::string(whole_)});
        }
    }

    void Reference(FourCC type, int id) {
        if (id > 0xFFFF) return;
        segment_.references.push_back({{type, static_cast<std::uint16_t>(id)}, place_, std::string(whole_)});
    }

    std::string_view whole_;
    const SourcePlace& place_;
    const MacroError& error_;
    CompiledSegment& segment_;
};

}  // namespace

void CheckMacros(std::string_view text, const SourcePlace& place, const MacroError& error,
                 CompiledSegment& segment) {
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t brace = text.find_first_of("{}", position);
        if (brace == std::string_view::npos) return;
        if (text[brace] == '}') {
            error(
                "a } that no { opens: the program would show it as written (a brace the reader sees is \\})");
            position = brace + 1;
            continue;
        }
        // As the expander reads it: up to the first right brace, with the last parentheses before it.
        const std::size_t close = text.find('}', brace + 1);
        if (close == std::string_view::npos) {
            error(
                "a { that no } closes: the program would show the rest as written (a brace the reader sees "
                "is \\{)");
            return;
        }
        const std::string_view whole = text.substr(brace, close + 1 - brace);
        const std::size_t open = whole.rfind('(');
        const std::size_t shut = whole.rfind(')');
        const bool hasOpen = open != std::string_view::npos;
        const bool hasShut = shut != std::string_view::npos;
        const std::string_view name = whole.substr(1, (hasOpen ? open : whole.size() - 1) - 1);
        const auto fail = [&](const std::string& message) { error(std::string(whole) + ": " + message); };
        position = close + 1;
        if (whole.find('{', 1) != std::string_view::npos) {
            fail("a macro cannot hold a {");
            continue;
        }
        if (name.size() > TextMacroExpander::kMaxNameLength) {
            fail("the name is longer than " + std::to_string(TextMacroExpander::kMaxNameLength) +
                 " characters");
            continue;
        }
        if (hasOpen != hasShut || (hasOpen && (shut < open || shut + 2 != whole.size()))) {
            fail("the arguments are written (a,b,...) just before the }");
            continue;
        }
        std::vector<std::string_view> arguments;
        if (hasOpen) {
            std::string_view rest = whole.substr(open + 1, shut - open - 1);
            for (std::size_t comma = rest.find(',');; comma = rest.find(',')) {
                arguments.push_back(rest.substr(0, comma));
                if (comma == std::string_view::npos) break;
                rest.remove_prefix(comma + 1);
            }
        }
        if (arguments.size() > TextMacroExpander::kMaxArguments) {
            fail("a macro takes at most " + std::to_string(TextMacroExpander::kMaxArguments) + " arguments");
            continue;
        }
        const auto tooLong = [](std::string_view argument) {
            return argument.size() > TextMacroExpander::kMaxArgumentLength;
        };
        if (std::any_of(arguments.begin(), arguments.end(), tooLong)) {
            fail("an argument is longer than " + std::to_string(TextMacroExpander::kMaxArgumentLength) +
                 " characters");
            continue;
        }
        MacroReader(whole, place, error, segment).Check(name, arguments, hasOpen);
    }
}
