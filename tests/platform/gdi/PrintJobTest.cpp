// Print jobs read back from the PDF they make: with poppler's tools for pages, paper and text, and
// as pixels against a reference picture (data/printed-page.png, made by this test with
// FABLECORE_WRITE_REFERENCE=1 and checked by eye: a title, a wrapped paragraph and a framed box).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TextLines.h"
#include "platform/sys/ChildProcess.h"
#include "platform/sys/FileFaults.h"
#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"
#include "support/ScopedEnv.h"

namespace {

using namespace win;

std::string Tool(const std::vector<std::string>& argv) {
    const ProgramRun run = RunProgram(argv, true);
    EXPECT_TRUE(run.started && run.exitCode == 0) << argv[0] << " failed";
    return run.output;
}

std::vector<std::string> NonEmptyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\f')) line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> PdfPageLines(const std::string& pdf, int page) {
    const std::string number = std::to_string(page);
    return NonEmptyLines(Tool({"pdftotext", "-f", number, "-l", number, pdf, "-"}));
}

std::string PdfInfo(const std::string& pdf) { return Tool({"pdfinfo", pdf}); }

// One logical unit per point, as the print settings map pages.
void MapJobPoints(HDC dc) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 72, 72, nullptr);
    SetViewportExtEx(dc, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), nullptr);
}

std::vector<std::string> Wrapped(HDC dc, const std::string& text, int width) {
    std::vector<std::string> lines;
    for (const TextLine& line : BreakTextLines(dc, text, width)) {
        std::string shown = text.substr(line.start, line.length);
        while (!shown.empty() && shown.back() == ' ') shown.pop_back();
        lines.push_back(shown);
    }
    return lines;
}

const std::string kJobParagraph =
    "A writer's story grows from a question: what does the main character want, and what stands in "
    "the way? Every scene answers a little of it, and the pages that follow keep the answer honest "
    "until the last one turns.";

int abortCalls = 0;
int abortAfter = -1;  // the call on which the abort procedure answers FALSE; -1 never
BOOL CountingAbortProc(HDC, int) {
    ++abortCalls;
    return abortAfter < 0 || abortCalls < abortAfter;
}

class PrintJob : public ::testing::Test {
protected:
    void SetUp() override {
        abortCalls = 0;
        abortAfter = -1;
    }
    void TearDown() override { SetPrintFileChooser(nullptr); }

    // The file printer's context, on Letter paper unless a device mode says otherwise.
    static HDC FilePrinter(const DEVMODEA* mode = nullptr) {
        return CreateDCA(kPrinterDriver, kPdfFilePrinter, kFilePort, mode);
    }
    int Start(HDC dc, const std::string& output, const char* title = "Story notes") {
        DOCINFOA info;
        info.lpszDocName = title;
        info.lpszOutput = output.empty() ? nullptr : output.c_str();
        return StartDocA(dc, &info);
    }

    TempFolder folder;
};

