// The popup choice control's items, value and checks, in whichever holder is in use.

#include "widgets/Popup.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "foundation/Compare.h"
#include "framework/WindowUtilities.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"

using namespace win;

Popup::Popup(ItemList* list, const ShortRect* bounds, const char* title, std::uint16_t flags,
             const RGBColor& color, std::uint16_t style, const StrList* items, std::int16_t fontNumber,
             std::int16_t fontSize, std::uint8_t fontStyle, std::int32_t triState)
    : TControl(list, title, 0, nullptr, flags, color, 0, 0),
      PopupAppearance(&GetTitle()),
      style_(style),
      font_(fontNumber, fontSize, fontStyle),
      triState_(triState) {
    SetCount(0);
    StoreValue(-1);
    if (items) {
        for (std::int32_t i = 0; i < items->Count(); ++i) {
            if (const String* text = items->StringAt(i)) AddItem(text->CStr() ? text->CStr() : "");
        }
    }
    ShortRect place = bounds ? *bounds : ShortRect{};
    ApplyMinimumHeight(place);
    SetBounds(place, true);
}

Popup::Popup(ItemList* list, IReadFile& stream, ErrCode* error)
    : TControl(list, "", 0, nullptr, 0, RGBColor(0), 0, 0), PopupAppearance(&GetTitle()), font_(0, 12, 0) {
    SetCount(0);
    StoreValue(-1);
    if (*error == kNoErr) *error = ReadFrom(stream);
}

Popup::~Popup() {
    menu_.reset();
    storedDisabled_.reset();
}

void Popup::ApplyMinimumHeight(ShortRect& bounds) const {
    if (bounds.Height() < kMinimumHeight)
        bounds.bottom = static_cast<std::int16_t>(bounds.top + kStandardHeight);
}

std::uint32_t Popup::GetDataSize() const { return TControl::GetDataSize() + storedTexts_.GetDataSize(); }

// --- Items

std::int32_t Popup::AddItem(const char* text) {
    if (text) {
        if (menu_) {
            if (menu_->AppendItem(text) == kNoErr || menu_->GetItemCount() > GetItemCount())
                SetCount(GetItemCount() + 1);
        } else if (auto* stored = new (std::nothrow) String(text)) {
            if (storedTexts_.Append(stored) >= 0) {
                SetCount(GetItemCount() + 1);
            } else {
                delete stored;
            }
        }
    }
    return GetItemCount() - 1;
}

void Popup::AddItems(const StrList& texts) {
    for (std::int32_t i = 0; i < texts.Count(); ++i) {
        if (const String* text = texts.StringAt(i)) AddItem(text->CStr() ? text->CStr() : "");
    }
}

void Popup::ItemRemoved(std::int32_t index) {
    for (std::int32_t i = checked_.Count() - 1; i >= 0; --i) {
        const std::int32_t checked = checked_.GetAt(i);
        if (checked == index) {
            checked_.DeleteAt(i);
        } else if (checked > index) {
            checked_.SetAt(checked - 1, i);
        }
    }
    if (!storedDisabled_) return;
    for (std::int32_t i = storedDisabled_->Count() - 1; i >= 0; --i) {
        const std::int16_t disabled = storedDisabled_->GetAt(i);
        if (disabled == index) {
            storedDisabled_->DeleteAt(i);
        } else if (disabled > index) {
            storedDisabled_->SetAt(static_cast<std::int16_t>(disabled - 1), i);
        }
    }
}

void Popup::RemoveItems(std::int32_t first, std::int32_t last) {
    const std::int32_t count = GetItemCount();
    if (first == 0 && last == count - 1) {
        RemoveAllItems();
        return;
    }
    first = std::max(first, 0);
    last = std::min(last, count - 1);
    for (std::int32_t i = last; i >= first; --i) {
        if (menu_) {
            menu_->RemoveItem(i);
        } else if (i < storedTexts_.Count()) {
            storedTexts_.DeleteAt(i);
        }
        ItemRemoved(i);
        SetCount(GetItemCount() - 1);
    }
    if (GetValue() >= GetItemCount()) StoreValue(-1);
}

void Popup::RemoveAllItems() {
    if (menu_) menu_->RemoveAllItems();
    checked_.DeleteAll();
    storedTexts_.DeleteAll();
    storedDisabled_.reset();
    StoreValue(-1);
    SetCount(0);
}

