// The file chooser driven as a user would, over a real folder: keys, clicks and typed names.

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>

#include "UiFixture.h"
#include "platform/sys/FileHandle.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/FileChooser.h"
#include "platform/ui/FileChooserDialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/ListBoxControl.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

using namespace win::detail;

constexpr char kFilters[] = "Stories\0*.fsf\0Text files\0*.txt;*.TXT\0";
constexpr char kCyrillic[] = "\xD0\xA1\xD1\x8E\xD0\xB6\xD0\xB5\xD1\x82.fsf";  // five letters

struct HookCall {
    HWND window;
    UINT message;
    LPARAM lParam;
    std::string file;  // what the record held
};
std::vector<HookCall> g_hookCalls;

// Refuses the first name it is asked about.
UINT_PTR RefuseOnceHook(HWND window, UINT message, WPARAM, LPARAM lParam) {
    const UINT fileOk = RegisterWindowMessageA(FILEOKSTRINGA);
    if (message != WM_INITDIALOG && message != fileOk) return 0;
    g_hookCalls.push_back(HookCall{window, message, lParam, ""});
    if (message == WM_INITDIALOG) return TRUE;
    g_hookCalls.back().file = reinterpret_cast<OPENFILENAMEA*>(lParam)->lpstrFile;
    return std::count_if(g_hookCalls.begin(), g_hookCalls.end(),
                         [&](const HookCall& c) { return c.message == fileOk; }) == 1;
}

class FileChooser : public UiTest {
protected:
    TempFolder temp;
    HWND owner = nullptr;
    IdleScript script{presenter};
    std::vector<char> buffer = std::vector<char>(260, '\0');
    OPENFILENAMEA record;
    std::string startedIn;

