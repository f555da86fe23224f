// The font and colour choosers: what they offer, what they take back, the custom colours kept in the
// profile, and the real choosers placed on the screen (the font chooser without its style controls
// when only face and size may be chosen).

#include <cstring>

#include "ApplicationFixture.h"
#include "IdleSteps.h"
#include "framework/FontAndColorChoosers.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/RGBColor.h"
#include "platform/sys/Profile.h"
#include "platform/ui/ColorChooser.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FontChooser.h"
#include "platform/ui/Input.h"
#include "platform/ui/VirtualKeys.h"

namespace apptest {
namespace {

std::string Profiled(TAppl& application, const char* key) {
    char value[32];
    GetPrivateProfileStringA("CUSTOM_COLORS", key, "<none>", value, sizeof value,
                             application.GetProfilePath().c_str());
    return value;
}

TEST_F(ApplicationTest, TheColourChosenIsTakenAndTheCustomColoursKeptOnlyThen) {
    const std::string profile = application->GetProfilePath();
    WritePrivateProfileStringA("CUSTOM_COLORS", "ColorA", "ff00", profile.c_str());
    WritePrivateProfileStringA("CUSTOM_COLORS", "ColorB", "12zz", profile.c_str());
    COLORREF colors[kCustomColorCount];
    ReadCustomColors(colors);
    EXPECT_EQ(colors[0], RGB(0, 255, 0));
    EXPECT_EQ(colors[1], 0x12u) << "up to the first character that is no digit";
    EXPECT_EQ(colors[15], RGB(255, 255, 255)) << "missing";

    const RGBColor original(0x1234, 0x5678, 0x9ABC);
    RGBColor color = original;
    presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{FALSE, {}});
    EXPECT_EQ(ChooseColorDialog(color, false), 1);
    EXPECT_EQ(color, original) << "not even cut to eight bits";
    EXPECT_EQ(presenter.PromptsAsked().back().text, "9A5612");
    EXPECT_EQ(presenter.PromptsAsked().back().flags, CC_RGBINIT | CC_ENABLEHOOK);
    EXPECT_EQ(Profiled(*application, "ColorC"), "<none>");

    presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{TRUE, "FF"});
    EXPECT_EQ(ChooseColorDialog(color, true), 0);
    EXPECT_EQ(color, RGBColor(0xFF00, 0, 0));
    EXPECT_EQ(presenter.PromptsAsked().back().flags & CC_FULLOPEN, CC_FULLOPEN);
    EXPECT_EQ(Profiled(*application, "ColorA"), "FF00");
    EXPECT_EQ(Profiled(*application, "ColorB"), "12");
    EXPECT_EQ(Profiled(*application, "ColorP"), "FFFFFF");
}

TEST_F(ApplicationTest, TheFontChooserOffersTheFontAndTakesTheOneChosen) {
    LOGFONTA font;
    MakeLogFontByName(font, "Liberation Serif", 16, 1);  // bold
    const LOGFONTA original = font;
    presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{FALSE, {}});
    EXPECT_EQ(ChooseFontDialog(font, kChooseFontWithStyle, 0, 0), 1);
    EXPECT_EQ(std::memcmp(&font, &original, sizeof font), 0);
    const PromptRequest& offered = presenter.PromptsAsked().back();
    EXPECT_NE(offered.text.find(";Bold"), std::string::npos) << offered.text;
    EXPECT_EQ(offered.flags, 0x81004Bu);

    presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{TRUE, "Liberation Mono;;Italic"});
    EXPECT_EQ(ChooseFontDialog(font, kChooseFaceAndSize, 6, 24), 0);
    const PromptRequest& faceOnly = presenter.PromptsAsked().back();
    EXPECT_NE(faceOnly.text.find(";Regular"), std::string::npos) << "the style is cleared: " << faceOnly.text;
    EXPECT_EQ(faceOnly.flags, 0x81004Bu | CF_LIMITSIZE);
    EXPECT_STREQ(font.lfFaceName, "Liberation Mono");
    EXPECT_TRUE(font.lfItalic);
    EXPECT_EQ(font.lfWeight, 400);
}

class RealChoosers : public ApplicationTest {
protected:
    IdleSteps steps{presenter};

    // Checks where the chooser opened and, for the font chooser, whether its style controls show;
    // then cancels it.
    void LookAndCancel(bool font, bool styleShown = true) {
        steps.Then([this, font, styleShown] {
            const HWND chooser = GetActiveWindow();
            RECT placed{};
            GetWindowRect(chooser, &placed);
            EXPECT_EQ(placed.left, (800 - (placed.right - placed.left)) / 2);
            EXPECT_EQ(placed.top, (600 - (placed.bottom - placed.top)) / 3);
            ASSERT_EQ(GetDlgItem(chooser, FONT_STYLE_LIST_ID) != nullptr, font);
            if (font) {
                EXPECT_EQ(IsWindowVisible(GetDlgItem(chooser, FONT_STYLE_LIST_ID)) != FALSE, styleShown);
                EXPECT_EQ(IsWindowVisible(GetDlgItem(chooser, FONT_STYLE_LABEL_ID)) != FALSE, styleShown);
            }
            presenter.PressKey(VK_ESCAPE);
        });
    }
};

TEST_F(RealChoosers, OpenCentredAndOfferOnlyFaceAndSizeWhenAsked) {
    LOGFONTA font;
    MakeLogFontByName(font, "Liberation Serif", 16, 0);
    LookAndCancel(true, true);
    EXPECT_EQ(ChooseFontDialog(font, kChooseFontWithStyle, 0, 0), 1);
    LookAndCancel(true, false);
    EXPECT_EQ(ChooseFontDialog(font, kChooseFaceAndSize, 0, 0), 1);
    RGBColor color;
    LookAndCancel(false);
    EXPECT_EQ(ChooseColorDialog(color, false), 1);
}

}  // namespace
}  // namespace apptest
