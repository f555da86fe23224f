// The question status as a story file keeps it: the text under "QState" and the raw list of older
// files. Whatever the bytes, the list stays sorted with each pair once, and the text it writes is
// whole entries within the limit that read back as the same list less the entries a missing one
// would give.

#include <string>

#include "FuzzSupport.h"
#include "query/data/QuestionStatus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool raw = (input.Byte() & 1) != 0;
    const std::string_view rest = input.Rest();
    QuestionStatus status;
    if (raw) {
        status.AddFromRaw(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size());
    } else {
        status.AddFromText(std::string(rest).c_str());
    }
    const auto& entries = status.Entries();
    for (std::size_t i = 1; i < entries.size(); ++i) {
        FUZZ_CHECK(entries[i - 1].topic < entries[i].topic ||
                   (entries[i - 1].topic == entries[i].topic && entries[i - 1].context < entries[i].context));
    }
    const std::string text = status.ToText();
    FUZZ_CHECK(text.size() < QuestionStatus::kTextLimit);
    FUZZ_CHECK(text.empty() || text.back() == ',');
    QuestionStatus again;
    again.AddFromText(text.c_str());
    FUZZ_CHECK(again.ToText() == text);
    for (const QuestionState& entry : again.Entries()) {
        FUZZ_CHECK(status.GetStatus(entry.topic, entry.context) == entry.status);
        FUZZ_CHECK(status.GetOpenFlag(entry.topic, entry.context) == entry.open);
    }
    return 0;
}
