// The question status as a story file keeps it: the text under "QState" and the raw list of older
// files. Whatever the bytes, the list stays sorted with each pair once, and the texts it writes are
// whole entries, each within the limit, that read back as the same list less the entries a missing
// one would give.

#include <string>
#include <vector>

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
    // Every part of whole entries within the limit, and the parts read back as the same list.
    const std::vector<std::string> texts = status.ToTexts();
    FUZZ_CHECK(!texts.empty());
    QuestionStatus again;
    for (const std::string& text : texts) {
        FUZZ_CHECK(text.size() < QuestionStatus::kTextLimit - 1);
        FUZZ_CHECK(text.empty() || text.back() == ',');
        again.AddFromText(text.c_str());
    }
    FUZZ_CHECK(again.ToTexts() == texts);
    for (const QuestionState& entry : again.Entries()) {
        FUZZ_CHECK(status.GetStatus(entry.topic, entry.context) == entry.status);
        FUZZ_CHECK(status.GetOpenFlag(entry.topic, entry.context) == entry.open);
    }
    for (const QuestionState& entry : status.Entries()) {
        if (entry.status != kQuestionOpen || entry.open != 0)
            FUZZ_CHECK(again.GetStatus(entry.topic, entry.context) == entry.status);
    }
    return 0;
}
