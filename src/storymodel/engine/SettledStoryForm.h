#pragma once
// A story's storyform as the storyforms still possible settle it (SettledStoryPoints.h): the tests
// of the dynamics and the values of the story points read what the storyforms left agree on, while
// the choices, the lists of allowed values and the throughline structures are the story's own. The
// reports read the storyform through it.
//
// It is read only: its setters change nothing, neither of it nor of the story.

#include "storymodel/engine/IStoryForm.h"

class StoryFormManager;

class SettledStoryForm : public IStoryForm {
public:
    // The story's storyform, which must outlive the view.
    explicit SettledStoryForm(StoryFormManager& storyForm) : storyForm_(storyForm) {}

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
    void SetValueAt(int /*index*/, std::int16_t /*value*/) override {}
    std::int16_t GetChoice(std::int16_t id) const override;
    void SetChoice(std::int16_t /*id*/, std::int16_t /*value*/) override {}
    std::int16_t GetValue(std::int16_t id) const override;
    void SetValue(std::int16_t /*id*/, std::int16_t /*value*/) override {}
    void GetMultipleChoices(int index, SList& values) const override;
    void SetMultipleChoices(int /*index*/, const SList& /*values*/) override {}
    ThroughlineStructure* GetThroughlineStructure(std::uint16_t throughline) override;
    void ReleaseThroughlineStructure(std::uint16_t throughline) override;

    StoryFormManager& GetStoryFormManager() const { return storyForm_; }

private:
    bool Holds(int dynamic, int valueIndex) const;

    StoryFormManager& storyForm_;
};
