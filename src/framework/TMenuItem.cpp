#include "framework/TMenuItem.h"

#include <cstring>

#include "framework/TAppl.h"
#include "framework/TMenu.h"
#include "platform/ui/Menus.h"

TMenuItem::TMenuItem(TMenu* menu, std::int32_t commandId, const RGBColor& color, std::uint16_t flags)
    : menu_(menu), color_(color), commandId_(commandId), flags_(flags) {}

void TMenuItem::GetTitleText(char* buffer, std::size_t size) const {
    if (size == 0) return;
    std::strncpy(buffer, "-", size - 1);
    buffer[size - 1] = '\0';
}

std::int32_t TMenuItem::ResolveSubmenu() {
    if (!IsSubmenu() || !menu_ || !menu_->GetApplication()) return -1;
    TAppl* application = menu_->GetApplication();
    for (std::int32_t i = 0; i < application->GetMenuCount(); ++i) {
        TMenu* candidate = application->GetMenu(i);
        if (candidate->GetMenuId() == commandId_) {
            submenu_ = candidate;
            return i;
        }
    }
    return -1;
}

void TMenuItem::UpdateSubmenu() {
    if (IsSubmenu() && submenu_) submenu_->UpdateItems();
}

ErrCode TMenuItem::Invoke() {
    if (commandId_ == 0 || !IsCommand() || !IsEnabled() || !menu_ || !menu_->GetApplication()) return 0;
    return menu_->GetApplication()->HandleCommand(commandId_);
}

std::string TMenuItem::GetText(std::int16_t& flag) const {
    flag = 0;
    return "-";
}

MenuTextItem::MenuTextItem(TMenu* menu, std::int32_t commandId, const RGBColor& color, std::uint16_t flags,
                           std::uint8_t modifier, char key, std::uint32_t reserved, const char* title)
    : TMenuItem(menu, commandId, color, flags),
      title_(title),
      modifier_(modifier),
      key_(key),
      reserved_(reserved) {}

std::uint16_t MenuTextItem::GetShortcut() const {
    if (!HasShortcut()) return 0;
    return static_cast<std::uint16_t>(modifier_ | static_cast<unsigned char>(key_) << 8);
}

void MenuTextItem::GetTitleText(char* buffer, std::size_t size) const {
    title_.CopyTo(buffer, static_cast<std::uint32_t>(size));
}

bool MenuTextItem::IsEnabled() const {
    if (IsSubmenu()) return GetSubmenu() && GetSubmenu()->IsActive();
    if (IsCommand())
        return menu_ && menu_->GetApplication() && menu_->GetApplication()->CommandEnabled(GetCommandId());
    return false;
}

std::int32_t MenuTextItem::AttachSubmenu() {
    const std::int32_t index = TMenuItem::ResolveSubmenu();
    if (index < 0 || !menu_ || !menu_->GetHMenu()) return index;
    const std::int32_t position = menu_->IndexOf(this);
    if (position < 0) return index;
    std::string title = title_.CStr() ? title_.CStr() : "";
    win::ModifyMenuA(menu_->GetHMenu(), static_cast<win::UINT>(position), win::MF_BYPOSITION | win::MF_POPUP,
                     reinterpret_cast<win::UINT_PTR>(GetSubmenu()->GetHMenu()), title.c_str());
    return index;
}

std::string MenuTextItem::GetText(std::int16_t& flag) const {
    flag = 0;
    const char* title = title_.CStr();
    std::string text = title && *title ? title : " ";
    if (text.back() == kStoredEllipsis) {
        text.pop_back();
        text += "...";
    }
    if (HasShortcut()) text += ShortcutText(modifier_, key_);
    return text;
}

std::string ShortcutText(std::uint8_t modifier, char key) {
    const char* prefix = nullptr;
    switch (modifier) {
        case 16:
        case 32:
        case 64: prefix = "\tCtrl+"; break;
        case 128: prefix = "\tShift+"; break;
        case 144:
        case 160:
        case 192: prefix = "\tCtrl+Shift+"; break;
        default: return std::string();
    }
    return prefix + std::string(1, key);
}
