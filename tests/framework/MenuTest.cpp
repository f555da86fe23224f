// Menus read from 'MNU#' segments and built in code: their entries, texts and enabled states.

#include <cstring>
#include <string>
#include <vector>

#include "ApplicationFixture.h"
#include "foundation/Memory.h"
#include "platform/ui/Menus.h"

namespace apptest {
namespace {

// Stored menus, big-endian like every store: the title, a pad byte to an even length, the count,
// then the records.
class MenuRecords {
public:
    explicit MenuRecords(const std::string& title) {
        bytes_.push_back(static_cast<std::uint8_t>(title.size()));
        bytes_.insert(bytes_.end(), title.begin(), title.end());
        if (bytes_.size() % 2) bytes_.push_back(0);
        countAt_ = bytes_.size();
        Word(0);
    }
    MenuRecords& Plain(std::int16_t command, std::uint16_t flags) {
        Header(command, flags, 400);
        return Counted();
    }
    MenuRecords& Text(std::int16_t command, std::uint16_t flags, std::uint8_t modifier, char key,
                      const std::string& title) {
        Header(command, flags, 401);
        bytes_.insert(bytes_.end(),
                      {modifier, static_cast<std::uint8_t>(key), 0, static_cast<std::uint8_t>(title.size())});
        bytes_.insert(bytes_.end(), title.begin(), title.end());
        if (title.size() % 2) bytes_.push_back(0);
        return Counted();
    }
    MenuRecords& Raw(std::vector<std::uint8_t> bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return Counted();
    }
    // The record count as stored: the records made, unless told otherwise.
    void* Segment(int count = -1) const {
        std::vector<std::uint8_t> bytes = bytes_;
        const int stored = count < 0 ? records_ : count;
        bytes[countAt_] = static_cast<std::uint8_t>(stored >> 8);
        bytes[countAt_ + 1] = static_cast<std::uint8_t>(stored);
        void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
        std::memcpy(block, bytes.data(), bytes.size());
        return block;
    }

private:
    void Word(int value) {
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
        bytes_.push_back(static_cast<std::uint8_t>(value));
    }
    void Header(std::int16_t command, std::uint16_t flags, int classId) {
        Word(command);
        for (int i = 0; i < 3; ++i) Word(0);
        Word(flags);
        Word(classId);
    }
    MenuRecords& Counted() {
        ++records_;
        return *this;
    }

