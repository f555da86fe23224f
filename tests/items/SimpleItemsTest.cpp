// Simple items in a window: a static text measured as a field of its width lays it out, and a bar
// graph's percent painted at once strip by strip.

#include "AppItemsFixture.h"
#include "framework/PictureBitmaps.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/QRVBitmap.h"
#include "items/BarGraph.h"
#include "items/Cluster.h"
#include "items/IconItem.h"
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

class IconItems : public AppItemsTest {
protected:
    // The picture of the application data file, as the program reads it.
    static std::unique_ptr<QRVBitmap> StoredPicture(std::uint16_t id) {
        auto picture = std::make_unique<QRVBitmap>();
        LoadPictureBitmap(FourCCOf("BITM"), id, nullptr, *picture, true);
        return picture;
    }
    static COLORREF PictureAt(QRVBitmap& picture, int x, int y) {
        const HDC dc = picture.BeginDrawing();
        const COLORREF color = GetPixel(dc, x, y);
        picture.EndDrawing();
        return color;
    }
    // Whether the window shows the picture's top-left part of that size with its corner there.
    void ExpectShown(QRVBitmap& picture, int width, int height, int left, int top) const {
        for (int y = 0; y < height; y += 3) {
            for (int x = 0; x < width; x += 3) {
                const POINT at = OnScreen(left + x, top + y);
                ASSERT_EQ(presenter.PixelAt(at.x, at.y), PictureAt(picture, x, y)) << x << "," << y;
            }
        }
    }
};

TEST_F(IconItems, ASmallIdShowsTheFallbackPictureAndIsStoredAsNone) {
    const ShortRect bounds = ShortRect::MakeLTRB(20, 20, 60, 60);
    IconItem* icon = window->Add<IconItem>(&bounds, 0, 5);
    window->Open();
    Run();
    EXPECT_EQ(icon->GetPictureId(), 0);
    EXPECT_EQ(icon->GetShownPictureId(), IconItem::kFallbackPicture);
    const auto fallback = StoredPicture(IconItem::kFallbackPicture);
    ASSERT_EQ(icon->GetPicture().Width(), fallback->Width());
    ASSERT_LT(fallback->Width(), 40) << "the test needs a picture smaller than the item";
    // Smaller than the bounds, it is centred in them as it stands.
    const int left = 20 + (40 - fallback->Width()) / 2;
    const int top = 20 + (40 - fallback->Height()) / 2;
    ExpectShown(*fallback, fallback->Width(), fallback->Height(), left, top);
}

TEST_F(IconItems, ALargerPictureShowsItsTopLeftPartCentredUnscaled) {
    // 16015 is twice as wide as it is high: fitted into 40 x 30 its part is 40 x 20.
    const auto emblem = StoredPicture(16015);
    ASSERT_EQ(emblem->Width(), 2 * emblem->Height());
    ASSERT_GT(emblem->Width(), 40);
    const ShortRect bounds = ShortRect::MakeLTRB(100, 100, 140, 130);
    const POINT above = OnScreen(120, 101);
    window->Open();
    Run();
    const COLORREF background = presenter.PixelAt(above.x, above.y);
    IconItem* icon = window->Add<IconItem>(&bounds, 0, 16015);
    icon->Open(window->list->Count() - 1);
    window->Invalidate();
    Run();
    EXPECT_EQ(icon->GetShownPictureId(), 16015);
    ExpectShown(*emblem, 40, 20, 100, 105);
    EXPECT_EQ(presenter.PixelAt(above.x, above.y), background) << "the strip above the part is left alone";
}

TEST_F(IconItems, SettingThePictureReplacesItKeepsItForANegativeIdAndFallsBackForASmallOne) {
    const ShortRect bounds = ShortRect::MakeLTRB(20, 20, 60, 60);
    IconItem* icon = window->Add<IconItem>(&bounds, 0, 16015);
    window->Open();
    Run();
    EXPECT_EQ(icon->GetPicture().Width(), StoredPicture(16015)->Width());
    icon->SetPicture(-1);
    EXPECT_EQ(icon->GetPictureId(), -1);
    EXPECT_EQ(icon->GetShownPictureId(), 16015);
    icon->SetPicture(19999);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(window->GetHWnd(), &update, FALSE)) << "a new picture is drawn again";
    EXPECT_EQ(icon->GetShownPictureId(), 19999);
    icon->SetPicture(100);
    EXPECT_EQ(icon->GetPictureId(), 100);
    EXPECT_EQ(icon->GetShownPictureId(), IconItem::kFallbackPicture);

    // Without a window there is only the fallback picture.
    ItemList loose(nullptr);
    IconItem alone(&loose, &bounds, 0, 16015);
    EXPECT_EQ(alone.GetPictureId(), 16015);
    EXPECT_EQ(alone.GetShownPictureId(), IconItem::kFallbackPicture);
    EXPECT_EQ(alone.GetPicture().Width(), StoredPicture(IconItem::kFallbackPicture)->Width());
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
