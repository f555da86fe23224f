// The rich text store and its layout, without a window: runs of character formats after each
// change, the insertion point's format, paragraphs and their indents, and wrapping over runs.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/ui/RichLayout.h"
#include "platform/ui/RichText.h"

namespace win::detail {
namespace {

CHARFORMATA Effect(DWORD mask, bool on) {
    CHARFORMATA change;
    change.dwMask = mask;
    change.dwEffects = on ? mask : 0;
    return change;
}

// The format of each character as letters: b(old), i(talic), u(nderline), '.' for none.
std::string Runs(const RichText& text) {
    std::string runs;
    for (int at = 0; at < text.Length(); ++at) {
        const RichCharFormat& f = text.Format(text.FormatIndexAt(at));
        runs += f.bold && f.italic ? 'B' : f.bold ? 'b' : f.italic ? 'i' : f.underline ? 'u' : '.';
    }
    return runs;
}

void AppendRun(RichText& text, const std::string& run) {
    text.Select(text.Length(), text.Length());
    text.Replace(run, false, false);
}

TEST(RichText, FormatsSplitRunsAndReportOnlyWhatTheSelectionAgreesOn) {
    RichText text;
    text.Reset("one two three");
    text.SetCharFormat(4, 7, Effect(CFM_BOLD, true));
    EXPECT_EQ(Runs(text), "....bbb......");
    text.SetCharFormat(2, 9, Effect(CFM_ITALIC, true));
    EXPECT_EQ(Runs(text), "..iiBBBii....");
    text.SetCharFormat(5, 6, Effect(CFM_BOLD, false));
    EXPECT_EQ(Runs(text), "..iiBiBii....");
    CHARFORMATA out;
    text.GetCharFormat(2, 9, out);
    EXPECT_EQ(out.dwMask & (CFM_BOLD | CFM_ITALIC | CFM_SIZE), CFM_ITALIC | CFM_SIZE);
    EXPECT_EQ(out.dwEffects & CFE_ITALIC, CFE_ITALIC);
    CHARFORMATA face;
    face.dwMask = CFM_FACE | CFM_SIZE;
    std::strcpy(face.szFaceName, "Times New Roman");
    face.yHeight = 240;
    text.SetCharFormat(0, 3, face);
    text.GetCharFormat(0, 3, out);
    EXPECT_STREQ(out.szFaceName, "Times New Roman");
    EXPECT_EQ(out.yHeight, 240);
    text.GetCharFormat(0, 4, out);
    EXPECT_EQ(out.dwMask & (CFM_FACE | CFM_SIZE), 0u);
    // Deleting across runs keeps the formats on either side.
    text.Select(3, 10);
    text.Replace("", true, false);
    EXPECT_EQ(text.Text(), "oneree");
    EXPECT_EQ(Runs(text), "..i...");
    EXPECT_TRUE(text.Undo());
    EXPECT_EQ(text.Text(), "one two three");
    EXPECT_EQ(static_cast<int>(Runs(text).size()), text.Length());
}

TEST(RichText, TheInsertionPointKeepsItsFormatUntilTheCaretMoves) {
    RichText text;
    AppendRun(text, "plain ");
    text.SetCharFormat(text.Length(), text.Length(), Effect(CFM_BOLD, true));  // "B+"
    AppendRun(text, "bold");  // set to the end again first, as a load does
    text.SetCharFormat(text.Length(), text.Length(), Effect(CFM_BOLD, false));  // "B-"
    AppendRun(text, " rest");
    EXPECT_EQ(text.Text(), "plain bold rest");
    EXPECT_EQ(Runs(text), "......bbbb.....");
    // Typing takes the format of the character before the caret.
    text.Select(8, 8);
    text.Replace("x", true, true);
    EXPECT_EQ(Runs(text), "......bbbbb.....");
    text.Select(0, 0);
    text.Replace("y", true, true);
    EXPECT_EQ(Runs(text)[0], '.');
    // Insertion into an empty text takes the default format, which SCF_DEFAULT changes.
    RichText empty;
    empty.SetDefaultFormat(Effect(CFM_UNDERLINE, true));
    empty.Reset("");
    AppendRun(empty, "u");
    EXPECT_EQ(Runs(empty), "u");
}

TEST(RichText, ParagraphsSplitAndMergeWithTheirFormats) {
    RichText text;
    text.Reset("first\nsecond");  // a lone LF becomes CR LF
    EXPECT_EQ(text.Text(), "first\r\nsecond");
    ASSERT_EQ(text.ParagraphCount(), 2);
    EXPECT_EQ(text.ParagraphStart(1), 7);
    PARAFORMAT margins;  // "M(10,30,0)": first line 10 points in, the others 30
    margins.dwMask = PFM_STARTINDENT | PFM_OFFSET | PFM_RIGHTINDENT;
    margins.dxStartIndent = 10 * 20;
    margins.dxOffset = (30 - 10) * 20;
    text.SetParaFormat(8, 8, margins);
    EXPECT_EQ(text.Paragraph(0).startIndent, 0);
    EXPECT_EQ(text.Paragraph(1).startIndent, 200);
    EXPECT_EQ(text.Paragraph(1).offset, 400);
    // A break typed inside the second paragraph: both halves keep its format.
    text.Select(10, 10);
    text.Replace("\r", true, true);
    EXPECT_EQ(text.Text(), "first\r\nsec\r\nond");
    ASSERT_EQ(text.ParagraphCount(), 3);
    EXPECT_EQ(text.Paragraph(2).startIndent, 200);
    // Removing the first break: the merged paragraph is the first one's.
    text.Select(5, 7);
    text.Replace("", true, false);
    ASSERT_EQ(text.ParagraphCount(), 2);
    EXPECT_EQ(text.Paragraph(0).startIndent, 0);
    EXPECT_EQ(text.ParagraphStart(1), 10);
    PARAFORMAT out;
    text.GetParaFormat(0, text.Length(), out);
    EXPECT_EQ(out.dwMask & (PFM_STARTINDENT | PFM_ALIGNMENT), static_cast<DWORD>(PFM_ALIGNMENT));
    // A limit never splits a line break.
    text.Select(text.Length(), text.Length());
    EXPECT_TRUE(text.Replace("ab\r\ncd", true, true, text.Length() + 3).cut);
    EXPECT_EQ(text.Text().substr(text.Length() - 3), "dab");
}

// Layout in one fixed-width face, so widths are counts of characters.
class RichLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        CHARFORMATA mono;
        mono.dwMask = CFM_FACE | CFM_SIZE;
        std::strcpy(mono.szFaceName, "Courier New");
        mono.yHeight = 200;
        text.SetDefaultFormat(mono);
    }
    int W() { return fonts.Of(text, text.DefaultFormat()).measure.Width('x'); }
    std::vector<std::string> Lines(const RichLayout& layout) {
        std::vector<std::string> lines;
        for (const RichLine& l : layout.lines) lines.push_back(text.Text().substr(l.start, l.length));
        return lines;
    }
    RichText text;
    RichFonts fonts;
};

