// The drawing environment's text, read back by pixels.

#include <gtest/gtest.h>

#include <string>

#include "GraphTestSupport.h"
#include "framework/graphics/GraphEnv.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Text.h"

namespace {

using graphtest::kBlack;
using graphtest::kBlue;
using graphtest::kWhite;
using graphtest::MemorySurface;

// A wide strip for lines of text, with the environment set to font 3 at size 9.
class GraphTextTest : public ::testing::Test {
protected:
    GraphTextTest() {
        env_.SetDC(surface_.Dc());
        env_.Begin();
        env_.ResetAttributes();
        env_.SetFont(3, 9, 0);
        env_.GetTextMetrics(metrics_);
    }
    ~GraphTextTest() override {
        env_.End();
        env_.DetachDC();
    }
    // The columns holding anything but white in rows [top, bottom).
    std::pair<int, int> InkColumns(int top, int bottom, int from = 0, int to = kWidth) const {
        int first = to, last = from - 1;
        for (int y = top; y < bottom; ++y) {
            for (int x = from; x < to; ++x) {
                if (surface_.Pixel(x, y) == kWhite) continue;
                first = std::min(first, x), last = std::max(last, x);
            }
        }
        return {first, last};
    }
    bool RowsBlank(int top, int bottom) const {
        return surface_.Count(kWhite, {0, top, kWidth, bottom}) == kWidth * (bottom - top);
    }

    static constexpr int kWidth = 1200;
    MemorySurface surface_{kWidth, 60};
    SimpleGraphEnv env_;
    win::TEXTMETRICA metrics_;
};

TEST_F(GraphTextTest, TextBoxesShowAtMost127Characters) {
    const std::string text(200, 'l');
    ASSERT_LT(env_.TextWidth(text.c_str(), 128), kWidth);
    env_.SetBackColor(RGBColor(0, 0, 0xFFFF));
    env_.DrawTextBox(text.c_str(), ShortRect::MakeLTRB(0, 0, kWidth, 40), kAlignLeft, 1, 0);
    // The opaque cell is exactly as wide as the text drawn.
    const int shown = env_.TextWidth(text.c_str(), 127);
    EXPECT_EQ(surface_.Pixel(shown - 1, metrics_.tmHeight - 1), kBlue);
    EXPECT_EQ(surface_.Pixel(shown, metrics_.tmHeight - 1), kWhite);
    // The box's own settings went with it.
    EXPECT_EQ(win::GetBkMode(surface_.Dc()), win::TRANSPARENT);
    EXPECT_EQ(win::GetTextAlign(surface_.Dc()), win::TA_LEFT | win::TA_TOP);
}

TEST_F(GraphTextTest, TextTooWideEndsInAnEllipsis) {
    std::string text = "Hello wide world";
    EXPECT_EQ(env_.FitTextToWidth(text, ShortRect::MakeLTRB(0, 0, 200, 10)), 1);
    EXPECT_EQ(text, "Hello wide world");

    const ShortRect narrow = ShortRect::MakeLTRB(10, 0, 60, 10);
    EXPECT_EQ(env_.FitTextToWidth(text, narrow), 0);
    ASSERT_GE(text.size(), 4u);
    EXPECT_EQ(text.substr(text.size() - 3), "...");
    const std::string kept = text.substr(0, text.size() - 3);
    EXPECT_LE(env_.StringWidth(text.c_str()), 50);
    const std::string oneMore = std::string("Hello wide world").substr(0, kept.size() + 1) + "...";
    EXPECT_GT(env_.StringWidth(oneMore.c_str()), 50) << "the longest start that fits is kept";

    std::string tiny = "Hello";
    env_.FitTextToWidth(tiny, ShortRect::MakeLTRB(0, 0, 3, 10));
    EXPECT_EQ(tiny, "...") << "a box narrower than the dots shows them alone";
}

TEST_F(GraphTextTest, TextBoxesAlignAndStayInsideTheirBoxAndClip) {
    const ShortRect box = ShortRect::MakeLTRB(100, 0, 300, 30);
    env_.DrawTextBox("Right", box, kAlignRight, 0, 0);
    const auto [first, last] = InkColumns(0, 30);
    EXPECT_LE(last, 299);
    EXPECT_GE(last, 299 - 3) << "ink ends at the right edge";
    EXPECT_GE(first, 300 - env_.StringWidth("Right"));

    // A box the clip does not reach draws nothing.
    env_.SetClipRect(ShortRect::MakeLTRB(0, 40, kWidth, 60));
    env_.DrawTextBox("Hidden", ShortRect::MakeLTRB(0, 0, 100, 30), kAlignLeft, 1, 0);
    env_.ClearClip();
    EXPECT_EQ(surface_.Count(kWhite, {0, 0, 100, 60}), 100 * 60);
    // The text is clipped to its box.
    env_.DrawTextBox("Wl", ShortRect::MakeLTRB(400, 40, 500, 44), kAlignLeft, 0, 0);
    EXPECT_FALSE(RowsBlank(40, 44));
    EXPECT_TRUE(RowsBlank(44, 60));
}

TEST_F(GraphTextTest, DrawTextStartsAtTheBaselineAndMovesThePen) {
    env_.MoveTo(10, 30);
    env_.DrawText("a\tb", 40, 0);
    const ShortPoint end = env_.GetPenPosition();
    EXPECT_EQ(end.y, 30);
    EXPECT_EQ(end.x, 10 + 40 + env_.StringWidth("b")) << "the tab reaches the stop 40 from the start";
    EXPECT_GE(InkColumns(0, 60, 50, kWidth).first, 50);
    EXPECT_TRUE(RowsBlank(0, 30 - metrics_.tmAscent));
    EXPECT_TRUE(RowsBlank(30 + metrics_.tmDescent, 60));
    EXPECT_EQ(win::GetTextAlign(surface_.Dc()), win::TA_LEFT | win::TA_TOP);

    env_.MoveTo(200, 30);
    env_.DrawText("Dim", 0, 1);
    // Disabled text is grey: its darkest pixels are 0x808080 and lighter (smoothed edges).
    int ink = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 200; x < 260; ++x) {
            const win::COLORREF c = surface_.Pixel(x, y);
            if (c == kWhite) continue;
            ++ink;
            EXPECT_TRUE(win::GetRValue(c) >= 0x80 && win::GetRValue(c) == win::GetBValue(c)) << std::hex << c;
        }
    }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(win::GetTextColor(surface_.Dc()) & 0xFFFFFF, kBlack);

    env_.MoveTo(300, 30);
    const win::UINT before = win::SetTextAlign(surface_.Dc(), win::TA_RIGHT);
    env_.TextOutAligned("xxHello", 2, 5);
    EXPECT_EQ(env_.GetPenPosition().x, 300 + env_.StringWidth("Hello"));
    EXPECT_EQ(win::GetTextAlign(surface_.Dc()), win::TA_RIGHT);
    win::SetTextAlign(surface_.Dc(), before);
}

