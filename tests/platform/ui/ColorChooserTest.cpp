#include <cstdlib>
#include <set>

#include "UiFixture.h"
#include "platform/ui/ColorChooser.h"
#include "platform/ui/ColorChooserDialog.h"
#include "platform/ui/ColorModel.h"
#include "platform/ui/ColorSwatches.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

using namespace win::detail;

TEST(ColorModel, HueSaturationAndLuminanceRunOverTheirScalesAndComeBackToTheSameColour) {
    const Hls red = HlsOf(RGB(255, 0, 0));
    EXPECT_EQ(red.hue, 0);
    EXPECT_EQ(red.luminance, 120);
    EXPECT_EQ(red.saturation, 240);
    EXPECT_EQ(HlsOf(RGB(0, 0, 255)).hue, 160);
    EXPECT_EQ(HlsOf(RGB(255, 0, 255)).hue, 200);
    EXPECT_EQ(HlsOf(RGB(255, 128, 128)).luminance, 180);
    const Hls grey = HlsOf(RGB(128, 128, 128));
    EXPECT_EQ(grey.saturation, 0);
    EXPECT_EQ(grey.luminance, 120);
    EXPECT_EQ(ColorOf(Hls{80, 120, 240}), RGB(0, 255, 0));
    EXPECT_EQ(ColorOf(Hls{40, 240, 100}), RGB(255, 255, 255));
    EXPECT_EQ(ColorOf(Hls{120, 60, 240}), RGB(0, 128, 128));
    for (COLORREF color : {RGB(12, 200, 99), RGB(250, 3, 140), RGB(77, 77, 200), RGB(1, 2, 3)}) {
        const COLORREF back = ColorOf(HlsOf(color));
        EXPECT_LE(std::abs(GetRValue(back) - GetRValue(color)) +
                      std::abs(GetGValue(back) - GetGValue(color)) +
                      std::abs(GetBValue(back) - GetBValue(color)),
                  4)
            << std::hex << color;
    }
    const auto& basic = BasicColors();
    EXPECT_EQ(std::set<COLORREF>(basic.begin(), basic.end()).size(), 48u);
    EXPECT_EQ(basic[16], RGB(255, 0, 0)) << "the pure hues in the middle row";
    EXPECT_EQ(basic[40], RGB(0, 0, 0));
    EXPECT_EQ(basic[47], RGB(255, 255, 255));
}

std::vector<Logged> g_colorHookCalls;

// Takes Cancel from the chooser, so that only OK ends it.
UINT_PTR NoCancelHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) g_colorHookCalls.push_back(Logged{dialog, message, wParam, lParam});
    return message == WM_COMMAND && LOWORD(wParam) == IDCANCEL;
}

class ColorChooser : public UiTest {
protected:
    HWND owner = nullptr;
    IdleScript script{presenter};
    std::array<COLORREF, 16> custom{};
    CHOOSECOLORA record;

