#pragma once
// Walking the segments of the current store.

#include <cstdint>

#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"

// Calls visit(type, id) for every segment of the current store (and with chain search of its
// ancestors): types ascending as signed numbers, each one's ids ascending as unsigned numbers.
template <typename Visit>
void PFMForEachSegment(Visit&& visit) {
    LList types;
    PFMGetSegmentTypes(types);
    for (std::int32_t i = 0; i < types.Count(); ++i) {
        const auto type = static_cast<FourCC>(types.GetAt(i));
        SList ids;
        PFMGetSegmentIds(type, ids);
        for (std::int32_t j = 0; j < ids.Count(); ++j) visit(type, static_cast<std::uint16_t>(ids.GetAt(j)));
    }
}
