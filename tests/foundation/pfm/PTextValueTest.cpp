#include "foundation/pfm/PTextValue.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

#include "foundation/pfm/KeyedText.h"

namespace {

template <typename T>
T Parse(char type, std::string_view text) {
    T value{};
    ParsePTextNumber(type, text, &value);
    return value;
}

template <typename T>
std::string Format(char type, T value) {
    return FormatPTextNumber(type, &value);
}

TEST(PTextValue, TypeLettersAndSizes) {
    for (char type : {'c', 's', 'i', 'l', 'f', 'd', 'x'}) EXPECT_TRUE(IsPTextType(type)) << type;
    for (char type : {'C', 'S', 'q', '\0', '1', ':'}) EXPECT_FALSE(IsPTextType(type)) << type;
    EXPECT_EQ(PTextNumberSize('s'), 2u);
    EXPECT_EQ(PTextNumberSize('i'), 4u);
    EXPECT_EQ(PTextNumberSize('l'), 4u);  // 32-bit whatever the size of long
    EXPECT_EQ(PTextNumberSize('f'), 4u);
    EXPECT_EQ(PTextNumberSize('d'), 8u);
    EXPECT_EQ(PTextNumberSize('x'), 8u);
    EXPECT_EQ(PTextNumberSize('c'), 0u);
}

TEST(PTextValue, IntegersAreReadLikeTheStandardReader) {
    EXPECT_EQ(Parse<std::int32_t>('i', "42"), 42);
    EXPECT_EQ(Parse<std::int32_t>('l', " \t-17xyz"), -17);
    EXPECT_EQ(Parse<std::int32_t>('l', "+8"), 8);
    EXPECT_EQ(Parse<std::int32_t>('i', ""), 0);
    EXPECT_EQ(Parse<std::int32_t>('i', "abc"), 0);
    EXPECT_EQ(Parse<std::int32_t>('i', "-"), 0);
    EXPECT_EQ(Parse<std::int32_t>('i', "- 5"), 0);
    EXPECT_EQ(Parse<std::int32_t>('i', "12.9"), 12);
    // Beyond 32 bits the limits hold.
    EXPECT_EQ(Parse<std::int32_t>('l', "2147483647"), 2147483647);
    EXPECT_EQ(Parse<std::int32_t>('l', "2147483648"), 2147483647);
    EXPECT_EQ(Parse<std::int32_t>('l', "-2147483648"), -2147483647 - 1);
    EXPECT_EQ(Parse<std::int32_t>('l', "-99999999999999999999999"), -2147483647 - 1);
    // A 16-bit value keeps the low 16 bits of what was read.
    EXPECT_EQ(Parse<std::int16_t>('s', "-32768"), -32768);
    EXPECT_EQ(Parse<std::int16_t>('s', "32768"), -32768);
    EXPECT_EQ(Parse<std::int16_t>('s', "70000"), 4464);
}

TEST(PTextValue, FloatingTextsAreReadLikeTheStandardReader) {
    EXPECT_DOUBLE_EQ(Parse<double>('d', "2.500000"), 2.5);
    EXPECT_DOUBLE_EQ(Parse<double>('d', "  -1.25e2\\"), -125.0);
    EXPECT_DOUBLE_EQ(Parse<double>('x', ".5"), 0.5);
    EXPECT_DOUBLE_EQ(Parse<double>('x', "5."), 5.0);
    EXPECT_DOUBLE_EQ(Parse<double>('d', "+3E-1"), 0.3);
    EXPECT_DOUBLE_EQ(Parse<double>('d', "7e"), 7.0);  // an exponent without digits is not read
    EXPECT_DOUBLE_EQ(Parse<double>('d', "7e+"), 7.0);
    EXPECT_DOUBLE_EQ(Parse<double>('d', "1,5"), 1.0);  // a comma is not a decimal point
    EXPECT_FLOAT_EQ(Parse<float>('f', "0.100000"), 0.1f);
    // Texts without digits read as 0, also the words that some readers take for special values.
    for (const char* text : {"", ".", "-.", "e5", "inf", "nan", "-infinity", "0x1p3x"}) {
        EXPECT_EQ(Parse<double>('d', text), 0.0) << text;
    }
    EXPECT_EQ(Parse<double>('d', "0x10"), 0.0);
    // Out of range: too large is infinite, too small is zero.
    EXPECT_EQ(Parse<double>('d', "1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Parse<double>('d', "-123456e999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Parse<double>('d', "1e-400"), 0.0);
    EXPECT_EQ(Parse<double>('d', "0.000001e-400"), 0.0);
    EXPECT_EQ(Parse<float>('f', "1e300"), std::numeric_limits<float>::infinity());
}

TEST(PTextValue, NumbersAreWrittenWithSixDecimals) {
    EXPECT_EQ(Format<std::int16_t>('s', -5), "-5");
    EXPECT_EQ(Format<std::int32_t>('i', 2147483647), "2147483647");
    EXPECT_EQ(Format<std::int32_t>('l', -2147483647 - 1), "-2147483648");
    EXPECT_EQ(Format<float>('f', 0.1f), "0.100000");
    EXPECT_EQ(Format<double>('d', 2.5), "2.500000");
    EXPECT_EQ(Format<double>('x', 2.5), "2.500000");
    EXPECT_EQ(Format<double>('d', -0.0000004), "-0.000000");
    EXPECT_EQ(Format<double>('d', 1e20), "100000000000000000000.000000");
    EXPECT_EQ(Format<double>('d', 1e300).size(), 308u);
    // The same texts as the standard formatter in the "C" locale.
    for (double value :
         {3.14159265, -2.71828, 1e-7, 0.0000005, 0.0000015, 1e300, 123456789.123456789, 0.5, 1.5, 2.5}) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%f", value);
        EXPECT_EQ(Format<double>('d', value), expected);
    }
}

// Every number a write puts down is a number text; anything else stored under a number's type is
// damaged, however much of it the reading would take.
TEST(PTextValue, ANumberTextIsOnlyWhatAWritePutsDown) {
    for (const double value : {0.0, -0.0, 2.5, -1e300, 1e-7, std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_TRUE(IsPTextNumberText('d', Format<double>('d', value))) << value;
        EXPECT_TRUE(IsPTextNumberText('f', Format<float>('f', static_cast<float>(value)))) << value;
    }
    for (const std::int32_t value : {0, -1, 2147483647, -2147483647 - 1})
        EXPECT_TRUE(IsPTextNumberText('l', Format<std::int32_t>('l', value))) << value;
    for (const std::int16_t value : {32767, -32768})
        EXPECT_TRUE(IsPTextNumberText('s', Format<std::int16_t>('s', value))) << value;
    for (const char* text : {"32768", "-32769", "71021"}) EXPECT_FALSE(IsPTextNumberText('s', text)) << text;
    EXPECT_FALSE(IsPTextNumberText('l', "2147483648"));
    EXPECT_FALSE(IsPTextNumberText('i', "-2147483649"));
    for (const char* text :
         {"", "-", "10x1", "1021\\Ok", " 5", "+5", "5 ", "1.5", "inf", "0x10", "007", "-021", "-0", "00"})
        EXPECT_FALSE(IsPTextNumberText('i', text)) << text;
    for (const char* text : {"", ".5", "2.", "2.5.0", "1e3", "2,5", "-inf5", "1.0x", "9", "-2", "02.5", "1.#INF0",
                             "2.#INF00"})
        EXPECT_FALSE(IsPTextNumberText('x', text)) << text;
    EXPECT_FALSE(IsPTextNumberText('c', "12"));
    // Infinities as other writers' libraries put them down read as far as a number goes: 1.
    for (const char* text : {"1.#INF00", "-1.#INF00", "-1.#IND00", "1.#QNAN0"}) {
        EXPECT_TRUE(IsPTextNumberText('d', text)) << text;
        EXPECT_FALSE(IsPTextNumberText('l', text)) << text;
        EXPECT_EQ(std::abs(Parse<double>('d', text)), 1.0) << text;
    }
    for (const char* text : {"-nan(ind)", "nan(ind)", "nan(snan)"}) {
        EXPECT_TRUE(IsPTextNumberText('f', text)) << text;
        EXPECT_FALSE(IsPTextNumberText('i', text)) << text;
        EXPECT_EQ(Parse<double>('d', text), 0.0) << text;
    }
    EXPECT_FALSE(IsPTextNumberText('d', "nan(x)"));
}

// Numbers keep the full stop when the user's locale writes a decimal comma.
TEST(PTextValue, NumbersIgnoreTheUsersLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 is needed (scripts/setup)";
    char check[16];
    std::snprintf(check, sizeof check, "%.1f", 2.5);
    ASSERT_STREQ(check, "2,5");  // the locale really is in effect

    EXPECT_EQ(Format<double>('d', 2.5), "2.500000");
    EXPECT_EQ(Format<float>('f', -0.25f), "-0.250000");
    EXPECT_DOUBLE_EQ(Parse<double>('d', "2.5"), 2.5);
    EXPECT_DOUBLE_EQ(Parse<double>('d', "2,5"), 2.0);
    EXPECT_DOUBLE_EQ(Parse<double>('d', "1.5e3"), 1500.0);

    KeyedText record;
    const double ratio = 0.75;
    record.SetEntry("Ratio", 'd', &ratio);
    const std::vector<char>& text = record.Write();
    EXPECT_EQ(std::string(text.begin(), text.end()), std::string("\\Ratiod:0.750000\\\0", 18));
    KeyedText reread;
    ASSERT_EQ(reread.Parse(text.data(), text.size()), kNoErr);
    double value = 0;
    reread.GetEntry("Ratio", 'd', &value);
    EXPECT_DOUBLE_EQ(value, 0.75);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