    void SetUp() override {
        UiTest::SetUp();
        g_colorHookCalls.clear();
        owner = Popup(RECT{0, 0, 800, 600}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
        for (std::size_t i = 0; i < custom.size(); ++i) custom[i] = RGB(255, 255, 255);
        custom[3] = RGB(10, 20, 30);
        record.hwndOwner = owner;
        record.lpCustColors = custom.data();
        Pump();
    }
    void Then(std::function<void()> step) { script.Then(std::move(step)); }
    // The chooser's children of a class, in order.
    static std::vector<HWND> Children(const char* className) {
        std::vector<HWND> found;
        for (HWND child = GetWindow(GetActiveWindow(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            char name[32] = {};
            GetClassNameA(child, name, sizeof name);
            if (std::string(name) == className) found.push_back(child);
        }
        return found;
    }
    static HWND Basic() { return Children(kColorSwatchesClass).at(0); }
    static HWND Custom() { return Children(kColorSwatchesClass).at(1); }
    static HWND Field(int index) {
        return Children("EDIT").at(static_cast<std::size_t>(index));
    }  // H S L R G B
    static int FieldValue(int index) {
        char text[8] = {};
        GetWindowTextA(Field(index), text, sizeof text);
        return std::atoi(text);
    }
    static LRESULT Selection(HWND grid) { return SendMessageA(grid, kSwatchGetSelection, 0, 0); }
    void TypeInto(HWND field, const char* text) {
        SendMessageA(GetActiveWindow(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
        presenter.TypeText(text);
    }
    void ClickAt(POINT client) {
        ClientToScreen(GetActiveWindow(), &client);
        presenter.Click(client);
    }
};

TEST_F(ColorChooser, TheColourOfferedIsSelectedArrowsPickAnotherAndCancelLeavesEverythingAsItWas) {
    record.Flags = CC_RGBINIT;
    record.rgbResult = RGB(255, 0, 0);
    LRESULT offered = -2, offeredCustom = -2;
    Then([&] {
        offered = Selection(Basic());
        offeredCustom = Selection(Custom());
        SetFocus(Basic());
        presenter.PressKey(VK_DOWN);
        presenter.PressKey(VK_LEFT);
    });
    Then([&] {
        EXPECT_EQ(Selection(Basic()), 23);
        SendMessageA(GetActiveWindow(), WM_COMMAND, IDCANCEL, 0);
    });
    const std::array<COLORREF, 16> before = custom;
    EXPECT_FALSE(ChooseColorA(&record));
    EXPECT_EQ(offered, 16);
    EXPECT_EQ(offeredCustom, -1);
    EXPECT_EQ(record.rgbResult, RGB(255, 0, 0));
    EXPECT_EQ(custom, before);

    record.rgbResult = RGB(10, 20, 30);  // only among the custom colours
    Then([&] {
        offeredCustom = Selection(Custom());
        SetFocus(Basic());
        presenter.PressKey(VK_END);
        presenter.PressKey(VK_RETURN);
    });
    ASSERT_TRUE(ChooseColorA(&record));
    EXPECT_EQ(offeredCustom, 3);
    EXPECT_EQ(record.rgbResult, RGB(255, 255, 255));
}

TEST_F(ColorChooser, TheDefiningPartTakesNumbersAndPicksFromTheFieldAndTheBarAndAddsCustomColours) {
    record.Flags = CC_FULLOPEN;
    Hls afterTyping, afterField;
    COLORREF afterBar = 0;
    Then([&] {
        EXPECT_TRUE(IsWindowVisible(Field(0)));
        TypeInto(Field(3), "255");
    });
    Then([&] { TypeInto(Field(4), "128"); });
    Then([&] {
        afterTyping = Hls{FieldValue(0), FieldValue(2), FieldValue(1)};
        // A point of the field a third of the way across and at the top: hue 80, full saturation.
        ClickAt(POINT{kHueSaturationField.left + 60, kHueSaturationField.top});
    });
    Then([&] {
        afterField = Hls{FieldValue(0), FieldValue(2), FieldValue(1)};
        ClickAt(POINT{kLuminanceBar.left + 3, kLuminanceBar.bottom - 1});  // the bottom: black
    });
    Then([&] {
        afterBar = RGB(FieldValue(3), FieldValue(4), FieldValue(5));
        ClickAt(POINT{kHueSaturationField.left + 90, kHueSaturationField.top + 40});
    });
    Then([&] {
        SendMessageA(Custom(), kSwatchSelect, 15, 0);
        SendMessageA(GetActiveWindow(), WM_COMMAND, 1406, 0);  // Add to Custom Colors
        SendMessageA(GetActiveWindow(), WM_COMMAND, 1406, 0);
        presenter.PressKey(VK_RETURN);
    });
    ASSERT_TRUE(ChooseColorA(&record));
    EXPECT_EQ(afterTyping.hue, 20) << "255, 128, 0 is an orange";
    EXPECT_EQ(afterTyping.saturation, 240);
    EXPECT_EQ(afterTyping.luminance, 120);
    EXPECT_EQ(afterField.hue, 80);
    EXPECT_EQ(afterField.saturation, 240);
    EXPECT_EQ(afterField.luminance, 120) << "the luminance kept";
    EXPECT_EQ(afterBar, RGB(0, 0, 0));
    EXPECT_EQ(HlsOf(record.rgbResult).hue, 120) << "black took the hue picked, at middle luminance";
    EXPECT_EQ(custom[15], record.rgbResult) << "the custom swatch selected";
    EXPECT_EQ(custom[0], record.rgbResult) << "then the next, round to the first";
    EXPECT_EQ(custom[3], RGB(10, 20, 30));
}

TEST_F(ColorChooser, TheDefiningPartOpensOnAskingAndTheHookTakesMessagesFirst) {
    record.Flags = CC_ENABLEHOOK;
    record.lpfnHook = NoCancelHook;
    bool shownClosed = true, shownOpen = false;
    RECT closed{}, open{};
    Then([&] {
        shownClosed = IsWindowVisible(Field(0));
        GetWindowRect(GetActiveWindow(), &closed);
        presenter.TypeText("d");  // Define Custom Colors
    });
    Then([&] {
        shownOpen = IsWindowVisible(Field(0)) && GetFocus() == Field(0);
        GetWindowRect(GetActiveWindow(), &open);
        presenter.PressKey(VK_ESCAPE);  // taken by the hook
    });
    Then([&] { presenter.PressKey(VK_RETURN); });
    ASSERT_TRUE(ChooseColorA(&record));
    EXPECT_FALSE(shownClosed);
    EXPECT_TRUE(shownOpen);
    EXPECT_GT(open.right - open.left, closed.right - closed.left + 200);
    ASSERT_EQ(g_colorHookCalls.size(), 1u);
    EXPECT_EQ(g_colorHookCalls[0].lParam, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(record.rgbResult, RGB(0, 0, 0)) << "without CC_RGBINIT the chooser offers black";
}

TEST_F(ColorChooser, ScriptedAnswersAndBadRecords) {
    record.Flags = CC_RGBINIT;
    record.rgbResult = RGB(255, 0, 0);
    presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{TRUE, "ff00 and more"});
    ASSERT_TRUE(ChooseColorA(&record));
    EXPECT_EQ(presenter.PromptsAsked().back().text, "FF");
    EXPECT_EQ(record.rgbResult, RGB(0, 255, 0));
    presenter.ScriptPromptAnswer("ChooseColor", PromptAnswer{FALSE, {}});
    EXPECT_FALSE(ChooseColorA(&record));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(record.rgbResult, RGB(0, 255, 0));

    record.Flags = CC_ENABLEHOOK;
    EXPECT_FALSE(ChooseColorA(&record));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_NOHOOK);
    record.lpCustColors = nullptr;
    EXPECT_FALSE(ChooseColorA(&record));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_INITIALIZATION);
    record.lStructSize = 0;
    EXPECT_FALSE(ChooseColorA(&record));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
}

}  // namespace
}  // namespace uitest
