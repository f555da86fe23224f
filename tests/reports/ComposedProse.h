#pragma once
// Reading composed reports as a writer does, for the tests over whole storyforms: what the Main
// Character's resolve comes to in words, the names of the issue and its counterpoint where the
// Overall Story's balance is told, a theory item's name followed by a verb of the other number, a
// plural definition made the subject of "is", a choice not made left showing as the macro
// expander's fixed words, a sentence that opens with a small letter, the writer's words set into a
// sentence left hanging, a name set off by a comma that is never closed, a character named by its
// own role, and a sentence left with a gap where the story's title would stand.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <regex>
#include <set>
#include <string>
#include <string_view>
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

// The names of the theory's items.
inline const std::set<std::string>& ItemNames() {
    static const std::set<std::string> names = [] {
        std::set<std::string> all;
        for (int id = 1; id < kElementCount; ++id) {
            const char* name = ElementName(static_cast<std::int16_t>(id));
            if (name && *name) all.insert(name);
        }
        return all;
    }();
    return names;
}

// How often the words stand in the text as words of their own, not inside longer ones.
inline int CountWords(std::string_view text, std::string_view words) {
    int count = 0;
    for (std::size_t at = text.find(words); at != std::string_view::npos; at = text.find(words, at + 1)) {
        const std::size_t end = at + words.size();
        if ((at == 0 || !std::isalnum(static_cast<unsigned char>(text[at - 1]))) &&
            (end == text.size() || !std::isalnum(static_cast<unsigned char>(text[end]))))
            ++count;
    }
    return count;
}

// The pieces of a text that end with one of the stops (followed by a space) or with a line, runs of
// spaces taken as one; empty ones left out. With ".?!" these are its sentences.
inline std::vector<std::string> Pieces(const std::string& text, std::string_view stops) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& piece = pieces.back();
        if (c == '\n') {
            pieces.emplace_back();
        } else if (c != ' ' || (!piece.empty() && piece.back() != ' ')) {
            piece += c;
            if (stops.find(c) != std::string_view::npos && (i + 1 == text.size() || text[i + 1] == ' '))
                pieces.emplace_back();
        }
    }
    std::vector<std::string> kept;
    for (std::string& piece : pieces) {
        while (!piece.empty() && piece.back() == ' ') piece.pop_back();
        if (!piece.empty()) kept.push_back(piece);
    }
    return kept;
}

// The pieces of the one that the other lacks, each as often as it lacks it.
inline std::vector<std::string> Lacking(const std::vector<std::string>& one,
                                        const std::vector<std::string>& other) {
    std::multiset<std::string> left(other.begin(), other.end());
    std::vector<std::string> lacking;
    for (const std::string& piece : one) {
        const auto at = left.find(piece);
        if (at == left.end()) {
            lacking.push_back(piece);
        } else {
            left.erase(at);
        }
    }
    return lacking;
}

// Where a theory item's name is the subject of a verb of the other number ("The Past are",
// "Memories is"); a name joined to another by "and" is left alone ("Fate and Destiny are").
inline std::vector<std::string> VerbAgreementFaults(const std::string& text) {
    static const std::regex verb(
        R"(^ (is|are|has|have|was|were|does|do|weighs|weigh|lies|lie|comes|come)\b)");
    std::vector<std::string> faults;
    for (const std::string& name : ItemNames()) {
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
// ("things arranged according to a pattern is where ..."), or the story point's description after
// "is" does ("... is the signs that warn ..."); a possessive ("the story's") or a word ending in
// "ss" ("the process of") is not a plural.
inline std::vector<std::string> PluralDefinitionFaults(const std::string& text) {
    static const std::regex definition(
        R"(\((?:the |a |an )?([a-z]+)\b[^()]*? is (?:the(?: ([a-z]+)\b)?|what\b|where\b)[^()]*\))");
    std::vector<std::string> faults;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), definition);
         match != std::sregex_iterator(); ++match) {
        for (const std::string& head : {(*match)[1].str(), (*match)[2].str()}) {
            const bool plural = head.size() > 2 && head.back() == 's' && head[head.size() - 2] != 's' &&
                                head != "this" && head != "its" && head != "his" && head != "was";
            if (plural) faults.push_back(match->str(0).substr(0, 120));
        }
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

// Where an item's name set off by a comma after the words it names ("the symptom, Potentiality")
// runs on into the sentence without the comma that closes it ("... Potentiality and answer it").
// A list ("Doing, Obtaining and ...") or a name that opens a clause ("can be met, Doing must") is
// left alone.
inline std::vector<std::string> UnclosedAppositions(const std::string& text) {
    static const std::regex named(R"(\b(the|a|an|its|his|her|their|that|this)( [a-z']+){1,3}$)");
    std::vector<std::string> faults;
    for (const std::string& name : ItemNames()) {
        const std::string opened = ", " + name + " ";
        for (std::size_t at = text.find(opened); at != std::string::npos; at = text.find(opened, at + 1)) {
            const std::size_t after = at + opened.size();
            const std::size_t from = at > 40 ? at - 40 : 0;
            if (after < text.size() && std::islower(static_cast<unsigned char>(text[after])) &&
                std::regex_search(text.substr(from, at - from), named))
                faults.push_back(text.substr(from, at - from + opened.size() + 20));
        }
    }
    return faults;
}

// Where a clause names a character by its role as though that were a name: the role's word twice
// ("Today your Main Character is the Main Character", "the Main Character and the Impact Character
// meet as the Main and Impact Characters") or the role given as who the character is ("Today that
// is the Impact Character"), as sentences made to name the characters read while they have no
// names of their own.
inline std::vector<std::string> RoleNamingFaults(const std::string& text) {
    const auto identity = [](std::string_view clause) {
        while (!clause.empty() && std::ispunct(static_cast<unsigned char>(clause.back())))
            clause.remove_suffix(1);
        for (const std::string_view role : {" is the Main Character", " is the Impact Character"})
            if (clause.ends_with(role)) return true;
        return false;
    };
    std::vector<std::string> faults;
    for (const std::string& clause : Pieces(text, ".?!;:,")) {
        if (CountWords(clause, "Main") > 1 || CountWords(clause, "Impact") > 1 || identity(clause))
            faults.push_back(clause);
    }
    return faults;
}

// The sentences and lines of the titled story's text that name its title, as they would read with
// the title left out, where the untitled story's text reads so ("Notes on .", "Title:").
inline std::vector<std::string> TitleGaps(const std::string& titled, const std::string& untitled,
                                          const std::string& title) {
    const std::vector<std::string> sentences = Pieces(untitled, ".?!");
    std::vector<std::string> gaps;
    for (const std::string& sentence : Pieces(titled, ".?!")) {
        const std::size_t at = sentence.find(title);
        if (at == std::string::npos) continue;
        // The sentence without the title, its spaces run together as the pieces have them.
        const std::vector<std::string> gap =
            Pieces(sentence.substr(0, at) + sentence.substr(at + title.size()), "");
        if (gap.size() == 1 && std::find(sentences.begin(), sentences.end(), gap[0]) != sentences.end())
            gaps.push_back(gap[0]);
    }
    return gaps;
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
