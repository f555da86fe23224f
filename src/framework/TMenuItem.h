#pragma once
// The entries of a menu: a TMenuItem is a separator or a plain entry; a MenuTextItem is a text entry
// with an optional keyboard shortcut. An entry either names a command or opens a submenu.

#include <cstdint>
#include <string>

#include "foundation/String.h"
#include "foundation/TObject.h"
#include "framework/graphics/RGBColor.h"

class TMenu;

// Entry flags.
inline constexpr std::uint16_t kMenuItemSubmenu = 2;
inline constexpr std::uint16_t kMenuItemCommand = 4;

// Shortcut modifier bits: Ctrl is always required; 0x80 requires Shift (clear: Shift up) and 0x20
// requires Alt.
inline constexpr std::uint8_t kShortcutCtrl = 16;
inline constexpr std::uint8_t kShortcutAlt = 32;
inline constexpr std::uint8_t kShortcutShift = 128;

// The character that stands for "..." at the end of stored titles.
inline constexpr char kStoredEllipsis = static_cast<char>(201);

class TMenuItem : public TObject {
    TOBJECT_CLASS(TMenuItem, TObject, 400)

public:
    TMenuItem(TMenu* menu, std::int32_t commandId, const RGBColor& color, std::uint16_t flags);

    virtual std::uint16_t GetShortcut() const { return 0; }  // low byte modifier, high byte key
    virtual void GetTitle(String& title) const { title = "-"; }
    virtual void GetTitleText(char* buffer, std::size_t size) const;
    virtual void SetTitleText(const char* /*text*/) {}
    virtual void SetTitle(const String& /*title*/) {}
    virtual bool IsSubmenu() const { return (flags_ & kMenuItemSubmenu) != 0; }
    virtual bool IsCommand() const { return (flags_ & kMenuItemCommand) != 0; }
    virtual bool IsEnabled() const { return false; }
    virtual bool HasShortcut() const { return false; }
    // For a submenu entry: finds the menu it names among the application's menus and keeps it;
    // answers its index in the application's menu list (-1 when none).
    virtual std::int32_t ResolveSubmenu();
    virtual void UpdateSubmenu();
    // Runs the entry's command when it names one and is enabled; its result, else 0.
    virtual ErrCode Invoke();
    // The text the menu shows; the flag is set to 0.
    virtual std::string GetText(std::int16_t& flag) const;

    TMenu* GetMenu() const { return menu_; }
    const RGBColor& GetColor() const { return color_; }
    std::uint16_t GetFlags() const { return flags_; }
    // The command id (for a submenu entry: the submenu's menu id).
    std::int32_t GetCommandId() const { return commandId_; }
    // The submenu once resolved, else null.
    TMenu* GetSubmenu() const { return submenu_; }

protected:
    TMenu* menu_;

private:
    RGBColor color_;
    std::int32_t commandId_;
    TMenu* submenu_ = nullptr;
    std::uint16_t flags_;
};

class MenuTextItem : public TMenuItem {
    TOBJECT_CLASS(MenuTextItem, TMenuItem, 401)

public:
    MenuTextItem(TMenu* menu, std::int32_t commandId, const RGBColor& color, std::uint16_t flags,
                 std::uint8_t modifier, char key, std::uint32_t reserved, const char* title);

    std::uint16_t GetShortcut() const override;
    void GetTitle(String& title) const override { title = title_; }
    void GetTitleText(char* buffer, std::size_t size) const override;
    void SetTitleText(const char* text) override { title_ = text; }
    void SetTitle(const String& title) override { title_ = title; }
    bool IsEnabled() const override;
    bool HasShortcut() const override { return key_ != 0; }
    std::int32_t ResolveSubmenu() override { return AttachSubmenu(); }
    // Resolves the submenu and turns the entry into a popup that opens it.
    std::int32_t AttachSubmenu();
    std::string GetText(std::int16_t& flag) const override;

    std::uint8_t GetModifier() const { return modifier_; }
    char GetKey() const { return key_; }
    std::uint32_t GetReserved() const { return reserved_; }

private:
    String title_;
    std::uint8_t modifier_;
    char key_;
    std::uint32_t reserved_;
};

// The shortcut column of an entry's text ("\tCtrl+S", "\tShift+F", "\tCtrl+Shift+P"); empty for a
// modifier byte that shows nothing.
std::string ShortcutText(std::uint8_t modifier, char key);
