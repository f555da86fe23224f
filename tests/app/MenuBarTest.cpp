// The story application's menu bar: its eight menus in order, each entry's command and Ctrl
// shortcut, ids used once, and the Storyforming menu without its engine entry once the engine data
// is open.

#include <gmock/gmock.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "CommandFixture.h"
#include "app/StoryCommandIds.h"
#include "app/StoryMenus.h"
#include "framework/TMenu.h"
#include "framework/TMenuItem.h"
#include "platform/ui/Menus.h"

namespace apptest {
namespace {

using ::testing::ElementsAre;

std::string TitleOf(const TMenuItem& item) {
    String title;
    item.GetTitle(title);
    return title.CStr();
}

class MenuBar : public CommandTest {
protected:
    TMenu* Menu(std::int16_t id) const { return application->FindMenuById(id); }
    // The entries of the menu as "caption" (or "-"), each with its Ctrl key when it has one.
    std::vector<std::string> Entries(std::int16_t id) const {
        std::vector<std::string> entries;
        const TMenu* menu = Menu(id);
        for (std::int32_t i = 0; menu && i < menu->GetItemCount(); ++i) {
            const TMenuItem* item = menu->GetItem(i);
            std::string entry = TitleOf(*item);
            if (item->HasShortcut())
                entry += std::string(" ^") + static_cast<const MenuTextItem*>(item)->GetKey();
            entries.push_back(entry);
        }
        return entries;
    }
};

TEST_F(MenuBar, TheBarHoldsEightMenusInOrderEachOfItsOwnClass) {
    const TMenu* bar = application->GetMenu(application->GetRootMenuIndex());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetClassId(), 300);
    EXPECT_EQ(bar->GetMenuId(), kRootMenuId);
    std::vector<std::string> titles;
    std::vector<std::int16_t> ids;
    for (std::int32_t i = 0; i < bar->GetItemCount(); ++i) {
        titles.push_back(TitleOf(*bar->GetItem(i)));
        ids.push_back(static_cast<std::int16_t>(bar->GetItem(i)->GetCommandId()));
        EXPECT_TRUE(bar->GetItem(i)->IsSubmenu());
    }
    EXPECT_THAT(titles, ElementsAre("&File", "&Edit", "&Storyforming", "&Character", "Storyte&lling",
                                    "&Tools", "&Window", "&Help"));
    EXPECT_THAT(ids, ElementsAre(130, 131, 135, 136, 137, 138, 132, 139));
    EXPECT_EQ(GetMenuItemCount(bar->GetHMenu()), 8) << "the native bar too";

    const std::map<std::int16_t, ClassId> classes = {{130, 302}, {131, 303}, {135, 307}, {136, 308},
                                                     {137, 309}, {138, 310}, {132, 304}, {139, 104}};
    for (const auto& [id, classId] : classes) {
        ASSERT_NE(Menu(id), nullptr) << id;
        EXPECT_EQ(Menu(id)->GetClassId(), classId) << id;
        EXPECT_TRUE(Menu(id)->IsKindOf(TMenu::kClassId));
    }
    EXPECT_EQ(application->GetMenu(App().GetStoryformingMenuIndex()), Menu(kStoryformingMenuId));
    EXPECT_EQ(application->GetMenu(application->GetWindowMenuIndex()), Menu(kWindowMenuId));
}

TEST_F(MenuBar, EachMenuListsItsEntriesWithTheirShortcuts) {
    EXPECT_THAT(Entries(kFileMenuId),
                ElementsAre("&New ^N", "&Open... ^O", "-", "&Close ^W", "&Save ^S", "Save &As...",
                            "Save a C&opy...", "&Export...", "Expor&t to Scenewright...", "-",
                            "Print Pre&view...", "P&rint Setup...", "&Print... ^P", "-", "E&xit ^Q"));
    EXPECT_THAT(Entries(kEditMenuId),
                ElementsAre("&Undo ^Z", "-", "Cu&t ^X", "&Copy ^C", "&Paste ^V", "Cle&ar", "-",
                            "&Select All ^A", "-", "P&references... ^9", "Set &Font... ^F"));
    // Started with the engine data: "Generate Story Engine..." has gone.
    EXPECT_THAT(Entries(kStoryformingMenuId),
                ElementsAre("Plot&pilot... ^2", "-", "&Query System... ^U", "Story &Engine... ^E", "-",
                            "&Clear Storyform...", "-", "&Build Story Examples..."));
    EXPECT_EQ(GetMenuItemCount(Menu(kStoryformingMenuId)->GetHMenu()), 8) << "the native menu too";
    EXPECT_THAT(Entries(kCharacterMenuId),
                ElementsAre("Character &List... ^L", "-", "&Create... ^K", "&Delete", "&Info... ^I",
                            "I&mport...", "E&xport...", "&Picture...", "-", "&Build Characters... ^B",
                            "&Setup Main and Impact... ^M", "C&asting... ^0"));
    EXPECT_THAT(Entries(kStorytellingMenuId),
                ElementsAre("Story &Info... ^3", "&Comments... ^4", "-", "&Reports... ^R",
                            "Story &Points... ^Y", "Pl&ot Progression... ^J", "-", "C&lear Storytelling..."));
    EXPECT_THAT(Entries(kToolsMenuId),
                ElementsAre("&Fablecore Dictionary... ^D", "-", "&Spin-The-Model... ^6",
                            "&Character Generator... ^7", "-", "Theme &Browser... ^T"));
    EXPECT_THAT(Entries(kWindowMenuId),
                ElementsAre("&Tile", "&Cascade", "Arrange &Icons", "-", "&Fablecore Desktop ^1"));
    EXPECT_THAT(Entries(kHelpMenuId), ElementsAre("&Help Topics ^8", "-", "&About Fablecore..."));
}

TEST_F(MenuBar, NoIdIsUsedTwiceAndOnlyTheUnlistedStoryIdsLackAnEntry) {
    std::multiset<std::int32_t> ids;
    std::map<char, std::int32_t> shortcuts;
    for (std::int16_t menuId : {kFileMenuId, kEditMenuId, kStoryformingMenuId, kCharacterMenuId,
                                kStorytellingMenuId, kToolsMenuId, kWindowMenuId, kHelpMenuId}) {
        const TMenu* menu = Menu(menuId);
        for (std::int32_t i = 0; i < menu->GetItemCount(); ++i) {
            const TMenuItem* item = menu->GetItem(i);
            if (item->GetCommandId() == 0) continue;
            ids.insert(item->GetCommandId());
            EXPECT_TRUE(item->IsCommand());
            if (item->HasShortcut()) {
                const auto* text = static_cast<const MenuTextItem*>(item);
                EXPECT_EQ(text->GetModifier(), kShortcutCtrl);
                EXPECT_TRUE(shortcuts.emplace(text->GetKey(), item->GetCommandId()).second)
                    << "Ctrl+" << text->GetKey() << " twice";
            }
        }
    }
    for (std::int32_t id : ids) EXPECT_EQ(ids.count(id), 1u) << id;
    std::set<std::int32_t> missing;
    for (std::int32_t id = kFirstStoryCommand; id <= 1317; ++id)
        if (!ids.contains(id)) missing.insert(id);
    EXPECT_EQ(missing, (std::set<std::int32_t>{1283, 1286, 1299, 1306, 1309, 1310, 1315}))
        << "1286 went with the engine data";
    EXPECT_EQ(shortcuts['9'], kCmdPreferences);
    EXPECT_EQ(shortcuts['0'], kCmdCasting);
    EXPECT_EQ(shortcuts['F'], kCmdSetFont);
}

}  // namespace
}  // namespace apptest
