#include "platform/sys/SystemNames.h"

#include "platform/sys/Cp1252.h"

namespace win {

std::string NameForSystem(std::string_view name) { return Cp1252ToUtf8(name); }

std::optional<std::string> NameFromSystem(std::string_view systemName) {
    std::string name = Utf8ToCp1252(systemName);
    // Every Windows-1252 byte has one UTF-8 form, so only a name that converted whole comes back.
    if (Cp1252ToUtf8(name) != systemName) return std::nullopt;
    return name;
}

}  // namespace win
