// The Reports window in the running program on an Xvfb display, driven as a writer drives it: a
// complete example story opened, Storytelling > Reports chosen from the menu with keys, a report
// and a group of reports ticked in the list with clicks and shown, the print preview opened and
// the reports printed to a PDF file through the print dialog and the file chooser, with keys: the
// file goes beside the story, named after it. The PDF, read back with poppler's pdftotext, holds
// the chosen reports in the list's order, each page under the story's title and its report's; the
// screen is compared with reference pictures.

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "items/printing/PdfReading.h"
#include "reports/ReportCatalogue.h"
// Last: it brings the X headers, which define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

using XvfbReports = XvfbSession;

constexpr const char* kStoryName = "Romeo and Juliet";
// The Reports window's client area in the program's window (it opens 40 and 30 pixels into the
// frame's client area, inside its own frame and caption).
constexpr int kReportsLeft = 44;
constexpr int kReportsTop = 78;
// Its Show Reports button, and the middle of a row of its report list.
constexpr win::POINT kShowReportsButton{kReportsLeft + 100, kReportsTop + 19};
win::POINT ListRow(int row) { return {kReportsLeft + 60, kReportsTop + 132 + 18 * row + 9}; }
// The top of the footer of the page the print preview shows.
constexpr int kPreviewFooterTop = 475;

// The row of the catalogue entry of the title in the Reports window's list (the catalogue's order).
int CatalogueRow(const std::string& title) {
    const auto catalogue = ReportCatalogue();
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [&](const ReportCatalogueEntry& entry) { return title == entry.name; });
    return found == catalogue.end() ? -1 : static_cast<int>(found - catalogue.begin());
}

// The titles of the reports under the group heading at the row, in the list's order.
std::vector<std::string> GroupTitles(int row) {
    const auto catalogue = ReportCatalogue();
    std::vector<std::string> titles;
    for (std::size_t k = static_cast<std::size_t>(row) + 1;
         k < catalogue.size() && catalogue[k].kind == ReportCatalogueEntry::kReport; ++k)
        titles.emplace_back(catalogue[k].name);
    return titles;
}

std::vector<std::string> WordsOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// How many of the words, from the first, the text holds one after the other (others between).
std::size_t WordsInOrder(const std::vector<std::string>& text, const std::vector<std::string>& words) {
    std::size_t matched = 0;
    for (const std::string& word : text) {
        if (matched < words.size() && word == words[matched]) ++matched;
    }
    return matched;
}

// The PDF files in the folder.
std::vector<std::filesystem::path> PdfFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".pdf") files.push_back(entry.path());
    }
    return files;
}

TEST_F(XvfbReports, ReportsChosenWithClicksArePreviewedAndPrintedToAPdfInTheListsOrder) {
    // A complete example story the build made, copied into the test's own folder.
    const std::filesystem::path examples =
        std::filesystem::path(FABLECORE_PROGRAM).parent_path() / "examples";
    const std::string story = folder / (std::string(kStoryName) + ".fsf");
    std::filesystem::copy_file(examples / (std::string(kStoryName) + ".fsf"), story);
    const std::filesystem::path home = folder / "home";
    ASSERT_TRUE(Start({story}));
    // The program takes no keys while its splash screen waits: the window must first hold still
    // for longer than the splash screen shows.
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    Settled();

    // Storytelling > Reports from the menu bar: Alt+S opens the first menu of that letter
    // (Storyforming), the right arrow moves on twice to Storytelling, R chooses Reports.
    std::unique_ptr<win::Surface> before = Capture();
    Chord(display, XK_Alt_L, XK_s);
    before = Settled(before.get());
    Press(display, XK_Right);
    before = Settled(before.get());
    Press(display, XK_Right);
    before = Settled(before.get());
    Press(display, XK_r);
    ExpectScreen("xvfb-reports-window.png", before.get());

    // A report and a group ticked with clicks, and shown.
    const int reportRow = CatalogueRow("Story Engine Settings");
    const int groupRow = CatalogueRow("Plot");
    ASSERT_GE(reportRow, 0);
    ASSERT_GT(groupRow, reportRow);
    before = Capture();
    ClickAt(ListRow(reportRow));
    before = Settled(before.get());
    ClickAt(ListRow(groupRow));
    before = Settled(before.get());
    ClickAt(kShowReportsButton);
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    ExpectScreen("xvfb-reports-shown.png", before.get());

    // File > Print Preview shows the first page; Escape closes it.
    before = Capture();
    Chord(display, XK_Alt_L, XK_f);
    before = Settled(before.get());
    Press(display, XK_v);
    // The page above its footer, which tells the time of printing, once the preview has counted the
    // pages: it shows the first while it lays out the others ("Page 1 of 1 so far").
    ExpectScreen("xvfb-reports-preview.png", before.get(), kPreviewFooterTop);
    before = Capture();
    Press(display, XK_Escape);
    before = Settled(before.get());

    // Ctrl+P: the print dialog's OK on the PDF file printer, and the file chooser's suggestion: in
    // the story's folder, named after the story.
    Chord(display, XK_Control_L, XK_p);
    before = Settled(before.get());
    Press(display, XK_Return);
    before = Settled(before.get());
    Press(display, XK_Return);
    std::vector<std::filesystem::path> printed;
    ASSERT_TRUE(Eventually([&] { return !(printed = PdfFiles(folder.Path())).empty(); }))
        << "nothing was printed";
    Settled();

    // The printed reports: each page under the story's title and its report's, the report first
    // and then the group's, as the list orders them.
    std::vector<std::string> expected;
    const auto page = [&](const std::string& title) {
        for (const std::string& words : {std::string(kStoryName), title}) {
            const std::vector<std::string> more = WordsOf(words);
            expected.insert(expected.end(), more.begin(), more.end());
        }
    };
    page("Story Engine Settings");
    for (const std::string& title : GroupTitles(groupRow)) page(title);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].filename(), std::string(kStoryName) + ".pdf");
    EXPECT_TRUE(PdfFiles(home).empty()) << "nothing went to the home folder";
    const std::vector<std::string> words = WordsOf(printtest::Tool({"pdftotext", printed[0].string(), "-"}));
    EXPECT_EQ(WordsInOrder(words, expected), expected.size());
}

}  // namespace
