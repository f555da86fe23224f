#include "framework/graphics/GraphEnv.h"

#include <gtest/gtest.h>

#include <string>

#include "GraphTestSupport.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/Rgn.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/SystemColors.h"

namespace {

using graphtest::kBlack;
using graphtest::kBlue;
using graphtest::kRed;
using graphtest::kWhite;
using graphtest::MemorySurface;

const RGBColor kRedColor(0xFFFF, 0, 0);
const RGBColor kBlueColor(0, 0, 0xFFFF);

class GraphEnvTest : public graphtest::EnvTest {};

TEST(GraphEnvUses, OutermostEndRestoresTheContextAndTheNextBeginTheAttributes) {
    MemorySurface surface(16, 16);
    const win::HDC dc = surface.Dc();
    const win::HGDIOBJ pen = win::GetCurrentObject(dc, win::OBJ_PEN);
    const win::HGDIOBJ brush = win::GetCurrentObject(dc, win::OBJ_BRUSH);
    const win::HGDIOBJ font = win::GetCurrentObject(dc, win::OBJ_FONT);
    const long liveBefore = win::GetLiveGdiObjectCount();
    SimpleGraphEnv env;
    env.SetDC(dc);
    for (int pass = 0; pass < 200; ++pass) {
        const GraphUser use(env);
        env.SetForeColor(kRedColor);
        env.SetBackColor(kBlueColor);
        env.SetPenSize(3, 2);
        env.SetPattern(7);
        env.SetRasterOp(0x550009);
        env.SetFont(2, 14, kStyleItalic);
        env.SetTransparent(false);
        { const GraphUser nested(env); }
        EXPECT_NE(win::GetCurrentObject(dc, win::OBJ_PEN), pen) << "a nested End leaves the context alone";
    }
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_PEN), pen);
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_BRUSH), brush);
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_FONT), font);
    EXPECT_EQ(win::GetLiveGdiObjectCount(), liveBefore) << "every object made was deleted";

    const GraphUser again(env);
    // Colours come back as the context shows them (8 bits a component).
    EXPECT_EQ(env.GetForeColorRef(), kRed);
    EXPECT_EQ(env.GetBackColor().ToColorRef(), kBlue);
    std::int16_t width = 0, height = 0;
    env.GetPenSize(width, height);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(env.GetRasterOp(), 0x550009u);
    std::int16_t number = 0, size = 0;
    std::int32_t style = 0;
    env.GetFontSpec(number, size, style);
    EXPECT_EQ(number, 2);
    EXPECT_EQ(size, 14);
    EXPECT_EQ(style, kStyleItalic);
    EXPECT_FALSE(env.IsTransparent());
}

TEST_F(GraphEnvTest, SavedStatesComeBackWithTheirObjectsAndColour) {
    const long live = win::GetLiveGdiObjectCount();
    env_.SaveState();
    env_.SetForeColor(kRedColor);
    env_.SetPenSize(5, 5);
    env_.SaveState();
    env_.SetPattern(4);
    env_.RestoreState();
    EXPECT_EQ(env_.GetForeColorRef(), kRed);
    env_.RestoreState();
    EXPECT_EQ(env_.GetForeColorRef(), kBlack);
    std::int16_t width = 0, height = 0;
    env_.GetPenSize(width, height);
    EXPECT_EQ(width, 1);
    EXPECT_EQ(win::GetLiveGdiObjectCount(), live);
}

