#pragma once
// Listeners hear the events of the broadcasters they are registered with.

class Event;
class IBroadcaster;

class IListener {
public:
    virtual ~IListener() = default;

    // Called for every event the broadcaster sends; the event may be null and stays the sender's.
    virtual void Notify(const Event* event) = 0;

    // Called by a broadcaster that is being destroyed while this listener is still registered with
    // it, so that the listener forgets it.
    virtual void BroadcasterDestroyed(IBroadcaster* /*broadcaster*/) {}
};

// A listener bound to one broadcaster (or to none) from its construction to its destruction.
class MSingleBroadcastListener : public IListener {
public:
    // Registers with the broadcaster when it is not null.
    explicit MSingleBroadcastListener(IBroadcaster* broadcaster);
    // Unregisters from the broadcaster it is bound to, if any.
    ~MSingleBroadcastListener() override;

    MSingleBroadcastListener(const MSingleBroadcastListener&) = delete;
    MSingleBroadcastListener& operator=(const MSingleBroadcastListener&) = delete;

    // Unregisters from the current broadcaster and registers with the new one (either may be null).
    void SetBroadcaster(IBroadcaster* broadcaster);
    IBroadcaster* GetBroadcaster() const { return broadcaster_; }

    void BroadcasterDestroyed(IBroadcaster* broadcaster) override;

private:
    IBroadcaster* broadcaster_ = nullptr;
};
