// Integrity of the compiled-in theory tables: counts, code forms, id sequences, the class / type /
// variation / element layout, and the relations between the tables.

#include "storymodel/engine/TheoryTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "storymodel/engine/Dynamics.h"

namespace {

std::string Code(int c, int t, int v, int e, int level) {
    return {char('0' + c), char('0' + t), char('0' + v), char('0' + e), char('0' + level)};
}

int Depth(const char* code) {
    int depth = 0;
    while (depth < 4 && code[depth] != '0') ++depth;
    return depth;
}

TEST(ElementTable, EveryCodeIsFiveDigitsInPrefixFormAndUnique) {
    std::set<std::string> codes;
    for (int id = 0; id < kElementCount; ++id) {
        const char* code = kElementTable[id].code;
        ASSERT_EQ(std::strlen(code), 5u) << id;
        const int depth = Depth(code);
        for (int i = 0; i < 4; ++i) {
            if (i < depth) {
                EXPECT_TRUE(code[i] >= '1' && code[i] <= '4') << id;
            } else {
                EXPECT_EQ(code[i], '0') << id;
            }
        }
        EXPECT_TRUE(code[4] >= '0' && code[4] - '0' <= depth) << id;
        EXPECT_NE(kElementTable[id].name, nullptr) << id;
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), static_cast<size_t>(kElementCount));
}

TEST(ElementTable, ClassesTypesAndVariationsFollowTheirCodes) {
    EXPECT_STREQ(kElementTable[0].code, "00000");
    for (int c = 1; c <= 4; ++c) {
        EXPECT_EQ(kElementTable[kFirstClassID + c - 1].code, Code(c, 0, 0, 0, 0));
        for (int t = 1; t <= 4; ++t) {
            EXPECT_EQ(kElementTable[kFirstTypeID + 4 * (c - 1) + (t - 1)].code, Code(c, t, 0, 0, 0));
            for (int v = 1; v <= 4; ++v) {
                const int id = kFirstVariationID + 16 * (c - 1) + 4 * (t - 1) + (v - 1);
                EXPECT_EQ(kElementTable[id].code, Code(c, t, v, 0, 0));
            }
        }
    }
}

TEST(ElementTable, EachClassHoldsItsSixtyFourElementsInOneSharedNameOrder) {
    for (int c = 1; c <= 4; ++c) {
        std::set<std::string> codes;
        for (int k = 0; k < kElementsPerClass; ++k) {
            const ElementRecord& row = kElementTable[kFirstElementID + kElementsPerClass * (c - 1) + k];
            EXPECT_EQ(row.code[0], '0' + c);
            EXPECT_EQ(Depth(row.code), 4);
            EXPECT_EQ(row.code[4], '0');
            codes.insert(row.code);
            // The same element stands at the same place in every class.
            EXPECT_STREQ(row.name, kElementTable[kFirstElementID + k].name) << c << " " << k;
        }
        EXPECT_EQ(codes.size(), static_cast<size_t>(kElementsPerClass));
    }
    std::set<std::string> names;
    for (int k = 0; k < kElementsPerClass; ++k) names.insert(kElementTable[kFirstElementID + k].name);
    EXPECT_EQ(names.size(), static_cast<size_t>(kElementsPerClass));
}

TEST(ElementTable, ElementOrderIsTheListedOneAndNoSort) {
    // The element index (id - 85) mod 64 is what stored files and engine data hold, so the listed
    // order is kept exactly, although no sort of the names, plain, blind to case or by letters
    // alone, gives it.
    std::vector<std::string> names;
    for (int k = 0; k < kElementsPerClass; ++k) names.push_back(kElementTable[kFirstElementID + k].name);
    const auto folded = [](std::string name, bool lettersOnly) {
        std::string key;
        for (char c : name) {
            if (!lettersOnly || std::isalpha(static_cast<unsigned char>(c)))
                key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return key;
    };
    EXPECT_FALSE(std::is_sorted(names.begin(), names.end()));
    for (bool lettersOnly : {false, true}) {
        EXPECT_FALSE(
            std::is_sorted(names.begin(), names.end(), [&](const std::string& x, const std::string& y) {
                return folded(x, lettersOnly) < folded(y, lettersOnly);
            }));
    }
}

TEST(ElementTable, GroupNodesFollowTheirLayout) {
    int id = kFirstGroupID;
    for (const char* code : {"10001", "11002", "11103", "11114"})
        EXPECT_STREQ(kElementTable[id++].code, code);
    for (int level = 1; level <= 3; ++level) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(kElementTable[id++].code, Code(c, 1, level >= 2, level >= 3, level)) << id - 1;
        }
    }
    for (int level : {1, 2}) {
        for (int c = 1; c <= 4; ++c) {
            for (int t = 1; t <= 4; ++t) {
                EXPECT_EQ(kElementTable[id++].code, Code(c, t, 1, level == 2, level)) << id - 1;
            }
        }
    }
    for (int c = 1; c <= 4; ++c) {
        for (int t = 1; t <= 4; ++t) {
            for (int v = 1; v <= 4; ++v) EXPECT_EQ(kElementTable[id++].code, Code(c, t, v, 1, 1)) << id - 1;
        }
    }
    EXPECT_EQ(id, kElementCount);
}

