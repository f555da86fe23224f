#pragma once
// The story application's own menus of the menu bar, and the ids of every menu of the bar. They are
// plain menus of the framework that answer with a class id of their own.

#include <cstdint>

#include "framework/TMenu.h"

inline constexpr std::int16_t kRootMenuId = 128;
inline constexpr std::int16_t kFileMenuId = 130;
inline constexpr std::int16_t kEditMenuId = 131;
inline constexpr std::int16_t kWindowMenuId = 132;
inline constexpr std::int16_t kStoryformingMenuId = 135;
inline constexpr std::int16_t kCharacterMenuId = 136;
inline constexpr std::int16_t kStorytellingMenuId = 137;
inline constexpr std::int16_t kToolsMenuId = 138;
inline constexpr std::int16_t kHelpMenuId = 139;

class StoryFormingMenu : public TMenu {
    TOBJECT_CLASS(StoryFormingMenu, TMenu, 307)

public:
    using TMenu::TMenu;
};

class CharMenu : public TMenu {
    TOBJECT_CLASS(CharMenu, TMenu, 308)

public:
    using TMenu::TMenu;
};

class StoryTellingMenu : public TMenu {
    TOBJECT_CLASS(StoryTellingMenu, TMenu, 309)

public:
    using TMenu::TMenu;
};

// The Tools menu.
class ReferenceMenu : public TMenu {
    TOBJECT_CLASS(ReferenceMenu, TMenu, 310)

public:
    using TMenu::TMenu;
};
