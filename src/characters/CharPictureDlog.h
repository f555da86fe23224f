#pragma once
// The character picture chooser: every picture the story can give a character (the stock pictures,
// then the story's own), the one in use chosen. OK (or a double click) answers the picture chosen;
// Cancel answers none. The dialog keeps its place ("ChRp").

#include <cstdint>
#include <optional>

#include "framework/TDialog.h"

class CharacterManager;
class PictureGridView;

class CharPictureDlog : public TDialog {
public:
    static constexpr std::int32_t kOkItem = 0;
    static constexpr std::int32_t kCancelItem = 1;
    static constexpr std::int32_t kGridItem = 2;
    static constexpr const char* kPlaceKey = "ChRp";

    // The answer goes into *chosen when the writer chooses OK.
    CharPictureDlog(CharacterManager* characters, std::uint16_t picture,
                    std::optional<std::uint16_t>* chosen);

    ErrCode SetUpItems() override;
    void EndModal(std::int32_t itemIndex) override;
    void BeforeEnd() override;

    PictureGridView* GetGrid() const;

private:
    CharacterManager* characters_;
    std::uint16_t picture_;
    std::optional<std::uint16_t>* chosen_;
};

// Runs the chooser; the picture chosen, or none when the writer cancelled.
std::optional<std::uint16_t> ChooseCharacterPicture(CharacterManager* characters, std::uint16_t picture);
