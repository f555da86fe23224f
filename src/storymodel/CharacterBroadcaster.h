#pragma once
// The broadcaster of character changes: all character events posted inside one outermost bracket
// reach the listeners as one event that names each changed character once, in order of first
// appearance.

#include <memory>

#include "storymodel/BracketedBroadcaster.h"

class CharacterBroadcaster : public TBracketedBroadcasterEvt<CharacterEvent> {
protected:
    // Appends each id of the incoming event that the pending one does not hold yet.
    std::unique_ptr<Event> MergeEvents(std::unique_ptr<Event> pending, const Event& incoming) override;
    // A new event with every id of the given one, in order, repeated ids included.
    std::unique_ptr<Event> CloneEvent(const Event& event) override;
    void EventPostedDirectly(const Event& /*event*/) override {}
};
