#include "storymodel/TextHelpers.h"

#include <algorithm>
#include <cstring>

void ConvertLineEnds(char* text) {
    if (!text) return;
    char* out = text;
    for (const char* in = text; *in; ++in) {
        if (*in == '\r') {
            *out++ = '\n';
            if (in[1] == '\n') ++in;
        } else {
            *out++ = *in;
        }
    }
    *out = '\0';
}

void AppendToBuffer(char*& cursor, const char* text, std::uint32_t& remaining) {
    if (remaining == 0) return;
    const std::size_t length = text ? std::strlen(text) : 0;
    const auto copied = static_cast<std::uint32_t>(std::min<std::size_t>(length, remaining - 1));
    if (copied) std::memcpy(cursor, text, copied);
    cursor[copied] = '\0';
    cursor += copied;
    remaining -= copied;
}
