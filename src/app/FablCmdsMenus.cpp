// The menu bar, built in code: File, Edit, Storyforming, Character, Storytelling, Tools, Window and
// Help, each entry with its command id and its Ctrl shortcut.

#include <initializer_list>

#include "app/FablCmds.h"
#include "app/StoryCommandIds.h"
#include "app/StoryMenus.h"
#include "framework/TCommand.h"
#include "framework/TMenu.h"
#include "framework/TMenuItem.h"

namespace {

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

void FablCmds::BuildMenus() {
    auto* bar = new RootMenu(this, kRootMenuId, "Root");
    SetRootMenuIndex(AddMenu(bar));
    AddSubmenu(*bar, kFileMenuId, "&File");
    AddSubmenu(*bar, kEditMenuId, "&Edit");
    AddSubmenu(*bar, kStoryformingMenuId, "&Storyforming");
    AddSubmenu(*bar, kCharacterMenuId, "&Character");
    AddSubmenu(*bar, kStorytellingMenuId, "Storyte&lling");
    AddSubmenu(*bar, kToolsMenuId, "&Tools");
    AddSubmenu(*bar, kWindowMenuId, "&Window");
    AddSubmenu(*bar, kHelpMenuId, "&Help");

    auto* file = new FileMenu(this, kFileMenuId, "File");
    menuIndex3_ = AddMenu(file);
    AddEntries(*file, {{kCmdNew, "&New", 'N'},
                       {kCmdOpen, "&Open...", 'O'},
                       kSeparator,
                       {kCmdClose, "&Close", 'W'},
                       {kCmdSave, "&Save", 'S'},
                       {kCmdSaveAs, "Save &As...", 0},
                       {kCmdSaveACopy, "Save a C&opy...", 0},
                       {kCmdExport, "&Export...", 0},
                       {kCmdExportScenewright, "Expor&t to Scenewright...", 0},
                       kSeparator,
                       {kCmdPrintPreview, "Print Pre&view...", 0},
                       {kCmdPageSetup, "P&rint Setup...", 0},
                       {kCmdPrint, "&Print...", 'P'},
                       kSeparator,
                       {kCmdQuit, "E&xit", 'Q'}});

    auto* edit = new EditMenu(this, kEditMenuId, "Edit");
    menuIndex4_ = AddMenu(edit);
    AddEntries(*edit, {{kCmdUndo, "&Undo", 'Z'},
                       kSeparator,
                       {kCmdCut, "Cu&t", 'X'},
                       {kCmdCopy, "&Copy", 'C'},
                       {kCmdPaste, "&Paste", 'V'},
                       {kCmdClear, "Cle&ar", 0},
                       kSeparator,
                       {kCmdSelectAll, "&Select All", 'A'},
                       kSeparator,
                       {kCmdPreferences, "P&references...", '9'},
                       {kCmdSetFont, "Set &Font...", 'F'}});

    auto* storyforming = new StoryFormingMenu(this, kStoryformingMenuId, "Storyforming");
    SetStoryformingMenuIndex(AddMenu(storyforming));
    AddEntries(*storyforming, {{kCmdPlotpilot, "Plot&pilot...", '2'},
                               kSeparator,
                               {kCmdQuerySystem, "&Query System...", 'U'},
                               {kCmdStoryEngine, "Story &Engine...", 'E'},
                               kSeparator,
                               {kCmdClearStoryform, "&Clear Storyform...", 0},
                               kSeparator,
                               {kCmdBuildStoryExamples, "&Build Story Examples...", 0},
                               {kCmdGenerateStoryEngine, "Generate Story Engine...", 0}});

    auto* character = new CharMenu(this, kCharacterMenuId, "Character");
    AddMenu(character);
    AddEntries(*character, {{kCmdCharacterList, "Character &List...", 'L'},
                            kSeparator,
                            {kCmdCreateCharacter, "&Create...", 'K'},
                            {kCmdDeleteCharacter, "&Delete", 0},
                            {kCmdCharacterInfo, "&Info...", 'I'},
                            {kCmdImportCharacter, "I&mport...", 0},
                            {kCmdExportCharacter, "E&xport...", 0},
                            {kCmdCharacterPicture, "&Picture...", 0},
                            kSeparator,
                            {kCmdBuildCharacters, "&Build Characters...", 'B'},
                            {kCmdMainAndImpact, "&Setup Main and Impact...", 'M'},
                            {kCmdCasting, "C&asting...", '0'}});

    auto* storytelling = new StoryTellingMenu(this, kStorytellingMenuId, "Storytelling");
    AddMenu(storytelling);
    AddEntries(*storytelling, {{kCmdStoryInfo, "Story &Info...", '3'},
                               {kCmdComments, "&Comments...", '4'},
                               kSeparator,
                               {kCmdReports, "&Reports...", 'R'},
                               {kCmdStoryPoints, "Story &Points...", 'Y'},
                               {kCmdPlotProgression, "Pl&ot Progression...", 'J'},
                               kSeparator,
                               {kCmdClearStorytelling, "C&lear Storytelling...", 0}});

    auto* tools = new ReferenceMenu(this, kToolsMenuId, "Tools");
    AddMenu(tools);
    AddEntries(*tools, {{kCmdDictionary, "&Fablecore Dictionary...", 'D'},
                        kSeparator,
                        {kCmdSpinTheModel, "&Spin-The-Model...", '6'},
                        {kCmdCharacterGenerator, "&Character Generator...", '7'},
                        kSeparator,
                        {kCmdThemeBrowser, "Theme &Browser...", 'T'}});

    auto* window = new WindowMenu(this, kWindowMenuId, "Window");
    SetWindowMenuIndex(AddMenu(window));
    AddEntries(*window, {{kCmdTile, "&Tile", 0},
                         {kCmdCascade, "&Cascade", 0},
                         {kCmdArrangeIcons, "Arrange &Icons", 0},
                         kSeparator,
                         {kCmdDesktop, "&Fablecore Desktop", '1'}});

    auto* help = new TMenu(this, kHelpMenuId, "&Help");
    AddMenu(help);
    AddEntries(
        *help,
        {{kCmdHelpTopics, "&Help Topics", '8'}, kSeparator, {kCmdStoryAbout, "&About Fablecore...", 0}});
}
