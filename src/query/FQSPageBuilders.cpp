// The page's content read from its record: the radios, edit views, check boxes, slider, popups and
// push buttons, laid out top to bottom from the layout cursor, each bound to its value; the
// illustration check; and the storing of the slider with its linked keys.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/FKDoc.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "framework/BusyCursor.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/EditView.h"
#include "items/ItemList.h"
#include "items/Slider.h"
#include "items/StoredTextField.h"
#include "items/StyledText.h"
#include "items/TView.h"
#include "items/TextWrap.h"
#include "query/FQSPage.h"
#include "query/FQSPageControls.h"
#include "query/FQSPageGeometry.h"
#include "query/FQSSliderLinks.h"
#include "query/FQSWindow.h"
#include "query/data/FQSInterpretation.h"
#include "query/data/QuerySolver.h"
#include "query/data/TFQSInterpretable.h"
#include "query/data/TopicTable.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr std::int32_t kTextLimit = static_cast<std::int32_t>(FQSWindow::kTextBufferSize);
constexpr std::int32_t kBindingLimit = 40;
constexpr std::int32_t kPopupBindingLimit = 80;
constexpr std::int16_t kMargin = 12;
constexpr std::int16_t kIndent = 27;
constexpr std::int16_t kRadioIndent = 42;
constexpr std::int16_t kRadioHeight = 16;
constexpr std::int16_t kRadioStep = 20;
constexpr std::int16_t kControlHeight = 22;
constexpr std::int16_t kControlGap = 4;
constexpr std::int16_t kGroupGap = 14;
constexpr std::int16_t kPopupWidest = 240;
constexpr std::int16_t kButtonGap = 12;
constexpr std::int16_t kCheckBoxGap = 20;
constexpr std::int16_t kCheckBoxMark = 20;
constexpr std::uint16_t kMultiLineStyle = 0x500;
constexpr std::uint16_t kScrollStyle = TView::kVertScrollBar;
constexpr int kSliderColor = 8;
constexpr const char* kNoIllustrationText =
    "You cannot illustrate  %s because you have not made a choice for %s.";

std::string Numbered(const char* prefix, std::int32_t x) { return prefix + std::to_string(x); }

}  // namespace

// --- Reading the record

std::string FQSPage::Interpreted(const char* key, std::int32_t limit) const {
    if (!record_) return {};
    const FQSInterpretation text(document_, limit, key, this, record_.get());
    std::string result = text.GetText();
    if (result.size() >= static_cast<std::size_t>(kTextLimit)) result.resize(kTextLimit - 1);
    return result;
}

std::string FQSPage::Expanded(const char* key, std::int32_t limit) const {
    const std::string text = Interpreted(key, limit);
    return text.empty() ? text : ExpandAndDecode(document_, text.c_str());
}

std::string FQSPage::PlainExpanded(const char* key, std::int32_t limit) const {
    std::string text = Expanded(key, limit);
    if (text.empty()) return text;
    text.resize(StripStyleCodes(text.c_str(), text.data(), static_cast<std::uint32_t>(text.size() - 1)));
    return text;
}

std::unique_ptr<FQSInterpretation> FQSPage::Binding(const char* key, std::int32_t limit) const {
    if (!record_ || !record_->HasKey(key)) return nullptr;
    return std::make_unique<FQSInterpretation>(document_, limit, key, this, record_.get());
}

std::int16_t FQSPage::ReadShort(const char* key, std::int16_t fallback) const {
    std::int16_t value = fallback;
    if (record_ && record_->GetEntry(key, kPTextShort, &value) < 0) value = fallback;
    return value;
}

// --- Static texts and controls

std::int32_t FQSPage::AddStaticText(const std::string& text, ShortRect& rect, std::int32_t justification) {
    if (staticCount_ >= kMaxStaticTexts || !window_) return -1;
    StaticText& entry = statics_[static_cast<std::size_t>(staticCount_)];
    entry.wrap = std::make_unique<TextWrap>(window_->GetGraphEnv(), rect, text.c_str(), textFont_);
    entry.rect = rect;
    entry.justification = justification;
    return staticCount_++;
}

void FQSPage::ReplaceStaticText(std::int32_t index, const std::string& text) {
    if (index < 0 || index >= staticCount_ || !window_) return;
    StaticText& entry = statics_[static_cast<std::size_t>(index)];
    ShortRect rect = entry.rect;
    entry.wrap = MakeExpandedTextWrap<TextWrap>(document_, window_->GetGraphEnv(), rect, text.c_str(), textFont_);
}

