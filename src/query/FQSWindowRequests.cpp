// The query window's deferred work: what the storyform, character and scene listeners and the page
// keywords ask, run after the item hit; the keys; and the operations pages and keywords call.

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "framework/MsgEvent.h"
#include "platform/ui/Input.h"
#include "query/FQSNodePredicates.h"
#include "query/FQSPage.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "query/data/QuerySolver.h"
#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/engine/StoryFormManager.h"

namespace {

// Control with the letter H.
constexpr std::int32_t kToggleHelpKey = kKeyLetterA + 256 * ('H' - 'A');

// Return or the keypad's Enter; with Control, Return comes as the line feed character.
bool IsReturnKey(const KeyEvent& event) {
    const std::int32_t key = event.GetKey();
    if (key == kKeyReturn || key == kKeyEnter) return true;
    return event.Message() == win::WM_CHAR && event.WParam() == '\n' && event.IsControlDown();
}

}  // namespace

// --- Listeners

FQSListeningState FQSWindow::ListeningState() const {
    FQSListeningState state;
    state.pageShown = page_ != nullptr;
    state.pageListening = page_ && page_->IsListening();
    state.zeroStoryforms = check_.FoundZeroStoryforms();
    state.closing = closing_;
    return state;
}

void FQSWindow::React(FQSPendingRequests::Reaction reaction) {
    if (reaction == FQSPendingRequests::Reaction::kPostHit) PostItemHit(kListChooserItem);
}

void FQSWindow::StoryFormChanged(const Event* /*event*/) { React(requests_.StoryformChanged(ListeningState())); }

void FQSWindow::CharactersChanged(const CharacterEvent* /*event*/) {
    FQSGoToTarget place;
    CharacterManager* characters = story_ ? story_->GetCharacterManager() : nullptr;
    const auto exists = [characters](CharID id) {
        return id == kNoCharID || (characters && characters->HasCharacter(id));
    };
    std::int32_t row = row_;
    const FQSPageData* entry = list_.At(row);
    if (entry && !(exists(entry->GetCharacter()) && exists(entry->GetSecondCharacter()))) {
        row = list_.GetParent(row);
        entry = list_.At(row);
        if (entry && !(exists(entry->GetCharacter()) && exists(entry->GetSecondCharacter()))) entry = nullptr;
    }
    if (entry) {
        place.character = entry->GetCharacter();
        place.secondCharacter = entry->GetSecondCharacter();
        place.topic = entry->GetTopic();
        place.sceneId = entry->GetScene();
    }
    React(requests_.CharactersChanged(ListeningState(), place));
}

void FQSWindow::ScenesChanged(const Event* /*event*/) { React(requests_.ScenesChanged(ListeningState())); }

// --- Pending requests

void FQSWindow::RunPendingRequests() {
    if (closing_) return;
    if (requests_.recount) {
        requests_.recount = false;
        Recount();
    }
    if (requests_.goTo) {
        requests_.refresh = false;
        GoTo();
    } else if (requests_.refresh) {
        requests_.refresh = false;
        ShowSelectedPage();
    }
}

void FQSWindow::Recount() {
    if (!solver_ || !story_) return;
    StoryPointIDList ids;
    CollectRecountPoints(*solver_, page_ ? page_->GetStoryPointId() : 0, ids);
    solver_->SetConstraints(nullptr, ids);
    StoryFormManager& storyForm = *story_->GetStoryFormManager();
    const std::unique_ptr<StoryFormState> before = storyForm.SaveState();
    // No storyform left: the story is not written to.
    if (CheckStoryforms() == 0) return;
    // The values put in force are announced as a change of the story, so that every window showing
    // story points shows them at once; the window itself has just counted and does not take the
    // announcement for a change to follow.
    const bool listening = page_ && page_->IsListening();
    if (page_) page_->SetListening(false);
    {
        const BroadcasterBracket bracket(&storyForm);
        solver_->StoreForcedDomains();
        for (int i = 0; i < StoryformSolver::kCapacity && solver_->GetConstraint(i).inUse; ++i)
            solver_->ApplyResult(i, story_->GetResponseRecord(), story_->GetStoryformCount());
        if (*storyForm.SaveState() != *before) storyForm.PostEvent(nullptr);
    }
    if (page_) page_->SetListening(listening);
    // The tree's marks follow the values the storyforms left settle.
    UpdateRowStatuses();
}

void FQSWindow::GoTo() {
    const FQSGoToTarget target = requests_.target;
    requests_.ClearGoTo();
    if (ChooseGoToRule(target) == GoToRule::kList) {
        SelectQuestionList(target.listId, true, 0);
        return;
    }
    if (!SelectQuestionList(listId_, true, -1) || !tree_) return;
    const std::int32_t row = FindGoToRow(target);
    if (row < 0 || row == row_) return;
    tree_->SelectNode(row, false);
    ShowPage(row, tree_->GetTopicAt(row));
}

