#include "platform/gdi/Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/PrinterDC.h"

namespace {

using namespace win;
using gditest::kBlack;
using gditest::kBlue;
using gditest::kRed;
using gditest::kWhite;
using gditest::MakeFont;

LONG Extent(HDC dc, const std::string& text) {
    SIZE size;
    EXPECT_TRUE(GetTextExtentPointA(dc, text.data(), static_cast<int>(text.size()), &size));
    return size.cx;
}

class Text : public gditest::SurfaceTest {
protected:
    Text() : SurfaceTest(400, 120) { SetBkMode(dc_, TRANSPARENT); }
    // Columns (from, to) with ink in the rows given: the runs of dark pixels.
    std::vector<std::pair<int, int>> InkRuns(int top, int bottom) const {
        std::vector<std::pair<int, int>> runs;
        bool inside = false;
        for (int x = 0; x < surface_.Width(); ++x) {
            bool ink = false;
            for (int y = top; y < bottom && !ink; ++y) ink = GetRValue(Pixel(x, y)) < 128;
            if (ink && !inside) runs.push_back({x, x + 1});
            if (ink) runs.back().second = x + 1;
            inside = ink;
        }
        return runs;
    }
};

TEST_F(Text, WidthsAreThoseOfTheMetricCompatibleFaces) {
    // At a character height of 2048 one logical unit is one design unit of the face, so the
    // advances are the published widths of the faces the Liberation families stand in for.
    HFONT arial = MakeFont("Arial", -2048);
    HGDIOBJ old = SelectObject(dc_, arial);
    EXPECT_EQ(Extent(dc_, "W"), 1933);
    EXPECT_EQ(Extent(dc_, "i"), 455);
    EXPECT_EQ(Extent(dc_, " "), 569);
    EXPECT_EQ(Extent(dc_, "Wi i"), 1933 + 455 + 569 + 455);
    HFONT courier = MakeFont("Courier New", -2048);
    SelectObject(dc_, courier);
    for (const char* text : {"i", "W", "\x80", "."}) EXPECT_EQ(Extent(dc_, text), 1229) << text;
    HFONT times = MakeFont("Times New Roman", -2048);
    SelectObject(dc_, times);
    EXPECT_EQ(Extent(dc_, "W"), 1933);
    EXPECT_EQ(Extent(dc_, "i"), 569);
    SelectObject(dc_, old);
    DeleteObject(arial);
    DeleteObject(courier);
    DeleteObject(times);
}

TEST_F(Text, MetricsFollowTheHeightRules) {
    HFONT character = MakeFont("Arial", -13);
    HGDIOBJ old = SelectObject(dc_, character);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(dc_, &tm));
    EXPECT_EQ(tm.tmAscent, 12);
    EXPECT_EQ(tm.tmDescent, 3);
    EXPECT_EQ(tm.tmHeight, 15);
    EXPECT_EQ(tm.tmInternalLeading, 2);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    EXPECT_EQ(tm.tmPitchAndFamily & 0xF0, FF_SWISS);
    // A positive height is the whole cell.
    HFONT cell = MakeFont("Arial", 16, FW_BOLD);
    SelectObject(dc_, cell);
    ASSERT_TRUE(GetTextMetricsA(dc_, &tm));
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, 16);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    SIZE size;
    GetTextExtentPointA(dc_, "x", 1, &size);
    EXPECT_EQ(size.cy, 16);
    // Fixed-pitch faces report it (the low bit is clear for fixed pitch).
    HFONT fixed = MakeFont("Courier", 12);
    SelectObject(dc_, fixed);
    ASSERT_TRUE(GetTextMetricsA(dc_, &tm));
    EXPECT_EQ(tm.tmPitchAndFamily & 1, 0);
    EXPECT_EQ(tm.tmPitchAndFamily & 0xF0, FF_MODERN);
    EXPECT_EQ(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    SelectObject(dc_, old);
    DeleteObject(character);
    DeleteObject(cell);
    DeleteObject(fixed);
}

