// The program run end to end, headless: it starts with its splash screen, its frame, its MDI client
// and its menu bar, runs menu commands (the about box, the user guide, an export; an id without a
// command says so), quits and leaves nothing behind; and when a data file it cannot run without is
// missing or damaged it says so, leaves the file where it is and ends with a failure, never a crash.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "FrontEndPoints.h"
#include "ProgramFixture.h"
#include "StoreFiles.h"
#include "app/AboutBoxDialog.h"
#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/FQSPrefArea.h"
#include "app/GeneralPrefArea.h"
#include "app/PrefFrontEnd.h"
#include "app/PreferencesManager.h"
#include "app/PrefsWindow.h"
#include "app/ReportPrefArea.h"
#include "app/SplashAppearance.h"
#include "app/StoryCommandIds.h"
#include "app/TermPrefArea.h"
#include "foundation/pfm/PText.h"
#include "framework/AboutAppLib.h"
#include "framework/Alerts.h"
#include "framework/AppEnvironment.h"
#include "framework/AutoSaveManager.h"
#include "framework/ItemObjectFactory.h"
#include "framework/StandardCommands.h"
#include "framework/TWindow.h"
#include "framework/TypingHold.h"
#include "framework/WindowItems.h"
#include "framework/graphics/Cursors.h"
#include "items/CheckBox.h"
#include "items/EditView.h"
#include "items/RadioBtn.h"
#include "platform/gdi/Cursor.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"
#include "platform/sys/Profile.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/TimerTable.h"
#include "platform/ui/VirtualKeys.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/Scene.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/BusyPhase.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryformSolver.h"
#include "storymodel/engine/Vocabulary.h"
#include "support/DialogObjects.h"
#include "widgets/Popup.h"

namespace apptest {
namespace {


void CompareScreen(const char* name) {
    const Surface& screen = GetScreenSurface();
    const std::filesystem::path reference = std::filesystem::path(APP_TEST_DATA) / name;
    if (std::getenv("FABLECORE_WRITE_REFERENCE")) {
        ASSERT_TRUE(screen.WritePng(reference.string()));
        return;
    }
    const std::unique_ptr<Surface> expected = Surface::ReadPng(reference.string());
    ASSERT_NE(expected, nullptr) << reference;
    ASSERT_EQ(expected->Width(), screen.Width());
    EXPECT_LE(gditest::DifferingPixels(screen, *expected), screen.Width() * screen.Height() / 500) << name;
}

// The window's part of the screen against its reference picture.
void CompareProgramWindow(HWND window, const char* name) {
    gditest::ExpectMatchesReference(*WindowPicture(window), std::filesystem::path(APP_TEST_DATA) / name);
}

void OpenMenu(HeadlessPresenter& presenter, char letter) {
    presenter.KeyDown(VK_MENU);
    presenter.PressKey(static_cast<UINT>(letter));
    presenter.KeyUp(VK_MENU);
}

TEST_F(ProgramTest, ShowsItsFrameRunsAMenuCommandAndQuitsLeavingNothingBehind) {
    InstallBuiltDataFiles();
    const long gdiObjects = GetLiveGdiObjectCount();
    const long cursors = GetLiveCursorCount();
    HWND frame = nullptr;
    std::string firstCredits;
    Then([&] {
        frame = GetPresentedFrame();
        ASSERT_NE(frame, nullptr);
        ASSERT_NE(GetMenu(frame), nullptr);
        EXPECT_EQ(GetMenuItemCount(GetMenu(frame)), 8)
            << "File, Edit, Storyforming, Character, Storytelling, Tools, Window, Help";
        EXPECT_FALSE(SplashAppearance::Exists()) << "the splash screen went before the program waited";
        // The OS window (and so the taskbar) shows the product and its version, as the program's
        // name does.
        String version;
        ASSERT_TRUE(GetVersionText(version));
        EXPECT_EQ(presenter.FrameTitle(), std::string("Fablecore ") + version.CStr());
        EXPECT_EQ(presenter.FrameTitle(), GetAppl()->GetAppName());
        char title[64] = {};
        GetWindowTextA(frame, title, sizeof title);
        EXPECT_EQ(presenter.FrameTitle(), title);
        CompareScreen("program-frame.png");
        {
            const BusyPhase longWork;
            EXPECT_TRUE(IsBusyCursorShowing()) << "long work of the story model shows the busy cursor";
        }
        EXPECT_FALSE(IsBusyCursorShowing());
        OpenMenu(presenter, 'F');
    });
    // The File menu is open: what cannot run now is greyed.
    Then([&] {
        CompareScreen("program-file-menu.png");
        presenter.PressKey(VK_ESCAPE);
        presenter.PressKey(VK_ESCAPE);
    });
    Then([&] { OpenMenu(presenter, 'H'); });
    // The Help menu is open: About shows the story application's about box, which Return closes.
    Then([&] { presenter.PressKey('A'); });
    Then([&] {
        const HWND about = GetActiveWindow();
        ASSERT_NE(about, frame);
        char caption[32] = {};
        GetWindowTextA(about, caption, sizeof caption);
        EXPECT_STREQ(caption, "About Fablecore");
        AboutBoxDialog* box = testsupport::DialogOf<AboutBoxDialog>(about);
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->GetCreditsView(), nullptr);
        firstCredits = box->GetCreditsView()->GetText();
        EXPECT_EQ(firstCredits, ReadCredits());
        CompareProgramWindow(about, "about-box.png");
        CompareScreen("program-about-box.png");
        presenter.PressKey(VK_RETURN);
    });
    // Opened again, it shows the same.
    Then([&] {
        EXPECT_EQ(GetActiveWindow(), frame) << "the about box is gone";
        OpenMenu(presenter, 'H');
    });
    Then([&] { presenter.PressKey('A'); });
    Then([&] {
        const HWND about = GetActiveWindow();
        ASSERT_NE(about, frame);
        AboutBoxDialog* box = testsupport::DialogOf<AboutBoxDialog>(about);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetCreditsView()->GetText(), firstCredits);
        CompareProgramWindow(about, "about-box.png");
        presenter.PressKey(VK_ESCAPE);
    });
    Then([&] {
        EXPECT_EQ(GetActiveWindow(), frame) << "the about box is gone";
        Shortcut(presenter, 'Q');
    });

