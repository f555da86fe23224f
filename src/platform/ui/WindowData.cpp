// Window longs, properties and window text.

#include <algorithm>
#include <cstring>

#include "platform/ui/Dispatch.h"
#include "platform/ui/MessageQueue.h"

namespace win {

using namespace detail;

namespace {

constexpr int kSlot = static_cast<int>(sizeof(LONG_PTR));

bool ValidExtraIndex(const Window& window, int index) {
    return index >= 0 && static_cast<std::size_t>(index) + kSlot <= window.extra.size();
}

}  // namespace

LONG_PTR GetWindowLongPtrA(HWND handle, int index) {
    Window* window = Tree().FindOrDesktop(handle);
    if (window == nullptr) return 0;
    switch (index) {
        case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
        case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(window->IsChild()          ? window->parent->handle
                                              : window->owner != nullptr ? window->owner->handle
                                                                         : nullptr);
        case GWLP_ID: return static_cast<LONG_PTR>(window->id);
        case GWL_STYLE: return static_cast<LONG_PTR>(window->style);
        case GWL_EXSTYLE: return static_cast<LONG_PTR>(window->exStyle);
        case GWLP_USERDATA: return window->userData;
        default: break;
    }
    if (!ValidExtraIndex(*window, index)) return 0;
    LONG_PTR value = 0;
    std::memcpy(&value, window->extra.data() + index, kSlot);
    return value;
}

LONG_PTR SetWindowLongPtrA(HWND handle, int index, LONG_PTR value) {
    Window* window = Tree().Find(handle);
    if (window == nullptr) return 0;
    const LONG_PTR previous = GetWindowLongPtrA(handle, index);
    switch (index) {
        case GWLP_WNDPROC:
            if (value != 0) window->proc = reinterpret_cast<WNDPROC>(value);
            return previous;
        case GWLP_HINSTANCE: window->instance = reinterpret_cast<HINSTANCE>(value); return previous;
        case GWLP_HWNDPARENT:
            if (!window->IsChild()) {
                Window* owner = Tree().Find(reinterpret_cast<HWND>(value));
                window->owner = owner != nullptr && owner != window ? &TopLevelOf(*owner) : nullptr;
            }
            return previous;
        case GWLP_ID: window->id = static_cast<UINT_PTR>(value); return previous;
        case GWL_STYLE: {
            // Visibility and the minimised and maximised states change only through ShowWindow.
            const DWORD kept = WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_CHILD;
            window->style = (window->style & kept) | (static_cast<DWORD>(value) & ~kept);
            return previous;
        }
        case GWL_EXSTYLE: window->exStyle = static_cast<DWORD>(value); return previous;
        case GWLP_USERDATA: window->userData = value; return previous;
        default: break;
    }
    if (!ValidExtraIndex(*window, index)) return 0;
    std::memcpy(window->extra.data() + index, &value, kSlot);
    return previous;
}

LONG_PTR GetWindowLongA(HWND window, int index) { return GetWindowLongPtrA(window, index); }
LONG_PTR SetWindowLongA(HWND window, int index, LONG_PTR value) {
    return SetWindowLongPtrA(window, index, value);
}

BOOL SetPropA(HWND handle, const char* name, HANDLE data) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || name == nullptr) return FALSE;
    for (auto& [key, value] : window->properties) {
        if (EqualsIgnoringCase(key, name)) {
            value = data;
            return TRUE;
        }
    }
    window->properties.emplace_back(name, data);
    return TRUE;
}

HANDLE GetPropA(HWND handle, const char* name) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || name == nullptr) return nullptr;
    for (const auto& [key, value] : window->properties) {
        if (EqualsIgnoringCase(key, name)) return value;
    }
    return nullptr;
}

HANDLE RemovePropA(HWND handle, const char* name) {
    Window* window = Tree().Find(handle);
    if (window == nullptr || name == nullptr) return nullptr;
    auto& properties = window->properties;
    auto found = std::find_if(properties.begin(), properties.end(),
                              [&](const auto& entry) { return EqualsIgnoringCase(entry.first, name); });
    if (found == properties.end()) return nullptr;
    HANDLE value = found->second;
    properties.erase(found);
    return value;
}

BOOL SetWindowTextA(HWND window, const char* text) {
    if (Tree().Find(window) == nullptr) return FALSE;
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextA(HWND window, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    if (Tree().Find(window) == nullptr) return 0;
    return static_cast<int>(
        SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND window) {
    if (Tree().Find(window) == nullptr) return 0;
    return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}

}  // namespace win
