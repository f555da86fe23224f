// Wrapped text written out as plain text.

#include <gtest/gtest.h>

#include <string>

#include "WrapTestSupport.h"
#include "foundation/ByteStream.h"
#include "platform/ui/InputEvents.h"
#include "platform/ui/VirtualKeys.h"

namespace {

using wraptest::Code;

// Takes a given number of bytes, then fails every write.
class ShortStream : public ByteStream {
public:
    explicit ShortStream(std::uint32_t room) : room_(room) {}
    ErrCode Write(const void* buffer, std::uint32_t& count) override {
        if (count > room_) {
            count = 0;
            return -34;
        }
        room_ -= count;
        return ByteStream::Write(buffer, count);
    }

private:
    std::uint32_t room_;
};

void SendKey(win::UINT key, bool down) {
    win::KeyInput input;
    input.virtualKey = key;
    input.down = down;
    win::InjectKey(input);
}

std::string WrittenBytes(const ByteStream& stream) {
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

class TextWrapPlainTextTest : public wraptest::WrapTest {};

TEST_F(TextWrapPlainTextTest, CodesGoAndEveryLineEndBecomesReturnAndLineFeed) {
    const std::string text = "one" + Code("B+") + " two" + Code("X+") + "\nthree\r\nfour" + Code("M(1,2,3)");
    const auto wrap = Wrap(text, 400);
    ByteStream stream;
    const std::string expected = "one two" + Code("X+") + "\r\nthree\r\n\r\nfour";
    EXPECT_EQ(wrap->WritePlainText(stream), expected.size());
    EXPECT_EQ(WrittenBytes(stream), expected);

    // Writing stops at the first write that fails, line ends counted byte by byte.
    ShortStream cut(9);
    EXPECT_EQ(wrap->WritePlainText(cut), 9u);
    EXPECT_EQ(WrittenBytes(cut), expected.substr(0, 9));
}

TEST_F(TextWrapPlainTextTest, CtrlAndAltHeldDownWriteTheStoredText) {
    const std::string text = "a" + Code("B+") + "b\n";
    const auto wrap = Wrap(text, 400);
    SendKey(win::VK_CONTROL, true);
    SendKey(win::VK_MENU, true);
    ByteStream stream;
    EXPECT_EQ(wrap->WritePlainText(stream), text.size());
    EXPECT_EQ(WrittenBytes(stream), text);
    EXPECT_EQ(stream.WriteCalls(), 1);
    SendKey(win::VK_MENU, false);
    SendKey(win::VK_CONTROL, false);
}

}  // namespace
