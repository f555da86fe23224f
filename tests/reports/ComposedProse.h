#pragma once
// Reading composed reports as a writer does, for the tests over whole storyforms: what the Main
// Character's resolve comes to in words, the names of the issue and its counterpoint where the
// Overall Story's balance is told, a theory item's name followed by a verb of the other number, a
// plural definition made the subject of "is", a choice not made left showing as the macro expander's fixed words, a sentence that opens with a
// small letter, and the writer's words set into a sentence left hanging.

#include <cctype>
#include <cstdint>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/TheoryTables.h"

namespace composedprose {

// The words that open the sentence of what the resolve comes to.
inline const char* ResolveWords(bool steadfast) { return steadfast ? "Holding on to" : "Letting go of"; }

// What it comes to, for the story's problem and the character's own trouble: the four endings, as a
// writer would put them ("her" standing for the Main Character's possessive).
inline std::string ConsequenceWords(bool failure, bool bad, const std::string& possessive) {
    const std::string own = possessive + " own trouble";
    if (!failure && !bad) return "sees the story's problem resolved and eases " + own;
    if (!failure && bad) return "sees the story's problem resolved but does not ease " + own;
    if (failure && !bad) return "does not see the story's problem resolved but eases " + own;
    return "neither sees the story's problem resolved nor eases " + own;
}

// The theory items whose names are plural (the rest are singular).
inline const std::set<std::string> kPluralItemNames = {
    "Memories",      "Impulsive Responses", "Innermost Desires", "Senses",
    "Circumstances", "Prerequisites",       "Preconditions"};

// Where a theory item's name is the subject of a verb of the other number ("The Past are",
// "Memories is"); a name joined to another by "and" is left alone ("Fate and Destiny are").
inline std::vector<std::string> VerbAgreementFaults(const std::string& text) {
    static const std::regex verb(
        R"(^ (is|are|has|have|was|were|does|do|weighs|weigh|lies|lie|comes|come)\b)");
    std::set<std::string> names;
    for (int id = 1; id < kElementCount; ++id) {
        const char* name = ElementName(static_cast<std::int16_t>(id));
        if (name && *name) names.insert(name);
    }
    std::vector<std::string> faults;
    for (const std::string& name : names) {
        const bool plural = kPluralItemNames.count(name) != 0;
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
            if (at > 0 && std::isalnum(static_cast<unsigned char>(text[at - 1]))) continue;
            if (at >= 4 && text.compare(at - 4, 4, "and ") == 0) continue;
            std::smatch found;
            const std::string after = text.substr(at + name.size(), 12);
            if (!std::regex_search(after, found, verb)) continue;
            const std::string word = found[1];
            const bool pluralVerb = word == "are" || word == "have" || word == "were" || word == "do" ||
                                    word == "weigh" || word == "lie" || word == "come";
            if (pluralVerb != plural)
                faults.push_back(text.substr(at > 40 ? at - 40 : 0, 40 + name.size() + 12));
        }
    }
    return faults;
}

// Where a value's definition, set in as the subject of "is" as the Story Points Output sets it
// ("Order (... is where the characters believe the trouble lies)"), opens on a plural noun
// ("things arranged according to a pattern is where ..."); a possessive ("the story's") or a
// word ending in "ss" ("the process of") is not a plural.
inline std::vector<std::string> PluralDefinitionFaults(const std::string& text) {
    static const std::regex definition(R"(\((?:the |a |an )?([a-z]+)\b[^()]*? is (?:the|what|where)\b[^()]*\))");
    std::vector<std::string> faults;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), definition);
         match != std::sregex_iterator(); ++match) {
        const std::string head = (*match)[1];
        const bool plural = head.size() > 2 && head.back() == 's' && head[head.size() - 2] != 's' &&
                            head != "this" && head != "its" && head != "his" && head != "was";
        if (plural) faults.push_back(match->str(0).substr(0, 120));
    }
    return faults;
}

// Where a value not chosen reads as the expander's words for it, or a macro is left unexpanded.
inline std::vector<std::string> UnchosenFaults(const std::string& text) {
    std::vector<std::string> faults;
    for (const char* words : {"an unchosen item", "a multiply defined item", "{"}) {
        for (std::size_t at = text.find(words); at != std::string::npos; at = text.find(words, at + 1))
            faults.push_back(text.substr(at > 80 ? at - 80 : 0, 160));
    }
    return faults;
}

// The text around each place the pattern finds: from `before` characters ahead of it, `length`
// characters in all.
inline std::vector<std::string> ExcerptsAround(const std::string& text, const std::regex& pattern,
                                               std::size_t before, std::size_t length) {
    std::vector<std::string> excerpts;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), pattern);
         match != std::sregex_iterator(); ++match) {
        const std::size_t at = static_cast<std::size_t>(match->position(0));
        excerpts.push_back(text.substr(at > before ? at - before : 0, length));
    }
    return excerpts;
}

// Where a sentence, a line or a heading opens with a small letter, as "the Main Character must ..."
// would for a character not named yet; the report's lines are read as they are, not run together.
inline std::vector<std::string> SmallLetterOpenings(const std::string& text) {
    static const std::regex opening(R"((^|\n|[.?!] +)[a-z])");
    return ExcerptsAround(text, opening, 20, 80);
}

// Where the writer's storytelling follows a line left hanging on a word that needs more after it
// ("... and what does the same for Otto is:"): a sentence broken in two around the writer's words.
inline std::vector<std::string> HangingBeforeStorytelling(const std::string& text) {
    static const std::regex hanging(R"(\b(is|are|was|were|and|or|but|by|of|the|a|an|to|with|for|that):\n)");
    return ExcerptsAround(text, hanging, 60, 70);
}

// The two names the Overall Story's balance is told between, or none when it does not name them.
inline std::vector<std::string> BalanceNames(const std::string& text) {
    static const std::regex balance(
        R"(a balance the whole story weighs between its thematic issue, (.+?), and that issue's counterpoint, (.+?)\. )");
    std::smatch found;
    if (!std::regex_search(text, found, balance)) return {};
    return {found[1], found[2]};
}

}  // namespace composedprose
