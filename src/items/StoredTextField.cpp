#include "items/StoredTextField.h"

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/ITextFilter.h"
#include "framework/Alerts.h"
#include "framework/MsgEvent.h"
#include "platform/sys/Bell.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"

StoredTextField::StoredTextField(ItemList* list, std::uint32_t limit, const ShortRect* bounds,
                                 const win::LOGFONTA* font, std::int32_t alignment, std::uint16_t editFlags,
                                 std::uint16_t viewFlags, std::uint16_t itemFlags, const RGBColor& color,
                                 const char* text)
    : MaxCharEditView(list, limit, bounds, font, alignment, editFlags, viewFlags, itemFlags, color, text) {}

std::uint32_t StoredTextField::StoredSize(std::string_view raw) const {
    const ITextFilter* filter = GetTextFilter();
    if (!filter) return static_cast<std::uint32_t>(raw.size());
    const std::string text(raw);
    std::vector<char> stored(filter->MaxEncodedSize(static_cast<std::uint32_t>(text.size())), '\0');
    filter->Encode(text.c_str(), stored.data(), static_cast<std::uint32_t>(stored.size()));
    return static_cast<std::uint32_t>(std::char_traits<char>::length(stored.data()));
}

std::uint32_t StoredTextField::GetStoredLength() { return StoredSize(RawText()); }

std::string StoredTextField::CutMessage(std::size_t kept) {
    return "The text is too long for this field: only its first " + std::to_string(kept) +
           " characters were kept.";
}

void StoredTextField::MarkChanged() {
    EditView::MarkChanged();
    const std::string raw = RawText();
    if (StoredSize(raw) > GetLimit()) {
        std::size_t kept = 0;
        for (std::uint32_t size = 0; kept < raw.size(); ++kept) {
            size += StoredSize(std::string_view(raw).substr(kept, 1));
            if (size > GetLimit()) break;
        }
        ShowText(raw.substr(0, kept), 1);
        if (HasWindow()) {
            const auto end =
                static_cast<std::int32_t>(win::SendMessageA(GetHWnd(), win::WM_GETTEXTLENGTH, 0, 0));
            SetSelection(end, end);
        }
        win::MessageBeep(0);
        ShowCaution(CutMessage(kept).c_str());
    }
    if (changeAction_) changeAction_();
}

std::int16_t StoredTextField::FilterKey(KeyEvent& event) {
    if (event.Message() != win::WM_CHAR || !HasWindow()) return 0;
    const auto typed = static_cast<char>(event.WParam() & 0xFF);
    // Keys that type no character (Backspace, Return, Tab) are left to the control.
    if (static_cast<unsigned char>(typed) < 0x20 || typed == 0x7F) return 0;
    // The selection counts in the control's text, whose line breaks are CR LF where the field's
    // text has LF alone.
    std::int32_t start = 0, end = 0;
    GetSelection(&start, &end);
    const auto length = static_cast<std::size_t>(win::SendMessageA(GetHWnd(), win::WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> control(length + 1, '\0');
    win::SendMessageA(GetHWnd(), win::WM_GETTEXT, control.size(),
                      reinterpret_cast<win::LPARAM>(control.data()));
    const std::size_t from =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(0, std::min(start, end))), length);
    const std::size_t to =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(0, std::max(start, end))), length);
    std::string selected(control.data() + from, to - from);
    std::erase(selected, '\r');
    const std::uint32_t after =
        GetStoredLength() - StoredSize(selected) + StoredSize(std::string_view(&typed, 1));
    if (after <= GetLimit()) return 0;
    win::MessageBeep(0);
    return 1;
}

void StoredTextField::Subclass() {
    MaxCharEditView::Subclass();
    if (HasWindow()) win::SendMessageA(GetHWnd(), win::EM_LIMITTEXT, 0, 0);
}