    EXPECT_EQ(RunProgram(), 0);

    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(LiveWindowCount(), 0);
    EXPECT_EQ(win::detail::TimerCount(), 0u);
    EXPECT_EQ(GetLiveGdiObjectCount(), gdiObjects);
    EXPECT_EQ(GetLiveCursorCount(), cursors);
}

// The splash screen shows while the program starts and goes two seconds after the message loop
// first runs its start-up commands; the new story opens then.
TEST_F(ProgramTest, TheSplashScreenStaysTwoSecondsAndTheNewStoryFollowsIt) {
    InstallBuiltDataFiles();
    const DWORD started = presenter.Now();
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        EXPECT_FALSE(SplashAppearance::Exists());
        EXPECT_GE(presenter.Now() - started, 2000u);
        EXPECT_EQ(GetAppl()->GetDocumentCount(), 1);
        EXPECT_TRUE(GetAppl()->CommandEnabled(kCmdStoryAbout));
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(LiveWindowCount(), 0);
}

// Help Topics shows the user guide beside the program with the desktop's opener; without the guide, or
// without an opener, a box says what is missing.
TEST_F(ProgramTest, HelpTopicsShowsTheUserGuide) {
    InstallBuiltDataFiles();
    Then([&] { Shortcut(presenter, '8'); });
    Then([&] {
        ASSERT_EQ(presenter.FilesShown().size(), 1u);
        EXPECT_EQ(presenter.FilesShown()[0], ProgramFile("Fablecore.html"));
        std::ifstream guide(presenter.FilesShown()[0]);
        const std::string text((std::istreambuf_iterator<char>(guide)), std::istreambuf_iterator<char>());
        for (const char* part : {"Starting a story", "The menus", "Files", "Preferences"})
            EXPECT_NE(text.find(part), std::string::npos) << part;
        // The guide calls no tool unfinished.
        for (const char* unfinished : {"not implemented", "still being built", "not ready yet"})
            EXPECT_EQ(text.find(unfinished), std::string::npos) << unfinished;
        presenter.SetDesktopOpener(false);
        presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
        OpenMenu(presenter, 'H');
    });
    Then([&] { presenter.PressKey('H'); });
    Then([&] {
        std::filesystem::remove(ProgramFile("Fablecore.html"));
        presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
        Shortcut(presenter, '8');
    });
    Then([] { PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(RunProgram(), 0);
    const std::vector<std::string> said = BoxTexts();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_NE(said[0].find("no program to open it"), std::string::npos) << said[0];
    EXPECT_NE(said[1].find("there is no file '" + ProgramFile("Fablecore.html") + "'"), std::string::npos)
        << said[1];
    EXPECT_EQ(presenter.FilesShown().size(), 1u);
}

// The commands of windows this version does not have say so, from the menu and from their shortcuts.
TEST_F(ProgramTest, ExportToScenewrightFromTheMenuWritesItsFileAndAnIdWithoutACommandSaysSo) {
    InstallBuiltDataFiles();
    const std::string outline = folder / "outline.txt";
    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, outline});
    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{FALSE, {}});
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        ASSERT_EQ(GetAppl()->GetDocumentCount(), 1);
        OpenMenu(presenter, 'F');
    });
    Then([&] { presenter.PressKey('T'); });
    Then([&] { OpenMenu(presenter, 'F'); });
    Then([&] { presenter.PressKey('T'); });  // cancelled this time
    Then([] { PostMessageA(GetPresentedFrame(), WM_COMMAND, kCmdNotImplemented, 0); });
    Then([] { PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(TempFolder::ReadFile(outline), "Your Story\n\nThis story has no scenes yet.\n");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"untitled Scenes.txt", "untitled Scenes.txt",
                                                    "Command not yet Implemented in this version."}));
}