    std::vector<std::uint8_t> bytes_;
    std::size_t countAt_ = 0;
    int records_ = 0;
};

// The application's data file gains, in memory, the stored menus the test adds.
class StoredMenus : public ApplicationTest {
protected:
    void Add(std::int16_t id, void* segment) {
        const PFMFileScope scope(application->GetDataFile(), false);
        ASSERT_EQ(PFMAddSegment(kMenuSegmentType, static_cast<std::uint16_t>(id), segment, 1, false), kNoErr);
        PFMCheckIn(segment);
    }
    std::string Text(const TMenu& menu, int position) {
        char text[64];
        GetMenuStringA(menu.GetHMenu(), static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        return text;
    }
};

TEST_F(StoredMenus, ReadsPlainAndTextEntriesAtTheirEvenPlaces) {
    const std::string open = std::string("Open") + kStoredEllipsis;
    Add(300, MenuRecords("File")  // an even title: the count follows a pad byte
                 .Text(kCmdNew, kMenuItemCommand, kShortcutCtrl, 'N', "New")
                 .Plain(0, 0)
                 .Text(kCmdOpen, kMenuItemCommand, 0, 0, open)
                 .Text(kCmdPrint, kMenuItemCommand, 144, 'P', "Print")
                 .Segment());
    TMenu menu(application, 300, true);
    ASSERT_EQ(menu.GetItemCount(), 4);
    ASSERT_NE(menu.GetHMenu(), nullptr);
    EXPECT_EQ(Text(menu, 0), "New\tCtrl+N");
    EXPECT_NE(GetMenuState(menu.GetHMenu(), 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_EQ(Text(menu, 2), "Open...");
    EXPECT_EQ(Text(menu, 3), "Print\tCtrl+Shift+P");
    EXPECT_EQ(GetMenuItemID(menu.GetHMenu(), 3), static_cast<UINT>(kCmdPrint));
}

TEST_F(StoredMenus, StopsAtARecordItCannotRead) {
    Add(301, MenuRecords("Odd")
                 .Text(kCmdNew, kMenuItemCommand, 0, 0, "New")
                 .Raw({0x03, 0xE9, 0, 0, 0, 0, 0, 0, 0, 4, 0x01, 0x99})  // class 409: its length is unknown
                 .Text(kCmdQuit, kMenuItemCommand, 0, 0, "Quit")
                 .Segment());
    Add(302,
        MenuRecords("Cut").Text(kCmdNew, kMenuItemCommand, 0, 0, "New").Raw({0x03, 0xE9, 0, 0}).Segment());
    Add(303, MenuRecords("Too many").Plain(0, 0).Segment(9));
    EXPECT_EQ(TMenu(application, 301, true).GetItemCount(), 1);
    EXPECT_EQ(TMenu(application, 302, true).GetItemCount(), 1) << "a record cut short";
    EXPECT_EQ(TMenu(application, 303, true).GetItemCount(), 1) << "a count beyond the records";
    const TMenu missing(application, 304, true);
    EXPECT_EQ(missing.GetHMenu(), nullptr);
    EXPECT_EQ(TMenu(application, 128, nullptr).LoadItems(304), 1);
}

TEST(MenuText, ShowsTitlesAndShortcutsAsTheMenuWants) {
    const RGBColor black;
    std::int16_t flag = 9;
    EXPECT_EQ(MenuTextItem(nullptr, 1, black, kMenuItemCommand, 0, 0, 0, "").GetText(flag), " ");
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(MenuTextItem(nullptr, 1, black, kMenuItemCommand, 128, 'F', 0, "Find").GetText(flag),
              "Find\tShift+F");
    EXPECT_EQ(MenuTextItem(nullptr, 1, black, kMenuItemCommand, 8, 'F', 0, "Find").GetText(flag), "Find")
        << "a modifier byte that shows nothing";
    EXPECT_EQ(TMenuItem(nullptr, 1, black, 0).GetText(flag), "-");
    EXPECT_EQ(MenuTextItem(nullptr, 1, black, 0, kShortcutCtrl, 'K', 0, "Keep").GetShortcut(), 'K' << 8 | 16);
}

TEST_F(ApplicationTest, EntriesAreGreyedByTheirCommandsAndSubmenusUpdateWithTheBar) {
    TMenu* bar = application->GetMenu(application->GetRootMenuIndex());
    TMenu* file = application->FindMenuById(129);
    ASSERT_TRUE(bar && file);
    EXPECT_EQ(GetSubMenu(bar->GetHMenu(), 0), file->GetHMenu()) << "the File entry opens the File menu";
    application->MarkMenusStale();
    application->UpdateMenus();
    const auto greyed = [&](int position) {
        return (GetMenuState(file->GetHMenu(), static_cast<UINT>(position), MF_BYPOSITION) & MF_GRAYED) != 0;
    };
    EXPECT_FALSE(greyed(0)) << "New";
    EXPECT_TRUE(greyed(1)) << "Save: no document";
    NewDocument()->SetDirty();
    application->MarkMenusStale();
    application->UpdateMenus();
    EXPECT_FALSE(greyed(1));
    EXPECT_FALSE(application->MenusStale());
    EXPECT_EQ(file->InvokeItem(1), kNoErr);
    EXPECT_FALSE(application->GetFrontDocument()->IsDirty()) << "the entry ran Save";
}

TEST_F(ApplicationTest, ASubmenuNoMenuAnswersStaysAPlainEntryAndADashIsASeparator) {
    const RGBColor black;
    TMenu menu(application, 141, nullptr);
    auto* orphan = new MenuTextItem(&menu, 999, black, kMenuItemSubmenu, 0, 0, 0, "Orphan");
    menu.AppendItem(orphan);
    menu.AppendItem(new MenuTextItem(&menu, kCmdNew, black, kMenuItemCommand, 0, 0, 0, "-"));
    menu.ResolveSubmenus();
    EXPECT_EQ(orphan->GetSubmenu(), nullptr);
    EXPECT_EQ(orphan->GetCommandId(), 999) << "the entry keeps the id it names";
    EXPECT_EQ(GetSubMenu(menu.GetHMenu(), 0), nullptr);
    EXPECT_FALSE(orphan->IsEnabled());
    EXPECT_NE(GetMenuState(menu.GetHMenu(), 1, MF_BYPOSITION) & MF_SEPARATOR, 0u)
        << "a text entry titled \"-\"";
}

TEST_F(ApplicationTest, MenusMadeInCodeChangeTheirEntriesByPosition) {
    const RGBColor black;
    TMenu menu(application, 140, nullptr);
    auto text = [&](int position) {
        char shown[64];
        GetMenuStringA(menu.GetHMenu(), static_cast<UINT>(position), shown, sizeof shown, MF_BYPOSITION);
        return std::string(shown);
    };
    menu.InsertItem(new MenuTextItem(&menu, kCmdNew, black, kMenuItemCommand, 0, 0, 0, "B"), 5);
    menu.InsertItem(new MenuTextItem(&menu, kCmdOpen, black, kMenuItemCommand, 0, 0, 0, "A"), -3);
    menu.AppendItem(new MenuTextItem(&menu, kCmdQuit, black, kMenuItemCommand, 0, 0, 0, "C"));
    ASSERT_EQ(GetMenuItemCount(menu.GetHMenu()), 3);
    EXPECT_EQ(text(0) + text(1) + text(2), "ABC") << "positions are clamped to the list";

    menu.CheckItem(1, true);
    menu.EnableItem(2, false);
    EXPECT_NE(GetMenuState(menu.GetHMenu(), 1, MF_BYPOSITION) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(menu.GetHMenu(), 2, MF_BYPOSITION) & MF_GRAYED, 0u);

    menu.SetItemTitleFromText("Renamed", 0);
    EXPECT_EQ(text(0), "A") << "the title changes, the entry shows it once refreshed";
    menu.RefreshItemText(0);
    EXPECT_EQ(text(0), "Renamed");

    menu.RemoveItems(0, 1);
    ASSERT_EQ(menu.GetItemCount(), 1);
    EXPECT_EQ(text(0), "C");
    EXPECT_EQ(menu.InvokeItem(7), 0) << "no entry there";
}

}  // namespace
}  // namespace apptest
