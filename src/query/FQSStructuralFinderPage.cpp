#include "query/FQSStructuralFinderPage.h"

#include "app/FKDoc.h"
#include "foundation/TypedList.h"
#include "framework/BusyCursor.h"
#include "framework/InputHelpers.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"
#include "platform/sys/Bell.h"
#include "query/FQSAnswerGuard.h"
#include "query/FQSWindow.h"
#include "query/data/QuerySolver.h"
#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/TheoryTables.h"

namespace {

constexpr std::int16_t kListGrowth = 10;
constexpr std::int16_t kListHeight = 100;
constexpr std::int32_t kTextLimit = static_cast<std::int32_t>(FQSWindow::kTextBufferSize);
constexpr const char* kKeepMainText = "{UseT1}";

void Beep() { win::MessageBeep(0); }

void HideAndClose(TItem* item) {
    if (!item) return;
    item->Hide();
    item->Close();
}

}  // namespace

void FQSStructuralFinderPage::Build() {
    ItemList* items = Items();
    if (!items || !window_) return;
    items->CloseItems();
    layout_ = ComputeFinderLayout(pageArea_.left, pageArea_.right, layoutCursor_);
    possible_ = new TopicListView(items, kListGrowth, this, &layout_.possible);
    possibleItem_ = items->Append(possible_);
    possible_->SetOwnerWindow(window_);
    chosen_ = new TopicListView(items, kListGrowth, this, &layout_.chosen);
    chosenItem_ = items->Append(chosen_);
    chosen_->SetOwnerWindow(window_);
    items->OpenItems();
    layoutCursor_ = static_cast<std::int16_t>(layoutCursor_ + kListHeight);
    Fill();
    add_ = new PushBtn(items, "Add >>", 0, &layout_.add, 0, GetStandardColor(0), 0, 0, 0, 12, 0, 0);
    addItem_ = items->Append(add_);
    add_->Open(addItem_);
    remove_ = new PushBtn(items, "<< Remove", 0, &layout_.remove, 0, GetStandardColor(0), 0, 0, 0, 12, 0, 0);
    removeItem_ = items->Append(remove_);
    remove_->Open(removeItem_);
    ApplyEnablingRule();
}

std::int32_t FQSStructuralFinderPage::PossibleRowOf(std::int16_t id) const {
    std::int32_t row = -1;
    return possible_ && possible_->FindTopic(id, &row) ? row : -1;
}

