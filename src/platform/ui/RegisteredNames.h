#pragma once
// Internal to the window layer: names registered for numbers of their own, as window messages and
// clipboard formats are. Letters of either case are alike; numbers run from 0xC000 in the order the
// names first come, to 0xFFFF.

#include <map>
#include <string>

#include "platform/sys/WinTypes.h"

namespace win::detail {

class RegisteredNames {
public:
    // The name's number, given now if it has none; 0 for an empty name or once the numbers are taken.
    UINT Register(const char* name);

private:
    std::map<std::string, UINT> numbers_;
};

}  // namespace win::detail
