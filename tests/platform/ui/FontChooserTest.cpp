#include <cstring>

#include "UiFixture.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FontChoice.h"
#include "platform/ui/FontChooser.h"
#include "platform/ui/ListBoxControl.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

using namespace win::detail;

TEST(FontChoice, SizesArePointsAtNinetySixPixelsToTheInchAndACellHeightHoldsASmallerCharacter) {
    EXPECT_EQ(HeightOfPoints(12), -16);
    EXPECT_EQ(HeightOfPoints(10), -13);
    EXPECT_EQ(PointsOfHeight(-13), 10);
    EXPECT_EQ(PointsOfHeight(-29), 22);
    LOGFONTA font;
    std::strcpy(font.lfFaceName, "Tms Rmn");
    font.lfHeight = -32;
    font.lfWeight = FW_BOLD;
    font.lfItalic = 1;
    const FontChoice byCharacter = ChoiceOfLogFont(font);
    EXPECT_EQ(byCharacter.face, "Tms Rmn");
    EXPECT_EQ(byCharacter.points, 24);
    EXPECT_TRUE(byCharacter.bold && byCharacter.italic);
    font.lfHeight = 32;
    EXPECT_LT(ChoiceOfLogFont(font).points, 24) << "a cell of 32 pixels less its leading";
}

TEST(FontChoice, ScriptedTextsNameFaceSizeAndStyleAndKeepWhatTheyLeaveOut) {
    const FontChoice base{"Arial", 10, true, false};
    EXPECT_EQ(DescribeChoice(base), "Arial;10;Bold");
    const FontChoice read = ReadChoice("Courier New;;bold italic", base);
    EXPECT_EQ(read.face, "Courier New");
    EXPECT_EQ(read.points, 10);
    EXPECT_TRUE(read.bold && read.italic);
    EXPECT_EQ(DescribeChoice(ReadChoice(";x;Plain", base)), "Arial;10;Bold")
        << "unreadable parts keep the base";
    EXPECT_EQ(DescribeChoice(ReadChoice(";14", base)), "Arial;14;Bold");
}

UINT_PTR g_hookInitRecord = 0;

// Offers face and size only, as the framework's plain-style mode does.
UINT_PTR HideStyleHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return 0;
    g_hookInitRecord = static_cast<UINT_PTR>(lParam);
    ShowWindow(GetDlgItem(dialog, FONT_STYLE_LABEL_ID), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, FONT_STYLE_LIST_ID), SW_HIDE);
    return TRUE;
}

class FontChooser : public UiTest {
protected:
    HWND owner = nullptr;
    IdleScript script{presenter};
    LOGFONTA font;
    CHOOSEFONTA record;
    HDC printer = nullptr;

