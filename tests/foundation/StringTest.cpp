#include "foundation/String.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/ByteStream.h"
#include "foundation/FileError.h"
#include "foundation/Memory.h"

namespace {

TEST(String, CapacityFollowsTheAssignAndAppendRules) {
    String text(nullptr, 10);
    EXPECT_EQ(text.Length(), 0u);
    EXPECT_STREQ(text.CStr(), "");
    EXPECT_EQ(text.Capacity(), 1u);
    ASSERT_TRUE(text.Append("abc"));
    EXPECT_EQ(text.Capacity(), 13u);  // length + growth increment
    ASSERT_TRUE(text.Append("defghij"));
    EXPECT_EQ(text.Capacity(), 13u);  // still fits
    ASSERT_TRUE(text.Append("kl"));
    EXPECT_EQ(text.Capacity(), 13u);  // 12 characters and the NUL: exactly full
    ASSERT_TRUE(text.Append("m"));
    EXPECT_EQ(text.Capacity(), 23u);
    EXPECT_STREQ(text.CStr(), "abcdefghijklm");

    ASSERT_TRUE(text.SetCapacity(49));
    EXPECT_EQ(text.Capacity(), 50u);
    ASSERT_TRUE(text.Assign("xyz"));
    EXPECT_EQ(text.Capacity(), 50u);  // a text that fits keeps the block
    EXPECT_EQ(text.Length(), 3u);
    ASSERT_TRUE(text.Assign(std::string(60, 'q').c_str()));
    EXPECT_EQ(text.Capacity(), 61u);  // else exactly what is needed
    EXPECT_TRUE(text.IsValid());

    ASSERT_TRUE(text.SetCapacity(4));
    EXPECT_STREQ(text.CStr(), "qqqq");
    EXPECT_EQ(text.Length(), 4u);
    EXPECT_TRUE(text.IsValid());

    text.SetGrowthIncrement(0);
    EXPECT_EQ(text.GrowthIncrement(), 1);
    text.Clear();
    EXPECT_EQ(text.Length(), 0u);
    EXPECT_TRUE(text.Append(static_cast<const char*>(nullptr)));
    EXPECT_TRUE(text.IsValid());
}

TEST(String, AssignCopiesAtMostTheLengthAndStopsAtTheEnd) {
    String text("hello world", 5u, 1);
    EXPECT_STREQ(text.CStr(), "hello");
    EXPECT_EQ(text.Capacity(), 6u);
    text.Assign(3, "ab");
    EXPECT_STREQ(text.CStr(), "ab");
    EXPECT_EQ(text.Length(), 2u);
    text = "assigned";
    EXPECT_STREQ(text.CStr(), "assigned");
    text.Assign(static_cast<const char*>(nullptr));
    EXPECT_STREQ(text.CStr(), "");

    String other("other");
    text = other;
    EXPECT_STREQ(text.CStr(), "other");
    String copy(other);
    EXPECT_EQ(String::Compare(copy, other), 0);
    EXPECT_EQ(copy.GrowthIncrement(), 1);
}

TEST(String, TextFromItsOwnBlockSurvivesGrowth) {
    String text("abc");
    ASSERT_TRUE(text.Append(text));
    EXPECT_STREQ(text.CStr(), "abcabc");
    ASSERT_TRUE(text.Append(text.CStr() + 4));
    EXPECT_STREQ(text.CStr(), "abcabcbc");
    ASSERT_TRUE(text.Assign(text.CStr() + 2));
    EXPECT_STREQ(text.CStr(), "cabcbc");
    text = text;
    EXPECT_STREQ(text.CStr(), "cabcbc");
}

TEST(String, FailedGrowthLeavesTheTextAsItWas) {
    String text("keep", 1);
    FailNextAllocations(1000);
    EXPECT_FALSE(text.Append("more"));
    EXPECT_FALSE(text.Assign("a much longer text"));
    EXPECT_FALSE(text.SetCapacity(100));
    EXPECT_TRUE(text.Assign("ok"));  // fits: no memory needed
    EXPECT_EQ(text.Clone(), nullptr);
    FailNextAllocations(0);
    EXPECT_STREQ(text.CStr(), "ok");
    EXPECT_TRUE(text.IsValid());

    FailNextAllocations(2);  // the first block, then the one for the text
    String blockless("lost");
    FailNextAllocations(0);
    EXPECT_EQ(blockless.CStr(), nullptr);
    EXPECT_EQ(blockless.Compare(""), 0);  // reads as empty
    EXPECT_FALSE(blockless.IsValid());
    char buffer[4] = "xyz";
    blockless.CopyTo(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "");
    EXPECT_TRUE(blockless.Assign("back"));
    EXPECT_STREQ(blockless.CStr(), "back");
}

TEST(String, CopiesAndComparisons) {
    String text("abcdef");
    char buffer[4];
    text.CopyTo(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "abc");
    char big[16];
    EXPECT_STREQ(text.GetText(big, String::kUnbounded), "abcdef");
    EXPECT_STREQ(text.GetText(buffer, 2), "a");

    EXPECT_EQ(text.Compare("abcdef"), 0);
    EXPECT_EQ(text.Compare("abd"), -1);
    EXPECT_EQ(text.Compare("abc"), 1);
    EXPECT_EQ(text.Compare("\xE9"), -1);  // bytes compare unsigned
    String upper("ABCDEF");
    EXPECT_EQ(String::Compare(text, upper), 1);
    EXPECT_EQ(upper.Compare(text), -1);
    EXPECT_EQ(String::CompareNoCase(text, upper), 0);
}

TEST(String, IsAClonableObject) {
    String text("clone me", 7);
    EXPECT_EQ(text.GetDataSize(), text.Capacity());
    std::unique_ptr<String> clone(text.Clone());
    ASSERT_NE(clone, nullptr);
    EXPECT_STREQ(clone->CStr(), "clone me");
    EXPECT_EQ(clone->GrowthIncrement(), 1);
    std::unique_ptr<TObject> asObject(static_cast<const TObject&>(text).Clone());
    EXPECT_TRUE(asObject->IsSameClass(text));
}

TEST(StringStream, WritesItsLengthTheTextAndANul) {
    String text("abc");
    EXPECT_EQ(text.GetFlattenedSize(), 6);
    ByteStream stream;
    ASSERT_EQ(text.WriteTo(stream), kNoErr);
    EXPECT_EQ(stream.Bytes(), (std::vector<std::uint8_t>{0, 3, 'a', 'b', 'c', 0}));

    String empty;
    EXPECT_EQ(empty.GetFlattenedSize(), 2);
    ByteStream emptyStream;
    ASSERT_EQ(empty.WriteTo(emptyStream), kNoErr);
    EXPECT_EQ(emptyStream.Bytes(), (std::vector<std::uint8_t>{0, 0}));

    ByteStream littleEndian(1);  // the length follows the stream's byte order
    ASSERT_EQ(text.WriteTo(littleEndian), kNoErr);
    EXPECT_EQ(littleEndian.Bytes()[0], 3);
}

TEST(StringStream, ReadsBackWhatItWrote) {
    ByteStream stream;
    String("first").WriteTo(stream);
    String().WriteTo(stream);
    String("third").WriteTo(stream);
    stream.Rewind();
    ErrCode err = -1;
    String first(stream, &err);
    EXPECT_EQ(err, kNoErr);
    EXPECT_STREQ(first.CStr(), "first");
    String second(stream, &err);
    EXPECT_EQ(err, kNoErr);
    EXPECT_EQ(second.Length(), 0u);
    String third("old text that is longer");
    EXPECT_EQ(third.ReadFrom(stream), kNoErr);
    EXPECT_STREQ(third.CStr(), "third");
    EXPECT_EQ(third.Capacity(), 6u);
    EXPECT_TRUE(third.IsValid());
}

TEST(StringStream, DamagedDataNeverReadsPastTheBlock) {
    // The last stored byte should be a NUL but is not: the text still ends within its block.
    ByteStream unterminated({0, 3, 'x', 'y', 'z', 'w'});
    String text(unterminated, nullptr);
    EXPECT_STREQ(text.CStr(), "xyz");
    EXPECT_TRUE(text.IsValid());

    // A NUL inside the text: the length is what comes before it.
    ByteStream inner({0, 4, 'a', 0, 'b', 'c', 0});
    String shortText(inner, nullptr);
    EXPECT_EQ(shortText.Length(), 1u);

    ErrCode err = 0;
    ByteStream negative({0xFF, 0xFE, 'a', 'b'});
    String refused(negative, &err);
    EXPECT_EQ(err, kBadDataErr);
    EXPECT_EQ(refused.Length(), 0u);

    ByteStream truncated({0, 10, 'a', 'b'});
    String partial("before");
    EXPECT_EQ(partial.ReadFrom(truncated), kEndOfFileErr);
    EXPECT_STREQ(partial.CStr(), "");
    EXPECT_TRUE(partial.IsValid());

    ByteStream failing({0, 1, 'a', 0});
    failing.SetError(kReadErr);
    EXPECT_EQ(partial.ReadFrom(failing), kReadErr);

    ByteStream big({0x7F, 0xFF});
    FailNextAllocations(1000);
    EXPECT_EQ(partial.ReadFrom(big), kOutOfMemoryErr);
    FailNextAllocations(0);
}

TEST(StringStream, ATextTooLongForItsStoredLengthIsRefused) {
    String text(std::string(32767, 'a').c_str());
    ByteStream fits;
    EXPECT_EQ(text.WriteTo(fits), kNoErr);
    EXPECT_EQ(fits.Bytes().size(), 32767u + 3u);
    text.Append("a");
    ByteStream refused;
    EXPECT_EQ(text.WriteTo(refused), kBadDataErr);
    EXPECT_TRUE(refused.Bytes().empty());

    ByteStream failing;
    failing.SetError(kWriteErr);
    EXPECT_EQ(String("x").WriteTo(failing), kWriteErr);
}

}  // namespace
