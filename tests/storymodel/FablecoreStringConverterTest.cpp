#include "storymodel/FablecoreStringConverter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const std::string kSpecials = "{}/\\\xC7\xC8\xB0";
const std::string kCodes = "012345\xB0";

std::string Encoded(const std::string& text, std::uint32_t size, bool* escaped = nullptr) {
    std::vector<char> buffer(size + 1, '#');
    const bool result = SharedStringConverter().Encode(text.c_str(), buffer.data(), size);
    if (escaped) *escaped = result;
    return size == 0 ? std::string(buffer.data(), 1) : std::string(buffer.data());
}

std::string Decoded(const std::string& text, std::uint32_t size) {
    std::vector<char> buffer(size + 1, '#');
    SharedStringConverter().Decode(text.c_str(), buffer.data(), size);
    return size == 0 ? std::string(buffer.data(), 1) : std::string(buffer.data());
}

// True when every special byte of the text stands behind an escape byte as its code.
bool HasNoBareSpecials(const std::string& encoded) {
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '\xB0') {
            if (i + 1 >= encoded.size() || kCodes.find(encoded[i + 1]) == std::string::npos) return false;
            ++i;
        } else if (kSpecials.find(encoded[i]) != std::string::npos) {
            return false;
        }
    }
    return true;
}

TEST(FablecoreStringConverter, EscapesEachSpecialByteWithItsCode) {
    bool escaped = false;
    EXPECT_EQ(Encoded("{A}", 100, &escaped),
              "\xB0"
              "0A\xB0"
              "1");
    EXPECT_TRUE(escaped);
    EXPECT_EQ(Encoded("plain text", 100, &escaped), "plain text");
    EXPECT_FALSE(escaped);
    EXPECT_EQ(Encoded("/\\\xC7\xC8\xB0", 100),
              "\xB0"
              "2\xB0"
              "3\xB0"
              "4\xB0"
              "5\xB0\xB0");

    EXPECT_EQ(Decoded("\xB0"
                      "9",
                      100),
              "\xB0"
              "9");  // not a code: both bytes stay
    EXPECT_EQ(Decoded("\xB0\xB0", 100), "\xB0");
    EXPECT_EQ(Decoded("a\xB0", 100), "a\xB0");  // an escape byte that ends the text stays
    EXPECT_EQ(Decoded("\xB0"
                      "0x\xB0"
                      "1",
                      100),
              "{x}");
}

TEST(FablecoreStringConverter, AnEscapeThatDoesNotFitEndsTheText) {
    bool escaped = false;
    EXPECT_EQ(Encoded("{", 3, &escaped),
              "\xB0"
              "0");
    EXPECT_TRUE(escaped);
    // Two bytes hold one character and the NUL, but never a bare brace.
    EXPECT_EQ(Encoded("{", 2, &escaped), "");
    EXPECT_FALSE(escaped);
    EXPECT_EQ(Encoded("ab{cd", 4), "ab");
    EXPECT_EQ(Encoded("abc", 3), "ab");
    EXPECT_EQ(Encoded("abc", 1), "");
    EXPECT_EQ(Encoded("abc", 0), "#");  // no room even for the NUL: nothing is written
    EXPECT_EQ(Decoded("abc", 0), "#");
    EXPECT_EQ(Decoded("\xB0"
                      "0\xB0"
                      "1",
                      2),
              "{");
}

TEST(FablecoreStringConverter, SizesCoverTheWorstCase) {
    const FablecoreStringConverter& converter = SharedStringConverter();
    EXPECT_EQ(converter.MaxEncodedSize(0), 1u);
    EXPECT_EQ(converter.MaxEncodedSize(3), 7u);
    EXPECT_EQ(converter.MaxEncodedSize(0xFFFFFFFF), 0xFFFFFFFFu);
    EXPECT_EQ(converter.MaxDecodedSize("abc"), 4u);
    EXPECT_EQ(converter.MaxDecodedSize(nullptr), 1u);
    // A text of nothing but special bytes, escaped to the last one.
    const std::string all = "{}{}//";
    EXPECT_EQ(Decoded(Encoded(all, converter.MaxEncodedSize(6)), 100), all);
    EXPECT_EQ(&SharedStringConverter(), &converter);
}

TEST(FablecoreStringConverter, DecodesInPlace) {
    char text[] =
        "a\xB0"
        "0b\xB0\xB0"
        "c\xB0"
        "1";
    const ITextFilter& filter = SharedStringConverter();
    filter.DecodeInPlace(text);
    EXPECT_STREQ(text,
                 "a{b\xB0"
                 "c}");
    filter.DecodeInPlace(nullptr);
}

TEST(FablecoreStringConverter, EveryTextRoundTripsAndNoSpecialByteIsEverLeftBare) {
    std::mt19937 random(161);
    const FablecoreStringConverter& converter = SharedStringConverter();
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 12, ' ');
        for (char& c : text) {
            // Mostly special bytes and the codes that follow escapes, among any other byte.
            const unsigned pick = random() % 4;
            if (pick == 0) {
                c = kSpecials[random() % kSpecials.size()];
            } else if (pick == 1) {
                c = kCodes[random() % kCodes.size()];
            } else {
                c = static_cast<char>(1 + random() % 255);
            }
        }
        const auto length = static_cast<std::uint32_t>(text.size());
        for (std::uint32_t size = 1; size <= converter.MaxEncodedSize(length) + 1; ++size) {
            const std::string encoded = Encoded(text, size);
            ASSERT_LT(encoded.size(), size);
            ASSERT_TRUE(HasNoBareSpecials(encoded)) << "size " << size;
            const std::string decoded = Decoded(encoded, converter.MaxDecodedSize(encoded.c_str()));
            if (size >= converter.MaxEncodedSize(length)) {
                ASSERT_EQ(decoded, text);
            } else {
                ASSERT_EQ(text.compare(0, decoded.size(), decoded), 0);  // a cut text is a prefix
            }
        }
    }
}

}  // namespace