ItemList* FQSPage::Items() const { return window_ ? static_cast<ItemList*>(window_->GetItemList()) : nullptr; }

std::int32_t FQSPage::AppendControl(TItem* item, bool takesFocus) {
    ItemList* items = Items();
    const std::int32_t index = items->Append(item);
    item->Hide();
    item->Open(index);
    if (takesFocus && focusItem_ == -1) focusItem_ = index;
    return index;
}

std::int32_t FQSPage::LabelWidth(const std::string& text) const {
    if (!window_ || text.empty()) return 0;
    win::LOGFONTA font{};
    MakeLogFont(font, 0, 12, 0);
    ShortRect rect = pageArea_;
    const TextWrap wrap(window_->GetGraphEnv(), rect, text.c_str(), font);
    return wrap.GetWidestLine();
}

// --- The illustration check

void FQSPage::CheckIllustration() {
    if ((topicKind_ != kFurtherStoryPointTopic && topicKind_ != kIllustrationTopic) || storyPoint_ == 0) return;
    const StoryFormManager* storyForm = document_ ? document_->GetStoryFormManager() : nullptr;
    const std::int16_t value = storyForm ? storyForm->GetValue(storyPoint_) : 0;
    if (value >= 1) {
        answerValue_ = value;
        return;
    }
    answerValue_ = 0;
    if (record_ && record_->HasKey("ALT1")) {
        mainText_ = Expanded("ALT1", kTextLimit);
        return;
    }
    const char* name = StoryPointName(storyPoint_);
    char message[512];
    std::snprintf(message, sizeof message, kNoIllustrationText, name, name);
    mainText_ = ExpandAndDecode(document_, message);
}

// --- Radios

void FQSPage::BuildRadios() {
    const std::int32_t count = std::clamp<std::int32_t>(ReadShort("RN", 0), 0, kMaxRadios);
    if (count == 0) return;
    answerKey_ = Interpreted("RV", kBindingLimit);
    answerRecord_ = record_->HasKey("RS1") ? RecordForSelector(ReadShort("RS1", 0))
                                           : (document_ ? document_->GetResponseRecord() : nullptr);
    StoryFormManager* storyForm = document_ ? document_->GetStoryFormManager() : nullptr;
    std::int32_t current = -1;
    if (pageType_ == kStoryformChoicePage) {
        const std::int16_t choice = storyForm ? storyForm->GetChoice(storyPoint_) : 0;
        current = choice == 0 ? -1 : choice - 1 - storyPoint_;
    } else if (answerRecord_ && !answerKey_.empty()) {
        std::int16_t stored = 0;
        if (answerRecord_->GetEntry(answerKey_, kPTextShort, &stored) < 0) stored = 0;
        current = stored;
    } else {
        current = 0;
    }
    ShortRect rect = ShortRect::MakeLTRB(pageArea_.left + kRadioIndent, layoutCursor_, pageArea_.right - kMargin,
                                         layoutCursor_ + kRadioHeight);
    for (std::int32_t x = 1; x <= count; ++x) {
        const std::string title = PlainExpanded(Numbered("R", x).c_str(), kTextLimit);
        auto* radio = new FQSRadioBtn(Items(), title.c_str(), rect);
        radio->SetValue(x - 1 == current ? 1 : 0, false);
        radios_[static_cast<std::size_t>(radioCount_)] = radio;
        radioItems_[static_cast<std::size_t>(radioCount_)] = AppendControl(radio, false);
        ++radioCount_;
        layoutCursor_ = rect.bottom;
        rect.top = static_cast<std::int16_t>(rect.bottom + kControlGap);
        rect.bottom = static_cast<std::int16_t>(rect.top + kRadioHeight);
    }
    if (pageType_ == kStoryformChoicePage) {
        DisableImpossibleChoices();
        answerValue_ = current == -1 ? 0 : static_cast<std::int16_t>(StoryPointIDForCode(answerKey_.c_str()) + current + 1);
    }
    const bool inRange = current >= 0 && current < radioCount_;
    focusItem_ = radioItems_[static_cast<std::size_t>(inRange ? current : 0)];
}

