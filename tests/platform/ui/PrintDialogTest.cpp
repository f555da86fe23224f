// The print and print-setup dialogs, answered by a script and by the user, and the file
// printer's question where a document goes.

#include <filesystem>
#include <string>

#include "ControlFixture.h"
#include "platform/gdi/Gdi.h"
#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/ButtonControl.h"
#include "platform/ui/ChooserSupport.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FileChooserDialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/VirtualKeys.h"
#include "support/ScopedEnv.h"

namespace uitest {
namespace {

HWND g_dialog = nullptr;
int g_hookInits = 0;

UINT_PTR RememberDialog(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        g_dialog = dialog;
        ++g_hookInits;
    }
    return 0;
}

// The system profile, where the printers' settings go, is the test's own.
class PrintDialog : public ControlTest {
protected:
    TempFolder configuration;
    ScopedEnv ownConfiguration{"XDG_CONFIG_HOME", configuration.Path()};

    void SetUp() override {
        ControlTest::SetUp();
        g_dialog = nullptr;
        g_hookInits = 0;
        SetPrinterPaper(kPdfFilePrinter, PaperChoice{});
    }
    // The record as the print settings fill it for the print dialog.
    static PRINTDLGA PrintRecord(DWORD flags) {
        PRINTDLGA print;
        print.Flags = flags;
        print.nFromPage = print.nToPage = 0xFFFF;
        print.nMinPage = 1;
        print.nMaxPage = 0xFFFF;
        print.nCopies = 1;
        print.lpfnPrintHook = print.lpfnSetupHook = RememberDialog;
        return print;
    }
    void Answer(const char* kind, int result, std::string text = {}) {
        presenter.ScriptPromptAnswer(kind, PromptAnswer{result, std::move(text)});
    }
    void ClickControl(int id) {
        RECT r;
        GetWindowRect(GetDlgItem(g_dialog, id), &r);
        presenter.Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
};

constexpr DWORD kPrintFlags = PD_ENABLEPRINTHOOK | PD_RETURNDC | PD_NOSELECTION;  // 0x1104
constexpr DWORD kSetupFlags = PD_ENABLESETUPHOOK | PD_RETURNDC | PD_PRINTSETUP;   // 0x2140

TEST_F(PrintDialog, AScriptedAnswerReachesTheCallerOrCancelsSilently) {
    PRINTDLGA print = PrintRecord(kPrintFlags);
    Answer("PrintDlg", IDOK, "printer=PDF File\npages=2-5\ncopies=3");
    ASSERT_TRUE(PrintDlgA(&print));
    EXPECT_EQ(print.Flags & PD_PAGENUMS, PD_PAGENUMS);
    EXPECT_EQ(print.nFromPage, 2);
    EXPECT_EQ(print.nToPage, 5);
    EXPECT_EQ(print.nCopies, 3);
    ASSERT_NE(print.hDC, nullptr);
    EXPECT_EQ(GetDeviceCaps(print.hDC, TECHNOLOGY), DT_RASPRINTER);
    DeleteDC(print.hDC);
    Answer("PrintDlg", IDOK, "pages=all");
    ASSERT_TRUE(PrintDlgA(&print));
    EXPECT_EQ(print.Flags & PD_PAGENUMS, 0u);
    DeleteDC(print.hDC);

    print.hDC = nullptr;
    Answer("PrintDlg", IDCANCEL);
    EXPECT_FALSE(PrintDlgA(&print));
    EXPECT_EQ(CommDlgExtendedError(), 0u) << "a cancel";
    EXPECT_EQ(print.hDC, nullptr);
    Answer("PrintDlg", IDOK, "pages=9-2");
    EXPECT_FALSE(PrintDlgA(&print));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_INITIALIZATION);
    PRINTDLGA wrong = PrintRecord(kPrintFlags);
    wrong.lStructSize = 20;
    EXPECT_FALSE(PrintDlgA(&wrong));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
    PRINTDLGA hookless = PrintRecord(kPrintFlags);
    hookless.lpfnPrintHook = nullptr;
    EXPECT_FALSE(PrintDlgA(&hookless));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_NOHOOK);
}

TEST_F(PrintDialog, SetupChoosesPaperAndOrientationForTheSession) {
    PRINTDLGA setup = PrintRecord(kSetupFlags);
    Answer("PrintSetupDlg", IDOK, "paper=A4\norientation=landscape");
    ASSERT_TRUE(PrintDlgA(&setup));
    EXPECT_EQ(presenter.PromptsAsked().back().kind, "PrintSetupDlg");
    EXPECT_EQ(GetDeviceCaps(setup.hDC, PHYSICALWIDTH), 7016);
    DeleteDC(setup.hDC);
    // The default printer's context and the next print dialog print on that paper too.
    HDC later = CreateDCA(kPrinterDriver, kPdfFilePrinter, kFilePort, nullptr);
    EXPECT_EQ(GetDeviceCaps(later, PHYSICALHEIGHT), 4961);
    DeleteDC(later);
    PRINTDLGA print = PrintRecord(kPrintFlags);
    Answer("PrintDlg", IDOK);
    ASSERT_TRUE(PrintDlgA(&print));
    EXPECT_EQ(GetDeviceCaps(print.hDC, PHYSICALWIDTH), 7016);
    DeleteDC(print.hDC);
}

