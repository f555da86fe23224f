#include "storymodel/Listener.h"

#include "storymodel/Broadcaster.h"

MSingleBroadcastListener::MSingleBroadcastListener(IBroadcaster* broadcaster) { SetBroadcaster(broadcaster); }

MSingleBroadcastListener::~MSingleBroadcastListener() { SetBroadcaster(nullptr); }

void MSingleBroadcastListener::SetBroadcaster(IBroadcaster* broadcaster) {
    if (broadcaster_) broadcaster_->RemoveListener(this);
    broadcaster_ = broadcaster;
    if (broadcaster_) broadcaster_->AddListener(this);
}

void MSingleBroadcastListener::BroadcasterDestroyed(IBroadcaster* broadcaster) {
    if (broadcaster_ == broadcaster) broadcaster_ = nullptr;
}
