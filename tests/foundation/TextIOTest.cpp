#include "foundation/TextIO.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/Memory.h"
#include "foundation/String.h"

namespace {

std::vector<std::uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

TEST(TextIO, ShortTextsAreCutTo127) {
    ByteStream stream;
    const std::string text(200, 'x');
    EXPECT_EQ(SizeOfShortText(text.c_str()), 128u);
    EXPECT_EQ(WriteShortText(stream, text.c_str()), kNoErr);
    ASSERT_EQ(stream.Bytes().size(), 128u);
    EXPECT_EQ(stream.Bytes()[0], 127);
    EXPECT_EQ(SizeOfShortText(nullptr), 1u);
}

TEST(TextIO, PrefixesFollowTheStreamsByteOrder) {
    ByteStream stream;
    EXPECT_EQ(WriteMediumText(stream, "abc"), kNoErr);
    EXPECT_EQ(WriteLongText(stream, "de"), kNoErr);
    EXPECT_EQ(WriteShortText(stream, ""), kNoErr);
    EXPECT_EQ(stream.Bytes(), BytesOf(std::string("\0\3abc\0\0\0\2de\0", 12)));
    EXPECT_EQ(SizeOfMediumText("abc"), 5u);
    EXPECT_EQ(SizeOfLongText("de"), 6u);
    EXPECT_EQ(SizeOfMediumText(std::string(40000, 'm').c_str()), 32769u);
}

TEST(TextIO, RoundTripOfEachForm) {
    ByteStream stream;
    ASSERT_EQ(WriteShortText(stream, "short"), kNoErr);
    ASSERT_EQ(WriteMediumText(stream, "medium text"), kNoErr);
    ASSERT_EQ(WriteLongText(stream, std::string(70000, 'L').c_str()), kNoErr);
    ASSERT_EQ(stream.Rewind(), kNoErr);
    char buffer[80];
    std::int16_t cut = 9;
    EXPECT_EQ(ReadShortText(stream, buffer, sizeof buffer, &cut), kNoErr);
    EXPECT_STREQ(buffer, "short");
    EXPECT_EQ(cut, 0);
    EXPECT_EQ(ReadMediumText(stream, buffer, sizeof buffer, nullptr), kNoErr);
    EXPECT_STREQ(buffer, "medium text");
    std::vector<char> big(70001);
    EXPECT_EQ(ReadLongText(stream, big.data(), static_cast<std::uint32_t>(big.size()), &cut), kNoErr);
    EXPECT_EQ(std::string(big.data()), std::string(70000, 'L'));
    EXPECT_EQ(cut, 0);
}

TEST(TextIO, ATextTooLongForTheBufferIsCutAndSkipped) {
    ByteStream stream;
    ASSERT_EQ(WriteShortText(stream, "ABCDEFGHIJKLMNOPQRST"), kNoErr);
    ASSERT_EQ(stream.WriteByte(0x5A), kNoErr);
    ASSERT_EQ(stream.Rewind(), kNoErr);
    char buffer[10];
    std::int16_t cut = 0;
    EXPECT_EQ(ReadShortText(stream, buffer, sizeof buffer, &cut), kNoErr);
    EXPECT_STREQ(buffer, "ABCDEFGHI");
    EXPECT_EQ(cut, 1);
    std::uint8_t next = 0;
    EXPECT_EQ(stream.ReadByte(next), kNoErr);
    EXPECT_EQ(next, 0x5A);
}

TEST(TextIO, ABufferWithNoRoomTakesNothing) {
    ByteStream stream;
    ASSERT_EQ(WriteShortText(stream, "abc"), kNoErr);
    ASSERT_EQ(stream.WriteByte(7), kNoErr);
    ASSERT_EQ(stream.Rewind(), kNoErr);
    char buffer[1] = {'x'};
    std::int16_t cut = 0;
    EXPECT_EQ(ReadShortText(stream, buffer, 0, &cut), kNoErr);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(cut, 1);
    std::uint8_t next = 0;
    EXPECT_EQ(stream.ReadByte(next), kNoErr);
    EXPECT_EQ(next, 7);
}

TEST(TextIO, MalformedStoredTextsAreRefused) {
    char buffer[64];
    ByteStream longShort({200, 'a'});
    EXPECT_EQ(ReadShortText(longShort, buffer, sizeof buffer, nullptr), kBadDataErr);
    ByteStream negativeMedium({0xFF, 0xFE, 'a'});
    EXPECT_EQ(ReadMediumText(negativeMedium, buffer, sizeof buffer, nullptr), kBadDataErr);
    ByteStream negativeLong({0x80, 0, 0, 0});
    EXPECT_EQ(ReadLongText(negativeLong, buffer, sizeof buffer, nullptr), kBadDataErr);
    ByteStream withNul({3, 'a', 0, 'b'});
    EXPECT_EQ(ReadShortText(withNul, buffer, sizeof buffer, nullptr), kBadDataErr);
}

TEST(TextIO, LengthsPastTheEndOfTheFileAreNoticed) {
    char buffer[64];
    ByteStream truncated({10, 'a', 'b', 'c'});
    EXPECT_EQ(ReadShortText(truncated, buffer, sizeof buffer, nullptr), kEndOfFileErr);
    EXPECT_STREQ(buffer, "abc");
    // Even when the text is cut to fit the buffer and its end is skipped rather than read.
    ByteStream cutAndTruncated({10, 'a', 'b', 'c', 'd', 'e'});
    std::int16_t cut = 0;
    EXPECT_EQ(ReadShortText(cutAndTruncated, buffer, 3, &cut), kEndOfFileErr);
    ByteStream hugeLong({0x7F, 0xFF, 0xFF, 0xFF, 'a', 'b'});
    EXPECT_EQ(ReadLongText(hugeLong, buffer, sizeof buffer, nullptr), kEndOfFileErr);
    ByteStream noPrefix;
    EXPECT_EQ(ReadMediumText(noPrefix, buffer, sizeof buffer, nullptr), kEndOfFileErr);
}

TEST(TextIO, Flags) {
    ByteStream stream({0, 1, 2});
    std::int16_t flag = 5;
    EXPECT_EQ(ReadFlag(stream, flag), kNoErr);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(ReadFlag(stream, flag), kNoErr);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(ReadFlag(stream, flag), kBadDataErr);
    ByteStream out;
    EXPECT_EQ(WriteFlag(out, true), kNoErr);
    EXPECT_EQ(WriteFlag(out, false), kNoErr);
    EXPECT_EQ(out.Bytes(), (std::vector<std::uint8_t>{1, 0}));
}

TEST(TextIO, ScramblingTwiceRestoresTheBytes) {
    for (int key : {0, 1, 0x5A, 255}) {
        SetScrambleKey(static_cast<std::uint8_t>(key));
        std::string text;
        for (int i = 0; i < 300; ++i) text += static_cast<char>(i * 7 + 3);
        std::string scrambled = text;
        ScrambleText(static_cast<std::uint32_t>(scrambled.size()), scrambled.data());
        EXPECT_NE(scrambled, text);
        ScrambleText(static_cast<std::uint32_t>(scrambled.size()), scrambled.data());
        EXPECT_EQ(scrambled, text);
    }
    SetScrambleKey(0);
}

TEST(TextIO, ScramblingFollowsTheRollingKey) {
    // Worked by hand with key 0 and two bytes 'A' (65), 'B' (66): s = 0 + 2 + 7 = 9;
    // 65 ^ 9 = 72, t = 72 + 65 = 137, s = 9 + 137 + 0 + 0 = 146; 66 ^ 146 = 208.
    SetScrambleKey(0);
    char bytes[2] = {'A', 'B'};
    ScrambleText(2, bytes);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0]), 72);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[1]), 208);
}

