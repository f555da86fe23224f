#include "platform/sys/InstanceChannel.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"

namespace win {
namespace {

constexpr const char* kName = "QRV_test_CLASS";

TEST(InstanceChannel, ALaterStartNotAnsweredOrTooLargeIsNotReachedAndTheLockEndsWithTheFirstCopy) {
    TempFolder folder;
    ::setenv("XDG_RUNTIME_DIR", folder.Path().c_str(), 1);
    InstanceStart first = InstanceStart::Claim(kName, HandOver{}, 1000);
    ASSERT_EQ(first.role, InstanceRole::kFirst);
    ASSERT_NE(first.listener, nullptr);

    // Nothing serves the socket here: the later start waits out its patience.
    const auto started = std::chrono::steady_clock::now();
    InstanceStart later = InstanceStart::Claim(kName, HandOver{"/", {"a.fsf"}}, 300);
    EXPECT_EQ(later.role, InstanceRole::kNotReached);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ETIMEDOUT));
    EXPECT_EQ(later.listener, nullptr);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
    later =
        InstanceStart::Claim(kName, HandOver{"/", std::vector<std::string>(kMaxHandOverArguments + 1)}, 300);
    EXPECT_EQ(later.role, InstanceRole::kNotReached);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(E2BIG));

    // The request of the start that gave up, and one that does not read, are dropped unanswered.
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    (folder / "fablecore/QRV_test_CLASS.socket").copy(address.sun_path, sizeof address.sun_path - 1);
    const int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::write(client, "junk", 4), 4);
    ::shutdown(client, SHUT_WR);
    for (int i = 0; i < 2; ++i) {
        first.listener->ServeOne([](const HandOver&) {
            ADD_FAILURE() << "a request was decided";
            return HandOverAnswer::kTaken;
        });
    }
    char answer;
    EXPECT_EQ(::read(client, &answer, 1), 0);
    ::close(client);

    first.listener.reset();
    later = InstanceStart::Claim(kName, HandOver{}, 300);
    EXPECT_EQ(later.role, InstanceRole::kFirst);
    EXPECT_NE(later.listener, nullptr);
}

}  // namespace
}  // namespace win
