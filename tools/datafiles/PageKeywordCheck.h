#pragma once
// The texts of the question lists and pages are read twice: first by the keyword interpreter, which
// replaces the page keywords ({ChRefNm()}, {NAME(1)}, {THR(S,MC)} ...) and copies every other brace
// as it stands, then by the text macro expander. CheckPageTemplate reads a text the same way: each
// page keyword must be written as the interpreter reads it (the name, "(", its parameters, ")}"),
// and what is left must pass the macro check (MacroCheck.h), so a name that is neither a keyword
// nor a macro is refused.

#include <span>
#include <string_view>

#include "datafiles/MacroCheck.h"

// How a page keyword reads its parameters.
enum class KeywordParameters {
    kNone,        // {Name()}
    kNumber,      // {Name(n)}: an optional sign and decimal digits
    kDigit,       // {NAME(1)}: one character
    kThroughline  // {THR(L)}, {THR(S,2)}, {THR(X,MC)}
};

struct PageKeyword {
    std::string_view name;
    KeywordParameters parameters;
};

// The keyword with exactly that name, or null.
const PageKeyword* FindPageKeyword(std::string_view name);
// Every page keyword, sorted by name.
std::span<const PageKeyword> PageKeywords();

// The finder page's "TNC" text that keeps the page's main text.
inline constexpr std::string_view kKeepMainText = "{UseT1}";

// Checks the keywords and then the macros of a page template.
void CheckPageTemplate(std::string_view text, const SourcePlace& place, const MacroError& error,
                       CompiledSegment& segment);
