#pragma once
// How a character's name and role read inside a sentence of a report: the name made possessive as
// its form asks (with a capital where it opens the sentence), and the role joined to the "as"
// before it with the article it needs.

#include <cstdint>
#include <string>

// The name's possessive: "Juliet's", and for several characters whose name ends in "s" (a plural
// noun) only the apostrophe: "The Spirits'".
std::string PossessiveName(const std::string& name, std::uint16_t form);

// The words as they open a sentence or a heading: the first letter a capital ("the Main
// Character's" reads "The Main Character's"), the rest as it is.
std::string OpeningWords(std::string words);

// A role as it follows "as", in two parts: the article or determiner in plain words and the rest
// of the role. A role that begins with an article, a number, another determiner or a pronoun that
// stands for one has that word lower-cased ("The only son of ..." reads "the" and "only son of ...",
// "Another suitor" "another" and "suitor"), but for a possessive pronoun before a title ("Her
// Majesty's spy"); one that begins with a possessive, or with a possessive name of several words
// with capitals and the small words names hold, stands as it is ("Juliet's nurse", "Don Pedro's
// brother", "de Bourgh's daughter"); any other takes "the " ("King of the dead"). The blanks around
// the role are left out.
struct RolePhrase {
    std::string determiner;  // "the ", "a ", "his ", ... or empty
    std::string words;
};
RolePhrase RoleAfterAs(const std::string& role);
