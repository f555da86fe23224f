#include "storymodel/engine/ThroughlineStructure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "storymodel/engine/ElementTable.h"

namespace {

int Slot(const ThroughlineStructure& structure, const char* code) {
    const StructureNode* node = NodeForCode(structure, code);
    return node ? static_cast<int>(node - structure.nodes.data()) : -1;
}

TEST(ThroughlineStructure, NodeSizesAndBlockSizes) {
    EXPECT_EQ(sizeof(ThroughlineStructure), 2718u);
    EXPECT_EQ(BlockSize(0), 1);
    EXPECT_EQ(BlockSize(1), 5);
    EXPECT_EQ(BlockSize(2), 21);
    EXPECT_EQ(BlockSize(3), 85);
    EXPECT_EQ(BlockSize(4), 341);
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
}

TEST(ThroughlineStructure, TableCodesAddressEverySlotButTheHeaderOnce) {
    ThroughlineStructure structure;
    std::set<int> slots;
    for (int id = 1; id < kElementCount; ++id) slots.insert(Slot(structure, kElementTable[id].code));
    EXPECT_EQ(slots.size(), 452u);
    EXPECT_EQ(*slots.begin(), 1);
    EXPECT_EQ(*slots.rbegin(), 452);
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
    std::set<int> ids;
    for (int id = 1; id < kElementCount; ++id) {
        const StructureNode* node = NodeForCode(structure, kElementTable[id].code);
        EXPECT_EQ(node->elementID, id);
        EXPECT_EQ(node->classDigit, kElementTable[id].code[0] - '0');
        EXPECT_EQ(node->positionA, 0);
        EXPECT_EQ(node->positionB, 0);
        ids.insert(node->elementID);
    }
    EXPECT_EQ(ids.size(), 452u);
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

}  // namespace
