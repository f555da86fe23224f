#include "foundation/DateUtil.h"

#include <gtest/gtest.h>

namespace {

TEST(DateUtil, LeapYears) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_FALSE(IsLeapYear(2100));
}

TEST(DateUtil, DaysInMonth) {
    EXPECT_EQ(DaysInMonth(0, 2023), 31);
    EXPECT_EQ(DaysInMonth(1, 2023), 28);
    EXPECT_EQ(DaysInMonth(1, 2024), 29);
    EXPECT_EQ(DaysInMonth(1, 1900), 28);
    EXPECT_EQ(DaysInMonth(3, 2024), 30);
    EXPECT_EQ(DaysInMonth(11, 2024), 31);
    EXPECT_EQ(DaysInMonth(12, 2024), 0);
    EXPECT_EQ(DaysInMonth(-1, 2024), 0);
    int total = 0;
    for (int m = 0; m < 12; ++m) total += DaysInMonth(m, 2024);
    EXPECT_EQ(total, 366);
}

TEST(DateUtil, TwoDigitYearsPivotAtThirty) {
    // The clock is past 1999, so values below 30 are in this century.
    const char* end = nullptr;
    const char* text = "05/rest";
    EXPECT_EQ(ParseYear(text, &end), 105);
    EXPECT_EQ(end, text + 2);
    EXPECT_EQ(ParseYear("29", &end), 129);
    EXPECT_EQ(ParseYear("30", &end), 30);
    EXPECT_EQ(ParseYear("99", &end), 99);
    EXPECT_EQ(ParseYear("1999", &end), 99);
    EXPECT_EQ(ParseYear("2026", &end), 126);
}

TEST(DateUtil, ParseDateGivesLocalMidnight) {
    std::time_t when = 0;
    const char* text = "12/31/99 and more";
    EXPECT_EQ(ParseDate(text, &when), 8);
    std::tm local{};
    localtime_r(&when, &local);
    EXPECT_EQ(local.tm_year, 99);
    EXPECT_EQ(local.tm_mon, 11);
    EXPECT_EQ(local.tm_mday, 31);
    EXPECT_EQ(local.tm_hour, 0);
    EXPECT_EQ(local.tm_min, 0);

    EXPECT_EQ(ParseDate("2-29-2024", &when), 9);
    localtime_r(&when, &local);
    EXPECT_EQ(local.tm_year, 124);
    EXPECT_EQ(local.tm_mon, 1);
    EXPECT_EQ(local.tm_mday, 29);
}

TEST(DateUtil, ParseDateRefusesIncompleteText) {
    std::time_t when = 12345;
    EXPECT_EQ(ParseDate(nullptr, &when), 0);
    EXPECT_EQ(ParseDate("", &when), 0);
    EXPECT_EQ(ParseDate("12/31", &when), 0);
    EXPECT_EQ(ParseDate("12/31/", &when), 0);
    EXPECT_EQ(ParseDate("x/1/2", &when), 0);
    EXPECT_EQ(when, 12345);
}

}  // namespace
