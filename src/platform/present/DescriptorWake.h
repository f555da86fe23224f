#pragma once
// Ends a wait for SDL's events when a descriptor becomes readable. SDL waits only for its own
// input, so while the presenter waits, a thread of its own waits for the descriptors the message
// loop watches (Descriptors.h) and pushes an event of its own type when one is readable: the
// presenter then sleeps until input, a deadline or a descriptor is due, never waking to look.
//
// The thread only waits and pushes: the descriptors' handlers run on the presenter's thread, after
// its wait. Between Arm and Disarm the presenter's thread must not close the descriptors.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

union SDL_Event;

namespace win {

class DescriptorWake {
public:
    // SDL's event queue must be running (SDL_Init with events).
    DescriptorWake();
    ~DescriptorWake();
    DescriptorWake(const DescriptorWake&) = delete;
    DescriptorWake& operator=(const DescriptorWake&) = delete;

    // Watches the descriptors until Disarm or until one is readable (its event is pushed then).
    void Arm(std::vector<int> descriptors);
    // Ends the watch; once it answers the thread no longer looks at the descriptors.
    void Disarm();
    // Whether the event is the one this wake pushes.
    bool IsWake(const SDL_Event& event) const;
    // How many wake events were pushed so far.
    unsigned long Pushed() const;

private:
    void Run();

    std::uint32_t eventType_ = 0;
    int stop_ = -1;  // an event descriptor that ends the thread's poll
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<int> watched_;
    bool armed_ = false;
    bool ending_ = false;
    unsigned long pushed_ = 0;
    std::thread thread_;
};

}  // namespace win
