// The question page's life: setup and layout, stretching, showing, drawing, the routing of control
// hits, the road of an answer into the story, and teardown.

#include "query/FQSPage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "foundation/PlainText.h"
#include "foundation/pfm/PText.h"
#include "framework/Alerts.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/GraphUser.h"
#include "items/EditView.h"
#include "items/ItemList.h"
#include "items/Slider.h"
#include "items/TextWrap.h"
#include "query/FQSPageControls.h"
#include "query/FQSPageGeometry.h"
#include "query/FQSTreeSelectorView.h"
#include "query/FQSWindow.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/QuerySolver.h"
#include "query/data/QuestionStatus.h"
#include "query/data/TFQSInterpretable.h"
#include "query/data/TopicTable.h"
#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/SceneManager.h"
#include "storymodel/StoryTextLimits.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr std::int32_t kStoryPointLimit = 40;
constexpr std::int32_t kTextLimit = static_cast<std::int32_t>(FQSWindow::kTextBufferSize);
// A long text the writer types elsewhere stops where the page reads it whole.
static_assert(FQSWindow::kTextBufferSize == kLongTextLimit + 1);
constexpr std::int16_t kTextGap = 14;
constexpr std::int16_t kSideMargin = 12;
constexpr std::int16_t kNoThroughline = -1;
constexpr std::int16_t kThroughlineCount = 4;

}  // namespace

FQSPage::FQSPage() {
    MakeLogFont(textFont_, 5, 9, kStyleBold);
    MakeLogFont(controlFont_, 3, 12, 0);
}

FQSPage::~FQSPage() = default;

void FQSPage::Setup(FQSWindow& window, std::unique_ptr<PText> record, std::int32_t row, std::int16_t topic) {
    window_ = &window;
    document_ = window.GetStory();
    record_ = std::move(record);
    row_ = row;
    pageTopic_ = topic;
    pageArea_ = window.GetPageArea();
    {
        TGraphEnv& env = window.GetGraphEnv();
        const GraphAttribUser use(env);
        env.SetFontIndirect(controlFont_);
        win::TEXTMETRICA metrics{};
        env.GetTextMetrics(metrics);
        lineHeight_ = static_cast<std::int16_t>(metrics.tmAscent + metrics.tmDescent + metrics.tmExternalLeading);
    }
    changed_ = 0;
    staticCount_ = radioCount_ = editCount_ = popupCount_ = buttonCount_ = checkCount_ = 0;
    fixedText_ = -1;
    topicKind_ = 0;
    answerValue_ = 0;
    storyPoint_ = 0;
    companion_ = 0;
    focusItem_ = -1;
    helpLine_ = 1;
    helpPage_ = 0;
    layoutCursor_ = static_cast<std::int16_t>(pageArea_.top + kTopMargin);
    if (const FQSPageData* entry = window.GetListEntry(row)) {
        QuestionContext::operator=(entry->Context());
        SetTopic(entry->GetTopic());
        SetLevel(entry->GetLevel());
        SetFlags(entry->GetFlags());
    }
    PreferencesManager::GetPrefShort(window.GetPreferences(), "ThrClr", throughlineColors_);

    pageType_ = ReadShort("TY", -1);
    topicKind_ = window.GetCurrentTopicKind();
    title_ = PlainExpanded("QT", kTitleLength).substr(0, kTitleLength - 1);
    if (!title_.empty()) title_[0] = UpperChar(title_[0]);
    if (GetThroughline() == kNoThroughline || GetThroughline() >= kThroughlineCount) {
        const std::int16_t throughline = ReadShort("TH", kNoThroughline);
        if (throughline != kNoThroughline) SetThroughline(throughline);
    }
    storyPoint_ = static_cast<std::int16_t>(std::strtol(Interpreted("AP", kStoryPointLimit).c_str(), nullptr, 10));
    companion_ = ReadShort("CQ", 0);
    helpLine_ = ReadShort("HL", 1);
    helpPage_ = ReadShort("HP", 0);

    mainText_ = Expanded("T1", kTextLimit);
    CheckIllustration();
    if (!mainText_.empty()) {
        ShortRect rect = ShortRect::MakeLTRB(pageArea_.left + kSideMargin, pageArea_.top + kTopMargin,
                                             pageArea_.right - kSideMargin, pageArea_.top + kTopMargin);
        if (AddStaticText(mainText_, rect, 0) >= 0) {
            fixedText_ = 0;
            layoutCursor_ = static_cast<std::int16_t>(rect.bottom + kTextGap);
        }
    }
    BuildRadios();
    sliderFlag_ = ReadShort("SL", 0);
    BuildEditViews();
    BuildCheckBoxes();
    BuildSlider();
    Build();
    BuildPopups();
    BuildButtons();
    if (layoutCursor_ != 0) layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + kBottomMargin);
    setUp_ = true;
}