    void SetUp() override {
        UiTest::SetUp();
        g_hookCalls.clear();
        char here[PATH_MAX];
        startedIn = ::getcwd(here, sizeof here) ? here : "/";
        owner = Popup(RECT{0, 0, 800, 600}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
        for (const char* folder : {"Chapters", "notes", ".hidden"}) ::mkdir((temp / folder).c_str(), 0755);
        for (const char* file : {"My Story.fsf", "alpha.FSF", "beta.fsf", "readme.txt", "Upper.TXT",
                                 ".secret.fsf", "Caf\xC3\xA9.fsf", kCyrillic, "Chapters/one.fsf"})
            temp.WriteFile(file, "x");
        record.hwndOwner = owner;
        record.lpstrFilter = kFilters;
        record.lpstrFile = buffer.data();
        record.nMaxFile = static_cast<DWORD>(buffer.size());
        record.lpstrDefExt = "fsf";
        Offer(temp.Path() + "/");
        Pump();
    }
    void TearDown() override {
        EXPECT_EQ(presenter.UnusedPromptAnswers(), 0u);
        EXPECT_EQ(::chdir(startedIn.c_str()), 0);
        UiTest::TearDown();
    }

    void Offer(const std::string& name) { std::strcpy(buffer.data(), name.c_str()); }
    std::string Chosen() const { return buffer.data(); }
    void Then(std::function<void()> step) { script.Then(std::move(step)); }

    static HWND Item(int id) { return GetDlgItem(GetActiveWindow(), id); }
    static std::string FieldText(int id) {
        char text[512] = {};
        GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    static std::vector<std::string> Listed() {
        std::vector<std::string> texts;
        const auto count = SendMessageA(Item(kChooserFileList), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[256] = {};
            SendMessageA(Item(kChooserFileList), LB_GETTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    static std::string SelectedInList() {
        char text[256] = {};
        const auto at = SendMessageA(Item(kChooserFileList), LB_GETCURSEL, 0, 0);
        if (at >= 0)
            SendMessageA(Item(kChooserFileList), LB_GETTEXT, static_cast<WPARAM>(at),
                         reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Types into a field over what it held, then presses Return.
    void TypeInto(int id, const std::string& text) {
        SendMessageA(GetActiveWindow(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
        presenter.TypeText(text);
        presenter.PressKey(VK_RETURN);
    }
    void ClickItem(const std::string& text) {
        HWND list = Item(kChooserFileList);
        const auto at = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_GE(at, 0) << text;
        RECT r;
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&r));
        POINT p{r.left + 30, (r.top + r.bottom) / 2};
        ClientToScreen(list, &p);
        presenter.Click(p);
    }
    std::vector<std::string> AlertsShown() const {
        std::vector<std::string> texts;
        for (const PromptRequest& asked : presenter.PromptsAsked())
            if (asked.kind == "MessageBox") texts.push_back(asked.text);
        return texts;
    }
    void AnswerAlerts(int count) {
        for (int i = 0; i < count; ++i) presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    }
};

TEST_F(FileChooser, TheListShowsFoldersFirstThenTheFilesOfTheTypeChosenSortedWithoutCaseHiddenOnesLeftOut) {
    std::vector<std::string> stories, texts;
    Then([&] {
        stories = Listed();
        SetFocus(Item(kChooserTypeList));
        presenter.PressKey(VK_DOWN);
    });
    Then([&] {
        texts = Listed();
        TypeInto(kChooserNameField, "*.FS?");
    });
    Then([&] {
        EXPECT_EQ(Listed(), stories) << "a typed pattern shows the files it matches";
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(GetOpenFileNameA(&record));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(stories, (std::vector<std::string>{"Chapters", "notes", "?????.fsf", "alpha.FSF", "beta.fsf",
                                                 "Caf\xE9.fsf", "My Story.fsf"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"Chapters", "notes", "readme.txt", "Upper.TXT"}));
}

TEST_F(FileChooser, ATypedNameTakesTheDefaultExtensionAndComesBackAsAFullPath) {
    Then([&] { TypeInto(kChooserNameField, "Draft."); });
    ASSERT_TRUE(GetSaveFileNameA(&record));
    EXPECT_EQ(Chosen(), temp / "Draft.fsf");
    EXPECT_EQ(record.nFileOffset, temp.Path().size() + 1);
    EXPECT_STREQ(Chosen().c_str() + record.nFileExtension, "fsf");
    EXPECT_EQ(record.nFilterIndex, 1u);
    char here[PATH_MAX];
    EXPECT_EQ(std::string(::getcwd(here, sizeof here)), temp.Path())
        << "the current folder follows the choice";

    // A name with an extension of its own keeps it, in a folder typed with it; the current folder
    // stays where it was when asked.
    ASSERT_EQ(::chdir("/"), 0);
    record.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    record.nFilterIndex = 2;
    Offer(temp / "notes/old name");
    Then([&] {
        EXPECT_EQ(FieldText(kChooserNameField), "old name");
        EXPECT_EQ(FieldText(kChooserFolderField), temp / "notes");
        EXPECT_EQ(Item(kChooserReadOnlyBox), nullptr);
        TypeInto(kChooserNameField, "../Chapters/Plan.txt");
    });
    ASSERT_TRUE(GetSaveFileNameA(&record));
    EXPECT_EQ(Chosen(), temp / "Chapters/Plan.txt");
    EXPECT_EQ(record.nFilterIndex, 2u);
    EXPECT_EQ(std::string(::getcwd(here, sizeof here)), "/");
}

TEST_F(FileChooser, MustExistFlagsRefuseMissingFilesAndFoldersAndTheChooserStaysOpen) {
    record.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    AnswerAlerts(2);
    Then([&] { TypeInto(kChooserNameField, "missing"); });
    Then([&] { TypeInto(kChooserNameField, "nowhere/beta"); });
    Then([&] {
        SetFocus(Item(kChooserReadOnlyBox));
        presenter.PressKey(VK_SPACE);
    });
    Then([&] { TypeInto(kChooserNameField, "beta"); });
    ASSERT_TRUE(GetOpenFileNameA(&record));
    EXPECT_EQ(Chosen(), temp / "beta.fsf");
    EXPECT_TRUE(record.Flags & OFN_READONLY) << "the read-only box was ticked";
    EXPECT_EQ(AlertsShown(),
              (std::vector<std::string>{
                  "The file \"" + temp / "missing.fsf" + "\" cannot be found. Check the name and try again.",
                  "The folder \"" + temp / "nowhere" + "\" cannot be found. Check the path and try again."}));
}

TEST_F(FileChooser, ASaveChooserAskingBeforeReplacingTakesAFileThatExistsOnlyOnYes) {
    record.Flags = OFN_OVERWRITEPROMPT;
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDNO, {}});
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDYES, {}});
    Then([&] { TypeInto(kChooserNameField, "beta"); });
    Then([&] {
        EXPECT_EQ(FieldText(kChooserNameField), "beta") << "No keeps the chooser open";
        TypeInto(kChooserNameField, "beta");
    });
    ASSERT_TRUE(GetSaveFileNameA(&record));
    EXPECT_EQ(Chosen(), temp / "beta.fsf");
    EXPECT_EQ(AlertsShown(),
              std::vector<std::string>(2, "beta.fsf already exists.\nDo you want to replace it?"));

    // A new name, or a save chooser not asked to, asks nothing.
    Then([&] { TypeInto(kChooserNameField, "gamma"); });
    ASSERT_TRUE(GetSaveFileNameA(&record));
    record.Flags = 0;
    Then([&] { TypeInto(kChooserNameField, "beta"); });
    ASSERT_TRUE(GetSaveFileNameA(&record));
    EXPECT_EQ(AlertsShown().size(), 2u);
}

TEST_F(FileChooser, TheHookMeetsTheChooserOnceItIsPlacedAndCanRefuseANameWhichKeepsItOpen) {
    record.Flags = OFN_ENABLEHOOK | OFN_EXPLORER;
    record.lpfnHook = RefuseOnceHook;
    HWND chooser = nullptr;
    Then([&] {
        chooser = GetActiveWindow();
        TypeInto(kChooserNameField, "first");
    });
    Then([&] {
        EXPECT_EQ(GetActiveWindow(), chooser) << "still open";
        TypeInto(kChooserNameField, "second");
    });
    ASSERT_TRUE(GetSaveFileNameA(&record));
    ASSERT_EQ(g_hookCalls.size(), 3u);
    EXPECT_EQ(g_hookCalls[0].message, WM_INITDIALOG);
    EXPECT_EQ(g_hookCalls[0].lParam, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(GetParent(g_hookCalls[0].window), nullptr) << "gone with the chooser";
    EXPECT_EQ(g_hookCalls[1].file, temp / "first.fsf") << "the record holds the name when the hook is asked";
    EXPECT_EQ(g_hookCalls[2].file, temp / "second.fsf");
    EXPECT_EQ(Chosen(), temp / "second.fsf");

    record.lpfnHook = nullptr;
    EXPECT_FALSE(GetSaveFileNameA(&record));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_NOHOOK);
}

TEST_F(FileChooser, TheHooksWindowIsAChildOfTheChooser) {
    record.Flags = OFN_ENABLEHOOK;
    record.lpfnHook = RefuseOnceHook;
    HWND chooser = nullptr, parent = nullptr;
    Then([&] {
        chooser = GetActiveWindow();
        parent = GetParent(g_hookCalls.at(0).window);
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(GetOpenFileNameA(&record));
    EXPECT_EQ(parent, chooser);
}

TEST_F(FileChooser, FoldersOpenFromTheListAndTheFieldsAndUpOrBackspaceLeadsBack) {
    std::vector<std::string> inChapters;
    Then([&] {
        SetFocus(Item(kChooserFileList));
        presenter.PressKey(VK_HOME);
        presenter.PressKey(VK_RETURN);  // Chapters
    });
    Then([&] {
        inChapters = Listed();
        presenter.PressKey(VK_BACK);
    });
    Then([&] {
        EXPECT_EQ(FieldText(kChooserFolderField), temp.Path());
        EXPECT_EQ(SelectedInList(), "Chapters") << "the folder left is selected";
        TypeInto(kChooserNameField, temp / "notes");
    });
    Then([&] {
        EXPECT_EQ(FieldText(kChooserFolderField), temp / "notes");
        EXPECT_EQ(FieldText(kChooserNameField), "") << "a folder typed is opened, not kept as a name";
        EXPECT_TRUE(Listed().empty());
        SendMessageA(GetActiveWindow(), WM_COMMAND, kChooserUpButton, 0);
    });
    Then([&] {
        EXPECT_EQ(FieldText(kChooserFolderField), temp.Path());
        TypeInto(kChooserFolderField, "Chapters");
    });
    Then([&] {
        EXPECT_EQ(FieldText(kChooserFolderField), temp / "Chapters");
        ClickItem("one.fsf");
        ClickItem("one.fsf");  // a double click chooses it
    });
    ASSERT_TRUE(GetOpenFileNameA(&record));
    EXPECT_EQ(inChapters, std::vector<std::string>{"one.fsf"});
    EXPECT_EQ(Chosen(), temp / "Chapters/one.fsf");
}

TEST_F(FileChooser, NamesWithBlanksAndAccentsComeBackWholeAndNamesTheProgramCannotHoldAreRefused) {
    AnswerAlerts(1);
    Then([&] {
        ClickItem("?????.fsf");
        presenter.PressKey(VK_RETURN);
    });
    Then([&] {
        ClickItem("My Story.fsf");
        presenter.PressKey(VK_RETURN);
    });
    ASSERT_TRUE(GetOpenFileNameA(&record));
    EXPECT_EQ(Chosen(), temp / "My Story.fsf");
    ASSERT_EQ(AlertsShown().size(), 1u);
    EXPECT_NE(AlertsShown()[0].find("cannot show or keep"), std::string::npos) << AlertsShown()[0];

    Offer(temp.Path() + "/");
    Then([&] { TypeInto(kChooserNameField, "caf\xC9"); });
    ASSERT_TRUE(GetOpenFileNameA(&record));
    EXPECT_EQ(Chosen(), temp / "caf\xC9.fsf") << "program text, as typed";
    Offer(temp.Path() + "/");
    Then([&] {
        ClickItem("Caf\xE9.fsf");
        presenter.PressKey(VK_RETURN);
    });
    ASSERT_TRUE(GetOpenFileNameA(&record));
    EXPECT_EQ(Chosen(), temp / "Caf\xE9.fsf");
}

TEST_F(FileChooser, AChosenNameUnderAnAccentedFolderOpensAndTheCurrentFolderFollowsIt) {
    const std::string folderOnDisk =
        "\xC3\x89"
        "crits";
    ASSERT_EQ(::mkdir((temp / folderOnDisk).c_str(), 0755), 0);
    temp.WriteFile(folderOnDisk + "/Acte \xC3\xA9t\xC3\xA9.fsf", "act one");
    const std::string folder = temp /
                               "\xC9"
                               "crits",
                      name = "Acte \xE9t\xE9.fsf";
    std::vector<std::string> listed;
    Then([&] {
        TypeInto(kChooserNameField,
                 "\xC9"
                 "crits");
    });
    Then([&] {
        listed = Listed();
        ClickItem(name);
        presenter.PressKey(VK_RETURN);
    });
    record.Flags = OFN_FILEMUSTEXIST;
    ASSERT_TRUE(GetOpenFileNameA(&record));
    EXPECT_EQ(listed, std::vector<std::string>{name});
    ASSERT_EQ(Chosen(), folder + "/" + name);
    const HFILE file = OpenFileHandle(Chosen().c_str(), FileOpenMode::kRead);
    ASSERT_NE(file, HFILE_ERROR);
    char bytes[16] = {};
    EXPECT_EQ(ReadFileHandle(file, bytes, sizeof bytes), 7);
    CloseFileHandle(file);
    char current[PATH_MAX] = {};
    EXPECT_GT(GetCurrentDirectoryA(sizeof current, current), 0u);
    EXPECT_EQ(std::string(current), folder) << "the current folder becomes the file's";
}

TEST_F(FileChooser, APathLongerThanTheBufferIsRefusedAndTheRecordIsChecked) {
    record.nMaxFile = static_cast<DWORD>(temp.Path().size() + 8);
    AnswerAlerts(1);
    Then([&] { TypeInto(kChooserNameField, "longer"); });
    Then([&] { TypeInto(kChooserNameField, "a"); });
    ASSERT_TRUE(GetSaveFileNameA(&record));
    EXPECT_EQ(Chosen(), temp / "a.fsf");
    EXPECT_EQ(AlertsShown().size(), 1u);

    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, std::string(300, 'x')});
    EXPECT_FALSE(GetSaveFileNameA(&record));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    WORD needed = 0;
    std::memcpy(&needed, buffer.data(), sizeof needed);
    EXPECT_EQ(needed, 301);

    std::memset(buffer.data(), 'x', buffer.size());
    record.nMaxFile = static_cast<DWORD>(buffer.size());
    EXPECT_FALSE(GetOpenFileNameA(&record));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_INVALIDFILENAME) << "no NUL in the name offered";
    record.lStructSize = 12;
    EXPECT_FALSE(GetOpenFileNameA(&record));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
}

TEST_F(FileChooser, AScriptedAnswerStandsInForTheUser) {
    Offer("draft.fsf");
    record.lpstrTitle = "Save a Copy of";
    record.Flags = OFN_NOCHANGEDIR;
    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, "/tmp/copy.fsf"});
    ASSERT_TRUE(GetSaveFileNameA(&record));
    EXPECT_EQ(Chosen(), "/tmp/copy.fsf");
    EXPECT_EQ(record.nFileOffset, 5);
    EXPECT_EQ(record.nFileExtension, 10);
    const PromptRequest& asked = presenter.PromptsAsked().back();
    EXPECT_EQ(asked.kind, "SaveFile");
    EXPECT_EQ(asked.caption, "Save a Copy of");
    EXPECT_EQ(asked.text, "draft.fsf");

    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{FALSE, {}});
    EXPECT_FALSE(GetOpenFileNameA(&record));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(presenter.PromptsAsked().back().caption, "Save a Copy of");

    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, "/tmp/printed.pdf"});
    EXPECT_EQ(ChooseSavePath(owner, "Print to File", "/tmp/story.pdf", "PDF files\0*.pdf\0", "pdf"),
              "/tmp/printed.pdf");
    EXPECT_EQ(presenter.PromptsAsked().back().text, "/tmp/story.pdf");
    presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{FALSE, {}});
    EXPECT_EQ(ChooseSavePath(owner, "Print to File", "/tmp/story.pdf", nullptr, nullptr), std::nullopt);
}

}  // namespace
}  // namespace uitest