// The Reports command of the running program opens the story's one report window, titled for it.
TEST_F(ProgramTest, TheReportsCommandOpensTheStorysReportWindow) {
    InstallBuiltDataFiles();
    std::string title;
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        ASSERT_EQ(GetAppl()->GetDocumentCount(), 1);
        Shortcut(presenter, 'R');
    });
    Then([&] {
        const auto* story = static_cast<FKDoc*>(GetAppl()->GetDocument(0));
        ASSERT_NE(story->GetRepWindow(), nullptr) << "the Reports command opened no window";
        title = story->GetRepWindow()->GetTitle();
        EXPECT_EQ(GetAppl()->GetFrontWindow(), story->GetRepWindow());
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(title, "Reports for Your Story");
    EXPECT_TRUE(BoxTexts().empty());
}

// The Query System command of the running program opens the story's one query window on its first
// list; the pronoun question follows the window.
TEST_F(ProgramTest, TheQuerySystemCommandOpensTheStorysQueryWindow) {
    InstallBuiltDataFiles();
    std::string title;
    bool asked = false;
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        ASSERT_EQ(GetAppl()->GetDocumentCount(), 1);
        Shortcut(presenter, 'U');
    });
    Then([&] {
        const auto* story = static_cast<FKDoc*>(GetAppl()->GetDocument(0));
        ASSERT_NE(story->GetFQSWindow(), nullptr) << "the Query System command opened no window";
        title = story->GetFQSWindow()->GetTitle();
        asked = GetActiveWindow() != GetPresentedFrame();
        presenter.PressKey(VK_RETURN);  // the pronoun question's default answer
    });
    Then([] { PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(title.rfind("Fablecore Query System", 0), 0u) << title;
    EXPECT_TRUE(asked) << "the pronoun question follows the window";
}

TEST(MainRoutine, FailsWithoutAnApplicationObject) { EXPECT_EQ(AppMain(nullptr), -1); }

// The window manager's close button while a dialog is open: the frame is disabled, and the request
// waits for the dialog; then it goes through Quit's questions (here there is nothing to ask).
TEST_F(ProgramTest, ACloseRequestWhileADialogIsOpenWaitsForTheDialog) {
    InstallBuiltDataFiles();
    HWND frame = nullptr;
    HWND about = nullptr;
    Then([&] {
        frame = GetPresentedFrame();
        PostMessageA(frame, WM_COMMAND, kCmdAbout, 0);
    });
    Then([&] {
        about = GetActiveWindow();
        ASSERT_NE(about, frame);
        EXPECT_FALSE(IsWindowEnabled(frame)) << "a modal dialog disables the frame";
        // What the SDL presenter posts when the OS window's close button is pressed, and what it
        // posts when the session asks the program to quit.
        PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
        PostMessageA(frame, WM_CLOSE, 0, 0);
    });
    bool closedTheDialog = false;
    const auto dialogStillOpen = [&] {
        EXPECT_TRUE(IsWindow(frame));
        EXPECT_TRUE(IsWindow(about)) << "the dialog is still open";
        EXPECT_EQ(GetActiveWindow(), about);
    };
    Then(dialogStillOpen);
    Then(dialogStillOpen);
    Then([&] {
        dialogStillOpen();
        closedTheDialog = true;
        presenter.PressKey(VK_RETURN);
    });
    // Nothing more is played: the close request, carried out once the dialog ended, ends the program.
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(closedTheDialog) << "the program ended while the dialog was open";
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(LiveWindowCount(), 0);
}

// A place and size remembered on a larger desktop is brought inside the work area of the desktop the
// program's window is on now (the desktop less its taskbar).
TEST_F(ProgramTest, ARememberedFrameThatNoLongerFitsIsBroughtInsideTheWorkArea) {
    InstallBuiltDataFiles();
    std::string profile;
    ASSERT_TRUE(GetProgramProfilePath(profile));
    const std::pair<const char*, const char*> remembered[] = {
        {"Maxed", "0"}, {"XPos", "500"}, {"YPos", "400"}, {"Width", "1200"}, {"Height", "900"}};
    for (const auto& [key, value] : remembered)
        WritePrivateProfileStringA("APP_FRAME", key, value, profile.c_str());
    presenter.SetFrameDesktop(RECT{0, 0, 800, 560});  // an 800 x 600 desktop with a 40-pixel taskbar
    RECT placed{};
    Then([&] {
        GetWindowRect(GetPresentedFrame(), &placed);
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_LE(placed.right - placed.left, 800);
    EXPECT_LE(placed.bottom - placed.top, 560) << "clear of the taskbar";
    EXPECT_GE(placed.bottom - placed.top, 500);
}

TEST_F(ProgramTest, QuitFromTheMenuBarClosesTheFrame) {
    InstallBuiltDataFiles();
    Then([&] { OpenMenu(presenter, 'F'); });
    // File > Exit.
    Then([&] { presenter.PressKey('X'); });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(LiveWindowCount(), 0);
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(ProgramTest, FileOpenAsksWithTheOpenChooser) {
    InstallBuiltDataFiles();
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{FALSE, {}});
    Then([&] { Shortcut(presenter, 'O'); });
    Then([&] { Shortcut(presenter, 'Q'); });
    EXPECT_EQ(RunProgram(), 0);
    ASSERT_FALSE(presenter.PromptsAsked().empty());
    EXPECT_EQ(presenter.PromptsAsked().back().kind, "OpenFile");
    EXPECT_EQ(presenter.UnusedPromptAnswers(), 0u);
}

// The system hands the arguments over as UTF-8; the program keeps them as Windows-1252 text.
TEST_F(ProgramTest, ArgumentsBecomeProgramTextAndOneWithoutThatFormIsNamedAndLeftOut) {
    InstallBuiltDataFiles();
    Then([&] {
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
        const AppEnvironment* environment = GetAppEnvironment();
        EXPECT_EQ(environment->GetArgumentCount(), 2);
        EXPECT_EQ(std::string(environment->GetArguments()[1]), "Caf\xE9.fsf");
        EXPECT_STREQ(environment->GetCommandLine(), "Caf\xE9.fsf");
    });
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RunProgram({"\xD0\xA1\xD1\x8E.fsf", "Caf\xC3\xA9.fsf"}), 0);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("\"\xD0\xA1\xD1\x8E.fsf\" holds characters"), std::string::npos) << said;
}

// Neither its own files nor names relative to the current folder could be found.
TEST_F(ProgramTest, APlaceWhoseNameTheProgramCannotKeepIsNamedAndNothingStarts) {
    const std::string cyrillic = folder / "\xD0\xA1\xD1\x8E";
    ASSERT_EQ(::mkdir(cyrillic.c_str(), 0700), 0);
    // Were the program to start all the same, it would end at once.
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    Then([] { PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0); });
    const auto failsSaying = [&](const std::string& words) {
        ::testing::internal::CaptureStderr();
        EXPECT_NE(RunProgram(), 0);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(words), std::string::npos) << said;
        EXPECT_EQ(LiveWindowCount(), 0);
    };
    ownFolders.Set("FABLECORE_PROGRAM_DIR", cyrillic);
    failsSaying("cannot run from \"" + cyrillic + "\"");
    ownFolders.Set("FABLECORE_PROGRAM_DIR", folder / "program");
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(cyrillic);
    failsSaying("cannot start in the current folder \"" + cyrillic + "\"");
    std::filesystem::current_path(here);
}

