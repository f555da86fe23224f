// The application's windows and menus: the front window and document, selecting and closing
// windows, the palette and tool-window lists, and the menu list.

#include <algorithm>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "framework/TMenu.h"
#include "framework/TWindow.h"
#include "framework/WindowUtilities.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

template <typename T>
T* At(const std::vector<T*>& list, std::int32_t index) {
    return index >= 0 && index < static_cast<std::int32_t>(list.size())
               ? list[static_cast<std::size_t>(index)]
               : nullptr;
}

template <typename T>
void AddOnce(std::vector<T*>& list, T* item) {
    if (item && std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

}  // namespace

TWindow* TAppl::GetFrontWindow() const { return ObjectFromHWnd(FirstTWindowChild()); }

TDoc* TAppl::GetFrontDocument() const {
    const TWindow* window = GetFrontWindow();
    return window && window->IsMDIChild() ? window->GetDocument() : nullptr;
}

TDoc* TAppl::GetFrontDocumentOrActive() const {
    const TWindow* window = GetFrontWindow();
    return window ? window->GetDocument() : nullptr;
}

void TAppl::CheckFrontDocument() {
    TDoc* document = GetFrontDocumentOrActive();
    if (document == frontDocument_) return;
    frontDocument_ = document;
    FrontDocumentChanged(document);
}

void TAppl::SelectWindow(TWindow* window) {
    if (!window) return;
    const HWND handle = window->GetHWnd();
    if (!window->IsMDIChild()) {
        SetActiveWindow(handle);
    } else if (IsIconic(handle)) {
        SendMessageA(GetMDIClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(handle), 0);
    } else {
        SendMessageA(GetMDIClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle), 0);
    }
}

// A document's last window takes the document with it, so no windowless document stays open.
bool TAppl::CloseWindow(TWindow* window, bool force) {
    if (!window || (!force && !window->AllowClose())) return false;
    TDoc* document = window->GetDocument();
    if (window->IsMDIChild() && document && document->HasWindow(window)) {
        if (!document->CloseWindow(window, force, true)) return false;
        const bool anyWindowLeft = std::any_of(documents_.begin(), documents_.end(),
                                               [](const TDoc* open) { return open->GetWindowCount() > 0; });
        if (!anyWindowLeft) NextCascadePoint(true, true);
        return true;
    }
    const bool child = window->IsMDIChild();
    window->RefocusItemOnClose();
    delete window;
    if (!child) return false;
    OnWindowClosed();
    return true;
}

void TAppl::CloseAllPalettes() {
    while (!palettes_.empty()) {
        TWindow* palette = palettes_.front();
        RemovePalette(palette);
        CloseWindow(palette, true);
    }
}

void TAppl::UpdatePaletteTitles() {
    for (TWindow* palette : palettes_) palette->UpdateTitle();
}

void TAppl::CloseAllAppWindows() {
    const std::vector<TWindow*> windows = appWindows_;
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        RemoveAppWindow(*window);
        CloseWindow(*window, true);
    }
}

void TAppl::AddPalette(TWindow* palette) { AddOnce(palettes_, palette); }

void TAppl::RemovePalette(TWindow* palette) { std::erase(palettes_, palette); }

TWindow* TAppl::GetPalette(std::int32_t index) const { return At(palettes_, index); }

void TAppl::AddAppWindow(TWindow* window) { AddOnce(appWindows_, window); }

void TAppl::RemoveAppWindow(TWindow* window) { std::erase(appWindows_, window); }

TWindow* TAppl::GetAppWindow(std::int32_t index) const { return At(appWindows_, index); }

HWND TAppl::GetFrameWindow() const { return environment_->GetFrameWindow(); }

HWND TAppl::GetMDIClient() const { return environment_->GetMDIClient(); }

ShortRect TAppl::GetFrameClientRect() const {
    RECT client{};
    GetClientRect(GetFrameWindow(), &client);
    return ShortRect::FromRECT(client);
}

std::string TAppl::GetProgramName() const { return environment_->GetProgramName(); }

// --- menus

void TAppl::UpdateMenus() {
    if (!menusStale_) return;
    if (TMenu* root = GetMenu(rootMenuIndex_)) root->UpdateItems();
    menusStale_ = false;
}

TMenu* TAppl::FindMenuById(std::int32_t id) const {
    for (const auto& menu : menus_) {
        if (menu->GetMenuId() == id) return menu.get();
    }
    return nullptr;
}

TMenu* TAppl::FindMenuByHandle(HMENU handle) const {
    if (!handle) return nullptr;
    for (const auto& menu : menus_) {
        if (menu->GetHMenu() == handle) return menu.get();
    }
    return nullptr;
}

TMenu* TAppl::GetMenu(std::int32_t index) const {
    return index >= 0 && index < GetMenuCount() ? menus_[static_cast<std::size_t>(index)].get() : nullptr;
}

std::int32_t TAppl::AddMenu(TMenu* menu) {
    menus_.emplace_back(menu);
    return GetMenuCount() - 1;
}
