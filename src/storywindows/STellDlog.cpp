#include "storywindows/STellDlog.h"

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
#include "storymodel/StoryTextLimits.h"
#include "storywindows/StoryPointList.h"
#include "storywindows/StoryWindowSupport.h"

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 300;

}  // namespace

STellDlog::STellDlog(FKDoc* story, int index)
    : TDialog(0, kOkItem, kCancelItem), story_(story), index_(index) {
    MakeLogFont(font_, 5, 10, 0);
}

ErrCode STellDlog::SetUpItems() {
    auto* list = dynamic_cast<ItemList*>(GetItemList());
    if (!list || !story_) return -1;
    const StoryPointLine line = DescribeStoryPoint(*story_, index_);
    list->SetBounds(ShortRect::MakeLTRB(0, 0, kWidth, kHeight));
    list->SetBackColor(GetStandardColor(8));
    list->SetName("Storytelling");
    if (list->Count() == 0) {
        const RGBColor black = GetStandardColor(0);
        const ShortRect field = ShortRect::MakeLTRB(12, 40, kWidth - 12, kHeight - 44);
        list->Append(new StoredTextField(list, kLongTextLimit, &field, &font_, 0,
                                         EditView::kMultiLine | EditView::kNoAutoHScroll,
                                         TView::kVertScrollBar, 0, black, nullptr));
        const auto button = [&](const char* title, int left) {
            const ShortRect bounds = ShortRect::MakeLTRB(left, kHeight - 34, left + 80, kHeight - 12);
            list->Append(new PushBtn(list, title, 0, &bounds, 0, black, 0, 0, 0, 12, 0, 0));
        };
        button("OK", kWidth - 92);
        button("Cancel", kWidth - 184);
        const std::string heading = line.value.empty() ? line.name : line.name + ":  " + line.value;
        win::LOGFONTA bold;
        MakeLogFont(bold, 0, 12, 1);
        const ShortRect bounds = ShortRect::MakeLTRB(12, 10, kWidth - 12, 32);
        list->Append(new StatText(list, &bounds, heading.c_str(), 0, black, &bold, 0));
    }
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    SetDefaultItem(kOkItem);
    SetCancelItem(kCancelItem);
    if (!GetHWnd()) return kNoErr;
    AttachStringConverter(*this);
    if (EditView* field = GetField()) field->SetText(StoredStorytelling(*story_, index_).c_str(), 0);
    const ShortRect place =
        SavedPlace(PreferenceRecordOf(GetApplication(), PrefRecord::kGeneral), kPlacementKey, ShortRect{});
    if (!place.IsEmpty()) MoveTo(place);
    SetFocusItem(kTextField, false);
    return kNoErr;
}

EditView* STellDlog::GetField() const { return dynamic_cast<EditView*>(GetItem(kTextField)); }

void STellDlog::BeforeEnd() {
    if (PText* general = PreferenceRecordOf(GetApplication(), PrefRecord::kGeneral); general && GetHWnd())
        PreferencesManager::SaveDialogRect(general, *this, kPlacementKey);
    EditView* field = GetField();
    if (GetResultItem() == kOkItem && field && story_) WriteStorytelling(*story_, index_, field->GetText());
}

bool EditStorytelling(FKDoc* story, int index) {
    if (!story || !story->HasRecords() || DescribeStoryPoint(*story, index).index < 0) return false;
    // The dialog deletes itself when it ends: the record tells what it did.
    const std::string before = StoredStorytelling(*story, index);
    (new STellDlog(story, index))->DoModal();
    return StoredStorytelling(*story, index) != before;
}
