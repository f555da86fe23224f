#include "query/keywords/KeywordSupport.h"

#include <cstring>

#include "app/FKDoc.h"
#include "framework/Alerts.h"
#include "platform/sys/Bell.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "query/data/QuestionStatus.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/SceneManager.h"

namespace keywords {

FKDoc* StoryOf(IStoryDocument* document) { return dynamic_cast<FKDoc*>(document); }

FQSWindow* QueryWindowOf(IStoryDocument* document) {
    FKDoc* story = StoryOf(document);
    return story ? dynamic_cast<FQSWindow*>(story->GetFQSWindow()) : nullptr;
}

CharacterManager* CharactersOf(IStoryDocument* document) {
    return document ? document->GetCharacterManager() : nullptr;
}

SceneManager* ScenesOf(IStoryDocument* document) { return document ? document->GetSceneManager() : nullptr; }

CharInfoRec* CharacterOf(IStoryDocument* document, CharID id) {
    CharacterManager* characters = CharactersOf(document);
    return characters && IsValidCharID(id) ? characters->GetCharacter(id) : nullptr;
}

Scene* SceneOf(IStoryDocument* document, std::int16_t id) {
    SceneManager* scenes = ScenesOf(document);
    return scenes && id >= 0 ? scenes->FindScene(id) : nullptr;
}

void DeleteScene(IStoryDocument* document, std::int32_t position) {
    SceneManager* scenes = ScenesOf(document);
    const Scene* scene = scenes ? scenes->SceneAt(position) : nullptr;
    if (!scene) return;
    const FQSWindow* window = QueryWindowOf(document);
    if (window) {
        QuestionStatus& status = StoryOf(document)->GetQuestionStatus();
        for (const FQSPageData& entry : window->GetQuestionList().Entries()) {
            if (entry.GetScene() != scene->GetID()) continue;
            status.SetStatus(kQuestionOpen, entry.GetTopic(), entry.GetContextKey());
            status.SetOpenFlag(0, entry.GetTopic(), entry.GetContextKey());
        }
    }
    scenes->DeleteScene(position);
}

bool WriteWhole(char* out, const char* text, std::int32_t remaining) {
    const std::size_t length = std::strlen(text);
    if (remaining <= 0 || length >= static_cast<std::size_t>(remaining)) return false;
    std::memcpy(out, text, length + 1);
    return true;
}

bool ConfirmYes(const char* question) { return AskYesNoCancel(question, 1, false) == kAnswerYes; }

void WarningBeep() { win::MessageBeep(0); }

void RequestGoTo(IStoryDocument* document, const FQSGoToTarget& target) {
    FQSWindow* window = QueryWindowOf(document);
    if (!window) return;
    FQSPendingRequests& requests = window->GetRequests();
    requests.ClearGoTo();
    requests.target = target;
    requests.goTo = true;
    if (!requests.busy) window->PostItemHit(FQSWindow::kListChooserItem);
}

bool SelectFirstNode(IStoryDocument* document, const TNodeTest& test) {
    FQSWindow* window = QueryWindowOf(document);
    FQSTreeSelectorView* tree = window ? window->GetTopicTree() : nullptr;
    if (!tree) return false;
    const auto* node = static_cast<FQSTreeSelectorNode*>(tree->FindNext(nullptr, false, &test, nullptr));
    if (!node) return false;
    tree->SelectNode(node->GetRow(), false);
    window->RequestRefresh();
    return true;
}

void DiscardPageAnswers(IStoryDocument* document) {
    if (FQSWindow* window = QueryWindowOf(document)) window->DiscardPageAnswers();
}

void SelectAway(IStoryDocument* document) {
    FQSWindow* window = QueryWindowOf(document);
    if (!window) return;
    window->SelectAway();
    if (!window->GetRequests().busy) window->PostItemHit(FQSWindow::kListChooserItem);
}

}  // namespace keywords