TEST_F(PrintJob, TwoPagesReadBackWithTheirPaperTextAndPixels) {
    const std::string pdf = folder / "notes.pdf";
    HDC printer = FilePrinter();
    ASSERT_NE(printer, nullptr);
    ASSERT_EQ(SetAbortProc(printer, CountingAbortProc), 1);
    MapJobPoints(printer);
    HFONT body = gditest::MakeFont("Times New Roman", -12);
    HFONT title = gditest::MakeFont("Arial", -18, FW_BOLD);

    // The paragraph breaks the same on the printer and on a bitmap at one pixel per point.
    HDC measuring = CreateCompatibleDC(nullptr);
    HGDIOBJ oldMeasuring = SelectObject(measuring, body);
    HGDIOBJ oldPrinter = SelectObject(printer, body);
    const std::vector<std::string> lines = Wrapped(printer, kJobParagraph, 300);
    EXPECT_EQ(Wrapped(measuring, kJobParagraph, 300), lines);
    ASSERT_GE(lines.size(), 3u);

    ASSERT_GT(Start(printer, pdf), 0);
    ASSERT_GT(StartPage(printer), 0);
    SetBkMode(printer, TRANSPARENT);
    SelectObject(printer, title);
    TextOutA(printer, 72, 72, "Chapter One", 11);
    SelectObject(printer, body);
    TEXTMETRICA metrics;
    GetTextMetricsA(printer, &metrics);
    int y = 110;
    for (const std::string& line : lines) {
        TextOutA(printer, 72, y, line.c_str(), static_cast<int>(line.size()));
        y += metrics.tmHeight;
    }
    SelectObject(printer, GetStockObject(NULL_BRUSH));
    Rectangle(printer, 72, y + 20, 372, y + 80);
    ASSERT_GT(EndPage(printer), 0);
    ASSERT_GT(StartPage(printer), 0);
    TextOutA(printer, 72, 72, "Chapter Two", 11);
    ASSERT_GT(EndPage(printer), 0);
    ASSERT_GT(EndDoc(printer), 0);
    EXPECT_GE(abortCalls, 4);  // at least once in every page call

    const std::string info = PdfInfo(pdf);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info;
    EXPECT_NE(info.find("Story notes"), std::string::npos) << info;  // the document's title
    std::vector<std::string> expected{"Chapter One"};
    expected.insert(expected.end(), lines.begin(), lines.end());
    EXPECT_EQ(PdfPageLines(pdf, 1), expected);
    EXPECT_EQ(PdfPageLines(pdf, 2), std::vector<std::string>{"Chapter Two"});

    // Page 1 at 40 pixels per inch against the reference picture.
    const std::string prefix = folder / "page";
    Tool({"pdftoppm", "-r", "40", "-f", "1", "-l", "1", "-singlefile", "-png", pdf, prefix});
    const std::unique_ptr<Surface> page = Surface::ReadPng(prefix + ".png");
    ASSERT_NE(page, nullptr);
    const std::string reference = std::string(GDI_TEST_DATA) + "/printed-page.png";
    if (std::getenv("FABLECORE_WRITE_REFERENCE")) {
        ASSERT_TRUE(page->WritePng(reference));
    }
    const std::unique_ptr<Surface> wanted = Surface::ReadPng(reference);
    ASSERT_NE(wanted, nullptr);
    ASSERT_EQ(page->Width(), wanted->Width());
    ASSERT_EQ(page->Height(), wanted->Height());
    EXPECT_LE(gditest::DifferingPixels(*page, *wanted), page->Width() * page->Height() / 500);

    SelectObject(measuring, oldMeasuring);
    SelectObject(printer, oldPrinter);
    DeleteDC(measuring);
    DeleteDC(printer);
    DeleteObject(body);
    DeleteObject(title);
}

TEST_F(PrintJob, AnAbortProcedureThatSaysStopEndsTheJobWithoutAFile) {
    const std::string pdf = folder / "stopped.pdf";
    HDC printer = FilePrinter();
    SetAbortProc(printer, CountingAbortProc);
    ASSERT_GT(Start(printer, pdf), 0);
    ASSERT_GT(StartPage(printer), 0);
    ASSERT_GT(EndPage(printer), 0);
    ASSERT_GT(StartPage(printer), 0);
    abortAfter = abortCalls + 2;  // the second call from here, in the middle of the drawing
    for (int k = 0; k < 200; ++k) Rectangle(printer, k, k, k + 10, k + 10);
    const int callsWhenStopped = abortCalls;
    EXPECT_EQ(callsWhenStopped, abortAfter);  // asked while drawing, and not again once it said stop
    EXPECT_EQ(EndPage(printer), SP_APPABORT);
    EXPECT_EQ(abortCalls, callsWhenStopped);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(EndDoc(printer), SP_ERROR);  // nothing left to finish
    EXPECT_EQ(StartPage(printer), SP_ERROR);
    // The context prints again.
    abortAfter = -1;
    ASSERT_GT(Start(printer, pdf), 0);
    ASSERT_GT(StartPage(printer), 0);
    EXPECT_GT(EndDoc(printer), 0);
    EXPECT_TRUE(std::filesystem::exists(pdf));
    DeleteDC(printer);
}

