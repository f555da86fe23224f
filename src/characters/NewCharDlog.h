#pragma once
// The character dialog: a new character (Create), or one character of the story shown and edited by
// its id (Info, and a double click in a cast list). It shows the name, sex, special identification
// (Main, impact or neither), picture (chosen among the story's pictures), role and description.
// OK writes what changed into the story's records (a new character is made then); Cancel changes
// nothing. The dialog keeps its place: "NwCh" for a new character, "MChr" for one shown.

#include <cstdint>
#include <string>

#include "characters/CharacterForm.h"
#include "framework/TDialog.h"
#include "storymodel/CharID.h"

class CharacterPictureItem;
class FKDoc;

class NewCharDlog : public TDialog {
public:
    enum Item : std::int32_t {
        kOkItem,
        kCancelItem,
        kNameItem,
        kSexItem,
        kIdentityItem,
        kPictureItem,
        kPictureButton,
        kRoleItem,
        kDescriptionItem,
        kNameLabel,
        kRoleLabel,
        kDescriptionLabel,
    };
    static constexpr const char* kNewPlaceKey = "NwCh";
    static constexpr const char* kInfoPlaceKey = "MChr";

    // The story's character of the id, or (kNoCharID) a new one. The character written by OK goes
    // into *written.
    NewCharDlog(FKDoc* story, CharID id, CharID* written);

    ErrCode SetUpItems() override;
    void EndModal(std::int32_t itemIndex) override;
    void BeforeEnd() override;

    const CharacterForm& GetForm() const { return form_; }
    CharID GetCharacter() const { return id_; }
    // The form as the items hold it now.
    CharacterForm ReadItems() const;

private:
    // Shows the stored text in the field of the item, decoded, and keeps what the field then reads.
    void ShowText(std::int32_t index, const std::string& stored, std::string& shown);
    void ChoosePicture();
    // The sex chosen: a stock picture the writer left as it was becomes the stock picture of that sex.
    void SexChosen();
    CharacterPictureItem* PictureItem() const;

    FKDoc* story_;
    CharID id_;
    CharID* written_;
    CharacterForm form_;
    // The name, role and description as their fields read when they were shown.
    CharacterForm shown_;
    // The sex the picture was last matched to.
    std::uint16_t pictureSex_ = kMaleSex;
};

// Runs the dialog for the story's character (kNoCharID: a new one); answers the character OK wrote,
// kNoCharID when the writer cancelled.
CharID RunCharacterDialog(FKDoc* story, CharID id);
