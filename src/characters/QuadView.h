#pragma once
// The quad view of the Build Characters window: one quad of the theory's characteristic elements
// (the four elements below one variation of the first class, all of one dimension), two by two,
// each place showing its element, the dimension the element belongs to and the character that holds
// it there. The writer picks the quad (one of sixteen), selects a place with a click, and drags a
// place onto a character to give the character that element; a double click on a held place takes
// the element back.

#include <array>
#include <cstdint>
#include <string>

#include "items/TItem.h"
#include "platform/gdi/GdiTypes.h"
#include "storymodel/CharID.h"

class CharacterManager;
class TGraphEnv;

// What the window that shows a quad hears of it.
class IQuadViewClient {
public:
    virtual ~IQuadViewClient() = default;
    // The element's place was dragged and let go at the point (the window's client coordinates).
    virtual void QuadElementDropped(std::int16_t element, ShortPoint point) = 0;
    // A double click on a place that a character holds.
    virtual void QuadElementOpened(std::int16_t element, CharID holder) = 0;
};

class QuadView : public TItem {
public:
    static constexpr int kQuadCount = 16;
    static constexpr int kPlaceCount = 4;

    QuadView(CharacterManager* characters, IQuadViewClient* client, ItemList* list, const ShortRect* bounds);

    // The quad 0-15; another value is ignored. The holders are read again.
    void SetQuad(int quad);
    int GetQuad() const { return quad_; }
    // The quad's name: its variation's.
    static std::string QuadName(int quad);
    // The element at place 0-3 of a quad: the element of the variation's quad in the theory's
    // structure whose position is place + 1; 0 for another quad or place.
    static std::int16_t QuadElement(int quad, int place);
    // The element at place 0-3 of the quad shown; 0 for another place.
    std::int16_t ElementAt(int place) const;
    // The character holding the place's element; kNoCharID when nobody does.
    CharID HolderAt(int place) const;
    // The place under the point (the window's client coordinates); -1 when none.
    int PlaceAt(ShortPoint point) const;
    int GetSelectedPlace() const { return selected_; }
    void SelectPlace(int place);
    // Every place that the character holds is emptied and drawn again.
    void DropCharacter(CharID id);
    // Reads the holders from the story's characters again.
    void Refresh();
    void SetFont(const win::LOGFONTA& font);

    // --- TItem
    void Draw(win::HDC dc, const Rgn& clip) override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void WindowResized() override;

private:
    ShortRect PlaceRect(int place) const;
    void DrawPlace(TGraphEnv& env, int place);

    CharacterManager* characters_;
    IQuadViewClient* client_;
    int quad_ = 0;
    int selected_ = -1;
    std::array<CharID, kPlaceCount> holders_;
    win::LOGFONTA font_;
};
