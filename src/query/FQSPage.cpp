#include "query/FQSPage.h"

#include <cstdlib>

#include "app/FKDoc.h"
#include "foundation/pfm/PText.h"
#include "query/FQSWindow.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/TopicTable.h"

namespace {

constexpr std::int32_t kFinderPageType = 100;
// The story point id's template is read within this many bytes.
constexpr std::int32_t kStoryPointLimit = 40;

}  // namespace

FQSPage::FQSPage() = default;

FQSPage::~FQSPage() = default;

void FQSPage::Setup(FQSWindow& window, std::unique_ptr<PText> record, std::int32_t row, std::int16_t topic) {
    window_ = &window;
    record_ = std::move(record);
    row_ = row;
    pageTopic_ = topic;
    pageArea_ = window.GetPageArea();
    changed_ = false;
    helpLine_ = 1;
    layoutCursor_ = static_cast<std::int16_t>(pageArea_.top + kTopMargin);
    if (const FQSPageData* entry = window.GetListEntry(row)) {
        QuestionContext::operator=(entry->Context());
        SetTopic(entry->GetTopic());
        SetLevel(entry->GetLevel());
        SetFlags(entry->GetFlags());
    }
    topicKind_ = window.GetCurrentTopicKind();
    ReadHelpValues(window);
    layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + kBottomMargin);
    setUp_ = true;
}

// The story point ("AP", a template whose text is a decimal number) and the help values; a page
// without a record keeps the defaults.
void FQSPage::ReadHelpValues(FQSWindow& window) {
    storyPoint_ = 0;
    companion_ = 0;
    helpPage_ = 0;
    if (!record_) return;
    const FQSInterpretation storyPoint(window.GetStory(), kStoryPointLimit, "AP", this, record_.get());
    storyPoint_ = static_cast<std::int16_t>(std::strtol(storyPoint.GetText(), nullptr, 10));
    record_->GetEntry("CQ", kPTextShort, &companion_);
    record_->GetEntry("HL", kPTextShort, &helpLine_);
    record_->GetEntry("HP", kPTextShort, &helpPage_);
}

void FQSPage::Stretch(std::int16_t bottom) {
    if (bottom > layoutCursor_) layoutCursor_ = bottom;
}

void FQSPage::Teardown() {
    if (!setUp_) return;
    setUp_ = false;
    SaveEditFocus();
    if (commitOnLeave_) CommitAnswers();
    record_.reset();
    layoutCursor_ = 0;
    if (window_) window_->RemovePageItems();
}

bool FQSPage::IsChoiceQuestion() const {
    if (editViewCount_ > 0) return false;
    if (radioCount_ == 0 && pageType_ != kFinderPageType) return false;
    if (pageTopic_ >= kFirstStoryChoiceTopic && pageTopic_ <= kLastStoryChoiceTopic) return false;
    return pageTopic_ != kCreateCharactersTopic && pageTopic_ != kChooseMainAndImpactTopic;
}