void FQSPage::Stretch(std::int16_t bottom) {
    const std::int32_t extra = bottom - layoutCursor_;
    if (extra <= 0 || (editCount_ == 0 && GetStretchWeight() <= 0)) return;
    std::vector<std::int32_t> weights{std::max(GetStretchWeight(), 0)};
    for (std::int32_t i = 0; i < editCount_; ++i) {
        const std::string key = "EM" + std::to_string(i + 1);
        weights.push_back(std::max<std::int32_t>(ReadShort(key.c_str(), 0), 0));
    }
    std::int32_t total = 0;
    for (const std::int32_t weight : weights) total += weight;
    if (total <= 0) {
        layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + extra);
        return;
    }
    const std::vector<std::int32_t> shares = StretchShares(weights, extra);
    if (weights[0] > 0) GrowContent(shares[0]);
    // Edit views of weight 0 do not grow but move with the views above them, so that none covers
    // another.
    std::int32_t moved = shares[0];
    for (std::int32_t i = 0; i < editCount_; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const std::int32_t share = shares[at + 1];
        EditSlot& slot = edits_[at];
        if (slot.label >= 0) statics_[static_cast<std::size_t>(slot.label)].rect.Offset(0, moved);
        if (slot.view && (moved != 0 || share != 0)) {
            ShortRect bounds;
            slot.view->GetBounds(bounds);
            bounds.Offset(0, moved);
            bounds.bottom = static_cast<std::int16_t>(bounds.bottom + share);
            slot.view->SetBounds(bounds, true);
        }
        moved += share;
    }
    auto shift = [moved](TItem* item) {
        if (!item) return;
        ShortRect bounds;
        item->GetBounds(bounds);
        bounds.Offset(0, moved);
        item->SetBounds(bounds, true);
    };
    if (slider_ && sliderFlag_ != 0) shift(slider_);
    for (std::int32_t i = 0; i < popupCount_; ++i) shift(popups_[static_cast<std::size_t>(i)]);
    for (std::int32_t i = 0; i < buttonCount_; ++i) shift(buttons_[static_cast<std::size_t>(i)]);
    for (std::int32_t i = 0; i < checkCount_; ++i) shift(checks_[static_cast<std::size_t>(i)]);
    for (std::int32_t i = fixedText_ + 1; i < staticCount_; ++i) statics_[static_cast<std::size_t>(i)].rect.Offset(0, moved);
    ShiftContent(moved);
    layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + extra);
}

void FQSPage::ShowControls() {
    for (std::int32_t i = 0; i < radioCount_; ++i) radios_[static_cast<std::size_t>(i)]->Show();
    for (std::int32_t i = 0; i < editCount_; ++i)
        if (EditView* view = edits_[static_cast<std::size_t>(i)].view) view->Show();
    for (std::int32_t i = 0; i < popupCount_; ++i) popups_[static_cast<std::size_t>(i)]->Show();
    for (std::int32_t i = 0; i < buttonCount_; ++i) buttons_[static_cast<std::size_t>(i)]->Show();
    for (std::int32_t i = 0; i < checkCount_; ++i) checks_[static_cast<std::size_t>(i)]->Show();
    if (!RestoreEditFocus() && focusItem_ != -1 && window_) window_->SetFocusItem(focusItem_);
}

