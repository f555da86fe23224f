// The query window's question lists and pages: opening a list as the topic tree, keeping each
// list's row and open branches in the story, stepping with Start, Prev and Next, and showing the
// page of a row.

#include <algorithm>
#include <array>

#include "app/FKDoc.h"
#include "foundation/Debug.h"
#include "foundation/PlainText.h"
#include "foundation/pfm/PText.h"
#include "framework/BusyCursor.h"
#include "framework/TAppl.h"
#include "items/EditView.h"
#include "query/FQSPage.h"
#include "query/FQSPageFactory.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/PageClasses.h"
#include "query/data/QuestionList.h"
#include "query/data/QuestionListExpansion.h"
#include "query/data/QuestionStatus.h"
#include "query/data/QuerySolver.h"
#include "query/data/TopicTable.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/TextMacroExpander.h"
#include "widgets/Popup.h"

namespace {

// A node's caption is read through the keyword interpreter within this many bytes.
constexpr std::int32_t kCaptionLimit = 256;
// Caption style of the further story-point and illustration topics: italic.
constexpr std::int32_t kIllustrationStyle = 2;
// The Main Character's growth question, and the story point whose value picks its form.
constexpr int kResolveIndex = 0;
constexpr std::int16_t kChangeValue = 1001;
constexpr std::int16_t kSteadfastValue = 1002;

}  // namespace

std::string FQSWindow::GetListName(std::int16_t listId) const {
    return ::GetListName(GetApplication() ? GetApplication()->GetDataFile() : nullptr, listId, story_);
}

std::int16_t FQSWindow::GetChooserListId(std::int32_t row) const {
    return row >= 0 && row < static_cast<std::int32_t>(chooserLists_.size()) ? chooserLists_[static_cast<std::size_t>(row)]
                                                                          : -1;
}

void FQSWindow::ShowChosenList(std::int16_t listId) {
    if (!listChooser_) return;
    const auto found = std::find(chooserLists_.begin(), chooserLists_.end(), listId);
    const std::int32_t row = found == chooserLists_.end() ? -1 : static_cast<std::int32_t>(found - chooserLists_.begin());
    if (listChooser_->GetValue() != row) listChooser_->SetValue(row, true);
}

bool FQSWindow::SelectQuestionList(std::int16_t listId, bool save, std::int32_t position) {
    const BusyCursor busy;
    const FQSGoToTarget keptTarget = requests_.target;
    const bool keptGoTo = requests_.goTo;
    if (save && tree_) SaveListPosition(listId_);
    ReleasePage();
    requests_.target = keptTarget;
    requests_.goTo = keptGoTo;
    if (tree_) {
        const TreeSelectorView::UpdateGuard guard(*tree_);
        tree_->DeleteAll();
    }
    ShowChosenList(listId);

    const LoadedQuestionList loaded =
        LoadQuestionList(GetApplication() ? GetApplication()->GetDataFile() : nullptr, listId, position, list_);
    if (loaded.result != 0) {
        row_ = 0;
        topic_ = -1;
        Invalidate();
        return false;
    }
    BuildTree();
    listId_ = loaded.listId;
    ShowChosenList(listId_);
    UpdateRowStatuses();
    row_ = loaded.row;
    topic_ = loaded.topic;
    if (tree_) tree_->SelectNode(row_, false);
    ShowPage(row_, topic_);
    return true;
}

