#pragma once
// An application started in the test's process, headless, over the application data file the
// build makes, with small documents and MDI windows of its own and a menu bar built in code.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "foundation/pfm/PFM.h"
#include "framework/Alerts.h"
#include "framework/AppEnvironment.h"
#include "framework/FakeItems.h"
#include "framework/MsgEvent.h"
#include "framework/TAppl.h"
#include "framework/TDoc.h"
#include "framework/TMenu.h"
#include "framework/TWindow.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Window.h"
#include "support/ClearedClipboard.h"
#include "support/ScopedCurrentFolder.h"
#include "support/ScopedEnv.h"
#include "support/WindowSystemScope.h"

namespace apptest {

using namespace win;

// An MDI child of the application, shown at once, with one item that holds the focus and can take
// the edit commands when the test says so.
class TestWindow : public TWindow {
public:
    TestWindow(TAppl* application, TDoc* document, const char* title = "window")
        : TWindow(application, &kPlace, document, kChildMode, 0, title) {
        auto* items = new fakes::FakeItemList;
        editItem = items->Add(new fakes::FakeItem(kEditViewAltClassId, true));
        SetItemList(items);
        SetUpItems();
        Show();
    }
    ErrCode PreparePrinter() override { return 0; }
    bool CanPrint() override { return printable; }
    void Print() override { ++prints; }

    static constexpr ShortRect kPlace{10, 10, 160, 210};
    fakes::FakeItem* editItem = nullptr;
    bool printable = false;
    int prints = 0;
};

// A document with one window and no store; saving only counts, and closing is refused while the
// test says so.
class TestDoc : public TDoc {
public:
    explicit TestDoc(TAppl* application) : TDoc(application) {}

    ErrCode Open(const FileRef* file) override {
        if (file) file_ = *file;
        if (openResult == kNoErr) new TestWindow(application_, this, file ? file->NamePtr() : "untitled");
        return openResult;
    }
    ErrCode Save(std::int16_t* cancelled) override {
        if (cancelled) *cancelled = 0;
        ++saves;
        SetClean();
        return 0;
    }
    ErrCode SaveAs(std::int16_t* cancelled) override { return Save(cancelled); }
    ErrCode SaveACopy(std::int16_t* cancelled) override { return Save(cancelled); }
    ErrCode Revert() override {
        SetClean();
        return 0;
    }
    bool CanCloseWindow(TWindow* /*window*/, bool force) override { return force || !refuseClose; }

    ErrCode openResult = kNoErr;
    bool refuseClose = false;
    int saves = 0;
};

class TestAppl : public TAppl {
public:
    using TAppl::TAppl;

    TDoc* CreateDocument() override {
        ++documentsMade;
        return makeDocument ? makeDocument(this) : new TestDoc(this);
    }
    const FourCC* GetOpenFileTypes() const override { return openTypes; }
    ErrCode GetDataFileRef(FileRef& file) override {
        file = FileRef(dataFile.c_str());
        return kNoErr;
    }
    ErrCode OpenFile(const char* path) override {
        openedFiles.emplace_back(path);
        return TAppl::OpenFile(path);
    }
    // The about box is a note, which runs no command queued meanwhile.
    void ShowAboutBox() override { AlertMessage(GetAppName().c_str(), kAlertNote, 1); }
    // The first and last stops of the key road: they note every key and take those they are given.
    bool PreviewKey(KeyEvent& event) override { return Note(event, previewedKeys, previewTakes); }
    bool HandleUnusedKey(KeyEvent& event) override { return Note(event, unusedKeys, unusedTakes); }
    std::unique_ptr<TCommand> CreateCommand(std::int32_t id) override {
        createdCommands.push_back(id);
        return TAppl::CreateCommand(id);
    }
    // File (New Ctrl+N, Save Ctrl+S, a '-' entry Ctrl+-, Print Ctrl+Shift+P, Revert Ctrl+Alt+R, a
    // separator, Quit Ctrl+Q) on a menu bar.
    void BuildMenus() override {
        auto* file = new FileMenu(this, 129, nullptr);
        const RGBColor black;
        auto add = [&](std::int32_t id, std::uint8_t modifier, char key, const char* title) {
            file->AppendItem(new MenuTextItem(file, id, black, kMenuItemCommand, modifier, key, 0, title));
        };
        add(kCmdNew, kShortcutCtrl, 'N', "New");
        add(kCmdSave, kShortcutCtrl, 'S', "Save");
        add(kCmdTile, kShortcutCtrl, '-', "Tile");
        add(kCmdPrint, kShortcutCtrl | kShortcutShift, 'P', "Print");
        add(kCmdRevert, kShortcutCtrl | kShortcutAlt, 'R', "Revert");
        file->AppendItem(new TMenuItem(file, 0, black, 0));
        add(kCmdQuit, kShortcutCtrl, 'Q', "Quit");
        auto* bar = new RootMenu(this, 128, nullptr);
        bar->AppendItem(new MenuTextItem(bar, 129, black, kMenuItemSubmenu, 0, 0, 0, "File"));
        SetRootMenuIndex(AddMenu(bar));
        AddMenu(file);
    }

