#include "platform/ui/ClipboardText.h"

#include <cstring>

#include "platform/sys/GlobalMemory.h"
#include "platform/ui/Clipboard.h"

namespace win::detail {

bool PutClipboardText(HWND owner, std::string_view text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (auto* bytes = static_cast<char*>(GlobalLock(memory))) {
        std::memcpy(bytes, text.data(), text.size());
        bytes[text.size()] = '\0';
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
    }
    CloseClipboard();
    return memory != nullptr;
}

std::string GetClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner)) return text;
    const auto memory = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
    if (const auto* bytes = static_cast<const char*>(GlobalLock(memory))) {
        text.assign(bytes, strnlen(bytes, GlobalSize(memory)));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

}  // namespace win::detail
