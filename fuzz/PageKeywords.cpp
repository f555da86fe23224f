// The query pages' own keywords reading their parameters from page templates: a maximum length (16
// bits), the context's act, storytelling index and throughline (a byte each), then the template.
// Whatever the bytes, the interpretation stands for exactly one text or keyword, its text keeps
// within the maximum length, nothing is read past the template's end, and a bound keyword without
// a story reads and writes nothing.

#include <cstring>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/FQSPageData.h"
#include "query/data/TFQSInterpretable.h"
#include "query/keywords/PageKeywords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RegisterPageKeywords();
    FuzzInput input(data, size);
    const std::int32_t maxLength = input.Short() % 2048;
    FQSPageData entry(0, 5, 1);
    entry.SetActIndex(static_cast<std::int8_t>(input.Byte()));
    entry.SetStorytellingIndex(static_cast<std::int8_t>(input.Byte()));
    entry.SetThroughline(static_cast<std::int8_t>(input.Byte()));
    // The template in a block of exactly its size, so that reading past its end is caught.
    const std::string_view bytes = input.Rest();
    const auto text = std::make_unique<char[]>(bytes.size() + 1);
    std::memcpy(text.get(), bytes.data(), bytes.size());
    text[bytes.size()] = '\0';

    FQSInterpretation interpretation(nullptr, maxLength, text.get(), &entry, nullptr);
    FUZZ_CHECK(interpretation.IsValid());
    FUZZ_CHECK(static_cast<std::int32_t>(std::strlen(interpretation.GetText())) < std::max(maxLength, 1));
    if (TFQSInterpretable* keyword = interpretation.GetKeyword()) {
        char buffer[16];
        keyword->GetText(nullptr, interpretation, buffer, sizeof buffer);
        FUZZ_CHECK(buffer[0] == '\0');
        keyword->SetText(nullptr, interpretation, "x");
        keyword->SetChoice(nullptr, interpretation, 1);
        keyword->Execute(nullptr, interpretation);
    }
    return 0;
}
