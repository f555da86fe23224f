#pragma once
// The acts as the reports name them in words ("act one", "acts one and four"), and what they say of
// the acts whose signposts are not chosen yet.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

inline constexpr std::array<const char*, 4> kActWords = {"one", "two", "three", "four"};

// The words joined as a list: "a", "a and b", "a, b and c".
inline std::string ListOfWords(const std::vector<std::string>& words) {
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) list += i + 1 == words.size() ? " and " : ", ";
        list += words[i];
    }
    return list;
}

// That the acts (0 to 3, in order; at least one) are not chosen yet, in the words of a sentence's
// subject and verb: "what act one deals with is not chosen yet", "what acts one and four deal with
// is not chosen yet".
inline std::string OpenActsWords(const std::vector<std::size_t>& acts) {
    std::vector<std::string> words;
    for (const std::size_t act : acts) words.emplace_back(kActWords[act]);
    const bool several = words.size() > 1;
    return std::string("what act") + (several ? "s " : " ") + ListOfWords(words) +
           (several ? " deal" : " deals") + " with is not chosen yet";
}
