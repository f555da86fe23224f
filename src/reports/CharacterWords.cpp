#include "reports/CharacterWords.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "storymodel/CharInfoRec.h"

namespace {

// The words that open a noun phrase on their own besides the possessive pronouns: articles, small
// numbers, the other determiners and the pronouns that stand for one.
constexpr std::array<std::string_view, 51> kDeterminers = {
    "the",      "a",        "an",         "one",      "two",       "three",       "four",      "five",
    "six",      "seven",    "eight",      "nine",     "ten",       "some",        "both",      "another",
    "each",     "every",    "this",       "that",     "these",     "those",       "no",        "any",
    "many",     "several",  "all",        "either",   "neither",   "most",        "such",      "few",
    "whoever",  "whatever", "whichever",  "everyone", "anyone",    "someone",     "everybody", "anybody",
    "somebody", "nobody",   "everyone's", "anyone's", "someone's", "everybody's", "anybody's", "somebody's",
    "nobody's", "none",     "whose",
};

// The possessive pronouns, which open a noun phrase too; before a title with its capital ("Her
// Majesty's spy") they keep theirs.
constexpr std::array<std::string_view, 7> kPossessivePronouns = {"his", "her", "its", "their",
                                                                 "my",  "our", "your"};

// The small words a name of several words may hold besides its words with a capital ("Scrooge and
// Marley's", "de Bourgh's").
constexpr std::array<std::string_view, 20> kNameJoiners = {
    "and", "&",   "de", "du", "da",  "di",  "del", "della", "van", "von",
    "der", "den", "le", "la", "ten", "ter", "bin", "ibn",   "al",  "el",
};

template <std::size_t N>
bool IsOneOf(const std::array<std::string_view, N>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::string Lowered(std::string_view word) {
    std::string lowered(word);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

bool HasCapital(std::string_view word) {
    return std::any_of(word.begin(), word.end(), [](unsigned char c) { return std::isupper(c) != 0; });
}

bool IsPossessiveWord(std::string_view word) {
    return word.ends_with("'s") || word.ends_with("s'") || word.ends_with("\x92s") || word.ends_with("s\x92");
}

}  // namespace

std::string PossessiveName(const std::string& name, std::uint16_t form) {
    const bool pluralNoun =
        form == kPluralForm && !name.empty() && (name.back() == 's' || name.back() == 'S');
    return name + (pluralNoun ? "'" : "'s");
}

std::string OpeningWords(std::string words) {
    if (!words.empty()) words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
    return words;
}

RolePhrase RoleAfterAs(const std::string& typed) {
    // The blanks around the role typed are none of its words.
    const std::size_t from = typed.find_first_not_of(' ');
    const std::string role =
        from == std::string::npos ? "" : typed.substr(from, typed.find_last_not_of(' ') + 1 - from);
    const std::size_t blank = role.find(' ');
    const std::string_view first = std::string_view(role).substr(0, blank);
    const std::string lowered = Lowered(first);
    if (blank != std::string::npos) {
        const std::string rest = role.substr(blank + 1);
        const bool title = std::isupper(static_cast<unsigned char>(rest[0])) != 0;
        const bool pronoun = IsOneOf(kPossessivePronouns, lowered);
        if (pronoun && title) return {"", role};
        const bool number = first.find_first_not_of("0123456789") == std::string_view::npos;
        if (number) return {std::string(first) + " ", rest};
        if (pronoun || IsOneOf(kDeterminers, lowered)) return {lowered + " ", rest};
    }
    // A name made possessive may be of several words ("Don Pedro's brother", "Scrooge and Marley's
    // clerk"): the words with a capital, and the small words a name holds, that open the role; a
    // possessive that opens it needs no article either ("juliet's cousin").
    for (std::size_t at = 0; at < role.size();) {
        const std::size_t end = std::min(role.find(' ', at), role.size());
        const std::string_view word = std::string_view(role).substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        if (IsPossessiveWord(word)) return {"", role};
        if (!HasCapital(word) && !IsOneOf(kNameJoiners, Lowered(word))) break;
    }
    return {"the ", role};
}
