#pragma once
// Broadcasters send events to the listeners registered with them, synchronously, in order of
// registration.
//
// A broadcast copes with listeners that change the list while it runs: a listener added is heard
// in the same broadcast, a listener removed is not called again and the listeners after it are not
// skipped, and a broadcaster destroyed by one of its listeners ends the broadcast at once. A
// broadcaster that is destroyed tells the listeners still registered with it, so that none of them
// is left pointing at it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "storymodel/Events.h"
#include "storymodel/Listener.h"

class IBroadcaster {
public:
    virtual ~IBroadcaster() = default;

    // Answers the listener's position in the list, or -1 when it could not be added.
    virtual std::int32_t AddListener(IListener* listener) = 0;
    // Answers the position the listener had, or -1 when it was not registered.
    virtual std::int32_t RemoveListener(IListener* listener) = 0;
    virtual void Broadcast(const Event* event) = 0;
};

class Broadcaster : public IBroadcaster {
public:
    Broadcaster() = default;
    ~Broadcaster() override;

    Broadcaster(const Broadcaster&) = delete;
    Broadcaster& operator=(const Broadcaster&) = delete;

    // Appends the listener; registering the same listener twice keeps two entries.
    std::int32_t AddListener(IListener* listener) override;
    // Removes the first entry of the listener.
    std::int32_t RemoveListener(IListener* listener) override;
    // Calls Notify of every listener with the event (which may be null).
    void Broadcast(const Event* event) override;

    // Notes, for as long as it lives, whether its broadcaster has been destroyed: work that calls
    // out to listeners checks it before it touches the broadcaster again.
    class LifetimeWatch {
    public:
        explicit LifetimeWatch(Broadcaster& broadcaster);
        ~LifetimeWatch();

        LifetimeWatch(const LifetimeWatch&) = delete;
        LifetimeWatch& operator=(const LifetimeWatch&) = delete;

        bool BroadcasterDestroyed() const { return broadcaster_ == nullptr; }

    private:
        friend class Broadcaster;

        Broadcaster* broadcaster_;
        LifetimeWatch* previous_ = nullptr;
        LifetimeWatch* next_ = nullptr;
        // The listener being called when the watch belongs to a running broadcast, else -1.
        std::ptrdiff_t position_ = -1;
    };

private:
    std::vector<IListener*> listeners_;
    LifetimeWatch* watches_ = nullptr;
};
