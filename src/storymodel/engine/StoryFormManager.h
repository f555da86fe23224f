#pragma once
// The storyform state of one story document: for each of the 117 story points the value the writer
// chose and the value in force, the four throughline structures that belong to the storyform once
// exactly one remains, and the count of storyforms still possible.
//
// The manager is also the story's storyform broadcaster: every change of a choice marks the
// document changed and is announced to its listeners (MStoryFormListener) as one null event; a
// change of several steps brackets them (BroadcasterBracket) and is heard once. Values in force
// set by the engine are neither marked nor announced.
//
// Choices are kept in the document's responses record ('RESP'): each point's chosen value under
// its code (type s), and the list of allowed values of a point chosen as -1 under its code followed
// by "m" (type c, "5,9,"). The values in force are kept under the same codes in the story file's
// record 'FCAP' 0.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/Types.h"
#include "storymodel/BracketedBroadcaster.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/SettledStoryPoints.h"
#include "storymodel/engine/StoryPointState.h"
#include "storymodel/engine/ThroughlineStructure.h"

class IStoryFormDocument;
class PText;

class StoryFormManager : public BracketedBroadcasterNULLEvt, public IStoryForm {
public:
    // Storyform counts: nothing chosen yet, and the storyform complete.
    static constexpr std::uint16_t kAllStoryforms = 32768;
    static constexpr std::uint16_t kOneStoryform = 1;
    static constexpr int kThroughlineCount = 4;

    // The document passes its responses record (which it owns and writes to disk), and the count of
    // storyforms and the structures-valid flag it keeps in its own record. Loads the choices from
    // the responses and the values in force from 'FCAP' 0 of the story file; stored values that the
    // points cannot hold are refused. The document is left clean. Each structure starts in the
    // default arrangement.
    StoryFormManager(IStoryFormDocument& document, PText& responses, std::uint16_t storyformCount,
                     std::uint16_t structuresValid);
    ~StoryFormManager() override;

    StoryFormManager(const StoryFormManager&) = delete;
    StoryFormManager& operator=(const StoryFormManager&) = delete;

    // Marks the document changed, then announces a null event (the argument is not used).
    void PostEvent(const TNULLEvent* event) override;

    bool IsChange() const override;
    bool IsSteadfast() const override;
    bool IsStop() const override;
    bool IsStart() const override;
    bool IsDoer() const override;
    bool IsBeer() const override;
    bool IsLogical() const override;
    bool IsIntuitive() const override;
    bool IsAction() const override;
    bool IsDecision() const override;
    bool IsTimelock() const override;
    bool IsOptionlock() const override;
    bool IsSuccess() const override;
    bool IsFailure() const override;
    bool IsGood() const override;
    bool IsBad() const override;

    std::int16_t GetValueAt(int index) const override;
    void SetValueAt(int index, std::int16_t value) override;
    std::int16_t GetChoice(std::int16_t id) const override;
    void SetChoice(std::int16_t id, std::int16_t value) override;
    std::int16_t GetValue(std::int16_t id) const override;
    void SetValue(std::int16_t id, std::int16_t value) override;
    // Values that the point cannot hold, and repeats, are left out of the list read.
    void GetMultipleChoices(int index, SList& values) const override;
    void SetMultipleChoices(int index, const SList& values) override;
    ThroughlineStructure* GetThroughlineStructure(std::uint16_t throughline) override;
    // The structures stay the manager's: nothing to do.
    void ReleaseThroughlineStructure(std::uint16_t throughline) override;

    // The chosen value by index (0 for an index outside the table), and the choice by index.
    std::int16_t GetChosenValueAt(int index) const;
    void SetChoiceAt(int index, std::int16_t value);

    // Writes the choices that changed since the manager was made into the responses record and every
    // value in force into 'FCAP' 0, and saves 'FCAP' into the story file (writing the responses to
    // disk is the document's save). Answers 0 or the record's error.
    ErrCode SaveChoices();

