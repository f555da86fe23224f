#pragma once
// What the storyform solver reads and writes of a story's storyform: the writer's choices (one
// value, or -1 when a list of allowed values is stored) and the values in force. The story's
// storyform manager offers exactly these operations of its storyform interface; tests feed the
// solver through their own implementation.

#include <cstdint>

#include "foundation/TypedList.h"

class IStoryformChoices {
public:
    virtual ~IStoryformChoices() = default;

    // The value in force of the story point at the row (0-116).
    virtual std::int16_t GetValueAt(int index) = 0;
    virtual void SetValueAt(int index, std::int16_t value) = 0;
    // The writer's choice for the story point: 0 none, -1 a list, else a value id.
    virtual std::int16_t GetChoice(std::int16_t id) = 0;
    // Sets the choice, and the value in force with it.
    virtual void SetChoice(std::int16_t id, std::int16_t value) = 0;
    // Sets the value in force of the story point.
    virtual void SetValue(std::int16_t id, std::int16_t value) = 0;
    // Empties the list and fills it with the allowed values stored for the point at the row.
    virtual void GetMultipleChoices(int index, SList& list) = 0;
};
