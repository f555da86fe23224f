#pragma once
// How texts are written in data sources. Sources are UTF-8; the stored texts are Windows-1252, and
// every stored byte has a way to be written, so that any text decompiles to a source that compiles
// back to the same bytes.
//
// Both notations:
//   \n \r \t \f       line feed, carriage return, tab, form feed
//   \" \'             a double or single quote (inside a quoted text or segment type)
//   \xHH              the byte HH as it stands
//   ${NAME}           the value of a build variable (the version, the copyright line); \$ is a $
// Plain notation: every other character is itself; \\ is a backslash.
// Styled notation, for templates and styled text, which the program stores with the bytes that
// mean something to it escaped (a 0xB0 byte before a code, undone by the text filter when shown):
//   { } /             a macro's braces and a slash, stored as they are
//   \{ \} \/ \\       a brace, slash or backslash that the reader sees (stored escaped)
//   ° Ç È             these letters as the reader sees them (stored escaped: the last two are
//                     the style-code delimiters)
//   <B+> <B-> <I+> <I-> <U+> <U->   bold, italic and underline on and off
//   <M(first,left,right)>           paragraph margins, for example <M(10,30,0)>
//   \<                a '<' where the text would otherwise read as a style code

#include <map>
#include <optional>
#include <string>
#include <string_view>

enum class Notation { kPlain, kStyled };

// Build variables by name; their values are UTF-8.
using Variables = std::map<std::string, std::string, std::less<>>;

// The stored bytes of a source text. On failure answers nothing and sets the reason.
std::optional<std::string> DecodeNotation(std::string_view source, Notation notation,
                                          const Variables& variables, std::string& error);

// The source text of stored bytes. Quoted texts write line feeds as \n and escape double quotes;
// text bodies keep line feeds as line breaks, except those that end the text (which would read as
// blank lines at the end of the file, and those are dropped).
std::string EncodeNotation(std::string_view bytes, Notation notation, bool quoted);

// Whether the text between '<' and '>' is a style code of the styled notation.
bool IsStyleMarkup(std::string_view body);
