// Macro templates expanded for a story and for none. The input's first byte chooses the story or
// none; the rest is the template, and after its first NUL the story's title and its Main
// character's description (split at the next NUL), which macros expand in turn. The text comes
// back whole and NUL-terminated, within the size limit; a template without a brace comes back as
// it is; the ids collected are positive, without repeats, sorted by their names.

#include <string>

#include "FuzzStory.h"
#include "foundation/TypedList.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

const char* NameOf(std::int16_t id) { return id < 1000 ? ElementName(id) : StoryPointName(id); }

// The part of the text up to its first NUL; the text after that NUL is kept for the next call.
std::string TakePart(std::string_view& rest) {
    const std::size_t nul = rest.find('\0');
    const std::string part(rest.substr(0, nul));
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StandInStory& story = FuzzMixedStory();
    FuzzInput input(data, size);
    const bool withStory = input.Byte() % 2 == 0;
    std::string_view rest = input.Rest();
    const std::string text = TakePart(rest);
    story.GetInfoRecord().SetEntry("Title", kPTextText, TakePart(rest).c_str());
    story.Characters()
        .GetCharacter(story.Characters().GetMainCharacter())
        ->SetDescription(TakePart(rest).c_str());

    SList ids;
    {
        TextMacroExpander expander(withStory ? &story : nullptr, text.c_str(), &ids);
        std::uint32_t length = 0;
        const char* expanded = expander.Expand(&length);
        FUZZ_CHECK(length == std::strlen(expanded) + 1);
        FUZZ_CHECK(length - 1 <= TextMacroExpander::kMaxExpandedSize);
        FUZZ_CHECK(ContainsMacro(text.c_str()) || expanded == text);
    }
    for (std::int32_t i = 0; i < ids.Count(); ++i) {
        FUZZ_CHECK(ids.GetAt(i) > 0);
        if (i == 0) continue;
        const int order = std::strcmp(NameOf(ids.GetAt(i - 1)), NameOf(ids.GetAt(i)));
        FUZZ_CHECK(order < 0 || (order == 0 && ids.GetAt(i - 1) < ids.GetAt(i)));
    }
    return 0;
}