TEST_F(Text, FaceNamesMapToTheirFamilies) {
    struct Case {
        const char* face;
        BYTE pitchAndFamily;
        const char* reported;
        bool fixed;
    };
    const Case cases[] = {
        {"Helv", 0, "Helv", false},
        {"MS Sans Serif", 0, "MS Sans Serif", false},
        {"Tms Rmn", 0, "Tms Rmn", false},
        {"courier new", 0, "courier new", true},
        {"Terminal", 0, "Terminal", true},
        {"System", FIXED_PITCH, "System", true},
        {"System", VARIABLE_PITCH, "System", false},
        {"Unheard Of Roman", VARIABLE_PITCH | FF_ROMAN, "Times New Roman", false},
        {"Unheard Of Mono", FIXED_PITCH, "Courier New", true},
        {"Unheard Of", 0, "Arial", false},
        {"", 0, "System", false},
    };
    for (const Case& c : cases) {
        HFONT font = MakeFont(c.face, 20, FW_NORMAL, 0, c.pitchAndFamily);
        HGDIOBJ old = SelectObject(dc_, font);
        char name[LF_FACESIZE];
        GetTextFaceA(dc_, sizeof name, name);
        EXPECT_STREQ(name, c.reported) << c.face;
        EXPECT_EQ(Extent(dc_, "i") == Extent(dc_, "W"), c.fixed) << c.face;
        SelectObject(dc_, old);
        DeleteObject(font);
    }
    // Serif and sans differ, so the mapping is not one face for all.
    HFONT serif = MakeFont("Tms Rmn", -100);
    HFONT sans = MakeFont("Helv", -100);
    SelectObject(dc_, serif);
    const LONG serifWidth = Extent(dc_, "i");
    SelectObject(dc_, sans);
    EXPECT_NE(Extent(dc_, "i"), serifWidth);
    SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    DeleteObject(serif);
    DeleteObject(sans);
    char name[4];
    EXPECT_EQ(GetTextFaceA(dc_, sizeof name, name), 3);
    EXPECT_STREQ(name, "Sys");  // cut to the buffer
}

TEST_F(Text, FontRecordComesBackWhole) {
    LOGFONTA font;
    font.lfHeight = -16;
    font.lfWidth = 0;
    font.lfEscapement = 0;
    font.lfWeight = FW_BOLD;
    font.lfItalic = 1;
    font.lfUnderline = 1;
    font.lfCharSet = OEM_CHARSET;
    font.lfClipPrecision = 0x12;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::strcpy(font.lfFaceName, "Courier New");
    HFONT handle = CreateFontIndirectA(&font);
    LOGFONTA back;
    std::memset(static_cast<void*>(&back), 0xAB, sizeof back);
    ASSERT_EQ(GetObjectA(handle, sizeof back, &back), 60);
    EXPECT_EQ(std::memcmp(&back, &font, sizeof font), 0);
    // A short buffer gets the start of the record.
    LONG height = 0;
    EXPECT_EQ(GetObjectA(handle, sizeof height, &height), 4);
    EXPECT_EQ(height, -16);
    DeleteObject(handle);
}

int CollectFamily(const LOGFONTA* font, const TEXTMETRICA* tm, DWORD type, LPARAM data) {
    auto* seen = reinterpret_cast<std::vector<std::pair<LOGFONTA, DWORD>>*>(data);
    EXPECT_GT(tm->tmHeight, 0);
    seen->push_back({*font, type});
    return 1;
}

int StopAtOnce(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM data) {
    ++*reinterpret_cast<int*>(data);
    return 0;
}

