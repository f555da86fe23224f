#include "framework/graphics/FontMapping.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/gdi/DeviceContexts.h"

namespace {

struct Spec {
    std::int16_t number;
    std::int16_t size;
    std::int32_t style;
    friend bool operator==(const Spec&, const Spec&) = default;
};

Spec SpecOf(const win::LOGFONTA& font) {
    Spec spec{};
    LogFontToFontSpec(font, spec.number, spec.size, spec.style);
    return spec;
}

win::LOGFONTA MappedLogFont(std::int16_t number, std::int16_t size, std::int32_t style = 0) {
    win::LOGFONTA font;
    MakeLogFont(font, number, size, style);
    return font;
}

std::string Face(const win::LOGFONTA& font) { return font.lfFaceName; }

TEST(FontMappingTest, NumbersAndSizesChooseFaceAndHeight) {
    // The bold system face ignores the size, and is bold without the style bit.
    for (std::int16_t size : {9, 12, 24}) {
        const win::LOGFONTA font = MappedLogFont(0, size);
        EXPECT_EQ(Face(font), "Helv");
        EXPECT_EQ(font.lfHeight, 13);
        EXPECT_EQ(font.lfWeight, win::FW_BOLD);
    }
    const win::LOGFONTA system = MappedLogFont(4, 12);
    EXPECT_EQ(Face(system), "System");
    EXPECT_EQ(system.lfHeight, 15);
    EXPECT_EQ(system.lfPitchAndFamily, win::FIXED_PITCH);
    EXPECT_EQ(MappedLogFont(4, 10).lfCharSet, win::OEM_CHARSET);
    EXPECT_EQ(MappedLogFont(5, 13).lfPitchAndFamily, 0);
    // The default font: no face, height 0, still styled.
    const win::LOGFONTA fallback = MappedLogFont(7, 12, kStyleBold | kStyleUnderline);
    EXPECT_EQ(Face(fallback), "");
    EXPECT_EQ(fallback.lfHeight, 0);
    EXPECT_EQ(fallback.lfWeight, win::FW_BOLD);
    EXPECT_EQ(fallback.lfUnderline, 1);
}

TEST(FontMappingTest, EveryNumberAndSizeMapsBackToItself) {
    for (std::int16_t number : {2, 3, 4, 5}) {
        for (std::int16_t size : {9, 10, 12, 14, 18, 24}) {
            for (std::int32_t style : {0, kStyleItalic, kStyleItalic | kStyleUnderline}) {
                EXPECT_EQ(SpecOf(MappedLogFont(number, size, style)), (Spec{number, size, style}))
                    << "number " << number << " size " << size << " style " << style;
            }
        }
    }
    EXPECT_EQ(SpecOf(MappedLogFont(0, 24)), (Spec{0, 12, kStyleBold}));
    EXPECT_EQ(SpecOf(MappedLogFont(1, 14, kStyleItalic)), (Spec{1, 12, kStyleItalic})) << "not serif";
    // Sizes between the bands fall to the band below.
    EXPECT_EQ(SpecOf(MappedLogFont(2, 11)).size, 12);
    EXPECT_EQ(SpecOf(MappedLogFont(4, 16)).size, 18);
}

TEST(FontMappingTest, BoldSansTenIsTheSystemFaceAndInstalledArialIsSans) {
    EXPECT_EQ(SpecOf(MappedLogFont(3, 10)), (Spec{3, 10, 0}));
    EXPECT_EQ(SpecOf(MappedLogFont(3, 10, kStyleBold)), (Spec{0, 12, kStyleBold}));

    win::LOGFONTA byName;
    MakeLogFontByName(byName, "arial", -13, kStyleBold);
    EXPECT_EQ(byName.lfPitchAndFamily & 0xF0, win::FF_SWISS) << "the installed family";
    EXPECT_EQ(SpecOf(byName), (Spec{3, 10, kStyleBold}));
    // Unknown faces go by their family bits; a character height counts by its size.
    win::LOGFONTA roman;
    MakeLogFontByName(roman, "Times New Roman", -16, 0);
    EXPECT_EQ(SpecOf(roman), (Spec{2, 12, 0}));
    win::LOGFONTA modern{};
    modern.lfPitchAndFamily = win::FF_MODERN;
    std::strcpy(modern.lfFaceName, "Unknown");
    modern.lfHeight = 30;
    EXPECT_EQ(SpecOf(modern), (Spec{4, 24, 0}));
}

TEST(FontMappingTest, NamedFontsTakeTheInstalledFacesLookAndCompareWithCase) {
    win::LOGFONTA installed;
    EXPECT_TRUE(FindInstalledFont("COURIER NEW", installed));
    EXPECT_EQ(Face(installed), "Courier New");
    EXPECT_FALSE(FindInstalledFont("No Such Face", installed));

    win::LOGFONTA font;
    MakeLogFontByName(font, "A face name much longer than thirty-one characters", 20, 0);
    EXPECT_EQ(Face(font).size(), 31u) << "cut to the record's field";
    win::LOGFONTA modified;
    ModifyLogFont(modified, MappedLogFont(3, 12, kStyleItalic), kKeepStyle, 0, "Courier New");
    std::string face;
    std::int16_t height = 0;
    std::int32_t style = 0;
    LogFontToFaceSpec(modified, face, height, style);
    EXPECT_EQ(face, "Courier New");
    EXPECT_EQ(height, 16);
    EXPECT_EQ(style, kStyleItalic);
    ModifyLogFont(modified, modified, kStyleBold, 30, nullptr);
    EXPECT_EQ(GetLogFontStyle(modified), kStyleBold);
    EXPECT_EQ(modified.lfHeight, 30);

    win::LOGFONTA upper = MappedLogFont(3, 12);
    EXPECT_TRUE(LogFontsEqual(upper, MappedLogFont(3, 12)));
    std::strcpy(upper.lfFaceName, "HELV");
    EXPECT_FALSE(LogFontsEqual(upper, MappedLogFont(3, 12)));
    EXPECT_FALSE(LogFontsEqual(MappedLogFont(3, 12), MappedLogFont(3, 12, kStyleUnderline)));
}

TEST(FontMappingTest, MetricsComeFromTheFontAndLeaveTheContextAsItWas) {
    const win::HDC dc = win::CreateMeasuringDC();
    const win::HGDIOBJ before = win::GetCurrentObject(dc, win::OBJ_FONT);
    win::TEXTMETRICA small, large;
    GetFontMetrics(dc, MappedLogFont(3, 9), small);
    GetFontMetrics(dc, MappedLogFont(3, 24), large);
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_FONT), before);
    EXPECT_EQ(small.tmHeight, 11) << "a positive height is the cell height";
    EXPECT_EQ(GetFontAscent(large) + GetFontDescent(large), 29);
    EXPECT_GT(GetFontMaxWidth(large), GetFontMaxWidth(small));
    EXPECT_GE(GetFontLeading(large), 0);
    win::DeleteDC(dc);
}

}  // namespace
