#include "platform/ui/KeyCharacters.h"

#include "platform/ui/VirtualKeys.h"

namespace win {
namespace {

std::optional<char> Punctuation(UINT key, bool shift) {
    switch (key) {
        case VK_OEM_1: return shift ? ':' : ';';
        case VK_OEM_PLUS: return shift ? '+' : '=';
        case VK_OEM_COMMA: return shift ? '<' : ',';
        case VK_OEM_MINUS: return shift ? '_' : '-';
        case VK_OEM_PERIOD: return shift ? '>' : '.';
        case VK_OEM_2: return shift ? '?' : '/';
        case VK_OEM_3: return shift ? '~' : '`';
        case VK_OEM_4: return shift ? '{' : '[';
        case VK_OEM_5: return shift ? '|' : '\\';
        case VK_OEM_6: return shift ? '}' : ']';
        case VK_OEM_7: return shift ? '"' : '\'';
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<char> KeyCharacter(UINT key, bool shift, bool control, bool capsLock) {
    const bool letter = key >= 'A' && key <= 'Z';
    if (control) {
        if (letter) return static_cast<char>(key - 'A' + 1);
        if (shift) {
            if (key == '2') return '\0';
            if (key == 94) return '\x1E';
            if (key == VK_OEM_MINUS) return '\x1F';
            return std::nullopt;
        }
        switch (key) {
            case VK_BACK: return '\x7F';
            case VK_RETURN: return '\n';
            case VK_SPACE: return ' ';
            case VK_OEM_4: return '\x1B';
            case VK_OEM_5: return '\x1C';
            case VK_OEM_6: return '\x1D';
            default: return std::nullopt;
        }
    }
    if (letter) return static_cast<char>(shift != capsLock ? key : key - 'A' + 'a');
    if (key >= '0' && key <= '9') {
        static constexpr char kShifted[] = ")!@#$%^&*(";
        return shift ? kShifted[key - '0'] : static_cast<char>(key);
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return static_cast<char>('0' + (key - VK_NUMPAD0));
    switch (key) {
        case VK_BACK: return '\b';
        case VK_TAB: return '\t';
        case VK_RETURN: return '\r';
        case VK_ESCAPE: return '\x1B';
        case VK_SPACE: return ' ';
        case VK_MULTIPLY: return '*';
        case VK_ADD: return '+';
        case VK_SUBTRACT: return '-';
        case VK_DECIMAL: return '.';
        case VK_DIVIDE: return '/';
        default: return Punctuation(key, shift);
    }
}

}  // namespace win