void FQSPage::Draw(TGraphEnv& env) {
    const GraphAttribUser use(env);
    env.SetFontIndirect(textFont_);
    env.SetForeStandardColor(0);
    env.SetTransparent(true);
    for (std::int32_t i = 0; i < staticCount_; ++i) {
        const StaticText& text = statics_[static_cast<std::size_t>(i)];
        if (!text.wrap || text.wrap->GetLineCount() == 0) continue;
        text.wrap->Draw(env, nullptr, text.rect.top, text.rect.left, text.rect.bottom, text.rect.right,
                        text.justification);
    }
    env.MoveTo(pageArea_.left + 2, 20);
    env.DrawText(title_.c_str(), 0, 0);
}

std::int32_t FQSPage::HandleControl(std::int32_t itemIndex) {
    if (!window_) return 0;
    auto* item = dynamic_cast<TItem*>(window_->GetItem(itemIndex));
    if (!item) return 0;
    if (item->IsKindOf(FQSPushBtn::kClassId)) {
        RunKeyword(static_cast<FQSPushBtn&>(*item));
    } else if (item->IsKindOf(FQSPopup::kClassId)) {
        window_->MarkChanged();
        ApplyKeywordChoice(static_cast<FQSPopup&>(*item));
    } else if (item->IsKindOf(Slider::kClassId)) {
        window_->MarkChanged();
    } else if (auto* box = dynamic_cast<FQSCheckBox*>(item)) {
        window_->MarkChanged();
        ApplyKeywordCheck(*box);
    } else if (item->IsKindOf(CheckBox::kClassId)) {
        window_->MarkChanged();
    } else {
        return 0;
    }
    return 1;
}

void FQSPage::RunKeyword(FQSPushBtn& button) {
    const FQSInterpretation* action = button.GetBinding();
    if (action && action->IsKeyword()) action->GetKeyword()->Execute(document_, *action);
}

// Only a binding that holds a keyword can take a choice: a plain text has nobody to take it.
void FQSPage::ApplyKeywordChoice(FQSPopup& popup) {
    const FQSInterpretation* binding = popup.GetBinding();
    if (!binding || !binding->IsKeyword()) return;
    auto value = static_cast<std::int16_t>(popup.GetValue());
    if (binding->GetKeyword()->AcceptChoice(&popup, value, document_, *binding))
        binding->GetKeyword()->SetChoice(document_, *binding, value);
}

void FQSPage::ApplyKeywordCheck(FQSCheckBox& box) {
    const FQSInterpretation* binding = box.GetBinding();
    if (binding && binding->IsKeyword())
        binding->GetKeyword()->CheckChanged(document_, *binding, static_cast<std::int16_t>(box.GetValue()));
}

// --- Answers

namespace {

std::int32_t FirstRadioOn(const std::array<FQSRadioBtn*, FQSPage::kMaxRadios>& radios, std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i)
        if (radios[static_cast<std::size_t>(i)]->GetValue() == 1) return i;
    return count;
}

}  // namespace

bool FQSPage::IsStoryChoiceTopic() const {
    return pageTopic_ >= kFirstStoryChoiceTopic && pageTopic_ <= kLastStoryChoiceTopic;
}

