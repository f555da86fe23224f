#pragma once
// Reading composed reports as a writer does, for the tests over whole storyforms: what the Main
// Character's resolve comes to in words, the names of the issue and its counterpoint where the
// Overall Story's balance is told, a theory item's name followed by a verb of the other number, a
// plural definition made the subject of "is", a choice not made left showing as the macro
// expander's fixed words, a sentence that opens with a small letter, the writer's words set into a
// sentence left hanging, a name set off by a comma that is never closed, a character named by its
// own role, a plot point of the story named after a throughline, a chosen dynamic said among those
// not chosen without its value, "so" after a negative where "nor" belongs, the words that lead to
// a value's name, and the acts a text says are not chosen yet.

#include <array>
#include <cctype>
#include <cstdint>
#include <map>
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

// The pieces of a text that end with one of the stops followed by a space, or with a line; blank
// ones left out. With ".?!" these are its sentences.
inline std::vector<std::string> Pieces(const std::string& text, std::string_view stops) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n') pieces.back() += text[i];
        if (text[i] == '\n' || (stops.find(text[i]) != std::string_view::npos && text[i + 1] == ' '))
            pieces.emplace_back();
    }
    std::erase_if(pieces,
                  [](const std::string& piece) { return piece.find_first_not_of(' ') == std::string::npos; });
    return pieces;
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
// "is" does ("... is the signs that warn ..."); a possessive ("the story's"), a word ending in "ss"
// ("the process of") or "series" is not a plural.
inline std::vector<std::string> PluralDefinitionFaults(const std::string& text) {
    static const std::regex definition(
        R"(\((?:the |a |an )?([a-z]+)\b[^()]*? is (?:the(?: ([a-z]+)\b)?|what\b|where\b)[^()]*\))");
    std::vector<std::string> faults;
    for (std::size_t open = text.find('('); open != std::string::npos; open = text.find('(', open + 1)) {
        const std::string group = text.substr(open, text.find_first_of("()", open + 1) + 1 - open);
        std::smatch match;
        if (!std::regex_match(group, match, definition)) continue;
        for (const std::string& head : {match[1].str(), match[2].str()}) {
            const bool plural = head.size() > 2 && head.back() == 's' && head[head.size() - 2] != 's' &&
                                head != "this" && head != "its" && head != "his" && head != "was" &&
                                head != "series";
            if (plural) faults.push_back(group.substr(0, 120));
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
            const std::size_t from = at > 40 ? at - 40 : 0, after = at + opened.size();
            if (std::islower(static_cast<unsigned char>(text[after])) &&
                std::regex_search(text.substr(from, at - from), named))
                faults.push_back(text.substr(from, after - from + 20));
        }
    }
    return faults;
}

// Where a clause names a character by its role as though that were a name: the role's word twice
// ("Today your Main Character is the Main Character", "the Main Character and the Impact Character
// meet as the Main and Impact Characters") or the role given as who the character is ("Today that
// is the Impact Character").
inline std::vector<std::string> RoleNamingFaults(const std::string& text) {
    std::vector<std::string> faults;
    for (const std::string& clause : Pieces(text, ".?!;:,")) {
        const auto twice = [&](const char* word) { return clause.find(word) != clause.rfind(word); };
        const std::string bare = clause.substr(0, clause.find_last_not_of(".?!;:,") + 1);
        if (twice("Main ") || twice("Impact ") || bare.ends_with(" is the Main Character") ||
            bare.ends_with(" is the Impact Character"))
            faults.push_back(clause);
    }
    // The role given as the value of a label ("Name:  the Main Character").
    static const std::regex label(R"(: +the (Main|Impact) Character\n)");
    for (const std::string& excerpt : ExcerptsAround(text, label, 20, 45)) faults.push_back(excerpt);
    return faults;
}

// Where a sentence that tells what is not chosen yet says what rests on dynamics and names one that
// is chosen without giving its value ("... rest on the story's outcome, the Main Character's resolve
// and her judgment, and not all of them are chosen yet" with the outcome chosen). `chosen` holds the
// name of each dynamic chosen (read in either case) with its value's name.
inline std::vector<std::string> ChosenDynamicsLeftUnnamed(const std::string& text,
                                                          const std::map<std::string, std::string>& chosen) {
    static const std::regex restsOn(R"(\brests? on\b)");
    std::vector<std::string> faults;
    for (const std::string& sentence : Pieces(text, ".?!")) {
        std::smatch on;
        if (sentence.find("chosen yet") == std::string::npos || !std::regex_search(sentence, on, restsOn))
            continue;
        const std::string grounds = on.suffix().str();
        for (const auto& [dynamic, value] : chosen)
            if (std::regex_search(grounds, std::regex("\\b" + dynamic + "\\b", std::regex::icase)) &&
                sentence.find(value) == std::string::npos)
                faults.push_back(dynamic + ": " + sentence);
    }
    return faults;
}

