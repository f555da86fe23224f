// The derived story points of a storyform: the four dynamic appreciations, and what a recount
// that leaves more than one storyform clears: every value of a single storyform that was in force,
// and otherwise what only a single storyform's structure gives, never a writer's answer.

#include <gtest/gtest.h>

#include <vector>

#include "storymodel/engine/DynamicAppreciations.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/QuadBlocks.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryFormTestSupport.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryPointValues.h"

namespace {

constexpr int kNature = 25;
constexpr int kEssence = 30;
constexpr int kTendency = 33;
constexpr int kReach = 36;

using StoryFormRebuildTest = StoryFormTest;

struct AppreciationCase {
    std::int16_t firstDynamic;  // id
    std::int16_t firstValue;
    std::int16_t secondDynamic;
    std::int16_t secondValue;
    int appreciation;  // index
    std::int16_t expected;
};

TEST_F(StoryFormRebuildTest, EachDynamicAppreciationFollowsItsPairOfDynamics) {
    StoryFormManager& storyForm = MakeManager();
    const std::vector<AppreciationCase> cases = {
        {1000, 1001, 1060, 1061, kNature, 1101},   {1000, 1001, 1060, 1062, kNature, 1102},
        {1000, 1002, 1060, 1061, kNature, 1103},   {1000, 1002, 1060, 1062, kNature, 1104},
        {1010, 1012, 1070, 1071, kEssence, 1111},  {1010, 1012, 1070, 1072, kEssence, 1112},
        {1010, 1011, 1070, 1071, kEssence, 1112},  {1010, 1011, 1070, 1072, kEssence, 1111},
        {1020, 1021, 1040, 1041, kTendency, 1121}, {1020, 1021, 1040, 1042, kTendency, 1122},
        {1020, 1022, 1040, 1041, kTendency, 1122}, {1020, 1022, 1040, 1042, kTendency, 1121},
        {1030, 1031, 1050, 1052, kReach, 1131},    {1030, 1031, 1050, 1051, kReach, 1132},
        {1030, 1032, 1050, 1052, kReach, 1133},    {1030, 1032, 1050, 1051, kReach, 1134},
    };
    for (const AppreciationCase& c : cases) {
        SCOPED_TRACE(c.expected);
        storyForm.SetValue(c.firstDynamic, c.firstValue);
        storyForm.SetValue(c.secondDynamic, c.secondValue);
        UpdateDynamicAppreciations(storyForm);
        EXPECT_EQ(storyForm.GetValueAt(c.appreciation), c.expected);
    }
}

TEST_F(StoryFormRebuildTest, ADynamicWithoutAValueCountsAsItsSecondValue) {
    StoryFormManager& storyForm = MakeManager();
    StoryFormWatcher watcher(storyForm);
    storyForm.UpdateDynamicAppreciations();
    // Steadfast and Failure; Start and Bad; Be-er and Decision; Intuitive and Optionlock.
    EXPECT_EQ(storyForm.GetValueAt(kNature), 1104);
    EXPECT_EQ(storyForm.GetValueAt(kEssence), 1112);
    EXPECT_EQ(storyForm.GetValueAt(kTendency), 1121);
    EXPECT_EQ(storyForm.GetValueAt(kReach), 1133);
    // Values in force only.
    EXPECT_EQ(storyForm.GetChosenValueAt(kNature), 0);
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);
}

// Every throughline point, sorted: those only a single storyform's structure gives (position, home
// class, counterpoint) and the rest, signposts among them.
struct RebuildRows {
    std::vector<int> structureOnly = {kNature, kEssence, kTendency, kReach};
    std::vector<int> others;
    RebuildRows() {
        for (int throughline = 0; throughline < 4; ++throughline) {
            for (int offset = 0; offset < kThroughlinePointCount; ++offset) {
                const int index = ThroughlineStoryPointIndex(throughline, offset);
                const bool derived = offset == 10 || offset == 17 || offset == 18;
                (derived ? structureOnly : others).push_back(index);
            }
        }
        // The dynamics and the impact character's resolve; value rows hold no value of a story.
        for (int index = 0; index < kThroughlineFirstIndex[0]; ++index) {
            if (StoryPointAt(index)->kind == kValueRow) continue;
            if (index != kNature && index != kEssence && index != kTendency && index != kReach)
                others.push_back(index);
        }
    }
};