void FQSPage::StoreRadioAnswer() {
    listening_ = 0;
    {
        StoryFormManager* storyForm = document_ ? document_->GetStoryFormManager() : nullptr;
        const BroadcasterBracket bracket(storyForm);
        const std::int32_t choice = FirstRadioOn(radios_, radioCount_);
        if (pageType_ == kStoryformChoicePage) {
            const std::int16_t value =
                choice >= radioCount_ || choice == 2 ? 0 : static_cast<std::int16_t>(storyPoint_ + choice + 1);
            if (storyForm) {
                storyForm->SetChoice(storyPoint_, value);
                if (radioCount_ >= 2 && !radios_[0]->IsEnabled())
                    storyForm->SetValue(storyPoint_, static_cast<std::int16_t>(storyPoint_ + 2));
                else if (radioCount_ >= 2 && !radios_[1]->IsEnabled())
                    storyForm->SetValue(storyPoint_, static_cast<std::int16_t>(storyPoint_ + 1));
            }
        } else if (answerRecord_ && !answerKey_.empty()) {
            answerRecord_->SetNumberByName(answerKey_, 's', choice);
        }
        if (IsStoryChoiceTopic()) MarkAnswered(choice != 0, pageTopic_);
    }
    listening_ = 1;
    // The window did not listen to the page's own change: the tree's marks follow it here.
    if (window_) window_->UpdateRowStatuses();
}

void FQSPage::StoreSolverConstraint() {
    StoryformSolver* solver = window_ ? window_->GetSolver() : nullptr;
    // A point that no record of the solver holds has nothing to narrow.
    SolverConstraint* record = solver ? FindConstraintOf(*solver, storyPoint_) : nullptr;
    if (!record) return;
    const std::int32_t on = FirstRadioOn(radios_, radioCount_);
    const std::int16_t value = on >= radioCount_ || on == 2
                                   ? 0
                                   : static_cast<std::int16_t>(StoryPointIDForCode(answerKey_.c_str()) + on + 1);
    FixConstraintToValue(*record, value);
}

bool FQSPage::HasLostScene() const {
    if (GetScene() < 0 || !document_) return false;
    const SceneManager* scenes = document_->GetSceneManager();
    return !scenes || !scenes->FindScene(GetScene());
}

std::uint32_t FQSPage::TypedTextSize() const {
    // The story's title, and the names of the overall and subjective stories, are stored short.
    if (pageTopic_ == kOverallStoryNameTopic || pageTopic_ == kSubjectiveStoryNameTopic)
        return kStoryNameLimit + 1;
    if (pageTopic_ == kStoryTitleTopic) return kStoryTitleLimit + 1;
    return static_cast<std::uint32_t>(kTextLimit);
}

std::string FQSPage::CutTextMessage(std::size_t shown) {
    return "This text is longer than this page can show: only its first " + std::to_string(shown) +
           " characters are here, and only they are kept if you change it here.";
}

void FQSPage::TellCutText(std::int32_t index) {
    if (index < 0 || index >= editCount_) return;
    EditSlot& slot = edits_[static_cast<std::size_t>(index)];
    if (!slot.cut || slot.toldCut || !slot.view) return;
    slot.toldCut = true;
    std::string shown = slot.shown;
    SharedStringConverter().DecodeInPlace(shown.data());
    ShowCaution(CutTextMessage(std::strlen(shown.c_str())).c_str());
}

void FQSPage::TextChanged(std::int32_t index) {
    if (window_) window_->MarkChanged();
    TellCutText(index);
}

void FQSPage::StoreTypedAnswers() {
    if (!record_ || !window_ || HasLostScene() || editCount_ <= 0) return;
    bool answered = false;
    bool storytelling = false;
    char* buffer = window_->GetTextBuffer();
    for (std::int32_t i = 0; i < editCount_; ++i) {
        EditSlot& slot = edits_[static_cast<std::size_t>(i)];
        if (!slot.view) continue;
        slot.view->CopyText(buffer, TypedTextSize());
        if (buffer[0] != '\0') answered = true;
        // A text left as it was shown is not stored again, so a longer one kept from before stays whole;
        // one the page shows only the start of, not even when it was changed back.
        const bool typed = slot.view->IsChanged() && !slot.stored && !slot.cut;
        if (typed || slot.shown != slot.view->GetText()) {
            window_->MarkChanged();
            PText* record = RecordForEdit(slot);
            WriteText(slot.binding.get(), buffer, record);
            if (document_ && record == &document_->GetStorytellingRecord()) storytelling = true;
            // Stored now: committing again (the story saved, then the page left) stores
            // only what was typed since.
            slot.shown = buffer;
            slot.stored = true;
        }
    }
    if (storytelling) document_->StorytellingChanged();
    MarkAnswered(answered, pageTopic_);
}

