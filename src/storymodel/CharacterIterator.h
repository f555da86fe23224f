#pragma once
// Walks a story's characters in list order (by name, without regard to case):
//   CharacterIterator it(manager);
//   for (it.First(); !it.IsDone(); it.Next()) use(it.CurrentItem());

#include <cstdint>

#include "storymodel/CharacterManager.h"

class CharacterIterator {
public:
    explicit CharacterIterator(const CharacterManager& manager) : manager_(manager) {}

    void First() { position_ = 0; }
    void Next() { ++position_; }
    bool IsDone() const { return position_ >= manager_.GetCount(); }
    // The character at the position, its record not opened; null before First and once done.
    CharInfoRec* CurrentItem() const { return manager_.RecordAt(position_); }
    CharID CurrentID() const { return manager_.IdAt(position_); }

private:
    const CharacterManager& manager_;
    std::int32_t position_ = -1;
};
