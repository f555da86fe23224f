#pragma once
// Setup Main and Impact: which of the story's characters is the Main character and which the impact
// character, each chosen in a list of the story's characters. OK gives the roles (after the
// character manager's question when a character the writer worked on gives one up; a placeholder
// character of a new story that gives one up goes); the same character for both is refused and the
// dialog stays. Cancel changes nothing. The dialog keeps its place ("MaOb").

#include <cstdint>
#include <vector>

#include "framework/TDialog.h"
#include "storymodel/CharID.h"

class CharacterManager;
class FKDoc;

class MainObstDlog : public TDialog {
public:
    static constexpr std::int32_t kOkItem = 0;
    static constexpr std::int32_t kCancelItem = 1;
    static constexpr std::int32_t kMainItem = 2;
    static constexpr std::int32_t kImpactItem = 3;
    static constexpr const char* kPlaceKey = "MaOb";

    explicit MainObstDlog(FKDoc* story);

    ErrCode SetUpItems() override;
    void EndModal(std::int32_t itemIndex) override;
    bool IsAccepted() override;
    void BeforeEnd() override;

    // The characters in the order the lists show them.
    const std::vector<CharID>& GetCharacters() const { return characters_; }
    // The character chosen in a list; kNoCharID when none is.
    CharID GetChosen(std::int32_t item) const;
    // Chooses the character in a list.
    void Choose(std::int32_t item, CharID id);

private:
    FKDoc* story_;
    std::vector<CharID> characters_;
    bool refused_ = false;
};

// Gives the Main and impact roles to the two characters: each one that changes hands after the
// manager's question. False (nothing changed) when they are the same character or either is none.
bool AssignMainAndImpact(CharacterManager& characters, CharID main, CharID impact);
// Runs the dialog for the story.
void RunMainObstDialog(FKDoc* story);
