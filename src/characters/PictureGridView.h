#pragma once
// The character pictures of a story side by side in rows (the stock pictures, then the story's own),
// one of which is chosen: a click chooses a picture, a double click chooses it and confirms.

#include <cstdint>
#include <functional>
#include <vector>

#include "characters/CharacterBitmaps.h"
#include "items/TView.h"

class CharacterManager;

class PictureGridView : public TView {
public:
    static constexpr std::int16_t kCellSize = 44;

    PictureGridView(CharacterManager* characters, ItemList* list, const ShortRect* bounds,
                    std::uint16_t chosen, std::function<void()> confirm);

    const std::vector<std::uint16_t>& GetPictures() const { return pictures_; }
    std::uint16_t GetChosen() const { return chosen_; }
    // Nothing for a picture the story does not have.
    void Choose(std::uint16_t picture);
    // The picture whose cell holds the point (the window's coordinates); -1 when none does.
    std::int32_t PictureAt(ShortPoint point) const;

    std::int32_t VertUnitCount() const override;
    void DrawContent(ViewDrawContext* context) override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;

private:
    std::int32_t Columns() const;

    CharacterManager* characters_;
    std::vector<std::uint16_t> pictures_;
    std::uint16_t chosen_;
    std::function<void()> confirm_;
    CharacterBitmaps bitmaps_;
};
