#pragma once
// The list of the story's scenes in storytelling order. A click selects a scene for the scene
// keywords of the page's buttons (add, delete, describe); a double click goes to the scene's first
// page in the topic tree; dragging a row onto another moves that scene to the other's place. The
// list starts short and grows with the page, so that the help pane keeps its room below it.

#include <cstdint>

#include "query/FQSPage.h"
#include "query/keywords/ScenePageReferences.h"
#include "widgets/TopicListView.h"

class FQSSceneListPage : public FQSPage, public ITopicViewClient, public IKeywordSceneListPage {
public:
    // The list's height before the window stretches the page.
    static constexpr std::int16_t kShortestList = 100;

    // --- FQSPage
    void Build() override;
    void Release() override;
    std::int32_t GetStretchWeight() const override { return 1; }
    void GrowContent(std::int32_t dh) override;
    // The list's own hit does nothing; the window then runs the requests the list set.
    std::int32_t HandleControl(std::int32_t itemIndex) override;
    void RunKeyword(FQSPushBtn& button) override;

    // --- ITopicViewClient: a click selects, a double click goes to the scene's page, and a drag
    // that ended on another row moves the scene there. Always taken.
    std::int16_t TopicChosen(TopicListView* view, std::int32_t row, std::int16_t topicId,
                             std::int16_t doubleClickOrKey, std::int16_t notify) override;

    // --- IKeywordSceneListPage
    std::int32_t GetSelectedPosition() const override { return selected_; }

    // Moves the scene at one storytelling position to another, and has the window show the tree
    // again from the story.
    void MoveScene(std::int32_t from, std::int32_t to);
    // Goes to the first page of the scene at the position.
    void GoToScene(std::int32_t position);

    TopicListView* GetSceneList() const { return list_; }
    std::int32_t GetListItem() const { return listItem_; }

private:
    void PostOwnHit();

    std::int16_t selected_ = -1;
    std::int32_t listItem_ = -1;
    TopicListView* list_ = nullptr;
    ShortRect listRect_;
};
