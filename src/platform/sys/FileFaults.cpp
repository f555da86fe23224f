#include "platform/sys/FileFaults.h"

#include <array>
#include <cstddef>

namespace win {
namespace {

struct Fault {
    unsigned long count = 0;
    unsigned long failAt = 0;  // 0: none armed
    int errorNumber = 0;
    bool keepFailing = false;
};

constexpr std::size_t kCallKinds = static_cast<std::size_t>(FileCall::kLookUp) + 1;

std::array<Fault, kCallKinds>& Faults() {
    static std::array<Fault, kCallKinds> faults;
    return faults;
}

Fault& FaultOf(FileCall call) { return Faults()[static_cast<std::size_t>(call)]; }

}  // namespace

void ResetFileCalls() { Faults().fill(Fault{}); }

unsigned long GetFileCallCount(FileCall call) { return FaultOf(call).count; }

void FailFileCall(FileCall call, unsigned long nth, int errorNumber, bool keepFailing) {
    Fault& fault = FaultOf(call);
    fault.failAt = nth;
    fault.errorNumber = errorNumber;
    fault.keepFailing = keepFailing;
}

int CountFileCall(FileCall call) {
    Fault& fault = FaultOf(call);
    ++fault.count;
    if (fault.failAt == 0) return 0;
    if (fault.count == fault.failAt || (fault.keepFailing && fault.count > fault.failAt))
        return fault.errorNumber;
    return 0;
}

}  // namespace win
