#include "storywindows/SInfoDlog.h"

#include <string>

#include "app/FKDoc.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RGBColor.h"
#include "items/AttachStringConverter.h"
#include "items/EditView.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/StatText.h"
#include "items/StoredTextField.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/StoryTextLimits.h"
#include "storywindows/StoryWindowSupport.h"
#include "widgets/Popup.h"

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 372;
constexpr int kMargin = 12;
constexpr int kFieldLeft = 170;
constexpr int kLineHeight = 20;
constexpr int kLineStep = 28;
constexpr int kPopupTop = 12 + 5 * kLineStep + 4;
constexpr int kSynopsisTop = kPopupTop + 28;
constexpr int kButtonTop = kHeight - 34;
constexpr std::uint16_t kSynopsisViewFlags = TView::kVertScrollBar;

// The window's own position of an item in the list.
std::int32_t Index(std::int32_t first, std::size_t i) { return first + static_cast<std::int32_t>(i); }

}  // namespace

SInfoDlog::SInfoDlog(FKDoc* story) : TDialog(0, kOkItem, kCancelItem), story_(story) {
    MakeLogFont(labelFont_, 0, 12, 0);
    MakeLogFont(fieldFont_, 5, 10, 0);
    if (story_) information_.Read(story_->GetInfoRecord());
}

ErrCode SInfoDlog::SetUpItems() {
    auto* list = dynamic_cast<ItemList*>(GetItemList());
    if (!list) return -1;
    list->SetBounds(ShortRect::MakeLTRB(0, 0, kWidth, kHeight));
    list->SetBackColor(GetStandardColor(8));
    list->SetName("Story Information");
    if (list->Count() == 0) {
        const RGBColor black = GetStandardColor(0);
        for (std::size_t i = 0; i < StoryInformation::kLineCount; ++i) {
            const int top = kMargin + static_cast<int>(i) * kLineStep;
            const ShortRect bounds =
                ShortRect::MakeLTRB(kFieldLeft, top, kWidth - kMargin, top + kLineHeight);
            list->Append(new StoredTextField(list, StoryInformation::kLines[i].Limit(), &bounds, &fieldFont_,
                                             0, EditView::kLeavesReturn, 0, 0, black, nullptr));
        }
        const ShortRect bounds =
            ShortRect::MakeLTRB(kMargin, kPopupTop, 360, kPopupTop + Popup::kStandardHeight + 2);
        auto* popup = new Popup(list, &bounds, "Synopsis:", 0, black, 0, nullptr, 0, 12, 0);
        for (const StoryInformation::Field& synopsis : StoryInformation::kSynopses)
            popup->AddItem(ExpandAndDecode(story_, synopsis.label).c_str());
        list->Append(popup);
        const ShortRect synopsis =
            ShortRect::MakeLTRB(kMargin, kSynopsisTop, kWidth - kMargin, kButtonTop - 10);
        // Every synopsis stops where the query pages read it whole.
        list->Append(new StoredTextField(list, kLongTextLimit, &synopsis, &fieldFont_, 0,
                                         EditView::kMultiLine | EditView::kNoAutoHScroll, kSynopsisViewFlags,
                                         0, black, nullptr));
        const auto button = [&](const char* title, int left) {
            const ShortRect bounds = ShortRect::MakeLTRB(left, kButtonTop, left + 80, kButtonTop + 22);
            list->Append(new PushBtn(list, title, 0, &bounds, 0, black, 0, 0, 0, 12, 0, 0));
        };
        button("OK", kWidth - kMargin - 80);
        button("Cancel", kWidth - kMargin - 172);
        for (std::size_t i = 0; i < StoryInformation::kLineCount; ++i) {
            const int top = kMargin + static_cast<int>(i) * kLineStep + 2;
            const ShortRect bounds = ShortRect::MakeLTRB(kMargin, top, kFieldLeft - 6, top + kLineHeight);
            const std::string label = ExpandAndDecode(story_, StoryInformation::kLines[i].label);
            list->Append(new StatText(list, &bounds, label.c_str(), 0, black, &labelFont_, 0));
        }
    }
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    SetDefaultItem(kOkItem);
    SetCancelItem(kCancelItem);
    if (!GetHWnd()) return kNoErr;
    AttachStringConverter(*this);
    for (std::size_t i = 0; i < StoryInformation::kLineCount; ++i)
        lineShown_[i] = Show(LineField(i), information_.Line(i));
    if (Popup* popup = SynopsisPopup()) popup->SetValue(0, true);
    shownSynopsis_ = 0;
    synopsisShown_ = Show(SynopsisField(), information_.Synopsis(0));
    const ShortRect place =
        SavedPlace(PreferenceRecordOf(GetApplication(), PrefRecord::kGeneral), kPlacementKey, ShortRect{});
    if (!place.IsEmpty()) MoveTo(place);
    SetFocusItem(kFirstLineField, false);
    return kNoErr;
}

