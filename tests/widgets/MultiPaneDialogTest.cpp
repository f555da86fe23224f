// The dialogs that set several fonts or colours at once, run modally as a user would: their panes
// laid out, a pane's "Set" button taking the chooser's answer, and the caller's values changed only
// when "OK" ends the dialog.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "WidgetFixture.h"
#include "framework/graphics/FontMapping.h"
#include "items/StatText.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FontChooser.h"
#include "platform/ui/Prompts.h"
#include "platform/ui/VirtualKeys.h"
#include "widgets/MultiColorDialog.h"
#include "widgets/MultiFontDialog.h"
#include "widgets/MultiPaneLayout.h"

namespace widgetstest {
namespace {

class MultiPaneDialogTest : public WidgetTest {
protected:
    static ShortRect ItemBounds(TDialog* dialog, std::int32_t index) {
        return static_cast<TItem*>(dialog->GetItem(index))->Bounds();
    }
    static ShortPoint ClientSize(TDialog* dialog) {
        RECT client{};
        GetClientRect(dialog->GetHWnd(), &client);
        return ShortPoint{static_cast<std::int16_t>(client.right), static_cast<std::int16_t>(client.bottom)};
    }
    // A step once the dialog is up.
    void WhenUp(TDialog* dialog, std::function<void()> step) {
        ThenWhen([dialog, step = std::move(step)] {
            if (!dialog->IsSetUp()) return false;
            step();
            return true;
        });
    }
};

TEST_F(MultiPaneDialogTest, TwoFontPanesCancelledLeaveTheCallersFontsAsTheyWere) {
    LOGFONTA fonts[2];
    MakeLogFont(fonts[0], 2, 14, kStyleBold);
    MakeLogFont(fonts[1], 3, 10, 0);
    LOGFONTA original[2];
    std::memcpy(original, fonts, sizeof fonts);
    const char* samples[2] = {"Definitions", "Examples"};
    auto* dialog = new MultiFontDialog(2, fonts, samples);
    ShortPoint size{}, cancelTop{}, okRect{};
    LOGFONTA shown{};
    WhenUp(dialog, [&] {
        size = ClientSize(dialog);
        cancelTop = ShortPoint{ItemBounds(dialog, 6).top, ItemBounds(dialog, 6).bottom};
        okRect = ShortPoint{ItemBounds(dialog, 7).left, ItemBounds(dialog, 7).right};
        presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{TRUE, "Liberation Mono;;"});
        dialog->PostItemHit(multipane::SetItem(1));
    });
    Then([&] {
        static_cast<StatText*>(dialog->GetItem(multipane::TextItem(1)))->GetFont(shown);
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(dialog->DoModal(), 6);
    EXPECT_EQ(size, (ShortPoint{440, 170}));
    EXPECT_EQ(cancelTop, (ShortPoint{130, 150}));
    EXPECT_EQ(okRect, (ShortPoint{340, 420}));
    EXPECT_STREQ(shown.lfFaceName, "Liberation Mono") << "the sample shows the font chosen";
    EXPECT_EQ(std::memcmp(fonts, original, sizeof fonts), 0) << "byte for byte";
}

TEST_F(MultiPaneDialogTest, OkHandsBackTheFontsPlainAndChosenWithinThePanesLimits) {
    LOGFONTA fonts[4];
    for (int i = 0; i < 4; ++i) MakeLogFont(fonts[i], 3, 10, kStyleBold | kStyleItalic);
    const char* samples[4] = {"One", "Two", "Three", "Four"};
    const std::int16_t minimum[4] = {4, 4, 4, 4};
    const std::int16_t maximum[4] = {24, 24, 24, 24};
    auto* dialog = new MultiFontDialog(4, fonts, samples, minimum, maximum);
    WhenUp(dialog, [&] {
        presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{TRUE, "Liberation Serif;;"});
        dialog->PostItemHit(multipane::SetItem(2));
    });
    Then([&] { dialog->PostItemHit(multipane::OkItem(4)); });
    EXPECT_EQ(dialog->DoModal(), multipane::OkItem(4));
    EXPECT_EQ(fonts[0].lfWeight, 400) << "a font never set comes back plain";
    EXPECT_EQ(fonts[0].lfItalic, 0);
    EXPECT_STREQ(fonts[2].lfFaceName, "Liberation Serif");
    const PromptRequest& asked = presenter.PromptsAsked().back();
    EXPECT_EQ(asked.flags & CF_LIMITSIZE, CF_LIMITSIZE) << "the pane's size limits";
}

TEST_F(MultiPaneDialogTest, FiveColourPanesShowTheirExactColoursAndOnlyOkHandsThemBack) {
    RGBColor colors[5] = {RGBColor(0x1234, 0x5678, 0x9ABC), RGBColor(0xFFFF, 0, 0), RGBColor(0, 0xFFFF, 0),
                          RGBColor(0, 0, 0xFFFF), RGBColor(0x8080, 0x8080, 0x8080)};
    RGBColor original[5];
    std::copy(colors, colors + 5, original);
    const char* names[5] = {"Main", "Influence", "Relationship", "Objective", "Thematic"};
    auto* cancelled = new MultiColorDialog(5, colors, names);
    ShortPoint size{}, buttons{};
    COLORREF swatch = 0;
    std::string title;
    WhenUp(cancelled, [&] {
        size = ClientSize(cancelled);
        buttons = ShortPoint{ItemBounds(cancelled, 15).top, ItemBounds(cancelled, 15).bottom};
        title = cancelled->GetTitle();
        UpdateWindow(cancelled->GetHWnd());
        const ShortRect rect = MultiColorDialog::SwatchRect(0);
        POINT inside{rect.left + 5, rect.top + 5};
        ClientToScreen(cancelled->GetHWnd(), &inside);
        swatch = ScreenPixel(inside.x, inside.y);
        presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{TRUE, "FF"});
        cancelled->PostItemHit(multipane::SetItem(3));
    });
    Then([&] {
        EXPECT_EQ(cancelled->GetWorkColor(3), RGBColor(0xFF00, 0, 0));
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(cancelled->DoModal(), multipane::CancelItem(5));
    EXPECT_EQ(size, (ShortPoint{440, 320}));
    EXPECT_EQ(buttons, (ShortPoint{280, 300}));
    EXPECT_EQ(title, "Set Colors");
    EXPECT_EQ(swatch, RGB(0x12, 0x56, 0x9A)) << "the exact colour, not the nearest of a palette";
    EXPECT_EQ(MultiColorDialog::SwatchRect(0), ShortRect::MakeLTRB(235, 30, 305, 50));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(colors[i], original[i]);

    auto* accepted = new MultiColorDialog(5, colors, names);
    WhenUp(accepted, [&] {
        presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{TRUE, "FF"});
        accepted->PostItemHit(multipane::SetItem(3));
    });
    Then([&] { accepted->PostItemHit(multipane::OkItem(5)); });
    EXPECT_EQ(accepted->DoModal(), multipane::OkItem(5));
    EXPECT_EQ(colors[3], RGBColor(0xFF00, 0, 0));
    EXPECT_EQ(colors[0], original[0]);
}

}  // namespace
}  // namespace widgetstest