class StartFailures : public ProgramTest {
protected:
    // The program's name and version, as its boxes name it.
    static std::string AppName() {
        String version;
        EXPECT_TRUE(GetVersionText(version));
        return std::string("Fablecore ") + version.CStr();
    }
    void Arrange(bool dataFile, bool commands, bool engine, bool pictures = true) {
        if (dataFile)
            std::filesystem::create_symlink(builtFolder + "/Fablecor.qrv", ProgramFile("Fablecor.qrv"));
        if (commands) std::filesystem::create_directory(ProgramFile("Commands"));
        if (engine)
            std::filesystem::create_symlink(builtFolder + "/Commands/engine.qrv",
                                            ProgramFile("Commands/engine.qrv"));
        if (commands && pictures)
            std::filesystem::create_symlink(builtFolder + "/Commands/charpix.qrv",
                                            ProgramFile("Commands/charpix.qrv"));
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(ProgramFile(name)) << bytes;
    }

    // Runs the program, which must end with a failure after one box, leaving no window.
    std::string FailingStart() {
        const std::size_t asked = presenter.PromptsAsked().size();
        presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
        EXPECT_NE(RunProgram(), 0);
        EXPECT_EQ(LiveWindowCount(), 0);
        EXPECT_EQ(presenter.PromptsAsked().size(), asked + 1);
        if (presenter.PromptsAsked().size() > asked) {
            EXPECT_EQ(presenter.PromptsAsked().back().caption, AppName()) << "the application's name";
        }
        return presenter.PromptsAsked().size() > asked ? presenter.PromptsAsked().back().text : std::string();
    }
};

TEST_F(StartFailures, AMissingApplicationDataFileIsNamed) {
    Arrange(false, true, true);
    EXPECT_EQ(FailingStart(), "Cannot find the file '" + ProgramFile("Fablecor.qrv") + "'.  " + AppName() +
                                  " needs this file to run!\n\nQuit now and fix this problem.\n" + kSupportLine);
}

TEST_F(StartFailures, ADamagedApplicationDataFileIsNamedAndKept) {
    Arrange(false, true, true);
    Write("Fablecor.qrv", "not a store at all");
    EXPECT_EQ(FailingStart().rfind("The application data file '" + ProgramFile("Fablecor.qrv") + "' is corrupt.  " +
                                       AppName() + " needs this file to run!",
                                   0),
              0u);
    EXPECT_TRUE(std::filesystem::exists(ProgramFile("Fablecor.qrv")));
}

TEST_F(StartFailures, TheApplicationDataFileIsFoundInTheCommandsFolderFirst) {
    Arrange(true, true, true);
    Write("Commands/FABLECOR.QRV", "damaged, and found first whatever its case");
    EXPECT_NE(FailingStart().find("Commands/FABLECOR.QRV' is corrupt"), std::string::npos);
}

TEST_F(StartFailures, AMissingOrDamagedEngineFileIsNamedAndKept) {
    const std::string expected =
        "Missing or damaged file 'engine.qrv'.\n\nAn undamaged copy must be located in the subdirectory "
        "'Commands'.\n\nFablecore can't run without it!";
    Arrange(true, true, false);
    EXPECT_EQ(FailingStart(), expected);

    // A store that holds no engine tables.
    std::filesystem::copy_file(builtFolder + "/Fablecor.qrv", ProgramFile("Commands/engine.qrv"));
    EXPECT_EQ(FailingStart(), expected);
    EXPECT_TRUE(std::filesystem::exists(ProgramFile("Commands/engine.qrv")));
}

TEST_F(StartFailures, AMissingOrDamagedPictureFileIsNamedAndKept) {
    const std::string expected =
        "Missing or damaged file 'charpix.qrv'.\n\nAn undamaged copy must be located in the subdirectory "
        "'Commands'.\n\nFablecore can't run without it!";
    Arrange(true, true, true, false);
    EXPECT_EQ(FailingStart(), expected);
    Write("Commands/CHARPIX.QRV", "not a store, found whatever its case");
    EXPECT_EQ(FailingStart(), expected);
    EXPECT_TRUE(std::filesystem::exists(ProgramFile("Commands/CHARPIX.QRV"))) << "left for the writer to replace";
}

