// Example story sources as the story compiler reads them: the form first, then the names. A story
// whose names resolve has one main and one impact character, and every relationship, scene and
// choice it gives points at what the story has.

#include <string>

#include "FuzzSupport.h"
#include "storyfiles/StoryResolver.h"
#include "storyfiles/StorySource.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/engine/StoryPointTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Diagnostics diagnostics;
    StorySource source;
    const bool read = ParseStorySource("f.story", text, source, diagnostics);
    FUZZ_CHECK(read != diagnostics.HasErrors());
    ResolvedStory story;
    if (!read || !ResolveStory(source, story, diagnostics)) {
        for (const std::string& message : diagnostics.Messages()) FUZZ_CHECK(message.starts_with("f.story"));
        return 0;
    }
    int mains = 0;
    int impacts = 0;
    for (const ResolvedCharacter& character : story.characters) {
        mains += character.subjectiveRole == kMainRole;
        impacts += character.subjectiveRole == kImpactRole;
        FUZZ_CHECK(character.name.size() <= kMaxCharacterName);
    }
    FUZZ_CHECK(mains == 1 && impacts == 1);
    for (const ResolvedRelationship& relationship : story.relationships)
        FUZZ_CHECK(relationship.first < story.characters.size() &&
                   relationship.second < story.characters.size());
    for (const ResolvedScene& scene : story.scenes) {
        for (const std::size_t place : scene.characters) FUZZ_CHECK(place < story.characters.size());
        for (const int index : scene.points) FUZZ_CHECK(StoryPointAt(index) != nullptr);
    }
    for (const ResolvedChoice& choice : story.choices)
        FUZZ_CHECK(StoryPointAt(choice.index) && choice.value > 0);
    return 0;
}
