// Character files as the import reads them; the input is a file's bytes. A file that is refused
// leaves the story as it was. A file that is taken gives one new character whose characteristics
// each belong to their dimension, once; exported again and imported into another story, that
// character comes back the same: texts, characteristics, notes and picture.

#include <optional>
#include <string>

#include "FuzzStory.h"
#include "foundation/pfm/PictRecord.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterFiles.h"
#include "storymodel/CharacterManager.h"

namespace {

constexpr const char* kTexts[] = {"NM", "Role", "Des",  "RoleX", "CFunc", "Actv",
                                  "BG", "Int",  "Skil", "Bel",   "Phys"};

// The character as a character file carries it; checks its characteristics on the way.
std::string Contents(CharacterManager& characters, CharID id) {
    CharInfoRec& character = *characters.GetCharacter(id);
    std::string text = std::to_string(character.GetSex()) + "|" + std::to_string(character.GetForm()) + "|";
    for (const char* key : kTexts) text += character.GetText(key) + "|";
    for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
        for (const std::int16_t element : characters.GetCharacteristics(id, dimension)) {
            FUZZ_CHECK(DimensionOfCharacteristic(element - 85) == dimension);
            FUZZ_CHECK(characters.FindCharacterWithCharacteristic(element, dimension) == id);
            text += std::to_string(element) + ":" +
                    characters.GetCharacteristicNote(CharacteristicNoteNumber(element)) + ",";
        }
    }
    const std::unique_ptr<PictRecord> picture = characters.LoadPicture(character.GetPicture());
    if (IsCustomPicture(character.GetPicture())) {
        FUZZ_CHECK(picture && picture->Width() == kCharacterPictureSize &&
                   picture->Height() == kCharacterPictureSize);
    }
    if (picture) text += std::string(picture->Image().begin(), picture->Image().end());
    return text;
}

// A story with the two characters of a new story, over a store of its own.
class FuzzStory {
public:
    FuzzStory() : store_(PFMOpenFile(nullptr)) {
        FUZZ_CHECK(store_ != nullptr);
        story_.emplace(store_);
        FUZZ_CHECK(story_->LoadCharacters() == kNoErr);
    }
    ~FuzzStory() {
        story_.reset();
        PFMCloseFile(store_);
    }
    FuzzStory(const FuzzStory&) = delete;
    FuzzStory& operator=(const FuzzStory&) = delete;

    StandInStory& operator*() { return *story_; }
    CharacterManager& Characters() { return story_->Characters(); }

private:
    PFMFile* store_;
    std::optional<StandInStory> story_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication();
    const ScratchFolder& folder = ScratchFolder::Get();
    const FileRef input(folder.Write("input.fcf", {reinterpret_cast<const char*>(data), size}).c_str());

    FuzzStory story;
    const CharID last = story.Characters().GetLastCharacterID();
    if (!ImportCharacterFile(input, *story, kNoCharID)) {
        FUZZ_CHECK(story.Characters().GetCount() == 2);
        FUZZ_CHECK(story.Characters().GetLastCharacterID() == last);
        FUZZ_CHECK(story.Characters().GetPictureIDs().empty());
        for (int n = 1; n <= kNoteCount; ++n) FUZZ_CHECK(!story.Characters().HasCharacteristicNote(n));
        return 0;
    }
    FUZZ_CHECK(IsCharacterFile(input));
    FUZZ_CHECK(story.Characters().GetCount() == 3);
    const CharID imported = story.Characters().GetLastCharacterID();
    const std::string contents = Contents(story.Characters(), imported);

    const FileRef again((folder / "again.fcf").c_str());
    FUZZ_CHECK(ExportCharacterFile(again, imported, *story));
    FuzzStory other;
    FUZZ_CHECK(ImportCharacterFile(again, *other, kNoCharID));
    FUZZ_CHECK(Contents(other.Characters(), other.Characters().GetLastCharacterID()) == contents);
    return 0;
}