// The context file is optional: missing or damaged, the program starts as ever and says nothing.
TEST_F(StartFailures, AMissingOrDamagedContextFileIsNoFailure) {
    Arrange(true, true, true);
    const auto startsQuietly = [&] {
        Then([] { PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0); });
        EXPECT_EQ(RunProgram(), 0);
        EXPECT_TRUE(BoxTexts().empty());
    };
    startsQuietly();
    Write("Commands/context.qrv", "damaged");
    startsQuietly();
    EXPECT_TRUE(std::filesystem::exists(ProgramFile("Commands/context.qrv")));
}

TEST_F(StartFailures, AMissingCommandsFolderIsNamed) {
    Arrange(true, false, false);
    EXPECT_EQ(FailingStart().rfind("Cannot find the folder called 'Commands' in '" + ProgramFile("") +
                                       "'.  Fablecore needs this folder to run!",
                                   0),
              0u);
}

}  // namespace
}  // namespace apptest

namespace apptest {
namespace {

// How many message boxes the program showed (choosers not counted).
std::size_t MessageBoxes(const HeadlessPresenter& presenter) {
    return static_cast<std::size_t>(
        std::count_if(presenter.PromptsAsked().begin(), presenter.PromptsAsked().end(),
                      [](const PromptRequest& prompt) { return prompt.kind == "MessageBox"; }));
}

// A writer's day: the program starts with a new story, which is titled, saved with Ctrl+S and the
// file chooser, and the program quits; started again with the file named, it shows the story as it
// was; File > Open and a file dropped on the window open it too.
TEST_F(ProgramTest, ANewStoryIsSavedAndOpensAgainAsItWas) {
    InstallBuiltDataFiles();
    const std::string saved = folder / "day.fsf";
    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, saved});
    std::string firstTitle;
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        const TAppl* application = GetAppl();
        ASSERT_EQ(application->GetDocumentCount(), 1) << "a new story at start";
        auto* story = static_cast<FKDoc*>(application->GetDocument(0));
        story->GetInfoRecord().SetEntry("Title", 'c', "A Day's Work");
        story->GetCharacterManager()->CreateCharacter("Walker", 0, 0, 0, 0, false);
        story->UpdateWindowTitles();
        Shortcut(presenter, 'S');
    });
    Then([&] {
        const auto* story = static_cast<FKDoc*>(GetAppl()->GetDocument(0));
        EXPECT_FALSE(story->IsDirty());
        firstTitle = story->GetFrontEndWindow()->GetTitle();
        Shortcut(presenter, 'Q');
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(firstTitle, "day.fsf - A Day's Work");
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_TRUE(std::filesystem::exists(ProgramFile("fablecor.prf"))) << "the preferences are kept";
    EXPECT_EQ(MessageBoxes(presenter), 0u);

    const auto expectOpened = [&] {
        const TAppl* application = GetAppl();
        ASSERT_EQ(application->GetDocumentCount(), 1);
        auto* story = static_cast<FKDoc*>(application->GetDocument(0));
        EXPECT_EQ(story->GetFileName(), "day.fsf");
        EXPECT_EQ(story->GetFrontEndWindow()->GetTitle(), "day.fsf - A Day's Work");
        EXPECT_EQ(story->GetCharacterManager()->GetCount(), 3);
        EXPECT_FALSE(story->IsDirty());
    };
    // Named on the command line.
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        expectOpened();
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram({saved}), 0);

    // Chosen in File > Open: the new story of the start makes way for it.
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{TRUE, saved});
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] { Shortcut(presenter, 'O'); });
    Then([&] {
        expectOpened();
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram(), 0);

    // Dropped on the window.
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] { EXPECT_TRUE(presenter.DropFiles({saved}, POINT{300, 300})); });
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        expectOpened();
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(LiveWindowCount(), 0);
    EXPECT_EQ(MessageBoxes(presenter), 0u);
}

// A story file the program made, checked in: it opens, with its characters, scenes and answers.
TEST_F(ProgramTest, AStoryFileMadeByTheProgramOpens) {
    InstallBuiltDataFiles();
    const std::string copy = folder / "checked-in.fsf";
    std::filesystem::copy_file(std::string(APP_TEST_DATA) + "/checked-in.fsf", copy);
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        const TAppl* application = GetAppl();
        ASSERT_EQ(application->GetDocumentCount(), 1);
        auto* story = static_cast<FKDoc*>(application->GetDocument(0));
        EXPECT_EQ(story->GetFrontEndWindow()->GetTitle(), "checked-in.fsf - The Long Road");
        EXPECT_EQ(story->GetCharacterManager()->GetCount(), 3);
        EXPECT_EQ(story->GetSceneManager()->GetSceneCount(), 1);
        EXPECT_EQ(story->GetQuestionStatus().GetStatus(42, 7), 1);
        EXPECT_EQ(story->GetStoryFormManager()->GetChoice(1000), 1001);
        EXPECT_FALSE(story->IsDirty());
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram({copy}), 0);
    EXPECT_TRUE(BoxTexts().empty());
}

// What a read finds for a key the record does not hold.
constexpr std::int16_t kMissing = -999;

// A point inside the item, on the screen.
POINT OnItem(const TItem& item) {
    const ShortRect bounds = item.Bounds();
    POINT point{bounds.left + 6, (bounds.top + bounds.bottom) / 2};
    ClientToScreen(item.GetParentHWnd(), &point);
    return point;
}