    // A copy of the whole state, for the caller to keep.
    std::unique_ptr<StoryFormState> SaveState() const;
    // Puts a copy back; when it differs from the state in any byte the change is announced. A null
    // snapshot does nothing.
    void RestoreState(std::unique_ptr<StoryFormState> snapshot);

    // Whether the story file held values in force that could not be read when the manager was made:
    // they were left out, and the record (or, for values held as another type, their entries) goes
    // from the file, to be written anew at the next save.
    bool LostValuesInForce() const { return lostValuesInForce_; }
    // The rows of the points whose choices the responses record held as another type of value when
    // the manager was made: they were left out, and their entries taken out of the record.
    const std::vector<int>& GetMistypedChoices() const { return mistypedChoices_; }

    // The number of storyforms still possible as last counted, and whether the structures and the
    // derived story points belong to the single remaining one; the document keeps both.
    std::uint16_t GetStoryformCount() const { return storyformCount_; }
    void SetStoryformCount(std::uint16_t count) {
        storyformCount_ = count;
        Touch();
    }
    std::uint16_t GetStructuresValid() const { return structuresValid_; }
    void SetStructuresValid(std::uint16_t valid) { structuresValid_ = valid; }

    // Called by the document after each count. With one storyform left, arranges the four
    // structures for it, derives its story points and marks the structures valid. Otherwise, or
    // when the dynamics or the crucial problem in force are incomplete, what only a single
    // storyform gives goes and the writer's answers are in force: while the structures were valid
    // (the single storyform's values in force), every point's value goes back to its choice; and
    // the points only a single storyform sets (the dynamic appreciations, the positions, home
    // classes and counterpoints) always do. The structures are marked invalid. Announces nothing.
    void RebuildThroughlineStructures();
    // Sets the values in force of the four dynamic appreciations from the dynamics in force.
    void UpdateDynamicAppreciations();
    // With one storyform left, the two crucial elements of the overall story, each folded into the
    // first class's element rows, and true; otherwise (or when a value in force is not an element)
    // false with both 0.
    bool GetCrucialElements(std::int16_t& first, std::int16_t& second) const;

    // What the storyforms left settle (SettledStoryPoints.h), the view the reports read: made when
    // first asked for after the story points or the count changed, and kept until they change again.
    const SettledStoryPoints& GetSettledStoryPoints();

private:
    // Something the settled story points are made of changed.
    void Touch() { ++revision_; }
    void LoadChoices();
    // Derives the structures and story points of the single remaining storyform.
    void BuildStructuresForStoryform();
    // Arranges the structure and the derived one for the storyform in force, writes the story
    // points derived with them, and sets the shown structure to the arrangement the positions and
    // signposts were read from. False, with nothing changed, when the values in force are no
    // storyform the builder can take (a dynamic or the crucial problem without a value).
    bool ArrangeForStoryform(ThroughlineStructure& shown, ThroughlineStructure& arranged,
                             ThroughlineStructure& derived);
    // Every point's value back to its choice when the single storyform's were in force, then
    // ClearSingleStoryformPoints.
    void LeaveSingleStoryform();
    // The points only a single storyform sets back to their choices; the structures invalid.
    void ClearSingleStoryformPoints();
    // Whether dynamic 0-7 holds its value 0 (the first) or 1 (the second) in force.
    bool HasDynamicValue(int dynamic, int valueIndex) const;

    IStoryFormDocument& document_;
    PText& responses_;
    StoryFormState state_{};
    std::array<ThroughlineStructure, kThroughlineCount> throughlines_;
    std::uint16_t storyformCount_;
    std::uint16_t structuresValid_;
    bool lostValuesInForce_ = false;
    std::vector<int> mistypedChoices_;
    // The changes so far, and the settled story points as they were made at the change noted.
    std::uint64_t revision_ = 0;
    std::uint64_t settledRevision_ = 0;
    std::unique_ptr<SettledStoryPoints> settled_;
};