TEST_F(GraphEnvTest, LinesDrawTheirLastPixelAndThickPensHangBelowRight) {
    env_.MoveTo(10, 10);
    env_.LineBy(5, 0);
    EXPECT_EQ(surface_.Row(10, 8, 18), "..######..");
    EXPECT_EQ(env_.GetPenPosition(), (ShortPoint{15, 10}));
    env_.MoveTo(30, 30);
    env_.LineBy(0, 0);
    EXPECT_EQ(Count(kBlack, {28, 28, 33, 33}), 1);
    env_.MoveTo(40, 5);
    env_.LineTo(43, 8);
    EXPECT_EQ(Pixel(43, 8), kBlack);
    EXPECT_EQ(Pixel(44, 9), kWhite);
    env_.MoveTo(20, 20);
    env_.LineBy(-2, -6);
    EXPECT_EQ(Pixel(18, 14), kBlack) << "steep: the end pixel is drawn";
    EXPECT_EQ(Count(kBlack, {16, 10, 22, 14}), 0) << "and only y reaches one step further";

    env_.SetPenSize(4, 4);
    env_.MoveTo(10, 40);
    env_.LineBy(20, 0);
    EXPECT_EQ(Pixel(20, 40), kBlack) << "top of the 4-pixel stroke centred on row 42";
    EXPECT_EQ(Pixel(20, 43), kBlack);
    EXPECT_EQ(Pixel(20, 39), kWhite);
    EXPECT_EQ(Pixel(20, 44), kWhite);
    EXPECT_EQ(env_.GetPenPosition(), (ShortPoint{30, 40}));
}

TEST_F(GraphEnvTest, PatternsDrawForegroundForClearBitsAndBackgroundForSetOnes) {
    env_.SetForeColor(kRedColor);
    env_.SetBackColor(kBlueColor);
    const ShortRect area = ShortRect::MakeLTRB(0, 0, 8, 8);
    env_.SetPattern(1);
    env_.FillRect(area);
    EXPECT_EQ(Count(kRed, {0, 0, 8, 8}), 64);
    env_.SetPattern(20);
    env_.FillRect(area);
    EXPECT_EQ(Count(kBlue, {0, 0, 8, 8}), 64);
    env_.SetPattern(4);
    env_.FillRect(area);
    EXPECT_EQ(Count(kRed, {0, 0, 8, 8}), 32);
    EXPECT_EQ(surface_.Row(0, 0, 8, kRed), "#.#.#.#.") << "0x55: the leftmost bit is clear";
    EXPECT_EQ(surface_.Row(1, 0, 8, kRed), ".#.#.#.#");
    // Colours are taken when drawing: a later foreground colour shows in the same pattern.
    env_.SetForeStandardColor(0);
    env_.FillRect(ShortRect::MakeLTRB(8, 0, 16, 8));
    EXPECT_EQ(Count(kBlack, {8, 0, 16, 8}), 32);
    // Indices outside the table draw solid foreground.
    for (int index : {0, 39, -5}) {
        env_.SetPattern(index);
        env_.FillRect(ShortRect::MakeLTRB(20, 0, 28, 8));
        EXPECT_EQ(Count(kBlack, {20, 0, 28, 8}), 64) << index;
        env_.EraseRect(ShortRect::MakeLTRB(20, 0, 28, 8));
        EXPECT_EQ(Count(kBlue, {20, 0, 28, 8}), 64) << "erased with the background colour";
    }
    const std::uint8_t stripes[8] = {0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0};
    env_.SetPatternBits(stripes);
    env_.FillRect(ShortRect::MakeLTRB(30, 0, 38, 8));
    EXPECT_EQ(surface_.Column(30, 0, 4), ".#.#");
}

TEST_F(GraphEnvTest, RasterCodesChooseDrawModesAndInvertingTwiceRestores) {
    env_.SetRasterOp(0x660046);
    EXPECT_EQ(win::GetROP2(surface_.Dc()), win::R2_NOTXORPEN);
    EXPECT_EQ(env_.GetRasterOp(), 0x660046u);
    env_.SetRasterOp(0x123456);
    EXPECT_EQ(win::GetROP2(surface_.Dc()), win::R2_COPYPEN);
    EXPECT_EQ(env_.GetRasterOp(), kRasterCopy);

    env_.SetRasterOp(0x660046);
    env_.SetForeColor(kRedColor);
    env_.MoveTo(5, 5);
    env_.LineBy(10, 0);
    EXPECT_EQ(Pixel(10, 5), kRed) << "white NOT-XOR red";
    env_.MoveTo(5, 5);
    env_.LineBy(10, 0);
    EXPECT_EQ(Count(kWhite), 64 * 64);

    const ShortRect r = ShortRect::MakeLTRB(10, 20, 30, 40);
    env_.DrawHighlightFrame(r);
    env_.DrawFocusRect(r);
    EXPECT_LT(Count(kWhite), 64 * 64);
    env_.DrawFocusRect(r);
    env_.DrawHighlightFrame(r);
    EXPECT_EQ(Count(kWhite), 64 * 64);
    EXPECT_EQ(env_.GetPenPosition(), (ShortPoint{15, 5}));
    EXPECT_EQ(win::GetROP2(surface_.Dc()), win::R2_NOTXORPEN);
}