TEST_F(PrintDialog, TheUsersPagesAndCopiesReachTheCallerOnceTheyAreValid) {
    PRINTDLGA print = PrintRecord(kPrintFlags);
    IdleScript script(presenter);
    script.Then([] { EXPECT_NE(g_dialog, nullptr); });
    script.Then([&] { ClickControl(201); });  // "Pages"
    script.Then([&] {
        SetDlgItemTextA(g_dialog, 202, "0");
        SetDlgItemTextA(g_dialog, 203, "4");
        SetDlgItemTextA(g_dialog, 204, "2");
        Answer("MessageBox", IDOK);  // the complaint about page 0
        ClickControl(IDOK);
    });
    script.Then([&] {
        EXPECT_TRUE(IsWindow(g_dialog)) << "still open";
        SetDlgItemTextA(g_dialog, 202, "3");
        ClickControl(IDOK);
    });
    ASSERT_TRUE(PrintDlgA(&print));
    EXPECT_EQ(g_hookInits, 1);
    EXPECT_EQ(print.Flags & PD_PAGENUMS, PD_PAGENUMS);
    EXPECT_EQ(print.nFromPage, 3);
    EXPECT_EQ(print.nToPage, 4);
    EXPECT_EQ(print.nCopies, 2);
    EXPECT_EQ(presenter.PromptsAsked().back().text, "Pages must be numbered from 1 to 65535.");
    DeleteDC(print.hDC);
}

TEST_F(PrintDialog, TheFilePrinterAsksWhereTheDocumentGoes) {
    TempFolder folder;
    HDC printer = CreateDCA(kPrinterDriver, kPdfFilePrinter, kFilePort, nullptr);
    DOCINFOA info;
    info.lpszDocName = "Report";
    Answer("SaveFile", 0);
    EXPECT_EQ(StartDocA(printer, &info), SP_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_CANCELLED);
    const std::string chosen = folder / "report.pdf";
    Answer("SaveFile", IDOK, chosen);
    ASSERT_GT(StartDocA(printer, &info), 0);
    EXPECT_GT(EndDoc(printer), 0);
    EXPECT_TRUE(std::filesystem::exists(chosen));
    EXPECT_NE(presenter.PromptsAsked().back().text.find("Report.pdf"), std::string::npos) << "the suggestion";
    DeleteDC(printer);
}

// Printing to a file that exists replaces it only when the writer says Yes; No asks for the file
// again, as the chooser stays open.
TEST_F(PrintDialog, TheFilePrinterAsksBeforeReplacingAFile) {
    TempFolder folder;
    const std::string existing = folder.WriteFile("Report.pdf", "kept");
    HDC printer = CreateDCA(kPrinterDriver, kPdfFilePrinter, kFilePort, nullptr);
    DOCINFOA info;
    info.lpszDocName = "Report";
    Answer("SaveFile", IDOK, existing);
    Answer("MessageBox", IDNO);
    Answer("SaveFile", 0);
    EXPECT_EQ(StartDocA(printer, &info), SP_ERROR);
    EXPECT_EQ(TempFolder::ReadFile(existing), "kept");
    const PromptRequest& question = presenter.PromptsAsked()[presenter.PromptsAsked().size() - 2];
    EXPECT_EQ(question.text, "Report.pdf already exists.\nDo you want to replace it?");
    EXPECT_EQ(question.caption, "Print to File");

    Answer("SaveFile", IDOK, existing);
    Answer("MessageBox", IDYES);
    ASSERT_GT(StartDocA(printer, &info), 0);
    EXPECT_GT(EndDoc(printer), 0);
    EXPECT_EQ(TempFolder::ReadFile(existing).rfind("%PDF", 0), 0u);
    DeleteDC(printer);
}

TEST_F(PrintDialog, TheFilePrinterAsksWithTheSaveChooserOpenOnTheSuggestedFile) {
    TempFolder home;
    ScopedEnv homeVariable("HOME", home.Path());
    IdleScript script{presenter};
    HDC printer = CreateDCA(kPrinterDriver, kPdfFilePrinter, kFilePort, nullptr);
    DOCINFOA info;
    info.lpszDocName = "Report";
    std::string caption, folder, name;
    script.Then([&] {
        HWND chooser = GetActiveWindow();
        caption = detail::WindowText(chooser);
        folder = detail::ItemText(chooser, detail::kChooserFolderField);
        name = detail::ItemText(chooser, detail::kChooserNameField);
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(StartDocA(printer, &info), SP_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_CANCELLED);
    EXPECT_EQ(caption, "Print to File");
    EXPECT_EQ(folder, home.Path());
    EXPECT_EQ(name, "Report.pdf");
    EXPECT_TRUE(std::filesystem::is_empty(home.Path()));

    script.Then([&] {
        HWND chooser = GetActiveWindow();
        SendMessageA(chooser, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(GetDlgItem(chooser, detail::kChooserNameField)), TRUE);
        presenter.TypeText("Caf\xE9");
        presenter.PressKey(VK_RETURN);
    });
    ASSERT_GT(StartDocA(printer, &info), 0);
    EXPECT_GT(EndDoc(printer), 0);
    EXPECT_TRUE(std::filesystem::exists(home / "Caf\xC3\xA9.pdf"))
        << "\".pdf\" added; the system's form of the name";
    DeleteDC(printer);
}

}  // namespace
}  // namespace uitest
