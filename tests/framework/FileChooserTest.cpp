// The file choosers in the program's terms: filter texts from type lists, the extension check of the
// Save chooser, the replace check, the Open chooser's answer, and the real choosers driven by keys:
// placed on the screen, refusing a name of another extension, adding the default one.

#include <gmock/gmock.h>

#include <functional>

#include "DocumentFixture.h"
#include "IdleSteps.h"
#include "framework/ChooserHooks.h"
#include "framework/FileChoosers.h"
#include "framework/FileTypeList.h"
#include "platform/ui/FileChooserDialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"

namespace apptest {
namespace {

using ::testing::ElementsAre;

// The texts of a filter list: label, patterns, label, ...
std::vector<std::string> FilterPieces(const char* filter) {
    std::vector<std::string> pieces;
    for (const char* piece = filter; *piece; piece += pieces.back().size() + 1) pieces.emplace_back(piece);
    return pieces;
}

TEST_F(ApplicationTest, FilterTextsListTheRowsAndTheirPatterns) {
    char filter[256];
    CustomFileList list;
    list.BuildFilterString(filter, sizeof filter);
    EXPECT_THAT(FilterPieces(filter), ElementsAre("All Files (*.*)", "*.*"));
    list.AddTypeList("Story")->AddType(FourCCOf(".fsf"));
    TypeList* text = list.AddTypeList("Text");
    text->AddType(FourCCOf(".TXT"));
    text->AddType(MakeFourCC('.', 't', 'x', 0));
    list.BuildFilterString(filter, sizeof filter);
    EXPECT_THAT(FilterPieces(filter), ElementsAre("Story", "*.fsf", "Text", "*.TXT;*.tx"));
    EXPECT_EQ(text->GetType(2), 0u);
    EXPECT_EQ(list.GetTypeList(2), nullptr);

    // A row that does not fit is left out whole.
    char small[16];
    list.BuildFilterString(small, sizeof small);
    EXPECT_THAT(FilterPieces(small), ElementsAre("Story", "*.fsf"));
    list.BuildFilterString(small, 4);
    EXPECT_TRUE(FilterPieces(small).empty());

    BuildTypeFilter(nullptr, filter, sizeof filter);
    EXPECT_THAT(FilterPieces(filter), ElementsAre("All Files", "*.*"));
    const FourCC text1[] = {FourCCOf(".TXT"), 0};
    BuildTypeFilter(text1, filter, sizeof filter);
    EXPECT_THAT(FilterPieces(filter), ElementsAre("Text File", "*.TXT"));
    const FourCC lower[] = {FourCCOf(".txt"), 0};
    BuildTypeFilter(lower, filter, sizeof filter);
    EXPECT_THAT(FilterPieces(filter), ElementsAre("QRV Application", "*.txt"));
    const FourCC two[] = {FourCCOf(".TXT"), kAllFilesCode, 0};
    BuildTypeFilter(two, filter, sizeof filter);
    EXPECT_THAT(FilterPieces(filter), ElementsAre("QRV Application", "*.TXT;*.*"));
}

class SaveChooserName : public DocumentTest {
protected:
    // Checks the name as the Save chooser's hook does at its end; the chooser window is none here.
    bool Check(const std::string& name, const char* extension, std::size_t room = 260) {
        buffer_.assign(std::max(room, name.size() + 1), '\0');
        std::copy(name.begin(), name.end(), buffer_.begin());
        record_.lpstrFile = buffer_.data();
        record_.nMaxFile = static_cast<DWORD>(room);
        record_.lpstrDefExt = extension;
        return CheckDefaultExtension(nullptr, record_);
    }
    std::string Name() const { return buffer_.data(); }

    OPENFILENAMEA record_;
    std::vector<char> buffer_;
};

TEST_F(SaveChooserName, MustEndInTheDefaultExtensionInAnyCase) {
    Mark();
    EXPECT_TRUE(Check("/stories/my.story.FSF", "fsf"));
    EXPECT_TRUE(Check("/s/story.", "fsf"));
    EXPECT_EQ(Name(), "/s/story.fsf") << "a bare dot takes the extension, without a second dot";
    EXPECT_EQ(record_.nFileExtension, 9);
    EXPECT_TRUE(Check("/stories/notes.txt", nullptr)) << "no default extension: every name goes";
    EXPECT_TRUE(Check("/stories/notes", "*"));
    EXPECT_TRUE(Asked().empty());
    EXPECT_FALSE(Check("/stories/notes.txt", "fsf"));
    EXPECT_FALSE(Check("/stories.v2/notes", "fsf")) << "a dot in a folder is no extension";
    EXPECT_FALSE(Check("/s/story.", "fsf", 10)) << "no room for the extension";
    EXPECT_FALSE(Check("/stories/page", "html"));
    const std::string refusal =
        "MessageBox: The specified filename must have an extension of \".FSF\".  If no "
        "extension is specified \".FSF\" will be used.";
    EXPECT_THAT(Asked(),
                ElementsAre(refusal, refusal, refusal,
                            "MessageBox: The specified filename must have an extension of \".HTM\".  If "
                            "no extension is specified \".HTM\" will be used."));
    EXPECT_EQ(LastPrompt().caption, "Bad Filename Extension!");
}

TEST_F(DocumentTest, AFileIsReplacedOnlyWhenItMayBeWrittenAndTheUserAgrees) {
    EXPECT_TRUE(CheckReplaceFile(FileRef(Path("new.tdc").c_str()), nullptr, "Choose again."));
    EXPECT_TRUE(Prompts().empty()) << "a file that is not there is not asked about";
    files.WriteFile("old.tdc", "x");
    const FileRef old(Path("old.tdc").c_str());
    Answer(IDNO);
    EXPECT_FALSE(CheckReplaceFile(old, nullptr, "Choose again."));
    EXPECT_EQ(LastPrompt().flags & (MB_TYPEMASK | MB_DEFMASK), MB_YESNO | MB_DEFBUTTON1);
    Answer(IDYES);
    EXPECT_TRUE(CheckReplaceFile(old, nullptr, "Choose again."));

    ::chmod(Path("old.tdc").c_str(), 0444);
    const ScopedUnprivileged unprivileged;
    if (!unprivileged.Active()) GTEST_SKIP() << "cannot drop privileges";
    EXPECT_FALSE(CheckReplaceFile(old, nullptr, "Choose again."));
    EXPECT_EQ(LastPrompt().text, "File \"" + Path("old.tdc") + "\" is read-only. Choose again.");
}

TEST_F(DocumentTest, FileOpenOpensTheDocumentChosenReadAndWrite) {
    WriteDocumentFile("story.tdc", "opened");
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{FALSE, {}});
    EXPECT_EQ(application->HandleCommand(kCmdOpen), kNoErr);
    EXPECT_EQ(application->GetDocumentCount(), 0);
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{TRUE, Path("story.tdc")});
    EXPECT_EQ(application->HandleCommand(kCmdOpen), kNoErr);
    ASSERT_EQ(application->GetDocumentCount(), 1);
    EXPECT_EQ(static_cast<RecordDoc*>(application->GetDocument(0))->Text(), "opened");
    EXPECT_EQ(LastPrompt().flags & (OFN_HIDEREADONLY | OFN_FILEMUSTEXIST),
              OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);