TEST(TextIO, ScrambledTextsRoundTripEvenWhenCut) {
    SetScrambleKey(0x33);
    ByteStream stream;
    ASSERT_EQ(WriteShortTextScrambled(stream, "The hidden text"), kNoErr);
    ASSERT_EQ(WriteMediumTextScrambled(stream, "A longer hidden text of medium form"), kNoErr);
    EXPECT_EQ(std::string(stream.Bytes().begin() + 1, stream.Bytes().begin() + 16).find("hidden"),
              std::string::npos);
    ASSERT_EQ(stream.Rewind(), kNoErr);
    char buffer[64];
    EXPECT_EQ(ReadShortTextScrambled(stream, buffer, sizeof buffer, nullptr), kNoErr);
    EXPECT_STREQ(buffer, "The hidden text");
    char small[8];
    std::int16_t cut = 0;
    EXPECT_EQ(ReadMediumTextScrambled(stream, small, sizeof small, &cut), kNoErr);
    EXPECT_STREQ(small, "A longe");
    EXPECT_EQ(cut, 1);
    SetScrambleKey(0);
}

}  // namespace

namespace {

TEST(TextIOString, StringsRoundTripInEachForm) {
    ByteStream stream;
    const String shortText("short one");
    const String medium(std::string(40000, 'm').c_str());
    const String longText(std::string(150000, 'L').c_str());
    EXPECT_EQ(SizeOfShortText(shortText), 10u);
    EXPECT_EQ(SizeOfMediumText(medium), 32769u);
    EXPECT_EQ(SizeOfLongText(longText), 150004u);
    ASSERT_EQ(WriteShortText(stream, shortText), kNoErr);
    ASSERT_EQ(WriteMediumText(stream, medium), kNoErr);
    ASSERT_EQ(WriteLongText(stream, longText), kNoErr);
    ASSERT_EQ(WriteLongText(stream, String()), kNoErr);
    ASSERT_EQ(stream.Rewind(), kNoErr);

    String read("old");
    EXPECT_EQ(ReadShortText(stream, read), kNoErr);
    EXPECT_EQ(read.Compare("short one"), 0);
    EXPECT_EQ(ReadMediumText(stream, read), kNoErr);
    EXPECT_EQ(read.Length(), 32767u);
    EXPECT_EQ(ReadLongText(stream, read), kNoErr);
    EXPECT_EQ(read.Compare(longText.CStr()), 0);
    EXPECT_EQ(ReadLongText(stream, read), kNoErr);
    EXPECT_EQ(read.Length(), 0u);
}

TEST(TextIOString, ScrambledStrings) {
    SetScrambleKey(0x41);
    ByteStream stream;
    ASSERT_EQ(WriteShortTextScrambled(stream, String("secret")), kNoErr);
    ASSERT_EQ(WriteMediumTextScrambled(stream, String("another secret")), kNoErr);
    ASSERT_EQ(stream.Rewind(), kNoErr);
    String read;
    EXPECT_EQ(ReadShortTextScrambled(stream, read), kNoErr);
    EXPECT_EQ(read.Compare("secret"), 0);
    EXPECT_EQ(ReadMediumTextScrambled(stream, read), kNoErr);
    EXPECT_EQ(read.Compare("another secret"), 0);
    SetScrambleKey(0);
}

TEST(TextIOString, DamagedTextsLeaveTheStringAsItWas) {
    String text("kept");
    ByteStream huge({0x7F, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'});
    const std::uint64_t before = GetMemoryCounters().blocksAllocated;
    EXPECT_EQ(ReadLongText(huge, text), kEndOfFileErr);
    EXPECT_EQ(GetMemoryCounters().blocksAllocated, before);
    ByteStream negative({0xFF, 0xFF});
    EXPECT_EQ(ReadMediumText(negative, text), kBadDataErr);
    ByteStream withNul({2, 0, 'x'});
    EXPECT_EQ(ReadShortText(withNul, text), kBadDataErr);
    ByteStream longShort({128, 'a'});
    EXPECT_EQ(ReadShortText(longShort, text), kBadDataErr);
    EXPECT_EQ(text.Compare("kept"), 0);
}

}  // namespace
