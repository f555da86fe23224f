#include "framework/CmdQueue.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A client that runs commands as the application does, and notes what ran.
class Recorder : public ICmdQueueClient {
public:
    std::vector<std::string> ran;

    ErrCode HandleCommandId(std::int32_t id) override {
        ran.push_back("id " + std::to_string(id));
        return 0;
    }
    ErrCode ExecuteCommand(std::unique_ptr<TCommand> command) override { return command->Do(); }
};

// A command that notes its run and its end, and can do more while it runs.
class Noted : public TCommand {
public:
    Noted(Recorder& recorder, std::string name, int& deleted, std::function<void()> also = {})
        : TCommand(nullptr),
          recorder_(recorder),
          name_(std::move(name)),
          deleted_(deleted),
          also_(std::move(also)) {}
    ~Noted() override { ++deleted_; }
    ErrCode Do() override {
        recorder_.ran.push_back(name_);
        if (also_) also_();
        return 0;
    }

private:
    Recorder& recorder_;
    std::string name_;
    int& deleted_;
    std::function<void()> also_;
};

class CmdQueueTest : public ::testing::Test {
protected:
    Recorder recorder;
    CmdQueue queue{&recorder};
    int deleted = 0;

    std::unique_ptr<TCommand> Make(std::string name, std::function<void()> also = {}) {
        return std::make_unique<Noted>(recorder, std::move(name), deleted, std::move(also));
    }
};

TEST_F(CmdQueueTest, KeepsTheFirst32AndDropsTheRest) {
    for (int i = 0; i < 33; ++i) queue.Post(Make(std::to_string(i)));
    EXPECT_EQ(deleted, 1) << "the 33rd is freed at once";
    EXPECT_EQ(queue.Count(), 32);
    queue.Process();
    ASSERT_EQ(recorder.ran.size(), 32u);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(recorder.ran[static_cast<std::size_t>(i)], std::to_string(i));
    EXPECT_EQ(deleted, 33);
    EXPECT_EQ(queue.Count(), 0);
}

TEST_F(CmdQueueTest, RunsCommandsAndIdsInOrderAcrossTheRingsEnd) {
    for (int i = 0; i < 20; ++i) queue.PostId(2000 + i);
    queue.Process();
    recorder.ran.clear();
    // The next 30 entries wrap round the ring's end.
    for (int i = 0; i < 30; ++i) {
        if (i % 2) {
            queue.Post(Make("c" + std::to_string(i)));
        } else {
            queue.PostId(3000 + i);
        }
    }
    queue.Process();
    ASSERT_EQ(recorder.ran.size(), 30u);
    for (int i = 0; i < 30; ++i) {
        const std::string expected = i % 2 ? "c" + std::to_string(i) : "id " + std::to_string(3000 + i);
        EXPECT_EQ(recorder.ran[static_cast<std::size_t>(i)], expected);
    }
}

TEST_F(CmdQueueTest, CommandsQueuedWhileDrainingRunInTheSameDrain) {
    queue.Post(Make("first", [this] { queue.Post(Make("queued by first", [this] { queue.PostId(7); })); }));
    queue.Post(Make("second"));
    queue.Process();
    EXPECT_EQ(recorder.ran, (std::vector<std::string>{"first", "second", "queued by first", "id 7"}));
    EXPECT_EQ(queue.Count(), 0);
}

TEST_F(CmdQueueTest, TheNoIdEntryIsTakenAndIgnored) {
    queue.PostId(kNoCommandId);
    queue.PostId(1013);
    queue.Process();
    EXPECT_EQ(recorder.ran, (std::vector<std::string>{"id 1013"}));
}

TEST_F(CmdQueueTest, FlushFreesWithoutRunning) {
    queue.Post(Make("a"));
    queue.PostId(1001);
    queue.Post(Make("b"));
    queue.Flush();
    EXPECT_TRUE(recorder.ran.empty());
    EXPECT_EQ(deleted, 2);
    queue.Post(Make("after"));
    queue.Process();
    EXPECT_EQ(recorder.ran, (std::vector<std::string>{"after"}));
}

TEST_F(CmdQueueTest, AFlushFromInsideACommandEndsTheDrain) {
    queue.Post(Make("flusher", [this] { queue.Flush(); }));
    queue.Post(Make("never"));
    queue.Process();
    EXPECT_EQ(recorder.ran, (std::vector<std::string>{"flusher"}));
    EXPECT_EQ(deleted, 2);
}

TEST(TCommand, AnswersItsClassAndItsOwnId) {
    const TCommand plain(nullptr);
    EXPECT_TRUE(plain.IsA(105));
    EXPECT_FALSE(plain.IsA(kNoCommandId)) << "a command of no id is none of the ids";
    const TCommand quit(nullptr, kCmdQuit);
    EXPECT_TRUE(quit.IsA(kCmdQuit));
    EXPECT_TRUE(quit.IsA(105));
    EXPECT_FALSE(quit.IsA(kCmdNew));
}

}  // namespace
