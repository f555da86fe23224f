// Wrapped text views: the text laid out through the owner's factory 9 pixels narrower than the
// content, whole lines as the scroll unit, lines broken again when the width changes, the scroll
// position on a new text and on the default text, and where the lines are drawn.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ItemWindowFixture.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphEnv.h"
#include "items/ScrollBar.h"
#include "items/TextWrap.h"
#include "items/TextWrapView.h"
#include "platform/ui/ScrollBars.h"
#include "storymodel/ExpandedTextWrap.h"

namespace {

const std::string kLongText =
    "A story is an argument about how to solve a problem, told through the people who live with "
    "it, and every scene of it carries some part of that argument to the writer's audience.";

// What the factory was asked for.
struct FactoryCall {
    IStoryDocument* context;
    ShortRect rect;
    std::string text;
    win::LOGFONTA font;
};

class TextWrapViewTest : public itemstest::ItemWindowTest {
protected:
    TextWrapFactory Factory() {
        return [this](IStoryDocument* context, TGraphEnv& env, ShortRect& rect, const char* text,
                      const win::LOGFONTA& font) {
            calls.push_back(FactoryCall{context, rect, text, font});
            return std::make_unique<TextWrap>(env, rect, text, font);
        };
    }
    TextWrapView* View(const ShortRect& bounds, std::uint16_t flags = TView::kVertScrollBar) {
        return Add(new TextWrapView(Factory(), OwnerContext(), list_, flags, &bounds, 0, RGBColor(0)));
    }
    static std::int32_t Origin(const TView& view) {
        std::int32_t v = 0;
        view.GetOrigin(nullptr, &v);
        return v;
    }
    // How many pixels of the screen's rectangle are not white.
    static int InkIn(const ShortRect& rect) {
        int ink = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x)
                ink += win::GetScreenSurface().GetPixel(x, y) != kWhite;
        }
        return ink;
    }
    // An owner's context: the view only hands it on.
    static IStoryDocument* OwnerContext() {
        return reinterpret_cast<IStoryDocument*>(std::uintptr_t{0x5000});
    }

    static constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
    std::vector<FactoryCall> calls;
};

ShortRect ViewContent(const TView& view) {
    ShortRect rect;
    view.GetContentRect(rect);
    return rect;
}

TEST_F(TextWrapViewTest, TheFactoryLaysTheTextOutNinePixelsNarrowerThanTheContent) {
    TextWrapView* view = View(ShortRect::MakeLTRB(20, 10, 260, 200));
    EXPECT_TRUE(view->HasViewFlags(TView::kReadOnly)) << "the view is read-only whatever the flags";
    EXPECT_EQ(view->GetClassId(), TView::kClassId);
    view->SetText("Some text");
    ASSERT_EQ(calls.size(), 1u);
    const ShortRect content = ViewContent(*view);
    EXPECT_EQ(calls[0].rect, ShortRect::MakeLTRB(content.left, 0, content.right - 9, 0));
    EXPECT_EQ(calls[0].text, "Some text");
    EXPECT_EQ(calls[0].context, OwnerContext());
    win::LOGFONTA standard;
    MakeLogFont(standard, 3, 9, 0);
    EXPECT_TRUE(LogFontsEqual(calls[0].font, standard)) << "font 3 at size 9 until another is given";

    // A font given is used from the next text on.
    win::LOGFONTA large;
    MakeLogFont(large, 2, 18, kStyleBold);
    view->SetFontSpec(large);
    EXPECT_EQ(calls.size(), 1u);
    view->SetText("Other text");
    EXPECT_TRUE(LogFontsEqual(calls.back().font, large));
    EXPECT_EQ(view->GetUnitSize().y, view->GetWrap()->GetLineHeight()) << "a line is the scroll unit";
}

TEST_F(TextWrapViewTest, AnEmptyTextHasNoLinesAndDrawsNothing) {
    TextWrapView* view = View(ShortRect::MakeLTRB(20, 10, 260, 200));
    EXPECT_EQ(view->VertUnitCount(), 0) << "no text yet";
    view->SetText("");
    Pump();
    ASSERT_NE(view->GetWrap(), nullptr);
    EXPECT_EQ(view->VertUnitCount(), 0);
    EXPECT_EQ(view->GetVertScrollMax(), 0);
    EXPECT_EQ(InkIn(ViewContent(*view)), 0);

    view->SetText("Visible");
    Pump();
    EXPECT_EQ(view->VertUnitCount(), 1);
    EXPECT_GT(InkIn(ViewContent(*view)), 0);
}

TEST_F(TextWrapViewTest, TheTextStandsFivePixelsInAndOnePixelDown) {
    TextWrapView* view = View(ShortRect::MakeLTRB(20, 10, 260, 200), 0);
    // A line ended by a form feed: the page-break rule under it spans the text's width.
    view->SetText("\f");
    Pump();
    const ShortRect content = ViewContent(*view);
    const int rule = content.top + 1 + view->GetWrap()->GetLineHeight();
    const win::COLORREF grey = GetStandardColor(8).ToColorRef();
    auto pixel = [](int x, int y) { return win::GetScreenSurface().GetPixel(x, y); };
    EXPECT_EQ(pixel(content.left + 5, rule), grey);
    EXPECT_EQ(pixel(content.left + 4, rule), kWhite);
    EXPECT_EQ(pixel(content.right - 5, rule), grey);
    EXPECT_EQ(pixel(content.right - 3, rule), kWhite);
    EXPECT_EQ(pixel(content.left + 20, rule - 1), kWhite);
    EXPECT_EQ(InkIn(content), InkIn(ShortRect::MakeLTRB(content.left, rule, content.right, rule + 1)))
        << "nothing but the rule";
}

