#include "storymodel/engine/EngineFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "storymodel/engine/TheoryTables.h"

namespace {

// Records of zeros, with one index's bytes set by the test.
struct SyntheticRecords {
    std::vector<std::vector<std::uint8_t>> bytes = std::vector<std::vector<std::uint8_t>>(
        kEngineRecordCount, std::vector<std::uint8_t>(kEngineRecordSize, 0));
    EngineRecordSet Set() const {
        EngineRecordSet set{};
        for (std::size_t k = 0; k < set.size(); ++k) set[k] = bytes[k].data();
        return set;
    }
};

constexpr std::uint16_t kIndex = 1234;

TEST(EngineFields, DomainAndConcernComeFromTheIssue) {
    SyntheticRecords records;
    records.bytes[3][kIndex] = 0x2B;  // variation index 43
    records.bytes[33][kIndex] = 0x05;
    EXPECT_EQ(EngineFieldValue(records.Set(), 1, kIndex), 2);
    EXPECT_EQ(EngineFieldValue(records.Set(), 2, kIndex), 10);
    EXPECT_EQ(EngineFieldValue(records.Set(), 3, kIndex), 0x2B);
    EXPECT_EQ(EngineFieldValue(records.Set(), 31, kIndex), 0);
    EXPECT_EQ(EngineFieldValue(records.Set(), 32, kIndex), 1);
    // Another index is untouched, and the index is taken modulo 16384.
    EXPECT_EQ(EngineFieldValue(records.Set(), 1, kIndex + 1), 0);
    EXPECT_EQ(EngineFieldValue(records.Set(), 1, kIndex + 16384), 2);
}

TEST(EngineFields, SignpostsAreTypesOfTheIssuesClass) {
    SyntheticRecords records;
    records.bytes[3][kIndex] = 0x2B;            // class 2
    records.bytes[41][kIndex] = 0b10'11'00'01;  // positions 2, 3, 0, 1
    records.bytes[23][kIndex] = 0x3F;           // impact character: class 3
    records.bytes[43][kIndex] = 0b00'01'10'11;
    EXPECT_EQ(EngineFieldValue(records.Set(), 41, kIndex), 2 * 4 + 2);
    EXPECT_EQ(EngineFieldValue(records.Set(), 42, kIndex), 2 * 4 + 3);
    EXPECT_EQ(EngineFieldValue(records.Set(), 43, kIndex), 2 * 4 + 0);
    EXPECT_EQ(EngineFieldValue(records.Set(), 44, kIndex), 2 * 4 + 1);
    EXPECT_EQ(EngineFieldValue(records.Set(), 49, kIndex), 12);
    EXPECT_EQ(EngineFieldValue(records.Set(), 52, kIndex), 15);
}

TEST(EngineFields, CatalystsMoveIntoTheClassOfEachIssue) {
    SyntheticRecords records;
    records.bytes[3][kIndex] = 0x17;   // overall story: class 1
    records.bytes[9][kIndex] = 0x1A;   // its catalyst
    records.bytes[13][kIndex] = 0x33;  // main character: class 3
    records.bytes[23][kIndex] = 0x01;  // impact character: class 0
    records.bytes[33][kIndex] = 0x20;  // subjective story: class 2
    EXPECT_EQ(EngineFieldValue(records.Set(), 9, kIndex), 0x1A);
    EXPECT_EQ(EngineFieldValue(records.Set(), 19, kIndex), 0x3A);
    EXPECT_EQ(EngineFieldValue(records.Set(), 29, kIndex), 0x0A);
    EXPECT_EQ(EngineFieldValue(records.Set(), 39, kIndex), 0x2A);
}

TEST(EngineFields, SolutionAndDirectionArePartners) {
    SyntheticRecords records;
    records.bytes[4][kIndex] = 17;
    records.bytes[7][kIndex] = 40;
    EXPECT_EQ(EngineFieldValue(records.Set(), 6, kIndex), DynamicPartner(17));
    EXPECT_EQ(EngineFieldValue(records.Set(), 8, kIndex), DynamicPartner(40));
    EXPECT_EQ(EngineFieldValue(records.Set(), 4, kIndex), 17);
    EXPECT_EQ(EngineFieldValue(records.Set(), 7, kIndex), 40);
}

TEST(EngineFields, FieldsOutsideTheTableGiveZeroAndMissingRecordsReadAsZeros) {
    SyntheticRecords records;
    for (auto& record : records.bytes) record[kIndex] = 0x11;
    EXPECT_EQ(EngineFieldValue(records.Set(), 57, kIndex), 0);
    EXPECT_EQ(EngineFieldValue(records.Set(), -1, kIndex), 0);
    EXPECT_EQ(EngineFieldValue(records.Set(), 0, kIndex), 0x11);
    const SyntheticRecords zeros;
    const EngineRecordSet missing{};
    for (int field = 0; field < kEngineFieldCount; ++field) {
        EXPECT_EQ(EngineFieldValue(missing, field, kIndex), EngineFieldValue(zeros.Set(), field, kIndex))
            << field;
    }
}

TEST(EngineFields, RecordsTheReaderReads) {
    const std::vector<int> read = {0,  3,  4,  5,  7,  9,  10, 13, 14, 15, 17, 20, 23,
                                   24, 25, 27, 30, 33, 34, 35, 37, 40, 41, 42, 43, 44};
    for (int k = 0; k < kEngineRecordCount; ++k) {
        EXPECT_EQ(IsEngineRecordRead(k), std::find(read.begin(), read.end(), k) != read.end()) << k;
    }
}

TEST(EngineFields, DynamicPartnerPairsTheElementsOfEachVariation) {
    for (int v = 0; v < 256; ++v) {
        const std::uint8_t partner = DynamicPartner(static_cast<std::uint8_t>(v));
        EXPECT_EQ(DynamicPartner(partner), v);
        EXPECT_EQ(partner & 0xC0, v & 0xC0);
        EXPECT_NE(partner, v);
    }
    // In every class the partner has the same type and variation digits and element digits that
    // add up to 5.
    for (int c = 0; c < 4; ++c) {
        for (int rank = 0; rank < kElementsPerClass; ++rank) {
            const char* code = kElementTable[static_cast<std::size_t>(kFirstElementID + 64 * c + rank)].code;
            const char* other =
                kElementTable[static_cast<std::size_t>(kFirstElementID + 64 * c +
                                                       DynamicPartner(static_cast<std::uint8_t>(rank)))]
                    .code;
            EXPECT_EQ(std::string(code, 3), std::string(other, 3));
            EXPECT_EQ(code[3] - '0' + other[3] - '0', 5);
        }
    }
}

}  // namespace
