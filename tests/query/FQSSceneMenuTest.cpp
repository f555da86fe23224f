// The scene menu's handles and the lines a node's description is shown in.

#include <gtest/gtest.h>

#include <string>

#include "query/FQSSceneMenu.h"

namespace {

using scenemenu::HandleLine;
using scenemenu::HandleRow;
using scenemenu::MakeHandle;
using scenemenu::SplitDescription;

TEST(SceneMenuHandles, NodeAndLineHandlesDecodeToTheirRowAndLine) {
    EXPECT_EQ(MakeHandle(0), 0) << "the root is row 0 with no line part";
    EXPECT_EQ(MakeHandle(37), 37);
    EXPECT_EQ(HandleLine(MakeHandle(37)), -1);
    const std::int32_t line = MakeHandle(155, 13);
    EXPECT_EQ(line, (14 << 24) | 155);
    EXPECT_EQ(HandleRow(line), 155);
    EXPECT_EQ(HandleLine(line), 13);
    EXPECT_EQ(HandleLine(MakeHandle(2, 0)), 0);
    EXPECT_EQ(HandleRow(MakeHandle(0xFFFFFF, 0)), 0xFFFFFF);
}

TEST(SceneMenuDescription, LineEndsEndLinesAndOnlyFourteenAreShown) {
    EXPECT_EQ(SplitDescription("one\r\ntwo"), (std::vector<std::string>{"one", "", "two"}));
    EXPECT_EQ(SplitDescription("one\n"), (std::vector<std::string>{"one"})) << "no empty last line";
    EXPECT_EQ(SplitDescription("a\n-\nb"), (std::vector<std::string>{"a", "- ", "b"}));
    EXPECT_TRUE(SplitDescription("").empty());
    std::string twenty;
    for (int i = 0; i < 20; ++i) twenty += "line " + std::to_string(i) + "\n";
    const std::vector<std::string> lines = SplitDescription(twenty);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines.front(), "line 0");
    EXPECT_EQ(lines.back(), "line 13");
}

TEST(SceneMenuDescription, LongLinesWrapAtTheirLastBreakBeforeColumnSeventy) {
    const std::string head(60, 'a');
    const std::vector<std::string> spaced = SplitDescription(head + " bbbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(spaced, (std::vector<std::string>{head, "bbbbbbbbbbbbbbbbbbbb"})) << "the space is dropped";

    const std::vector<std::string> hyphened = SplitDescription(head + "-cccc\tdddddddddddddddd");
    EXPECT_EQ(hyphened, (std::vector<std::string>{head + "-cccc", "dddddddddddddddd"}))
        << "the last break (a tab) wins over an earlier hyphen";
    const std::vector<std::string> hyphen = SplitDescription(head + "-eeeeeeeeeeeeeeee");
    EXPECT_EQ(hyphen, (std::vector<std::string>{head, "eeeeeeeeeeeeeeee"}))
        << "a hyphen at the wrap is dropped";

    const std::string solid(150, 'x');
    const std::vector<std::string> cut = SplitDescription(solid);
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut[0].size(), 70u);
    EXPECT_EQ(cut[1].size(), 70u);
    EXPECT_EQ(cut[2].size(), 10u);
    EXPECT_EQ(SplitDescription(std::string(70, 'y')).size(), 1u) << "seventy characters fit one line";
}

}  // namespace
