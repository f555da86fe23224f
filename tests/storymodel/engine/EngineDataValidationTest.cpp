// The engine data file the build generated, checked over all 16,384 storyform indexes: the ranges
// every value must keep, the relations between the throughlines, every engine field against the
// throughline structure builder's value for that storyform, and that the solver can tell the 128
// arrangements of each dynamic setting apart.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "storymodel/engine/EngineGeneration.h"
#include "storymodel/engine/EngineTestSupport.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StoryformSolver.h"
#include "storymodel/engine/StructurePasses.h"
#include "storymodel/engine/ThroughlineBuilder.h"

namespace {

using EngineDataValidation = EngineFileTest;

// The record byte of an index.
int R(const EngineRecordSet& records, int record, int n) {
    return records[static_cast<std::size_t>(record)][n];
}

// The code of the element of a class index and rank.
std::string ElementCode(int classIndex, int rank) {
    return kElementTable[static_cast<std::size_t>(kFirstElementID + kElementsPerClass * classIndex + rank)]
        .code;
}

TEST_F(EngineDataValidation, TheGeneratedFilePassesTheStartUpCheck) {
    EXPECT_EQ(CheckEngineTables(), kNoErr);
}

TEST_F(EngineDataValidation, RelationsBetweenTheThroughlines) {
    const EngineRecordSet& records = EngineTableReader::Instance().Records();
    for (int n = 0; n < kStoryformIndexCount; ++n) {
        SCOPED_TRACE(n);
        const auto field = [&](int f) {
            return static_cast<int>(EngineFieldValue(records, f, static_cast<std::uint16_t>(n)));
        };
        const bool change = DynamicValueIndex(static_cast<std::uint16_t>(n), kResolve) == 0;
        const bool success = DynamicValueIndex(static_cast<std::uint16_t>(n), kOutcome) == 0;
        const int g =
            DynamicValueIndex(static_cast<std::uint16_t>(n), kGrowth) == 0 ? 1 : 2;  // as 0-based masks

        // Domains: the main character's is the overall story's Growth partner; the other two are
        // their kind-0 partners.
        std::array<int, 4> cls{};
        for (int t = 0; t < 4; ++t) cls[static_cast<std::size_t>(t)] = field(10 * t + 1);
        ASSERT_EQ(cls[1], cls[0] ^ g);
        ASSERT_EQ(cls[3], cls[0] ^ 3);
        ASSERT_EQ(cls[2], cls[1] ^ 3);
        // The subjective story's issue is the overall story's moved into its class, the impact
        // character's the main character's.
        ASSERT_EQ(R(records, 33, n) & 15, R(records, 3, n) & 15);
        ASSERT_EQ(R(records, 23, n) & 15, R(records, 13, n) & 15);

        std::array<std::string, 4> problem, focus;
        for (int t = 0; t < 4; ++t) {
            const int c = cls[static_cast<std::size_t>(t)];
            problem[static_cast<std::size_t>(t)] = ElementCode(c, field(10 * t + 4));
            focus[static_cast<std::size_t>(t)] = ElementCode(c, field(10 * t + 7));
            // The focus shares the problem's variation at the problem's Growth-partner place.
            ASSERT_EQ(problem[static_cast<std::size_t>(t)].substr(0, 3),
                      focus[static_cast<std::size_t>(t)].substr(0, 3));
            ASSERT_EQ(focus[static_cast<std::size_t>(t)][3] - '0',
                      QuadPartner(g, problem[static_cast<std::size_t>(t)][3] - '0'));
            // Benchmarks share one type position and lie in their throughline's class.
            ASSERT_EQ(field(10 * t + 5) >> 2, c);
            ASSERT_EQ(field(10 * t + 5) & 3, field(5) & 3);
            // Signposts: the four types of the class, each once.
            std::set<int> types;
            for (int k = 0; k < 4; ++k) types.insert(field(41 + 4 * t + k));
            ASSERT_EQ(types, (std::set<int>{4 * c, 4 * c + 1, 4 * c + 2, 4 * c + 3}));
            // Unique abilities and catalysts share the overall story's catalyst's type and
            // variation positions; the flaw is its partner variation in the partner class.
            const int catalyst = field(10 * t + 9);
            ASSERT_EQ(catalyst >> 4, c);
            ASSERT_EQ(catalyst & 15, field(9) & 15);
            const int k = change ? 3 : 1;
            ASSERT_EQ(field(10 * t + 10),
                      ((catalyst >> 4) ^ k) << 4 | (catalyst & 12) | ((catalyst & 3) ^ k));
        }
        // The two crucial throughlines' problems lie in their issues.
        for (int t : {0, 1}) {
            const int issue = field(10 * t + 3);
            ASSERT_EQ(problem[static_cast<std::size_t>(t)][1] - '1', (issue >> 2) & 3);
            ASSERT_EQ(problem[static_cast<std::size_t>(t)][2] - '1', issue & 3);
        }
        // The overall story's catalyst lies in its concern.
        ASSERT_EQ(field(9) >> 2, field(3) >> 2);
        // Element names shared across the throughlines.
        if (change) {
            ASSERT_EQ(field(14), field(4));
            ASSERT_EQ(field(27), field(7));
        } else {
            ASSERT_EQ(field(17), field(7));
            ASSERT_EQ(field(24), field(4));
        }
        ASSERT_EQ(success ? field(37) : field(34), success ? field(7) : field(4));
    }
}

TEST_F(EngineDataValidation, EveryFieldIsTheBuildersValue) {
    BuiltStoryform built;
    for (int n = 0; n < kStoryformIndexCount; ++n) {
        SCOPED_TRACE(n);
        const StoryformBuildInput input = EngineStoryformInput(static_cast<std::uint16_t>(n));
        ASSERT_TRUE(CalcStoryformCodes(input, built));
        // The storyform's crucial problem is the one the index names, so a rebuild from the values
        // the solver applies gives this storyform again.
        const int crucial = input.IsSteadfast() ? kMainCharacter : kObjectiveStory;
        ASSERT_EQ(built.points.GetValueAt(ThroughlineStoryPointIndex(crucial, kProblemOffset)),
                  input.crucialElement);
        for (int row = 0; row < kStoryPointCount; ++row) {
            const StoryPointRecord& point = kStoryPointTable[static_cast<std::size_t>(row)];
            if (!HasEngineValue(point)) continue;
            ASSERT_EQ(
                StoryformSolver::EngineValueID(static_cast<std::uint16_t>(n), point.engineField, point.kind),
                built.points.GetValueAt(row))
                << point.code;
        }
        for (int d = 0; d < kDynamicCount; ++d) {
            ASSERT_EQ(StoryformSolver::DynamicValueID(static_cast<std::uint16_t>(n), d),
                      DynamicPointID(d) + 1 + input.dynamics[static_cast<std::size_t>(d)]);
        }
    }
}

TEST_F(EngineDataValidation, LimitChangesNoStoryPoint) {
    BuiltStoryform timelock, optionlock;
    for (int n = 0; n < kStoryformIndexCount; n += 3) {
        StoryformBuildInput input = EngineStoryformInput(static_cast<std::uint16_t>(n));
        ASSERT_TRUE(CalcStoryformCodes(input, timelock));
        input.dynamics[kLimit] = 1;
        ASSERT_TRUE(CalcStoryformCodes(input, optionlock));
        ASSERT_TRUE(timelock.points == optionlock.points) << n;
    }
}

TEST_F(EngineDataValidation, TheArrangementsOfEachDynamicSettingDiffer) {
    const EngineRecordSet& records = EngineTableReader::Instance().Records();
    for (int setting = 0; setting < kStoryformIndexCount; setting += kArrangementCount) {
        std::set<std::vector<std::uint8_t>> seen;
        for (int n = setting; n < setting + kArrangementCount; ++n) {
            std::vector<std::uint8_t> visible;
            for (int field = 1; field < kEngineFieldCount; ++field) {
                visible.push_back(EngineFieldValue(records, field, static_cast<std::uint16_t>(n)));
            }
            seen.insert(visible);
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(kArrangementCount)) << setting;
    }
}

}  // namespace
