#include "storymodel/engine/QuadBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::uint16_t At(const ThroughlineStructure& structure, const char* code) {
    return NodeForCode(structure, code)->elementID;
}

std::vector<std::uint16_t> SortedIds(const ThroughlineStructure& structure) {
    std::vector<std::uint16_t> ids;
    for (const StructureNode& node : structure.nodes) ids.push_back(node.elementID);
    std::sort(ids.begin(), ids.end());
    return ids;
}

TEST(QuadBlocks, RotationAtElementLevel) {
    ThroughlineStructure structure = GetDefaultThroughlineStructure();
    const ThroughlineStructure before = structure;
    ASSERT_TRUE(RotateQuadBlocks(structure, "11310", {1, 2, 3, 4}, 0));
    EXPECT_EQ(At(structure, "11320"), At(before, "11310"));
    EXPECT_EQ(At(structure, "11330"), At(before, "11320"));
    EXPECT_EQ(At(structure, "11340"), At(before, "11330"));
    EXPECT_EQ(At(structure, "11310"), At(before, "11340"));
    // The quad's group node and its neighbours stay.
    EXPECT_EQ(At(structure, "11311"), At(before, "11311"));
    EXPECT_EQ(At(structure, "11410"), At(before, "11410"));
}

TEST(QuadBlocks, RotationInAnotherOrder) {
    ThroughlineStructure structure = GetDefaultThroughlineStructure();
    const ThroughlineStructure before = structure;
    ASSERT_TRUE(RotateQuadBlocks(structure, "23000", {4, 1, 3, 2}, 0));
    // 24 -> 21 -> 23 -> 22 -> 24
    EXPECT_EQ(At(structure, "21000"), At(before, "24000"));
    EXPECT_EQ(At(structure, "23000"), At(before, "21000"));
    EXPECT_EQ(At(structure, "22000"), At(before, "23000"));
    EXPECT_EQ(At(structure, "24000"), At(before, "22000"));
}

TEST(QuadBlocks, SwapWithSubtreesBelow) {
    ThroughlineStructure structure = GetDefaultThroughlineStructure();
    const ThroughlineStructure before = structure;
    ASSERT_TRUE(SwapQuadBlocks(structure, "11000", "12000", 1));
    // The types, their variation quads and their element blocks change places.
    EXPECT_EQ(At(structure, "12000"), At(before, "11000"));
    EXPECT_EQ(At(structure, "12100"), At(before, "11100"));
    EXPECT_EQ(At(structure, "12101"), At(before, "11101"));
    EXPECT_EQ(At(structure, "12310"), At(before, "11310"));
    EXPECT_EQ(At(structure, "11440"), At(before, "12440"));
    EXPECT_EQ(At(structure, "11112"), At(before, "12112"));
    // Their class and its group nodes stay.
    EXPECT_EQ(At(structure, "11001"), At(before, "11001"));
    EXPECT_EQ(At(structure, "11102"), At(before, "11102"));
}

TEST(QuadBlocks, SwapTowardsTheRoot) {
    ThroughlineStructure structure = GetDefaultThroughlineStructure();
    const ThroughlineStructure before = structure;
    // The element blocks of types 11 and 12, then their variation quads, then the types.
    ASSERT_TRUE(SwapQuadBlocks(structure, "11112", "12112", 2));
    EXPECT_EQ(At(structure, "12310"), At(before, "11310"));
    EXPECT_EQ(At(structure, "12101"), At(before, "11101"));
    EXPECT_EQ(At(structure, "12300"), At(before, "11300"));
    EXPECT_EQ(At(structure, "12000"), At(before, "11000"));
    EXPECT_EQ(At(structure, "11001"), At(before, "11001"));
}

TEST(QuadBlocks, SwapOfOneBlockOnly) {
    ThroughlineStructure structure = GetDefaultThroughlineStructure();
    const ThroughlineStructure before = structure;
    ASSERT_TRUE(SwapQuadBlocks(structure, "11000", "12000", 0));
    EXPECT_EQ(At(structure, "12000"), At(before, "11000"));
    EXPECT_EQ(At(structure, "11000"), At(before, "12000"));
    EXPECT_EQ(At(structure, "12100"), At(before, "12100"));
    // A swap carries the nodes' own bytes: the position of type 11 moves with it.
    EXPECT_EQ(NodeForCode(structure, "12000")->position, 1);
}

