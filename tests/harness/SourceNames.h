#pragma once
// The names of a C++ source file as a unity build shares them: a test suite's files are compiled
// together in batches (cmake/Fablecore.cmake), so what one file declares at namespace scope for
// itself (its helpers, constants, types and aliases, in an unnamed namespace or not) is seen by the
// files after it in the batch, where the same name would otherwise mean something else.

#include <set>
#include <string>
#include <string_view>

struct SourceNames {
    // Declared at namespace scope: types, aliases, variables, the enumerators of unscoped enums, and
    // the functions the file keeps to itself (static or in an unnamed namespace). A function defined
    // outside an unnamed namespace is the definition of a header's declaration, and not counted.
    std::set<std::string> own;
    // Named without a qualifier or an object before them (`Name`, not `x.Name`, `p->Name` or `ns::Name`).
    std::set<std::string> used;
};

// The names of the source text; comments, string and character literals and preprocessor lines are
// left out.
SourceNames NamesOf(std::string_view source);