TEST_F(GraphEnvTest, ShapesKeepToTheirRectangles) {
    env_.FrameRect(ShortRect::MakeLTRB(2, 2, 8, 6));
    EXPECT_EQ(surface_.Row(2, 0, 10), "..######..");
    EXPECT_EQ(surface_.Row(3, 0, 10), "..#....#..");
    EXPECT_EQ(surface_.Row(5, 0, 10), "..######..");
    EXPECT_EQ(Count(kBlack, {0, 6, 10, 7}), 0);
    env_.FrameRect(ShortRect::MakeLTRB(20, 20, 20, 30));
    EXPECT_EQ(Count(kBlack, {19, 19, 22, 31}), 0) << "an empty rectangle draws nothing";

    env_.SetForeColor(kRedColor);
    env_.FillOval(ShortRect::MakeLTRB(10, 10, 30, 30));
    EXPECT_EQ(Pixel(19, 19), kRed);
    EXPECT_EQ(Pixel(10, 10), kWhite);
    EXPECT_EQ(Count(kBlack, {10, 10, 30, 30}), 0) << "no outline";
    env_.SetBackColor(kBlueColor);
    env_.EraseOval(ShortRect::MakeLTRB(10, 10, 30, 30));
    EXPECT_EQ(Pixel(19, 19), kBlue);
    EXPECT_EQ(env_.GetForeColorRef(), kRed);

    env_.SetPattern(1);
    env_.FrameRoundRect(ShortRect::MakeLTRB(35, 35, 60, 60), 6, 6);
    EXPECT_EQ(Pixel(47, 47), kWhite) << "framing leaves the inside";
    EXPECT_EQ(Pixel(47, 35), kRed);
    env_.FillRect(ShortRect::MakeLTRB(0, 50, 4, 54));
    EXPECT_EQ(Pixel(1, 51), kRed) << "framing keeps the brush";

    Rgn region(ShortRect::MakeLTRB(40, 2, 60, 22));
    env_.SetPenSize(3, 2);
    env_.FrameRegion(region.GetHandle());
    EXPECT_EQ(surface_.Row(12, 38, 62, kRed), "..###..............###..");
    EXPECT_EQ(surface_.Column(50, 0, 6, kRed), "..##..");
    env_.EraseRegion(region.GetHandle());
    EXPECT_EQ(Count(kBlue, {40, 2, 60, 22}), 400);
}

TEST_F(GraphEnvTest, InvertingShapesTwiceRestoresAndErasingUsesTheBackground) {
    const ShortRect r = ShortRect::MakeLTRB(5, 5, 25, 20);
    Rgn region(r);
    for (int pass = 0; pass < 2; ++pass) {
        env_.InvertOval(r);
        env_.InvertRoundRect(r, 4, 4);
        env_.InvertRegion(region.GetHandle());
        EXPECT_EQ(Count(kWhite) == 64 * 64, pass == 1);
    }
    EXPECT_EQ(win::GetROP2(surface_.Dc()), win::R2_COPYPEN);
    env_.FillHighlight(ShortRect::MakeLTRB(30, 30, 34, 34));
    EXPECT_EQ(Count(win::GetSysColor(win::COLOR_HIGHLIGHT), {30, 30, 34, 34}), 16);

    env_.SetBackColor(kBlueColor);
    env_.EraseRoundRect(ShortRect::MakeLTRB(0, 40, 20, 60), 4, 4);
    EXPECT_EQ(Pixel(10, 50), kBlue);
    EXPECT_EQ(Pixel(10, 40), kBlue) << "outlined in the background colour too";
}