EditView* SInfoDlog::LineField(std::size_t i) const {
    return i < StoryInformation::kLineCount ? dynamic_cast<EditView*>(GetItem(Index(kFirstLineField, i)))
                                            : nullptr;
}

EditView* SInfoDlog::SynopsisField() const { return dynamic_cast<EditView*>(GetItem(kSynopsisField)); }

Popup* SInfoDlog::SynopsisPopup() const { return dynamic_cast<Popup*>(GetItem(kSynopsisPopup)); }

std::string SInfoDlog::Show(EditView* field, const std::string& stored) const {
    if (!field) return "";
    field->SetRawText(ExpandAndDecode(story_, stored.c_str()).c_str());
    return field->GetText();
}

void SInfoDlog::ShowSynopsis(std::size_t index) {
    EditView* field = SynopsisField();
    if (index >= StoryInformation::kSynopsisCount || !field) return;
    TakeSynopsis();
    shownSynopsis_ = index;
    synopsisShown_ = Show(field, information_.Synopsis(index));
    if (Popup* popup = SynopsisPopup(); popup && popup->GetValue() != static_cast<std::int32_t>(index))
        popup->SetValue(static_cast<std::int32_t>(index), true);
}

void SInfoDlog::EndModal(std::int32_t itemIndex) {
    if (itemIndex == kSynopsisPopup) {
        const Popup* popup = SynopsisPopup();
        if (popup && popup->GetValue() >= 0) ShowSynopsis(static_cast<std::size_t>(popup->GetValue()));
        return;
    }
    TDialog::EndModal(itemIndex);
}

// A text the writer left as it was shown keeps its stored form (a story name may be a template).
void SInfoDlog::TakeSynopsis() {
    EditView* field = SynopsisField();
    if (!field) return;
    std::string text = field->GetText();
    if (text != synopsisShown_) information_.SetSynopsis(shownSynopsis_, std::move(text));
}

void SInfoDlog::TakeFields() {
    for (std::size_t i = 0; i < StoryInformation::kLineCount; ++i) {
        EditView* field = LineField(i);
        std::string text = field ? field->GetText() : lineShown_[i];
        if (text != lineShown_[i]) information_.SetLine(i, std::move(text));
    }
    TakeSynopsis();
}

void SInfoDlog::BeforeEnd() {
    KeepPlace();
    if (GetResultItem() != kOkItem || !story_) return;
    TakeFields();
    if (!information_.Write(story_->GetInfoRecord())) return;
    story_->SetDirty();
    story_->UpdateWindowTitles();
}

void SInfoDlog::KeepPlace() {
    if (PText* general = PreferenceRecordOf(GetApplication(), PrefRecord::kGeneral); general && GetHWnd())
        PreferencesManager::SaveDialogRect(general, *this, kPlacementKey);
}

ErrCode RunStoryInfoDialog(FKDoc* story) {
    if (!story || !story->HasRecords()) return -1;
    (new SInfoDlog(story))->DoModal();
    return kNoErr;
}
