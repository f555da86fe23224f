// The scene keywords over a story: the scene's texts and the category name read and written where
// the story keeps them, the titles written as the tree shows them, the storytelling mode, and scenes
// added, deleted and gone to from the scene list page's selection and the scene page's scene, with
// the scene order and the topic tree following; nothing is written into a scene that is gone.

#include <gtest/gtest.h>

#include "KeywordTestFixture.h"
#include "foundation/pfm/PTextTypes.h"
#include "platform/sys/Bell.h"
#include "query/keywords/ScenePageReferences.h"
#include "storymodel/ListenerMixins.h"

namespace keywordtest {
namespace {

using namespace win;

class SceneEvents : public MSceneListener {
public:
    using MSceneListener::MSceneListener;
    void ScenesChanged(const Event*) override { ++count; }
    int count = 0;
};

class FakeScenePage : public IKeywordScenePage {
public:
    explicit FakeScenePage(std::int16_t id) : id_(id) {}
    std::int16_t GetSceneId() const override { return id_; }
    void RebuildPage() override { ++rebuilds; }
    int rebuilds = 0;

private:
    std::int16_t id_;
};

class FakeSceneListPage : public IKeywordSceneListPage {
public:
    explicit FakeSceneListPage(std::int32_t selected) : selected_(selected) {}
    std::int32_t GetSelectedPosition() const override { return selected_; }

private:
    std::int32_t selected_;
};

class SceneKeywords : public KeywordTest {
protected:
    void SetUp() override {
        KeywordTest::SetUp();
        for (std::int16_t& id : ids) id = AddScene();
    }
    std::int16_t IdAt(std::int32_t position) const { return scenes->SceneAt(position)->GetID(); }
    std::string Title(std::int16_t id) const {
        char title[128] = {};
        scenes->FindScene(id)->GetTitle(title, sizeof title);
        return title;
    }
    // A button of the scene list page with the selection.
    void ClickOnList(const char* text, std::int32_t selected) {
        FakeSceneListPage page(selected);
        const CurrentSceneListPageScope current(page);
        const auto button = Bind(text, Entry(kNoCharID));
        Click(*button);
    }

    std::int16_t ids[3] = {};
};

TEST_F(SceneKeywords, SceneTextsAreTheScenesOwn) {
    const FQSPageData second = Entry(kNoCharID, kNoCharID, ids[1], 142);
    const auto description = Bind("{SceneText()}", second);
    const auto appreciation = Bind("{SceneAppr()}", second);
    description->GetKeyword()->SetText(story, *description, "The storm breaks.");
    appreciation->GetKeyword()->SetText(story, *appreciation, "Ann's doubt");
    char text[64] = {};
    scenes->FindScene(ids[1])->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "The storm breaks.");
    scenes->FindScene(ids[1])->GetAppreciationText(text, sizeof text);
    EXPECT_STREQ(text, "Ann's doubt");
    scenes->FindScene(ids[0])->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "") << "the context's scene only";
    EXPECT_EQ(FieldText(*description), "The storm breaks.");
    EXPECT_EQ(FieldText(*description, 4), "The");

    const auto none = Bind("{SceneText()}", Entry(kNoCharID));
    none->GetKeyword()->SetText(story, *none, "nowhere");
    EXPECT_EQ(FieldText(*none), "");
}

TEST_F(SceneKeywords, TitlesAreStoredOnlyWhenTheyChange) {
    SceneEvents events(scenes);
    const auto title = Bind("{ScRefTitle()}", Entry(kNoCharID, kNoCharID, ids[2]));
    title->GetKeyword()->SetText(story, *title, "Storm");
    EXPECT_EQ(Title(ids[2]), "Storm");
    EXPECT_EQ(events.count, 1);
    title->GetKeyword()->SetText(story, *title, "Storm");
    EXPECT_EQ(events.count, 1) << "the same title is not stored again";
    EXPECT_EQ(Expand("{SceneTitle()}", Entry(kNoCharID, kNoCharID, ids[2])), "Storm");
    EXPECT_EQ(Expand("{SceneWkTitle()}", Entry(kNoCharID, kNoCharID, ids[2])), "Scene #3 - Storm");
    EXPECT_EQ(Expand("{SceneTitle()}", Entry(kNoCharID, kNoCharID, ids[1])), "Scene #2") << "untitled";
    EXPECT_EQ(Expand("[{SceneTitle()}]", Entry(kNoCharID)), "[]") << "no scene";
    EXPECT_EQ(Expand("{SceneWkTitle()}", Entry(kNoCharID, kNoCharID, ids[2]), 16), "")
        << "a title that does not fit is not cut";
}

