#pragma once
// Definitions that templates set into sentences as one thing, the subject or the complement of "is"
// ("Order (an arrangement of things ... is where ...)", "Hope (... is the reward that ...)"), must be
// phrases of one: a phrase that opens on a plural noun ("things arranged ...", "the signs that
// warn ...", "the raw impressions of ...") reads "things ... is". The check reads the first word
// after an article, and the last word before the first word that ends the opening (a preposition,
// a conjunction, a relative word or an article: "impressions" in "the raw impressions of sight");
// a phrase that opens on a verb ("finding out facts ...") or a question word ("what ...") has no
// such noun. A word ending in "s" is taken for a plural unless it ends as singulars do ("-ss",
// "-us", "-is") or is one of the few short words that end so ("its", "this", "series" ...).

#include <string>
#include <string_view>

// The plural word the phrase opens on, or the empty text when it opens on no plural.
std::string PluralOpening(std::string_view phrase);
