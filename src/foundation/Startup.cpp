#include "foundation/Startup.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "foundation/Platform.h"

namespace {

using CallbackTable = std::array<StartupCallback, kMaxStartupCallbacks>;

struct StartupState {
    std::int32_t runCount = 0;
    CallbackTable init{};
    CallbackTable term{};
};

StartupState& State() {
    static StartupState state;
    return state;
}

bool Register(CallbackTable& table, StartupCallback callback) {
    if (!callback) return false;
    if (std::find(table.begin(), table.end(), callback) != table.end()) return true;
    auto empty = std::find(table.begin(), table.end(), nullptr);
    if (empty == table.end()) return false;
    *empty = callback;
    return true;
}

void RunAll(const CallbackTable& table) {
    for (StartupCallback callback : table) {
        if (!callback) break;
        callback();
    }
}

}  // namespace

bool RegisterInitCallback(StartupCallback callback) { return Register(State().init, callback); }
bool RegisterTermCallback(StartupCallback callback) { return Register(State().term, callback); }

void StartUp() {
    StartupState& state = State();
    if (++state.runCount != 1) return;
    DetectPlatform();
    RunAll(state.init);
}

void ShutDown() {
    StartupState& state = State();
    if (state.runCount == 1) RunAll(state.term);
    --state.runCount;
}
