// A writer's walk along every storyforming road of the program's own question lists (the whole
// storyform, the character, plot and theme roads, and Plotpilot), with fixed seeds: each dynamic
// and finder question met is answered with a value it offers, sometimes with several, and answers
// are taken back on the way and after it. After every step the story keeps each answer as it was
// given, the count is the one a solver of the test's own makes over the stored answers, and every
// story point in force is what those answers give: with one storyform left, its values; otherwise
// the writer's answer, or a value every storyform left shares. Every few steps the story is saved
// and opened again, and shows the same story points as before.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "StoryAnswersFixture.h"
#include "query/FQSFinderChoice.h"
#include "query/FQSRadioPages.h"
#include "query/data/QuerySolver.h"
#include "storymodel/engine/Dynamics.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointValues.h"

namespace querytest {
namespace {

constexpr int kStepsBetweenSaves = 3;
constexpr int kTakeBackSteps = 16;

// A value as the walk compares it: an element folded onto the first class's elements.
std::int16_t Folded(std::int16_t value) { return IsElementID(value) ? FinderShownElement(value) : value; }

class AnswersWalk : public StoryAnswersTest {
protected:
    // Walks the list from its first row to its last with the seed, answering on the way, then
    // takes answers back on rows picked at random.
    void WalkRoad(std::int16_t listId, unsigned seed) {
        SCOPED_TRACE("list " + std::to_string(listId) + ", seed " + std::to_string(seed));
        random.seed(seed);
        given.clear();
        order.clear();
        saved = false;
        steps = 0;
        Open(listId);
        file = "walk" + std::to_string(listId) + "-" + std::to_string(seed) + ".fsf";
        Walk();
        for (const std::string& asked : Asked())
            EXPECT_NE(asked.rfind("Ouch!", 0), 0u) << "a valid answer left none";
        if (story) story->SetClean();
        application->CloseAll(true);
        Run();
        window = nullptr;
    }

    void Walk() {
        for (int guard = 0; guard < 400; ++guard) {
            Act(0.25);
            if (HasFailure()) return;
            const std::int32_t row = window->GetCurrentRow();
            if (row + 1 >= window->GetQuestionList().Count()) break;
            Hit(FQSWindow::kNextItem);
            ASSERT_EQ(window->GetCurrentRow(), row + 1);
        }
        // The rows of the questions, by the point each answers.
        std::map<std::int32_t, int> answerable;
        for (std::int32_t row = 0; row < window->GetQuestionList().Count(); ++row) {
            window->GetTopicTree()->SelectNode(row, true);
            Run();
            if (IsStoryformPage(window->GetPage()))
                answerable[row] = StoryPointIndex(window->GetPage()->GetStoryPointId());
        }
        ASSERT_FALSE(answerable.empty());
        for (int step = 0; step < kTakeBackSteps && !HasFailure(); ++step) {
            // Mostly a question answered already, to take its answer back.
            std::vector<std::int32_t> rows;
            const bool answered = Chance(0.75);
            // At one storyform, often the answer given last: the likeliest to have left one.
            const bool latest = answered && story->GetStoryformCount() == 1 && !order.empty() && Chance(0.6);
            for (const auto& [row, index] : answerable) {
                if (latest ? index == order.back() : !answered || given.count(index)) rows.push_back(row);
            }
            if (rows.empty()) continue;
            window->GetTopicTree()->SelectNode(rows[Pick(rows.size())], true);
            Run();
            // Back and forth: at one storyform answers mostly go, with more they mostly come.
            Act(story->GetStoryformCount() == 1 ? 0.9 : 0.4);
        }
    }

    static bool IsStoryformPage(FQSPage* page) {
        return dynamic_cast<FQSDynamicRadioPage*>(page) || dynamic_cast<FQSStructuralFinderPage*>(page);
    }
    std::size_t Pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; }

