// The edit cells that hold their text to rules: allowed characters, and a largest length. Keys that
// type nothing always pass; pasted text is held to the same rules.

#include <algorithm>
#include <cstring>
#include <new>

#include "framework/MsgEvent.h"
#include "platform/sys/Bell.h"
#include "platform/ui/Messages.h"
#include "widgets/SingleLineEditCell.h"

namespace {

// The typed character, all 8 bits of it; 0 for a key that types none (a control character types
// none either).
unsigned char TypedCharacter(const KeyEvent& event) {
    if (event.Message() != win::WM_CHAR) return 0;
    const auto character = static_cast<unsigned char>(event.WParam() & 0xFF);
    return character < 0x20 || character == 0x7F ? 0 : character;
}

}  // namespace

bool IsEditingKey(const KeyEvent& event) {
    switch (event.GetKey()) {
        case kKeyReturn:
        case kKeyTab:
        case kKeyEscape:
        case kKeyEnter:
        case kKeyInsert:
        case kKeyBackspace:
        case kKeyDelete:
        case kKeyHome:
        case kKeyEnd:
        case kKeyPageUp:
        case kKeyPageDown:
        case kKeyLeft:
        case kKeyRight:
        case kKeyUp:
        case kKeyDown: return true;
        default: return TypedCharacter(event) == 0;
    }
}

// --- LimitEditCell

LimitEditCell::LimitEditCell(const char* text, std::int16_t width, std::int16_t height, const char* allowed)
    : SingleLineEditCell(text, width, height, kCellSelectable, nullptr, 0, 0), allowed_(allowed) {}

TCell* LimitEditCell::Clone() const { return new (std::nothrow) LimitEditCell(*this); }

std::int16_t LimitEditCell::FilterKey(KeyEvent& event) {
    if (IsEditingKey(event)) return 0;
    const unsigned char character = TypedCharacter(event);
    const char* allowed = allowed_.CStr() ? allowed_.CStr() : "";
    if (std::memchr(allowed, character, allowed_.Length()) != nullptr) return 0;
    win::MessageBeep(0);
    return 1;
}

std::string LimitEditCell::FilterPastedText(const std::string& text, std::size_t /*kept*/) const {
    const char* allowed = allowed_.CStr() ? allowed_.CStr() : "";
    std::string kept;
    for (const char character : text) {
        if (std::memchr(allowed, character, allowed_.Length()) != nullptr) kept += character;
    }
    return kept;
}

// --- MaxCharEditCell

MaxCharEditCell::MaxCharEditCell(const char* text, std::int16_t width, std::int16_t height, std::uint32_t maxChars)
    : SingleLineEditCell(text, width, height, kCellSelectable, nullptr, 0, 0), maxChars_(maxChars) {}

TCell* MaxCharEditCell::Clone() const { return new (std::nothrow) MaxCharEditCell(*this); }

std::int16_t MaxCharEditCell::FilterKey(KeyEvent& event) {
    if (IsEditingKey(event)) return 0;
    std::int32_t start = 0, end = 0;
    GetEditorSelection(start, end);
    const std::size_t length = EditorText().size();
    if (maxChars_ != 0 && (length < maxChars_ || start != end)) return 0;
    win::MessageBeep(0);
    return 1;
}

std::string MaxCharEditCell::FilterPastedText(const std::string& text, std::size_t kept) const {
    const std::size_t room = maxChars_ > kept ? maxChars_ - kept : 0;
    return text.substr(0, std::min(room, text.size()));
}