// While the single storyform's values were in force (the structures valid), a count of more puts
// every point back to what the writer chose: a signpost, a benchmark and a home class the writer
// answered come back, and every point without an answer goes to nothing.
TEST_F(StoryFormRebuildTest, LeavingASingleStoryformPutsEveryPointBackToTheWritersAnswer) {
    StoryFormManager& storyForm = MakeManager(2, 1);
    StoryFormWatcher watcher(storyForm);
    const RebuildRows rows;
    const int signpost = ThroughlineStoryPointIndex(0, kSignpostOffset);
    const int benchmark = ThroughlineStoryPointIndex(1, kBenchmarkOffset);
    const int home = ThroughlineStoryPointIndex(2, kHomeClassOffset);
    storyForm.SetChoiceAt(signpost, 5);
    storyForm.SetChoiceAt(benchmark, 9);
    storyForm.SetChoiceAt(home, '4');
    storyForm.SetChoiceAt(DynamicIndex(kResolve), 1001);
    for (int index = 0; index < kStoryPointCount; ++index) storyForm.SetValueAt(index, 7);
    document_->SetClean();
    watcher.heard = 0;
    ThroughlineStructure* first = storyForm.GetThroughlineStructure(1);
    first->nodes[3].position = 9;
    const ThroughlineStructure before = *first;

    storyForm.RebuildThroughlineStructures();
    EXPECT_EQ(storyForm.GetStructuresValid(), 0);
    for (const std::vector<int>* group : {&rows.structureOnly, &rows.others}) {
        for (const int index : *group)
            EXPECT_EQ(storyForm.GetValueAt(index), storyForm.GetChosenValueAt(index)) << index;
    }
    EXPECT_EQ(storyForm.GetValueAt(signpost), 5);
    EXPECT_EQ(storyForm.GetValueAt(benchmark), 9);
    EXPECT_EQ(storyForm.GetValueAt(home), '4');
    EXPECT_EQ(storyForm.GetValueAt(DynamicIndex(kResolve)), 1001);
    EXPECT_EQ(storyForm.GetValueAt(ThroughlineStoryPointIndex(3, kProblemOffset)), 0);
    // The structures stay as they are; nothing is announced.
    EXPECT_EQ(*storyForm.GetThroughlineStructure(1), before);
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);
}

// With more storyforms than one and no single storyform's values in force (a story opened or
// counted again at that count), only what a single storyform's structure alone gives goes back to
// the writer's answer. A signpost the writer answered, or one that every remaining storyform
// shares, stays in force.
TEST_F(StoryFormRebuildTest, MoreThanOneStoryformClearsOnlyWhatAStructureAloneGives) {
    StoryFormManager& storyForm = MakeManager(2, 0);
    StoryFormWatcher watcher(storyForm);
    const RebuildRows rows;
    const int chosenSignpost = ThroughlineStoryPointIndex(0, kSignpostOffset + 2);
    storyForm.SetChoiceAt(chosenSignpost, 6);
    const int chosenHome = ThroughlineStoryPointIndex(2, kHomeClassOffset);
    storyForm.SetChoiceAt(chosenHome, '4');
    for (int index = 0; index < kStoryPointCount; ++index) storyForm.SetValueAt(index, 7);
    storyForm.SetValueAt(chosenSignpost, 6);
    storyForm.SetValueAt(chosenHome, '1');
    document_->SetClean();
    watcher.heard = 0;

    storyForm.RebuildThroughlineStructures();
    EXPECT_EQ(storyForm.GetStructuresValid(), 0);
    for (const int index : rows.structureOnly) {
        if (index == chosenHome) continue;
        EXPECT_EQ(storyForm.GetValueAt(index), 0) << index;
    }
    EXPECT_EQ(storyForm.GetValueAt(chosenHome), '4');
    for (const int index : rows.others) {
        if (index == chosenSignpost) continue;
        EXPECT_EQ(storyForm.GetValueAt(index), 7) << index;
    }
    EXPECT_EQ(storyForm.GetValueAt(chosenSignpost), 6) << "the writer's signpost";
    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);
}

// Change, Stop, Do-er, Logical, Action, Timelock, Success, Good, with an overall story problem.
void ChooseSingleStoryform(StoryFormManager& storyForm, std::int16_t problem) {
    for (const std::int16_t dynamic : {1000, 1010, 1020, 1030, 1040, 1050, 1060, 1070}) {
        storyForm.SetValue(dynamic, static_cast<std::int16_t>(dynamic + 1));
    }
    storyForm.SetValue(12300, problem);
}

std::vector<ThroughlineStructure> Structures(StoryFormManager& storyForm) {
    std::vector<ThroughlineStructure> structures;
    for (std::uint16_t throughline = 1; throughline <= 4; ++throughline) {
        structures.push_back(*storyForm.GetThroughlineStructure(throughline));
    }
    return structures;
}

