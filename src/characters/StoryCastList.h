#pragma once
// The cast list view that the character windows (the character list, Build Characters and casting
// windows) show: the story's characters in name order, one row each with the character's picture, its
// name and, below the name, what it is in the story (the Main or impact character, the role the
// writer gave it, its archetype). One character may be selected: a click selects it, Up and Down
// move the selection, a double click or Return opens the character. A row can be dragged onto
// another part of the window (the client decides what the drop means).
//
// The story document keeps the cast list view of each of those windows while it lives (the view
// registers itself in its slot), and the story application's Character and Edit commands act on
// the selected character of the front one. The view follows the story's characters: a character
// that goes takes the selection with it, so the view never names a character the story no longer
// has.

#include <cstdint>
#include <string>
#include <vector>

#include "characters/CastListView.h"
#include "characters/CharacterBitmaps.h"
#include "platform/gdi/GdiTypes.h"
#include "storymodel/CharID.h"
#include "storymodel/ListenerMixins.h"

class FKDoc;
class TGraphEnv;

// What the window that shows a cast list hears of it.
class ICastListClient {
public:
    virtual ~ICastListClient() = default;
    virtual void CastSelectionChanged(CharID /*id*/) {}
    // A double click, or Return, on the character.
    virtual void CastCharacterOpened(CharID id) = 0;
    // The character's row was dragged and let go at the point (the window's client coordinates).
    virtual void CastCharacterDropped(CharID /*id*/, ShortPoint /*point*/) {}
    // Whether rows can be dragged at all.
    virtual bool CastRowsDrag() const { return false; }
};

class StoryCastList : public CastListView, public MCharacterListener, public MCharacteristicListener {
public:
    // The document slot the view keeps itself in.
    enum class Slot { kCharacterList, kBuildCharacters, kCasting };

    static constexpr std::int16_t kPictureSize = 32;
    static constexpr std::int16_t kRowGap = 4;

    // The view keeps itself in the story's slot of its kind until it is deleted.
    StoryCastList(FKDoc* story, Slot slot, ICastListClient* client, ItemList* list, const ShortRect* bounds,
                  bool showArchetypes);
    ~StoryCastList() override;
    StoryCastList(const StoryCastList&) = delete;
    StoryCastList& operator=(const StoryCastList&) = delete;

    // Whether a character is selected.
    bool HasSelection() const override;
    // Copy puts the selected character's picture on the clipboard, as a bitmap (which other
    // programs take as a PNG or BMP picture).
    bool CanCopy() const override { return HasSelection(); }
    void Copy() override;
    // The selected character; kNoCharID when none is.
    CharID GetSelectedCharacter() const override;
    // Selects the character (kNoCharID: none); a character the story lacks selects none.
    void SelectCharacter(CharID id);
    // The bitmap on the clipboard becomes the selected character's own picture.
    void PastePicture() override;

    // The characters in row order.
    const std::vector<CharID>& GetRows() const { return rows_; }
    // The row of the character; -1 when it has none.
    std::int32_t RowOf(CharID id) const;
    // The character whose row lies under the point (the window's client coordinates); kNoCharID
    // when none does.
    CharID CharacterAt(ShortPoint point) const;
    // The text below the character's name.
    std::string DescribeCharacter(CharID id) const;
    // The font of the names (the line below takes the same face, smaller); rows grow to it.
    void SetFont(const win::LOGFONTA& font);
    std::int16_t GetRowHeight() const { return rowHeight_; }
    FKDoc* GetStory() const { return story_; }

    // --- TItem and TView
    std::int32_t VertUnitCount() const override { return static_cast<std::int32_t>(rows_.size()); }
    void DrawContent(ViewDrawContext* context) override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    bool HandleKey(KeyEvent& event) override;
    void SetBounds(const ShortRect& rect, bool redraw) override;
    // The list keeps its place and reaches the window's right and bottom edges.
    void WindowResized() override;

    // --- the story's changes
    void CharactersChanged(const CharacterEvent* event) override;
    void CharacteristicsChanged() override;

private:
    // The rows again from the story's characters; the selection goes when its character did.
    void Rebuild();
    void Store(StoryCastList* view);
    // The row's rectangle in the window's coordinates (clipped to nothing when scrolled away).
    ShortRect RowRect(std::int32_t row) const;
    void ScrollToRow(std::int32_t row);
    void SelectRow(std::int32_t row);
    void DrawRow(TGraphEnv& env, std::int32_t row, int top, int left, int right);
    // Follows a press on the row: a drag when the client takes drops.
    void DragRow(std::int32_t row, ShortPoint start);

    FKDoc* story_ = nullptr;
    Slot slot_ = Slot::kCharacterList;
    ICastListClient* client_ = nullptr;
    bool showArchetypes_ = false;
    std::vector<CharID> rows_;
    CharID selected_ = kNoCharID;
    win::LOGFONTA font_;
    std::int16_t rowHeight_ = kPictureSize + 2 * kRowGap;
    CharacterBitmaps bitmaps_;
};
