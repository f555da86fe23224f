#include "foundation/StringSearcher.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "foundation/PlainText.h"

namespace {

constexpr char kWildcard = '?';

// Prefix function: border[l] is the length of the longest proper border of the first l characters.
std::vector<std::uint32_t> Borders(std::string_view s) {
    std::vector<std::uint32_t> border(s.size() + 1, 0);
    std::uint32_t k = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        while (k > 0 && s[i] != s[k]) k = border[k];
        if (s[i] == s[k]) ++k;
        border[i + 1] = k;
    }
    return border;
}

bool IsWordDelimiter(char c) { return std::string_view(" \t()+-*/.").find(c) != std::string_view::npos; }

}  // namespace

StringSearcher::StringSearcher(const char* pattern, bool wholeWord, bool ignoreCase, bool wildcard)
    : wholeWord_(wholeWord), ignoreCase_(ignoreCase), wildcard_(wildcard) {
    SetPattern(pattern);
}

void StringSearcher::SetPattern(const char* pattern) {
    pattern_ = pattern ? pattern : "";
    Prepare();
}

void StringSearcher::SetIgnoreCase(bool ignoreCase) {
    if (ignoreCase == ignoreCase_) return;
    ignoreCase_ = ignoreCase;
    Prepare();
}

void StringSearcher::SetWildcard(bool wildcard) {
    if (wildcard == wildcard_) return;
    wildcard_ = wildcard;
    BuildBadCharacterTable();
}

void StringSearcher::Prepare() {
    prepared_ = pattern_;
    if (ignoreCase_) std::transform(prepared_.begin(), prepared_.end(), prepared_.begin(), UpperChar);
    BuildBadCharacterTable();
    BuildGoodSuffixTable();
}

// badCharacter_[c] is one more than the last pattern position that can stand for c: where c itself
// is, or, with wildcards, where a '?' is.
void StringSearcher::BuildBadCharacterTable() {
    badCharacter_.fill(0);
    for (std::size_t i = 0; i < prepared_.size(); ++i) {
        const auto position = static_cast<std::uint32_t>(i + 1);
        if (wildcard_ && prepared_[i] == kWildcard) {
            badCharacter_.fill(position);
        } else {
            badCharacter_[static_cast<unsigned char>(prepared_[i])] = position;
        }
    }
}

// goodSuffix_[j] is the shift after the characters from j to the end matched (j = m: nothing did);
// goodSuffix_[0] is the shift after a whole match.
void StringSearcher::BuildGoodSuffixTable() {
    const std::size_t m = prepared_.size();
    const std::vector<std::uint32_t> border = Borders(prepared_);
    std::string reversed(prepared_.rbegin(), prepared_.rend());
    const std::vector<std::uint32_t> reversedBorder = Borders(reversed);
    goodSuffix_.assign(m + 1, static_cast<std::uint32_t>(m - border[m]));
    for (std::size_t l = 1; l <= m; ++l) {
        const std::size_t j = m - reversedBorder[l];
        goodSuffix_[j] = std::min(goodSuffix_[j], static_cast<std::uint32_t>(l - reversedBorder[l]));
    }
}

bool StringSearcher::HasWildcards() const {
    return wildcard_ && prepared_.find(kWildcard) != std::string::npos;
}

bool StringSearcher::Matches(char patternChar, char textChar) const {
    return patternChar == textChar || (wildcard_ && patternChar == kWildcard);
}

std::int32_t StringSearcher::Find(const char* text, std::int32_t start) const {
    if (!text) return -1;
    const std::size_t n = std::strlen(text);
    const std::size_t m = prepared_.size();
    if (m == 0 || n == 0) return -1;
    // The good-suffix rule compares characters for equality and knows nothing of wildcards: with
    // '?' in the pattern it could skip a match, so only the bad-character rule moves the pattern.
    const bool wildcards = HasWildcards();
    std::size_t p = static_cast<std::size_t>(std::max(start, 0));
    while (p + m <= n) {
        std::size_t j = m;
        char c = 0;
        while (j > 0) {
            c = text[p + j - 1];
            if (ignoreCase_) c = UpperChar(c);
            if (!Matches(prepared_[j - 1], c)) break;
            --j;
        }
        if (j == 0) {
            if (!wholeWord_ || IsWholeWord(text, static_cast<std::int32_t>(p)))
                return static_cast<std::int32_t>(p);
            p += wildcards ? 1 : goodSuffix_[0];
            continue;
        }
        // Mismatch at pattern index j - 1 against the text character c.
        const std::int64_t badShift = static_cast<std::int64_t>(j) -
                                      static_cast<std::int64_t>(badCharacter_[static_cast<unsigned char>(c)]);
        const std::int64_t otherShift = wildcards ? 1 : goodSuffix_[j];
        p += static_cast<std::size_t>(std::max(badShift, otherShift));
    }
    return -1;
}

bool StringSearcher::IsWholeWord(const char* text, std::int32_t index) const {
    if (index > 0 && !IsWordDelimiter(text[index - 1])) return false;
    const char after = text[static_cast<std::size_t>(index) + pattern_.size()];
    return after == '\0' || IsWordDelimiter(after);
}