TEST_F(GraphTextTest, MultilineTextWrapsAtWordsOneLineHeightApart) {
    const int h = metrics_.tmHeight;
    const int width = env_.StringWidth("alpha beta") + 2;
    const ShortRect box = ShortRect::MakeLTRB(20, 0, 20 + width, 2 * h + 2);
    env_.DrawMultilineText("alpha beta gamma delta epsilon", box, kAlignLeft, 0, 0);
    EXPECT_FALSE(RowsBlank(0, h));
    EXPECT_FALSE(RowsBlank(h, 2 * h));
    EXPECT_TRUE(RowsBlank(2 * h + 2, 60)) << "lines stop at the box's bottom";
    EXPECT_LT(InkColumns(h, 2 * h).second, 20 + env_.StringWidth("gamma delta"))
        << "\"gamma delta\" is line 2";
    EXPECT_LT(InkColumns(0, 60).second, 20 + width);

    // Centred lines, each on its own.
    env_.DrawMultilineText("ab\r\nabcdefgh", ShortRect::MakeLTRB(600, 0, 800, 40), kAlignCenter, 0, 0);
    const auto [firstShort, lastShort] = InkColumns(0, h, 600, 800);
    const auto [firstLong, lastLong] = InkColumns(h, 2 * h, 600, 800);
    EXPECT_GT(firstShort, firstLong);
    EXPECT_LT(lastShort, lastLong);
    EXPECT_NEAR(firstShort + lastShort, 1400, 4);
}

TEST_F(GraphTextTest, MultilineTextDrawsTabsAtTheStopsItWasBrokenAt) {
    // Each line of "A\tB" is drawn as "A" and "B" would be drawn apart, "B" at the tab stop eight
    // average character widths from the line's start; right-aligned, the whole reaches the edge.
    const int h = metrics_.tmHeight, stop = 8 * metrics_.tmAveCharWidth, b = env_.StringWidth("B");
    ASSERT_LT(2 * h, 30);
    const ShortRect left = ShortRect::MakeLTRB(10, 0, 400, h), right = ShortRect::MakeLTRB(500, 0, 900, h);
    env_.DrawMultilineText("A\tB", left, kAlignLeft, 0, 0);
    env_.DrawMultilineText("A\tB", right, kAlignRight, 0, 0);
    env_.DrawTextBox("A", ShortRect::MakeLTRB(10, 30, 400, 30 + h), kAlignLeft, 0, 0);
    env_.DrawTextBox("B", ShortRect::MakeLTRB(10 + stop, 30, 400, 30 + h), kAlignLeft, 0, 0);
    env_.DrawTextBox("A", ShortRect::MakeLTRB(900 - stop - b, 30, 900, 30 + h), kAlignLeft, 0, 0);
    env_.DrawTextBox("B", ShortRect::MakeLTRB(900 - b, 30, 900, 30 + h), kAlignLeft, 0, 0);
    int differing = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < kWidth; ++x) differing += surface_.Pixel(x, y) != surface_.Pixel(x, 30 + y);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_LT(InkColumns(0, h, 10 + stop, 400).first, 400) << "B is drawn";
}

}  // namespace
