// The menu bar, built in code: File, Edit, Window and Help with the framework's commands.

#include <initializer_list>

#include "app/Fablecore.h"
#include "framework/TCommand.h"
#include "framework/TMenu.h"
#include "framework/TMenuItem.h"

namespace {

constexpr std::int16_t kMenuBarId = 128;
constexpr std::int16_t kFileMenuId = 129;
constexpr std::int16_t kEditMenuId = 130;
constexpr std::int16_t kWindowMenuId = 132;
constexpr std::int16_t kHelpMenuId = 133;

struct Entry {
    std::int32_t command;  // 0: a separator
    const char* title;
    char key;  // Ctrl and this key; 0: none
};

const Entry kSeparator{0, nullptr, 0};
const RGBColor kBlack;

void AddEntries(TMenu& menu, std::initializer_list<Entry> entries) {
    for (const Entry& entry : entries) {
        if (entry.command == 0) {
            menu.AppendItem(new TMenuItem(&menu, 0, kBlack, 0));
        } else {
            menu.AppendItem(new MenuTextItem(&menu, entry.command, kBlack, kMenuItemCommand,
                                             entry.key ? kShortcutCtrl : 0, entry.key, 0, entry.title));
        }
    }
}

void AddSubmenu(TMenu& bar, std::int16_t id, const char* title) {
    bar.AppendItem(new MenuTextItem(&bar, id, kBlack, kMenuItemSubmenu, 0, 0, 0, title));
}

}  // namespace

void Fablecore::BuildMenus() {
    auto* file = new FileMenu(this, kFileMenuId, nullptr);
    AddEntries(*file, {{kCmdNew, "&New", 'N'},
                       {kCmdOpen, "&Open...", 'O'},
                       {kCmdClose, "&Close", 'W'},
                       kSeparator,
                       {kCmdSave, "&Save", 'S'},
                       {kCmdSaveAs, "Save &As...", 0},
                       {kCmdSaveACopy, "Save a Cop&y...", 0},
                       {kCmdRevert, "&Revert", 0},
                       kSeparator,
                       {kCmdPageSetup, "Page Set&up...", 0},
                       {kCmdPrint, "&Print...", 'P'},
                       {kCmdPrintPreview, "Print Pre&view", 0},
                       kSeparator,
                       {kCmdQuit, "&Quit", 'Q'}});
    auto* edit = new EditMenu(this, kEditMenuId, nullptr);
    AddEntries(*edit, {{kCmdUndo, "&Undo", 'Z'},
                       kSeparator,
                       {kCmdCut, "Cu&t", 'X'},
                       {kCmdCopy, "&Copy", 'C'},
                       {kCmdPaste, "&Paste", 'V'},
                       {kCmdClear, "Cl&ear", 0},
                       kSeparator,
                       {kCmdSelectAll, "Select &All", 'A'}});
    auto* window = new WindowMenu(this, kWindowMenuId, nullptr);
    AddEntries(
        *window,
        {{kCmdTile, "&Tile", 0}, {kCmdCascade, "&Cascade", 0}, {kCmdArrangeIcons, "Arrange &Icons", 0}});
    auto* help = new TMenu(this, kHelpMenuId, nullptr);
    AddEntries(*help, {{kCmdAbout, "&About Fablecore...", 0}});

    auto* bar = new RootMenu(this, kMenuBarId, nullptr);
    AddSubmenu(*bar, kFileMenuId, "&File");
    AddSubmenu(*bar, kEditMenuId, "&Edit");
    AddSubmenu(*bar, kWindowMenuId, "&Window");
    AddSubmenu(*bar, kHelpMenuId, "&Help");

    SetRootMenuIndex(AddMenu(bar));
    menuIndex3_ = AddMenu(file);
    menuIndex4_ = AddMenu(edit);
    SetWindowMenuIndex(AddMenu(window));
    AddMenu(help);
}
