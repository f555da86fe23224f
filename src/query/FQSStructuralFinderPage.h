#pragma once
// The structural finder: answers a story point by picking among the values the storyform solver
// still allows for it. The left list shows the possible values, the right one the values chosen;
// "Add >>" and "<< Remove" (or a double click) move entries across. Every change narrows the
// window's solver and runs the storyform check; the choice is written into the storyform only when
// some storyform is left, else the change is put back.

#include <cstdint>

#include "query/FQSFinderChoice.h"
#include "query/FQSPage.h"
#include "query/FQSPageGeometry.h"
#include "widgets/TopicListView.h"

class PushBtn;
struct SolverConstraint;

class FQSStructuralFinderPage : public FQSPage, public ITopicViewClient {
public:
    static constexpr const char* kOneItemRemaining = "One item remaining; no answer required.";

    std::int32_t HandleControl(std::int32_t itemIndex) override;
    void Build() override;
    void Release() override;
    std::int32_t GetStretchWeight() const override { return 1; }
    void GrowContent(std::int32_t dh) override;

    // --- ITopicViewClient: clicks come through HandleControl; the choice is left to the list.
    std::int16_t TopicChosen(TopicListView* view, std::int32_t row, std::int16_t topicId,
                             std::int16_t doubleClickOrKey, std::int16_t notify) override;

    void Add();
    void Remove();
    // "Add >>" while the left list's selected row is not chosen yet; "<< Remove" while the right
    // list's selected row is a value still possible.
    void ApplyEnablingRule();

    TopicListView* GetPossibleList() const { return possible_; }
    TopicListView* GetChosenList() const { return chosen_; }
    PushBtn* GetAddButton() const { return add_; }
    PushBtn* GetRemoveButton() const { return remove_; }
    // The point's level: 2 class, 3 type, 4 variation, 5 element.
    std::int16_t GetLevel() const { return level_; }

private:
    void Fill();
    void UpdateConstraint(SolverConstraint& record);
    void StoreChoice();
    // The change bracket after an add or a remove; false when no storyform is left (all put back).
    bool ApplyChange();
    std::int32_t PossibleRowOf(std::int16_t id) const;

    TopicListView* possible_ = nullptr;
    TopicListView* chosen_ = nullptr;
    PushBtn* add_ = nullptr;
    PushBtn* remove_ = nullptr;
    std::int32_t possibleItem_ = -1;
    std::int32_t chosenItem_ = -1;
    std::int32_t addItem_ = -1;
    std::int32_t removeItem_ = -1;
    FinderLayout layout_;
    std::int16_t level_ = 0;
    std::int16_t possibleCount_ = 0;
};
