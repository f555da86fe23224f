#pragma once
// Boyer-Moore text search with three options: ignoring case, '?' as a wildcard that matches any one
// character, and whole words only (the match must stand between word delimiters or the ends of the
// text).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class StringSearcher {
public:
    StringSearcher(const char* pattern, bool wholeWord, bool ignoreCase, bool wildcard);
    virtual ~StringSearcher() = default;

    void SetPattern(const char* pattern);
    void SetIgnoreCase(bool ignoreCase);
    void SetWildcard(bool wildcard);
    void SetWholeWord(bool wholeWord) { wholeWord_ = wholeWord; }

    // The index of the first match at or after start (below 0 counts as 0), or -1. An empty
    // pattern matches nowhere.
    std::int32_t Find(const char* text, std::int32_t start) const;

    // True when the characters around the match at index (of the pattern's length) are word
    // delimiters or the ends of the text: space, tab, '(', ')', '+', '-', '*', '/', '.'.
    virtual bool IsWholeWord(const char* text, std::int32_t index) const;

private:
    void Prepare();
    void BuildBadCharacterTable();
    void BuildGoodSuffixTable();
    // Whether the pattern character matches the (prepared) text character.
    bool Matches(char patternChar, char textChar) const;
    // Whether the wildcard flag is set and the pattern holds a '?'.
    bool HasWildcards() const;

    bool wholeWord_;
    bool ignoreCase_;
    bool wildcard_;
    std::string pattern_;   // as given
    std::string prepared_;  // upper-cased when ignoring case
    std::array<std::uint32_t, 256> badCharacter_{};
    std::vector<std::uint32_t> goodSuffix_;
};
