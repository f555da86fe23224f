#include "query/data/FQSInterpretation.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "query/data/FQSPageData.h"
#include "query/data/TFQSInterpretable.h"

namespace {

bool EndsName(char c) { return c == '\0' || c == '(' || c == ')' || c == '{' || c == '}'; }

// Moves the source on by up to count characters, never past its NUL.
void Skip(const char*& source, int count) {
    for (; count > 0 && *source != '\0'; --count) ++source;
}

}  // namespace

FQSInterpretation::FQSInterpretation(IStoryDocument* document, std::int32_t maxLength, const char* keyOrText,
                                     const FQSPageData* entry, PText* record)
    : document_(document) {
    const std::int32_t limit = std::max<std::int32_t>(maxLength, 0);
    auto out = std::make_unique<char[]>(static_cast<std::size_t>(limit) + 1);
    out[0] = '\0';
    std::unique_ptr<char[]> stored;
    const char* source = keyOrText ? keyOrText : "";
    if (record) {
        stored = std::make_unique<char[]>(static_cast<std::size_t>(limit) + 1);
        stored[0] = '\0';
        const std::int32_t read = record->GetEntry(source, kPTextText, stored.get(), limit + 1);
        if (read < 0) status_ = read;
        source = stored.get();
    }
    if (status_ == 0) Scan(source, limit, entry, out.get());
    if (!keyword_) text_ = std::move(out);
}

FQSInterpretation::~FQSInterpretation() = default;

void FQSInterpretation::Scan(const char* source, std::int32_t maxLength, const FQSPageData* entry,
                             char* out) {
    std::int32_t remaining = maxLength;
    while (remaining > 1 && *source != '\0') {
        if (*source != '{') {
            *out++ = *source++;
            --remaining;
            continue;
        }
        std::size_t length = 0;
        while (length < kKeywordNameLength && !EndsName(source[1 + length])) ++length;
        TFQSInterpretable* keyword = FindKeyword(std::string_view(source + 1, length));
        if (!keyword) {
            *out++ = *source++;
            --remaining;
            continue;
        }
        source += 1 + length;
        Skip(source, 1);
        if (entry) static_cast<QuestionContext&>(*this) = entry->Context();
        *out = '\0';
        keyword_ = keyword->Interpret(out, source, remaining, document_, *this, parameter_);
        // A keyword writes less than the room it is given; whatever it wrote beyond is not kept.
        const std::int32_t written =
            static_cast<std::int32_t>(strnlen(out, static_cast<std::size_t>(remaining - 1)));
        out += written;
        remaining -= written;
        *out = '\0';
        Skip(source, 2);
    }
    *out = '\0';
}

void FQSInterpretation::ReadInto(char* buffer, std::int32_t size, PText* record) const {
    if (!buffer || size <= 0) return;
    buffer[0] = '\0';
    if (!IsText()) {
        if (keyword_) keyword_->GetText(document_, *this, buffer, size);
        return;
    }
    if (!record) {
        const std::size_t count =
            std::min<std::size_t>(std::strlen(GetText()), static_cast<std::size_t>(size) - 1);
        std::memcpy(buffer, GetText(), count);
        buffer[count] = '\0';
        return;
    }
    if (*GetText() != '\0') record->GetEntry(GetText(), kPTextText, buffer, size);
}