TEST_F(GraphEnvTest, ScopedUsesPutBackWhatTheyChanged) {
    env_.SetBackColor(kBlueColor);
    {
        const BackColorUser white(env_);
        EXPECT_EQ(env_.GetBackColor().ToColorRef(), kWhite);
        env_.EraseRect(ShortRect::MakeLTRB(0, 0, 4, 4));
    }
    EXPECT_EQ(Pixel(1, 1), kWhite);
    EXPECT_EQ(env_.GetBackColor().ToColorRef(), kBlue);
    EXPECT_TRUE(env_.IsInUse()) << "the fixture's own use goes on";
    {
        const GraphAttribUser attributes(env_);
        env_.SetForeColor(kRedColor);
        env_.SetPenSize(4, 4);
    }
    EXPECT_EQ(env_.GetForeColorRef(), kBlack);
    std::int16_t width = 0, height = 0;
    env_.GetPenSize(width, height);
    EXPECT_EQ(width, 1);

    // Without the nearest-colour rule the text colour is palette-relative.
    EXPECT_EQ(env_.SetUseNearestColor(0), 1);
    env_.SetForeColor(kRedColor);
    EXPECT_EQ(win::GetTextColor(surface_.Dc()), 0x02000000u | kRed);
    EXPECT_EQ(env_.GetForeColor(), kRedColor) << "kept as given";
}

TEST_F(GraphEnvTest, TheClipIsGivenInLogicalCoordinates) {
    win::SetViewportOrgEx(surface_.Dc(), 10, 20, nullptr);
    Rgn clip;
    EXPECT_EQ(env_.GetClip(clip), 1) << "no clip region: the clip box instead";
    env_.SetClipRect(ShortRect::MakeLTRB(0, 0, 5, 5));
    EXPECT_EQ(env_.GetClip(clip), 0);
    ShortRect bounds;
    clip.GetBounds(bounds);
    EXPECT_EQ(bounds, ShortRect::MakeLTRB(0, 0, 5, 5));
    env_.SetClip(clip);  // a clip read back and set again stays in place
    env_.GetClipRect(bounds);
    EXPECT_EQ(bounds, ShortRect::MakeLTRB(0, 0, 5, 5));
    env_.FillRect(ShortRect::MakeLTRB(-20, -20, 40, 40));
    EXPECT_EQ(Count(kBlack, {0, 0, 5, 5}), 25) << "read back through the same mapping";

    env_.ClearClip();
    EXPECT_EQ(env_.GetClip(clip), 1);
    clip.GetBounds(bounds);
    EXPECT_EQ(bounds, ShortRect::MakeLTRB(-10, -20, 54, 44));
}

TEST_F(GraphEnvTest, ClipSaverPutsBackTheClipItFound) {
    {
        ClipSaver saver(env_, ShortRect::MakeLTRB(0, 0, 10, 10));
        saver.NarrowTo(ShortRect::MakeLTRB(5, 5, 20, 20));
        env_.FillRect(ShortRect::MakeLTRB(0, 0, 64, 64));
        EXPECT_EQ(Count(kBlack), 15 * 15) << "narrowed from the kept clip, not the last one";
    }
    EXPECT_EQ(win::GetClipRgn(surface_.Dc(), Rgn().GetHandle()), 0) << "no clip region again";

    env_.SetClipRect(ShortRect::MakeLTRB(0, 0, 30, 30));
    {
        const ClipSaver saver = ClipSaver::FromRegion(env_, Rgn(ShortRect::MakeLTRB(20, 20, 40, 40)));
        Rgn now;
        env_.GetClip(now);
        ShortRect bounds;
        now.GetBounds(bounds);
        EXPECT_EQ(bounds, ShortRect::MakeLTRB(20, 20, 30, 30));
    }
    ShortRect bounds;
    env_.GetClipRect(bounds);
    EXPECT_EQ(bounds, ShortRect::MakeLTRB(0, 0, 30, 30));
}

}  // namespace