TEST_F(RichLayoutTest, BreaksAfterBlanksCutsLongWordsAndHonoursLineBreaks) {
    text.Reset("aaa bbb ccc\r\nddddddddddd e\r\n");
    const RichLayout layout = LayOutRichText(text, fonts, 8 * W());
    EXPECT_EQ(Lines(layout), (std::vector<std::string>{"aaa bbb ", "ccc", "dddddddd", "ddd e", ""}));
    EXPECT_EQ(layout.lines[0].width, 7 * W()) << "a wrapped line's blanks do not count";
    EXPECT_TRUE(IsWrappedLine(layout, 0));
    EXPECT_FALSE(IsWrappedLine(layout, 1));
    EXPECT_EQ(RichLineOf(layout, 8, true), 0);
    EXPECT_EQ(RichLineOf(layout, 8, false), 1);
    EXPECT_EQ(layout.lines[4].top, 4 * layout.lines[0].height);
}

TEST_F(RichLayoutTest, IndentsNarrowTheLinesAndTallerRunsRaiseTheirLine) {
    text.Reset("aa bb cc dd ee ff");
    PARAFORMAT margins;
    margins.dwMask = PFM_STARTINDENT | PFM_OFFSET | PFM_RIGHTINDENT;
    margins.dxStartIndent = 15 * W();  // twips: W() pixels
    margins.dxOffset = 15 * 2 * W();
    margins.dxRightIndent = 15 * W();
    text.SetParaFormat(0, 0, margins);
    CHARFORMATA big;
    big.dwMask = CFM_SIZE;
    big.yHeight = 480;
    text.SetCharFormat(3, 5, big);  // "bb"
    const RichLayout layout = LayOutRichText(text, fonts, 10 * W());
    ASSERT_GE(layout.lines.size(), 3u);
    EXPECT_EQ(layout.lines[0].left, W());
    EXPECT_EQ(layout.lines[1].left, 3 * W());
    for (const RichLine& line : layout.lines) EXPECT_LE(line.left + line.width, 9 * W());
    EXPECT_GT(layout.lines[0].height, layout.lines[1].height) << "the big run is on the first line";
    EXPECT_EQ(layout.lines[1].top, layout.lines[0].height);
    bool afterWrap = true;
    const int at = RichPositionAt(text, fonts, layout, 1, layout.lines[1].left + W() / 4, &afterWrap);
    EXPECT_EQ(at, layout.lines[1].start);
    EXPECT_FALSE(afterWrap);
    EXPECT_EQ(RichXOf(text, fonts, layout.lines[1], at + 1), layout.lines[1].left + W());
}

}  // namespace
}  // namespace win::detail
