#include "platform/ui/Descriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/ui/UiFixture.h"

namespace uitest {
namespace {

class DescriptorsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
    }
    void TearDown() override {
        StopWatchingDescriptor(ends[0]);
        ::close(ends[0]);
        ::close(ends[1]);
        UiTest::TearDown();
    }
    // Reads one byte and posts it as a thread message.
    void WatchAndPost() {
        WatchDescriptor(ends[0], [this] {
            ++calls;
            char byte = 0;
            if (::read(ends[0], &byte, 1) == 1)
                PostMessageA(nullptr, WM_USER + 7, static_cast<BYTE>(byte), 0);
        });
    }

    int ends[2] = {-1, -1};
    int calls = 0;
};

TEST_F(DescriptorsTest, AReadableDescriptorIsServedWhileTheLoopLooksForMessages) {
    WatchAndPost();
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(calls, 0);
    ASSERT_EQ(::write(ends[1], "x", 1), 1);
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER + 7);
    EXPECT_EQ(message.wParam, static_cast<WPARAM>('x'));

    // With nothing else to wait for, the loop waits for the descriptor in real time.
    std::thread writer([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(::write(ends[1], "y", 1), 1);
    });
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    writer.join();
    EXPECT_EQ(message.wParam, static_cast<WPARAM>('y'));
    EXPECT_EQ(calls, 2);
}

TEST_F(DescriptorsTest, AHandlerIsNotReenteredAndAClosedDescriptorIsDropped) {
    int depth = 0, deepest = 0;
    WatchDescriptor(ends[0], [&] {
        deepest = std::max(deepest, ++depth);
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // a nested loop, the byte still unread
        char byte;
        EXPECT_EQ(::read(ends[0], &byte, 1), 1);
        --depth;
    });
    ASSERT_EQ(::write(ends[1], "x", 1), 1);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    EXPECT_EQ(deepest, 1);

    const int closed = ::dup(ends[0]);
    WatchDescriptor(closed, [] { ADD_FAILURE() << "a closed descriptor was served"; });
    ::close(closed);
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    StopWatchingDescriptor(ends[0]);
    EXPECT_FALSE(IsWatchingDescriptors());
}

}  // namespace
}  // namespace uitest
