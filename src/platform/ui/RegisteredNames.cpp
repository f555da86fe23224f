#include "platform/ui/RegisteredNames.h"

#include <algorithm>
#include <cctype>

namespace win::detail {

UINT RegisteredNames::Register(const char* name) {
    if (name == nullptr || name[0] == '\0') return 0;
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto found = numbers_.find(key);
    if (found != numbers_.end()) return found->second;
    if (numbers_.size() >= 0x4000) return 0;
    const UINT number = 0xC000 + static_cast<UINT>(numbers_.size());
    numbers_.emplace(std::move(key), number);
    return number;
}

}  // namespace win::detail
