#include "query/FQSSceneListPage.h"

#include <algorithm>

#include "app/FKDoc.h"
#include "framework/BusyCursor.h"
#include "items/ItemList.h"
#include "query/FQSNodePredicates.h"
#include "query/FQSPendingRequests.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/SceneManager.h"

namespace {

constexpr std::int16_t kListGrowth = 10;
constexpr std::int16_t kListGap = 14;
constexpr std::int16_t kListInset = 20;
constexpr std::int16_t kBottomRoom = 44;
constexpr std::size_t kNameSize = 81;

}  // namespace

void FQSSceneListPage::Build() {
    ItemList* items = Items();
    if (!items || !window_) return;
    layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + kListGap);
    // The list starts short and grows with the page, down to the help pane's line.
    const int bottom = std::min(pageArea_.bottom - kBottomRoom, layoutCursor_ + kShortestList);
    listRect_ = ShortRect::MakeLTRB(pageArea_.left + kListInset, layoutCursor_, pageArea_.right - kListInset,
                                    std::max<int>(bottom, layoutCursor_));
    items->CloseItems();
    list_ = new TopicListView(items, kListGrowth, this, &listRect_);
    list_->SetReorderMode(true);
    listItem_ = items->Append(list_);
    list_->SetOwnerWindow(window_);
    items->OpenItems();
    if (SceneManager* scenes = document_ ? document_->GetSceneManager() : nullptr) {
        for (std::int32_t position = 0; position < scenes->GetSceneCount(); ++position) {
            char name[kNameSize] = {};
            scenes->SceneAt(position)->GetDisplayName(name, sizeof name);
            SharedStringConverter().DecodeInPlace(name);
            list_->AddTopic(static_cast<std::int16_t>(position), name);
        }
    }
    list_->UpdateScrollBars(0);
    layoutCursor_ = listRect_.bottom;
}

void FQSSceneListPage::GrowContent(std::int32_t dh) {
    listRect_.bottom = static_cast<std::int16_t>(listRect_.bottom + dh);
    if (list_) list_->SetBounds(listRect_, true);
}

void FQSSceneListPage::Release() {
    if (list_) {
        list_->Hide();
        list_->Close();
    }
    list_ = nullptr;
}

std::int32_t FQSSceneListPage::HandleControl(std::int32_t itemIndex) {
    if (list_ && itemIndex == listItem_) return 1;
    return FQSPage::HandleControl(itemIndex);
}

void FQSSceneListPage::RunKeyword(FQSPushBtn& button) {
    const CurrentSceneListPageScope current(*this);
    FQSPage::RunKeyword(button);
}

std::int16_t FQSSceneListPage::TopicChosen(TopicListView* view, std::int32_t /*row*/, std::int16_t topicId,
                                           std::int16_t doubleClickOrKey, std::int16_t /*notify*/) {
    const std::int32_t from = view ? view->TakeMovedFromRow() : -1;
    if (from >= 0 && from != topicId) {
        MoveScene(from, topicId);
        return 1;
    }
    selected_ = topicId;
    if (doubleClickOrKey != 0) GoToScene(topicId);
    return 1;
}

void FQSSceneListPage::MoveScene(std::int32_t from, std::int32_t to) {
    SceneManager* scenes = document_ ? document_->GetSceneManager() : nullptr;
    const Scene* scene = scenes ? scenes->SceneAt(from) : nullptr;
    if (!scene || !window_) return;
    scenes->MoveScene(scene->GetID(), to);
    FQSPendingRequests& requests = window_->GetRequests();
    requests.ClearGoTo();
    requests.goTo = true;
    PostOwnHit();
}

void FQSSceneListPage::GoToScene(std::int32_t position) {
    FQSTreeSelectorView* tree = window_ ? window_->GetTopicTree() : nullptr;
    if (!tree) return;
    const NodeMatchesTopicAndScene test(-1, static_cast<std::int16_t>(position), -1);
    const auto* node =
        static_cast<const FQSTreeSelectorNode*>(tree->FindNext(nullptr, false, &test, nullptr));
    if (!node) return;
    FQSPendingRequests& requests = window_->GetRequests();
    requests.ClearGoTo();
    requests.target.row = node->GetRow();
    requests.goTo = true;
    PostOwnHit();
}

void FQSSceneListPage::PostOwnHit() {
    if (window_ && listItem_ >= 0) window_->PostItemHit(listItem_);
}