void FQSPage::CommitAnswers() {
    // The page of a scene deleted meanwhile (in another window) has nothing to store into: neither
    // its texts nor the status of its row, which the tree may have given to another page by now.
    if (!record_ || !window_ || HasLostScene()) return;
    if (sliderFlag_ != 0) StoreSliders();
    StoreTypedAnswers();
    Commit();
    window_->UpdateRowStatuses();
    if (topicKind_ == kFurtherStoryPointTopic) window_->UpdateTopicProgressBar();
    if ((pageTopic_ == kStoryTitleTopic || pageTopic_ == kPlotpilotTitleTopic) && document_) document_->UpdateWindowTitles();
    if (pageTopic_ == kCreateCharactersTopic || pageTopic_ == kChooseMainAndImpactTopic) MarkAnswered(true, pageTopic_);
}

void FQSPage::MarkAnswered(bool answered, std::int16_t topic) {
    if (!window_) return;
    const std::int16_t status = answered ? kQuestionAnswered : kQuestionOpen;
    // The row is painted with the window's next paint: painting it at once, while a page is set up or
    // torn down, would draw the tree through the page's clipping.
    if (FQSTreeSelectorView* tree = window_->GetTopicTree()) tree->SetNodeStatus(row_, static_cast<std::uint8_t>(status), false);
    if (document_) document_->GetQuestionStatus().SetStatus(status, topic, GetContextKey());
}

void FQSPage::Teardown() {
    if (!window_ || !setUp_) return;
    setUp_ = false;
    SaveEditFocus();
    window_->SetFocusItem(0);
    if (commitOnLeave_ && record_) CommitAnswers();
    record_.reset();
    for (std::int32_t i = 0; i < staticCount_; ++i) statics_[static_cast<std::size_t>(i)].wrap.reset();
    staticCount_ = 0;
    auto close = [](TItem* item) {
        if (!item) return;
        item->Hide();
        item->Close();
    };
    for (std::int32_t i = 0; i < radioCount_; ++i) close(radios_[static_cast<std::size_t>(i)]);
    for (std::int32_t i = 0; i < editCount_; ++i) {
        EditSlot& slot = edits_[static_cast<std::size_t>(i)];
        close(slot.view);
        slot = EditSlot{};
    }
    for (std::int32_t i = 0; i < popupCount_; ++i) close(popups_[static_cast<std::size_t>(i)]);
    for (std::int32_t i = 0; i < buttonCount_; ++i) close(buttons_[static_cast<std::size_t>(i)]);
    for (std::int32_t i = 0; i < checkCount_; ++i) close(checks_[static_cast<std::size_t>(i)]);
    close(slider_);
    slider_ = nullptr;
    radioCount_ = editCount_ = popupCount_ = buttonCount_ = checkCount_ = 0;
    radios_.fill(nullptr);
    popups_.fill(nullptr);
    buttons_.fill(nullptr);
    checks_.fill(nullptr);
    if (pageType_ == kStoryformChoicePage) pageType_ = 0;
    Release();
    layoutCursor_ = 0;
    window_->RemovePageItems();
}

void FQSPage::GetThroughlineColor(RGBColor& color) const {
    PreferencesManager* preferences = window_ ? window_->GetPreferencesManager() : nullptr;
    if (!preferences) return;
    preferences->GetThroughlineColor(throughlineColors_ == 0 ? -1 : GetThroughline(), color);
}

bool FQSPage::IsChoiceQuestion() const {
    if (editCount_ > 0) return false;
    if (radioCount_ == 0 && pageType_ != kFinderPageType) return false;
    if (IsStoryChoiceTopic()) return false;
    return pageTopic_ != kCreateCharactersTopic && pageTopic_ != kChooseMainAndImpactTopic;
}