TEST_F(SceneKeywords, TheCategoryNameGoesToTheStoryAndThePreferences) {
    SceneEvents events(scenes);
    const auto category = Bind("{SceneCatRef()}", Entry(kNoCharID));
    EXPECT_EQ(FieldText(*category), "Scene");
    EXPECT_EQ(Expand("{SceneCat()}s", Entry(kNoCharID)), "Scenes");
    category->GetKeyword()->SetText(story, *category, "Chapter");
    char stored[64] = {};
    story->GetStorytellingRecord().GetEntry("SCENECAT", kPTextText, stored, sizeof stored);
    EXPECT_STREQ(stored, "Chapter");
    QueryPreferences().GetEntry("SCENECAT", kPTextText, stored, sizeof stored);
    EXPECT_STREQ(stored, "Chapter") << "the default of new stories";
    EXPECT_EQ(events.count, 1);
    category->GetKeyword()->SetText(story, *category, "Chapter");
    EXPECT_EQ(events.count, 1) << "the same name changes nothing";
    EXPECT_EQ(Expand("{SceneTitle()}", Entry(kNoCharID, kNoCharID, ids[0])), "Chapter #1");
}

TEST_F(SceneKeywords, TheStorytellingModeAndItsCheckBox) {
    const auto mode = Bind("{SceneSTell()}", Entry(kNoCharID));
    mode->GetKeyword()->SetChoice(story, *mode, 0);
    EXPECT_EQ(scenes->GetStorytellingMode(), 0);
    EXPECT_EQ(mode->GetKeyword()->GetChoice(story, *mode), 0);
    std::int16_t stored = -1;
    story->GetStorytellingRecord().GetEntry("SCENESTL", kPTextShort, &stored);
    EXPECT_EQ(stored, 0);
    FakeScenePage page(ids[0]);
    {
        const CurrentScenePageScope current(page);
        mode->GetKeyword()->CheckChanged(story, *mode, 1);
    }
    EXPECT_EQ(scenes->GetStorytellingMode(), 1);
    EXPECT_EQ(page.rebuilds, 1) << "the scene page is built again";
    mode->GetKeyword()->CheckChanged(story, *mode, 0);
    EXPECT_EQ(page.rebuilds, 1) << "only the page running the keyword";
    EXPECT_EQ(CurrentScenePage(), nullptr);
}

TEST_F(SceneKeywords, AddingScenesAtTheSelectionOrAtTheEnd) {
    OpenWindow();
    ClickOnList("{SceneAdd()}", -1);
    ASSERT_EQ(scenes->GetSceneCount(), 4);
    for (std::int32_t position = 0; position < 3; ++position) EXPECT_EQ(IdAt(position), ids[position]);
    ClickOnList("{SceneAdd()}", 1);
    ASSERT_EQ(scenes->GetSceneCount(), 5);
    EXPECT_EQ(IdAt(0), ids[0]);
    EXPECT_EQ(IdAt(2), ids[1]) << "the scenes after move down one place";
    EXPECT_EQ(IdAt(3), ids[2]);
    const std::vector<std::string> rows = TreeRows();
    EXPECT_NE(std::find(rows.begin(), rows.end(), "Scene #5"), rows.end()) << "the tree was built again";
}