void FQSPage::DisableImpossibleChoices() {
    StoryformSolver* solver = window_ ? window_->GetSolver() : nullptr;
    if (!solver || !document_) return;
    const BusyCursor busy;
    StoryPointIDList ids;
    solver->CollectConstrainedPoints(ids, storyPoint_);
    solver->SetConstraints(nullptr, ids);
    // "DQ" names the record; one that holds another point is not taken for this one.
    const std::int16_t index = ReadShort("DQ", -1);
    SolverConstraint* record = nullptr;
    if (index >= 0 && index < StoryformSolver::kCapacity && solver->GetConstraint(index).inUse &&
        solver->GetConstraint(index).id == storyPoint_)
        record = &solver->GetConstraint(index);
    if (!record) record = FindConstraintOf(*solver, storyPoint_);
    if (!record) return;
    FreeConstraint(*record);
    const std::uint16_t shown = document_->GetStoryformCount();
    solver->CountStoryforms();
    window_->SetStoryformCount(shown);
    window_->UpdateStoryformingBar();
    for (std::int32_t i = 0; i < radioCount_ && i < record->valueCount; ++i)
        if (!record->IsValuePossible(i)) radios_[static_cast<std::size_t>(i)]->Enable(false);
}

// --- Edit views

void FQSPage::BuildEditViews() {
    const std::int32_t count = std::clamp<std::int32_t>(ReadShort("EN", 0), 0, kMaxEditViews);
    tallEdit_ = false;
    if (count == 0) return;
    const std::int16_t left = pageArea_.left;
    const std::int16_t right = pageArea_.right;
    ShortRect rect = ShortRect::MakeLTRB(left + kIndent, layoutCursor_, right - kIndent, layoutCursor_ + kControlHeight);
    char* buffer = window_->GetTextBuffer();
    bool answered = false;
    for (std::int32_t x = 1; x <= count; ++x) {
        EditSlot& slot = edits_[static_cast<std::size_t>(editCount_)];
        std::int32_t lines = ReadShort(Numbered("EM", x).c_str(), 0);
        const bool beside = lines < 0;
        if (beside) lines = 0;
        if (lines > 0) tallEdit_ = true;
        slot.label = -1;
        const std::string label = Expanded(Numbered("ET", x).c_str(), kTextLimit);
        if (!label.empty()) {
            ShortRect labelRect = ShortRect::MakeLTRB(left + kMargin, rect.top, right - kMargin, rect.bottom);
            slot.label = static_cast<std::int16_t>(AddStaticText(label, labelRect, 0));
            if (slot.label >= 0) {
                fixedText_ = slot.label;
                if (!beside) {
                    rect.top = labelRect.bottom;
                } else {
                    rect.top = static_cast<std::int16_t>(labelRect.top + 3);
                    rect.left = static_cast<std::int16_t>(
                        labelRect.left + 4 + statics_[static_cast<std::size_t>(slot.label)].wrap->GetWidestLine());
                }
                rect.bottom = static_cast<std::int16_t>(rect.top + kControlHeight);
            }
        }
        slot.binding = Binding(Numbered("EV", x).c_str(), kBindingLimit);
        slot.selector = ReadShort(Numbered("ES", x).c_str(), -1);
        slot.character = CharacterForSelector(slot.selector);
        ReadText(slot.binding.get(), buffer, kTextLimit, RecordForSelector(slot.selector));
        slot.cut = IsReadCut(slot.binding.get(), RecordForSelector(slot.selector), buffer);
        slot.toldCut = false;
        std::string text = buffer;
        if (text.empty()) text = Interpreted(Numbered("ED", x).c_str(), kTextLimit);
        if (!text.empty()) text = ExpandText(document_, text.c_str());
        if (!text.empty()) answered = true;
        MarkAnswered(answered, pageTopic_);
        if (lines != 0) {
            std::int32_t mainLines = 0;
            if (staticCount_ > 0 && statics_[0].wrap) mainLines = static_cast<std::int32_t>(statics_[0].wrap->GetLineCount());
            lines = EditViewLines(lines, mainLines, sliderFlag_ > 0);
            rect.bottom = static_cast<std::int16_t>(rect.bottom + EditViewGrowth(lines, lineHeight_));
        }
        const bool multiLine = lines != 0;
        // The field stops at what the page stores of it and the story keeps.
        auto* view = new StoredTextField(Items(), StoredTextLimit(slot), &rect, &controlFont_, 0,
                                         multiLine ? kMultiLineStyle : 0, multiLine ? kScrollStyle : 0, 0,
                                         GetStandardColor(0), "");
        view->SetTextFilter(&SharedStringConverter());
        AppendControl(view, true);
        view->SetText(text.c_str(), 1);
        // Whatever changes the text (a key, the Edit menu, a drop) tells the page as it happens.
        view->SetChangeAction([this, at = editCount_] { TextChanged(at); });
        slot.view = view;
        slot.shown = view->GetText();
        ++editCount_;
        layoutCursor_ = rect.bottom;
        rect = ShortRect::MakeLTRB(left + kIndent, rect.bottom + kControlGap, right - kIndent,
                                   rect.bottom + kControlGap + kControlHeight);
    }
}