TEST_F(TextWrapViewTest, ANarrowerViewBreaksTheLinesAgainWithoutANewLayout) {
    TextWrapView* view = View(ShortRect::MakeLTRB(20, 10, 360, 50));
    view->SetText(kLongText.c_str());
    const std::int32_t wideLines = view->VertUnitCount();
    const std::int32_t wideMaximum = view->GetVertScrollMax();
    ASSERT_GT(wideLines, 1);

    view->SetBounds(ShortRect::MakeLTRB(20, 10, 160, 50), true);
    EXPECT_EQ(calls.size(), 1u) << "the text is not made again";
    EXPECT_GT(view->VertUnitCount(), wideLines);
    EXPECT_GT(view->GetVertScrollMax(), wideMaximum);
    EXPECT_EQ(view->GetWrap()->GetRect().Width(), ViewContent(*view).Width() - 9);

    // The same bounds again change nothing.
    const std::int32_t narrowLines = view->VertUnitCount();
    view->SetBounds(ShortRect::MakeLTRB(20, 10, 160, 50), true);
    EXPECT_EQ(view->VertUnitCount(), narrowLines);
}

TEST_F(TextWrapViewTest, ANewTextGoesBackToTheTopWhileTheDefaultTextStays) {
    // Narrow and one line high: the default text takes two lines and scrolls.
    TextWrapView* view = View(ShortRect::MakeLTRB(20, 10, 120, 24));
    view->SetText(kLongText.c_str());
    view->ScrollBy(2, 0, 1);
    ASSERT_EQ(view->GetVertScrollValue(), 2);
    view->SetText(kLongText.c_str());
    EXPECT_EQ(view->GetVertScrollValue(), 0);

    view->ScrollBy(1, 0, 1);
    ASSERT_EQ(view->GetVertScrollValue(), 1);
    view->ShowDefaultText();
    EXPECT_EQ(calls.back().text, TextWrapView::kDefaultText);
    ASSERT_GT(view->GetVertScrollMax(), 0);
    EXPECT_EQ(view->GetVertScrollValue(), 1);
}

TEST_F(TextWrapViewTest, ScrollingMovesByWholeLines) {
    TextWrapView* view = View(ShortRect::MakeLTRB(20, 10, 200, 100));
    win::LOGFONTA font;
    MakeLogFont(font, 3, 12, 0);
    view->SetFontSpec(font);
    view->SetText(kLongText.c_str());
    const std::int32_t line = view->GetWrap()->GetLineHeight();
    ASSERT_NE(line, TView::kDefaultUnitSize);
    const std::int32_t top = Origin(*view);
    view->ScrollBy(1, 0, 1);
    EXPECT_EQ(Origin(*view), top - line);
    // The bar's line step is one line too.
    win::SendMessageA(view->GetHWnd(), win::WM_VSCROLL, win::MAKEWPARAM(win::SB_LINEDOWN, 0),
                      reinterpret_cast<win::LPARAM>(view->GetVertScrollBar()->GetHWnd()));
    EXPECT_EQ(Origin(*view), top - 2 * line);
    EXPECT_EQ(view->VertUnitsOnPage(), (ViewContent(*view).Height()) / line);
    // The last line can be scrolled to the bottom of the content, no further.
    EXPECT_EQ(view->GetVertScrollMax(), view->VertUnitCount() - ViewContent(*view).Height() / line);
}

TEST_F(TextWrapViewTest, ATextGivenBeforeTheViewIsOpenIsMeasuredAsOnTheScreen) {
    const ShortRect bounds = ShortRect::MakeLTRB(20, 10, 200, 100);
    TextWrapView closed(Factory(), nullptr, list_, 0, &bounds, 0, RGBColor(0));
    closed.SetText(kLongText.c_str());
    TextWrapView* open = View(bounds, 0);
    open->SetText(kLongText.c_str());
    ASSERT_GT(open->VertUnitCount(), 1);
    EXPECT_EQ(closed.VertUnitCount(), open->VertUnitCount());
    EXPECT_EQ(closed.GetWrap()->GetWidestLine(), open->GetWrap()->GetWidestLine());
}

TEST_F(TextWrapViewTest, AFactoryThatMakesNothingLeavesAnEmptyView) {
    const ShortRect bounds = ShortRect::MakeLTRB(20, 10, 200, 100);
    auto* view = Add(new TextWrapView([](IStoryDocument*, TGraphEnv&, ShortRect&, const char*,
                                         const win::LOGFONTA&) { return std::unique_ptr<TextWrap>(); },
                                      nullptr, list_, TView::kVertScrollBar, &bounds, 0, RGBColor(0)));
    view->SetText("anything");
    view->SetBounds(ShortRect::MakeLTRB(20, 10, 150, 100), true);
    Pump();
    EXPECT_EQ(view->GetWrap(), nullptr);
    EXPECT_EQ(view->VertUnitCount(), 0);
    EXPECT_EQ(InkIn(ViewContent(*view)), 0);
}

TEST_F(TextWrapViewTest, TheStoryModelsFactoryDecodesTheTemplate) {
    const ShortRect bounds = ShortRect::MakeLTRB(20, 10, 200, 100);
    auto* view = Add(new TextWrapView(MakeExpandedTextWrap<TextWrap, TGraphEnv&, ShortRect, win::LOGFONTA>,
                                      nullptr, list_, 0, &bounds, 0, RGBColor(0)));
    view->SetText(
        "\xB0"
        "0x\xB0"
        "1");
    ASSERT_NE(view->GetWrap(), nullptr);
    EXPECT_EQ(std::string(view->GetWrap()->GetText()), "{x}");
}

}  // namespace
