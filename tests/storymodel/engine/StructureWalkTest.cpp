#include "storymodel/engine/StructureWalk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storymodel/engine/ElementTable.h"

namespace {

int CountVisits(int classDigit, int depthIndex, int level) {
    int visits = 0;
    IterateNodes(
        [&](const char*) {
            ++visits;
            return kWalkContinue;
        },
        classDigit, depthIndex, level);
    return visits;
}

TEST(StructureWalk, StopAnswersTheCurrentId) {
    const std::string stopAt = ElementRecordByID(90)->code;
    const int result =
        IterateNodes([&](const char* code) { return stopAt == code ? kWalkStop : kWalkContinue; }, 0, 3, 0);
    EXPECT_EQ(result, 90);
}

TEST(StructureWalk, WalkThatGoesOnToTheEndAnswersMinus453) {
    EXPECT_EQ(IterateNodes([](const char*) { return kWalkContinue; }, 0, 3, 0), kWalkEnded);
    EXPECT_EQ(kWalkEnded, -453);
}

TEST(StructureWalk, OtherResultsStopAndAreAnswered) {
    std::vector<std::string> seen;
    const int result = IterateNodes(
        [&](const char* code) {
            seen.push_back(code);
            return 7;
        },
        2, 1, 0);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(seen, (std::vector<std::string>{"21000"}));
}

TEST(StructureWalk, ClassDepthAndLevelSelectTheNodes) {
    EXPECT_EQ(CountVisits(0, 3, 0), 256);
    EXPECT_EQ(CountVisits(2, 3, 0), 64);
    EXPECT_EQ(CountVisits(0, 0, 0), 4);
    EXPECT_EQ(CountVisits(0, 3, 1), 64);
    EXPECT_EQ(CountVisits(4, 3, 3), 1);
    EXPECT_EQ(CountVisits(0, 3, 4), 1);
    EXPECT_EQ(CountVisits(0, 1, 1), 4);
    EXPECT_EQ(CountVisits(0, 0, 2), 0);
}

TEST(StructureWalk, NodesComeInIdOrder) {
    std::vector<std::string> codes;
    IterateNodes(
        [&](const char* code) {
            codes.push_back(code);
            return kWalkContinue;
        },
        1, 3, 0);
    ASSERT_EQ(codes.size(), 64u);
    EXPECT_EQ(codes.front(), "11310");  // row 85
    EXPECT_EQ(codes.back(), "12140");   // row 148
}

TEST(StructureWalk, AllNodesByDepthThenLevel) {
    std::vector<std::string> codes;
    const int result = IterateAllNodes(
        [&](const char* code) {
            codes.push_back(code);
            return kWalkContinue;
        },
        0, -1);
    EXPECT_EQ(result, kWalkEnded);
    // Every node but the four groups of whole levels, which lie above the depth index.
    EXPECT_EQ(codes.size(), 448u);
    EXPECT_EQ(codes.front(), "10000");
    EXPECT_EQ(codes[4], "11000");
    EXPECT_EQ(codes[20], "11001");
    EXPECT_EQ(codes.back(), "41113");
}

TEST(StructureWalk, AllNodesOfOneLevelAndStopping) {
    int visits = 0;
    IterateAllNodes(
        [&](const char*) {
            ++visits;
            return kWalkContinue;
        },
        3, 0);
    EXPECT_EQ(visits, 1 + 4 + 16 + 64);
    const int result =
        IterateAllNodes([](const char* code) { return code[1] == '2' ? kWalkStop : kWalkContinue; }, 0, 0);
    EXPECT_EQ(result, 6);  // "12000", the first node with type digit 2
}

}  // namespace
