#include "storymodel/engine/QuadPartners.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/QuadBlocks.h"

namespace {

std::string Text(const StructureCode& code) { return code.data(); }

std::string Partner(int depth, int kind, const char* code) {
    StructureCode out;
    EXPECT_TRUE(QuadPartnerCode(depth, kind, code, out)) << code;
    return Text(out);
}

int Rank(int id) { return (id - kFirstElementID) % kElementsPerClass; }

TEST(QuadPartners, EachKindPairsThePlacesOfAQuadItsOwnWay) {
    // Kind 0 pairs places 1 and 4, 2 and 3 (the dynamic pairs); each kind pairs every place with
    // another, both ways, and the three kinds give each place its three other places.
    EXPECT_EQ(QuadPartner(0, 1), 4);
    EXPECT_EQ(QuadPartner(0, 2), 3);
    EXPECT_EQ(QuadPartner(1, 1), 2);
    EXPECT_EQ(QuadPartner(2, 1), 3);
    for (int position = 1; position <= 4; ++position) {
        std::set<int> partners;
        for (int kind = 0; kind < 3; ++kind) {
            EXPECT_EQ(QuadPartner(kind, QuadPartner(kind, position)), position);
            partners.insert(QuadPartner(kind, position));
        }
        EXPECT_EQ(partners.size(), 3u);
        EXPECT_EQ(partners.count(position), 0u);
    }
    EXPECT_EQ(QuadPartner(3, 1), 0);
    EXPECT_EQ(QuadPartner(0, 0), 0);
    EXPECT_EQ(QuadPartner(0, 5), 0);
}

TEST(QuadPartners, DepthsCountUpwardsFromTheCodesOwnLevel) {
    // An element's depth-1 partner is in its own variation; depth 2 changes the variation digit.
    EXPECT_EQ(Partner(1, 0, "11310"), "11340");
    EXPECT_EQ(Partner(2, 0, "11310"), "11210");
    EXPECT_EQ(Partner(3, 1, "11310"), "12310");
    EXPECT_EQ(Partner(4, 2, "11310"), "31310");
    // A type's depth-2 partner is the same type in the partner class; a variation's depth-3 one too.
    EXPECT_EQ(Partner(2, 0, "12000"), "42000");
    EXPECT_EQ(Partner(3, 0, "23400"), "33400");
    EXPECT_EQ(Partner(1, 2, "30000"), "10000");
    // A group node's position is the digit g levels above its item's.
    EXPECT_EQ(Partner(1, 0, "11311"), "11211");
}

TEST(QuadPartners, NoPartnerAboveTheClassOrForABadKind) {
    StructureCode out;
    EXPECT_FALSE(QuadPartnerCode(2, 0, "30000", out));
    EXPECT_EQ(Text(out), "30000");
    EXPECT_FALSE(QuadPartnerCode(0, 0, "11310", out));
    EXPECT_FALSE(QuadPartnerCode(1, 3, "11310", out));
    EXPECT_FALSE(QuadPartnerCode(1, 0, "11114", out));  // the group of all elements has no place
}

TEST(QuadPartners, FindQuadElementLooksByNameInTheCodesClass) {
    const ThroughlineStructure& initial = GetDefaultThroughlineStructure();
    for (int id = kFirstElementID; id < kFirstGroupID; id += 7) {
        for (char classDigit = '1'; classDigit <= '4'; ++classDigit) {
            StructureCode code = {classDigit, '0', '0', '0', '0', '\0'};
            ASSERT_TRUE(FindQuadElement(initial, code, static_cast<std::int16_t>(id)));
            const int found = NodeForCode(initial, code.data())->elementID;
            EXPECT_EQ(Rank(found), Rank(id));
            EXPECT_EQ(ElementClassDigit(static_cast<std::int16_t>(found)), classDigit - '0');
        }
    }
}

TEST(QuadPartners, FindQuadElementFollowsAnArrangedStructure) {
    ThroughlineStructure structure = GetDefaultThroughlineStructure();
    ASSERT_TRUE(SwapQuadBlocks(structure, "21310", "21340", 0));
    const std::int16_t id = static_cast<std::int16_t>(NodeForCode(structure, "21340")->elementID);
    StructureCode code = {'2', '0', '0', '0', '0', '\0'};
    ASSERT_TRUE(FindQuadElement(structure, code, id));
    EXPECT_EQ(Text(code), "21340");
}

TEST(QuadPartners, FindQuadElementRefusesBadInput) {
    const ThroughlineStructure& initial = GetDefaultThroughlineStructure();
    StructureCode code = {'5', '0', '0', '0', '0', '\0'};
    EXPECT_FALSE(FindQuadElement(initial, code, 90));
    code[0] = '1';
    EXPECT_FALSE(FindQuadElement(initial, code, 30));   // a variation
    EXPECT_FALSE(FindQuadElement(initial, code, 400));  // a group node
    EXPECT_EQ(Text(code), "10000");
}

TEST(QuadPartners, PartnerClassElementCodeMovesTheElementIntoThePartnerClass) {
    const ThroughlineStructure& initial = GetDefaultThroughlineStructure();
    for (int id = kFirstElementID; id < kFirstGroupID; id += 5) {
        const char* code = ElementRecordByID(static_cast<std::int16_t>(id))->code;
        for (int kind = 0; kind < 3; ++kind) {
            StructureCode out;
            ASSERT_TRUE(PartnerClassElementCode(initial, kind, code, out));
            const int moved = NodeForCode(initial, out.data())->elementID;
            EXPECT_EQ(Rank(moved), Rank(id));
            EXPECT_EQ(out[0] - '0', QuadPartner(kind, code[0] - '0'));
        }
    }
    StructureCode out;
    EXPECT_FALSE(PartnerClassElementCode(initial, 0, "11300", out));  // not an element
    EXPECT_EQ(Text(out), "11300");
}

TEST(QuadPartners, QuadPairKindOfTwoPlaces) {
    EXPECT_EQ(QuadPairKind("10000", "40000"), 0);
    EXPECT_EQ(QuadPairKind("10000", "20000"), 1);
    EXPECT_EQ(QuadPairKind("20000", "40000"), 2);
    EXPECT_EQ(QuadPairKind("11320", "11330"), 0);
    EXPECT_EQ(QuadPairKind("11320", "11310"), 1);
    EXPECT_EQ(QuadPairKind("11310", "11310"), 0);  // no kind pairs a place with itself
    // Different quads, levels or level digits.
    EXPECT_EQ(QuadPairKind("11320", "12330"), -1);
    EXPECT_EQ(QuadPairKind("11300", "11310"), -1);
    EXPECT_EQ(QuadPairKind("11311", "11310"), -1);
    EXPECT_EQ(QuadPairKind("10001", "10001"), -1);  // the group of all classes has no place
}

}  // namespace