void FQSWindow::BuildTree() {
    if (!tree_) return;
    const TreeSelectorView::UpdateGuard guard(*tree_);
    std::array<FQSTreeSelectorNode*, kMaxOutlineLevel + 1> lastAtLevel{};
    SceneManager* scenes = story_ ? story_->GetSceneManager() : nullptr;
    for (std::int32_t row = 0; row < list_.Count(); ++row) {
        const FQSPageData& entry = *list_.At(row);
        const TopicRecord* topicRow = TopicAt(entry.GetTopic());
        std::string caption;
        if (topicRow && topicRow->title) {
            const FQSInterpretation title(story_, kCaptionLimit, topicRow->title, &entry, nullptr);
            TextMacroExpander expander(story_, title.GetText());
            caption = expander.Expand();
            if (!caption.empty()) caption[0] = UpperChar(caption[0]);
            SharedStringConverter().DecodeInPlace(caption.data());
            caption.resize(std::char_traits<char>::length(caption.c_str()));
        }
        std::int16_t scenePosition = -1;
        std::int16_t sceneId = -1;
        if (entry.GetScene() >= 0) {
            sceneId = entry.GetScene();
            if (Scene* scene = scenes ? scenes->FindScene(sceneId) : nullptr)
                scenePosition = static_cast<std::int16_t>(scene->GetPosition());
        }
        const std::int16_t kind = TopicKindOf(entry.GetTopic());
        const std::int32_t style =
            kind == kFurtherStoryPointTopic || kind == kIllustrationTopic ? kIllustrationStyle : 0;
        const int level = std::clamp<int>(entry.GetLevel(), 1, kMaxOutlineLevel);
        auto* node = new FQSTreeSelectorNode(entry.IsOpen(), caption.c_str(), static_cast<std::int16_t>(row),
                                             entry.GetTopic(), scenePosition, sceneId, style, nullptr);
        tree_->InsertNode(node, lastAtLevel[static_cast<std::size_t>(level - 1)], -1);
        lastAtLevel[static_cast<std::size_t>(level)] = node;
        // A deeper level belongs to this node from now on.
        std::fill(lastAtLevel.begin() + level + 1, lastAtLevel.end(), nullptr);
    }
}

void FQSWindow::SaveListPosition(std::int16_t listId) {
    if (!story_) return;
    StoreListPosition(story_->GetResponseRecord(), listId, row_);
    if (!tree_) return;
    QuestionStatus& status = story_->GetQuestionStatus();
    for (TreeSelectorNode* node = tree_->FindNext(nullptr, false, &TreeSelectorView::kIsContainer, nullptr); node;
         node = tree_->FindNext(node, false, &TreeSelectorView::kIsContainer, nullptr)) {
        const auto* topicNode = static_cast<FQSTreeSelectorNode*>(node);
        const FQSPageData* entry = list_.At(topicNode->GetRow());
        if (!entry) continue;
        status.SetOpenFlag(node->IsOpen() ? 1 : 0, entry->GetTopic(), entry->GetContextKey());
    }
}

// The story is about to be saved (or the window closed): the texts typed on the page are stored
// first, the page staying as it is.
void FQSWindow::RefocusItem() {
    if (page_ && page_->CommitsOnLeave()) page_->StoreTypedAnswers();
    if (story_ && tree_) {
        SaveListPosition(listId_);
        RememberListToOpen(story_->GetResponseRecord(), listId_);
    }
    // The field being typed into gets the focus back with its caret where it was, so that the
    // writer typing on after a save adds to the text instead of replacing it.
    auto* field = dynamic_cast<EditView*>(GetItem(GetFocusItem()));
    std::int32_t start = 0;
    std::int32_t end = 0;
    if (field) field->GetSelection(&start, &end);
    TFablecoreQuestionWindow::RefocusItem();
    if (field && GetItem(GetFocusItem()) == field) field->SetSelection(start, end);
}

// --- Start, Prev and Next

void FQSWindow::Start() { SelectQuestionList(listId_, true, 0); }

void FQSWindow::Prev(bool bySelectableNode) {
    std::int32_t target = row_ - 1;
    if (bySelectableNode) {
        TreeSelectorNode* from = tree_ ? tree_->NodeAt(row_) : nullptr;
        const auto* previous = from ? static_cast<const FQSTreeSelectorNode*>(tree_->FindNext(
                                          from, true, &TreeSelectorView::kIsSelectable, &TreeSelectorView::kIsOpen))
                                    : nullptr;
        target = previous ? previous->GetRow() : -1;
    }
    PFMFile* data = GetApplication() ? GetApplication()->GetDataFile() : nullptr;
    StepTo(PrevStep(listId_, row_, target, [data](std::int32_t id) { return QuestionListExists(data, id); }),
           bySelectableNode);
}

