#pragma once
// Busy phases of the story model. The model draws nothing itself: the application installs a hook
// that shows the wait cursor while a phase runs (and tests install a recording one), and long
// computations such as a storyform count bracket themselves with a BusyPhase.

// Called with true when the outermost phase starts and with false when it ends.
using BusyPhaseHook = void (*)(bool busy);

// Installs the hook (null: none) and answers the previous one.
BusyPhaseHook SetBusyPhaseHook(BusyPhaseHook hook);

class BusyPhase {
public:
    BusyPhase();
    ~BusyPhase();
    BusyPhase(const BusyPhase&) = delete;
    BusyPhase& operator=(const BusyPhase&) = delete;
};