TEST(QuadBlocks, MovesUndoThemselvesAndKeepEveryElement) {
    const ThroughlineStructure original = GetDefaultThroughlineStructure();
    const std::vector<std::uint16_t> ids = SortedIds(original);
    struct Move {
        const char* a;
        const char* b;
    };
    for (int mode : {0, 1, 2}) {
        for (const Move& move : {Move{"10000", "30000"}, Move{"21000", "24000"}, Move{"33200", "33400"},
                                 Move{"41120", "41130"}, Move{"12101", "14101"}, Move{"32112", "34112"},
                                 Move{"21113", "41113"}, Move{"13211", "13411"}}) {
            ThroughlineStructure structure = original;
            ASSERT_TRUE(SwapQuadBlocks(structure, move.a, move.b, mode)) << move.a;
            EXPECT_NE(structure, original) << move.a << " " << mode;
            EXPECT_EQ(SortedIds(structure), ids) << move.a << " " << mode;
            ASSERT_TRUE(SwapQuadBlocks(structure, move.a, move.b, mode));
            EXPECT_EQ(structure, original) << move.a << " " << mode;

            for (int turn = 0; turn < 4; ++turn) {
                ASSERT_TRUE(RotateQuadBlocks(structure, move.a, {1, 3, 4, 2}, mode)) << move.a;
                EXPECT_EQ(SortedIds(structure), ids) << move.a << " " << mode;
                if (turn < 3) {
                    EXPECT_NE(structure, original) << move.a << " " << mode << " " << turn;
                }
            }
            EXPECT_EQ(structure, original) << move.a << " " << mode;
        }
    }
}

TEST(QuadBlocks, RefusedMovesLeaveTheStructureAlone) {
    ThroughlineStructure structure = GetDefaultThroughlineStructure();
    const ThroughlineStructure original = structure;
    EXPECT_FALSE(SwapQuadBlocks(structure, "11000", "11100", 1));  // different depths
    EXPECT_FALSE(SwapQuadBlocks(structure, "11101", "11100", 1));  // different levels
    EXPECT_FALSE(SwapQuadBlocks(structure, "11000", "15000", 1));
    EXPECT_FALSE(SwapQuadBlocks(structure, nullptr, "11000", 1));
    EXPECT_FALSE(RotateQuadBlocks(structure, "11310", {1, 1, 2, 3}, 0));
    EXPECT_FALSE(RotateQuadBlocks(structure, "11310", {0, 1, 2, 3}, 0));
    EXPECT_FALSE(RotateQuadBlocks(structure, "11310", {1, 2, 3, 5}, 0));
    EXPECT_FALSE(RotateQuadBlocks(structure, "11114", {1, 2, 3, 4}, 1));  // a whole level has no quad
    EXPECT_FALSE(RotateQuadBlocks(structure, "00000", {1, 2, 3, 4}, 1));
    EXPECT_EQ(structure, original);
    // Swapping a block with itself changes nothing.
    EXPECT_TRUE(SwapQuadBlocks(structure, "11000", "11000", 1));
    EXPECT_EQ(structure, original);
}

TEST(QuadBlocks, CopyNodeFieldsFollowsTheElements) {
    ThroughlineStructure source = GetDefaultThroughlineStructure();
    for (StructureNode& node : source.nodes) {
        node.positionB = static_cast<std::uint8_t>(node.elementID % 200 + 1);
        node.positionA = 9;
    }
    source.nodes[0] = {7, 7, 7, 7, 7};
    ThroughlineStructure dest = GetDefaultThroughlineStructure();
    ASSERT_TRUE(SwapQuadBlocks(dest, "21000", "23000", 1));
    const ThroughlineStructure arranged = dest;

    CopyNodeFields(dest, source, kCopyPositionB);
    for (int slot = 1; slot < kStructureNodeCount; ++slot) {
        const StructureNode& node = dest.nodes[slot];
        EXPECT_EQ(node.positionB, node.elementID % 200 + 1) << slot;
        EXPECT_EQ(node.positionA, 0) << slot;
        EXPECT_EQ(node.elementID, arranged.nodes[slot].elementID) << slot;
        EXPECT_EQ(node.position, arranged.nodes[slot].position) << slot;
    }
    EXPECT_EQ(dest.nodes[0], StructureNode{});

    CopyNodeFields(dest, source, kCopyPositionA | kCopyHeader);
    EXPECT_EQ(dest.nodes[0], source.nodes[0]);
    EXPECT_EQ(NodeForCode(dest, "21000")->positionA, 9);
}

TEST(QuadBlocks, CopyNodeFieldsSkipsElementsTheDestinationLacks) {
    ThroughlineStructure source = GetDefaultThroughlineStructure();
    for (StructureNode& node : source.nodes) node.position = 0;
    ThroughlineStructure dest = GetDefaultThroughlineStructure();
    NodeForCode(dest, "11310")->elementID = 0;
    CopyNodeFields(dest, source, kCopyPosition);
    EXPECT_EQ(NodeForCode(dest, "11310")->position, 1);
    EXPECT_EQ(NodeForCode(dest, "11320")->position, 0);
}

}  // namespace
