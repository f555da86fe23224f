#include "storymodel/TextHelpers.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
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

void CopyToBuffer(const char* text, char* buffer, std::uint32_t size) {
    char* cursor = buffer;
    AppendToBuffer(cursor, text, size);
}

std::string FormatText(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list counting;
    va_copy(counting, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, counting);
    va_end(counting);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    return text;
}