TEST_F(PrintJob, AbortDocDropsThePartialFile) {
    const std::string pdf = folder / "dropped.pdf";
    HDC printer = FilePrinter();
    EXPECT_EQ(AbortDoc(printer), SP_ERROR);  // no document
    ASSERT_GT(Start(printer, pdf), 0);
    EXPECT_EQ(Start(printer, pdf), SP_ERROR);  // one at a time
    ASSERT_GT(StartPage(printer), 0);
    EXPECT_EQ(StartPage(printer), SP_ERROR);
    ASSERT_GT(EndPage(printer), 0);
    EXPECT_EQ(EndPage(printer), SP_ERROR);
    ASSERT_GT(StartPage(printer), 0);
    EXPECT_GT(AbortDoc(printer), 0);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    DeleteDC(printer);
}

// The names in the folder.
std::vector<std::string> FolderNames(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A writer who agreed to replace a file keeps it while the document is printed, and after a job
// that is dropped or cannot be finished; only the finished document takes its place.
TEST_F(PrintJob, AFileBeingReplacedStaysAsItWasUntilTheDocumentIsFinished) {
    const std::string pdf = folder / "notes.pdf";
    folder.WriteFile("notes.pdf", "the notes printed last week");
    ::chmod(pdf.c_str(), 0640);
    HDC printer = FilePrinter();
    ASSERT_GT(Start(printer, pdf), 0);
    ASSERT_GT(StartPage(printer), 0);
    ASSERT_GT(EndPage(printer), 0);
    EXPECT_EQ(TempFolder::ReadFile(pdf), "the notes printed last week") << "while the job runs";
    EXPECT_GT(AbortDoc(printer), 0);
    EXPECT_EQ(TempFolder::ReadFile(pdf), "the notes printed last week") << "after the job is dropped";
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"notes.pdf"});

    // The finished document cannot be put in the file's place.
    ASSERT_GT(Start(printer, pdf), 0);
    ASSERT_GT(StartPage(printer), 0);
    ResetFileCalls();
    FailFileCall(FileCall::kRename, 1, EIO, true);
    EXPECT_EQ(EndDoc(printer), SP_ERROR);
    ResetFileCalls();
    EXPECT_EQ(TempFolder::ReadFile(pdf), "the notes printed last week");
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"notes.pdf"});

    ASSERT_GT(Start(printer, pdf), 0);
    ASSERT_GT(StartPage(printer), 0);
    TextOutA(printer, 72, 72, "Chapter Three", 13);
    ASSERT_GT(EndDoc(printer), 0);
    EXPECT_EQ(PdfPageLines(pdf, 1), std::vector<std::string>{"Chapter Three"});
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"notes.pdf"});
    struct stat status {};
    ASSERT_EQ(::stat(pdf.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u) << "the file keeps who may read it";
    DeleteDC(printer);
}

TEST_F(PrintJob, TheFileChooserNamesTheFileOrCancelsTheJob) {
    ScopedEnv home("HOME", folder.Path());
    HDC printer = FilePrinter();
    std::string suggested;
    SetPrintFileChooser([&](const std::string& path) -> std::optional<std::string> {
        suggested = path;
        return std::nullopt;
    });
    SetLastError(0);
    EXPECT_EQ(Start(printer, ""), SP_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_CANCELLED);
    EXPECT_EQ(suggested, folder / "Story notes.pdf");
    EXPECT_EQ(StartPage(printer), SP_ERROR);  // no document was started

    const std::string chosen = folder / "chosen.pdf";
    SetPrintFileChooser([&](const std::string&) -> std::optional<std::string> { return chosen; });
    ASSERT_GT(Start(printer, ""), 0);
    ASSERT_GT(EndDoc(printer), 0);
    EXPECT_TRUE(std::filesystem::exists(chosen));

    // Without a chooser the suggestion is taken; it never names a file that is there.
    SetPrintFileChooser(nullptr);
    folder.WriteFile("Act 1_2.pdf", "kept");
    ASSERT_GT(Start(printer, "", "Act 1/2"), 0);
    ASSERT_GT(EndDoc(printer), 0);
    EXPECT_EQ(TempFolder::ReadFile(folder / "Act 1_2.pdf"), "kept");
    EXPECT_TRUE(std::filesystem::exists(folder / "Act 1_2 (2).pdf"));
    DeleteDC(printer);
}

