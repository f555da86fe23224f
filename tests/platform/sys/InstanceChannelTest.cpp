#include "platform/sys/InstanceChannel.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

#include "platform/sys/SysError.h"
#include "platform/sys/TempFolder.h"
#include "support/ScopedEnv.h"

namespace win {
namespace {

constexpr const char* kName = "QRV_test_CLASS";

TEST(InstanceChannel, ALaterStartNotAnsweredOrTooLargeIsNotReachedAndTheLockEndsWithTheFirstCopy) {
    TempFolder folder;
    ScopedEnv environment;
    environment.Set("XDG_RUNTIME_DIR", folder.Path());
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

// A first copy with a dialog open says so first: the later start waits for its dialog patience, takes
// the final answer that comes within it, and gives up as refused (ETIMEDOUT) when none does.
TEST(InstanceChannel, ALaterStartToldToWaitWaitsForTheFinalAnswerWithinItsDialogPatience) {
    TempFolder folder;
    ScopedEnv environment;
    environment.Set("XDG_RUNTIME_DIR", folder.Path());
    InstanceStart first = InstanceStart::Claim(kName, HandOver{}, 1000);
    ASSERT_NE(first.listener, nullptr);

    std::future<InstanceStart> later = std::async(std::launch::async, [] {
        return InstanceStart::Claim(kName, HandOver{"/", {"a.fsf"}}, 2000, 10000);
    });
    std::unique_ptr<WaitingStart> waiting;
    for (int tries = 0; !waiting && tries < 200; ++tries) {
        waiting = first.listener->Accept();
        if (!waiting) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_NE(waiting, nullptr);
    EXPECT_EQ(waiting->GetHandOver().arguments, std::vector<std::string>{"a.fsf"});
    waiting->Answer(HandOverAnswer::kWaiting);
    // Longer than the patience to reach the copy: the dialog patience counts now.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    EXPECT_TRUE(waiting->IsStillWaiting());
    waiting->Answer(HandOverAnswer::kTaken);
    EXPECT_EQ(later.get().role, InstanceRole::kHandedOver);

    later = std::async(std::launch::async, [] {
        return InstanceStart::Claim(kName, HandOver{"/", {"b.fsf"}}, 2000, 300);
    });
    waiting.reset();
    for (int tries = 0; !waiting && tries < 200; ++tries) {
        waiting = first.listener->Accept();
        if (!waiting) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_NE(waiting, nullptr);
    waiting->Answer(HandOverAnswer::kWaiting);
    const InstanceStart gaveUp = later.get();
    EXPECT_EQ(gaveUp.role, InstanceRole::kRefused);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ETIMEDOUT));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(waiting->IsStillWaiting()) << "the start that gave up is not answered behind its back";
}

}  // namespace
}  // namespace win
