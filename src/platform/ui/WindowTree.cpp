#include "platform/ui/WindowTree.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/ControlSupport.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/PrintChoices.h"
#include "platform/ui/SystemClasses.h"

namespace win::detail {

WindowTree::WindowTree() {
    auto desktopClass = std::make_shared<WindowClass>();
    desktopClass->name = "#32769";
    desktopClass->proc = DefWindowProcA;
    desktop_ = std::make_shared<Window>();
    desktop_->handle = reinterpret_cast<HWND>(std::uintptr_t{0x10001});
    desktop_->windowClass = desktopClass;
    desktop_->proc = DefWindowProcA;
    desktop_->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    SIZE screen = GetScreenSize();
    desktop_->rect = RECT{0, 0, screen.cx, screen.cy};
    desktop_->client = desktop_->rect;
    RegisterControlClasses(*this);
    InstallPrintFilePrompt();
    for (const WNDCLASSA& windowClass : SystemClasses()) AddClass(MakeWindowClass(windowClass));
}

WindowTree& Tree() {
    static WindowTree tree;
    return tree;
}

Window* WindowTree::Find(HWND handle) const {
    auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : found->second.get();
}

Window* WindowTree::FindOrDesktop(HWND handle) const {
    return handle == desktop_->handle ? desktop_.get() : Find(handle);
}

std::shared_ptr<Window> WindowTree::Hold(const Window& window) const {
    if (&window == desktop_.get()) return desktop_;
    auto found = windows_.find(window.handle);
    return found == windows_.end() ? nullptr : found->second;
}

std::shared_ptr<WindowClass> WindowTree::FindClass(std::string_view name) const {
    for (const auto& windowClass : classes_) {
        if (EqualsIgnoringCase(windowClass->name, name)) return windowClass;
    }
    return nullptr;
}

ATOM WindowTree::AddClass(std::shared_ptr<WindowClass> windowClass) {
    windowClass->atom = nextAtom_++;
    classes_.push_back(std::move(windowClass));
    return classes_.back()->atom;
}

bool WindowTree::RemoveClass(std::string_view name) {
    auto found = std::find_if(classes_.begin(), classes_.end(),
                              [&](const auto& c) { return EqualsIgnoringCase(c->name, name); });
    if (found == classes_.end() || (*found)->windowCount > 0) return false;
    classes_.erase(found);
    return true;
}

Window& WindowTree::AddWindow(std::shared_ptr<Window> window) {
    window->handle = reinterpret_cast<HWND>(nextHandle_);
    nextHandle_ += 2;
    Window& added = *window;
    windows_.emplace(added.handle, std::move(window));
    return added;
}

void WindowTree::RemoveWindow(Window& window) {
    if (frame_ == &window) frame_ = nullptr;
    windows_.erase(window.handle);
}

void WindowTree::Link(Window& window, Window& parent, bool atTop) {
    window.parent = &parent;
    auto& siblings = parent.children;
    siblings.insert(atTop ? siblings.begin() : siblings.end(), &window);
}

void WindowTree::Unlink(Window& window) {
    if (window.parent == nullptr) return;
    auto& siblings = window.parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), &window), siblings.end());
}

void WindowTree::Restack(Window& window, Window* below, bool toBottom) {
    if (window.parent == nullptr) return;
    auto& siblings = window.parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), &window), siblings.end());
    if (toBottom) {
        siblings.push_back(&window);
        return;
    }
    auto position = siblings.begin();
    if (below != nullptr) {
        auto found = std::find(siblings.begin(), siblings.end(), below);
        if (found != siblings.end()) position = found + 1;
    }
    siblings.insert(position, &window);
}

std::vector<Window*> WindowTree::TopLevelWindows() const { return desktop_->children; }

bool IsDescendant(const Window& ancestor, const Window& window) {
    for (const Window* up = window.parent; up != nullptr; up = up->parent) {
        if (up == &ancestor) return true;
    }
    return false;
}

Window& TopLevelOf(Window& window) {
    Window* top = &window;
    while (top->parent != nullptr && top->parent->parent != nullptr) top = top->parent;
    return *top;
}

bool IsVisibleOnScreen(const Window& window) {
    for (const Window* w = &window; w != nullptr; w = w->parent) {
        if (!w->IsVisibleFlag()) return false;
    }
    return true;
}

bool IsEnabledWithAncestors(const Window& window) {
    for (const Window* w = &window; w != nullptr; w = w->parent) {
        if (w->style & WS_DISABLED) return false;
        if (!w->IsChild()) break;
    }
    return true;
}

Window* EnabledPopupOf(const Window& owner) {
    for (Window* top : Tree().TopLevelWindows()) {
        if (top->owner == &owner && top->IsVisibleFlag() && !(top->style & WS_DISABLED)) return top;
    }
    return nullptr;
}

POINT ClientOrigin(const Window& window) {
    POINT origin{window.client.left, window.client.top};
    for (const Window* up = window.parent; up != nullptr; up = up->parent) {
        origin.x += up->client.left;
        origin.y += up->client.top;
    }
    return origin;
}

POINT WindowOrigin(const Window& window) {
    POINT origin{window.rect.left, window.rect.top};
    if (window.parent != nullptr) {
        POINT parentOrigin = ClientOrigin(*window.parent);
        origin.x += parentOrigin.x;
        origin.y += parentOrigin.y;
    }
    return origin;
}

RECT ScreenRect(const Window& window) {
    POINT origin = WindowOrigin(window);
    return RECT{origin.x, origin.y, origin.x + (window.rect.right - window.rect.left),
                origin.y + (window.rect.bottom - window.rect.top)};
}

RECT ScreenClientRect(const Window& window) {
    POINT origin = ClientOrigin(window);
    return RECT{origin.x, origin.y, origin.x + (window.client.right - window.client.left),
                origin.y + (window.client.bottom - window.client.top)};
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    // Bytes the same need no folding.
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return x == y || std::tolower(static_cast<unsigned char>(x)) ==
                                    std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace win::detail
