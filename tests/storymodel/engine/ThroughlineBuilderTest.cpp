#include "storymodel/engine/ThroughlineBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/QuadPartners.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StructurePasses.h"
#include "storymodel/engine/StructurePlaces.h"
#include "storymodel/engine/StructureWalk.h"

namespace {

std::int16_t IdOf(const char* code) {
    return static_cast<std::int16_t>(NodeForCode(GetDefaultThroughlineStructure(), code)->elementID);
}

int RankInClass(int id) { return (id - kFirstElementID) % kElementsPerClass; }

// A storyform from the dynamics' value indexes (Resolve .. Judgment) and the crucial element's code.
StoryformBuildInput Input(std::array<std::uint8_t, 8> dynamics, const char* crucial) {
    StoryformBuildInput input;
    input.dynamics = dynamics;
    input.crucialElement = IdOf(crucial);
    return input;
}

BuiltStoryform Build(const StoryformBuildInput& input) {
    BuiltStoryform built;
    EXPECT_TRUE(CalcStoryformCodes(input, built));
    return built;
}

std::int16_t Point(const BuiltStoryform& built, int throughline, int offset) {
    return built.points.GetValueAt(ThroughlineStoryPointIndex(throughline, offset));
}

std::string CodeOf(int id) { return ElementRecordByID(static_cast<std::int16_t>(id))->code; }

// Every dynamic setting with each of a few crucial elements.
std::vector<StoryformBuildInput> SampleInputs() {
    std::vector<StoryformBuildInput> inputs;
    for (int setting = 0; setting < 256; ++setting) {
        StoryformBuildInput input;
        for (int d = 0; d < 8; ++d)
            input.dynamics[static_cast<std::size_t>(d)] = static_cast<std::uint8_t>(setting >> d & 1);
        input.crucialElement = static_cast<std::int16_t>(kFirstElementID + (setting * 37) % 256);
        inputs.push_back(input);
    }
    return inputs;
}

// A structure as the hand-worked arrangements below write it: the classes held at class places 1-4;
// the types held at the 16 type places (class and type digits, a quad of places to a group); then,
// below the code's own places, the variations held at the places of its type and the elements held at
// the places of its variation.
std::string Shape(const ThroughlineStructure& structure, const std::string& code) {
    const auto held = [&](std::string place, std::size_t digits) {
        place.resize(5, '0');
        return CodeOf(NodeForCode(structure, place.c_str())->elementID).substr(0, digits);
    };
    std::string shape;
    for (char c = '1'; c <= '4'; ++c) shape += held({c}, 1);
    for (char c = '1'; c <= '4'; ++c) {
        shape += ' ';
        for (char t = '1'; t <= '4'; ++t) shape += held({c, t}, 2);
    }
    for (char v = '1'; v <= '4'; ++v) shape += ' ' + held(code.substr(0, 2) + v, 3);
    for (char e = '1'; e <= '4'; ++e) shape += ' ' + held(code.substr(0, 3) + e, 4);
    return shape;
}

// Arrangements worked out by hand from the builder's rules, step by step: for each storyform the
// level-table rows it matches, its circular order, the order numbers, the first-step fields and
// target digits, and then every exchange and rotation (by node or by place, with or without the
// blocks below or above) in turn. The storyforms take both table flags of each arrangement, Action and
// Decision, Do-er and Be-er, both Resolves and both Limits.
struct HandArrangement {
    std::array<std::uint8_t, 8> dynamics;  // Resolve .. Judgment
    const char* crucial;                   // the crucial problem's code
    // Where the first arrangement took the other crucial throughline's problem, from which the
    // second one starts (the main character's with Change, the overall story's with Steadfast).
    const char* second;
    const char* p;  // P's shape below the crucial code
    const char* q;  // Q's shape below the second code
};

constexpr HandArrangement kHandArrangements[] = {
    // Change, Stop, Do-er, Logical, Action, Timelock, Success, Good: first tables of both.
    {{0, 0, 0, 0, 0, 0, 0, 0},
     "2123",
     "4144",
     "4132 24222321 34313233 11121314 41424344 114 111 112 113 2224 2221 2222 2223",
     "4321 34313233 44424143 11121314 24222321 114 111 112 113 3141 3142 3143 3144"},
    // Steadfast, Start, Be-er, Intuitive, Decision, Optionlock, Failure, Bad.
    {{1, 1, 1, 1, 1, 1, 1, 1},
     "3241",
     "1241",
     "1342 11121314 34323133 41424344 21222324 421 422 423 424 4241 4242 4243 4244",
     "4321 44424341 14111213 34323133 21222324 421 423 422 424 3344 3342 3343 3341"},
    // Change, Start, Be-er, Intuitive, Action, Timelock, Failure, Good: second tables of both.
    {{0, 1, 1, 1, 0, 0, 1, 0},
     "1432",
     "4132",
     "2314 42434441 31323334 21222324 14121311 442 443 444 441 4432 4433 4434 4431",
     "1234 43424441 12131114 31323334 21222324 411 412 413 414 4141 4142 4143 4144"},
    // Steadfast, Stop, Do-er, Logical, Decision, Optionlock, Success, Bad.
    {{1, 0, 0, 0, 1, 1, 0, 1},
     "4314",
     "3323",
     "2431 21222324 41444243 31323334 11121314 131 132 133 134 1311 1312 1313 1314",
     "4321 34313233 21222324 43444241 11121314 214 212 213 211 1124 1122 1123 1121"},
    // Change, Stop, Do-er, Intuitive, Decision, Optionlock, Failure, Bad.
    {{0, 0, 0, 1, 1, 1, 1, 1},
     "3312",
     "3132",
     "3124 21222324 41424344 34323133 11121314 234 232 233 231 4221 4223 4222 4224",
     "4321 34333231 41424344 11121314 21222324 221 222 223 224 4431 4432 4433 4434"},
};

TEST(ThroughlineBuilder, ArrangementsWorkedOutByHand) {
    for (const HandArrangement& expected : kHandArrangements) {
        SCOPED_TRACE(expected.crucial);
        const StoryformBuildInput input =
            Input(expected.dynamics, (std::string(expected.crucial) + "0").c_str());
        const BuiltStoryform built = Build(input);
        const int other = input.IsSteadfast() ? kObjectiveStory : kMainCharacter;
        StructureCode second{};
        ASSERT_TRUE(
            FindHeldCode(built.p, static_cast<std::uint16_t>(Point(built, other, kProblemOffset)), second));
        EXPECT_EQ(std::string(second.data(), 4), expected.second);
        EXPECT_EQ(Shape(built.p, expected.crucial), expected.p);
        EXPECT_EQ(Shape(built.q, expected.second), expected.q);
        EXPECT_TRUE(built.shown == (input.IsIntuitive() ? built.q : built.p));
    }
}

TEST(ThroughlineBuilder, BenchmarkOfChangeLogicalGoodWithTheConcernAtPositionOne) {
    // Change, Logical, Good; the overall story's problem 21230 puts its concern at type 21000.
    const BuiltStoryform decision = Build(Input({0, 0, 0, 0, 1, 0, 0, 0}, "21230"));
    const BuiltStoryform action = Build(Input({0, 0, 0, 0, 0, 0, 0, 0}, "21230"));
    EXPECT_EQ(Point(decision, kObjectiveStory, kConcernOffset), IdOf("21000"));
    EXPECT_EQ(Point(decision, kObjectiveStory, kBenchmarkOffset), IdOf("23000"));
    EXPECT_EQ(Point(action, kObjectiveStory, kBenchmarkOffset), IdOf("24000"));
    EXPECT_EQ(Point(action, kObjectiveStory, kRequirementsOffset), IdOf("24000"));
}

TEST(ThroughlineBuilder, RebuildingGivesIdenticalStructuresAndValues) {
    const StoryformBuildInput first = Input({1, 1, 0, 1, 0, 1, 1, 0}, "34220");
    const StoryformBuildInput other = Input({0, 0, 1, 0, 1, 0, 0, 1}, "12140");
    const BuiltStoryform once = Build(first);
    BuiltStoryform again;
    ASSERT_TRUE(CalcStoryformCodes(other, again));
    ASSERT_TRUE(CalcStoryformCodes(first, again));
    EXPECT_TRUE(once == again);
    EXPECT_FALSE(once == Build(other));
}

TEST(ThroughlineBuilder, RefusesAnInputThatIsNoStoryform) {
    BuiltStoryform built = Build(Input({}, "11310"));
    StoryformBuildInput input = Input({}, "11310");
    input.crucialElement = 84;  // a variation
    EXPECT_FALSE(CalcStoryformCodes(input, built));
    EXPECT_TRUE(built == BuiltStoryform{});
    input.crucialElement = 341;  // a group node
    EXPECT_FALSE(CalcStoryformCodes(input, built));
    input = Input({}, "11310");
    input.dynamics[kDriver] = 2;
    EXPECT_FALSE(CalcStoryformCodes(input, built));
}

TEST(ThroughlineBuilder, ArrangementsKeepEveryQuadWhole) {
    const ThroughlineStructure& initial = GetDefaultThroughlineStructure();
    for (const StoryformBuildInput& input : SampleInputs()) {
        const BuiltStoryform built = Build(input);
        for (const ThroughlineStructure* structure : {&built.p, &built.q, &built.shown}) {
            std::vector<int> ids;
            for (std::size_t slot = 1; slot < structure->nodes.size(); ++slot) {
                const int held = structure->nodes[slot].elementID;
                ids.push_back(held);
                // Each node holds one of the same depth and level as the slot's own code.
                const std::string code = CodeOf(held);
                const std::string own = CodeOf(initial.nodes[slot].elementID);
                ASSERT_EQ(CodeDepth(code.c_str()), CodeDepth(own.c_str()));
                ASSERT_EQ(code[4], own[4]);
                ASSERT_EQ(structure->nodes[slot].classDigit, code[0] - '0');
            }
            std::sort(ids.begin(), ids.end());
            for (int k = 0; k < kLastElementID; ++k) ASSERT_EQ(ids[static_cast<std::size_t>(k)], k + 1);
            // The four items of every quad below the classes share their parent.
            for (int id = kFirstTypeID; id < kFirstGroupID; ++id) {
                const std::string code = CodeOf(id);
                if (code[static_cast<std::size_t>(CodeDepth(code.c_str()) - 1)] != '1') continue;
                std::set<std::string> parents;
                for (char place = '1'; place <= '4'; ++place) {
                    std::string sibling = code;
                    sibling[static_cast<std::size_t>(CodeDepth(code.c_str()) - 1)] = place;
                    const std::string held = CodeOf(NodeForCode(*structure, sibling.c_str())->elementID);
                    parents.insert(held.substr(0, static_cast<std::size_t>(CodeDepth(code.c_str()) - 1)));
                }
                ASSERT_EQ(parents.size(), 1u) << code;
            }
        }
    }
}

TEST(ThroughlineBuilder, TheChosenProblemStaysTheProblem) {
    for (const StoryformBuildInput& input : SampleInputs()) {
        const BuiltStoryform built = Build(input);
        const int crucial = input.IsSteadfast() ? kMainCharacter : kObjectiveStory;
        EXPECT_EQ(Point(built, crucial, kProblemOffset), input.crucialElement);
    }
}

TEST(ThroughlineBuilder, DomainsPositionsAndSignpostsOfTheFourThroughlines) {
    for (const StoryformBuildInput& input : SampleInputs()) {
        const BuiltStoryform built = Build(input);
        const int growth = input.IsStop() ? 1 : 2;
        const int os = Point(built, kObjectiveStory, kDomainOffset);
        const int mc = Point(built, kMainCharacter, kDomainOffset);
        EXPECT_EQ(mc, QuadPartner(growth, os));
        EXPECT_EQ(Point(built, kSubjectiveStory, kDomainOffset), QuadPartner(0, os));
        EXPECT_EQ(Point(built, kObstacleCharacter, kDomainOffset), QuadPartner(0, mc));
        std::set<int> positions;
        for (int t = 0; t < 4; ++t) {
            const int domain = Point(built, t, kDomainOffset);
            EXPECT_EQ(Point(built, t, kHomeClassOffset), '0' + domain);
            positions.insert(Point(built, t, kPositionOffset));
            // The signposts are the four types of the throughline's class, each once.
            std::set<int> types;
            for (int k = 0; k < 4; ++k) {
                const int type = Point(built, t, kSignpostOffset + k);
                EXPECT_EQ(ElementClassDigit(static_cast<std::int16_t>(type)), domain);
                EXPECT_GE(type, kFirstTypeID);
                EXPECT_LT(type, kFirstVariationID);
                types.insert(type);
            }
            EXPECT_EQ(types.size(), 4u);
            // Issue within concern within domain; the goal is the concern.
            const std::string issue = CodeOf(Point(built, t, kIssueOffset));
            EXPECT_EQ(issue.substr(0, 2) + "000", CodeOf(Point(built, t, kConcernOffset)));
            EXPECT_EQ(Point(built, t, kGoalOffset), Point(built, t, kConcernOffset));
            EXPECT_EQ(Point(built, t, kRequirementsOffset), Point(built, t, kBenchmarkOffset));
        }
        EXPECT_EQ(positions, (std::set<int>{1, 2, 3, 4}));
    }
}

TEST(ThroughlineBuilder, ProblemsAcrossTheThroughlines) {
    for (const StoryformBuildInput& input : SampleInputs()) {
        const BuiltStoryform built = Build(input);
        const int growth = input.IsStop() ? 1 : 2;
        const auto rank = [&](int t, int offset) { return RankInClass(Point(built, t, offset)); };
        if (input.IsChange()) {
            EXPECT_EQ(rank(kMainCharacter, kProblemOffset), rank(kObjectiveStory, kProblemOffset));
            EXPECT_EQ(rank(kObstacleCharacter, kFocusOffset), rank(kObjectiveStory, kFocusOffset));
        } else {
            EXPECT_EQ(rank(kMainCharacter, kFocusOffset), rank(kObjectiveStory, kFocusOffset));
            EXPECT_EQ(rank(kObstacleCharacter, kProblemOffset), rank(kObjectiveStory, kProblemOffset));
        }
        if (input.IsSuccess()) {
            EXPECT_EQ(rank(kSubjectiveStory, kFocusOffset), rank(kObjectiveStory, kFocusOffset));
        } else {
            EXPECT_EQ(rank(kSubjectiveStory, kProblemOffset), rank(kObjectiveStory, kProblemOffset));
        }
        for (int t = 0; t < 4; ++t) {
            // Each throughline's elements lie in its class; the focus is the problem's partner under
            // Growth, the solution and direction the dynamic partners of problem and focus.
            const std::string problem = CodeOf(Point(built, t, kProblemOffset));
            const std::string focus = CodeOf(Point(built, t, kFocusOffset));
            EXPECT_EQ(problem[0] - '0', Point(built, t, kDomainOffset));
            EXPECT_EQ(problem.substr(0, 3), focus.substr(0, 3));
            EXPECT_EQ(focus[3] - '0', QuadPartner(growth, problem[3] - '0'));
            StructureCode partner;
            QuadPartnerCode(1, 0, problem.c_str(), partner);
            EXPECT_EQ(Point(built, t, kSolutionOffset), IdOf(partner.data()));
            QuadPartnerCode(1, 0, focus.c_str(), partner);
            EXPECT_EQ(Point(built, t, kDirectionOffset), IdOf(partner.data()));
        }
    }
}

TEST(ThroughlineBuilder, CatalystsAndCriticalFlaws) {
    // Logical, Bad, Stop, Do-er, Change: with the overall story's issue at variation position 1
    // the catalyst takes position 4 of the same type.
    const StoryformBuildInput change = Input({0, 0, 0, 0, 0, 0, 0, 1}, "31120");
    const BuiltStoryform built = Build(change);
    ASSERT_EQ(CodeOf(Point(built, kObjectiveStory, kIssueOffset)), "31100");
    EXPECT_EQ(CodeOf(Point(built, kObjectiveStory, kCatalystOffset)), "31400");
    const int mcClass = Point(built, kMainCharacter, kDomainOffset);
    EXPECT_EQ(CodeOf(Point(built, kMainCharacter, kCatalystOffset)), std::to_string(mcClass) + "1400");
    EXPECT_EQ(CodeOf(Point(built, kSubjectiveStory, kCatalystOffset)), "21400");
    // With Change the flaw is the catalyst's kind-0 partner variation in the kind-0 partner class.
    EXPECT_EQ(CodeOf(Point(built, kObjectiveStory, kFlawOffset)), "21100");
    EXPECT_EQ(CodeOf(Point(built, kMainCharacter, kFlawOffset)), std::to_string(5 - mcClass) + "1100");

    // Intuitive, Success, Start, Be-er, Steadfast: the catalyst takes variation position 3 when
    // the issue is at 1 or 2, else 1; the flaws move under pair kind 1.
    const BuiltStoryform other = Build(Input({1, 1, 1, 1, 0, 0, 0, 0}, "12210"));
    const std::string issue = CodeOf(Point(other, kObjectiveStory, kIssueOffset));
    const std::string catalyst = CodeOf(Point(other, kObjectiveStory, kCatalystOffset));
    EXPECT_EQ(catalyst, issue.substr(0, 2) + (issue[2] <= '2' ? "300" : "100"));
    std::string flaw = catalyst;
    flaw[0] = static_cast<char>('0' + QuadPartner(1, catalyst[0] - '0'));
    flaw[2] = static_cast<char>('0' + QuadPartner(1, catalyst[2] - '0'));
    EXPECT_EQ(CodeOf(Point(other, kObjectiveStory, kFlawOffset)), flaw);
}

TEST(ThroughlineBuilder, PositionBytesRecordTheArrangements) {
    const BuiltStoryform built = Build(Input({0, 1, 0, 0, 1, 0, 1, 0}, "42310"));
    // Logical: P keeps each node's default position and records where the first arrangement put
    // it; Q carries both along through the second arrangement.
    const ThroughlineStructure& initial = GetDefaultThroughlineStructure();
    for (std::size_t slot = 1; slot < built.p.nodes.size(); ++slot) {
        const StructureNode& node = built.p.nodes[slot];
        EXPECT_EQ(node.position, CodePositionDigit(CodeOf(node.elementID).c_str()));
        EXPECT_EQ(node.positionA, initial.nodes[slot].position);
    }
    for (const StructureNode& node : built.q.nodes) {
        if (node.elementID == 0) continue;
        const std::uint16_t id = node.elementID;
        const auto inP = std::find_if(built.p.nodes.begin(), built.p.nodes.end(),
                                      [id](const StructureNode& n) { return n.elementID == id; });
        EXPECT_EQ(node.positionA, inP->positionA);
    }
    EXPECT_TRUE(built.shown == built.p);
}

TEST(ThroughlineBuilder, ThePositionCallbacksGiveEachNodeItsCodesPlaceAndGoOn) {
    ThroughlineStructure structure;
    EXPECT_EQ(IterateAllNodes([&](const char* code) { return SetPositionBFromCode(structure, code); }, 0, -1),
              kWalkEnded);
    const ThroughlineStructure& initial = GetDefaultThroughlineStructure();
    for (std::size_t slot = 1; slot < structure.nodes.size(); ++slot) {
        EXPECT_EQ(structure.nodes[slot].positionB, initial.nodes[slot].position) << slot;
        EXPECT_EQ(structure.nodes[slot].position, 0) << "only its own byte changes";
        EXPECT_EQ(structure.nodes[slot].positionA, 0);
    }
    StructureNode* node = NodeForCode(structure, "31240");
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(SetPositionFromCode(structure, "31240"), kWalkContinue);
    EXPECT_EQ(SetPositionAFromCode(structure, "31240"), kWalkContinue);
    EXPECT_EQ(node->position, 4);
    EXPECT_EQ(node->positionA, 4);
    // A code that addresses no node changes nothing, and the walk goes on.
    const ThroughlineStructure before = structure;
    EXPECT_EQ(SetPositionFromCode(structure, "30240"), kWalkContinue);
    EXPECT_TRUE(structure == before);
}

}  // namespace
