#include "app/GenderDialog.h"

#include "framework/ItemObjectFactory.h"
#include "framework/WindowItems.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RGBColor.h"

namespace {

// The client area, and the items' places in it.
const ShortRect kClientArea = ShortRect::MakeLTRB(0, 0, 334, 89);
const ShortRect kButtonPlaces[] = {ShortRect::MakeLTRB(25, 51, 93, 71), ShortRect::MakeLTRB(130, 51, 198, 71),
                                   ShortRect::MakeLTRB(232, 51, 300, 71)};
constexpr const char* kButtonTitles[] = {"Female", "Male", "Neutral"};
const ShortRect kTextPlace = ShortRect::MakeLTRB(18, 12, 303, 48);
// The least room between the text's last line and the buttons.
constexpr int kTextGap = 10;
constexpr int kBackground = 8;

ShortRect MovedDown(const ShortRect& rect, int by) {
    return ShortRect::MakeLTRB(rect.left, rect.top + by, rect.right, rect.bottom + by);
}

}  // namespace

GenderDialog::GenderDialog(const char* text) : TDialog(0, kFemaleItem, -1), text_(text ? text : "") {}

ErrCode GenderDialog::SetUpItems() {
    WindowItemList* items = GetItemList();
    if (!items) return -1;
    items->SetBounds(kClientArea);
    items->SetBackColor(GetStandardColor(kBackground));
    win::LOGFONTA font;
    MakeLogFont(font, 0, 12, 0);
    for (int i = 0; i < 3; ++i)
        if (!MakeItem(kPushBtnClassId, *items, kButtonPlaces[i], kButtonTitles[i], font)) return -1;
    if (!MakeItem(kStatTextClassId, *items, kTextPlace, "", font)) return -1;
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    // The framework takes the next button for the cancel button; this dialog has none.
    SetCancelItem(-1);
    if (GetHWnd()) {
        FitText();
        RestoreFocus();
    }
    return kNoErr;
}

void GenderDialog::FitText() {
    WindowItem* item = GetItem(kTextItem);
    auto* text = dynamic_cast<ITextItem*>(item);
    if (!text) return;
    text->SetText(text_.CStr());
    const ShortPoint needed = text->SizeToText();
    ShortRect place;
    item->GetBounds(place);
    ShortRect firstButton;
    GetItem(kFemaleItem)->GetBounds(firstButton);
    const int grow = place.top + needed.y + kTextGap - firstButton.top;
    if (grow <= 0) return;
    item->SetBounds(ShortRect::MakeLTRB(place.left, place.top, place.right, place.bottom + grow), true);
    for (int i = kFemaleItem; i <= kNeutralItem; ++i) {
        ShortRect button;
        GetItem(i)->GetBounds(button);
        GetItem(i)->SetBounds(MovedDown(button, grow), true);
    }
    const ShortRect frame = GetFrameRect();
    const int top = frame.top - grow / 2;
    MoveTo(ShortRect::MakeLTRB(frame.left, top, frame.right, top + frame.Height() + grow));
}

bool GenderDialog::IsAccepted() {
    const std::int32_t result = GetResultItem();
    return result == kFemaleItem || result == kMaleItem || result == kNeutralItem;
}
