#pragma once
// The query window over the program's own content, with what a test of the writer's answers needs
// besides: the story saved and opened again (its query window too), everything the story keeps of
// its storyform read in one go (each point's answer, its list of values, its value in force, the
// count), and the storyforms the stored answers leave counted by a solver of the test's own.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "QueryContentFixture.h"
#include "foundation/TypedList.h"
#include "query/data/QuerySolver.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryformSolver.h"

namespace querytest {

// What the story keeps of its storyform.
struct StoryformRecord {
    std::vector<std::int16_t> chosen;              // per row of the story point table
    std::vector<std::vector<std::int16_t>> lists;  // the values of a point answered with several
    std::vector<std::int16_t> inForce;
    std::uint16_t count = 0;
    bool operator==(const StoryformRecord&) const = default;
};

// The points whose answer, list or value in force differ, and the counts, as a line each.
inline std::string Differences(const StoryformRecord& a, const StoryformRecord& b) {
    std::string text;
    if (a.count != b.count)
        text += "count " + std::to_string(a.count) + " / " + std::to_string(b.count) + "\n";
    for (std::size_t i = 0; i < a.chosen.size() && i < b.chosen.size(); ++i) {
        if (a.chosen[i] == b.chosen[i] && a.lists[i] == b.lists[i] && a.inForce[i] == b.inForce[i]) continue;
        const char* code = StoryPointAt(static_cast<int>(i))->code;
        text += std::string(code ? code : "?") + ": chosen " + std::to_string(a.chosen[i]) + " / " +
                std::to_string(b.chosen[i]) + ", in force " + std::to_string(a.inForce[i]) + " / " +
                std::to_string(b.inForce[i]) + (a.lists[i] != b.lists[i] ? ", lists differ" : "") + "\n";
    }
    return text;
}

class StoryAnswersTest : public QueryContentFixture {
protected:
    StoryFormManager& Form() { return *story->GetStoryFormManager(); }

    StoryformRecord Record() {
        StoryformRecord record;
        for (int index = 0; index < kStoryPointCount; ++index) {
            record.chosen.push_back(Form().GetChosenValueAt(index));
            record.inForce.push_back(Form().GetValueAt(index));
            SList values;
            Form().GetMultipleChoices(index, values);
            std::vector<std::int16_t> list;
            for (std::int32_t i = 0; i < values.Count(); ++i) list.push_back(values.GetAt(i));
            record.lists.push_back(list);
        }
        record.count = story->GetStoryformCount();
        return record;
    }

    // A solver of the test's own over the answers the story keeps, counted; the extra point gets a
    // record too.
    StoryformSolver& CountStored(std::int16_t extra = 0) {
        counter = std::make_unique<StoryformSolver>(Form());
        StoryPointIDList ids;
        counter->CollectConstrainedPoints(ids, extra);
        counter->SetConstraints(nullptr, ids);
        counter->CountStoryforms();
        return *counter;
    }

    // The test's solver over the stored answers with every point the engine gives a value
    // constrained as well (open where the writer gave none), counted: each record tells which of its
    // values the storyforms left hold.
    StoryformSolver& CountEveryPoint() {
        StoryformSolver& solver = CountStored();
        StoryPointIDList stored;
        StoryPointIDList all;
        solver.CollectConstrainedPoints(stored);
        MergeStoryPointLists(stored, StoryPointIDList(kRecountPoints.begin(), kRecountPoints.end()), all);
        solver.SetConstraints(nullptr, all);
        solver.CountStoryforms();
        return solver;
    }
    // The value every storyform left gives the point (an element folded onto the first class's),
    // 0 when they differ or the solver holds no record of the point.
    static std::int16_t SharedValue(StoryformSolver& solver, const StoryPointRecord& row) {
        const SolverConstraint* record = FindConstraintOf(solver, row.id);
        if (!record || record->possibleCount != 1) return 0;
        return row.kind == kDynamicPoint ? static_cast<std::int16_t>(row.id + 1 + record->result)
                                         : std::int16_t{record->result};
    }

    // Saved (under the name the first time), closed and opened again; the query window opened
    // again when one was open, on the list and row the story keeps.
    void SaveAndReopen(const std::string& name) {
        const bool withQuery = window != nullptr;
        if (!saved) {
            Choose(name);
            ASSERT_EQ(story->SaveAs(nullptr), kNoErr);
            saved = true;
        } else {
            story->SetDirty();
            std::int16_t cancelled = 0;
            ASSERT_EQ(story->Save(&cancelled), kNoErr);
        }
        ASSERT_TRUE(application->CloseAll(true));
        Run();
        window = nullptr;
        story = OpenStory(name);
        ASSERT_NE(story, nullptr);
        if (!withQuery) return;
        application->SelectWindow(story->GetFrontEndWindow());
        ASSERT_EQ(application->HandleCommand(kCmdQuerySystem), kNoErr);
        Run();
        window = dynamic_cast<FQSWindow*>(story->GetFQSWindow());
        ASSERT_NE(window, nullptr);
    }

    // On the finder page shown: the chosen value selected in the right list, then "<< Remove".
    void RemoveFinderValue(std::int16_t id) {
        auto* finder = dynamic_cast<FQSStructuralFinderPage*>(window->GetPage());
        ASSERT_NE(finder, nullptr) << "topic " << window->GetCurrentTopic() << " is no finder";
        std::int32_t row = -1;
        ASSERT_TRUE(finder->GetChosenList()->FindTopic(id, &row)) << id << " is not chosen";
        finder->GetChosenList()->SetSelection(row);
        finder->ApplyEnablingRule();
        ASSERT_TRUE(finder->GetRemoveButton()->IsEnabled());
        Hit(window->GetItemList()->IndexOf(finder->GetRemoveButton()));
    }
    // The values the finder shown offers and the writer has not chosen, in the list's order.
    std::vector<std::int16_t> Offered() const {
        auto* finder = dynamic_cast<FQSStructuralFinderPage*>(window->GetPage());
        const TopicListView* list = finder ? finder->GetPossibleList() : nullptr;
        std::vector<std::int16_t> ids;
        for (std::int32_t row = 0; list && row < list->GetTopicCount(); ++row) {
            if (list->GetTopicMark(row) == 0) ids.push_back(list->GetTopicID(row));
        }
        return ids;
    }

    std::unique_ptr<StoryformSolver> counter;
    bool saved = false;
};

}  // namespace querytest