    FileRef file;
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{TRUE, Path("story.tdc")});
    EXPECT_EQ(ChooseOpenFile(nullptr, file, true, nullptr, "Open Story"), kFileChooserChosen);
    EXPECT_EQ(LastPrompt().caption, "Open Story");
    EXPECT_EQ(LastPrompt().flags & OFN_HIDEREADONLY, 0u) << "the read-only box is offered";
    EXPECT_EQ(file.GetPermission(), kAccessReadWrite);
    ::chmod(Path("story.tdc").c_str(), 0444);
    const ScopedUnprivileged unprivileged;
    if (!unprivileged.Active()) GTEST_SKIP() << "cannot drop privileges";
    presenter.ScriptPromptAnswer("OpenFile", PromptAnswer{TRUE, Path("story.tdc")});
    EXPECT_EQ(ChooseOpenFile(nullptr, file, true, nullptr, nullptr), kFileChooserChosen);
    EXPECT_EQ(file.GetPermission(), kAccessRead);
}

// The real Save chooser, driven by keys when the program waits.
class RealSaveChooser : public DocumentTest {
protected:
    IdleSteps steps{presenter};

    // The choosers open in the test's folder, which no other test changes meanwhile.
    void SetUp() override {
        DocumentTest::SetUp();
        showChoosers = true;
        startedIn_ = std::filesystem::current_path();
        std::filesystem::current_path(files.Path());
    }
    void TearDown() override {
        std::filesystem::current_path(startedIn_);
        DocumentTest::TearDown();
    }
    void Then(std::function<void()> step) { steps.Then(std::move(step)); }
    // Types the name over the name field's and presses Return.
    void Type(const std::string& name) {
        Then([this, name] {
            const HWND chooser = GetActiveWindow();
            const HWND field = GetDlgItem(chooser, win::detail::kChooserNameField);
            SendMessageA(chooser, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
            SetWindowTextA(field, name.c_str());
            presenter.PressKey(VK_RETURN);
        });
    }

private:
    std::filesystem::path startedIn_;
};

TEST_F(RealSaveChooser, IsPlacedOnTheScreenAndRefusesAnotherExtension) {
    RECT placed{};
    Then([&] { GetWindowRect(GetActiveWindow(), &placed); });
    Type("chapter.txt");
    Type("chapter");
    CustomFileList list;
    list.AddTypeList("Test document")->AddType(kDocumentType);
    FileRef file(Path("untitled.tdc").c_str());
    Mark();
    EXPECT_EQ(ChooseSaveFile(nullptr, &kDocumentType, file, &list, "Save File As"), kFileChooserChosen);
    EXPECT_EQ(file.GetFullPath(), Path("chapter.tdc")) << "the default extension added";
    EXPECT_EQ(file.GetPermission(), kAccessCreate);
    EXPECT_THAT(Asked(), ElementsAre("SaveFile: " + Path("untitled.tdc"),
                                     testing::HasSubstr("must have an extension of \".TDC\"")));
    const int width = placed.right - placed.left;
    const int height = placed.bottom - placed.top;
    EXPECT_EQ(placed.left, (800 - width) / 2);
    EXPECT_EQ(placed.top, (600 - height) / 3) << "a third of the free height above";
}

TEST_F(RealSaveChooser, TheSimpleOneAddsTheFirstExtensionAndChecksNothing) {
    const FourCC types[] = {FourCCOf(".txt"), 0};
    Type(Path("plan"));
    Type(Path("notes.doc"));
    FileRef file;
    EXPECT_EQ(ChooseSaveFileSimple(types, file, "Export"), kFileChooserChosen);
    EXPECT_EQ(file.GetFullPath(), Path("plan.txt"));
    EXPECT_EQ(ChooseSaveFileSimple(types, file, "Export"), kFileChooserChosen);
    EXPECT_EQ(file.GetFullPath(), Path("notes.doc"));
}

}  // namespace
}  // namespace apptest