void FQSStructuralFinderPage::Fill() {
    const BusyCursor busy;
    StoryformSolver* solver = window_->GetSolver();
    StoryFormManager* storyForm = document_ ? document_->GetStoryFormManager() : nullptr;
    if (!solver || !storyForm) return;
    StoryPointIDList ids;
    solver->CollectConstrainedPoints(ids, storyPoint_);
    solver->SetConstraints(nullptr, ids);
    const int index = StoryPointIndex(storyPoint_);
    // A point that no record of the solver holds (the storyform engine gives it no value) offers
    // every value of its level, and its choice narrows nothing.
    SolverConstraint unconstrained;
    SolverConstraint* record = FindConstraintOf(*solver, storyPoint_);
    if (record) {
        FreeConstraint(*record);
        const std::uint16_t shown = document_->GetStoryformCount();
        solver->CountStoryforms();
        window_->SetStoryformCount(shown);
        window_->UpdateStoryformingBar();
    } else {
        const StoryPointRecord* row = StoryPointByID(storyPoint_);
        if (!row || row->kind < kDomainLevelPoint || row->kind > kElementLevelPoint) return;
        unconstrained.kind = row->kind;
        unconstrained.valueCount = static_cast<std::int16_t>(StoryPointValueCount(index));
        for (int i = 0; i < unconstrained.valueCount; ++i)
            unconstrained.valueMark[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
        record = &unconstrained;
    }
    level_ = record->kind;

    std::int16_t firstPossible = 0;
    std::int16_t lastPossible = 0;
    std::uint8_t ordinal = 0;
    for (int i = 0; i < record->valueCount; ++i) {
        if (!record->IsValuePossible(i)) continue;
        const std::int16_t id = ConstraintValueID(*record, i);
        possible_->AddTopic(id, ElementName(id));
        record->SetValueOrdinal(i, ++ordinal);
        if (firstPossible == 0) firstPossible = id;
        lastPossible = id;
    }
    possibleCount_ = ordinal;
    bool setByPage = false;
    if (possibleCount_ == 1) {
        // An element is in force in the class of its throughline's domain, as a stored choice is.
        const int domainIndex = ThroughlineDomainIndex(storyPoint_);
        const std::int16_t value = record->kind == kElementLevelPoint && domainIndex >= 0
                                       ? FinderStoredElement(lastPossible, storyForm->GetValueAt(domainIndex))
                                       : lastPossible;
        // Several values the writer gave stay in force as given: only a single storyform puts its
        // value of them in force, which its count has done already.
        if (storyForm->GetChosenValueAt(index) != -1) storyForm->SetValueAt(index, value);
        setByPage = true;
    }
    if (possible_->GetTopicCount() > 0) possible_->SetSelection(0);
    focusItem_ = possibleItem_;

    const bool elementLevel = record->kind == kElementLevelPoint;
    const std::int16_t chosenValue = storyForm->GetChosenValueAt(index);
    std::int16_t found = 0;
    if (chosenValue > 0) {
        const std::int16_t id = elementLevel ? FinderShownElement(chosenValue) : chosenValue;
        chosen_->AddTopic(id, ElementName(id));
        focusItem_ = chosenItem_;
        if (const std::int32_t row = PossibleRowOf(id); row >= 0) {
            possible_->SetTopicMark(row, 1, false);
            found = id;
        }
    } else if (chosenValue == -1) {
        SList values;
        storyForm->GetMultipleChoices(index, values);
        ClearAllowedValues(*record);
        for (std::int32_t i = 0; i < values.Count(); ++i) {
            const std::int16_t id = elementLevel ? FinderShownElement(values.GetAt(i)) : values.GetAt(i);
            const std::int32_t row = chosen_->AddTopic(id, ElementName(id));
            if (const std::int32_t left = PossibleRowOf(id); left >= 0) {
                possible_->SetTopicMark(left, 1, false);
                AddAllowedValue(*record, id);
            } else {
                chosen_->SetTopicMark(row, 1, false);
            }
        }
    }
    if (chosen_->GetTopicCount() > 0) chosen_->SetSelection(0);
    answerValue_ = found != 0 ? found : firstPossible;

    if (setByPage && staticCount_ > 0 && chosen_->GetTopicCount() == 0) {
        const std::string replacement = Interpreted("TNC", kTextLimit);
        if (replacement != kKeepMainText)
            ReplaceStaticText(0, replacement.empty() ? std::string(kOneItemRemaining) : replacement);
    }
}

std::int16_t FQSStructuralFinderPage::TopicChosen(TopicListView* /*view*/, std::int32_t /*row*/,
                                                  std::int16_t /*topicId*/, std::int16_t /*doubleClickOrKey*/,
                                                  std::int16_t /*notify*/) {
    ApplyEnablingRule();
    return 0;
}

void FQSStructuralFinderPage::ApplyEnablingRule() {
    auto selectedFree = [](const TopicListView* list) {
        if (!list) return false;
        const std::int32_t row = list->GetSelectedRow();
        return row >= 0 && row < list->GetTopicCount() && list->GetTopicMark(row) == 0;
    };
    if (add_) add_->Enable(selectedFree(possible_));
    if (remove_) remove_->Enable(selectedFree(chosen_));
}

std::int32_t FQSStructuralFinderPage::HandleControl(std::int32_t itemIndex) {
    if (!window_ || !possible_) return FQSPage::HandleControl(itemIndex);
    bool changed = false;
    if (itemIndex == possibleItem_ || itemIndex == chosenItem_) {
        TopicListView* list = itemIndex == possibleItem_ ? possible_ : chosen_;
        const TopicListView::Choice& choice = list->GetLastChoice();
        if (choice.a == 0 && choice.topicId != 0) {
            answerValue_ = choice.topicId;
            window_->UpdateElementHelp();
        }
        if (choice.a != 0) {
            if (list == possible_) {
                Add();
            } else {
                Remove();
            }
            changed = true;
        }
        ApplyEnablingRule();
    } else if (itemIndex == addItem_) {
        Add();
        changed = true;
    } else if (itemIndex == removeItem_) {
        Remove();
        changed = true;
    } else {
        return FQSPage::HandleControl(itemIndex);
    }
    if (changed && IsControlKeyDown(1)) window_->PostItemHit(FQSWindow::kNextItem);
    return 1;
}

void FQSStructuralFinderPage::Add() {
    const std::int32_t row = possible_->GetSelectedRow();
    if (row < 0 || row >= possible_->GetTopicCount()) return;
    listening_ = 0;
    if (possible_->GetTopicMark(row) == 1) {
        Beep();
        listening_ = 1;
        return;
    }
    const std::int16_t id = possible_->GetTopicID(row);
    chosen_->AddTopic(id, ElementName(id));
    possible_->SetTopicMark(row, 1, true);
    if (ApplyChange()) {
        window_->SetFocusItem(possibleItem_);
        chosen_->SetSelection(chosen_->GetTopicCount() - 1);
    }
    ApplyEnablingRule();
    listening_ = 1;
}

void FQSStructuralFinderPage::Remove() {
    const std::int32_t row = chosen_->GetSelectedRow();
    if (row < 0 || row >= chosen_->GetTopicCount()) return;
    listening_ = 0;
    if (chosen_->GetTopicMark(row) == 1) {
        Beep();
        listening_ = 1;
        return;
    }
    const std::int16_t id = chosen_->GetTopicID(row);
    chosen_->DeleteTopic(row);
    if (const std::int32_t left = PossibleRowOf(id); left >= 0) possible_->SetTopicMark(left, 0, true);
    if (ApplyChange()) {
        const bool empty = chosen_->GetTopicCount() == 0;
        window_->SetFocusItem(empty ? possibleItem_ : chosenItem_);
        if (!empty) chosen_->SetSelection(std::min(row, chosen_->GetTopicCount() - 1));
    }
    ApplyEnablingRule();
    listening_ = 1;
}

bool FQSStructuralFinderPage::ApplyChange() {
    StoryformSolver* solver = window_->GetSolver();
    SolverConstraint* record = solver ? FindConstraintOf(*solver, storyPoint_) : nullptr;
    StoryFormManager* storyForm = document_ ? document_->GetStoryFormManager() : nullptr;
    const BroadcasterBracket bracket(storyForm);
    FQSAnswerGuard guard(*window_);
    if (record) UpdateConstraint(*record);
    // No storyform left: the guard put the story back and the page is shown again from it.
    if (!guard.CheckStoryforms()) return false;
    window_->MarkChanged();
    StoreChoice();
    // The window did not listen to the page's own change: the tree's marks follow it here, and
    // what the storyforms left settle for the other points once the hit is done.
    window_->UpdateRowStatuses();
    window_->RequestRecount();
    return true;
}

void FQSStructuralFinderPage::UpdateConstraint(SolverConstraint& record) {
    ClearAllowedValues(record);
    const std::int32_t rows = chosen_->GetTopicCount();
    if (rows == 0) {
        FreeConstraint(record);
        return;
    }
    if (rows == 1 && chosen_->GetTopicMark(0) == 0) {
        FixConstraintToValue(record, chosen_->GetTopicID(0));
        return;
    }
    FreeConstraint(record);
    for (std::int32_t row = 0; row < rows; ++row)
        if (chosen_->GetTopicMark(row) == 0) AddAllowedValue(record, chosen_->GetTopicID(row));
}

void FQSStructuralFinderPage::StoreChoice() {
    StoryFormManager* storyForm = document_ ? document_->GetStoryFormManager() : nullptr;
    if (!storyForm) return;
    std::vector<FinderRow> rows;
    for (std::int32_t row = 0; row < chosen_->GetTopicCount(); ++row)
        rows.push_back({chosen_->GetTopicID(row), chosen_->GetTopicMark(row)});
    const int domainIndex = ThroughlineDomainIndex(storyPoint_);
    const std::int16_t domain = domainIndex >= 0 ? storyForm->GetValueAt(domainIndex) : 0;
    const FinderChoice choice = ComposeFinderChoice(rows, level_ == kElementLevelPoint, domain);
    const int index = StoryPointIndex(storyPoint_);
    storyForm->SetChoiceAt(index, choice.value);
    StoryformSolver* solver = window_->GetSolver();
    if (const SolverConstraint* record = solver ? FindConstraintOf(*solver, storyPoint_) : nullptr;
        record && record->possibleCount == 1 && choice.value > 0)
        storyForm->SetValueAt(index, choice.value);
    SList ids;
    for (const std::int16_t id : choice.ids) ids.Append(id);
    storyForm->SetMultipleChoices(index, ids);
}

void FQSStructuralFinderPage::GrowContent(std::int32_t dh) {
    GrowFinderLayout(layout_, dh);
    if (possible_) possible_->SetBounds(layout_.possible, true);
    if (chosen_) chosen_->SetBounds(layout_.chosen, true);
    if (add_) add_->SetBounds(layout_.add, true);
    if (remove_) remove_->SetBounds(layout_.remove, true);
}

void FQSStructuralFinderPage::Release() {
    HideAndClose(possible_);
    HideAndClose(chosen_);
    HideAndClose(add_);
    HideAndClose(remove_);
    possible_ = chosen_ = nullptr;
    add_ = remove_ = nullptr;
    possibleItem_ = chosenItem_ = addItem_ = removeItem_ = -1;
}
