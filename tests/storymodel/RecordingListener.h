#pragma once
// A listener for the notification tests: records every event it hears, in a log shared with other
// listeners when one is given, and runs an optional action on each notification.

#include <functional>
#include <string>
#include <vector>

#include "storymodel/Listener.h"

class RecordingListener : public MSingleBroadcastListener {
public:
    explicit RecordingListener(IBroadcaster* broadcaster, std::string name = {},
                               std::vector<std::string>* log = nullptr)
        : MSingleBroadcastListener(broadcaster), name_(std::move(name)), log_(log) {}

    void Notify(const Event* event) override {
        events.push_back(event);
        if (log_) log_->push_back(name_);
        if (onNotify) onNotify();
    }

    std::vector<const Event*> events;
    std::function<void()> onNotify;

private:
    std::string name_;
    std::vector<std::string>* log_;
};
