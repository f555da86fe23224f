#include "storymodel/BracketedBroadcaster.h"

#include <utility>

void TBracketedBroadcaster::EndBracket(bool suppress) {
    if (depth_ == 0) return;
    if (--depth_ != 0) return;
    const bool send = posted_ && !cancelled_ && !suppress;
    const std::unique_ptr<Event> taken = std::move(pending_);
    posted_ = false;
    cancelled_ = false;
    if (send) Broadcast(taken.get());
}

void TBracketedBroadcaster::CancelEvent() {
    if (depth_ == 0) return;
    cancelled_ = true;
    pending_.reset();
}

void TBracketedBroadcaster::PostEvent(const Event* event) {
    if (depth_ == 0) {
        const LifetimeWatch watch(*this);
        Broadcast(event);
        if (event && !watch.BroadcasterDestroyed()) EventPostedDirectly(*event);
        return;
    }
    posted_ = true;
    if (!event) return;
    pending_ = pending_ ? MergeEvents(std::move(pending_), *event) : CloneEvent(*event);
}

std::unique_ptr<Event> TBracketedBroadcaster::MergeEvents(std::unique_ptr<Event> /*pending*/,
                                                          const Event& incoming) {
    return CloneEvent(incoming);
}

BroadcasterBracket::BroadcasterBracket(TBracketedBroadcaster* broadcaster) : broadcaster_(broadcaster) {
    if (!broadcaster_) return;
    watch_.emplace(*broadcaster_);
    broadcaster_->BeginBracket();
}

BroadcasterBracket::~BroadcasterBracket() {
    if (broadcaster_ && !watch_->BroadcasterDestroyed()) broadcaster_->EndBracket(false);
}