TEST_F(Text, EnumerationReportsTheFontSet) {
    std::vector<std::pair<LOGFONTA, DWORD>> seen;
    EXPECT_EQ(EnumFontFamiliesA(dc_, nullptr, CollectFamily, reinterpret_cast<LPARAM>(&seen)), 1);
    ASSERT_EQ(seen.size(), 3u);
    for (const auto& [font, type] : seen) {
        EXPECT_EQ(type, TRUETYPE_FONTTYPE);
        EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
        const std::string face = font.lfFaceName;
        const int expected = face == "Arial"             ? VARIABLE_PITCH | FF_SWISS
                             : face == "Courier New"     ? FIXED_PITCH | FF_MODERN
                             : face == "Times New Roman" ? VARIABLE_PITCH | FF_ROMAN
                                                         : -1;
        EXPECT_EQ(font.lfPitchAndFamily, expected) << face;
    }
    seen.clear();
    EnumFontFamiliesA(dc_, "arial", CollectFamily, reinterpret_cast<LPARAM>(&seen));
    ASSERT_EQ(seen.size(), 4u);  // regular, bold, italic, bold italic
    EXPECT_EQ(seen[1].first.lfWeight, FW_BOLD);
    EXPECT_EQ(seen[2].first.lfItalic, 1);
    seen.clear();
    EnumFontFamiliesA(dc_, "Helv", CollectFamily, reinterpret_cast<LPARAM>(&seen));
    EXPECT_TRUE(seen.empty());
    int calls = 0;
    EXPECT_EQ(EnumFontsA(dc_, nullptr, StopAtOnce, reinterpret_cast<LPARAM>(&calls)), 0);
    EXPECT_EQ(calls, 1);
}

TEST_F(Text, DrawnGlyphsLandWhereExtentsSayOnTheScreen) {
    // Bars descend below the baseline and nothing else here does, so the rows under the baseline
    // show exactly where each bar was put: every bar is drawn at a whole pixel, so each one's ink
    // starts exactly the measured width of the text before it after the first one's.
    const std::string text = "|a|Wi|m|mmm|.|e|fr|t|xz|0|";
    std::vector<std::size_t> barIndexes;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '|') barIndexes.push_back(k);
    }
    SetTextAlign(dc_, TA_BASELINE);
    for (LONG height = -12; height >= -21; --height) {
        surface_.Fill(kWhite);
        HFONT font = MakeFont("Arial", height);
        HGDIOBJ old = SelectObject(dc_, font);
        TextOutA(dc_, 10, 50, text.data(), static_cast<int>(text.size()));
        const auto bars = InkRuns(51, 53);
        ASSERT_EQ(bars.size(), barIndexes.size()) << height;
        for (std::size_t b = 0; b < bars.size(); ++b) {
            const LONG measured = Extent(dc_, text.substr(0, barIndexes[b]));
            EXPECT_EQ(bars[b].first - bars[0].first, measured) << "height " << height << ", bar " << b;
        }
        SelectObject(dc_, old);
        DeleteObject(font);
    }
}

TEST_F(Text, AlignmentAndTheCurrentPosition) {
    HFONT font = MakeFont("Arial", -20);
    HGDIOBJ old = SelectObject(dc_, font);
    TEXTMETRICA tm;
    GetTextMetricsA(dc_, &tm);
    SetTextAlign(dc_, TA_UPDATECP | TA_BASELINE);
    MoveToEx(dc_, 20, 60, nullptr);
    TextOutA(dc_, 0, 0, "Hello", 5);
    POINT at;
    GetCurrentPositionEx(dc_, &at);
    EXPECT_EQ(at.x, 20 + Extent(dc_, "Hello"));
    EXPECT_EQ(at.y, 60);
    TextOutA(dc_, 0, 0, "Jy", 2);
    GetCurrentPositionEx(dc_, &at);
    EXPECT_EQ(at.x, 20 + Extent(dc_, "Hello") + Extent(dc_, "Jy"));
    const RECT ink = InkBounds();
    EXPECT_GE(ink.top, 60 - tm.tmAscent);
    EXPECT_LE(ink.bottom, 60 + tm.tmDescent);
    EXPECT_GT(ink.bottom, 60);  // the descender of y
    // Right alignment ends the text at the reference point.
    surface_.Fill(kWhite);
    SetTextAlign(dc_, TA_RIGHT | TA_TOP);
    TextOutA(dc_, 200, 10, "llll", 4);
    EXPECT_LE(InkBounds().right, 200);
    EXPECT_GE(InkBounds().right, 200 - 3);
    EXPECT_GE(InkBounds().top, 10);
    SelectObject(dc_, old);
    DeleteObject(font);
}