void FQSWindow::Next(bool bySelectableNode) {
    std::int32_t target = row_ + 1;
    if (bySelectableNode) {
        TreeSelectorNode* from = tree_ ? tree_->NodeAt(row_) : nullptr;
        const auto* next = from ? static_cast<const FQSTreeSelectorNode*>(tree_->FindNext(
                                      from, false, &TreeSelectorView::kIsSelectable, &TreeSelectorView::kIsOpen))
                                : nullptr;
        target = next ? next->GetRow() : -1;
    }
    PFMFile* data = GetApplication() ? GetApplication()->GetDataFile() : nullptr;
    StepTo(NextStep(listId_, row_, list_.Count(), target,
                    [data](std::int32_t id) { return QuestionListExists(data, id); }),
           bySelectableNode);
}

void FQSWindow::StepTo(const QueryStep& step, bool bySelectableNode) {
    switch (step.kind) {
        case QueryStep::kRow:
            if (!tree_) return;
            if (!bySelectableNode && ReadPreference(kAutoCloseKey, 1) != 0)
                tree_->CloseBranchesBetween(row_, step.row);
            tree_->SelectNode(step.row, false);
            ShowPage(step.row, tree_->GetTopicAt(step.row));
            break;
        case QueryStep::kList: SelectQuestionList(step.listId, true, 0); break;
        case QueryStep::kBeep: Beep(); break;
        case QueryStep::kNothing: break;
    }
}

void FQSWindow::ShowSelectedPage() {
    if (!tree_) return;
    const FQSTreeSelectorView::Selection selection = tree_->GetSelection();
    if (selection.found) ShowPage(selection.row, selection.topic);
}

// --- Pages

std::int16_t FQSWindow::GetCurrentTopicKind() const { return TopicKindOf(topic_); }

void FQSWindow::ReleasePage() {
    if (!page_) return;
    // After the zero-storyforms error a page stores nothing.
    if (check_.FoundZeroStoryforms()) page_->SetCommitOnLeave(false);
    SaveListPosition(listId_);
    std::unique_ptr<FQSPage> page = std::move(page_);
    page->Teardown();
}

void FQSWindow::ShowPage(std::int32_t row, std::int16_t topic, std::int16_t /*first*/, std::int16_t /*second*/) {
    ReleasePage();
    if (topic >= 0) {
        row_ = row;
        topic_ = topic;
    }
    if (topic_ < 0) {
        HideHelpPane();
        Invalidate();
        return;
    }
    std::int16_t shown = topic_;
    if (shown == kGrowthTopic && story_) {
        const std::int16_t resolve = story_->GetStoryPointValue(kResolveIndex);
        if (resolve == kChangeValue) shown = kGrowthIfChangeTopic;
        if (resolve == kSteadfastValue) shown = kGrowthIfSteadfastTopic;
    }
    const FQSPageData* first = list_.At(0);
    PageRecord found = FindPageRecord(GetApplication() ? GetApplication()->GetDataFile() : nullptr, shown,
                                      first ? first->GetTopic() : -1);
    if (found.fellBack) {
        row_ = 0;
        topic_ = found.topic;
        shown = found.topic;
        if (tree_) tree_->SelectNode(row_, false);
    }
    page_ = pageFactory_ ? pageFactory_->CreatePage(found.classCode) : nullptr;
    if (page_) page_->Setup(*this, found.missing ? nullptr : std::move(found.record), row_, shown);

    if (firstShow_ && solver_) {
        firstShow_ = false;
        StoryPointIDList ids;
        solver_->CollectConstrainedPoints(ids);
        solver_->SetConstraints(nullptr, ids);
        CheckStoryforms();
    }
    PlaceHelpPane();
    if (page_) page_->ShowControls();
    ComposeHelp();
    if (page_ && page_->GetHelpLine() != 0 && helpFits_) {
        ShowHelpPane();
    } else {
        HideHelpPane();
    }
    InvalidatePageArea();
}

void FQSWindow::RefreshPage() { ShowPage(row_, topic_, 0, 1); }
