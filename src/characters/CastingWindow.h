#pragma once
// The casting window of a story: the eight archetypes on the left, each with the characters who play
// it, and the story's cast on the right. An archetype is cast by dragging it onto a character (or
// the character onto it), by a double click on it, or with Cast, each for the selected character:
// the character takes the archetype's characteristics (the character manager asks before taking
// any from another character). No Archetype takes every characteristic from the selected character.
// The window keeps its place in the casting preferences ('CTNG', "CTNG") and is the story's
// casting window while it lives.

#include <cstdint>

#include "characters/ArchetypeListView.h"
#include "characters/CharacterWindow.h"

class CastingWindow : public CharacterWindow, public IArchetypeListClient {
    TOBJECT_CLASS(CastingWindow, CharacterWindow, 165)

public:
    enum Item : std::int32_t { kArchetypesItem, kCastItem, kCastButton, kClearButton };
    static constexpr const char* kPlacementKey = "CTNG";
    static constexpr const char* kName = "Casting";
    static constexpr std::int16_t kPaneWidth = 250;

    CastingWindow(TAppl* application, FKDoc* story);
    ~CastingWindow() override;

    void BuildContents() override;
    void EndModal(std::int32_t itemIndex) override;
    ShortPoint GetMinTrackSize() override { return ShortPoint{kPaneWidth + 200, 260}; }

    // The character takes the archetype (0: no archetype, every characteristic goes).
    void Cast(CharID id, std::int16_t archetype);
    ArchetypeListView* GetArchetypes() const { return archetypes_; }

    // --- ICastListClient and IArchetypeListClient
    bool CastRowsDrag() const override { return true; }
    void CastCharacterDropped(CharID id, ShortPoint point) override;
    void ArchetypeOpened(std::int16_t archetype) override;
    void ArchetypeDropped(std::int16_t archetype, ShortPoint point) override;

private:
    ArchetypeListView* archetypes_ = nullptr;
};
