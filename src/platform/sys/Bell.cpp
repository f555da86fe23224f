#include "platform/sys/Bell.h"

#include <unistd.h>
#include <cstdio>

namespace win {
namespace {

void RingTerminal(UINT) {
    if (::isatty(STDERR_FILENO)) {
        std::fputc('\a', stderr);
        std::fflush(stderr);
    }
}

struct BellState {
    BellHandler handler = RingTerminal;
    unsigned long count = 0;
};

BellState& State() {
    static BellState state;
    return state;
}

}  // namespace

BOOL MessageBeep(UINT type) {
    BellState& state = State();
    ++state.count;
    state.handler(type);
    return TRUE;
}

BellHandler SetBellHandler(BellHandler handler) {
    BellState& state = State();
    BellHandler previous = state.handler;
    state.handler = handler ? handler : RingTerminal;
    return previous;
}

unsigned long GetBellCount() { return State().count; }

}  // namespace win
