#include "framework/graphics/BevelFrames.h"

#include <gtest/gtest.h>

#include "GraphTestSupport.h"

namespace {

using graphtest::kBlack;
using graphtest::kBlue;
using graphtest::kRed;
using graphtest::kWhite;

const RGBColor kA(0xFFFF, 0, 0);  // red
const RGBColor kB(0, 0, 0xFFFF);  // blue

class BevelFrameTest : public graphtest::EnvTest {};

TEST_F(BevelFrameTest, DoubleBandsDrawFourLinesPerEdge) {
    const std::int32_t code = kBevelDouble;
    env_.SetForeColor(RGBColor(0, 0xFFFF, 0));
    DrawBevelFrame(env_, ShortRect::MakeLTRB(10, 10, 40, 40), &code, 2, kA, kB);
    // Top and left: two outer lines in B, then two inner ones in A; bottom and right the reverse.
    EXPECT_EQ(surface_.Column(25, 9, 15, kBlue), ".##...");
    EXPECT_EQ(surface_.Column(25, 9, 15, kRed), "...##.");
    EXPECT_EQ(surface_.Row(25, 9, 15, kBlue), ".##...");
    EXPECT_EQ(surface_.Row(25, 9, 15, kRed), "...##.");
    EXPECT_EQ(surface_.Column(25, 36, 42, kRed), "...##.") << "the bottom line lies on y = bottom";
    EXPECT_EQ(surface_.Column(25, 36, 42, kBlue), ".##...");
    EXPECT_EQ(surface_.Row(25, 36, 42, kRed), "...##.");
    EXPECT_EQ(surface_.Row(25, 36, 42, kBlue), ".##...");
    EXPECT_EQ(Pixel(20, 20), kWhite);
    EXPECT_EQ(env_.GetForeColorRef(), win::RGB(0, 255, 0)) << "the foreground colour is put back";
}

TEST_F(BevelFrameTest, EveryStyleAndSizeCoversThePixelsOfItsLinesDrawnInOrder) {
    // The lines one by one, top, right, bottom and left of each band from the outside in, each in
    // its colour: what the frame must look like however it is drawn, down to frames too small for
    // their bands.
    const auto reference = [&](const ShortRect& r, std::int32_t code, int width) {
        const bool topLeftB = code == kBevelSunken || code == kBevelDouble;
        const bool bottomRightB = code == kBevelRaised;
        const bool inner = code == kBevelDouble;
        const auto line = [&](bool inB, int x0, int y0, int x1, int y1) {
            env_.SetForeColor(inB ? kB : kA);
            env_.MoveTo(x0, y0);
            env_.LineTo(x1, y1);
        };
        for (int i = 0; i < width; ++i) {
            const int o = i + width;
            line(topLeftB, r.left + i, r.top + i, r.right - i, r.top + i);
            if (inner) line(false, r.left + o, r.top + o, r.right - o, r.top + o);
            line(bottomRightB, r.right - i, r.top + i, r.right - i, r.bottom - i);
            if (inner) line(true, r.right - o, r.top + o, r.right - o, r.bottom - o);
            line(bottomRightB, r.right - i, r.bottom - i, r.left + i, r.bottom - i);
            if (inner) line(true, r.right - o, r.bottom - o, r.left + o, r.bottom - o);
            line(topLeftB, r.left + i, r.bottom - i - 1, r.left + i, r.top + i);
            if (inner) line(false, r.left + o, r.bottom - o - 1, r.left + o, r.top + o);
        }
    };
    for (const std::int32_t code : {kBevelSunken, kBevelRaised, kBevelDouble, std::int32_t{0}}) {
        for (int width = 1; width <= 3; ++width) {
            for (int size = 0; size <= 20; ++size) {
                const ShortRect drawn = ShortRect::MakeLTRB(4, 4, 4 + size, 4 + size * 3 / 4 + 2);
                const ShortRect expected = ShortRect::MakeLTRB(34, 4, 34 + size, 4 + size * 3 / 4 + 2);
                win::PatBlt(surface_.Dc(), 0, 0, 64, 64, win::WHITENESS);
                DrawBevelFrame(env_, drawn, &code, static_cast<std::int16_t>(width), kA, kB);
                reference(expected, code, width);
                for (int y = 0; y < 24; ++y) {
                    for (int x = 0; x < 26; ++x)
                        ASSERT_EQ(Pixel(x, y), Pixel(x + 30, y))
                            << code << " " << width << " " << size << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(BevelFrameTest, StyleCodesChooseTheColourOfEachEdge) {
    const std::int32_t sunken = kBevelSunken, raised = kBevelRaised, plain = 0;
    DrawBevelFrame(env_, ShortRect::MakeLTRB(2, 2, 12, 12), &sunken, 1, kA, kB);
    EXPECT_EQ(Pixel(6, 2), kBlue);
    EXPECT_EQ(Pixel(2, 6), kBlue);
    EXPECT_EQ(Pixel(12, 6), kRed);
    EXPECT_EQ(Pixel(6, 12), kRed);
    DrawBevelFrame(env_, ShortRect::MakeLTRB(20, 2, 30, 12), &raised, 1, kA, kB);
    EXPECT_EQ(Pixel(25, 2), kRed);
    EXPECT_EQ(Pixel(30, 6), kBlue);
    EXPECT_EQ(Pixel(25, 12), kBlue);
    DrawBevelFrame(env_, ShortRect::MakeLTRB(40, 2, 50, 12), &plain, 1, kA, kB);
    EXPECT_EQ(Count(kBlue, {38, 0, 52, 14}), 0);
    DrawBevelFrame(env_, ShortRect::MakeLTRB(40, 20, 50, 30), &plain, 0, kA, kB);
    EXPECT_EQ(Count(kRed, {38, 18, 52, 32}), 0) << "no width, no frame";

    DrawSimpleBevel(env_, ShortRect::MakeLTRB(10, 40, 30, 60), kBevelRaised);
    const win::COLORREF grey = win::RGB(0x80, 0x80, 0x80);
    EXPECT_EQ(Pixel(10, 50), grey);
    EXPECT_EQ(Pixel(20, 40), grey);
    EXPECT_EQ(Pixel(30, 50), kWhite);
    DrawSimpleBevel(env_, ShortRect::MakeLTRB(40, 40, 60, 60), kBevelSunken);
    EXPECT_EQ(Pixel(40, 50), kWhite);
    EXPECT_EQ(Pixel(60, 50), grey);
    EXPECT_EQ(Pixel(50, 60), grey);
    EXPECT_EQ(env_.GetForeColorRef(), kBlack);
}

}  // namespace
