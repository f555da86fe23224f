#include "datafiles/PhraseOfOne.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 3> kArticles = {"the", "a", "an"};
// Words of four letters or more that end in "s" and are no plurals.
constexpr std::array<std::string_view, 7> kSingulars = {"this", "hers",  "does",  "series",
                                                        "news", "means", "always"};
// Words that end the opening words of a noun phrase.
constexpr std::array<std::string_view, 31> kOpeningEnds = {
    "of", "that", "which", "who",    "whom",   "whose", "where", "when", "in",  "on",  "at",
    "to", "for",  "from",  "with",   "by",     "into",  "about", "or",   "and", "but", "so",
    "as", "than", "is",    "rather", "before", "after", "the",   "a",    "an"};
// Words that open a phrase that is no noun phrase.
constexpr std::array<std::string_view, 8> kQuestionWords = {"what", "how",  "where", "when",
                                                            "who",  "whom", "why",   "whether"};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

template <std::size_t N>
bool IsOneOf(const std::array<std::string_view, N>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// The next word from the position on, in small letters, and the position after it.
std::string NextWord(std::string_view phrase, std::size_t& at) {
    while (at < phrase.size() && phrase[at] == ' ') ++at;
    std::string word;
    for (; at < phrase.size() && phrase[at] != ' '; ++at)
        word += IsLetter(phrase[at]) ? static_cast<char>(phrase[at] | 0x20) : phrase[at];
    return word;
}

// Whether the word reads as a plural noun. A macro or a possessive is none.
bool IsPlural(const std::string& word) {
    if (word.size() < 4 || !std::all_of(word.begin(), word.end(), IsLetter) || word.back() != 's')
        return false;
    const std::string_view ending = std::string_view(word).substr(word.size() - 2);
    return ending != "ss" && ending != "us" && ending != "is" && !IsOneOf(kSingulars, word);
}

// The last word of the phrase's opening words, from the position of its first word (which is
// given): the word before the first that ends them, or the first that ends with a comma.
std::string OpeningHead(std::string_view phrase, std::size_t at, std::string word) {
    if (IsOneOf(kQuestionWords, word) || word.ends_with("ing")) return {};
    for (std::string next; !word.ends_with(',') && at < phrase.size(); word = next) {
        next = NextWord(phrase, at);
        if (IsOneOf(kOpeningEnds, next)) break;
    }
    if (word.ends_with(',')) word.pop_back();
    return word;
}

}  // namespace

std::string PluralOpening(std::string_view phrase) {
    std::size_t at = 0;
    std::string word = NextWord(phrase, at);
    while (IsOneOf(kArticles, word)) word = NextWord(phrase, at);
    if (IsPlural(word)) return word;
    const std::string head = OpeningHead(phrase, at, word);
    return IsPlural(head) ? head : std::string();
}
