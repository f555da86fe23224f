#pragma once
// The archetypes of the casting window: one row for each of the eight archetypes, with the
// characters of the story who play it below its name. A click selects an archetype, a double click
// casts it (the client decides for whom), and a row can be dragged onto another part of the window.

#include <cstdint>
#include <string>

#include "items/TView.h"
#include "platform/gdi/GdiTypes.h"
#include "storymodel/CharID.h"
#include "storymodel/ListenerMixins.h"

class CharacterManager;
class TGraphEnv;

class IArchetypeListClient {
public:
    virtual ~IArchetypeListClient() = default;
    virtual void ArchetypeOpened(std::int16_t archetype) = 0;
    // The archetype's row was dragged and let go at the point (the window's client coordinates).
    virtual void ArchetypeDropped(std::int16_t archetype, ShortPoint point) = 0;
};

class ArchetypeListView : public TView, public MCharacterListener, public MCharacteristicListener {
public:
    static constexpr std::int16_t kRowHeight = 40;
    static constexpr int kRowCount = 8;

    ArchetypeListView(CharacterManager* characters, IArchetypeListClient* client, ItemList* list,
                      const ShortRect* bounds);
    ~ArchetypeListView() override;
    ArchetypeListView(const ArchetypeListView&) = delete;
    ArchetypeListView& operator=(const ArchetypeListView&) = delete;

    // The archetype of row 0-7; 0 for another row.
    static std::int16_t ArchetypeAt(std::int32_t row);
    // The archetype whose row lies under the point; 0 when none does.
    std::int16_t ArchetypeUnder(ShortPoint point) const;
    std::int16_t GetSelected() const { return selected_; }
    void Select(std::int16_t archetype);
    // The names of the characters who play the archetype, separated by commas.
    std::string Players(std::int16_t archetype) const;
    void SetFont(const win::LOGFONTA& font);

    // --- TItem and TView
    std::int32_t VertUnitCount() const override { return kRowCount; }
    void DrawContent(ViewDrawContext* context) override;
    std::int32_t HandleMouseDown(const MsgEvent& event) override;
    void SetBounds(const ShortRect& rect, bool redraw) override;
    void WindowResized() override;
    void CharactersChanged(const CharacterEvent* /*event*/) override { Invalidate(); }
    void CharacteristicsChanged() override { Invalidate(); }

private:
    void DrawRow(TGraphEnv& env, std::int32_t row, int top, int left, int right);

    CharacterManager* characters_;
    IArchetypeListClient* client_;
    std::int16_t selected_ = 0;
    win::LOGFONTA font_;
};
