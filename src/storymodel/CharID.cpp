#include "storymodel/CharID.h"

#include "foundation/Compare.h"

CharID CharIDList::GetAt(std::int32_t index) const {
    CharID id;
    TList::GetAt(&id, index);
    return id;
}

bool CharIDList::Contains(CharID id) const { return Search(&id, CompareUShortAscending) >= 0; }
