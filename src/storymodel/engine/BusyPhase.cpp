#include "storymodel/engine/BusyPhase.h"

namespace {

BusyPhaseHook gHook = nullptr;
int gDepth = 0;

}  // namespace

BusyPhaseHook SetBusyPhaseHook(BusyPhaseHook hook) {
    const BusyPhaseHook previous = gHook;
    gHook = hook;
    return previous;
}

BusyPhase::BusyPhase() {
    if (gDepth++ == 0 && gHook) gHook(true);
}

BusyPhase::~BusyPhase() {
    if (--gDepth == 0 && gHook) gHook(false);
}
