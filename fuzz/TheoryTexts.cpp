// The theory's texts as the dictionary, the theory help window and the element browser read them
// out of the application data file; the input's first byte picks the kind of text (a name,
// definition or synonyms segment, or a story point's description record), the next two its id and
// the rest are its bytes. Whatever the bytes, a text ends within its segment and holds no NUL.

#include <cstring>

#include "FuzzStores.h"
#include "storywindows/TheoryTexts.h"

namespace {

constexpr FourCC kKinds[] = {kTermNameSegment, kShortDefinitionSegment, kLongDefinitionSegment,
                             kSynonymSegment, FourCCOf("APPR")};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const FourCC kind = kKinds[input.Byte() % std::size(kKinds)];
    const std::uint16_t id = input.Short();
    const std::string_view bytes = input.Rest();
    PFMFile* store =
        StoreWithSegment(kind, id, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    const TheoryTexts texts(store);
    if (kind == FourCCOf("APPR")) {
        const std::string description = texts.Description(static_cast<std::int16_t>(id));
        FUZZ_CHECK(std::strlen(description.c_str()) == description.size());
    } else {
        const std::string text = texts.Text(kind, id);
        FUZZ_CHECK(text.size() <= bytes.size());
        FUZZ_CHECK(text.find('\0') == std::string::npos);
        FUZZ_CHECK(bytes.compare(0, text.size(), text) == 0);
    }
    PFMCloseFile(store);
    return 0;
}
