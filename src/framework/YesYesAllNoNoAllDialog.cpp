#include "framework/YesYesAllNoNoAllDialog.h"

#include "framework/ItemObjectFactory.h"
#include "framework/WindowItems.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RGBColor.h"

YesYesAllNoNoAllDialog::YesYesAllNoNoAllDialog(const char* message, std::int32_t defaultItem)
    : TDialog(0, defaultItem, kAnswerCancelItem), message_(message ? message : "") {}

ErrCode YesYesAllNoNoAllDialog::SetUpItems() {
    WindowItemList* items = GetItemList();
    if (!items) return -1;
    items->SetBounds(ShortRect::MakeLTRB(10, 10, 344, 139));
    items->SetBackColor(GetStandardColor(8));
    win::LOGFONTA font;
    MakeLogFont(font, 0, 12, 0);
    struct Made {
        ClassId classId;
        ShortRect bounds;
        const char* text;
    };
    const Made made[] = {{kPushBtnClassId, ShortRect::MakeLTRB(25, 58, 93, 78), "Yes"},
                         {kPushBtnClassId, ShortRect::MakeLTRB(232, 91, 300, 111), "Cancel"},
                         {kPushBtnClassId, ShortRect::MakeLTRB(25, 91, 93, 111), "No"},
                         {kStatTextClassId, ShortRect::MakeLTRB(18, 12, 303, 48), ""},
                         {kPushBtnClassId, ShortRect::MakeLTRB(120, 58, 192, 78), "Yes All"},
                         {kPushBtnClassId, ShortRect::MakeLTRB(120, 91, 192, 111), "No All"}};
    for (const Made& item : made)
        if (!MakeItem(item.classId, *items, item.bounds, item.text, font)) return -1;
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;

    GetItem(kAnswerCancelItem)->Hide();
    WindowItem* text = GetItem(kAnswerTextItem);
    auto* textItem = dynamic_cast<ITextItem*>(text);
    if (!textItem) return -1;
    textItem->SetText(message_.c_str());
    ShortRect bounds;
    text->GetBounds(bounds);
    const int growth = textItem->SizeToText().y - bounds.Height();
    if (growth > 0) {
        bounds.bottom = static_cast<std::int16_t>(bounds.bottom + growth);
        text->SetBounds(bounds, true);
        for (std::int32_t i = 0; i < items->Count(); ++i) {
            if (i == kAnswerTextItem) continue;
            WindowItem* item = items->ItemAt(i);
            ShortRect place;
            item->GetBounds(place);
            place.Offset(0, growth);
            item->SetBounds(place, true);
        }
        const ShortRect client = GetClientRect();
        SetClientSize(client.Width(), client.Height() + growth);
    }
    CenterOnScreen(nullptr);
    return kNoErr;
}

bool YesYesAllNoNoAllDialog::IsAccepted() {
    const std::int32_t result = GetResultItem();
    return result == kAnswerYesItem || result == kAnswerNoItem || result == kAnswerYesAll ||
           result == kAnswerNoAll;
}

std::int32_t AskYesYesAllNoNoAll(std::int16_t& state, const char* message, std::int32_t defaultItem) {
    if (state != kAskEachTime) return state;
    const std::int32_t answer = (new YesYesAllNoNoAllDialog(message, defaultItem))->DoModal();
    if (answer == kAnswerYesAll) {
        state = kAnswerYesItem;
        return kAnswerYesAll;
    }
    if (answer == kAnswerNoAll) {
        state = kAnswerNoItem;
        return kAnswerNoItem;
    }
    return answer;
}
