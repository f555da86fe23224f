// The storyform check after an answer: a single storyform is applied in one go and congratulated
// once per window; the same single storyform again does nothing; another single storyform is
// applied without a second congratulation, also after going back to several; any count but one puts
// the writer's answers back in force; no storyform left warns once, sets the zero flag and writes
// nothing.

#include "query/StoryformCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A window whose solver counts what the test says, noting what the check asks of it.
class FakeHost : public IStoryformCheckHost {
public:
    std::uint16_t GetStoryformCount() override { return storyCount; }
    std::int16_t GetSingleStoryform() override { return single; }
    std::uint16_t CountStoryforms() override {
        single = nextSingle;
        return nextCount;
    }
    void SetStoryformCount(std::uint16_t count) override {
        storyCount = count;
        calls.push_back("count " + std::to_string(count));
    }
    void WarnOfZeroStoryforms() override { calls.push_back("ouch"); }
    void ApplySingleStoryform() override { calls.push_back("apply"); }
    void LeaveSingleStoryform() override { calls.push_back("leave"); }
    void UpdateProgress() override { calls.push_back("progress"); }
    void Congratulate() override { calls.push_back("congratulate"); }

    // The next count and the solver's single storyform number after it.
    void WillCount(std::uint16_t count, std::int16_t number = -1) {
        nextCount = count;
        nextSingle = number;
        calls.clear();
    }

    std::uint16_t storyCount = 32768;
    std::int16_t single = -1;
    std::uint16_t nextCount = 0;
    std::int16_t nextSingle = -1;
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

TEST(StoryformCheckTest, ASingleStoryformIsAppliedOnceAndCongratulatedOnce) {
    FakeHost host;
    StoryformCheck check;
    host.storyCount = 3;
    host.WillCount(1, 1234);
    EXPECT_EQ(check.Run(host), 1);
    EXPECT_EQ(host.calls, (Calls{"count 1", "apply", "progress", "congratulate"}));
    EXPECT_TRUE(check.HasCongratulated());

    // The same single storyform again: nothing is applied, nothing said.
    host.WillCount(1, 1234);
    check.Run(host);
    EXPECT_EQ(host.calls, (Calls{"count 1", "progress"}));

    // Another single storyform: applied, not congratulated.
    host.WillCount(1, 2000);
    check.Run(host);
    EXPECT_EQ(host.calls, (Calls{"count 1", "apply", "progress"}));

    // Back to several, then one again: applied, still not congratulated a second time.
    host.WillCount(12);
    check.Run(host);
    // The single storyform's values go at once.
    EXPECT_EQ(host.calls, (Calls{"count 12", "leave", "progress"}));
    host.WillCount(1, 1234);
    check.Run(host);
    EXPECT_EQ(host.calls, (Calls{"count 1", "apply", "progress"}));
    EXPECT_FALSE(check.FoundZeroStoryforms());
}

TEST(StoryformCheckTest, ASecondWindowCongratulatesAgain) {
    FakeHost host;
    host.WillCount(1, 5);
    StoryformCheck first;
    first.Run(host);
    host.storyCount = 4;
    host.WillCount(1, 5);
    StoryformCheck second;
    second.Run(host);
    EXPECT_EQ(host.calls.back(), "congratulate");
}

TEST(StoryformCheckTest, NoStoryformLeftWarnsOnceAndSetsTheZeroFlag) {
    FakeHost host;
    StoryformCheck check;
    host.storyCount = 40;
    host.WillCount(0);
    EXPECT_EQ(check.Run(host), 0);
    EXPECT_EQ(host.calls, (Calls{"count 0", "leave", "ouch", "progress"}));
    EXPECT_TRUE(check.FoundZeroStoryforms());
    EXPECT_FALSE(check.HasCongratulated());
}

TEST(StoryformCheckTest, SeveralStoryformsOnlyShowTheCount) {
    FakeHost host;
    StoryformCheck check;
    host.WillCount(512);
    EXPECT_EQ(check.Run(host), 512);
    EXPECT_EQ(host.calls, (Calls{"count 512", "leave", "progress"}));
}

TEST(StoryformCheckTest, TheMessagesSayWhatTheWriterMustDo) {
    const std::string ouch = kZeroStoryformsMessage;
    EXPECT_TRUE(ouch.starts_with("Ouch!  A potentially nasty error has occurred.\n\n"));
    EXPECT_NE(ouch.find("close this file WITHOUT saving it"), std::string::npos);
    EXPECT_NE(ouch.find("\"Zero Story\" error"), std::string::npos);
    EXPECT_TRUE(ouch.ends_with("it's not your fault.  We'll help get everything back to normal."));
    const std::string congratulation = kOneStoryformMessage;
    EXPECT_TRUE(congratulation.starts_with("Congratulations!  You've answered enough questions"));
    EXPECT_NE(congratulation.find("To do this:\n\n1.  Under the File menu"), std::string::npos);
    EXPECT_NE(congratulation.find("\n2.  Under the Storyforming menu, click on \"Clear Storyform\".\n"),
              std::string::npos);
    EXPECT_TRUE(congratulation.ends_with("with a different filename!"));
}

}  // namespace
