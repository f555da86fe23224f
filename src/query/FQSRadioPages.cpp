#include "query/FQSRadioPages.h"

#include "framework/InputHelpers.h"
#include "query/FQSAnswerGuard.h"
#include "query/FQSWindow.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr std::int32_t kFirstValueItem = FQSPage::kFirstPageItem;
constexpr std::int32_t kSecondValueItem = FQSPage::kFirstPageItem + 1;
constexpr std::int32_t kNoChoiceItem = FQSPage::kFirstPageItem + 2;

}  // namespace

std::int32_t FQSDynamicRadioPage::HandleControl(std::int32_t itemIndex) {
    if (itemIndex < kFirstValueItem || itemIndex > kNoChoiceItem || !window_) return FQSPage::HandleControl(itemIndex);
    const std::int16_t point = StoryPointIDForCode(answerKey_.c_str());
    if (itemIndex == kFirstValueItem) answerValue_ = static_cast<std::int16_t>(point + 1);
    if (itemIndex == kSecondValueItem) answerValue_ = static_cast<std::int16_t>(point + 2);
    if (itemIndex == kNoChoiceItem) answerValue_ = 0;
    FQSWindow& window = *window_;
    {
        // The guard keeps the story as it was before the answer, unchanged mark included.
        FQSAnswerGuard guard(window);
        window.MarkChanged();
        window.UpdateElementHelp();
        StoreSolverConstraint();
        // An answer that leaves no storyform is put back; the page is shown again from the story.
        if (!guard.CheckStoryforms()) return 1;
    }
    StoreRadioAnswer();
    // What the storyforms left settle for the other points follows the answer.
    window.RequestRecount();
    if (IsControlKeyDown(1)) window.PostItemHit(FQSWindow::kNextItem);
    return 1;
}

std::int32_t FQSGeneralRadioPage::HandleControl(std::int32_t /*itemIndex*/) {
    if (!window_) return 0;
    window_->MarkChanged();
    StoreRadioAnswer();
    return 1;
}