TEST_F(Text, OpaqueModeFillsTheTextCell) {
    HFONT font = MakeFont("Arial", -20);
    HGDIOBJ old = SelectObject(dc_, font);
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, kBlue);
    SetTextColor(dc_, kRed);
    TextOutA(dc_, 10, 20, "Opaque", 6);
    TEXTMETRICA tm;
    GetTextMetricsA(dc_, &tm);
    const RECT ink = InkBounds();
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.top, 20);
    EXPECT_EQ(ink.right, 10 + Extent(dc_, "Opaque"));
    EXPECT_EQ(ink.bottom, 20 + tm.tmHeight);
    EXPECT_GT(Count(kBlue), 0);
    // ExtTextOut fills and clips to its rectangle.
    surface_.Fill(kWhite);
    const RECT box{100, 10, 130, 30};
    ExtTextOutA(dc_, 90, 5, ETO_OPAQUE | ETO_CLIPPED, &box, "Clipped text", 12, nullptr);
    EXPECT_EQ(InkBounds().left, 100);
    EXPECT_EQ(InkBounds().right, 130);
    EXPECT_EQ(InkBounds().bottom, 30);
    SelectObject(dc_, old);
    DeleteObject(font);
}

TEST_F(Text, TabsExpandToTheirStops) {
    HFONT font = MakeFont("Arial", -20);
    HGDIOBJ old = SelectObject(dc_, font);
    const INT stop = 100;
    const LONG result = TabbedTextOutA(dc_, 10, 30, "|\t|\t|", 5, 1, &stop, 10);
    const auto bars = InkRuns(30 + 17, 30 + 20);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_NEAR(bars[1].first - bars[0].first, 100, 1);
    EXPECT_NEAR(bars[2].first - bars[0].first, 200, 1);
    EXPECT_EQ(LOWORD(static_cast<DWORD>(result)), 200 + Extent(dc_, "|"));
    EXPECT_EQ(GetTabbedTextExtentA(dc_, "|\t|\t|", 5, 1, &stop), static_cast<DWORD>(result));
    // Explicit stops; past the last one a tab advances one space.
    const INT stops[] = {40, 70};
    const DWORD extent = GetTabbedTextExtentA(dc_, "a\tb\tc\td", 7, 2, stops);
    EXPECT_EQ(LOWORD(extent), 70 + Extent(dc_, "c") + Extent(dc_, " ") + Extent(dc_, "d"));
    SelectObject(dc_, old);
    DeleteObject(font);
}

TEST_F(Text, HighBytesDrawTheirWindows1252Glyphs) {
    HFONT font = MakeFont("Arial", -2048);
    HGDIOBJ old = SelectObject(dc_, font);
    EXPECT_EQ(Extent(dc_, "\x80"), 1139);  // euro sign
    EXPECT_EQ(Extent(dc_, "\x85"), 2048);  // ellipsis
    EXPECT_EQ(Extent(dc_, "\xE9"), 1139);  // e acute
    SelectObject(dc_, old);
    DeleteObject(font);
    HFONT visible = MakeFont("Arial", -30);
    SelectObject(dc_, visible);
    TextOutA(dc_, 10, 10, "\x80", 1);
    const RECT euro = InkBounds();
    surface_.Fill(kWhite);
    TextOutA(dc_, 10, 10, "C", 1);
    EXPECT_GT(euro.right - euro.left, 5);
    EXPECT_NE(euro.right, InkBounds().right);  // not drawn as some other character
    SelectObject(dc_, old);
    DeleteObject(visible);
}