    // One step on the page shown: an answer, several, or one taken back (at the rate given); then
    // the checks, and every few steps a save and an open.
    void Act(double takeBack) {
        FQSPage* page = window->GetPage();
        if (!IsStoryformPage(page)) return;
        const std::int16_t point = page->GetStoryPointId();
        const int index = StoryPointIndex(point);
        if (dynamic_cast<FQSDynamicRadioPage*>(page)) {
            std::vector<std::int32_t> enabled;
            for (std::int32_t i = 0; i < 2 && i < page->GetRadioCount(); ++i)
                if (page->GetRadio(i)->IsEnabled()) enabled.push_back(i);
            if (given.count(index) && Chance(takeBack)) {
                ClickRadio(2);
                Forget(index);
            } else if (!enabled.empty()) {
                const std::int32_t radio = enabled[Pick(enabled.size())];
                ClickRadio(radio);
                Remember(index, {DynamicValue((point - DynamicPointID(0)) / 10, radio)});
            }
        } else {
            auto* finder = static_cast<FQSStructuralFinderPage*>(page);
            const std::vector<std::int16_t> taken = Unmarked(finder->GetChosenList());
            if (!taken.empty() && Chance(takeBack)) {
                RemoveFinderValue(taken[Pick(taken.size())]);
            } else {
                for (int added = 0; added < 2; ++added) {
                    const std::vector<std::int16_t> offered = Offered();
                    if (offered.empty() || (added == 1 && !Chance(0.5))) break;
                    AddFinderValue(offered[Pick(offered.size())]);
                }
            }
            RecordFinderAnswer(*finder, index);
        }
        ++steps;
        ExpectAnswersKept();
        ExpectInForce();
        if (steps % kStepsBetweenSaves == 0 && !HasFailure()) ExpectSameAfterReopening();
    }

    static std::vector<std::int16_t> Unmarked(const TopicListView* list) {
        std::vector<std::int16_t> ids;
        for (std::int32_t row = 0; list && row < list->GetTopicCount(); ++row)
            if (list->GetTopicMark(row) == 0) ids.push_back(list->GetTopicID(row));
        return ids;
    }
    // The finder's chosen rows as the writer's answer: every row while one is still possible.
    void RecordFinderAnswer(const FQSStructuralFinderPage& finder, int index) {
        const TopicListView* list = finder.GetChosenList();
        std::set<std::int16_t> values;
        if (!Unmarked(list).empty()) {
            for (std::int32_t row = 0; row < list->GetTopicCount(); ++row)
                values.insert(list->GetTopicID(row));
        }
        if (values.empty()) {
            Forget(index);
        } else if (const auto found = given.find(index); found == given.end() || found->second != values) {
            Remember(index, values);
        }
    }
    void Remember(int index, const std::set<std::int16_t>& values) {
        Forget(index);
        given[index] = values;
        order.push_back(index);
    }
    void Forget(int index) {
        given.erase(index);
        order.erase(std::remove(order.begin(), order.end(), index), order.end());
    }

    // Each point's stored answer is the one the walk gave it, folded; no other point has one.
    void ExpectAnswersKept() {
        for (int index = 0; index < kStoryPointCount; ++index) {
            if (StoryPointAt(index)->kind >= kValueRow) continue;
            const std::int16_t chosen = Form().GetChosenValueAt(index);
            std::set<std::int16_t> stored;
            if (chosen == -1) {
                SList values;
                Form().GetMultipleChoices(index, values);
                for (std::int32_t i = 0; i < values.Count(); ++i) stored.insert(Folded(values.GetAt(i)));
            } else if (chosen != 0) {
                stored.insert(Folded(chosen));
            }
            const auto found = given.find(index);
            EXPECT_EQ(stored, found == given.end() ? std::set<std::int16_t>{} : found->second)
                << StoryPointAt(index)->code << " after step " << steps;
        }
    }

