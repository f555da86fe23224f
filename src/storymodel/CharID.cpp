#include "storymodel/CharID.h"

#include <algorithm>

bool CharIDList::Contains(CharID id) const { return std::find(ids_.begin(), ids_.end(), id) != ids_.end(); }
