// The line breaker over a whole paragraph at every width: the text is kept, lines fit and are as
// full as the rules allow, and paper (a printer context) gets the same lines as memory.

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TextLines.h"

namespace {

using namespace win;

constexpr const char* kParagraph =
    "Every story has a shape:  a beginning that asks a question, a middle that tests\tthe answer, and "
    "an end that shows\r\nwhat it cost. Supercalifragilisticexpialidocious words get cut.\nDone.";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class TextLinesLayout : public ::testing::Test {
protected:
    HDC memory = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");

    void SetUp() override { SelectObject(memory, font); }
    void TearDown() override {
        DeleteDC(memory);
        DeleteObject(font);
    }
    int Width(std::string_view text) {
        return LOWORD(GetTabbedTextExtentA(memory, text.data(), static_cast<int>(text.size()), 0, nullptr));
    }
};

TEST_F(TextLinesLayout, TabsReachTheStopsTabbedTextUses) {
    const TextAdvances advances(memory);
    EXPECT_EQ(advances.After("ab\tc", 0), Width("ab\tc"));
    EXPECT_EQ(advances.After("\t", 0), advances.After("\t", 1)) << "a tab from just past a stop";
    const int stop = advances.After("\t", 0);
    const std::vector<TextLine> lines = BreakTextLines(advances, "a\tb", stop);
    ASSERT_EQ(lines.size(), 2u) << "b would start at the stop and end past it";
    EXPECT_EQ(lines[0].length, 2u);
}

// At every width: a line ends only where the next word (or, within a word alone on its line, the
// next character) would not have fitted on it.
TEST_F(TextLinesLayout, AtEveryWidthLinesFitAreFullAndAreTheSameOnPaper) {
    const std::string text = kParagraph;
    HDC printer = CreatePrinterDC(kLetterPaper);
    ASSERT_NE(printer, nullptr);
    const std::string pdf = ::testing::TempDir() + "lines-" + std::to_string(::getpid()) + ".pdf";
    ASSERT_TRUE(BeginPrinterDocument(printer, pdf));
    ASSERT_TRUE(BeginPrinterPage(printer));
    SelectObject(printer, font);
    const int widest = Width(text);
    for (int width = 1; width <= widest + 1; ++width) {
        const std::vector<TextLine> lines = BreakTextLines(memory, text, width);
        std::string kept;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::size_t next = i + 1 < lines.size() ? lines[i + 1].start : text.size();
            const std::string shown = text.substr(lines[i].start, lines[i].length);
            kept += text.substr(lines[i].start, next - lines[i].start);
            std::string_view visible = shown;
            while (!visible.empty() && IsBlank(visible.back())) visible.remove_suffix(1);
            if (visible.size() > 1) {
                ASSERT_LE(Width(visible), width) << "width " << width << " line " << i;
            }
            if (lines[i].start + lines[i].length != next || i + 1 == lines.size()) continue;  // a line end
            const std::string rest = text.substr(next);
            if (IsBlank(shown.back())) {
                const std::string word = rest.substr(0, rest.find_first_of(" \t\r\n"));
                EXPECT_GT(Width(shown + word), width) << "width " << width << ": the next word would fit";
            } else {
                EXPECT_EQ(shown.find_first_of(" \t"), std::string::npos) << "only a word alone is cut";
                EXPECT_GT(Width(shown + rest.substr(0, 1)), width);
            }
        }
        ASSERT_EQ(kept, text) << "width " << width;
        const std::vector<TextLine> onPaper = BreakTextLines(printer, text, width);
        ASSERT_EQ(onPaper.size(), lines.size()) << "width " << width;
        for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(onPaper[i].start, lines[i].start) << width;
    }
    EXPECT_EQ(BreakTextLines(memory, text, widest).size(), 3u) << "wide enough: only the line ends";
    AbortPrinterDocument(printer);
    DeleteDC(printer);
}

}  // namespace
