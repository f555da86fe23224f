// The query window's picture and status: the page area and the status area (the storyform count,
// the two bars and their labels), the status marks of the tree's rows, and the storyform check.

#include "app/FKDoc.h"
#include "foundation/pfm/PText.h"
#include "framework/Alerts.h"
#include "framework/graphics/BevelFrames.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/BarGraph.h"
#include "items/GraphBtn.h"
#include "platform/ui/Paint.h"
#include "query/FQSHelpPane.h"
#include "query/FQSPage.h"
#include "query/FQSProgress.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "query/data/QuestionStatus.h"
#include "query/data/TopicTable.h"
#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/engine/StoryFormManager.h"

namespace {

constexpr int kWhite = 1;
constexpr int kDarkGrey = 9;
constexpr std::int16_t kStatusFontNumber = 3;
constexpr std::int16_t kStatusFontSize = 9;

}  // namespace

void FQSWindow::InvalidateArea(const ShortRect& area) {
    if (!GetHWnd()) return;
    const win::RECT rect = area.ToRECT();
    win::InvalidateRect(GetHWnd(), &rect, win::TRUE);
}

// The page's part of the page area and the page's title line above it: the help pane and its
// buttons, while they show, paint themselves when their text, states or place change.
void FQSWindow::InvalidatePageArea() {
    if (!GetHWnd()) return;
    const ShortRect& page = layout_.page;
    Rgn area(ShortRect::MakeLTRB(page.left, 0, page.right, page.bottom));
    if (helpShown_ && helpPane_ && helpButtonRow_) {
        area.Subtract(Rgn(helpPane_->Bounds()));
        area.Subtract(Rgn(helpButtonRow_->Bounds()));
    }
    win::InvalidateRgn(GetHWnd(), area.GetHandle(), win::TRUE);
}

void FQSWindow::Draw(win::HDC /*dc*/) {
    TGraphEnv& env = GetGraphEnv();
    const GraphAttribUser use(env);
    if (tree_) {
        const std::int32_t sunken = kBevelSunken;
        const ShortRect& page = layout_.page;
        env.SetForeStandardColor(kWhite);
        env.FillRect(page);
        DrawBevelFrame(env, ShortRect::MakeLTRB(page.left - 2, page.top - 2, page.right + 2, page.bottom + 2), &sunken,
                       2, GetStandardColor(kDarkGrey), GetStandardColor(kWhite));
    }
    if (page_) page_->Draw(env);
    DrawStatusArea(env);
}

void FQSWindow::DrawStatusArea(TGraphEnv& env) {
    if (!tree_) return;
    const GraphAttribUser use(env);
    env.SetFont(kStatusFontNumber, kStatusFontSize, 0);
    env.SetForeStandardColor(0);
    env.SetTransparent(true);
    const bool complete = story_ && story_->IsStoryformComplete();
    env.DrawTextBox(StoryformCountText(storyformCount_, complete).c_str(), layout_.countText, kAlignCenter, 0, 0);
    const std::string labels[2] = {"Storyforming:", ExpandAndDecode(story_, "{NSE-Process}") + ":"};
    const std::int32_t sunken = kBevelSunken;
    for (int i = 0; i < 2; ++i) {
        const ShortRect& bar = layout_.bars[i];
        env.DrawTextBox(labels[i].c_str(), layout_.barLabels[i], kAlignRight, 0, 0);
        DrawBevelFrame(env, ShortRect::MakeLTRB(bar.left - 2, bar.top - 2, bar.right + 2, bar.bottom + 2), &sunken, 2,
                       GetStandardColor(kDarkGrey), GetStandardColor(kWhite));
    }
}

// --- Bars and row statuses

void FQSWindow::SetStoryformCount(std::uint16_t count) {
    const bool changed = count != storyformCount_;
    storyformCount_ = count;
    if (story_) story_->SetStoryformCount(count);
    if (changed) InvalidateArea(layout_.countText);
}

void FQSWindow::UpdateStoryformingBar() {
    if (bars_[0]) bars_[0]->SetPercent(StoryformingPercent(story_ ? story_->GetStoryformCount() : 0), true);
}

void FQSWindow::UpdateTopicProgressBar() {
    if (!bars_[1] || !story_) return;
    bars_[1]->SetPercent(TopicProgressPercent(CountTopicProgress(story_->GetQuestionStatus(), kTopicTable)), true);
}

void FQSWindow::UpdateRowStatuses() {
    if (!tree_ || !story_) return;
    QuestionStatus& status = story_->GetQuestionStatus();
    const StoryFormManager* storyForm = story_->GetStoryFormManager();
    for (std::int32_t row = 0; row < list_.Count(); ++row) {
        const FQSPageData& entry = *list_.At(row);
        const TopicRecord* topic = TopicAt(entry.GetTopic());
        const std::int16_t kind = topic ? topic->kind : -1;
        const std::int16_t key = entry.GetContextKey();
        std::int16_t chosen = 0;
        std::int16_t inForce = 0;
        if (kind == kStoryPointTopic && storyForm) {
            chosen = storyForm->GetChosenValueAt(topic->storyPointIndex);
            inForce = story_->GetStoryPointValue(topic->storyPointIndex);
        }
        const std::int16_t shown = RowStatusOf(kind, chosen, inForce, status.GetStatus(entry.GetTopic(), key));
        if (IsRowStatusStored(kind)) status.SetStatus(shown, entry.GetTopic(), key);
        // A row whose mark changed is painted again.
        tree_->SetNodeStatus(row, static_cast<std::uint8_t>(shown), false);
    }
}

// --- The storyform check

std::uint16_t FQSWindow::CheckStoryforms() {
    if (!solver_ || !story_) return story_ ? story_->GetStoryformCount() : 0;
    return check_.Run(*this);
}

std::uint16_t FQSWindow::GetStoryformCount() { return story_->GetStoryformCount(); }

std::int16_t FQSWindow::GetSingleStoryform() { return solver_->SingleNumber(); }

std::uint16_t FQSWindow::CountStoryforms() { return solver_->CountStoryforms(); }

void FQSWindow::WarnOfZeroStoryforms() { AlertMessageEx(kZeroStoryformsMessage, 0, kAlertStop, 1); }

void FQSWindow::ApplySingleStoryform() {
    const BroadcasterBracket bracket(story_->GetStoryFormManager());
    solver_->StoreForcedDomains();
    for (int i = 0; i < StoryformSolver::kCapacity && solver_->GetConstraint(i).inUse; ++i)
        solver_->ApplyResult(i, story_->GetResponseRecord(), StoryFormManager::kOneStoryform);
    story_->RebuildThroughlines();
}

void FQSWindow::LeaveSingleStoryform() { story_->RebuildThroughlines(); }

void FQSWindow::UpdateProgress() {
    UpdateStoryformingBar();
    UpdateRowStatuses();
}

void FQSWindow::Congratulate() {
    AlertMessageEx(ExpandAndDecode(story_, kOneStoryformMessage).c_str(), 0, kAlertNote, 1);
}