TEST_F(StoryFormRebuildTest, OneStoryformLeftBuildsItsStructuresAndPointsTheSameEachTime) {
    StoryFormManager& storyForm = MakeManager(1, 0);
    ChooseSingleStoryform(storyForm, 90);
    StoryFormWatcher watcher(storyForm);

    storyForm.RebuildThroughlineStructures();
    EXPECT_EQ(storyForm.GetStructuresValid(), 1);
    // The appreciations of Change and Success, Stop and Good, Do-er and Action, Logical and Timelock.
    EXPECT_EQ(storyForm.GetValueAt(kNature), 1101);
    EXPECT_EQ(storyForm.GetValueAt(kEssence), 1112);
    EXPECT_EQ(storyForm.GetValueAt(kTendency), 1121);
    EXPECT_EQ(storyForm.GetValueAt(kReach), 1132);
    // Every throughline has its position, signposts and home class.
    for (int throughline = 0; throughline < 4; ++throughline) {
        for (const int offset : {10, 11, 12, 13, 14, 17}) {
            const int index = ThroughlineStoryPointIndex(throughline, offset);
            EXPECT_TRUE(IsStoryPointValue(index, storyForm.GetValueAt(index))) << index;
        }
    }

    // Structure 4 keeps its elements where they were and takes the position bytes that structure 3
    // gives each element.
    const ThroughlineStructure& defaults = GetDefaultThroughlineStructure();
    ThroughlineStructure& derived = *storyForm.GetThroughlineStructure(3);
    ThroughlineStructure& positions = *storyForm.GetThroughlineStructure(4);
    EXPECT_NE(derived, defaults);
    for (std::int16_t id = 1; id <= kLastElementID; ++id) {
        const char* code = ElementRecordByID(id)->code;
        EXPECT_EQ(NodeForCode(positions, code)->elementID, id);
        const StructureNode& source = *NodeForCode(derived, code);
        const StructureNode& target = *NodeOfElement(positions, static_cast<std::int16_t>(source.elementID));
        EXPECT_EQ(target.position, source.position) << id;
        EXPECT_EQ(target.positionA, source.positionA) << id;
        EXPECT_EQ(target.positionB, source.positionB) << id;
    }

    // Once more: the same structures and values.
    const std::vector<ThroughlineStructure> structures = Structures(storyForm);
    const StoryFormState state = *storyForm.SaveState();
    storyForm.RebuildThroughlineStructures();
    EXPECT_EQ(Structures(storyForm), structures);
    EXPECT_EQ(*storyForm.SaveState(), state);

    // More storyforms possible: the values the single storyform had in force go (the dynamics
    // were never chosen). Then one again, its values put in force again first, as a count does.
    storyForm.SetStoryformCount(3);
    storyForm.RebuildThroughlineStructures();
    EXPECT_EQ(storyForm.GetStructuresValid(), 0);
    EXPECT_EQ(storyForm.GetValueAt(ThroughlineStoryPointIndex(1, 10)), 0);
    EXPECT_EQ(storyForm.GetValueAt(ThroughlineStoryPointIndex(2, kSignpostOffset)), 0);
    EXPECT_EQ(storyForm.GetValueAt(DynamicIndex(kResolve)), 0);
    ChooseSingleStoryform(storyForm, 90);
    storyForm.SetStoryformCount(1);
    storyForm.RebuildThroughlineStructures();
    EXPECT_EQ(storyForm.GetStructuresValid(), 1);
    EXPECT_EQ(Structures(storyForm), structures);
    EXPECT_EQ(*storyForm.SaveState(), state);

    EXPECT_EQ(watcher.heard, 0);
    EXPECT_FALSE(document_->dirty);
}

TEST_F(StoryFormRebuildTest, ValuesInForceThatMakeNoStoryformLeaveTheStructuresInvalid) {
    StoryFormManager& storyForm = MakeManager(1, 1);
    ChooseSingleStoryform(storyForm, 90);
    storyForm.RebuildThroughlineStructures();
    ASSERT_EQ(storyForm.GetStructuresValid(), 1);
    const std::vector<ThroughlineStructure> structures = Structures(storyForm);

    // The crucial problem without a value in force.
    storyForm.SetValue(12300, 0);
    storyForm.RebuildThroughlineStructures();
    EXPECT_EQ(storyForm.GetStructuresValid(), 0);
    EXPECT_EQ(storyForm.GetValueAt(kNature), 0);
    EXPECT_EQ(storyForm.GetValueAt(ThroughlineStoryPointIndex(0, 11)), 0);
    EXPECT_EQ(Structures(storyForm), structures);

    // A dynamic without one.
    storyForm.SetValue(12300, 90);
    storyForm.SetValue(1040, 0);
    storyForm.RebuildThroughlineStructures();
    EXPECT_EQ(storyForm.GetStructuresValid(), 0);
    EXPECT_EQ(storyForm.GetValueAt(ThroughlineStoryPointIndex(3, 10)), 0);
}

}  // namespace
