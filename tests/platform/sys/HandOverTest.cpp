#include "platform/sys/HandOver.h"

#include <gtest/gtest.h>

#include <string>

namespace win {
namespace {

using namespace std::string_literals;

TEST(HandOver, RequestsCarryEveryByteOfFolderAndArguments) {
    const HandOver sent{"/home/me/My Stories", {"a b.fsf", "", "say \"hi\"", "nul\0and\xFF"s}};
    std::string request;
    ASSERT_TRUE(EncodeHandOver(sent, request));
    EXPECT_EQ(request.substr(0, 12), "FCH1\0\0\0\x05\0\0\0\x13"s);
    HandOver received;
    ASSERT_TRUE(DecodeHandOver(request, received));
    EXPECT_EQ(received, sent);

    // Every shorter piece of a request, and anything after it, is refused.
    for (std::size_t length = 0; length < request.size(); ++length) {
        EXPECT_FALSE(DecodeHandOver(request.substr(0, length), received)) << length;
    }
    EXPECT_FALSE(DecodeHandOver(request + "x", received));
    EXPECT_FALSE(DecodeHandOver("FCH2" + request.substr(4), received));
}

TEST(HandOver, CountsAndSizesBeyondTheLimitsAreRefused) {
    HandOver handOver{"/", std::vector<std::string>(kMaxHandOverArguments, "x")};
    std::string request;
    ASSERT_TRUE(EncodeHandOver(handOver, request));
    HandOver received;
    EXPECT_TRUE(DecodeHandOver(request, received));
    handOver.arguments.push_back("x");
    EXPECT_FALSE(EncodeHandOver(handOver, request));
    EXPECT_FALSE(EncodeHandOver(HandOver{std::string(kMaxHandOverSize, 'f'), {}}, request));

    EXPECT_FALSE(DecodeHandOver("FCH1\0\0\0\0"s, received));                    // not even the folder
    EXPECT_FALSE(DecodeHandOver("FCH1\0\0\x10\x02\0\0\0\0"s, received));        // 4097 arguments
    EXPECT_FALSE(DecodeHandOver("FCH1\0\0\0\x01\xFF\xFF\xFF\xFF"s, received));  // a length past the end
}

TEST(HandOver, TheCommandLineQuotesPiecesWithBlanks) {
    EXPECT_EQ(HandOverCommandLine(HandOver{"/home/me", {}}), "");
    EXPECT_EQ(HandOverCommandLine(HandOver{"/home/me", {"a.fsf"}}), "/D /home/me a.fsf");
    EXPECT_EQ(HandOverCommandLine(HandOver{"/home/My Stories", {"a b.fsf", "c\td", "two\nlines", "e.fsf"}}),
              "/D \"/home/My Stories\" \"a b.fsf\" \"c\td\" \"two lines\" e.fsf");
}

}  // namespace
}  // namespace win