    // The count is the test's own over the stored answers; every value in force is one the
    // answers give.
    void ExpectInForce() {
        ASSERT_EQ(story->GetStoryformCount(), CountStored().Count()) << "after step " << steps;
        StoryformSolver& solver = CountEveryPoint();
        const bool single = solver.Count() == 1;
        for (int index = 0; index < kStoryPointCount; ++index) {
            const StoryPointRecord& row = *StoryPointAt(index);
            // The impact character's resolve is read from the main character's.
            if (row.kind >= kValueRow || row.id == kImpactResolveID) continue;
            const std::int16_t inForce = Form().GetValueAt(index);
            const std::int16_t chosen = Form().GetChosenValueAt(index);
            const SolverConstraint* record = FindConstraintOf(solver, row.id);
            const std::string where =
                std::string(row.code ? row.code : "?") + " after step " + std::to_string(steps);
            if (!record) {
                // Only a single storyform's structure gives these.
                if (single) {
                    EXPECT_TRUE(IsStoryPointValue(index, inForce)) << where;
                } else {
                    EXPECT_EQ(inForce, chosen) << where;
                }
                continue;
            }
            const std::int16_t shared = SharedValue(solver, row);
            if (single) {
                const auto number = static_cast<std::uint16_t>(solver.SingleNumber());
                const std::int16_t expected =
                    row.kind == kDynamicPoint
                        ? StoryformSolver::DynamicValueID(number, (row.id - DynamicPointID(0)) / 10)
                        : StoryformSolver::EngineValueID(number, row.engineField, row.kind);
                EXPECT_EQ(inForce, expected) << where << ": the single storyform's value";
            } else if (chosen > 0) {
                EXPECT_EQ(inForce, chosen) << where << ": the writer's answer";
            } else {
                // Several values or none answered: that, or what every storyform left shares.
                const bool shares = shared != 0 && Folded(inForce) == shared;
                EXPECT_TRUE(inForce == chosen || shares) << where << ": " << inForce << " in force";
            }
        }
    }

    // Saved and opened again (the query window too): the same answers, values in force and count.
    void ExpectSameAfterReopening() {
        const StoryformRecord before = Record();
        const std::int16_t list = window->GetCurrentListId();
        const std::int32_t row = window->GetCurrentRow();
        SaveAndReopen(file);
        if (HasFailure()) return;
        const StoryformRecord after = Record();
        EXPECT_EQ(after, before) << "opened again after step " << steps << ":\n"
                                 << Differences(before, after);
        // The window opens on the list and row the story keeps; Plotpilot is not kept as the list
        // to open, so the walk goes back to it.
        if (window->GetCurrentListId() != list) {
            ASSERT_TRUE(window->SelectQuestionList(list, false, 0));
            Run();
        }
        if (window->GetCurrentRow() != row) {
            window->GetTopicTree()->SelectNode(row, true);
            Run();
        }
        ASSERT_EQ(window->GetCurrentRow(), row);
    }

    std::mt19937 random;
    std::map<int, std::set<std::int16_t>> given;
    std::vector<int> order;  // the points answered, the latest last
    std::string file;
    int steps = 0;
};

// A road and a seed per case, so that each case stays short.
struct WalkedRoad {
    std::int16_t list;
    unsigned seed;
};

void PrintTo(const WalkedRoad& road, std::ostream* out) {
    *out << "list " << road.list << ", seed " << road.seed;
}

class AnswersWalkOfRoad : public AnswersWalk, public ::testing::WithParamInterface<WalkedRoad> {};

TEST_P(AnswersWalkOfRoad, EveryAnswerStaysAsGivenAndEveryPointInForceIsOneTheAnswersGive) {
    WalkRoad(GetParam().list, GetParam().seed);
}

// The whole storyform with three seeds; the character, plot and theme roads; Plotpilot.
INSTANTIATE_TEST_SUITE_P(Roads, AnswersWalkOfRoad,
                         ::testing::Values(WalkedRoad{kWholeStoryformList, 11},
                                           WalkedRoad{kWholeStoryformList, 29},
                                           WalkedRoad{kWholeStoryformList, 61}, WalkedRoad{2, 102},
                                           WalkedRoad{3, 103}, WalkedRoad{4, 104}, WalkedRoad{13, 7}),
                         [](const ::testing::TestParamInfo<WalkedRoad>& info) {
                             return "List" + std::to_string(info.param.list) + "Seed" +
                                    std::to_string(info.param.seed);
                         });

}  // namespace
}  // namespace querytest
