#pragma once
// Steps played one at a time whenever the program waits for input, as a user at the keyboard would
// act while a modal box or chooser is up.

#include <deque>
#include <functional>

#include "platform/present/HeadlessPresenter.h"

namespace apptest {

class IdleSteps {
public:
    explicit IdleSteps(win::HeadlessPresenter& presenter) : presenter_(presenter) {
        presenter_.SetIdleHandler([this] {
            if (steps_.empty()) return false;
            std::function<void()> step = std::move(steps_.front());
            steps_.pop_front();
            step();
            return true;
        });
    }
    ~IdleSteps() { presenter_.SetIdleHandler(nullptr); }
    IdleSteps(const IdleSteps&) = delete;
    IdleSteps& operator=(const IdleSteps&) = delete;

    void Then(std::function<void()> step) { steps_.push_back(std::move(step)); }

private:
    win::HeadlessPresenter& presenter_;
    std::deque<std::function<void()>> steps_;
};

}  // namespace apptest
