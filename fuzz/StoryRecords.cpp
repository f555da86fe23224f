// The character and scene records of a story file, as the managers read them from a store. The
// input is a list of segments, each a kind byte (character record, scene record, storytelling
// record, characteristic notes, information record), a 16-bit id, a 16-bit length and the bytes.
// Loaded, the scenes hold every position from 0 to their count once and the characters are sorted
// by name with names of at most 31 characters; saved and loaded again, nothing more is removed and
// the same characters and scenes come back in the same order.

#include <string>
#include <vector>

#include "FuzzStory.h"
#include "foundation/PlainText.h"
#include "foundation/pfm/PFM.h"
#include "storymodel/engine/InclApprList.h"

namespace {

constexpr FourCC kKinds[] = {FourCCOf("CHAR"), FourCCOf("SCNL"), FourCCOf("STEL"), FourCCOf("CILL"),
                             FourCCOf("SDI4")};

void AddSegments(FuzzInput& input) {
    while (!input.Empty()) {
        const FourCC type = kKinds[input.Byte() % std::size(kKinds)];
        const std::uint16_t id = input.Short();
        const std::string_view bytes = input.Bytes(input.Short());
        void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
        FUZZ_CHECK(block != nullptr || bytes.empty());
        if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
        FUZZ_CHECK(PFMPutSegment(type, id, block, 1, false));
        FUZZ_CHECK(PFMCheckIn(block) == kNoErr);
    }
}

// The characters and scenes as shown, in their orders; checks the orders on the way.
std::string Shown(StandInStory& story) {
    std::string shown;
    CharacterManager& characters = story.Characters();
    for (std::int32_t position = 0; position < characters.GetCount(); ++position) {
        CharInfoRec& character = *characters.RecordAt(position);
        FUZZ_CHECK(character.Name().size() <= kMaxCharacterName);
        FUZZ_CHECK(characters.IndexOf(character.GetID()) == position);
        if (position > 0)
            FUZZ_CHECK(StrCompareNoCase(characters.RecordAt(position - 1)->Name().c_str(),
                                        character.Name().c_str()) <= 0);
        shown += character.Name() + "|" + std::to_string(character.GetSubjectiveRole()) + "|";
        for (int dimension = 0; dimension < kDimensionCount; ++dimension)
            shown += std::to_string(characters.GetCharacteristicsAt(position, dimension).size());
        shown += "\n";
    }
    char names[256];
    characters.GetCharacterNames(names, sizeof names);
    FUZZ_CHECK(std::strlen(names) < sizeof names);

    SceneManager& scenes = story.Scenes();
    for (std::int32_t position = 0; position < scenes.GetSceneCount(); ++position) {
        Scene* scene = scenes.SceneAt(position);
        FUZZ_CHECK(scene != nullptr);
        char name[40];
        scene->GetDisplayName(name, sizeof name);
        FUZZ_CHECK(std::strlen(name) < sizeof name);
        const InclApprList& appreciations = scene->GetAppreciations();
        for (std::int32_t i = 0; i < appreciations.GetCount(); ++i)
            FUZZ_CHECK(scenes.GetUsageCount(appreciations.GetAt(i)) >= 1);
        shown += std::to_string(scene->GetID()) + ":" + name + "\n";
    }
    return shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication();
    PFMFile* store = PFMOpenFile(nullptr);
    FUZZ_CHECK(store != nullptr);
    FuzzInput input(data, size);
    AddSegments(input);

    std::string shown;
    {
        StandInStory story(store);
        if (story.LoadCharacters() != kNoErr) {
            PFMCloseFile(store);
            return 0;
        }
        shown = Shown(story);
        FUZZ_CHECK(story.Characters().SaveCharacters() == kNoErr);
        story.Scenes().SaveScenes();
    }
    {
        StandInStory story(store);
        FUZZ_CHECK(story.LoadCharacters() == kNoErr);
        FUZZ_CHECK(Shown(story) == shown);
    }
    PFMCloseFile(store);
    return 0;
}
