#pragma once
// The Build Characters window of a story: the cast list on the left; on the right the quad view of
// the characteristic elements, the quad chosen in a list above it, and below it what the selected
// character holds in each of the four dimensions. A characteristic is dealt to a character by
// dragging its place in the quad onto the character in the cast list (or the character onto the
// place); when another character holds it, the character manager asks whether to take it away. A
// double click on a held place, or Take Back with a place selected, takes the element back.
//
// Set Font chooses the font of the names and elements; the window keeps it ("BCHR") and its place
// ("BLCH") in the Build Characters preferences ('BLCH'). It is the story's Build Characters window
// while it lives, and drops a deleted character from its quad.

#include <cstdint>
#include <string>

#include "app/StoryTools.h"
#include "characters/CharacterWindow.h"
#include "characters/QuadView.h"
#include "storymodel/ListenerMixins.h"

class Popup;
class StatText;

class BCWindow : public CharacterWindow,
                 public IWindowFontChoice,
                 public IQuadViewClient,
                 public MCharacteristicListener {
    TOBJECT_CLASS(BCWindow, CharacterWindow, 154)

public:
    enum Item : std::int32_t { kCastItem, kQuadListItem, kQuadItem, kTakeBackItem, kHeldItem };
    static constexpr const char* kPlacementKey = "BLCH";
    static constexpr const char* kFontKey = "BCHR";
    static constexpr const char* kName = "Build Characters";
    static constexpr std::int16_t kPaneWidth = 240;

    BCWindow(TAppl* application, FKDoc* story);
    ~BCWindow() override;

    void BuildContents() override;
    void EndModal(std::int32_t itemIndex) override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{kPaneWidth + 260, 300}; }

    // --- the window's operations
    // Gives the character the element in the element's dimension (after the manager's question when
    // another character holds it); true when the character holds it afterwards.
    bool DealCharacteristic(CharID id, std::int16_t element);
    // The element goes from the character that holds it.
    void TakeBack(std::int16_t element);
    // Every place of the quad holding the character is emptied (the character is going).
    void DropCharacter(CharID id);
    void ShowQuad(int quad);
    // What the selected character holds, one dimension a line.
    std::string DescribeHeld() const;
    // Set Font: asks for the font, keeps it and shows the names and elements in it.
    void ChooseFont();
    void ApplyFont(const win::LOGFONTA& font);
    QuadView* GetQuadView() const { return quad_; }

    // --- IWindowFontChoice, ICastListClient, IQuadViewClient, MCharacteristicListener
    void ChooseWindowFont() override { ChooseFont(); }
    bool CastRowsDrag() const override { return true; }
    void CastSelectionChanged(CharID id) override;
    void CastCharacterDropped(CharID id, ShortPoint point) override;
    void QuadElementDropped(std::int16_t element, ShortPoint point) override;
    void QuadElementOpened(std::int16_t element, CharID holder) override;
    void CharacteristicsChanged() override;

private:
    void ShowHeld();

    QuadView* quad_ = nullptr;
    Popup* quadList_ = nullptr;
    StatText* held_ = nullptr;
    win::LOGFONTA font_;
};
