#pragma once
// The {...} macros of a stored template, read as the text macro expander reads them: the name up to
// the last '(' before the first '}', the arguments between the last '(' and the last ')', split at
// commas. A macro must be one the expander runs, with the arguments it reads (the story point
// codes, ids, characters, forms and numbers it knows), or a term of the vocabulary ({NObst}); a
// brace that no macro closes, or a '}' that none opens, is refused as well, since the program
// would show it as written.
//
// What a macro reads from the data file (a definition, a verb, a pronoun, a story point text) is
// added to the segment's references, which the store's checks find or refuse.

#include <functional>
#include <string>
#include <string_view>

#include "datafiles/Segment.h"

using MacroError = std::function<void(const std::string& message)>;

// Checks every macro of the stored text (the bytes as the program reads them), which is read at
// the place; errors go to error, references to the segment.
void CheckMacros(std::string_view text, const SourcePlace& place, const MacroError& error,
                 CompiledSegment& segment);
