#pragma once
// Broadcasters for changes made in bursts. A change of several steps opens a bracket (usually a
// BroadcasterBracket on the stack); events posted inside it are merged into one pending event,
// which is broadcast once when the outermost bracket closes, unless the bracket was cancelled or
// its end suppressed. Outside any bracket a posted event is broadcast at once.

#include <cstdint>
#include <memory>
#include <optional>

#include "storymodel/Broadcaster.h"

class TBracketedBroadcaster : public Broadcaster {
public:
    TBracketedBroadcaster() = default;

    void BeginBracket() { ++depth_; }
    // Closes one bracket. When that was the outermost one and something was posted inside it, the
    // merged event (which may be null) is broadcast, unless the bracket was cancelled or suppress is
    // set. An end without an open bracket is ignored.
    void EndBracket(bool suppress);
    // Drops what the open brackets have collected: their end broadcasts nothing. Outside any
    // bracket there is nothing to cancel, and the call does nothing.
    void CancelEvent();

protected:
    // Broadcasts the event now, or merges it into the pending event while a bracket is open. The
    // event (which may be null) stays the caller's. The typed PostEvent of TBracketedBroadcasterEvt
    // is the public entry.
    void PostEvent(const Event* event);

    // Merges an event posted inside a bracket into the pending one and answers the new pending
    // event. By default the latest event wins: a clone of the incoming event.
    virtual std::unique_ptr<Event> MergeEvents(std::unique_ptr<Event> pending, const Event& incoming);
    // A copy of the event for the broadcaster to keep until the bracket ends, or null.
    virtual std::unique_ptr<Event> CloneEvent(const Event& event) = 0;
    // Called after a non-null event was broadcast outside any bracket.
    virtual void EventPostedDirectly(const Event& event) = 0;

private:
    std::uint32_t depth_ = 0;
    bool posted_ = false;
    bool cancelled_ = false;
    std::unique_ptr<Event> pending_;
};

// A bracketed broadcaster whose events are of type E.
template <typename E>
class TBracketedBroadcasterEvt : public TBracketedBroadcaster {
public:
    virtual void PostEvent(const E* event) { TBracketedBroadcaster::PostEvent(event); }
};

// A bracketed broadcaster of events that carry nothing: however many posts a bracket holds, its
// listeners hear one null event at its end. The storyform and the scenes announce their changes
// through one.
class BracketedBroadcasterNULLEvt : public TBracketedBroadcasterEvt<TNULLEvent> {
protected:
    std::unique_ptr<Event> CloneEvent(const Event& /*event*/) override { return nullptr; }
    void EventPostedDirectly(const Event& /*event*/) override {}
};

// Keeps a bracket open on a broadcaster (which may be null) for its own lifetime. A broadcaster
// destroyed before the bracket ends is left alone.
class BroadcasterBracket {
public:
    explicit BroadcasterBracket(TBracketedBroadcaster* broadcaster);
    ~BroadcasterBracket();

    BroadcasterBracket(const BroadcasterBracket&) = delete;
    BroadcasterBracket& operator=(const BroadcasterBracket&) = delete;

private:
    TBracketedBroadcaster* broadcaster_;
    std::optional<Broadcaster::LifetimeWatch> watch_;
};
