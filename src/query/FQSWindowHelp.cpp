// The query window's help pane: its place below the page, its text and its eight buttons.

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "items/GraphBtn.h"
#include "query/FQSHelpPane.h"
#include "query/FQSHelpSources.h"
#include "query/FQSPage.h"
#include "query/FQSWindow.h"
#include "query/data/TopicTable.h"

namespace {

constexpr int kFirstAnswerSection = kDefinitionSection;

}  // namespace

void FQSWindow::PlaceHelpPane() {
    if (!verticalSplitter_ || !helpPane_ || !helpButtonRow_) return;
    if (!page_) {
        helpFits_ = false;
        verticalSplitter_->Hide();
        return;
    }
    if (page_->GetHelpLine() == 0) {
        page_->Stretch(layout_.page.bottom);
        verticalSplitter_->Hide();
        return;
    }
    ShortRect content;
    GetContentRect(content);
    // Until the writer places the line, a page that grows leaves the help its default room, wherever
    // the page before held the splitter.
    const HelpPanePlacement place =
        ::PlaceHelpPane(content, layout_.page, page_->GetLayoutCursor(), page_->CanGrow(),
                        ReadPreference(kVerticalSplitKey, -1), DefaultVerticalSplit(content.Height()));
    if (place.stretchTo >= 0) page_->Stretch(place.stretchTo);
    verticalSplitter_->SetMinimumFar(place.lowestSplit);
    verticalSplitter_->SetMaximumFar(place.highestSplit);
    verticalSplitter_->SetBounds(place.splitter, true);
    helpFits_ = place.fits;
    if (helpFits_) {
        const ShortRect& row = helpButtonRow_->Bounds();
        helpButtonRow_->MoveBy(static_cast<std::int16_t>(place.pane.left - row.left),
                               static_cast<std::int16_t>(place.y - row.top));
        helpPane_->SetBounds(place.pane, true);
    }
    verticalSplitter_->Show();
}

void FQSWindow::ComposeHelp() {
    if (!helpPane_ || !helpButtonRow_) return;
    FQSHelpPage values;
    values.topic = topic_;
    values.kind = TopicKindOf(topic_);
    if (page_) {
        values.topic = page_->GetPageTopic();
        values.kind = page_->GetTopicKind();
        values.storyPoint = page_->GetStoryPointId();
        values.companion = page_->GetCompanionTopic();
        values.helpPage = page_->GetHelpPage();
        values.answer = page_->GetAnswerValue();
        values.choiceQuestion = page_->IsChoiceQuestion();
    }
    FQSHelpSources sources(dynamic_cast<Fablecore*>(GetApplication()), story_);
    const FQSHelpComposition help = ComposeFQSHelp(values, helpButtons_, sources);
    for (int i = 0; i < kHelpSectionCount; ++i)
        helpButtonRow_->SetButtonEnabled(i, help.enabled[static_cast<std::size_t>(i)]);
    helpPane_->SetHelpText(helpShown_ || (page_ && page_->GetHelpLine() != 0 && helpFits_) ? help.text : std::string());
}

void FQSWindow::UpdateElementHelp() {
    for (int i = kFirstAnswerSection; i < kHelpSectionCount; ++i) {
        if (helpButtons_[static_cast<std::size_t>(i)] != 0) {
            ComposeHelp();
            return;
        }
    }
}

void FQSWindow::ShowHelpPane() {
    if (helpPane_) helpPane_->Show();
    if (helpButtonRow_) helpButtonRow_->Show();
    helpShown_ = true;
}

void FQSWindow::HideHelpPane() {
    if (helpPane_) {
        helpPane_->Hide();
        helpPane_->SetHelpText(std::string());
    }
    if (helpButtonRow_) helpButtonRow_->Hide();
    helpShown_ = false;
}
