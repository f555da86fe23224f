#include "storymodel/Broadcaster.h"

#include <algorithm>

// Watches usually live on the stack of a running broadcast; each one unlinks itself in its
// destructor, so the broadcaster never keeps the address of a watch that is gone. GCC cannot see
// that pairing and warns about the stored address.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
Broadcaster::LifetimeWatch::LifetimeWatch(Broadcaster& broadcaster) : broadcaster_(&broadcaster) {
    next_ = broadcaster.watches_;
    if (next_) next_->previous_ = this;
    broadcaster.watches_ = this;
}
#pragma GCC diagnostic pop

Broadcaster::LifetimeWatch::~LifetimeWatch() {
    if (!broadcaster_) return;
    if (previous_) {
        previous_->next_ = next_;
    } else {
        broadcaster_->watches_ = next_;
    }
    if (next_) next_->previous_ = previous_;
}

Broadcaster::~Broadcaster() {
    for (LifetimeWatch* watch = watches_; watch; watch = watch->next_) watch->broadcaster_ = nullptr;
    for (IListener* listener : listeners_) listener->BroadcasterDestroyed(this);
}

std::int32_t Broadcaster::AddListener(IListener* listener) {
    listeners_.push_back(listener);
    return static_cast<std::int32_t>(listeners_.size() - 1);
}

std::int32_t Broadcaster::RemoveListener(IListener* listener) {
    const auto found = std::find(listeners_.begin(), listeners_.end(), listener);
    if (found == listeners_.end()) return -1;
    const std::ptrdiff_t position = found - listeners_.begin();
    listeners_.erase(found);
    // Running broadcasts at or past the removed entry step back with the entries that moved down.
    for (LifetimeWatch* watch = watches_; watch; watch = watch->next_) {
        if (position <= watch->position_) --watch->position_;
    }
    return static_cast<std::int32_t>(position);
}

void Broadcaster::Broadcast(const Event* event) {
    LifetimeWatch watch(*this);
    for (watch.position_ = 0;; ++watch.position_) {
        if (watch.BroadcasterDestroyed()) return;
        if (watch.position_ >= static_cast<std::ptrdiff_t>(listeners_.size())) return;
        listeners_[static_cast<std::size_t>(watch.position_)]->Notify(event);
    }
}