    static bool Note(const KeyEvent& event, std::vector<std::int32_t>& seen, std::int32_t take) {
        seen.push_back(event.GetKey());
        return event.GetKey() == take;
    }

    std::string dataFile;
    // The documents the application makes (TestDoc when empty) and the types it opens.
    std::function<TDoc*(TAppl*)> makeDocument;
    const FourCC* openTypes = nullptr;
    std::vector<std::int32_t> previewedKeys;
    std::vector<std::int32_t> unusedKeys;
    std::int32_t previewTakes = -1;
    std::int32_t unusedTakes = -1;
    int documentsMade = 0;
    std::vector<std::string> openedFiles;
    std::vector<std::int32_t> createdCommands;
};

// The program folder is the test's own, so the frame's placement goes there; the data file is the
// one the build made. The program, configuration and temporary folders and the current folder are
// put back when the test ends.
class ApplicationTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string builtFolder = std::getenv("FABLECORE_PROGRAM_DIR");
    HeadlessPresenter presenter{SIZE{800, 600}};
    // The windows, keys and waiting input a test leaves go when it ends.
    WindowSystemScope windowSystem{presenter};
    ClearedClipboard emptiedClipboard;
    AppEnvironment environment;
    TestAppl* application = nullptr;
    ScopedEnv ownFolders;
    ScopedCurrentFolder startedIn;

    // The stores' swap files go to a temporary folder of the test's own: a test whose forked child
    // ends the program removes the files of the stores it inherited, whose names another test
    // process may be using by then.
    void SetUp() override {
        ownFolders.Set("FABLECORE_PROGRAM_DIR", folder.Path());
        ::mkdir((folder / "tmp").c_str(), 0700);
        ownFolders.Set("TMPDIR", folder / "tmp");
        ownFolders.Set("XDG_CONFIG_HOME", folder / "config");
        Start();
    }
    void TearDown() override { Stop(); }

    void Start() {
        SetAppEnvironment(&environment);
        application = new TestAppl(&environment);
        application->dataFile = builtFolder + "/Fablecor.qrv";
        ASSERT_EQ(application->Init(), kNoErr);
        presenter.DispatchPending();
    }
    void Stop() {
        if (!application) return;
        // Whatever a test left changed goes without a question.
        for (std::int32_t i = 0; i < application->GetDocumentCount(); ++i)
            application->GetDocument(i)->SetClean();
        application->CloseAll(true);
        delete application;
        application = nullptr;
        SetAppEnvironment(nullptr);
    }

    TestDoc* NewDocument() {
        EXPECT_EQ(application->NewDocument(false), kNoErr);
        return static_cast<TestDoc*>(application->GetDocument(application->GetDocumentCount() - 1));
    }
    HWND Frame() const { return application->GetFrameWindow(); }
};

}  // namespace apptest
