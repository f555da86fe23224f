// The throughline structure: codes addressing its slots, the default arrangement, finding elements
// wherever an arrangement put them, and the block moves that rearrange it.

#include "storymodel/engine/ThroughlineStructure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/QuadBlocks.h"

namespace {

int Slot(const ThroughlineStructure& structure, const char* code) {
    const StructureNode* node = NodeForCode(structure, code);
    return node ? static_cast<int>(node - structure.nodes.data()) : -1;
}

std::uint16_t At(const ThroughlineStructure& structure, const char* code) {
    return NodeForCode(structure, code)->elementID;
}

std::vector<std::uint16_t> SortedIds(const ThroughlineStructure& structure) {
    std::vector<std::uint16_t> ids;
    for (const StructureNode& node : structure.nodes) ids.push_back(node.elementID);
    std::sort(ids.begin(), ids.end());
    return ids;
}

TEST(ThroughlineStructure, CodesAddressTheirSlots) {
    ThroughlineStructure structure;
    EXPECT_EQ(Slot(structure, "10001"), 1);
    EXPECT_EQ(Slot(structure, "30000"), 4);
    EXPECT_EQ(Slot(structure, "11002"), 6);
    EXPECT_EQ(Slot(structure, "21001"), 12);  // class 2's type quad: after 6, and class 1's block of 5
    EXPECT_EQ(Slot(structure, "22000"), 14);
    EXPECT_EQ(Slot(structure, "11103"), 27);
    EXPECT_EQ(Slot(structure, "11114"), 112);
    EXPECT_EQ(Slot(structure, "11310"), 112 + 1 + 1 + 1 + 2 * 5 + 1);
    // The header of the last variation's element quad, whatever its last position digit says.
    const int lastQuad = 112 + 1 + 3 * 85 + 1 + 3 * 21 + 1 + 3 * 5;
    EXPECT_EQ(Slot(structure, "44441"), lastQuad);
    EXPECT_EQ(Slot(structure, "44411"), lastQuad);
    EXPECT_EQ(Slot(structure, "44440"), 452);
    // Every table code addresses its own slot, all but the header's.
    std::set<int> slots;
    for (int id = 1; id < kElementCount; ++id) slots.insert(Slot(structure, kElementTable[id].code));
    EXPECT_EQ(slots.size(), 452u);
    EXPECT_EQ(*slots.begin(), 1);
    EXPECT_EQ(*slots.rbegin(), 452);
}

TEST(ThroughlineStructure, ElementSlotsAreTheSlotsTheirCodesAddress) {
    const ThroughlineStructure structure;
    const ElementSlots& slots = ElementCodeSlots();
    EXPECT_EQ(slots[0], -1);
    for (int id = 1; id < kElementCount; ++id)
        EXPECT_EQ(slots[id], Slot(structure, kElementTable[id].code)) << id;
    // The index built from them: in the default arrangement every element sits at its own code.
    const NodeIndex index = BuildNodeIndex(GetDefaultThroughlineStructure());
    for (int id = 1; id < kElementCount; ++id) EXPECT_EQ(index[id], id) << id;
}

TEST(ThroughlineStructure, CodesThatAddressNoNode) {
    ThroughlineStructure structure;
    for (const char* code :
         {"00000", "01000", "10100", "10002", "15000", "1100", "110000", "1a000", "11005", "11315"}) {
        EXPECT_EQ(NodeForCode(structure, code), nullptr) << code;
    }
    EXPECT_EQ(NodeForCode(structure, nullptr), nullptr);
}

TEST(ThroughlineStructure, DefaultArrangementPutsEveryElementAtItsOwnCode) {
    ThroughlineStructure structure;
    structure.nodes[0].elementID = 9;
    InitThroughlineStructure(structure);
    EXPECT_EQ(structure.nodes[0], StructureNode{});
    for (int id = 1; id < kElementCount; ++id) {
        const StructureNode* node = NodeForCode(structure, kElementTable[id].code);
        EXPECT_EQ(node->elementID, id);
        EXPECT_EQ(node->classDigit, kElementTable[id].code[0] - '0');
        EXPECT_EQ(node->positionA, 0);
        EXPECT_EQ(node->positionB, 0);
    }
    struct Expected {
        const char* code;
        int position;
    };
    for (const Expected& expected :
         {Expected{"30000", 3}, Expected{"12000", 2}, Expected{"11300", 3}, Expected{"11310", 1},
          Expected{"44440", 4}, Expected{"12101", 2}, Expected{"13112", 3}, Expected{"24311", 3},
          Expected{"31001", 3}, Expected{"21113", 2}, Expected{"11114", 0}, Expected{"10001", 0}}) {
        EXPECT_EQ(NodeForCode(structure, expected.code)->position, expected.position) << expected.code;
    }
    EXPECT_EQ(GetDefaultThroughlineStructure(), structure);
}

TEST(ThroughlineStructure, PathHoldsTheNodesOfTheCodesLeadingDigits) {
    ThroughlineStructure structure;
    NodePath path;
    ASSERT_TRUE(NodePathForCode(structure, "11310", path));
    EXPECT_EQ(path.depth, 4);
    EXPECT_EQ(path.structure, &structure);
    EXPECT_STREQ(path.code.data(), "11310");
    EXPECT_EQ(path.nodes[3][0], NodeForCode(structure, "11310"));
    EXPECT_EQ(path.nodes[3][1], NodeForCode(structure, "11311"));
    EXPECT_EQ(path.nodes[3][2], NodeForCode(structure, "11112"));
    EXPECT_EQ(path.nodes[3][4], NodeForCode(structure, "11114"));
    EXPECT_EQ(path.nodes[2][0], NodeForCode(structure, "11300"));
    EXPECT_EQ(path.nodes[0][0], NodeForCode(structure, "10000"));
    EXPECT_EQ(path.nodes[0][1], NodeForCode(structure, "10001"));

    ASSERT_TRUE(NodePathForCode(structure, "12000", path));
    EXPECT_EQ(path.nodes[3][2], NodeForCode(structure, "12112"));
    EXPECT_EQ(path.nodes[2][1], NodeForCode(structure, "12101"));
    EXPECT_EQ(path.nodes[3][1], nullptr);
    EXPECT_EQ(path.nodes[2][0], nullptr);

    EXPECT_FALSE(NodePathForCode(structure, "10300", path));
    EXPECT_STREQ(path.code.data(), "12000");
}

TEST(ThroughlineStructure, ElementsAreFoundWhereverTheArrangementPutsThem) {
    ThroughlineStructure structure = GetDefaultThroughlineStructure();
    const NodeIndex defaults = BuildNodeIndex(structure);
    for (int id = 1; id < kElementCount; ++id) EXPECT_EQ(defaults[id], id);
    EXPECT_EQ(defaults[0], 0);

    std::swap(*NodeForCode(structure, "11310"), *NodeForCode(structure, "24440"));
    StructureCode code{};
    StructureNode* node = NodeOfElement(structure, 85, &code);
    EXPECT_EQ(node, NodeForCode(structure, "24440"));
    EXPECT_STREQ(code.data(), "24440");
    const NodeIndex index = BuildNodeIndex(structure);
    EXPECT_EQ(NodeOfElement(structure, 85, nullptr, &index), node);
    const std::int16_t moved = NodeForCode(structure, "11310")->elementID;
    EXPECT_STREQ(ElementRecordByID(moved)->code, "24440");
}

TEST(ThroughlineStructure, ElementsNotHeldAreNotFound) {
    ThroughlineStructure structure = GetDefaultThroughlineStructure();
    NodeForCode(structure, "11310")->elementID = 0;
    EXPECT_EQ(NodeOfElement(structure, 85), nullptr);
    EXPECT_EQ(NodeOfElement(structure, 0), nullptr);
    EXPECT_EQ(NodeOfElement(structure, -3), nullptr);
    EXPECT_EQ(NodeOfElement(structure, kElementCount), nullptr);
    // A node holding an id outside the table is left out of the index.
    NodeForCode(structure, "11320")->elementID = 999;
    const NodeIndex index = BuildNodeIndex(structure);
    EXPECT_EQ(std::count(index.begin(), index.end(), 0), 3);  // 0, 85 and the element of 11320
}

TEST(QuadBlocks, RotationMovesEachBlockToTheNextPlace) {
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

    // In the order the positions give: 24 -> 21 -> 23 -> 22 -> 24.
    ASSERT_TRUE(RotateQuadBlocks(structure, "23000", {4, 1, 3, 2}, 0));
    EXPECT_EQ(At(structure, "21000"), At(before, "24000"));
    EXPECT_EQ(At(structure, "23000"), At(before, "21000"));
    EXPECT_EQ(At(structure, "22000"), At(before, "23000"));
    EXPECT_EQ(At(structure, "24000"), At(before, "22000"));
}

TEST(QuadBlocks, SwapMovesTheBlocksAloneOrWithThoseBelowOrAbove) {
    const ThroughlineStructure& before = GetDefaultThroughlineStructure();
    // Alone: the types change places, their variation quads stay. A swap carries the nodes' own
    // bytes: the position of type 11 moves with it.
    ThroughlineStructure alone = before;
    ASSERT_TRUE(SwapQuadBlocks(alone, "11000", "12000", 0));
    EXPECT_EQ(At(alone, "12000"), At(before, "11000"));
    EXPECT_EQ(At(alone, "11000"), At(before, "12000"));
    EXPECT_EQ(At(alone, "12100"), At(before, "12100"));
    EXPECT_EQ(NodeForCode(alone, "12000")->position, 1);

    // Below: the types, their variation quads and their element blocks change places; their class
    // and its group nodes stay.
    ThroughlineStructure below = before;
    ASSERT_TRUE(SwapQuadBlocks(below, "11000", "12000", 1));
    EXPECT_EQ(At(below, "12000"), At(before, "11000"));
    EXPECT_EQ(At(below, "12100"), At(before, "11100"));
    EXPECT_EQ(At(below, "12101"), At(before, "11101"));
    EXPECT_EQ(At(below, "12310"), At(before, "11310"));
    EXPECT_EQ(At(below, "11440"), At(before, "12440"));
    EXPECT_EQ(At(below, "11112"), At(before, "12112"));
    EXPECT_EQ(At(below, "11001"), At(before, "11001"));
    EXPECT_EQ(At(below, "11102"), At(before, "11102"));

    // Above, towards the root: the element blocks of types 11 and 12, then their variation quads,
    // then the types.
    ThroughlineStructure above = before;
    ASSERT_TRUE(SwapQuadBlocks(above, "11112", "12112", 2));
    EXPECT_EQ(At(above, "12310"), At(before, "11310"));
    EXPECT_EQ(At(above, "12101"), At(before, "11101"));
    EXPECT_EQ(At(above, "12300"), At(before, "11300"));
    EXPECT_EQ(At(above, "12000"), At(before, "11000"));
    EXPECT_EQ(At(above, "11001"), At(before, "11001"));
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

TEST(QuadBlocks, CopyNodeFieldsFollowsTheElementsTheDestinationHolds) {
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

    // An element the destination does not hold takes nothing.
    for (StructureNode& node : source.nodes) node.position = 0;
    dest = GetDefaultThroughlineStructure();
    NodeForCode(dest, "11310")->elementID = 0;
    CopyNodeFields(dest, source, kCopyPosition);
    EXPECT_EQ(NodeForCode(dest, "11310")->position, 1);
    EXPECT_EQ(NodeForCode(dest, "11320")->position, 0);
}

}  // namespace
