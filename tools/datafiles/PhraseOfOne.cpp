#include "datafiles/PhraseOfOne.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 3> kArticles = {"the", "a", "an"};
// Words of four letters or more that end in "s" and are no plurals.
constexpr std::array<std::string_view, 7> kSingulars = {"this", "hers",  "does",  "series",
                                                        "news", "means", "always"};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The next word from the position on, in small letters, and the position after it.
std::string NextWord(std::string_view phrase, std::size_t& at) {
    while (at < phrase.size() && phrase[at] == ' ') ++at;
    std::string word;
    for (; at < phrase.size() && phrase[at] != ' '; ++at)
        word += IsLetter(phrase[at]) ? static_cast<char>(phrase[at] | 0x20) : phrase[at];
    return word;
}

}  // namespace

std::string PluralOpening(std::string_view phrase) {
    std::size_t at = 0;
    std::string word = NextWord(phrase, at);
    while (std::find(kArticles.begin(), kArticles.end(), word) != kArticles.end())
        word = NextWord(phrase, at);
    // A macro or a possessive is no plural noun.
    if (word.size() < 4 || !std::all_of(word.begin(), word.end(), IsLetter) || word.back() != 's') return {};
    const std::string_view ending = std::string_view(word).substr(word.size() - 2);
    if (ending == "ss" || ending == "us" || ending == "is") return {};
    if (std::find(kSingulars.begin(), kSingulars.end(), word) != kSingulars.end()) return {};
    return word;
}