// --- Check boxes

void FQSPage::BuildCheckBoxes() {
    const std::int32_t count = std::clamp<std::int32_t>(ReadShort("CB", 0), 0, kMaxCheckBoxes);
    const std::int16_t mirrored = ReadShort("CJ", 0);
    if (count == 0) return;
    layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + kGroupGap);
    std::vector<std::string> titles;
    std::vector<std::int32_t> widths;
    for (std::int32_t x = 1; x <= count; ++x) {
        titles.push_back(PlainExpanded(Numbered("CT", x).c_str(), kTextLimit));
        widths.push_back(LabelWidth(titles.back()) + kCheckBoxMark);
    }
    const std::vector<ShortRect> rects =
        FlowControls(widths, pageArea_.left, pageArea_.right, layoutCursor_, kCheckBoxGap);
    for (std::int32_t i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ShortRect rect = rects[at];
        if (mirrored == 1) rect = MirrorInPage(rect, pageArea_.left, pageArea_.right);
        auto binding = Binding(Numbered("CV", i + 1).c_str(), kBindingLimit);
        const FQSInterpretation* bound = binding.get();
        auto* box = new FQSCheckBox(Items(), titles[at].c_str(), rect, std::move(binding));
        checks_[static_cast<std::size_t>(checkCount_++)] = box;
        AppendControl(box, true);
        box->SetValue(ReadChoice(bound, nullptr), false);
        layoutCursor_ = rect.bottom;
    }
}

// --- Slider

void FQSPage::BuildSlider() {
    if (sliderFlag_ == 0) return;
    const std::int16_t left = pageArea_.left;
    const std::int16_t right = pageArea_.right;
    sliderRect_ = ShortRect::MakeLTRB(left + kIndent, layoutCursor_, right - kIndent, layoutCursor_ + kMargin);
    slider_ = new Slider(Items(), kSliderLowest, kSliderHighest, 0, 1, &sliderRect_, 0, GetStandardColor(kSliderColor), 0);
    sliderItem_ = AppendControl(slider_, false);
    layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + kGroupGap);
    std::int16_t lowest = layoutCursor_;
    for (int x = 1; x <= 4; ++x) {
        const SliderTextSpan span = SliderTextSpanAt(x, left, right);
        ShortRect rect = ShortRect::MakeLTRB(span.left, layoutCursor_, span.right, layoutCursor_);
        AddStaticText(Expanded(Numbered("ST", x).c_str(), kTextLimit), rect, span.justification);
        if (x == 1) {
            sliderRect_ = ShortRect::MakeLTRB(left + kIndent, rect.bottom, right - kIndent, rect.bottom + kMargin);
            layoutCursor_ = static_cast<std::int16_t>(rect.bottom + kMargin);
            lowest = layoutCursor_;
        } else {
            // The lowest of the three texts under the slider ends the block.
            lowest = std::max(lowest, rect.bottom);
        }
    }
    layoutCursor_ = lowest;
    const std::string key = Interpreted("SV1", kBindingLimit);
    sliderSelector_ = ReadShort("SP1", -1);
    std::int16_t value = 0;
    if (PText* record = RecordForSelector(sliderSelector_); record && !key.empty())
        if (record->GetEntry(key, kPTextShort, &value) < 0) value = 0;
    const std::int16_t lowestValue = ReadShort("S-1", 0);
    const std::int16_t highestValue = ReadShort("S+1", 0);
    // A record without a usable range keeps the slider's own.
    if (lowestValue < highestValue) {
        slider_->SetMin(lowestValue);
        slider_->SetMax(highestValue);
    }
    slider_->SetValue(value);
    slider_->SetBounds(sliderRect_, false);
    slider_->Show();
}