TEST_F(Text, EscapementTurnsTheBaseline) {
    LOGFONTA record;
    record.lfHeight = -20;
    record.lfEscapement = 900;  // upwards
    std::strcpy(record.lfFaceName, "Arial");
    HFONT turned = CreateFontIndirectA(&record);
    HGDIOBJ old = SelectObject(dc_, turned);
    SetTextAlign(dc_, TA_BASELINE);
    TextOutA(dc_, 50, 110, "Sideways", 8);
    const RECT ink = InkBounds();
    const LONG extent = Extent(dc_, "Sideways");
    EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left);
    EXPECT_LE(ink.bottom, 110);             // drawn upwards from the reference point
    EXPECT_NEAR(ink.top, 110 - extent, 3);  // as far as the text is long
    TEXTMETRICA tm;
    GetTextMetricsA(dc_, &tm);
    EXPECT_GE(ink.left, 50 - tm.tmAscent);    // ascenders lean left of the baseline,
    EXPECT_LE(ink.right, 50 + tm.tmDescent);  // the descender of y to its right
    EXPECT_GT(ink.right, 50);
    SelectObject(dc_, old);
    DeleteObject(turned);
}

TEST_F(Text, UnderlineAndStrikeOut) {
    LOGFONTA record;
    record.lfHeight = -20;
    record.lfUnderline = 1;
    std::strcpy(record.lfFaceName, "Arial");
    HFONT underlined = CreateFontIndirectA(&record);
    HGDIOBJ old = SelectObject(dc_, underlined);
    SetTextAlign(dc_, TA_BASELINE);
    TextOutA(dc_, 10, 40, "ooo", 3);
    const LONG width = Extent(dc_, "ooo");
    // A solid rule under the baseline across the whole text.
    auto ruleBetween = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y) {
            if (Count(kBlack, RECT{10, y, 10 + width - 1, y + 1}) >= width - 2) return true;
        }
        return false;
    };
    EXPECT_TRUE(ruleBetween(41, 46));
    EXPECT_FALSE(ruleBetween(30, 40)) << "no rule through the letters";
    SelectObject(dc_, old);
    DeleteObject(underlined);

    // A solid rule through the letters, above the baseline.
    record.lfUnderline = 0;
    record.lfStrikeOut = 1;
    HFONT struck = CreateFontIndirectA(&record);
    old = SelectObject(dc_, struck);
    TextOutA(dc_, 10, 80, "ooo", 3);
    EXPECT_TRUE(ruleBetween(70, 80));
    EXPECT_FALSE(ruleBetween(81, 86)) << "no rule under the baseline";
    SelectObject(dc_, old);
    DeleteObject(struck);
}

TEST_F(Text, EveryKindOfContextMeasuresAlikeAndWidthsAdd) {
    // A text is as wide as its characters together, at every size and on every kind of context, so
    // caret places, hit tests and line breaks worked out by adding widths match what is drawn.
    HDC measuring = CreateMeasuringDC();
    HDC memory = CreateCompatibleDC(nullptr);  // holds a monochrome bitmap
    HDC printer = CreatePrinterDC(kLetterPaper);
    ASSERT_NE(printer, nullptr);
    const std::string sample = "The quick brown fox jumps over the lazy dog \x93\x85\x94 WAVE 1,234.50";
    for (const char* face : {"Arial", "Times New Roman"}) {
        for (LONG height = -8; height >= -21; --height) {
            HFONT font = MakeFont(face, height);
            TEXTMETRICA reference;
            LONG referenceExtent = 0;
            for (HDC dc : {dc_, measuring, memory, printer}) {
                HGDIOBJ old = SelectObject(dc, font);
                TEXTMETRICA tm;
                ASSERT_TRUE(GetTextMetricsA(dc, &tm));
                const LONG extent = Extent(dc, sample);
                if (dc == dc_) {
                    reference = tm;
                    referenceExtent = extent;
                    LONG sum = 0;
                    for (char c : sample) sum += Extent(dc, std::string(1, c));
                    EXPECT_EQ(extent, sum) << face << " " << height;
                } else {
                    EXPECT_EQ(std::memcmp(&tm, &reference, sizeof tm), 0) << face << " " << height;
                    EXPECT_EQ(extent, referenceExtent) << face << " " << height;
                }
                SelectObject(dc, old);
            }
            DeleteObject(font);
        }
    }
    DeleteDC(measuring);
    DeleteDC(memory);
    DeleteDC(printer);
}

