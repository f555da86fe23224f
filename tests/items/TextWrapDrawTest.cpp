// Wrapped styled text drawn: where each line starts in each alignment, which font each run takes,
// the lines a view's update region asks for, lines drawn one by one as on paper, and page rules.

#include <gtest/gtest.h>

#include <string>

#include "WrapTestSupport.h"
#include "framework/graphics/Rgn.h"
#include "items/ViewDrawContext.h"

namespace {

using gditest::kWhite;
using wraptest::Code;
using wraptest::Margins;

const std::string kBoldOn = Code("B+");

class TextWrapDrawTest : public wraptest::WrapTest {
protected:
    // Draws one line from x = 10 and answers where the pen ended.
    int PenAfterLine(TextWrap& wrap, std::uint32_t line, int alignment, bool reset = true) {
        const int height = wrap.GetLineHeight();
        wrap.DrawLine(env_, ShortRect::MakeLTRB(10, 0, 10 + wrap.GetRect().Width(), height), line, alignment,
                      reset);
        return env_.GetPenPosition().x;
    }
    // The first and last columns with ink in the rows of a line drawn from the top.
    std::pair<int, int> InkOfLine(const TextWrap& wrap, std::uint32_t line) const {
        const int height = wrap.GetLineHeight();
        int first = surface_.Width(), last = -1;
        for (int y = static_cast<int>(line) * height; y < static_cast<int>(line + 1) * height; ++y) {
            for (int x = 0; x < surface_.Width(); ++x) {
                if (Pixel(x, y) == kWhite) continue;
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        return {first, last};
    }
};

TEST_F(TextWrapDrawTest, EachRunIsDrawnInItsOwnFont) {
    const auto wrap = Wrap("abc" + kBoldOn + "def", 300, &sans_);
    ASSERT_EQ(wrap->GetLineCount(), 1u);
    const int regular = WidthIn(sans_, 0, "abc"), bold = WidthIn(sans_, 1, "def");
    ASSERT_NE(bold, WidthIn(sans_, 0, "def"));
    EXPECT_EQ(PenAfterLine(*wrap, 0, kAlignLeft), 10 + regular + bold);
    EXPECT_EQ(env_.GetPenPosition().y, wrap->GetLine(0).ascent);

    wrap->Draw(env_, nullptr, 0, 30, 0, 330, kAlignLeft);
    EXPECT_EQ(env_.GetPenPosition().x, 30 + regular + bold);
}

TEST_F(TextWrapDrawTest, PlainLinesAlignWithoutTheirLastBlank) {
    const auto wrap = Wrap("abc def", 5 * advance_);
    ASSERT_EQ(wrap->GetLineCount(), 2u);
    // "abc " is measured as "abc" and drawn whole, blank and all.
    EXPECT_EQ(PenAfterLine(*wrap, 0, kAlignLeft), 10 + 4 * advance_);
    EXPECT_EQ(PenAfterLine(*wrap, 0, kAlignCenter), 10 + advance_ + 4 * advance_);
    EXPECT_EQ(PenAfterLine(*wrap, 0, kAlignRight), 10 + 2 * advance_ + 4 * advance_);
    EXPECT_EQ(PenAfterLine(*wrap, 1, kAlignRight), 10 + 5 * advance_);
}

TEST_F(TextWrapDrawTest, StyledLinesAlignByTheirRuns) {
    const auto wrap = Wrap(kBoldOn + "abc def", 5 * advance_);
    ASSERT_EQ(wrap->GetLineCount(), 2u);
    // Centred, a styled line's last blank counts; from the right it does not.
    EXPECT_EQ(PenAfterLine(*wrap, 0, kAlignCenter), 10 + advance_ / 2 + 4 * advance_);
    EXPECT_EQ(PenAfterLine(*wrap, 0, kAlignRight), 10 + 2 * advance_ + 4 * advance_);

    // A run inside the line is measured as it is drawn: the line ends on the right edge.
    const auto runs = Wrap("ab " + kBoldOn + "cd", 10 * advance_);
    EXPECT_EQ(PenAfterLine(*runs, 0, kAlignRight), 10 + 10 * advance_);
    EXPECT_EQ(PenAfterLine(*runs, 0, kAlignCenter), 10 + (10 * advance_ - 5 * advance_) / 2 + 5 * advance_);
}

TEST_F(TextWrapDrawTest, LeftAlignedParagraphsTakeTheirMargins) {
    const std::string hanging = Margins(advance_, 3 * advance_, 0);
    const auto wrap = Wrap(hanging + std::string(20, 'x') + "\n" + std::string(3, 'x'), 12 * advance_);
    ASSERT_EQ(wrap->GetLineCount(), 3u);
    wrap->Draw(env_, nullptr, 0, 0, 0, 12 * advance_, kAlignLeft);
    const int first = InkOfLine(*wrap, 0).first;
    EXPECT_EQ(InkOfLine(*wrap, 1).first - first, 2 * advance_);
    // A new paragraph starts at the first line's indent.
    EXPECT_EQ(InkOfLine(*wrap, 2).first, first);
    // Centred and right alignment leave margins out.
    EXPECT_EQ(PenAfterLine(*wrap, 1, kAlignRight), 10 + 12 * advance_);
}

TEST_F(TextWrapDrawTest, AnUpdateRegionDrawsOnlyTheLinesItCrosses) {
    const auto wrap = Wrap("line one\ntwo" + kBoldOn + "\nthree", 300, &sans_);
    ASSERT_EQ(wrap->GetLineCount(), 3u);
    const int height = wrap->GetLineHeight();
    const Rgn region(ShortRect::MakeLTRB(0, 2 * height + 1, 300, 2 * height + 3));
    ViewDrawContext context{dc_, &region, LongPoint{}};
    wrap->Draw(env_, &context, 0, 0, 0, 300, kAlignLeft);
    EXPECT_EQ(InkOfLine(*wrap, 0).second, -1);
    EXPECT_EQ(InkOfLine(*wrap, 1).second, -1);
    EXPECT_NE(InkOfLine(*wrap, 2).second, -1);
    // The bold switched on in a line that was not drawn holds in the one that was.
    EXPECT_EQ(env_.GetPenPosition().x, WidthIn(sans_, 1, "three"));
}

TEST_F(TextWrapDrawTest, LinesDrawnOneByOneKeepTheirStylesInAnyOrder) {
    const auto wrap = Wrap("line one\ntwo" + kBoldOn + "\nthree" + Code("B-") + " four", 300, &sans_);
    ASSERT_EQ(wrap->GetLineCount(), 3u);
    // The last line first: the lines before it are walked for its style.
    EXPECT_EQ(PenAfterLine(*wrap, 2, kAlignLeft),
              10 + WidthIn(sans_, 1, "three") + WidthIn(sans_, 0, " four"));
    EXPECT_EQ(PenAfterLine(*wrap, 0, kAlignLeft), 10 + WidthIn(sans_, 0, "line one"));
    EXPECT_EQ(PenAfterLine(*wrap, 1, kAlignLeft), 10 + WidthIn(sans_, 0, "two"));
    EXPECT_EQ(PenAfterLine(*wrap, 2, kAlignLeft),
              10 + WidthIn(sans_, 1, "three") + WidthIn(sans_, 0, " four"));
    // Beyond the last line nothing is drawn.
    env_.MoveTo(3, 4);
    wrap->DrawLine(env_, ShortRect::MakeLTRB(10, 0, 310, 20), 3, kAlignLeft, true);
    EXPECT_EQ(env_.GetPenPosition().x, 3);
}

TEST_F(TextWrapDrawTest, ResettingTheFontGoesBackToTheBaseFont) {
    win::LOGFONTA bold = sans_;
    SetLogFontStyle(bold, 1);
    const auto wrap = Wrap("heading", 300, &bold);
    env_.SetFontIndirect(sans_);
    EXPECT_EQ(PenAfterLine(*wrap, 0, kAlignLeft, true), 10 + WidthIn(sans_, 1, "heading"));
}

TEST_F(TextWrapDrawTest, APageBreakDrawsARuleUnderItsLine) {
    const auto wrap = Wrap("ab\fcd", 10 * advance_);
    const int height = wrap->GetLineHeight();
    const RGBColor red(0xFFFF, 0, 0);
    env_.SetForeColor(red);
    wrap->Draw(env_, nullptr, 0, 0, 0, 10 * advance_, kAlignLeft);
    const win::COLORREF grey = win::RGB(192, 192, 192);
    EXPECT_EQ(Pixel(0, height), grey);
    // The environment's lines take their last pixel.
    EXPECT_EQ(Pixel(10 * advance_, height), grey);
    EXPECT_EQ(Pixel(10 * advance_ + 1, height), kWhite);
    EXPECT_EQ(Count(grey, {0, 2 * height - 2, surface_.Width(), surface_.Height()}), 0) << "one rule only";
    EXPECT_EQ(env_.GetForeColor().ToColorRef(), red.ToColorRef());
}

TEST_F(TextWrapDrawTest, AWrapWithoutLinesDrawsNothing) {
    const auto wrap = Wrap(kBoldOn + Code("I+"), 100);
    wrap->Draw(env_, nullptr, 0, 0, 0, 100, kAlignLeft);
    wrap->DrawLine(env_, ShortRect::MakeLTRB(0, 0, 100, 20), 0, kAlignLeft, true);
    EXPECT_EQ(InkBounds().right, 0);
}

}  // namespace
