#pragma once
// What a store's saves report to when a caller attaches a tracker: the number of segments at the
// start, one step per segment written, and the end. Nothing in the program attaches one.

#include <cstdint>

class TProgressTracker {
public:
    TProgressTracker() = default;
    TProgressTracker(const TProgressTracker&) = delete;
    TProgressTracker& operator=(const TProgressTracker&) = delete;
    virtual ~TProgressTracker() = default;

    virtual void Begin(std::uint32_t segmentCount) = 0;
    virtual void Step() = 0;
    virtual void End() = 0;
};
