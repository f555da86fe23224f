#pragma once
// A list of Strings that it owns, with the compare functions that sort it by text.

#include <cstdint>

#include "foundation/ObjList.h"
#include "foundation/String.h"

class StrList : public ObjList {
    TOBJECT_CLASS(StrList, ObjList, 6)

public:
    explicit StrList(std::uint16_t growth = 0, std::uint16_t flags = 0, std::int32_t initialCount = 0)
        : ObjList(growth, flags, initialCount) {}

    // The String at index i; only Strings are put into a StrList.
    String* StringAt(std::int32_t i) const { return static_cast<String*>(ObjectAt(i)); }
};

// For TList::Sort over a StrList: the elements compared by String::Compare (null first).
int CompareStringsAscending(const void* a, const void* b);
int CompareStringsDescending(const void* a, const void* b);