TEST(ElementTable, OnlyClassesAndTypesHaveNamesInTheNewerVocabulary) {
    for (int id = 0; id < kElementCount; ++id) {
        EXPECT_EQ(kElementTable[id].altName != nullptr, id >= kFirstClassID && id < kFirstVariationID) << id;
    }
}

TEST(StoryPointTable, IdsAscendAndValueRowsFollowTheirPoint) {
    for (int index = 1; index < kStoryPointCount; ++index) {
        EXPECT_LT(kStoryPointTable[index - 1].id, kStoryPointTable[index].id) << index;
    }
    for (int index = 0; index < kStoryPointCount; ++index) {
        const StoryPointRecord& row = kStoryPointTable[index];
        if (row.kind == kValueRow) {
            EXPECT_EQ(row.code, nullptr) << index;
            EXPECT_EQ(row.shortKey, nullptr) << index;
            EXPECT_EQ(row.engineField, 9999) << index;
            // A value row follows its point or the point's earlier value: id = point's id + n.
            const StoryPointRecord& previous = kStoryPointTable[index - 1];
            EXPECT_EQ(row.id, previous.id + 1) << index;
            EXPECT_TRUE(previous.kind == kValueRow || previous.kind <= kDynamicPoint) << index;
        } else {
            ASSERT_NE(row.code, nullptr) << index;
        }
    }
}

TEST(StoryPointTable, DynamicsHaveTwoValuesAndTheirEngineFields) {
    const int dynamics[] = {0, 4, 7, 10, 13, 16, 19, 22};
    for (int d = 0; d < kDynamicCount; ++d) {
        const StoryPointRecord& point = kStoryPointTable[dynamics[d]];
        EXPECT_EQ(point.kind, kDynamicPoint);
        // The dynamics' own readers name the same rows and values.
        EXPECT_EQ(DynamicIndex(d), dynamics[d]);
        EXPECT_EQ(DynamicPointID(d), point.id);
        EXPECT_EQ(DynamicValue(d, 1), kStoryPointTable[dynamics[d] + 2].id);
        EXPECT_EQ(point.engineField, d);
        EXPECT_EQ(kStoryPointTable[dynamics[d] + 1].id, point.id + 1);
        EXPECT_EQ(kStoryPointTable[dynamics[d] + 2].id, point.id + 2);
        EXPECT_EQ(kStoryPointTable[dynamics[d] + 2].kind, kValueRow);
        EXPECT_NE(kStoryPointTable[dynamics[d] + 3].kind, kValueRow);
        // The dynamic value names agree with the value rows.
        const DynamicValueNames& names = kDynamicValueNames[d];
        EXPECT_STREQ(kStoryPointTable[dynamics[d] + 1].name, names.value1);
        EXPECT_STREQ(kStoryPointTable[dynamics[d] + 2].name, names.value2);
        const char* alt1 = kStoryPointTable[dynamics[d] + 1].altName;
        const char* alt2 = kStoryPointTable[dynamics[d] + 2].altName;
        EXPECT_EQ(alt1 != nullptr, names.newValue1 != nullptr);
        EXPECT_EQ(alt2 != nullptr, names.newValue2 != nullptr);
        EXPECT_STREQ(alt1 ? alt1 : "", names.newValue1 ? names.newValue1 : "");
        EXPECT_STREQ(alt2 ? alt2 : "", names.newValue2 ? names.newValue2 : "");
    }
    // The derived impact character's Resolve has no values of its own.
    EXPECT_EQ(kStoryPointTable[3].id, kImpactResolveID);
    EXPECT_STREQ(kStoryPointTable[3].code, "ResOC");
    EXPECT_EQ(kStoryPointTable[3].engineField, 9999);
}