FKDoc* FrontStory() {
    return GetAppl()->GetDocumentCount() > 0 ? static_cast<FKDoc*>(GetAppl()->GetDocument(0)) : nullptr;
}

PrefsWindow* PreferencesOf(const FKDoc* story) {
    return story ? dynamic_cast<PrefsWindow*>(story->GetPrefsWindow()) : nullptr;
}

// A writer's whole session: a new story gets a title, characters, a scene, storyform choices and
// answers through the story document; the preferences window, opened from the Edit menu, is changed
// with clicks and keys on every page; the story is saved and the program quits. Started again with
// the story, the program has the preferences in force, and every record of the story and of the
// preferences file is as it was.
TEST_F(ProgramTest, AWritersSessionIsKeptWholeAcrossAQuitAndAStart) {
    InstallBuiltDataFiles();
    const std::string saved = folder / "session.fsf";
    const std::string copy = folder / "session copy.fsf";
    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, saved});
    PrefsWindow* window = nullptr;
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        FKDoc* story = FrontStory();
        ASSERT_NE(story, nullptr);
        CompareScreen("session-front-end.png");
        story->GetInfoRecord().SetEntry("Title", 'c', "The Long Session");
        story->GetInfoRecord().SetEntry("Author", 'c', "A. Writer");
        CharacterManager& cast = *story->GetCharacterManager();
        cast.CreateCharacter("Ana", 1, 0, 0, 0, false);
        cast.CreateCharacter("Ben", 0, 0, 0, 0, false);
        // A storyform choice, and the story's count of storyforms made again, as the query
        // system does after every answer.
        story->GetStoryFormManager()->SetChoice(1000, 1001);
        StoryformSolver solver(*story->GetStoryFormManager());
        StoryPointIDList constrained;
        solver.CollectConstrainedPoints(constrained);
        solver.SetConstraints(nullptr, constrained);
        story->SetStoryformCount(solver.CountStoryforms());
        EXPECT_LT(story->GetStoryformCount(), 32768) << "the choice narrowed the storyforms";
        SceneManager& scenes = *story->GetSceneManager();
        scenes.SceneAt(scenes.InsertScene(0))->SetTitle("The Meeting");
        story->GetStorytellingRecord().SetEntry("Synopsis", 'c', "Two people meet.");
        story->GetQuestionStatus().SetStatus(1, 42, 7);
        story->SetDirty();
        story->UpdateWindowTitles();
        // Edit > Preferences.
        OpenMenu(presenter, 'E');
    });
    Then([&] { presenter.PressKey('R'); });
    Then([&] {
        window = PreferencesOf(FrontStory());
        ASSERT_NE(window, nullptr) << "Edit > Preferences opened no window";
        EXPECT_EQ(window->GetTitle(), "Preferences for The Long Session - General Options");
        EXPECT_EQ(GetAppl()->GetFrontWindow(), window);
        CompareScreen("session-preferences.png");
        auto* page = dynamic_cast<GeneralPrefArea*>(window->GetCurrentArea());
        ASSERT_NE(page, nullptr);
        presenter.Click(OnItem(*page->GetFastSaveBox()));
        presenter.Click(OnItem(*page->GetMinutesField()));
        presenter.PressKey(VK_END);
        presenter.PressKey(VK_BACK);
        presenter.PressKey(VK_BACK);
        presenter.TypeText("12");
        page->GetGenderPopup()->SetValue(1, true);
        presenter.Click(OnFrontEndButton(*window->GetChooser(), 3));
    });
    Then([&] {
        auto* page = dynamic_cast<TermPrefArea*>(window->GetCurrentArea());
        ASSERT_NE(page, nullptr) << "the Term Swap entry chose its page";
        presenter.Click(OnItem(*page->GetOriginalButton()));
        presenter.Click(OnFrontEndButton(*window->GetChooser(), 1));
    });
    Then([&] {
        auto* page = dynamic_cast<ReportPrefArea*>(window->GetCurrentArea());
        ASSERT_NE(page, nullptr);
        presenter.Click(OnItem(*page->GetHeaderField()));
        presenter.PressKey(VK_END);
        presenter.TypeText(" Draft");
        page->GetColumnsPopup()->SetValue(1, true);
        presenter.Click(OnFrontEndButton(*window->GetChooser(), 2));
    });
    Then([&] {
        auto* page = dynamic_cast<FQSPrefArea*>(window->GetCurrentArea());
        ASSERT_NE(page, nullptr);
        presenter.Click(OnItem(*page->GetColorsBox()));
        // File > Close closes the window in front: the preferences.
        Shortcut(presenter, 'W');
    });
    Then([&] {
        EXPECT_EQ(PreferencesOf(FrontStory()), nullptr);
        Shortcut(presenter, 'S');
    });
    Then([&] {
        EXPECT_FALSE(FrontStory()->IsDirty());
        Shortcut(presenter, 'Q');
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(MessageBoxes(presenter), 0u);

    const std::string preferencesFile = ProgramFile(PreferencesManager::kFileName);
    const StoreSegments storyBefore = ReadStoreSegments(saved, folder / "scratch");
    const StoreSegments preferencesBefore = ReadStoreSegments(preferencesFile, folder / "scratch");
    {
        KeyedText general = ReadKeyedRecord(preferencesBefore, FourCCOf("PRFW"));
        std::int16_t value = kMissing;
        general.GetEntry("FastSave", 's', &value);
        EXPECT_EQ(value, 1);
        general.GetEntry("AutoSaveMin", 's', &value);
        EXPECT_EQ(value, 12);
        general.GetEntry("DefGender", 's', &value);
        EXPECT_EQ(value, 1);
        KeyedText query = ReadKeyedRecord(preferencesBefore, FourCCOf("FQS "));
        query.GetEntry("OrigTerms", 's', &value);
        EXPECT_EQ(value, 1);
        query.GetEntry("ThrClr", 's', &value);
        EXPECT_EQ(value, 0);
        char header[100] = "";
        ReadKeyedRecord(preferencesBefore, FourCCOf("REPT")).GetEntry("HEADER", 'c', header, sizeof header);
        EXPECT_STREQ(header, "^T^<^R^> Draft");
        KeyedText main = ReadKeyedRecord(storyBefore, kMainRecordType);
        main.GetEntry("NumCols", 's', &value);
        EXPECT_EQ(value, 2);
        main.GetEntry("RepLtMar", 's', &value);
        EXPECT_EQ(value, 72);
    }

    // Started again with the story: the story and the preferences as they were left, which a copy
    // of the story and the preferences file written again show record by record.
    SetOriginalTerms(0);
    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, copy});
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        FKDoc* story = FrontStory();
        ASSERT_NE(story, nullptr);
        EXPECT_EQ(story->GetFrontEndWindow()->GetTitle(), "session.fsf - The Long Session");
        EXPECT_EQ(story->GetCharacterManager()->GetCount(), 4);
        EXPECT_EQ(story->GetSceneManager()->GetSceneCount(), 1);
        EXPECT_EQ(story->GetStoryFormManager()->GetChoice(1000), 1001);
        EXPECT_EQ(story->GetQuestionStatus().GetStatus(42, 7), 1);
        EXPECT_EQ(UseOriginalTerms(), 1) << "the vocabulary chosen is in force from the start";
        EXPECT_EQ(GetAppl()->GetAutoSaveManager()->GetInterval(), 12u * 3600u);
        EXPECT_FALSE(story->IsDirty());
        PostMessageA(GetPresentedFrame(), WM_COMMAND, kCmdSaveACopy, 0);
    });
    Then([&] { Shortcut(presenter, 'Q'); });
    EXPECT_EQ(RunProgram({saved}), 0);
    EXPECT_EQ(MessageBoxes(presenter), 0u);
    SetOriginalTerms(0);

    const StoreSegments storyAfter = ReadStoreSegments(copy, folder / "scratch");
    const StoreSegments preferencesAfter = ReadStoreSegments(preferencesFile, folder / "scratch");
    EXPECT_FALSE(storyBefore.empty());
    for (const auto& [key, bytes] : storyBefore) {
        const auto found = storyAfter.find(key);
        ASSERT_NE(found, storyAfter.end()) << SegmentName(key);
        EXPECT_EQ(found->second, bytes) << SegmentName(key);
    }
    EXPECT_EQ(storyAfter.size(), storyBefore.size());
    EXPECT_EQ(preferencesAfter, preferencesBefore);
}

