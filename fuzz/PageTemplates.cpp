// The templates of the query pages, interpreted: a maximum length (16 bits), a key byte, then the
// template, read either as it stands or from a page record holding it as the stored text of a
// keyed record. Keywords of the target's own read numbers and digits, write texts and bind. Whatever
// the bytes, the interpretation stands for exactly one text or keyword, its text keeps within the
// maximum length, and nothing is read past the template's end.

#include <cstdio>
#include <cstring>
#include <string>

#include "FuzzStores.h"
#include "foundation/pfm/PText.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/FQSPageData.h"
#include "query/data/KeywordBases.h"

namespace {

// Writes as much of a long text as the room allows: the worst a keyword may do.
class KFuzzText : public TFQSInterpretable {
public:
    using TFQSInterpretable::TFQSInterpretable;
    TFQSInterpretable* Interpret(char* out, const char*& source, std::int32_t remaining, IStoryDocument*,
                                 FQSInterpretation&, std::int32_t& parameter) override {
        parameter = ReadKeywordNumber(source);
        if (*source != '\0') ++source;  // one digit
        const std::string text(static_cast<std::size_t>(parameter & 0x3FF), 'w');
        std::snprintf(out, static_cast<std::size_t>(remaining), "%s", text.c_str());
        return nullptr;
    }
};

KFuzzText gText("FText");
FQSExecutable gBind("FBind");
FQSExecute1Param gParam("FParam");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartStores();
    FuzzInput input(data, size);
    const std::int32_t maxLength = input.Short() % 2048;
    const bool fromRecord = (input.Byte() & 1) != 0;
    const std::string text(input.Rest());
    FQSPageData entry(0, 5, 1);
    entry.SetActIndex(1);

    std::unique_ptr<FQSInterpretation> interpretation;
    if (fromRecord) {
        PFMFile* store = PFMOpenFile(nullptr);
        FUZZ_CHECK(store != nullptr);
        {
            PText record(store, FourCCOf("FQS2"), 1);
            record.SetEntry("T1", 'c', text.c_str());
            interpretation = std::make_unique<FQSInterpretation>(nullptr, maxLength, "T1", &entry, &record);
            char buffer[64];
            interpretation->ReadInto(buffer, sizeof buffer, &record);
            FUZZ_CHECK(std::strlen(buffer) < sizeof buffer);
        }
        PFMCloseFile(store);
    } else {
        interpretation =
            std::make_unique<FQSInterpretation>(nullptr, maxLength, text.c_str(), &entry, nullptr);
        char buffer[16];
        interpretation->ReadInto(buffer, sizeof buffer, nullptr);
        FUZZ_CHECK(std::strlen(buffer) < sizeof buffer);
    }
    FUZZ_CHECK(interpretation->IsValid());
    FUZZ_CHECK(interpretation->IsText() != interpretation->IsKeyword());
    FUZZ_CHECK(static_cast<std::int32_t>(std::strlen(interpretation->GetText())) < std::max(maxLength, 1));
    return 0;
}
