#pragma once
// Internal to the window layer: the registered classes and the tree of windows under the desktop.
// Windows are kept by shared ownership so that a window destroyed from inside its own procedure
// stays in memory until that procedure returns; a destroyed window's handle never names a window
// again (handles are not reused).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/gdi/Region.h"
#include "platform/ui/Window.h"

namespace win::detail {

struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    std::vector<unsigned char> classExtra;
    int windowExtraSize = 0;  // whole pointer-sized slots
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    ATOM atom = 0;
    int windowCount = 0;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> windowClass;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    Window* parent = nullptr;       // the desktop for top-level windows; null only for the desktop itself
    Window* owner = nullptr;        // top-level windows only
    std::vector<Window*> children;  // z-order, topmost first
    RECT rect{};                    // window rectangle in the parent's client coordinates
    RECT client{};                  // client rectangle in the parent's client coordinates
    std::string text;
    UINT_PTR id = 0;  // child id, or the menu handle of a top-level window
    HINSTANCE instance = nullptr;
    std::vector<unsigned char> extra;
    LONG_PTR userData = 0;
    std::vector<std::pair<std::string, HANDLE>> properties;
    RECT normalRect{};  // the restored rectangle while minimised or maximised
    POINT minimizedPosition{-1, -1};
    // Painting.
    Region update;               // client coordinates
    bool erasePending = false;   // the background is to be erased before the next paint
    bool frameUpdate = false;    // the non-client area is to be drawn again
    bool captionActive = false;  // as the last WM_NCACTIVATE passed to the default handling said
    HDC ownDC = nullptr;         // CS_OWNDC and CS_CLASSDC windows
    bool painting = false;       // between BeginPaint and EndPaint
    Region paintClip;            // screen coordinates, while painting

    bool destroying = false;  // DestroyWindow has begun
    bool alive = true;        // false once WM_NCDESTROY has been sent

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsVisibleFlag() const { return (style & WS_VISIBLE) != 0; }
    bool IsMinimized() const { return (style & WS_MINIMIZE) != 0; }
    bool IsMaximized() const { return (style & WS_MAXIMIZE) != 0; }
};

class WindowTree {
public:
    WindowTree();

    Window& Desktop() { return *desktop_; }
    Window* Find(HWND handle) const;           // live windows only (not the desktop)
    Window* FindOrDesktop(HWND handle) const;  // also the desktop's handle
    std::shared_ptr<Window> Hold(const Window& window) const;

    // Classes.
    std::shared_ptr<WindowClass> FindClass(std::string_view name) const;
    ATOM AddClass(std::shared_ptr<WindowClass> windowClass);
    bool RemoveClass(std::string_view name);

    // Windows: a new window is registered under a fresh handle but not linked into the tree.
    Window& AddWindow(std::shared_ptr<Window> window);
    void RemoveWindow(Window& window);
    void Link(Window& window, Window& parent, bool atTop);
    void Unlink(Window& window);
    // Moves a window within its siblings: to the top, the bottom, or just below another sibling.
    void Restack(Window& window, Window* below, bool toBottom);

    // The frame: the first overlapped top-level window, shown as the OS window.
    Window* Frame() const { return frame_; }
    void SetFrame(Window* frame) { frame_ = frame; }

    std::vector<Window*> TopLevelWindows() const;  // z-order, topmost first

private:
    std::shared_ptr<Window> desktop_;
    std::unordered_map<HWND, std::shared_ptr<Window>> windows_;
    std::vector<std::shared_ptr<WindowClass>> classes_;
    std::uintptr_t nextHandle_ = 0x10002;
    ATOM nextAtom_ = 0xC000;
    Window* frame_ = nullptr;
};

WindowTree& Tree();

// A class record as RegisterClassA makes it.
std::shared_ptr<WindowClass> MakeWindowClass(const WNDCLASSA& windowClass);

// Helpers over the tree.
bool IsDescendant(const Window& ancestor, const Window& window);  // strictly below it
Window& TopLevelOf(Window& window);                               // the window itself when top-level
bool IsVisibleOnScreen(const Window& window);  // the window and all its ancestors have WS_VISIBLE
bool IsEnabledWithAncestors(const Window& window);
// The topmost visible, enabled top-level window that the window owns; null when there is none.
Window* EnabledPopupOf(const Window& owner);
POINT ClientOrigin(const Window& window);  // client area's top-left corner on the screen
POINT WindowOrigin(const Window& window);  // window rectangle's top-left corner on the screen
RECT ScreenRect(const Window& window);
RECT ScreenClientRect(const Window& window);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace win::detail