TEST_F(PrintJob, PaperSizesAndOrientationsGiveTheDeviceMeasures) {
    struct Case {
        short paper, orientation;
        int width, height;  // device pixels at 600 dpi
    } cases[] = {
        {DMPAPER_LETTER, DMORIENT_PORTRAIT, 5100, 6600}, {DMPAPER_LETTER, DMORIENT_LANDSCAPE, 6600, 5100},
        {DMPAPER_A4, DMORIENT_PORTRAIT, 4961, 7016},     {DMPAPER_A4, DMORIENT_LANDSCAPE, 7016, 4961},
        {DMPAPER_LEGAL, DMORIENT_PORTRAIT, 5100, 8400},  {DMPAPER_LEGAL, DMORIENT_LANDSCAPE, 8400, 5100}};
    for (const Case& c : cases) {
        DEVMODEA mode;
        mode.dmFields = DM_PAPERSIZE | DM_ORIENTATION;
        mode.dmPaperSize = c.paper;
        mode.dmOrientation = c.orientation;
        HDC dc = FilePrinter(&mode);
        SCOPED_TRACE(testing::Message() << "paper " << c.paper << " orientation " << c.orientation);
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 600);
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 600);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), c.width);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), c.height);
        EXPECT_EQ(GetDeviceCaps(dc, HORZRES), c.width);  // the file printer prints the whole sheet
        EXPECT_EQ(GetDeviceCaps(dc, VERTRES), c.height);
        EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 0);
        int escape = GETPHYSPAGESIZE;
        EXPECT_EQ(Escape(dc, QUERYESCSUPPORT, sizeof escape, reinterpret_cast<LPCSTR>(&escape), nullptr), 1);
        POINT size;
        EXPECT_EQ(Escape(dc, GETPHYSPAGESIZE, 0, nullptr, &size), 1);
        EXPECT_EQ(size.x, c.width);
        EXPECT_EQ(size.y, c.height);
        DeleteDC(dc);
    }
    // Without a device mode: the choice made this session for that printer.
    SetPrinterPaper(kPdfFilePrinter, PaperChoice{DMPAPER_A4, DMORIENT_LANDSCAPE});
    HDC chosen = FilePrinter();
    EXPECT_EQ(GetDeviceCaps(chosen, PHYSICALWIDTH), 7016);
    DeleteDC(chosen);
    SetPrinterPaper(kPdfFilePrinter, PaperChoice{});
    HDC screen = CreateCompatibleDC(nullptr);
    int escape = GETPRINTINGOFFSET;
    EXPECT_EQ(Escape(screen, QUERYESCSUPPORT, sizeof escape, reinterpret_cast<LPCSTR>(&escape), nullptr), 0);
    DeleteDC(screen);
    EXPECT_EQ(CreateDCA("winspool", "Office", "LPT1:", nullptr), nullptr);
}

