#pragma once
// Walks an include-appreciation list in the order it is shown in: by the names of the first
// characters where two entries name different ones, else by the first characters' ids descending;
// the same for the second characters; then by first id and second id ascending.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "storymodel/engine/InclApprList.h"

class InclApprIterator {
public:
    // The name of a character, as the story's character manager gives it.
    using CharacterNames = std::function<std::string(CharID id)>;

    // Sorts the positions of the list's entries once; the list must outlive the iterator.
    InclApprIterator(const InclApprList& list, const CharacterNames& names);

    void First() { position_ = 0; }
    void Next() { ++position_; }
    bool IsDone() const { return position_ >= static_cast<std::int32_t>(order_.size()); }
    IncludeableAppreciation CurrentItem() const {
        return list_.GetAt(order_[static_cast<std::size_t>(position_)]);
    }

private:
    const InclApprList& list_;
    std::vector<std::int32_t> order_;
    std::int32_t position_ = 0;
};
