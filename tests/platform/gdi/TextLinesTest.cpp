#include "platform/gdi/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Text.h"

namespace {

using namespace win;

class TextLinesTest : public ::testing::Test {
protected:
    TextLinesTest() : dc_(CreateMeasuringDC()), font_(gditest::MakeFont("Courier New", 16)) {
        SelectObject(dc_, font_);
        SIZE size;
        GetTextExtentPointA(dc_, "x", 1, &size);
        cell_ = size.cx;
    }
    ~TextLinesTest() override {
        DeleteDC(dc_);
        DeleteObject(font_);
    }
    // The lines of the text at a width of `cells` characters of the fixed-pitch font.
    std::vector<std::string> Lines(const std::string& text, int cells) const {
        std::vector<std::string> lines;
        for (const TextLine& line : BreakTextLines(dc_, text, cells * cell_)) {
            lines.push_back(text.substr(line.start, line.length));
        }
        return lines;
    }

    HDC dc_;
    HFONT font_;
    int cell_ = 0;
};

using Texts = std::vector<std::string>;

TEST_F(TextLinesTest, BreaksAfterTheLastBlankThatLetsTheLineFit) {
    EXPECT_EQ(Lines("one two three", 9), (Texts{"one two ", "three"}));
    EXPECT_EQ(Lines("one two three", 7), (Texts{"one two ", "three"})) << "blanks at a break hang over";
    EXPECT_EQ(Lines("one two three", 13), (Texts{"one two three"}));
    EXPECT_EQ(Lines("abcdefghij", 4), (Texts{"abcd", "efgh", "ij"})) << "a word wider than the line";
    EXPECT_EQ(Lines("ab", 0), (Texts{"a", "b"})) << "every line takes at least one character";
}

TEST_F(TextLinesTest, LineEndsAlwaysBreak) {
    EXPECT_EQ(Lines("a\r\nb\nc\rd", 20), (Texts{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\n\nb\n", 20), (Texts{"a", "", "b", ""}));
    EXPECT_EQ(Lines("", 20), (Texts{""}));
    EXPECT_EQ(Lines("  lead", 20), (Texts{"  lead"}));
}

}  // namespace