// An example story the build made, chosen in File > Open from the program's "examples" folder,
// opens with its storyform down to one.
TEST_F(ProgramTest, AnExampleStoryOpensFromTheFileMenu) {
    InstallBuiltDataFiles();
    std::filesystem::create_directory(ProgramFile("examples"));
    const std::string example = ProgramFile("examples/Romeo and Juliet.fsf");
    std::filesystem::copy_file(builtFolder + "/examples/Romeo and Juliet.fsf", example);
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{TRUE, example});
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] { OpenMenu(presenter, 'F'); });
    // "Save a C&opy..." shares the letter: it moves to Open, and Return chooses it.
    Then([&] { presenter.PressKey('O'); });
    Then([&] { presenter.PressKey(VK_RETURN); });
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        const TAppl* application = GetAppl();
        ASSERT_EQ(application->GetDocumentCount(), 1) << "the new story of the start made way for it";
        auto* story = static_cast<FKDoc*>(application->GetDocument(0));
        EXPECT_EQ(story->GetFrontEndWindow()->GetTitle(), "Romeo and Juliet.fsf - Romeo and Juliet");
        EXPECT_EQ(story->GetStoryformCount(), 1);
        EXPECT_FALSE(story->IsDirty());
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(presenter.PromptsAsked().front().caption, "Open Fablecore Story File");
    EXPECT_EQ(MessageBoxes(presenter), 0u);
}

bool UnkeptTextNoteUp() { return FindWindowA("#32770", nullptr) != nullptr; }

// A key held down long enough to repeat.
void HoldKey(HeadlessPresenter& presenter, UINT key) {
    for (int repeats = 0; repeats < 3; ++repeats) presenter.KeyDown(key);
    presenter.KeyUp(key);
}

