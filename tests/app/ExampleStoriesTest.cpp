// The example stories the build makes from data/examples: each opens through the story document
// with its storyform down to one, and holds what its source says, read back through the story's
// managers: title and synopses, characters with their roles, pictures, texts and relationships,
// scenes in order with what each represents, and a storytelling text for every story point the
// storyform gives a value, stored as the edit fields store text, so that it expands as it stands.

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "StoryAppFixture.h"
#include "storyfiles/StoryResolver.h"
#include "storyfiles/StorySource.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/TextMacroExpander.h"
#include "storymodel/engine/InclApprList.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLeastStories = 6;

// The story's sources, by name.
std::vector<fs::path> Sources() {
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(EXAMPLE_SOURCES)) {
        if (entry.path().extension() == ".story") sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    return sources;
}

ResolvedStory Resolve(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    StorySource source;
    ResolvedStory story;
    Diagnostics diagnostics;
    EXPECT_TRUE(ParseStorySource(path.string(), text, source, diagnostics) &&
                ResolveStory(source, story, diagnostics))
        << path;
    return story;
}

// A stored text as the reader sees it.
std::string Shown(const std::string& stored) {
    std::vector<char> text(stored.size() + 1);
    SharedStringConverter().Decode(stored.c_str(), text.data(), static_cast<std::uint32_t>(text.size()));
    return text.data();
}

std::string Text(PText& record, const std::string& key) {
    std::vector<char> text(32768);
    if (record.GetEntry(key, 'c', text.data(), static_cast<std::int32_t>(text.size())) < 0)
        return "<missing>";
    return text.data();
}

std::string Text(CharInfoRec& character, const std::string& key) {
    return character.Record() ? Text(*character.Record(), key) : "<no record>";
}

class ExampleStories : public StoryAppTest {
protected:
    // A copy of the built story, so that tests running side by side never share the file.
    FKDoc* OpenExample(const fs::path& source) {
        const std::string name = source.stem().string() + ".fsf";
        fs::copy_file(builtFolder + "/examples/" + name, Path(name), fs::copy_options::overwrite_existing);
        const FileRef file(Path(name).c_str(), kAccessReadWrite);
        EXPECT_EQ(application->OpenDocument(file, false), kNoErr) << name;
        return static_cast<FKDoc*>(application->FindDocumentByFile(file));
    }
    void Close(FKDoc* story) {
        story->SetClean();
        application->CloseAll(true);
    }
};

TEST_F(ExampleStories, SixStoriesOrMoreAreBuiltEachWithATitleOfItsOwn) {
    const std::vector<fs::path> sources = Sources();
    EXPECT_GE(sources.size(), kLeastStories);
    std::set<std::string> titles;
    for (const fs::path& source : sources) {
        EXPECT_TRUE(fs::exists(builtFolder + "/examples/" + source.stem().string() + ".fsf")) << source;
        titles.insert(Resolve(source).title);
    }
    EXPECT_EQ(titles.size(), sources.size());
}

TEST_F(ExampleStories, EachOpensWithItsStoryformDownToOne) {
    for (const fs::path& source : Sources()) {
        SCOPED_TRACE(source.string());
        FKDoc* story = OpenExample(source);
        ASSERT_NE(story, nullptr);
        EXPECT_EQ(story->GetStoryformCount(), 1);
        EXPECT_TRUE(story->IsStoryformComplete());
        const ResolvedStory written = Resolve(source);
        StoryFormManager& storyform = *story->GetStoryFormManager();
        for (const ResolvedChoice& choice : written.choices)
            EXPECT_EQ(storyform.GetChosenValueAt(choice.index), choice.value)
                << StoryPointAt(choice.index)->code;
        // The eight dynamics are the writer's; every throughline point the engine answers has a value.
        for (const std::int16_t dynamic : {1000, 1010, 1020, 1030, 1040, 1050, 1060, 1070})
            EXPECT_GT(storyform.GetChoice(dynamic), 0) << dynamic;
        for (int index = 0; index < kStoryPointCount; ++index) {
            const StoryPointRecord& row = *StoryPointAt(index);
            if (row.engineField != kNoEngineField && row.kind >= 2) {
                EXPECT_GT(storyform.GetValueAt(index), 0) << row.code;
            }
        }
        Close(story);
    }
}