    void SetUp() override {
        UiTest::SetUp();
        owner = Popup(RECT{0, 0, 800, 600}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
        printer = CreateMeasuringDC();
        // A face of the framework's, bold and underlined, 10 points high.
        std::strcpy(font.lfFaceName, "Helv");
        font.lfHeight = -13;
        font.lfWeight = FW_BOLD;
        font.lfUnderline = 1;
        record.hwndOwner = owner;
        record.hDC = printer;
        record.lpLogFont = &font;
        record.Flags =
            CF_SCREENFONTS | CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST | CF_NOSCRIPTSEL;
        Pump();
    }
    void TearDown() override {
        DeleteDC(printer);
        EXPECT_EQ(presenter.UnusedPromptAnswers(), 0u);
        UiTest::TearDown();
    }
    void Then(std::function<void()> step) { script.Then(std::move(step)); }
    static HWND Item(int id) { return GetDlgItem(GetActiveWindow(), id); }
    static std::string Selected(HWND list) {
        char text[64] = {};
        const LRESULT at = SendMessageA(list, LB_GETCURSEL, 0, 0);
        if (at >= 0) SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text));
        return text;
    }
    static std::vector<std::string> Texts(HWND list) {
        std::vector<std::string> texts;
        for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
            char text[64] = {};
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    // The field before a list: the face field before the face list, the size field before the sizes.
    static HWND FieldBefore(HWND list) { return GetWindow(list, GW_HWNDPREV); }
    void TypeInto(HWND field, const std::string& text) {
        SendMessageA(GetActiveWindow(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
        presenter.TypeText(text);
    }
};

TEST_F(FontChooser, ItStartsFromTheCallersFontAndAnswersTheChoiceInScreenPixels) {
    HWND faces = nullptr, sizes = nullptr;
    Then([&] {
        faces =
            GetNextDlgTabItem(GetActiveWindow(), GetNextDlgTabItem(GetActiveWindow(), nullptr, FALSE), FALSE);
        sizes = GetNextDlgTabItem(GetActiveWindow(), Item(IDOK), TRUE);
        EXPECT_EQ(Texts(faces), (std::vector<std::string>{"Arial", "Courier New", "Times New Roman"}));
        EXPECT_EQ(Selected(faces), "Arial") << "Helv is drawn with the sans face";
        EXPECT_EQ(Selected(Item(FONT_STYLE_LIST_ID)), "Bold");
        EXPECT_EQ(Selected(sizes), "10");
        SetFocus(faces);
        presenter.PressKey(VK_END);
    });
    Then([&] {
        SetFocus(Item(FONT_STYLE_LIST_ID));
        presenter.PressKey(VK_HOME);
        presenter.PressKey(VK_DOWN);  // Italic
    });
    Then([&] { TypeInto(FieldBefore(sizes), "14"); });
    Then([&] {
        EXPECT_EQ(Selected(sizes), "14") << "the size typed is shown in the list";
        presenter.PressKey(VK_RETURN);
    });
    ASSERT_TRUE(ChooseFontA(&record));
    EXPECT_STREQ(font.lfFaceName, "Times New Roman");
    EXPECT_EQ(font.lfHeight, -19);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfItalic, 1);
    EXPECT_EQ(font.lfUnderline, 1) << "kept";
    EXPECT_EQ(record.iPointSize, 140);
    EXPECT_EQ(record.nFontType, SCREEN_FONTTYPE | PRINTER_FONTTYPE | ITALIC_FONTTYPE);
}

TEST_F(FontChooser, AHookMayHideTheStylesLeavingFaceAndSizeAndTheFontStaysPlain) {
    font.lfWeight = FW_NORMAL;
    record.Flags |= CF_ENABLEHOOK | CF_LIMITSIZE;
    record.lpfnHook = HideStyleHook;
    record.nSizeMin = 4;
    record.nSizeMax = 24;
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{IDOK, {}});
    bool styleShown = true, labelShown = true;
    std::vector<std::string> sizes;
    HWND faceField = nullptr, sizeField = nullptr;
    Then([&] {
        styleShown = IsWindowVisible(Item(FONT_STYLE_LIST_ID));
        labelShown = IsWindowVisible(Item(FONT_STYLE_LABEL_ID));
        faceField = GetNextDlgTabItem(GetActiveWindow(), nullptr, FALSE);
        HWND sizeList = GetNextDlgTabItem(GetActiveWindow(), Item(IDOK), TRUE);
        sizeField = FieldBefore(sizeList);
        sizes = Texts(sizeList);
        TypeInto(sizeField, "36");
        presenter.PressKey(VK_RETURN);  // beyond the limit
    });
    Then([&] { TypeInto(sizeField, "4"); });
    Then([&] {
        TypeInto(faceField, "Nonesuch");
        presenter.PressKey(VK_RETURN);  // no such face
    });
    Then([&] {
        TypeInto(faceField, "courier new");
        presenter.PressKey(VK_RETURN);
    });
    ASSERT_TRUE(ChooseFontA(&record));
    EXPECT_FALSE(styleShown);
    EXPECT_FALSE(labelShown);
    EXPECT_EQ(g_hookInitRecord, reinterpret_cast<UINT_PTR>(&record));
    EXPECT_EQ(sizes, (std::vector<std::string>{"4", "8", "9", "10", "11", "12", "14", "16", "18", "20", "22",
                                               "24"}));
    EXPECT_STREQ(font.lfFaceName, "Courier New") << "the listed face's own name";
    EXPECT_EQ(font.lfHeight, -5);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    ASSERT_EQ(presenter.PromptsAsked().size(), 3u) << "the chooser's own, then two messages";
    EXPECT_EQ(presenter.PromptsAsked()[1].text, "The size must be a whole number of points from 4 to 24.");
    EXPECT_EQ(presenter.PromptsAsked()[2].text,
              "There is no font named \"Nonesuch\". Choose a font from the list.");
}

TEST_F(FontChooser, ScriptedAnswersAndBadRecords) {
    presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{TRUE, "Courier New;12;Bold Italic"});
    ASSERT_TRUE(ChooseFontA(&record));
    EXPECT_EQ(presenter.PromptsAsked().back().text, "Arial;10;Bold");
    EXPECT_STREQ(font.lfFaceName, "Courier New");
    EXPECT_EQ(font.lfHeight, -16);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfItalic, 1);
    presenter.ScriptPromptAnswer("ChooseFont", PromptAnswer{FALSE, {}});
    EXPECT_FALSE(ChooseFontA(&record));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_STREQ(font.lfFaceName, "Courier New") << "unchanged on cancel";

    record.Flags = CF_SCREENFONTS | CF_LIMITSIZE;
    record.nSizeMin = 10;
    record.nSizeMax = 8;
    EXPECT_FALSE(ChooseFontA(&record));
    EXPECT_EQ(CommDlgExtendedError(), CFERR_MAXLESSTHANMIN);
    record.Flags = CF_PRINTERFONTS;
    record.hDC = nullptr;
    EXPECT_FALSE(ChooseFontA(&record));
    EXPECT_EQ(CommDlgExtendedError(), CFERR_NOFONTS) << "printer faces asked for, but no printer";
    record.Flags = CF_SCREENFONTS | CF_ENABLEHOOK;
    EXPECT_FALSE(ChooseFontA(&record));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_NOHOOK);
    record.lpLogFont = nullptr;
    EXPECT_FALSE(ChooseFontA(&record));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_INITIALIZATION);
}

}  // namespace
}  // namespace uitest
