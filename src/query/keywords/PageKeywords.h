#pragma once
// The query pages' keywords, registered explicitly: the keyword objects live in this library, so
// nothing may rely on the linker keeping objects that register themselves. The query system calls
// RegisterPageKeywords where it is set up (the query tool's installation and every query window),
// before any page template is interpreted.

#include <cstddef>

// How many keywords the query pages have: 32 character keywords, 8 navigation, action and text
// keywords and 13 scene keywords.
inline constexpr std::size_t kPageKeywordCount = 53;

// Registers every page keyword, once; later calls do nothing.
void RegisterPageKeywords();
