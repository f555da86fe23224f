// The items the pages of a work area are made of, and the stored values they show.

#include "app/PreferencesManager.h"
#include "app/TWorkArea.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RGBColor.h"
#include "items/CheckBox.h"
#include "items/EditView.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "items/RadioBtn.h"
#include "items/StatText.h"
#include "storymodel/FablecoreStringConverter.h"
#include "widgets/Popup.h"

namespace {

// Texts and buttons in standard colour 0; fields on white (standard colour 1).
constexpr int kTextColor = 0;
constexpr int kFieldColor = 1;
// A single-line field, without scroll bars.
constexpr std::uint16_t kFieldViewFlags = 0;

}  // namespace

CheckBox* TWorkArea::AddCheckBox(const char* title, const ShortRect& rect) {
    auto* box = new CheckBox(items_, title, 0, &rect, 0, GetStandardColor(kTextColor), 0, 0, 0, 12, 0, 0);
    AddItem(box);
    return box;
}

RadioBtn* TWorkArea::AddRadioButton(const char* title, const ShortRect& rect) {
    auto* button = new RadioBtn(items_, title, 0, &rect, 0, GetStandardColor(kTextColor), 0, 0, 0, 12, 0, 0);
    AddItem(button);
    return button;
}

PushBtn* TWorkArea::AddPushButton(const char* title, const ShortRect& rect) {
    auto* button = new PushBtn(items_, title, 0, &rect, 0, GetStandardColor(kTextColor), 0, 0, 0, 12, 0, 0);
    AddItem(button);
    return button;
}

Popup* TWorkArea::AddPopup(const char* title, const ShortRect& rect) {
    auto* popup = new Popup(items_, &rect, title, 0, GetStandardColor(kTextColor));
    AddItem(popup);
    return popup;
}

EditView* TWorkArea::AddField(const ShortRect& rect, std::int16_t fontNumber, std::int16_t fontSize) {
    win::LOGFONTA font{};
    MakeLogFont(font, fontNumber, fontSize, 0);
    auto* field =
        new EditView(items_, &rect, &font, 0, 0, kFieldViewFlags, 0, GetStandardColor(kFieldColor), "");
    field->SetTextFilter(&SharedStringConverter());
    AddItem(field);
    return field;
}

StatText* TWorkArea::AddLabel(const char* text, const ShortRect& rect) {
    win::LOGFONTA font{};
    MakeLogFont(font, 0, 12, 0);
    auto* label = new StatText(items_, &rect, text, 0, GetStandardColor(kTextColor), &font, 0);
    AddItem(label);
    return label;
}

std::int16_t TWorkArea::ReadShort(PText* record, const char* key, std::int16_t fallback) {
    PreferencesManager::GetPrefShort(record, key, fallback);
    return fallback;
}

std::int16_t TWorkArea::SwitchValue(const TControl& button) { return button.GetValue() != 0 ? 1 : 0; }
