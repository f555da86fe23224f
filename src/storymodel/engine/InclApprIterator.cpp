#include "storymodel/engine/InclApprIterator.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace {

// Characters compared by name (exact bytes) when both are set and differ, else by id descending as
// signed 16-bit numbers (so "none" comes last). Negative, 0 or positive.
int CompareCharacters(CharID a, CharID b, const std::function<const std::string&(CharID)>& nameOf) {
    if (IsValidCharID(a) && IsValidCharID(b) && a != b) {
        if (int c = nameOf(a).compare(nameOf(b))) return c;
    }
    const auto sa = static_cast<std::int16_t>(a), sb = static_cast<std::int16_t>(b);
    return (sb > sa) - (sb < sa);
}

}  // namespace

InclApprIterator::InclApprIterator(const InclApprList& list, const CharacterNames& names) : list_(list) {
    order_.resize(static_cast<std::size_t>(list.GetCount()));
    std::iota(order_.begin(), order_.end(), 0);
    std::map<CharID, std::string> known;
    const std::function<const std::string&(CharID)> nameOf = [&](CharID id) -> const std::string& {
        auto found = known.find(id);
        if (found == known.end()) found = known.emplace(id, names ? names(id) : std::string()).first;
        return found->second;
    };
    std::stable_sort(order_.begin(), order_.end(), [&](std::int32_t i, std::int32_t j) {
        const IncludeableAppreciation& a = list.GetAt(i);
        const IncludeableAppreciation& b = list.GetAt(j);
        if (int c = CompareCharacters(a.GetCharacter1(), b.GetCharacter1(), nameOf)) return c < 0;
        if (int c = CompareCharacters(a.GetCharacter2(), b.GetCharacter2(), nameOf)) return c < 0;
        if (a.GetFirstID() != b.GetFirstID()) return a.GetFirstID() < b.GetFirstID();
        return a.GetSecondID() < b.GetSecondID();
    });
}
