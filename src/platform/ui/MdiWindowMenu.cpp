// The window menu's list of MDI children.

#include <algorithm>

#include "platform/ui/MdiClient.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"

namespace win::detail {
namespace {

std::vector<Window*> ShownChildren(const std::vector<HWND>& children) {
    std::vector<Window*> shown;
    for (HWND handle : children) {
        Window* child = Tree().Find(handle);
        if (child != nullptr && child->IsVisibleFlag()) shown.push_back(child);
    }
    return shown;
}

}  // namespace

void MdiClient::UnlistChildren() {
    if (!IsMenu(windowMenu_)) {
        listed_.clear();
        return;
    }
    // Out with the entries listed before, and the separator above them.
    int firstListed = -1;
    for (int i = GetMenuItemCount(windowMenu_) - 1; i >= 0; --i) {
        const UINT id = GetMenuItemID(windowMenu_, i);
        if (std::find(listed_.begin(), listed_.end(), id) == listed_.end()) continue;
        RemoveMenu(windowMenu_, static_cast<UINT>(i), MF_BYPOSITION);
        firstListed = i;
    }
    if (firstListed > 0 &&
        (GetMenuState(windowMenu_, static_cast<UINT>(firstListed - 1), MF_BYPOSITION) & MF_SEPARATOR))
        RemoveMenu(windowMenu_, static_cast<UINT>(firstListed - 1), MF_BYPOSITION);
    listed_.clear();
}

void MdiClient::RefreshWindowMenu() {
    UnlistChildren();
    if (!IsMenu(windowMenu_)) return;
    const std::vector<Window*> shown = ShownChildren(children_);
    if (shown.empty()) return;
    AppendMenuA(windowMenu_, MF_SEPARATOR, 0, nullptr);
    for (std::size_t i = 0; i < shown.size() && i < kWindowMenuLimit; ++i) {
        const std::string text = "&" + std::to_string(i + 1) + " " + shown[i]->text;
        const UINT flags = MF_STRING | (shown[i]->handle == active_ ? MF_CHECKED : MF_UNCHECKED);
        AppendMenuA(windowMenu_, flags, shown[i]->id, text.c_str());
        listed_.push_back(static_cast<UINT>(shown[i]->id));
    }
    if (shown.size() > kWindowMenuLimit) {
        AppendMenuA(windowMenu_, MF_STRING, firstId_ + kWindowMenuLimit, "&More Windows...");
        listed_.push_back(firstId_ + kWindowMenuLimit);
    }
}

bool MdiClient::ChooseFromWindowMenu(UINT id) {
    const std::vector<Window*> shown = ShownChildren(children_);
    HWND chosen = nullptr;
    if (id == firstId_ + kWindowMenuLimit && shown.size() > kWindowMenuLimit) {
        // Every child, in a popup menu over the client; the active one checked.
        const HMENU list = CreatePopupMenu();
        for (Window* child : shown) {
            AppendMenuA(list, MF_STRING | (child->handle == active_ ? MF_CHECKED : MF_UNCHECKED), child->id,
                        child->text.c_str());
        }
        RECT area{};
        GetWindowRect(client_, &area);
        Window* frame = Frame();
        const auto picked = static_cast<UINT>(TrackPopupMenu(
            list, TPM_RETURNCMD | TPM_CENTERALIGN | TPM_VCENTERALIGN, (area.left + area.right) / 2,
            (area.top + area.bottom) / 2, 0, frame != nullptr ? frame->handle : client_, nullptr));
        DestroyMenu(list);
        if (picked == 0 || MdiClientOf(client_) != this) return true;
        id = picked;
    }
    for (HWND handle : children_) {
        if (static_cast<UINT>(GetDlgCtrlID(handle)) == id) chosen = handle;
    }
    if (chosen == nullptr) return false;
    if (IsIconic(chosen)) SendMessageA(chosen, WM_SYSCOMMAND, SC_RESTORE, 0);
    if (MdiClientOf(client_) == this) Activate(chosen);
    return true;
}

}  // namespace win::detail