// A print system of shell scripts: lpstat lists two queues, lp keeps what it was given.
class PrintQueue : public PrintJob {
protected:
    void SetUp() override {
        PrintJob::SetUp();
        std::filesystem::create_directory(bin);
        std::filesystem::create_directory(temp);
        Script("lpstat", "printf 'Office\\nHome_Laser\\n'");
        Script("lp", "printf '%s\\n' \"$@\" > '" + folder / "lp-args" + "'\n" +
                         "for last; do :; done; cp \"$last\" '" + folder / "received.pdf" + "'");
    }
    void Script(const std::string& name, const std::string& body) {
        folder.WriteFile("bin/" + name, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(bin + "/" + name, std::filesystem::perms::owner_all);
    }

    std::string bin = folder / "bin";
    std::string temp = folder / "tmp";
    ScopedEnv path{"PATH", bin + ":/usr/bin:/bin"};
    ScopedEnv tmpdir{"TMPDIR", temp};
};

TEST_F(PrintQueue, QueuesAreListedAfterTheFilePrinterAndGetTheFinishedDocument) {
    const std::vector<PrinterInfo> printers = ListPrinters();
    ASSERT_EQ(printers.size(), 3u);
    EXPECT_EQ(DeviceEntry(printers[0]), "PDF File,pdf,FILE:");
    EXPECT_EQ(DeviceEntry(printers[1]), "Office,pdf,LP:");
    EXPECT_EQ(printers[2].device, "Home_Laser");
    EXPECT_EQ(CreateDCA(kPrinterDriver, "Garage", kQueuePort, nullptr), nullptr);  // not a queue

    HDC office = CreateDCA(kPrinterDriver, "Office", kQueuePort, nullptr);
    ASSERT_NE(office, nullptr);
    EXPECT_EQ(GetDeviceCaps(office, PHYSICALOFFSETX), 150);  // a quarter inch unprinted
    EXPECT_EQ(GetDeviceCaps(office, HORZRES), 5100 - 300);
    ASSERT_GT(Start(office, "", "Scene list"), 0);
    ASSERT_GT(StartPage(office), 0);
    TextOutA(office, 100, 100, "Queued", 6);
    ASSERT_GT(EndDoc(office), 0);
    EXPECT_EQ(TempFolder::ReadFile(folder / "lp-args").substr(0, 30).find("-d\nOffice\n-t\nScene list\n--\n"),
              0u);
    EXPECT_EQ(PdfPageLines(folder / "received.pdf", 1), std::vector<std::string>{"Queued"});
    EXPECT_TRUE(std::filesystem::is_empty(temp));  // the temporary file is gone

    // A queue that refuses the job: EndDoc fails, and the temporary file goes all the same.
    Script("lp", "exit 1");
    ASSERT_GT(Start(office, ""), 0);
    EXPECT_EQ(EndDoc(office), SP_ERROR);
    EXPECT_TRUE(std::filesystem::is_empty(temp));
    DeleteDC(office);
}

TEST_F(PrintQueue, NamesTitlesAndPathsReachThePrintSystemInItsOwnForm) {
    Script("lpstat", "printf 'Bureau_\\303\\251\\n\\320\\241\\321\\216\\n'");  // the second: Cyrillic
    const std::string accentedTemp = folder / "t\xC3\xA9mp";
    std::filesystem::create_directory(accentedTemp);
    ScopedEnv accentedTmpdir("TMPDIR", accentedTemp);
    const std::vector<PrinterInfo> printers = ListPrinters();
    ASSERT_EQ(printers.size(), 2u) << "a queue the program cannot name is left out";
    EXPECT_EQ(printers[1].device, "Bureau_\xE9");

    HDC queue = CreateDCA(kPrinterDriver, "Bureau_\xE9", kQueuePort, nullptr);
    ASSERT_NE(queue, nullptr);
    ASSERT_GT(Start(queue, "", "R\xE9sum\xE9"), 0);
    ASSERT_GT(EndDoc(queue), 0);
    EXPECT_EQ(
        TempFolder::ReadFile(folder / "lp-args").find("-d\nBureau_\xC3\xA9\n-t\nR\xC3\xA9sum\xC3\xA9\n--\n"),
        0u);
    EXPECT_TRUE(std::filesystem::exists(folder / "received.pdf"));
    EXPECT_TRUE(std::filesystem::is_empty(accentedTemp));
    DeleteDC(queue);

    HDC file = FilePrinter();
    ASSERT_GT(Start(file, folder / "Caf\xE9.pdf"), 0);
    ASSERT_GT(EndDoc(file), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "Caf\xC3\xA9.pdf"));
    DeleteDC(file);
}

TEST_F(PrintQueue, WithoutAPrintSystemOnlyTheFilePrinterIsThere) {
    ScopedEnv bare("PATH", folder / "nowhere");
    EXPECT_EQ(ListPrinters().size(), 1u);
    EXPECT_EQ(CreateDCA(kPrinterDriver, "Office", kQueuePort, nullptr), nullptr);
}

}  // namespace
