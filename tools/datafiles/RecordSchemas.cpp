#include "datafiles/RecordSchemas.h"

#include <algorithm>
#include <map>

#include "foundation/Version.h"
#include "reports/ReportTemplateKeys.h"

namespace {

// --- 'INFO' 0: read at start-up (version words and text) and by the splash screen and about box,
// whose texts are read into one 1,000-byte buffer each.

constexpr std::size_t kInfoTextBuffer = 1000;
constexpr std::size_t kVersionTextLength = 11;

constexpr KeyRule kInfoKeys[] = {
    {"MajVer", 's', 0, 255},
    {"MinVer", 's', 0, 255},
    {"MaintVer", 's', 0, 255},
    {"FileFmt", 's', 1, 32767},
    {"Vers", 'c', 0, 0, kVersionTextLength},
    {"Copyright", 'c', 0, 0, kInfoTextBuffer - 1},
    {"CreditA", 'c', 0, 0, kInfoTextBuffer - 1},
    {"CreditB", 'c', 0, 0, kInfoTextBuffer - 1},
};

std::int64_t NumberOf(const RecordValue& value) { return std::stoll(value.text); }

void CheckInfo(const std::vector<std::string_view>& /*keys*/, const RecordValueLookup& values,
               const RecordError& error) {
    const RecordValue* creditA = values("CreditA");
    const RecordValue* creditB = values("CreditB");
    if (creditA && creditB && creditA->text.size() + creditB->text.size() > kInfoTextBuffer - 1) {
        error(creditB->line, "CreditA and CreditB are read one after the other into " +
                                 std::to_string(kInfoTextBuffer) + " bytes: together they may have at most " +
                                 std::to_string(kInfoTextBuffer - 1) + " characters, not " +
                                 std::to_string(creditA->text.size() + creditB->text.size()));
    }
    // The version words must tell the version the text tells.
    const RecordValue* text = values("Vers");
    if (!text) return;
    const VersionNumber version = ParseVersion(text->text);
    const struct {
        const char* key;
        std::uint32_t part;
    } words[] = {{"MajVer", VersionMajor(version)},
                 {"MinVer", VersionMinor(version)},
                 {"MaintVer", VersionBuild(version)}};
    for (const auto& word : words) {
        const RecordValue* value = values(word.key);
        if (value && NumberOf(*value) != word.part) {
            error(value->line, std::string(word.key) + " is " + value->text + " but Vers \"" + text->text +
                                   "\" reads as " + std::to_string(word.part));
        }
    }
}

// --- 'PPNN' 1: a pronoun is read under S (one) or P (more than one), the digit 3, the sex digit
// (0 male, 1 female, 2 neither; a plural always reads with 2) and the first two characters of the
// form a template asks for; at most 63 characters are read.

constexpr std::size_t kPronounLength = 63;

bool IsPronounKey(std::string_view key, std::string& why) {
    if (key.size() != 5 || (key[0] != 'S' && key[0] != 'P') || key[1] != '3' || key[2] < '0' ||
        key[2] > '2') {
        why = "pronoun keys are S or P, 3, a sex digit 0 to 2 and a two-character form, as in S30P1";
        return false;
    }
    if (key[0] == 'P' && key[2] != '2') {
        why = "plural pronouns are read with the sex digit 2 only";
        return false;
    }
    return true;
}

constexpr KeyRule kPronounKeys[] = {
    {"pronoun keys", 'c', 0, 0, kPronounLength, Notation::kPlain, IsPronounKey},
};

// --- 'RPTX' n: the report templates, keyed texts "S1", "S2", ... written as styled text (macros,
// style codes); each is read into a work buffer of 20,480 bytes.

constexpr std::size_t kReportTemplateBuffer = 20480;

bool IsReportTemplateKey(std::string_view key, std::string& why) {
    const bool digits = key.size() >= 2 && key.size() <= 4 && key[0] == 'S' && key[1] != '0' &&
                        key.substr(1).find_first_not_of("0123456789") == std::string_view::npos;
    if (!digits) why = "report template keys are S and a number from 1, as in S12";
    return digits;
}

constexpr KeyRule kReportTemplateKeys[] = {
    {"report template keys", 'c', 0, 0, kReportTemplateBuffer - 1, Notation::kStyled, IsReportTemplateKey},
};

// Each record holds exactly the keys its builder reads: a record read key by key every key of its
// set; a record read whole "S1" and the keys after it without a gap.
void CheckReportTemplateKeys(std::uint16_t number, const std::vector<std::string_view>& keys,
                             const RecordValueLookup& values, const RecordError& error) {
    const TemplateKeySet* set = FindTemplateKeySet(number);
    if (!set) {
        error(0, "no report reads template " + std::to_string(number));
        return;
    }
    std::uint64_t present = 0;
    for (std::string_view key : keys) {
        const int n = TemplateKeyNumber(key);
        if (!set->Reads(n)) {
            error(values(key)->line,
                  "template " + std::to_string(number) + " is never read under " + std::string(key) +
                      (set->IsReadWhole() ? ": a template read whole holds S1 to S63 at most" : ""));
            continue;
        }
        present |= std::uint64_t{1} << n;
    }
    if (set->IsReadWhole()) {
        if (!(present & TemplateKey(1))) {
            error(0, "template " + std::to_string(number) +
                         " needs S1: its report reads from S1 up to the first "
                         "key missing");
            return;
        }
        // The keys after the first gap would never be read; the first of them is named.
        int n = 1;
        while (present >> (n + 1) & 1u) ++n;
        int after = n + 2;
        while (after <= 63 && !(present >> after & 1u)) ++after;
        if (after <= 63)
            error(values("S" + std::to_string(after))->line,
                  "template " + std::to_string(number) + " lacks S" + std::to_string(n + 1) +
                      ": its report stops reading there, and the keys after it would never be read");
        return;
    }
    for (int n = 1; n <= 63; ++n) {
        if (set->Reads(n) && !(present >> n & 1u))
            error(0, "template " + std::to_string(number) + " needs S" + std::to_string(n) +
                         ": its report reads it");
    }
}

// A form is read with whatever sex and number the character has: every form needs all four.
constexpr std::string_view kPronounPersons[] = {"S30", "S31", "S32", "P32"};

void CheckPronouns(const std::vector<std::string_view>& keys, const RecordValueLookup& values,
                   const RecordError& error) {
    // Each form, with the line that first writes it.
    std::map<std::string_view, int> forms;
    for (std::string_view key : keys) {
        const int line = values(key)->line;
        const auto [place, added] = forms.try_emplace(key.substr(3), line);
        if (!added) place->second = std::min(place->second, line);
    }
    for (const auto& [form, line] : forms) {
        for (std::string_view person : kPronounPersons) {
            const std::string wanted = std::string(person) + std::string(form);
            if (!values(wanted)) {
                error(line, "the form " + std::string(form) + " needs " + wanted +
                                " as well: a template reads it for every character");
            }
        }
    }
}

// --- 'SVRB' n: the verb "B" (at most 99 characters read) and, unless it begins with the byte
// 0xA5, the ending of each form the templates ask for; a verb that begins with 0xA5 takes the
// form of "be" from 'LVRB' 1 and its own text after the byte.

constexpr std::size_t kVerbLength = 99;
constexpr char kSharedVerb = '\xA5';
constexpr std::string_view kVerbForms[] = {"INF", "PTG", "PT3", "PAST", "PRESP", "PASTP"};

constexpr KeyRule kVerbKeys[] = {
    {"B", 'c', 0, 0, kVerbLength},
    {"INF", 'c'},
    {"PTG", 'c'},
    {"PT3", 'c'},
    {"PAST", 'c'},
    {"PRESP", 'c'},
    {"PASTP", 'c'},
};

void CheckVerb(const std::vector<std::string_view>& /*keys*/, const RecordValueLookup& values,
               const RecordError& error) {
    const RecordValue* verb = values("B");
    if (!verb) {
        error(0, "a verb record holds its verb under B");
        return;
    }
    const bool shared = !verb->text.empty() && verb->text[0] == kSharedVerb;
    for (std::string_view form : kVerbForms) {
        const RecordValue* ending = values(form);
        if (shared && ending) {
            error(ending->line, "a verb that begins with 0xA5 takes its forms from 'LVRB' 1: " +
                                    std::string(form) + " would never be read");
        } else if (!shared && !ending) {
            error(verb->line, "the verb needs its ending for the form " + std::string(form));
        }
    }
}

// --- 'LVRB' 1: the forms of "be" for one (5) and several (6): I infinitive, P present, X past, Y
// present participle, Z past participle.

constexpr KeyRule kVerbFormKeys[] = {
    {"I5", 'c'}, {"I6", 'c'}, {"P5", 'c'}, {"P6", 'c'}, {"X5", 'c'},
    {"X6", 'c'}, {"Y5", 'c'}, {"Y6", 'c'}, {"Z5", 'c'}, {"Z6", 'c'},
};

void CheckVerbForms(const std::vector<std::string_view>& /*keys*/, const RecordValueLookup& values,
                    const RecordError& error) {
    for (const KeyRule& rule : kVerbFormKeys) {
        if (!values(rule.key)) error(0, "the shared verb forms need " + std::string(rule.key));
    }
}

// --- 'APPR' n: read by the story points report (records 3-118: "VN" the code, "NM" the name, "DF"
// the description, "TY" the form of its line, 9 and above none), by the topic tree (records
// numbered by story point id: "NM" and "DF") and by the macro APD ("DF", at most 249 characters).

constexpr std::size_t kStoryPointNameLength = 63;
constexpr std::size_t kStoryPointTextLength = 249;
constexpr std::int64_t kLastLineForm = 9;

constexpr KeyRule kStoryPointKeys[] = {
    {"VN", 'c', 0, 0, 15},
    {"NM", 'c', 0, 0, kStoryPointNameLength, Notation::kStyled},
    {"DF", 'c', 0, 0, kStoryPointTextLength, Notation::kStyled},
    {"TY", 's', 0, kLastLineForm},
};

}  // namespace

const KeyRule* RecordSchema::Find(std::string_view key, std::string& why) const {
    for (const KeyRule& rule : keys) {
        if (rule.matches ? rule.matches(key, why) : rule.key == key) return &rule;
    }
    return nullptr;
}

std::string RecordSchema::KeyList() const {
    std::string list;
    for (const KeyRule& rule : keys) list += (list.empty() ? "" : ", ") + std::string(rule.key);
    return list;
}

const RecordSchema kInfoSchema{"the version record", kInfoKeys, CheckInfo};
const RecordSchema kReportTemplateSchema{"a report template", kReportTemplateKeys, nullptr,
                                         CheckReportTemplateKeys, false, true};
const RecordSchema kPronounSchema{"the pronoun record", kPronounKeys, CheckPronouns};
const RecordSchema kVerbSchema{"a verb record", kVerbKeys, CheckVerb};
const RecordSchema kVerbFormsSchema{"the shared verb forms", kVerbFormKeys, CheckVerbForms};
const RecordSchema kStoryPointSchema{"a story point record", kStoryPointKeys, nullptr};