TEST_F(SceneKeywords, DeletingTheSelectedSceneAsksFirst) {
    OpenWindow();
    const unsigned long bells = GetBellCount();
    ClickOnList("{SceneDel()}", -1);
    EXPECT_EQ(GetBellCount(), bells + 1);
    ClickOnList("{SceneDel()}", 3);
    EXPECT_EQ(GetBellCount(), bells + 2) << "beyond the last scene";
    EXPECT_EQ(scenes->GetSceneCount(), 3);
    Answer(IDNO);
    ClickOnList("{SceneDel()}", 2);
    EXPECT_EQ(scenes->GetSceneCount(), 3);
    Answer(IDYES);
    ClickOnList("{SceneDel()}", 2);
    ASSERT_EQ(scenes->GetSceneCount(), 2);
    EXPECT_EQ(scenes->FindScene(ids[2]), nullptr);
    const std::vector<std::string> rows = TreeRows();
    EXPECT_EQ(std::find(rows.begin(), rows.end(), "Scene #3"), rows.end());
}

TEST_F(SceneKeywords, GoingToTheSelectedScenesPage) {
    OpenWindow();
    const unsigned long bells = GetBellCount();
    ClickOnList("{SceneDes(142)}", -1);
    EXPECT_EQ(GetBellCount(), bells + 1);
    ClickOnList("{SceneDes(142)}", 1);
    EXPECT_EQ(CurrentRow(), "Scene #2");
    EXPECT_EQ(window->GetListEntry(window->GetCurrentRow())->GetScene(), ids[1]);
}

TEST_F(SceneKeywords, AddingASceneAfterThePagesScene) {
    OpenWindow();
    FakeScenePage page(ids[0]);
    {
        const CurrentScenePageScope current(page);
        const auto button = Bind("{SceneAdDs(142)}", Entry(kNoCharID, kNoCharID, ids[0], 142));
        Click(*button);
    }
    ASSERT_EQ(scenes->GetSceneCount(), 4);
    const std::int16_t added = IdAt(1);
    EXPECT_NE(added, ids[1]);
    EXPECT_EQ(IdAt(2), ids[1]);
    EXPECT_EQ(CurrentRow(), "Scene #2");
    EXPECT_EQ(window->GetListEntry(window->GetCurrentRow())->GetScene(), added) << "the new scene's page";

    const unsigned long bells = GetBellCount();
    const auto outside = Bind("{SceneAdDs(142)}", Entry(kNoCharID));
    Click(*outside);
    EXPECT_EQ(GetBellCount(), bells + 1) << "no scene page runs it";
    EXPECT_EQ(scenes->GetSceneCount(), 4);
}

TEST_F(SceneKeywords, DeletingThePagesSceneMovesOffItsPage) {
    OpenWindow();
    GoToRowOf("Scene #2");
    const FQSPageData second = Entry(kNoCharID, kNoCharID, ids[1], 142);
    const auto description = Bind("{SceneText()}", second);
    const auto remove = Bind("{SceneDelThis()}", second);
    Click(*remove);
    ASSERT_EQ(scenes->GetSceneCount(), 2);
    EXPECT_EQ(scenes->FindScene(ids[1]), nullptr);
    EXPECT_EQ(IdAt(1), ids[2]) << "the third scene is second now";
    const FQSPageData* entry = window->GetListEntry(window->GetCurrentRow());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->GetScene(), ids[2]) << "on the page of the scene after it";
    // Its fields write nothing into the scene that is gone, nor into the one now at its place.
    description->GetKeyword()->SetText(story, *description, "too late");
    EXPECT_EQ(FieldText(*description), "");
    char text[32] = {};
    scenes->FindScene(ids[2])->GetDescription(text, sizeof text);
    EXPECT_STREQ(text, "");

    const unsigned long bells = GetBellCount();
    Click(*remove);
    EXPECT_EQ(GetBellCount(), bells + 1) << "its scene is gone";
    EXPECT_EQ(scenes->GetSceneCount(), 2);
}

}  // namespace
}  // namespace keywordtest