TEST_F(Text, CharacterWidthsAreWhatEachCharacterMeasuresAlone) {
    HFONT font = MakeFont("Times New Roman", -15);
    HGDIOBJ old = SelectObject(dc_, font);
    INT widths[256];
    ASSERT_TRUE(GetCharWidth32A(dc_, 0, 255, widths));
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(widths[c], Extent(dc_, std::string(1, static_cast<char>(c)))) << c;
    INT some[3];
    ASSERT_TRUE(GetCharWidth32A(dc_, 'a', 'c', some));
    EXPECT_EQ(some[1], widths['b']);
    EXPECT_FALSE(GetCharWidth32A(dc_, 'c', 'a', some));
    EXPECT_FALSE(GetCharWidth32A(nullptr, 0, 0, some));
    SelectObject(dc_, old);
    DeleteObject(font);
}

TEST_F(Text, EmptyTextMeasuresNothingAndDrawsNothing) {
    HFONT font = MakeFont("Arial", -16);
    HGDIOBJ old = SelectObject(dc_, font);
    SIZE size{-1, -1};
    ASSERT_TRUE(GetTextExtentPointA(dc_, "abc", 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, kBlue);
    // No characters: nothing drawn and the rectangle left as it is, even when measuring.
    RECT box{10, 10, 100, 60};
    for (UINT format : {UINT{DT_LEFT}, UINT{DT_CALCRECT}, UINT{DT_SINGLELINE | DT_CENTER | DT_VCENTER}}) {
        EXPECT_EQ(DrawTextA(dc_, "abc", 0, &box, format), 0) << format;
        EXPECT_EQ(box.right, 100);
        EXPECT_EQ(box.bottom, 60);
    }
    EXPECT_EQ(DrawTextA(dc_, "", -1, &box, DT_LEFT), 0);
    EXPECT_EQ(box.bottom, 60);
    EXPECT_EQ(InkBounds().right, 0) << "nothing drawn";
    // An empty string measured: an empty rectangle at the same corner.
    EXPECT_EQ(DrawTextA(dc_, "", -1, &box, DT_CALCRECT), 0);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 10);
    EXPECT_EQ(box.right, 10);
    EXPECT_EQ(box.bottom, 10);
    SelectObject(dc_, old);
    DeleteObject(font);
}

TEST_F(Text, DrawTextAlignsInItsRectangle) {
    HFONT font = MakeFont("Arial", -16);
    HGDIOBJ old = SelectObject(dc_, font);
    TEXTMETRICA tm;
    GetTextMetricsA(dc_, &tm);
    RECT box{20, 20, 220, 80};
    EXPECT_EQ(DrawTextA(dc_, "Centred", -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER), tm.tmHeight);
    const RECT ink = InkBounds();
    EXPECT_NEAR((ink.left + ink.right) / 2, 120, 2);
    EXPECT_NEAR((ink.top + ink.bottom) / 2, 50, 4);
    // Measuring only: the rectangle grows to fit two lines.
    RECT calc{0, 0, 0, 0};
    EXPECT_EQ(DrawTextA(dc_, "one\r\ntwo words", -1, &calc, DT_CALCRECT), 2 * tm.tmHeight);
    EXPECT_EQ(calc.right, Extent(dc_, "two words"));
    EXPECT_EQ(calc.bottom, 2 * tm.tmHeight);
    // A prefix mark underlines the next character and is not drawn itself.
    RECT noPrefix{0, 0, 0, 0};
    DrawTextA(dc_, "&File", -1, &calc, DT_CALCRECT);
    DrawTextA(dc_, "File", -1, &noPrefix, DT_CALCRECT);
    EXPECT_EQ(calc.right, noPrefix.right);
    DrawTextA(dc_, "a&&b", -1, &calc, DT_CALCRECT);
    EXPECT_EQ(calc.right, Extent(dc_, "a&b"));
    // Clipped to the rectangle.
    surface_.Fill(kWhite);
    RECT narrow{10, 10, 30, 40};
    DrawTextA(dc_, "Much too long for it", -1, &narrow, DT_LEFT);
    EXPECT_LE(InkBounds().right, 30);
    SelectObject(dc_, old);
    DeleteObject(font);
}

}  // namespace
