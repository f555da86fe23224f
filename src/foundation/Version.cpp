#include "foundation/Version.h"

#include <cctype>

namespace {

// Reads a decimal number at the front of the text and moves past it; no digits read 0.
std::uint32_t TakeNumber(std::string_view& text) {
    std::uint32_t value = 0;
    while (!text.empty() && std::isdigit(static_cast<unsigned char>(text.front()))) {
        value = value * 10 + static_cast<std::uint32_t>(text.front() - '0');
        if (value > 0xFFFF) value = 0xFFFF;
        text.remove_prefix(1);
    }
    return value;
}

}  // namespace

VersionNumber ParseVersion(std::string_view text) {
    std::uint32_t major = TakeNumber(text);
    std::uint32_t minor = 0;
    std::uint32_t stage = kStageRelease;
    std::uint32_t build = 0;
    if (!text.empty()) {
        text.remove_prefix(1);
        minor = TakeNumber(text);
    }
    if (!text.empty()) {
        switch (std::tolower(static_cast<unsigned char>(text.front()))) {
            case 'd': stage = kStageDevelopment; break;
            case 'a': stage = kStageAlpha; break;
            case 'b': stage = kStageBeta; break;
            default: break;
        }
        text.remove_prefix(1);
    }
    if (!text.empty()) build = TakeNumber(text);
    return MakeVersion(major, minor, stage, build);
}

std::string FormatVersion(VersionNumber version) {
    std::string text = std::to_string(VersionMajor(version)) + "." + std::to_string(VersionMinor(version));
    const std::uint32_t build = VersionBuild(version);
    switch (VersionStageOf(version)) {
        case kStageDevelopment: text += 'd'; break;
        case kStageAlpha: text += 'a'; break;
        case kStageBeta: text += 'b'; break;
        default:
            if (build != 0) text += '.';
            break;
    }
    if (build != 0) text += std::to_string(build);
    return text;
}
