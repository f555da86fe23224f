#include "query/FQSAnswerGuard.h"

#include "app/FKDoc.h"
#include "query/FQSWindow.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryformSolver.h"

FQSAnswerGuard::FQSAnswerGuard(FQSWindow& window) : window_(window) {
    FKDoc* story = window_.GetStory();
    if (story && story->GetStoryFormManager()) {
        storyform_ = story->GetStoryFormManager()->SaveState();
        count_ = story->GetStoryformCount();
        structuresValid_ = story->GetStoryFormManager()->GetStructuresValid();
        dirty_ = story->IsDirty();
    }
    foundZero_ = window_.FoundZeroStoryforms();
    if (StoryformSolver* solver = window_.GetSolver()) {
        for (int i = 0; i < StoryformSolver::kCapacity; ++i) constraints_.push_back(solver->GetConstraint(i));
    }
}

FQSAnswerGuard::~FQSAnswerGuard() = default;

bool FQSAnswerGuard::CheckStoryforms() {
    if (window_.CheckStoryforms() != 0) return true;
    PutBack();
    return false;
}

void FQSAnswerGuard::PutBack() {
    if (StoryformSolver* solver = window_.GetSolver()) {
        for (std::size_t i = 0; i < constraints_.size(); ++i)
            solver->GetConstraint(static_cast<int>(i)) = constraints_[i];
    }
    FKDoc* story = window_.GetStory();
    if (story && story->GetStoryFormManager() && storyform_) {
        story->GetStoryFormManager()->RestoreState(std::move(storyform_));
        story->GetStoryFormManager()->SetStructuresValid(structuresValid_);
        window_.SetStoryformCount(count_);
        window_.UpdateStoryformingBar();
        window_.UpdateRowStatuses();
        if (!dirty_) story->SetClean();
    }
    // The story is as it was before the answer. When that was consistent, what the writer types
    // next is stored and the window goes on following the story; a story that had no storyform left
    // before the answer is no more consistent now.
    if (!foundZero_) window_.ClearZeroStoryforms();
    window_.RequestRefresh();
}
