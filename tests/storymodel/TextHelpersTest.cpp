#include "storymodel/TextHelpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ConvertLineEnds, EveryCarriageReturnBecomesOneLineFeed) {
    char text[] = "a\r\nb\rc";
    ConvertLineEnds(text);
    EXPECT_STREQ(text, "a\nb\nc");
    char doubled[] = "\r\r\n\n\r";
    ConvertLineEnds(doubled);
    EXPECT_STREQ(doubled, "\n\n\n\n");
    char plain[] = "no breaks";
    ConvertLineEnds(plain);
    EXPECT_STREQ(plain, "no breaks");
    ConvertLineEnds(nullptr);
}

TEST(AppendToBuffer, AppendsUntilTheBufferIsFull) {
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    char* cursor = buffer;
    std::uint32_t remaining = sizeof buffer;
    AppendToBuffer(cursor, "abc", remaining);
    EXPECT_EQ(cursor, buffer + 3);
    EXPECT_EQ(remaining, 5u);
    AppendToBuffer(cursor, "defgh", remaining);
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_EQ(remaining, 1u);
    AppendToBuffer(cursor, "x", remaining);
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_EQ(cursor, buffer + 7);
    EXPECT_EQ(remaining, 1u);

    remaining = 0;
    AppendToBuffer(cursor, "y", remaining);
    EXPECT_EQ(buffer[7], '\0');
    EXPECT_EQ(cursor, buffer + 7);
}

}  // namespace
