#pragma once
// A character picture shown in a dialog: one picture of the story, stretched to the item's bounds
// and framed.

#include <cstdint>

#include "characters/CharacterBitmaps.h"
#include "items/TItem.h"

class CharacterManager;

class CharacterPictureItem : public TItem {
public:
    CharacterPictureItem(CharacterManager* characters, ItemList* list, const ShortRect* bounds,
                         std::uint16_t picture);

    void SetPicture(std::uint16_t picture);
    std::uint16_t GetPicture() const { return picture_; }

    void Draw(win::HDC dc, const Rgn& clip) override;

private:
    CharacterManager* characters_;
    std::uint16_t picture_;
    CharacterBitmaps bitmaps_;
};
