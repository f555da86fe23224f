// Simple items in a window: a static text measured as a field of its width lays it out, and a bar
// graph's percent painted at once strip by strip.

#include "AppItemsFixture.h"
#include "framework/graphics/FontMapping.h"
#include "items/BarGraph.h"
#include "items/Cluster.h"
#include "items/StatText.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/Paint.h"

namespace itemstest {
namespace {

using SimpleItems = AppItemsTest;

TEST_F(SimpleItems, AMeasuredTextIsAsWideAsItsLineOfMostCharactersAndAsHighAsItsLines) {
    const ShortRect bounds = ShortRect::MakeLTRB(20, 30, 220, 50);
    auto* text = window->Add<StatText>(&bounds, "WWWW\r\niiiii", 0, RGBColor(0), nullptr, 0);
    window->Open();
    Run();
    win::LOGFONTA font;
    text->GetFont(font);
    const HDC dc = GetDC(window->GetHWnd());
    const HGDIOBJ previous = SelectObject(dc, CreateFontIndirectA(&font));
    SIZE wide{}, many{};
    GetTextExtentPointA(dc, "WWWW", 4, &wide);
    GetTextExtentPointA(dc, "iiiii", 5, &many);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    DeleteObject(SelectObject(dc, previous));
    ReleaseDC(window->GetHWnd(), dc);
    ASSERT_GT(wide.cx, many.cx) << "the line of most characters is the narrower here";

    ShortRect rect;
    std::int16_t width = 0, lineHeight = 0;
    text->MeasureText(rect, width, lineHeight);
    EXPECT_EQ(width, many.cx);
    EXPECT_EQ(lineHeight, metrics.tmAscent + metrics.tmDescent + metrics.tmExternalLeading);
    EXPECT_EQ(rect, ShortRect::MakeLTRB(20, 30, 20 + many.cx, 30 + 2 * lineHeight));

    // Words wrap at the item's width, as in a field that wide.
    text->SetText("one two three");
    const ShortPoint oneLine = text->SizeToText();
    text->SetBounds(ShortRect::MakeLTRB(20, 30, 60, 50), false);
    const ShortPoint narrow = text->SizeToText();
    EXPECT_EQ(oneLine.y, lineHeight);
    EXPECT_GT(narrow.y, 2 * lineHeight);
    EXPECT_LE(narrow.x, 40);
}

class BarGraphs : public AppItemsTest {
protected:
    // A solid black bar 100 pixels inside, on white, without a frame.
    BarGraph* Bar(std::int32_t emptyPattern) {
        const ShortRect bounds = ShortRect::MakeLTRB(20, 20, 122, 40);
        return window->Add<BarGraph>(&bounds, RGBColor(0), GetStandardColor(1), 1, emptyPattern, 0, 0);
    }
    COLORREF At(int x) const {
        const POINT point = OnScreen(x, 30);
        return presenter.PixelAt(point.x, point.y);
    }
    bool Invalidated() const {
        RECT rect;
        return GetUpdateRect(window->GetHWnd(), &rect, FALSE) != 0;
    }
};

TEST_F(BarGraphs, APercentIsLimitedAndAnUnchangedOneAsksForNothing) {
    BarGraph* bar = Bar(20);
    window->Open();
    Run();
    bar->SetPercent(150, false);
    EXPECT_EQ(bar->GetPercent(), 100);
    EXPECT_TRUE(Invalidated());
    Run();
    bar->SetPercent(100, false);
    EXPECT_FALSE(Invalidated());
    bar->SetPercent(-5, false);
    EXPECT_EQ(bar->GetPercent(), 0);
}

TEST_F(BarGraphs, DrawnNowOnlyTheStripThatChangedIsPainted) {
    BarGraph* bar = Bar(20);
    window->Open();
    Run();
    const COLORREF white = At(100);
    bar->SetPercent(50, true);
    EXPECT_FALSE(Invalidated());
    EXPECT_EQ(At(30), RGB(0, 0, 0));
    EXPECT_EQ(At(65), RGB(0, 0, 0));
    EXPECT_EQ(At(80), white);
    bar->SetPercent(20, true);
    EXPECT_EQ(At(30), RGB(0, 0, 0));
    EXPECT_EQ(At(60), white) << "shrunk in the empty pattern";
}

TEST_F(BarGraphs, AShrinkingBarWithoutAnEmptyPatternShowsTheRestAsItsDrawingDoes) {
    BarGraph* bar = Bar(0);
    window->Open();
    Run();
    const COLORREF background = At(100);
    bar->SetPercent(80, true);
    EXPECT_EQ(At(80), RGB(0, 0, 0));
    bar->SetPercent(30, true);
    Run();
    EXPECT_EQ(At(80), background);
    EXPECT_EQ(At(30), RGB(0, 0, 0));
}

TEST(ClusterCaption, TheCaptionSitsByItsJustificationAndIndent) {
    const ShortRect bounds = ShortRect::MakeLTRB(0, 0, 200, 100);
    const Cluster right(nullptr, &bounds, 0, RGBColor(0), "C", 0, 12, 0, -1, 6, 1);
    const Cluster left(nullptr, &bounds, 0, RGBColor(0), "C", 0, 12, 0, 0, 6, 1);
    const Cluster centred(nullptr, &bounds, 0, RGBColor(0), "C", 0, 12, 0, 1, 6, 1);
    EXPECT_EQ(right.CaptionOffset(50), 144);
    EXPECT_EQ(left.CaptionOffset(50), 10);
    EXPECT_EQ(centred.CaptionOffset(51), 75);
}

}  // namespace
}  // namespace itemstest