TEST_F(ExampleStories, EachHoldsWhatItsSourceSays) {
    for (const fs::path& source : Sources()) {
        SCOPED_TRACE(source.string());
        const ResolvedStory written = Resolve(source);
        FKDoc* story = OpenExample(source);
        ASSERT_NE(story, nullptr);
        EXPECT_EQ(Shown(Text(story->GetInfoRecord(), "Title")), written.title);
        for (const auto& [key, text] : written.info)
            EXPECT_EQ(Shown(Text(story->GetInfoRecord(), key)), text) << key;

        CharacterManager& cast = *story->GetCharacterManager();
        ASSERT_EQ(cast.GetCount(), written.characters.size()) << "the new story's stand-ins are gone";
        std::vector<CharInfoRec*> byPlace;
        for (const ResolvedCharacter& character : written.characters) {
            CharInfoRec* found = nullptr;
            for (std::int32_t i = 0; i < cast.GetCount(); ++i) {
                if (cast.RecordAt(i)->Name() == character.name) found = cast.RecordAt(i);
            }
            ASSERT_NE(found, nullptr) << character.name;
            byPlace.push_back(found);
            EXPECT_EQ(found->GetSex(), character.sex) << character.name;
            EXPECT_EQ(found->GetForm(), character.form) << character.name;
            EXPECT_EQ(found->GetPicture(), character.picture) << character.name;
            EXPECT_EQ(found->GetSubjectiveRole(), character.subjectiveRole) << character.name;
            EXPECT_EQ(found->GetArchetype(), character.archetype) << character.name;
            for (const auto& [key, text] : character.texts) EXPECT_EQ(Shown(Text(*found, key)), text) << key;
        }
        for (std::size_t i = 0; i < written.characters.size(); ++i) {
            if (written.characters[i].subjectiveRole == kMainRole) {
                EXPECT_EQ(cast.GetMainCharacter(), byPlace[i]->GetID());
            } else if (written.characters[i].subjectiveRole == kImpactRole) {
                EXPECT_EQ(cast.GetImpactCharacter(), byPlace[i]->GetID());
            }
        }
        for (const ResolvedRelationship& relationship : written.relationships) {
            char text[4096] = "";
            byPlace[relationship.second]->GetRelationship(text, sizeof text,
                                                          byPlace[relationship.first]->GetID());
            EXPECT_EQ(Shown(text), relationship.text);
        }

        SceneManager& scenes = *story->GetSceneManager();
        ASSERT_EQ(scenes.GetSceneCount(), static_cast<std::int32_t>(written.scenes.size()));
        for (std::size_t i = 0; i < written.scenes.size(); ++i) {
            Scene& scene = *scenes.SceneAt(static_cast<std::int32_t>(i));
            char title[256] = "";
            scene.GetTitle(title, sizeof title);
            EXPECT_EQ(Shown(title), written.scenes[i].title);
            std::vector<std::int16_t> represented;
            std::vector<CharID> brought;
            const InclApprList& list = scene.GetAppreciations();
            for (std::int32_t j = 0; j < list.GetCount(); ++j) {
                if (list.GetAt(j).GetFirstID() == 1) {
                    brought.push_back(list.GetAt(j).GetCharacter1());
                } else {
                    represented.push_back(list.GetAt(j).GetFirstID());
                }
            }
            std::vector<std::int16_t> points;
            for (const int index : written.scenes[i].points) points.push_back(StoryPointAt(index)->id);
            std::vector<CharID> characters;
            for (const std::size_t place : written.scenes[i].characters)
                characters.push_back(byPlace[place]->GetID());
            EXPECT_THAT(represented, ::testing::UnorderedElementsAreArray(points)) << title;
            EXPECT_THAT(brought, ::testing::UnorderedElementsAreArray(characters)) << title;
        }
        Close(story);
    }
}

TEST_F(ExampleStories, EveryValuedStoryPointIsToldInATextThatExpandsAsItStands) {
    for (const fs::path& source : Sources()) {
        SCOPED_TRACE(source.string());
        const ResolvedStory written = Resolve(source);
        FKDoc* story = OpenExample(source);
        ASSERT_NE(story, nullptr);
        std::map<int, std::string> told;
        for (const ResolvedStorytelling& text : written.storytelling) told[text.index] = text.text;
        for (int index = 0; index < kStoryPointCount; ++index) {
            const StoryPointRecord& row = *StoryPointAt(index);
            if (!row.code) continue;
            const std::string stored = Text(story->GetStorytellingRecord(), row.code);
            const bool positionOrHome =
                row.code == std::string(row.code, 2) + "Ord" || row.code == std::string(row.code, 2) + "HmCl";
            if (story->GetStoryFormManager()->GetValue(row.id) > 0 && !positionOrHome) {
                EXPECT_NE(stored, "<missing>") << row.code;
            }
            if (stored == "<missing>") continue;
            EXPECT_EQ(Shown(stored), told[index]) << row.code;
            TextMacroExpander expander(story, stored.c_str());
            const std::string expanded = expander.Expand();
            EXPECT_EQ(expanded, stored) << row.code;
            EXPECT_EQ(expanded.find('{'), std::string::npos) << row.code;
        }
        Close(story);
    }
}

TEST_F(ExampleStories, TheExamplesFileTellsEveryValueTheStoriesGiveAPoint) {
    PFMFile* examples = application->OpenStoryExamplesFile();
    ASSERT_NE(examples, nullptr) << "Commands/storyexm.qrv";
    int paragraphs = 0;
    for (const fs::path& source : Sources()) {
        SCOPED_TRACE(source.string());
        FKDoc* story = OpenExample(source);
        ASSERT_NE(story, nullptr);
        const std::string title = Text(story->GetInfoRecord(), "Title");
        for (int index = 0; index < kStoryPointCount; ++index) {
            const StoryPointRecord& row = *StoryPointAt(index);
            std::int16_t value = story->GetStoryFormManager()->GetValueAt(index);
            if (!row.shortKey || value <= 0) continue;
            if (row.kind == kElementLevelPoint) value = static_cast<std::int16_t>(85 + (value - 85) % 64);
            const FourCC type =
                MakeFourCC(row.shortKey[0], row.shortKey[1], row.shortKey[2], row.shortKey[3]);
            std::string text;
            {
                const PFMFileScope scope(examples, false);
                const CheckedOutHdl segment(type, static_cast<std::uint16_t>(value));
                ASSERT_NE(segment.Data(), nullptr) << row.code << " " << value;
                text.assign(static_cast<const char*>(segment.Data()),
                            strnlen(static_cast<const char*>(segment.Data()), MemSize(segment.Data())));
            }
            const std::string paragraph =
                "\xC7M(12,36,0)\xC8\xC7"
                "B+\xC8" +
                title +
                "\xC7"
                "B-\xC8:  " +
                Text(story->GetStorytellingRecord(), row.code) + "\n";
            EXPECT_NE(text.find(paragraph), std::string::npos) << row.code << " " << value;
            ++paragraphs;
        }
        Close(story);
    }
    EXPECT_GT(paragraphs, 0);
}

}  // namespace
}  // namespace apptest
