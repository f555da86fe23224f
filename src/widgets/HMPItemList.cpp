#include "foundation/Compare.h"
#include "widgets/HMPClient.h"

void HMPItemList::AddHandle(std::int32_t handle) {
    if (!Contains(handle)) InsertSorted(handle, CompareLongAscending);
}

bool HMPItemList::RemoveHandle(std::int32_t handle) {
    bool removed = false;
    for (std::int32_t at = FindValue(handle); at >= 0; at = FindValue(handle))
        removed = DeleteAt(at) || removed;
    return removed;
}

bool HMPItemList::Contains(std::int32_t handle) const { return FindValue(handle) >= 0; }