void FQSPage::StoreSliders() {
    if (!slider_) return;
    const std::string key = Interpreted("SV1", kBindingLimit);
    PText* record = RecordForSelector(sliderSelector_);
    if (!record || key.empty()) return;
    const std::int16_t now = slider_->GetValue();
    std::int16_t old = 0;
    if (record->GetEntry(key, kPTextShort, &old) < 0) old = 0;
    if (now == old) return;
    record->SetNumberByName(key, kPTextShort, now);
    const std::optional<SliderLink> link = FindSliderLink(key.c_str());
    if (!link) return;
    std::int16_t partner = 0;
    std::int16_t third = 0;
    if (record->GetEntry(link->partner, kPTextShort, &partner) < 0) partner = 0;
    if (record->GetEntry(link->third, kPTextShort, &third) < 0) third = 0;
    const LinkedValues linked = LinkSlider(link->mode, now, partner, third);
    if (link->mode == 2) record->SetNumberByName(link->partner, kPTextShort, linked.partner);
    record->SetNumberByName(link->third, kPTextShort, linked.third);
}

// --- Popups

void FQSPage::BuildPopups() {
    const std::int32_t count = std::clamp<std::int32_t>(ReadShort("PN", 0), 0, kMaxPopups);
    if (count == 0) return;
    layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + kGroupGap);
    const std::int16_t left = pageArea_.left;
    const std::int16_t right = pageArea_.right;
    ShortRect rect = ShortRect::MakeLTRB(left + kIndent, layoutCursor_, right - kIndent, layoutCursor_ + kControlHeight);
    for (std::int32_t x = 1; x <= count; ++x) {
        ShortRect bounds = rect;
        const std::string label = Expanded(Numbered("PT", x).c_str(), kTextLimit);
        if (!label.empty()) {
            ShortRect labelRect = ShortRect::MakeLTRB(left + kMargin, rect.top, right - kMargin, rect.bottom);
            const std::int32_t index = AddStaticText(label, labelRect, 0);
            if (index >= 0) bounds.left = static_cast<std::int16_t>(bounds.left + statics_[static_cast<std::size_t>(index)].wrap->GetWidestLine());
        }
        auto binding = Binding(Numbered("PV", x).c_str(), kPopupBindingLimit);
        const FQSInterpretation* bound = binding.get();
        const std::string items = PlainExpanded(Numbered("PI", x).c_str(), kTextLimit);
        bounds.Offset(0, -3);
        if (bounds.Width() > kPopupWidest) bounds.right = static_cast<std::int16_t>(bounds.left + kPopupWidest);
        auto* popup = new FQSPopup(Items(), std::move(binding), items.c_str(), bounds);
        std::int16_t value = ReadChoice(bound, nullptr);
        if (bound && bound->IsKeyword()) bound->GetKeyword()->ChoiceToIndex(value);
        popup->SetValue(PopupIndexForValue(value, popup->GetItemCount()), false);
        popups_[static_cast<std::size_t>(popupCount_++)] = popup;
        AppendControl(popup, true);
        layoutCursor_ = rect.bottom;
        rect = ShortRect::MakeLTRB(left + kIndent, rect.bottom + kControlGap, right - kIndent,
                                   rect.bottom + kControlGap + kControlHeight);
    }
}

// --- Push buttons

void FQSPage::BuildButtons() {
    const std::int32_t count = std::clamp<std::int32_t>(ReadShort("BN", 0), 0, kMaxButtons);
    const std::int16_t ownWidths = ReadShort("BZ", 0);
    if (count == 0) return;
    layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + kGroupGap);
    std::vector<std::string> titles;
    std::vector<std::int32_t> widths;
    const std::int32_t widest = std::max(pageArea_.right - pageArea_.left - 2 * kMargin, 0);
    for (std::int32_t x = 1; x <= count; ++x) {
        titles.push_back(PlainExpanded(Numbered("BT", x).c_str(), kTextLimit));
        widths.push_back(std::min(LabelWidth(titles.back()), widest));
    }
    if (ownWidths == 0) {
        const std::int32_t uniform = *std::max_element(widths.begin(), widths.end());
        std::fill(widths.begin(), widths.end(), uniform);
    }
    const std::vector<ShortRect> rects = FlowControls(widths, pageArea_.left, pageArea_.right, layoutCursor_, kButtonGap);
    for (std::int32_t i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        auto* button = new FQSPushBtn(Items(), titles[at].c_str(), rects[at], Binding(Numbered("BV", i + 1).c_str(), kBindingLimit));
        buttons_[static_cast<std::size_t>(buttonCount_++)] = button;
        AppendControl(button, true);
        layoutCursor_ = rects[at].bottom;
    }
}