// A character a story cannot hold typed into the comments: the note comes once the keys have
// paused; keys typed while it is up, as it comes and after it has been up a while, are held back
// from it and go to the comments, where the writer was, once it has been read: characters from an
// input method among them whatever their codes, a shortcut acting as a shortcut, and Return as a
// line break (Escape and Ctrl+F4, before a pause, are let go). Return after a pause answers it, and
// held down, repeats nothing into the comments.
TEST_F(ProgramTest, KeysTypedAsTheNoteOnUnkeptCharactersComesUpGoToTheText) {
    InstallBuiltDataFiles();
    const auto noteUp = UnkeptTextNoteUp;
    HWND comments = nullptr;
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] { Shortcut(presenter, '4'); });
    Then([&] {
        comments = GetFocus();
        InjectText("a?", true);
    });
    // The writer types on after less than a pause, then stops.
    Then([&] {
        presenter.Advance(kTypingPause * 3 / 4);
        presenter.TypeText("b");
    });
    Then([&] { presenter.Advance(kTypingPause * 3 / 4); });
    Then([&] {
        EXPECT_FALSE(noteUp());
        presenter.Advance(kTypingPause);
    });
    Then([&] {
        ASSERT_TRUE(noteUp());
        presenter.PressKey(VK_SPACE);
        presenter.PressKey(VK_RETURN);
        presenter.PressKey(VK_ESCAPE);
        InjectText("\xA3\xA0");  // from an input method: characters whose codes are Shift's and Ctrl's
        Shortcut(presenter, VK_F4);
        presenter.Advance(kTypingPause);
        presenter.PressKey(VK_SPACE);
        presenter.KeyDown(VK_SHIFT);
        presenter.PressKey('C');
        presenter.KeyUp(VK_SHIFT);
        Shortcut(presenter, '3');
    });
    Then([&] {
        ASSERT_TRUE(noteUp());
        presenter.Advance(kTypingPause);
        HoldKey(presenter, VK_RETURN);
    });
    Then([&] {
        char text[32] = {};
        GetWindowTextA(comments, text, sizeof text);
        EXPECT_STREQ(text, "a?b \r\n\xA3\xA0 C");
        GetWindowTextA(GetActiveWindow(), text, sizeof text);
        EXPECT_STREQ(text, "Story Information") << "Ctrl+3 acted";
        presenter.PressKey(VK_ESCAPE);
    });
    Then([&] { Shortcut(presenter, 'Q'); });
    Then([&] { presenter.PressKey('N'); });
    EXPECT_EQ(RunProgram(), 0);
}

// The note coming up over a dialog: Escape, Return and Alt+F4 pressed at it at once answer nothing,
// and are let go rather than cancel, confirm or close the dialog; so are Alt+Space with the key after
// it, and a Space or Return after Tabs that leave the focus on the dialog's buttons. Escape after a
// pause answers it, held down too, and the dialog stays as it was, with what was typed; so it does
// when an Escape and a Return pressed at the note are read only behind the answer (the program kept
// busy meanwhile).
TEST_F(ProgramTest, KeysPressedAtTheNoteOverADialogNeitherAnswerItNorEndTheDialog) {
    InstallBuiltDataFiles();
    HWND title = nullptr;
    const auto withAlt = [&](UINT key) {
        presenter.KeyDown(VK_MENU);
        presenter.PressKey(key);
        presenter.KeyUp(VK_MENU);
    };
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] { Shortcut(presenter, '3'); });
    Then([&] {
        title = GetFocus();
        InjectText("a?", true);
    });
    Then([&] { presenter.Advance(kTypingPause); });
    Then([&] {
        ASSERT_TRUE(UnkeptTextNoteUp());
        presenter.PressKey(VK_ESCAPE);
        presenter.PressKey(VK_RETURN);
        withAlt(VK_F4);
        withAlt(VK_SPACE);
        presenter.PressKey('C');
        // Back from the title: Cancel, then OK.
        for (const UINT pressed : {VK_SPACE, VK_RETURN}) {
            presenter.KeyDown(VK_SHIFT);
            presenter.PressKey(VK_TAB);
            presenter.KeyUp(VK_SHIFT);
            presenter.PressKey(pressed);
        }
    });
    Then([&] {
        ASSERT_TRUE(UnkeptTextNoteUp());
        presenter.Advance(kTypingPause);
        HoldKey(presenter, VK_ESCAPE);
        presenter.PressKey(VK_ESCAPE);
        presenter.PressKey(VK_RETURN);
    });
    Then([&] {
        EXPECT_FALSE(UnkeptTextNoteUp());
        char text[32] = {};
        GetWindowTextA(GetActiveWindow(), text, sizeof text);
        EXPECT_STREQ(text, "Story Information");
        GetWindowTextA(title, text, sizeof text);
        EXPECT_STREQ(text, "a?Your Story") << "typed before the new story's title";
        presenter.PressKey(VK_ESCAPE);
    });
    Then([&] { Shortcut(presenter, 'Q'); });
    Then([&] { presenter.PressKey('N'); });  // only had the dialog been confirmed
    EXPECT_EQ(RunProgram(), 0);
}

// Ctrl+A in a dialog's field selects its whole text, as Edit > Select All does in a window's, and
// what is typed next replaces it.
TEST_F(ProgramTest, CtrlASelectsTheWholeTextOfADialogsField) {
    InstallBuiltDataFiles();
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] { Shortcut(presenter, '3'); });
    Then([&] {
        presenter.PressKey(VK_END);
        Shortcut(presenter, 'A');
        presenter.TypeText("T");
    });
    Then([&] {
        char text[32] = {};
        GetWindowTextA(GetFocus(), text, sizeof text);
        EXPECT_STREQ(text, "T");
        presenter.PressKey(VK_ESCAPE);
    });
    Then([&] { Shortcut(presenter, 'Q'); });
    EXPECT_EQ(RunProgram(), 0);
}

}  // namespace
}  // namespace apptest