void Popup::GetItemText(char* buffer, std::int32_t index, std::size_t size) const {
    if (!buffer || size == 0) return;
    const char* text = "";
    if (menu_ && HasWindow()) {
        if (index >= 0 && index < menu_->GetItemCount()) text = menu_->GetItemText(index);
    } else if (index >= 0 && index < storedTexts_.Count()) {
        const String* stored = storedTexts_.StringAt(index);
        if (stored && stored->CStr()) text = stored->CStr();
    }
    const std::size_t length = std::min(std::strlen(text), size - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

std::int32_t Popup::FindItem(const char* text) const { return menu_ ? menu_->FindItemByText(text) : -1; }

void Popup::SetItemData(std::int32_t index, std::uint32_t data) {
    if (menu_) menu_->SetItemData(index, data);
}

void Popup::EnableItem(std::int32_t index) {
    if (menu_) {
        menu_->EnableItem(index);
        return;
    }
    if (!storedDisabled_) return;
    const std::int32_t at = storedDisabled_->Find(static_cast<std::int16_t>(index), CompareShortAscending);
    if (at >= 0) storedDisabled_->DeleteAt(at);
}

void Popup::DisableItem(std::int32_t index) {
    if (menu_) {
        menu_->DisableItem(index);
        return;
    }
    if (!storedDisabled_) storedDisabled_.reset(new (std::nothrow) SList);
    if (!storedDisabled_) return;
    if (storedDisabled_->Find(static_cast<std::int16_t>(index), CompareShortAscending) < 0)
        storedDisabled_->Append(static_cast<std::int16_t>(index));
}

bool Popup::IsItemEnabled(std::int32_t index) const {
    return HasWindow() && menu_ && menu_->IsItemEnabled(index);
}

namespace {

int AddTypeface(const LOGFONTA* font, const TEXTMETRICA* /*metrics*/, DWORD /*type*/, LPARAM data) {
    reinterpret_cast<Popup*>(data)->AddItem(font->lfFaceName);
    return 1;
}

}  // namespace

void Popup::FillWithPrinterFonts() {
    if (!HasWindow()) return;
    const HDC printer = CreateDefaultPrinterDC();
    if (!printer) return;
    EnumFontsA(printer, nullptr, AddTypeface, reinterpret_cast<LPARAM>(this));
    DeleteDC(printer);
}

// --- Value and checks

void Popup::SetValue(std::int32_t index, bool redraw) {
    if (index < -1 || index >= GetItemCount()) return;
    const bool multi = HasStyle(kMultiCheck);
    if (!multi && index == GetValue()) return;
    if (menu_) {
        if (index >= 0) {
            menu_->CheckItem(index);
        } else {
            menu_->SetChecked(-1);
        }
    }
    // The checked list holds every checked index once, so that a new menu gets the same checks.
    if (multi && index >= 0) CheckItem(index);
    StoreValue(index);
    if (redraw) RedrawContents();
}

void Popup::SelectByText(const char* text, bool redraw) {
    const std::int32_t index = FindItem(text);
    if (index >= 0) SetValue(index, redraw);
}

void Popup::RebuildCheckedList() {
    if (!menu_) return;
    checked_.DeleteAll();
    for (std::int32_t i = 0; i < menu_->GetItemCount(); ++i) {
        if (menu_->IsItemChecked(i)) checked_.Append(i);
    }
}

LList* Popup::GetCheckedItems(LList& list) {
    if (LacksStyle(kMultiCheck)) return nullptr;
    RebuildCheckedList();
    for (std::int32_t i = 0; i < checked_.Count(); ++i) list.Append(checked_.GetAt(i));
    return &list;
}

void Popup::SetCheckedItems(const LList& list) {
    if (LacksStyle(kMultiCheck)) return;
    checked_.DeleteAll();
    if (menu_) {
        for (std::int32_t i = 0; i < menu_->GetItemCount(); ++i) menu_->UncheckItem(i);
    }
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        checked_.Append(list.GetAt(i));
        if (menu_) menu_->CheckItem(list.GetAt(i));
    }
}

bool Popup::CheckItem(std::int32_t index) {
    if (checked_.FindValue(index) >= 0) return false;
    return checked_.Append(index) >= 0;
}

bool Popup::UncheckItem(std::int32_t index) {
    const std::int32_t at = checked_.FindValue(index);
    return at >= 0 && checked_.DeleteAt(at);
}

std::int32_t Popup::ToggleChecked(std::int32_t index) {
    if (UncheckItem(index)) return 0;
    checked_.Append(index);
    return 1;
}

void Popup::SetMenuHoverCallback(ScrollingMenu::HoverCallback callback, std::uintptr_t data) {
    hoverCallback_ = callback;
    hoverData_ = data != 0 ? data : reinterpret_cast<std::uintptr_t>(this);
    if (menu_) menu_->SetHoverCallback(hoverCallback_, hoverData_);
}

// --- Title and appearance

void Popup::SetTitle(const char* text) {
    TControl::SetTitle(text ? text : "");
    UpdateTitleWidth();
}

std::uint32_t Popup::GetChosenItemStyle() const {
    if (!menu_ || GetValue() < 0 || GetValue() >= menu_->GetItemCount()) return 0;
    return menu_->GetItemData(GetValue());
}

void Popup::GetChosenText(char* buffer, std::size_t size) const {
    if (GetValue() < 0) {
        if (buffer && size > 0) buffer[0] = '\0';
        return;
    }
    GetItemText(buffer, GetValue(), size);
}

std::int32_t Popup::GetTextHeight() const {
    return menu_ ? static_cast<std::int32_t>(menu_->GetEntryHeight()) : 0;
}