// Where a clause that says something is not so goes on to say "and so is" the same of another
// ("... is not chosen yet, and so is whether ..."), where "nor is" belongs.
inline std::vector<std::string> SoAfterANegative(const std::string& text) {
    static const std::regex so(R"(\bnot\b[^.;:]*, and so (is|are|does|do|has|have) )"
                               R"((whether|what|which|who|how|the|its|his|her|their)\b)");
    return ExcerptsAround(text, so, 0, 200);
}

// Where a plot point of the story as a whole is named after the throughline whose block holds it
// ("Main Character Dividends:", "MC Dividends:"), not as the story's ("Story Dividends:").
inline std::vector<std::string> ThroughlineNamedPlotPoints(const std::string& text) {
    static const std::regex owner(
        R"((Character|Impact Story|Subjective Story|Overall Story|MC|IC|OC|SS|M/I) $)");
    std::vector<std::string> faults;
    for (const char* point :
         {" Dividends:", " Forewarnings:", " Cost:", " Preconditions:", " Consequence:", " Prerequisites:"}) {
        for (std::size_t at = text.find(point); at != std::string::npos; at = text.find(point, at + 1)) {
            const std::size_t from = at < 20 ? 0 : at - 20;
            if (std::regex_search(text.substr(from, at + 1 - from), owner))
                faults.push_back(text.substr(from, 50));
        }
    }
    return faults;
}

// The two names the Overall Story's balance is told between, or none when it does not name them.
inline std::vector<std::string> BalanceNames(const std::string& text) {
    static const std::regex balance(
        R"(a balance the whole story weighs between its thematic issue, (.+?), and that issue's counterpoint, (.+?)\. )");
    std::smatch found;
    if (!std::regex_search(text, found, balance)) return {};
    return {found[1], found[2]};
}

// The words that lead to each place the name stands, back to the end of the sentence or the
// parenthesis before it (a question stays with the answer after it), as pairs of neighbouring words
// that carry meaning: small words and the verbs' and nouns' final "s" left out ("keeps coming back
// to" gives "keep coming" and "coming back").
inline std::set<std::string> LeadInPairs(const std::string& text, const std::string& name) {
    static const std::set<std::string> small = {
        "a",   "an",  "the", "of",  "to",  "and", "or",   "but",   "is",   "are",  "be",   "in",  "on",
        "at",  "by",  "for", "as",  "with", "what", "who", "do",   "does", "it",   "its",  "they", "them",
        "their", "two", "her", "his", "she", "he", "this", "that", "from", "so",   "not",  "yet",  "about"};
    std::set<std::string> pairs;
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        if (at == 0 || std::isalpha(static_cast<unsigned char>(text[at - 1]))) continue;
        const std::size_t from = text.find_last_of(".):", at - 1);
        std::vector<std::string> words(1);
        for (std::size_t i = from == std::string::npos ? 0 : from + 1; i < at; ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (std::isalpha(c)) {
                words.back() += static_cast<char>(std::tolower(c));
            } else if (!words.back().empty()) {
                words.emplace_back();
            }
        }
        std::vector<std::string> meant;
        for (std::string word : words) {
            if (word.empty() || small.count(word)) continue;
            if (word.size() > 2 && word.back() == 's') word.pop_back();
            meant.push_back(word);
        }
        for (std::size_t i = 1; i < meant.size(); ++i) pairs.insert(meant[i - 1] + " " + meant[i]);
    }
    return pairs;
}

// How many sentences of the text say that what each act (one to four, at 0 to 3) deals with is not
// chosen yet: "what acts one and four deal with is not chosen yet" counts acts one and four, "what
// ... deals with in each act is not chosen yet" every act.
inline std::array<int, 4> ActsSaidNotChosen(const std::string& text) {
    static const std::regex acts(R"(\bwhat acts? ((?:(?:one|two|three|four)(?:, | and )?)+) deals? with is not chosen yet)",
                                 std::regex::icase);
    static const std::regex each(R"(\bdeals? with in each act is not chosen yet)", std::regex::icase);
    static const std::array<std::string, 4> numbers = {"one", "two", "three", "four"};
    std::array<int, 4> said{};
    for (const std::string& sentence : Pieces(text, ".?!")) {
        std::smatch found;
        if (std::regex_search(sentence, each)) {
            for (int& act : said) ++act;
        } else if (std::regex_search(sentence, found, acts)) {
            const std::string named = found[1];
            for (std::size_t act = 0; act < numbers.size(); ++act)
                if (std::regex_search(named, std::regex("\\b" + numbers[act] + "\\b"))) ++said[act];
        }
    }
    return said;
}

}  // namespace composedprose
