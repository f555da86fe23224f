#include "foundation/StrList.h"

#include <cstring>

namespace {

const String* StringIn(const void* element) {
    const TObject* object;
    std::memcpy(&object, element, sizeof object);
    return static_cast<const String*>(object);
}

int CompareStrings(const String* a, const String* b) {
    if (!a || !b) return a == b ? 0 : (a ? 1 : -1);
    return String::Compare(*a, *b);
}

}  // namespace

int CompareStringsAscending(const void* a, const void* b) { return CompareStrings(StringIn(a), StringIn(b)); }

int CompareStringsDescending(const void* a, const void* b) {
    return CompareStrings(StringIn(b), StringIn(a));
}