TEST(StoryPointTable, ThroughlineBlocksShareOneLayout) {
    const char* prefixes[] = {"ST", "MC", "OC", "PL"};
    const std::int16_t firstIDs[] = {12000, 15000, 18000, 21000};
    const std::int16_t kinds[kThroughlinePointCount] = {2, 3, 4, 5, 3, 5, 5, 5, 4, 4,
                                                        2, 3, 3, 3, 3, 3, 3, 2, 4};
    for (int t = 0; t < 4; ++t) {
        for (int offset = 0; offset < kThroughlinePointCount; ++offset) {
            const int index = kThroughlineFirstIndex[t] + offset;
            const StoryPointRecord& row = kStoryPointTable[index];
            EXPECT_EQ(row.id, firstIDs[t] + 100 * offset) << index;
            EXPECT_EQ(std::strncmp(row.code, prefixes[t], 2), 0) << index;
            EXPECT_STREQ(row.code + 2, kStoryPointTable[kThroughlineFirstIndex[0] + offset].code + 2)
                << index;
            EXPECT_EQ(row.kind, kinds[offset]) << index;
            // Fields 1-10 per throughline for the first ten points, 41-56 for the signposts, the
            // concern's and benchmark's fields again for goal and requirements, none for the rest.
            int field = 9999;
            if (offset < 10) field = 10 * t + offset + 1;
            if (offset >= 11 && offset <= 14) field = 41 + 4 * t + (offset - 11);
            if (offset == 15) field = 10 * t + 2;
            if (offset == 16) field = 10 * t + 5;
            EXPECT_EQ(row.engineField, field) << index;
        }
    }
    EXPECT_EQ(kThroughlineFirstIndex[3] + kThroughlinePointCount, kStoryPointCount);
}

TEST(StoryPointTable, CodesAndShortKeysAreUnique) {
    std::set<std::string> codes, shortKeys;
    int withCode = 0, withShortKey = 0;
    for (const StoryPointRecord& row : kStoryPointTable) {
        if (row.code) {
            ++withCode;
            codes.insert(row.code);
        }
        if (row.shortKey) {
            ++withShortKey;
            EXPECT_EQ(std::strlen(row.shortKey), 4u) << row.id;
            shortKeys.insert(row.shortKey);
        }
    }
    EXPECT_EQ(static_cast<int>(codes.size()), withCode);
    EXPECT_EQ(static_cast<int>(shortKeys.size()), withShortKey);
}

TEST(StoryPointTable, TermsInNamesAreTerminologyKeys) {
    // "{NDoma}" in a name stands for the term under the key "Doma".
    std::set<std::string> keys;
    for (const TerminologyRecord& row : kTerminologyTable) keys.insert(row.key);
    int terms = 0;
    for (const StoryPointRecord& row : kStoryPointTable) {
        for (const char* name : {row.name, row.altName}) {
            for (const char* open = name ? std::strchr(name, '{') : nullptr; open;
                 open = std::strchr(open + 1, '{')) {
                const char* close = std::strchr(open, '}');
                ASSERT_NE(close, nullptr) << name;
                ASSERT_EQ(open[1], 'N') << name;
                EXPECT_TRUE(keys.count(std::string(open + 2, close))) << name;
                ++terms;
            }
        }
    }
    EXPECT_GT(terms, 10);
}

TEST(TerminologyTable, KeysAreUniqueAndEachRowHasTermsOrAnId) {
    std::set<std::string> keys;
    for (const TerminologyRecord& row : kTerminologyTable) {
        keys.insert(row.key);
        if (row.id != 0) {
            // Keys that stand for a class or a type.
            EXPECT_GE(row.id, kFirstClassID) << row.key;
            EXPECT_LT(row.id, kFirstVariationID) << row.key;
            EXPECT_EQ(row.newTerm, nullptr) << row.key;
            EXPECT_EQ(row.originalTerm, nullptr) << row.key;
        } else {
            EXPECT_NE(row.newTerm, nullptr) << row.key;
            EXPECT_NE(row.originalTerm, nullptr) << row.key;
        }
    }
    EXPECT_EQ(keys.size(), static_cast<size_t>(kTerminologyCount));
}

TEST(TerminologyTable, AKeyWithAnIdIsAPieceOfThatElementsName) {
    const auto lower = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    int named = 0;
    for (const TerminologyRecord& row : kTerminologyTable) {
        if (row.id == 0) continue;
        EXPECT_NE(lower(kElementTable[row.id].name).find(lower(row.key)), std::string::npos) << row.key;
        ++named;
    }
    EXPECT_EQ(named, 20);  // the four classes and sixteen types
}

}  // namespace