std::int32_t FQSWindow::FindGoToRow(const FQSGoToTarget& target) const {
    const auto rowOf = [this](const TNodeTest& test) {
        const auto* node = static_cast<FQSTreeSelectorNode*>(tree_->FindNext(nullptr, false, &test, nullptr));
        return node ? std::int32_t{node->GetRow()} : -1;
    };
    const auto firstEntry = [this, &target](bool withSecond) {
        for (std::int32_t row = 0; row < list_.Count(); ++row) {
            const FQSPageData& entry = *list_.At(row);
            if (target.topic >= 0 && entry.GetTopic() != target.topic) continue;
            if (entry.GetCharacter() != target.character) continue;
            if (withSecond && entry.GetSecondCharacter() != target.secondCharacter) continue;
            return row;
        }
        return std::int32_t{-1};
    };
    switch (ChooseGoToRule(target)) {
        case GoToRule::kScene:
            return rowOf(NodeMatchesTopicAndScene(target.topic, target.scenePosition, target.sceneId));
        case GoToRule::kSecondCharacter: return firstEntry(true);
        case GoToRule::kCharacter: return firstEntry(false);
        case GoToRule::kTopic: return rowOf(NodeMatchesTopicID(target.topic));
        case GoToRule::kRow: return rowOf(NodeMatchesRowID(target.row));
        case GoToRule::kList:
        case GoToRule::kNone: return -1;
    }
    return -1;
}

void FQSWindow::RequestRefresh() {
    requests_.refresh = true;
    if (!requests_.busy) React(FQSPendingRequests::Reaction::kPostHit);
}

void FQSWindow::RequestRecount() {
    requests_.recount = true;
    if (!requests_.busy) React(FQSPendingRequests::Reaction::kPostHit);
}

void FQSWindow::RequestList(std::int16_t listId) { requests_.RequestList(listId); }

void FQSWindow::SelectAway() {
    FQSTreeSelectorNode* node = tree_ ? tree_->NodeAt(row_) : nullptr;
    if (!node) return;
    auto* away = static_cast<FQSTreeSelectorNode*>(tree_->FindNext(node, false, nullptr, nullptr));
    if (!away) away = static_cast<FQSTreeSelectorNode*>(tree_->FindNext(node, true, nullptr, nullptr));
    if (!away) away = static_cast<FQSTreeSelectorNode*>(node->Parent());
    if (!away) return;
    // Whatever the change already asked for is replaced: the page asked for is gone.
    requests_.ClearGoTo();
    FQSGoToTarget& target = requests_.target;
    if (const FQSPageData* entry = list_.At(away->GetRow())) {
        target.character = entry->GetCharacter();
        target.secondCharacter = entry->GetSecondCharacter();
    }
    target.topic = away->GetTopic();
    target.row = away->GetRow();
    // By id: the positions of the scenes after a deleted one change.
    target.sceneId = away->GetSceneId();
    requests_.goTo = true;
}

void FQSWindow::DiscardPageAnswers() {
    if (page_) page_->SetCommitOnLeave(false);
}

void FQSWindow::MarkChanged() {
    if (page_) page_->SetChanged(true);
    if (story_) story_->SetDirty();
}

void FQSWindow::SetFocusItem(std::int32_t index) {
    if (index == GetFocusItem()) return;
    const win::HWND focused = win::GetFocus();
    const bool inside = focused && GetHWnd() && (focused == GetHWnd() || win::IsChild(GetHWnd(), focused));
    TFablecoreQuestionWindow::SetFocusItem(index, !inside);
}

// --- Keys

bool FQSWindow::DispatchKey(KeyEvent& event) {
    const std::int32_t key = event.GetKey();
    const bool control = event.IsControlDown();
    if (IsReturnKey(event)) {
        auto* fablecore = dynamic_cast<Fablecore*>(GetApplication());
        PreferencesManager* preferences = fablecore ? fablecore->GetPreferencesManager() : nullptr;
        const bool returnAdvances = preferences && preferences->GetReturnAdvances() != 0;
        if (returnAdvances != event.IsShiftDown() || control) {
            PostItemHit(kNextItem);
            return true;
        }
    } else if (control && (key == kKeyLeft || key == kKeyRight)) {
        if (tree_) {
            if (key == kKeyLeft) {
                tree_->FoldOrGoUp();
            } else {
                tree_->UnfoldOrGoDown();
            }
            const FQSTreeSelectorView::Selection selection = tree_->GetSelection();
            if (selection.found && selection.row != row_) ShowPage(selection.row, selection.topic);
        }
        return true;
    } else if (control && (key == kKeyUp || key == kKeyDown)) {
        stepBySelectableNode_ = true;
        PostItemHit(key == kKeyUp ? kPrevItem : kNextItem);
        return true;
    } else if (control && key == kToggleHelpKey) {
        ToggleHelp();
        return true;
    }
    return TFablecoreQuestionWindow::DispatchKey(event);
}
