#pragma once
// The query window over a list of scene pages: list 14 "Scenes" holds the scene list (topic 40,
// with "Add" and "Delete" buttons bound to the scene keywords) and, once per scene in storytelling
// order, the scene's page (topic 41: a check box for the storytelling mode, an edit view of the
// scene's description, the menu of appreciation table 0 and a "Delete this" button). The data file
// also gives story point 15100 a definition ('APPR').

#include "QueryPagesFixture.h"
#include "query/FQSSceneListPage.h"
#include "query/FQSScenePage.h"
#include "query/data/FQSPageDataList.h"
#include "storymodel/SceneManager.h"

namespace querytest {

inline constexpr std::int16_t kScenesList = 14;
inline constexpr std::int16_t kSceneListTopic = 40;
inline constexpr std::int16_t kScenePageTopic = 41;
inline constexpr std::int16_t kDefinedPoint = 15100;

inline void AddScenePagesContent(PFMFile* store) {
    AddQueryTestContent(store);
    AddList(store, kScenesList, "Scenes", "0,40,1,10,41,1,");
    WritePage(store, kSceneListTopic, 4,
              {{"QT", "scenes"},
               {"BT1", "Add"},
               {"BV1", "{SceneAdd()}"},
               {"BT2", "Delete"},
               {"BV2", "{SceneDel()}"}},
              {{"BN", 2}});
    WritePage(store, kScenePageTopic, 5,
              {{"QT", "a scene"},
               {"CT1", "Storytelling"},
               {"CV1", "{SceneSTell()}"},
               {"EV1", "{SceneText()}"},
               {"BT1", "Delete this"},
               {"BV1", "{SceneDelThis()}"}},
              {{"APPINCL", 0}, {"CB", 1}, {"EN", 1}, {"ES1", 0}, {"BN", 1}});
    PText definition(store, FourCCOf("APPR"), static_cast<std::uint16_t>(kDefinedPoint));
    definition.SetEntry("NM", 'c', "Concern");
    definition.SetEntry("DF", 'c', "what the character is after");
    definition.Save();
}

class ScenePagesTest : public QueryPagesTest {
protected:
    void AddContent(PFMFile* store) override { AddScenePagesContent(store); }

    // The story's query window on the scenes list, the story holding the scenes first.
    void OpenScenes(FKDoc* document, int sceneCount) {
        story = document;
        for (int i = 0; i < sceneCount; ++i) Scenes().InsertScene(-1);
        window = OpenQuery(story);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->SelectQuestionList(kScenesList, false, 0));
        Run();
    }
    SceneManager& Scenes() const { return *story->GetSceneManager(); }
    FQSSceneListPage* ShowList() { return dynamic_cast<FQSSceneListPage*>(ShowRow(0)); }
    // The page of the scene at the storytelling position.
    FQSScenePage* ShowScene(std::int32_t position) {
        return dynamic_cast<FQSScenePage*>(ShowRow(position + 1));
    }
    // The item index of the page's control.
    std::int32_t IndexOf(const TItem* item) const { return window->GetItemList()->IndexOf(item); }
    // The menu handle of the first node of the appreciation, or -1.
    static std::int32_t NodeOf(const FQSScenePage& page, std::int16_t appreciation) {
        const FQSPageDataList* nodes = page.GetNodeTree();
        for (std::int32_t row = 0; nodes && row < nodes->Count(); ++row)
            if (nodes->GetAppreciationID(row) == appreciation) return row;
        return -1;
    }
    std::vector<std::string> ListTexts(const FQSSceneListPage& page) const {
        std::vector<std::string> texts;
        TopicListView* list = page.GetSceneList();
        for (std::int32_t row = 0; list && row < list->GetTopicCount(); ++row) {
            char text[100] = {};
            list->GetTopicText(text, row, sizeof text);
            texts.emplace_back(text);
        }
        return texts;
    }
};

}  // namespace querytest
