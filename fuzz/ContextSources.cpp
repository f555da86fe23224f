// Sources of the context file as the data compiler reads them. A source that reads has a text for
// story points only; the texts made from it are terminated, one per id, in id order, and all of
// them or none.

#include <string>

#include "FuzzSupport.h"
#include "datafiles/ContextTexts.h"
#include "storymodel/engine/StoryPointTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Diagnostics diagnostics;
    std::vector<ContextText> texts;
    const bool read = ReadContextSource("f.context", text, {{"VERSION", "1.2.3"}}, texts, diagnostics);
    FUZZ_CHECK(read != diagnostics.HasErrors());
    if (!read) {
        FUZZ_CHECK(texts.empty());
        for (const std::string& message : diagnostics.Messages())
            FUZZ_CHECK(message.starts_with("f.context"));
        return 0;
    }
    for (const ContextText& entry : texts) {
        FUZZ_CHECK(StoryPointAt(entry.storyPointIndex) != nullptr);
        FUZZ_CHECK(entry.text.find('\0') == std::string::npos);
    }
    Diagnostics made;
    const std::vector<SegmentData> segments = MakeContextSegments(texts, {"f", 0}, made);
    FUZZ_CHECK(segments.empty() == made.HasErrors());
    for (std::size_t i = 0; i < segments.size(); ++i) {
        FUZZ_CHECK(segments[i].key.type == kContextTextType);
        FUZZ_CHECK(!segments[i].bytes.empty() && segments[i].bytes.back() == 0);
        if (i > 0) FUZZ_CHECK(segments[i - 1].key.id < segments[i].key.id);
    }
    return 0;
}
