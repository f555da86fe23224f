#include "storymodel/NumberList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<std::int16_t> Values(const SList& list) {
    std::vector<std::int16_t> values;
    for (std::int32_t i = 0; i < list.Count(); ++i) values.push_back(list.GetAt(i));
    return values;
}

TEST(NumberList, WritesEachNumberWithAComma) {
    SList list;
    for (std::int16_t v : {3, -1, 20}) list.Append(v);
    String text("old");
    EXPECT_EQ(ShortListToText(text, list), 3);
    EXPECT_STREQ(text.CStr(), "3,-1,20,");

    const std::int16_t extremes[] = {-32768, 32767, 0};
    EXPECT_EQ(ShortArrayToText(text, extremes, 3), 3);
    EXPECT_STREQ(text.CStr(), "-32768,32767,0,");

    SList empty;
    EXPECT_EQ(ShortListToText(text, empty), 0);
    EXPECT_STREQ(text.CStr(), "");
}

TEST(NumberList, AListReadFromTextIsTheListItsNumbersAppendedMake) {
    for (const std::uint16_t growth : {0, 6, 64}) {
        for (const char* text : {"1,2,3", "3,1,2,", "7", "", ",,", "5,,4,3,2,1"}) {
            SList read(growth), appended(growth);
            read.Append(42);
            TextToShortList(text, read);
            SList parsed;
            TextToShortList(text, parsed);
            for (const std::int16_t value : Values(parsed)) appended.Append(value);
            EXPECT_EQ(Values(read), Values(appended)) << text;
            EXPECT_EQ(read.GetCapacity(), appended.GetCapacity()) << text << " " << growth;
            EXPECT_EQ(read.IsSorted(), appended.IsSorted()) << text;
        }
    }
}

TEST(NumberList, ReadsPiecesBetweenCommasAndSkipsEmptyOnes) {
    SList list;
    list.Append(99);
    EXPECT_EQ(TextToShortList("3,-1,20,", list), 3);
    EXPECT_EQ(Values(list), (std::vector<std::int16_t>{3, -1, 20}));
    EXPECT_EQ(TextToShortList("3,,4", list), 2);
    EXPECT_EQ(Values(list), (std::vector<std::int16_t>{3, 4}));
    EXPECT_EQ(TextToShortList("5,x,+6, 7", list), 4);
    EXPECT_EQ(Values(list), (std::vector<std::int16_t>{5, 0, 6, 7}));
    EXPECT_EQ(TextToShortList("", list), 0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(TextToShortList(nullptr, list), 0);
    EXPECT_EQ(TextToShortList("-32768,32767,40000,-99999,", list), 4);
    EXPECT_EQ(Values(list), (std::vector<std::int16_t>{-32768, 32767, 32767, -32768}));

    // Every space of the "C" locale before a number is passed over; other bytes end the number.
    EXPECT_EQ(TextToShortList(" 1,\t2,\n3,\v4,\f5,\r6, \t-7,8 9,\xA0" "10", list), 9);
    EXPECT_EQ(Values(list), (std::vector<std::int16_t>{1, 2, 3, 4, 5, 6, -7, 8, 0}));

    // The caller's text is left as it was.
    char text[] = "1,2,3";
    TextToShortList(text, list);
    EXPECT_STREQ(text, "1,2,3");
}

// A piece of spaces alone, a sign without digits and a second sign each read as 0; what follows
// the digits up to the comma is passed over, signs and digits too.
TEST(NumberList, APieceWithoutDigitsReadsAsZero) {
    SList list;
    EXPECT_EQ(TextToShortList("1, ,-,+-5,-+5,12-3,-4+5, 6 7,", list), 8);
    EXPECT_EQ(Values(list), (std::vector<std::int16_t>{1, 0, 0, 0, 0, 12, -4, 6}));
    std::uint16_t numbers[4] = {};
    EXPECT_EQ(TextToShortArray(" ,,-0009,x", numbers, 4), 3);
    EXPECT_EQ(numbers[0], 0);
    EXPECT_EQ(numbers[1], static_cast<std::uint16_t>(-9));
    EXPECT_EQ(numbers[2], 0);
    // What no list is read from: the next entry of its record taken in.
    EXPECT_TRUE(IsNumberListText("1, ,-,+-5,-+5,12-3,-4+5, 6 7,"));
    EXPECT_TRUE(IsNumberListText(""));
    EXPECT_FALSE(IsNumberListText("101,120,#NMc:Claudio"));
    EXPECT_FALSE(IsNumberListText(" ,,-0009,x"));
}

TEST(NumberList, ArraysTakeNoMoreThanTheirCapacity) {
    std::uint16_t numbers[4] = {0, 0, 0, 0xBEEF};
    EXPECT_EQ(TextToShortArray("1,-2,3,4,5,", numbers, 3), 3);
    EXPECT_EQ(numbers[0], 1);
    EXPECT_EQ(numbers[1], 0xFFFE);
    EXPECT_EQ(numbers[2], 3);
    EXPECT_EQ(numbers[3], 0xBEEF);
    EXPECT_EQ(TextToShortArray(",,", numbers, 3), 0);
    EXPECT_EQ(TextToShortArray("8", numbers, 0), 0);
    // The room the most numbers a text can hold takes is enough for the densest texts.
    EXPECT_EQ(MostNumbersIn("1,2,3"), 3u);
    EXPECT_EQ(MostNumbersIn("1,2,3,"), 3u);
    EXPECT_EQ(MostNumbersIn("7"), 1u);
    EXPECT_EQ(MostNumbersIn(nullptr), 0u);
}

TEST(NumberList, ListsRoundTripThroughText) {
    SList list;
    for (std::int16_t v = -300; v <= 300; v += 37) list.Append(v);
    String text;
    ShortListToText(text, list);
    SList back;
    EXPECT_EQ(TextToShortList(text.CStr(), back), list.Count());
    EXPECT_TRUE(back.IsEqual(list));
}

}  // namespace
