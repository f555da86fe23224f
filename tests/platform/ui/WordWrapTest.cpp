#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "platform/gdi/Gdi.h"
#include "platform/ui/WordWrap.h"

namespace {

using namespace win;

constexpr const char* kParagraph =
    "Every story has a shape:  a beginning that asks a question, a middle that tests\tthe answer, and "
    "an end that shows\r\nwhat it cost. Supercalifragilisticexpialidocious words get cut.\nDone.";

class WordWrap : public ::testing::Test {
protected:
    HDC memory = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");

    void SetUp() override { SelectObject(memory, font); }
    void TearDown() override {
        DeleteDC(memory);
        DeleteObject(font);
    }
    int Width(std::string_view text) {
        SIZE size{};
        GetTextExtentPoint32A(memory, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

TEST_F(WordWrap, LineBreaksEndLinesAndTheTextIsKeptWhole) {
    auto lines = WrapText(memory, "one\r\ntwo\nthree\r\r\n", 10000);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].length, 3);
    EXPECT_EQ(lines[1].start, 5) << "CR LF is one break";
    EXPECT_EQ(lines[2].start, 9) << "so is a lone LF";
    EXPECT_EQ(lines[3].start, 15) << "and a lone CR";
    EXPECT_EQ(lines[3].length, 0);
    EXPECT_EQ(lines[4].start, 17) << "a text ending in a break ends with an empty line";
    EXPECT_EQ(lines[4].length, 0);
    EXPECT_EQ(lines[4].next, 17);
    ASSERT_EQ(WrapText(memory, "", 50).size(), 1u);
}

TEST_F(WordWrap, AFixedWidthFontBreaksAfterSpacesAndCutsLongWords) {
    HFONT fixed = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Courier New");
    SelectObject(memory, fixed);
    const int w = Width("x");
    auto lines = WrapText(memory, "aaa bbb ccc", 7 * w);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].length, 8) << "\"aaa bbb \": the space stays on its line";
    EXPECT_EQ(lines[1].start, 8);
    lines = WrapText(memory, "aaa    bbb", 5 * w);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].length, 7) << "spaces hang past the width";
    lines = WrapText(memory, "abcdefgh", 3 * w);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].length, 3) << "a long word is cut where it reaches the width";
    EXPECT_EQ(lines[2].length, 2);
    lines = WrapText(memory, "abc", 0);
    EXPECT_EQ(lines.size(), 3u) << "every line holds a character";
    SelectObject(memory, font);
    DeleteObject(fixed);
}

// At every width, the layout keeps the text, fits it, and is greedy: a line ends only where the
// next word (or, within one long word, the next character) would not have fitted on it.
TEST_F(WordWrap, AtEveryWidthLinesFitAreFullAndAreTheSameOnPaper) {
    const std::string text = kParagraph;
    const int widest = Width(text);
    HDC printer = CreatePrinterDC(kLetterPaper);
    ASSERT_NE(printer, nullptr);
    const std::string pdf = ::testing::TempDir() + "wrap-" + std::to_string(::getpid()) + ".pdf";
    ASSERT_TRUE(BeginPrinterDocument(printer, pdf));
    ASSERT_TRUE(BeginPrinterPage(printer));
    SelectObject(printer, font);
    for (int width = 1; width <= widest + 1; ++width) {
        const std::vector<WrappedLine> lines = WrapText(memory, text, width);
        std::string rebuilt;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const WrappedLine& line = lines[i];
            const std::string shown =
                text.substr(static_cast<std::size_t>(line.start), static_cast<std::size_t>(line.length));
            rebuilt += text.substr(static_cast<std::size_t>(line.start),
                                   static_cast<std::size_t>(line.next - line.start));
            std::string_view visible = shown;
            while (!visible.empty() && IsBlank(visible.back())) visible.remove_suffix(1);
            if (visible.find('\t') == std::string_view::npos && visible.size() > 1) {
                ASSERT_LE(Width(visible), width) << "width " << width << " line " << i;
            }
            const bool wrapped = i + 1 < lines.size() && line.start + line.length == line.next;
            if (!wrapped) continue;
            const std::string rest = text.substr(static_cast<std::size_t>(line.next));
            if (IsBlank(shown.back())) {
                const std::string word = rest.substr(0, rest.find_first_of(" \t\r\n"));
                if (shown.find('\t') == std::string::npos) {
                    EXPECT_GT(Width(shown + word), width) << "width " << width << ": the next word would fit";
                }
            } else {
                EXPECT_EQ(shown.find_first_of(" \t"), std::string::npos) << "only a lone word is cut";
                EXPECT_GT(Width(shown + rest.substr(0, 1)), width);
            }
        }
        ASSERT_EQ(rebuilt, text) << "width " << width;
        const std::vector<WrappedLine> onPaper = WrapText(printer, text, width);
        ASSERT_EQ(onPaper.size(), lines.size()) << "width " << width;
        for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(onPaper[i].next, lines[i].next) << width;
    }
    EXPECT_EQ(WrapText(memory, text, widest).size(), 3u) << "wide enough: only the breaks";
    AbortPrinterDocument(printer);
    DeleteDC(printer);
}

}  // namespace
