// Window classes.

#include <algorithm>
#include <cstring>

#include "platform/ui/WindowTree.h"

namespace win {

using namespace detail;

namespace {

constexpr int kSlot = static_cast<int>(sizeof(LONG_PTR));

// Extra bytes are kept in whole pointer-sized slots, so a slot declared 4 bytes wide still holds a
// pointer.
int RoundToSlots(int bytes) { return bytes <= 0 ? 0 : (bytes + kSlot - 1) / kSlot * kSlot; }

}  // namespace

namespace detail {

std::shared_ptr<WindowClass> MakeWindowClass(const WNDCLASSA& windowClass) {
    auto made = std::make_shared<WindowClass>();
    made->name = windowClass.lpszClassName;
    made->style = windowClass.style;
    made->proc = windowClass.lpfnWndProc;
    made->classExtra.assign(static_cast<std::size_t>(RoundToSlots(windowClass.cbClsExtra)), 0);
    made->windowExtraSize = RoundToSlots(windowClass.cbWndExtra);
    made->instance = windowClass.hInstance;
    made->icon = windowClass.hIcon;
    made->cursor = windowClass.hCursor;
    made->background = windowClass.hbrBackground;
    if (windowClass.lpszMenuName != nullptr &&
        (reinterpret_cast<ULONG_PTR>(windowClass.lpszMenuName) >> 16) != 0) {
        made->menuName = windowClass.lpszMenuName;
    }
    return made;
}

}  // namespace detail

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr ||
        windowClass->lpszClassName[0] == '\0' || windowClass->lpfnWndProc == nullptr ||
        windowClass->cbWndExtra < 0 || windowClass->cbClsExtra < 0) {
        return 0;
    }
    if (Tree().FindClass(windowClass->lpszClassName) != nullptr) return 0;
    return Tree().AddClass(MakeWindowClass(*windowClass));
}

BOOL UnregisterClassA(const char* className, HINSTANCE) {
    if (className == nullptr) return FALSE;
    return Tree().RemoveClass(className) ? TRUE : FALSE;
}

BOOL GetClassInfoA(HINSTANCE, const char* className, WNDCLASSA* windowClass) {
    if (className == nullptr || windowClass == nullptr) return FALSE;
    auto found = Tree().FindClass(className);
    if (found == nullptr) return FALSE;
    *windowClass = WNDCLASSA{};
    windowClass->style = found->style;
    windowClass->lpfnWndProc = found->proc;
    windowClass->cbClsExtra = static_cast<int>(found->classExtra.size());
    windowClass->cbWndExtra = found->windowExtraSize;
    windowClass->hInstance = found->instance;
    windowClass->hIcon = found->icon;
    windowClass->hCursor = found->cursor;
    windowClass->hbrBackground = found->background;
    windowClass->lpszMenuName = found->menuName.empty() ? nullptr : found->menuName.c_str();
    windowClass->lpszClassName = found->name.c_str();
    return TRUE;
}

int GetClassNameA(HWND window, char* buffer, int size) {
    Window* found = Tree().FindOrDesktop(window);
    if (found == nullptr || buffer == nullptr || size <= 0) return 0;
    const std::string& name = found->windowClass->name;
    const std::size_t count = std::min(name.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, name.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

ULONG_PTR GetClassLongPtrA(HWND window, int index) {
    Window* found = Tree().FindOrDesktop(window);
    if (found == nullptr) return 0;
    const WindowClass& c = *found->windowClass;
    switch (index) {
        case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c.background);
        case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c.cursor);
        case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c.icon);
        case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR>(c.instance);
        case GCL_CBWNDEXTRA: return static_cast<ULONG_PTR>(c.windowExtraSize);
        case GCL_CBCLSEXTRA: return c.classExtra.size();
        case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c.proc);
        case GCL_STYLE: return c.style;
        default: break;
    }
    if (index < 0 || static_cast<std::size_t>(index) + kSlot > c.classExtra.size()) return 0;
    ULONG_PTR value = 0;
    std::memcpy(&value, c.classExtra.data() + index, kSlot);
    return value;
}

ULONG_PTR SetClassLongPtrA(HWND window, int index, LONG_PTR value) {
    Window* found = Tree().FindOrDesktop(window);
    if (found == nullptr) return 0;
    WindowClass& c = *found->windowClass;
    const ULONG_PTR previous = GetClassLongPtrA(window, index);
    switch (index) {
        case GCLP_HBRBACKGROUND: c.background = reinterpret_cast<HBRUSH>(value); return previous;
        case GCLP_HCURSOR: c.cursor = reinterpret_cast<HCURSOR>(value); return previous;
        case GCLP_HICON: c.icon = reinterpret_cast<HICON>(value); return previous;
        case GCLP_WNDPROC: c.proc = reinterpret_cast<WNDPROC>(value); return previous;
        case GCL_STYLE: c.style = static_cast<UINT>(value); return previous;
        default: break;
    }
    if (index < 0 || static_cast<std::size_t>(index) + kSlot > c.classExtra.size()) return 0;
    std::memcpy(c.classExtra.data() + index, &value, kSlot);
    return previous;
}

}  // namespace win
