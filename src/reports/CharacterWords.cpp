#include "reports/CharacterWords.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "storymodel/CharInfoRec.h"

namespace {

// The words that open a noun phrase on their own: articles, possessive pronouns and small numbers.
constexpr std::array<std::string_view, 22> kDeterminers = {
    "the", "a",     "an",   "his",  "her", "its",   "their", "my",   "our", "your", "one",
    "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "some", "both",
};

std::string Lowered(std::string_view word) {
    std::string lowered(word);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
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

RolePhrase RoleAfterAs(const std::string& role) {
    const std::size_t blank = role.find(' ');
    const std::string_view first = std::string_view(role).substr(0, blank);
    const std::string lowered = Lowered(first);
    if (blank != std::string::npos &&
        std::find(kDeterminers.begin(), kDeterminers.end(), lowered) != kDeterminers.end())
        return {lowered + " ", role.substr(blank + 1)};
    // A name made possessive may be of several words ("Don Pedro's brother"): the words with a
    // capital that open the role.
    for (std::size_t at = 0; at < role.size() && std::isupper(static_cast<unsigned char>(role[at]));) {
        const std::size_t end = std::min(role.find(' ', at), role.size());
        if (IsPossessiveWord(std::string_view(role).substr(at, end - at))) return {"", role};
        at = end + 1;
    }
    return {"the ", role};
}
