#include "characters/ArchetypeListView.h"

#include "characters/ItemDrag.h"
#include "characters/ShownText.h"
#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "items/ViewDrawContext.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterManager.h"

namespace {

constexpr int kSelectionColor = 18;
constexpr std::int16_t kTextInset = 8;

}  // namespace

ArchetypeListView::ArchetypeListView(CharacterManager* characters, IArchetypeListClient* client,
                                     ItemList* list, const ShortRect* bounds)
    : TView(list, static_cast<std::uint16_t>(kVertScrollBar | kReadOnly), bounds, 0, GetStandardColor(1)),
      MCharacterListener(characters),
      MCharacteristicListener(characters ? &characters->GetCharacteristicBroadcaster() : nullptr),
      characters_(characters),
      client_(client) {
    MakeLogFont(font_, 0, 12, 0);
    SetVertUnitHeight(kRowHeight);
    SetupScrollBars();
}

ArchetypeListView::~ArchetypeListView() {
    MCharacterListener::SetBroadcaster(nullptr);
    MCharacteristicListener::SetBroadcaster(nullptr);
}

std::int16_t ArchetypeListView::ArchetypeAt(std::int32_t row) {
    return row >= 0 && row < kRowCount ? static_cast<std::int16_t>(kFirstArchetype + row) : 0;
}

std::int16_t ArchetypeListView::ArchetypeUnder(ShortPoint point) const {
    ShortRect content;
    GetContentRect(content);
    if (!content.Contains(point)) return 0;
    LongPoint document;
    ViewPointToDoc(point, document);
    return document.y < 0 ? 0 : ArchetypeAt(document.y / kRowHeight);
}

void ArchetypeListView::Select(std::int16_t archetype) {
    if (archetype != 0 && (archetype < kFirstArchetype || archetype > kLastArchetype)) return;
    selected_ = archetype;
    Invalidate();
}

std::string ArchetypeListView::Players(std::int16_t archetype) const {
    std::string names;
    if (!characters_) return names;
    for (std::int32_t i = 0; i < characters_->GetCount(); ++i) {
        const CharInfoRec* character = characters_->RecordAt(i);
        if (!character || character->GetArchetype() != archetype) continue;
        if (!names.empty()) names += ", ";
        names += ShownText(character->Name());
    }
    return names;
}

void ArchetypeListView::SetFont(const win::LOGFONTA& font) {
    font_ = font;
    Invalidate();
}

std::int32_t ArchetypeListView::HandleMouseDown(const MsgEvent& event) {
    if (TView::HandleMouseDown(event) == 0) return 0;
    const ShortPoint point = event.GetMousePoint(GetParentHWnd());
    const std::int16_t archetype = ArchetypeUnder(point);
    Select(archetype);
    if (archetype == 0 || !client_) return 1;
    if (event.IsDoubleClick()) {
        client_->ArchetypeOpened(archetype);
        return 1;
    }
    LongPoint document;
    ViewPointToDoc(point, document);
    const std::int32_t row = document.y / kRowHeight;
    ShortRect rowRect;
    DocRectToView(LongRect{0, row * kRowHeight, Bounds().Width(), (row + 1) * kRowHeight}, rowRect);
    if (const std::optional<ShortPoint> drop = DragItemPart(*this, rowRect, point))
        client_->ArchetypeDropped(archetype, *drop);
    return 1;
}

void ArchetypeListView::SetBounds(const ShortRect& rect, bool redraw) {
    TView::SetBounds(rect, redraw);
    UpdateScrollBars(1);
}

void ArchetypeListView::WindowResized() { StretchToWindowBottom(); }

void ArchetypeListView::DrawRow(TGraphEnv& env, std::int32_t row, int top, int left, int right) {
    const std::int16_t archetype = ArchetypeAt(row);
    const ShortRect whole = ShortRect::MakeLTRB(left, top, right, top + kRowHeight);
    if (archetype == selected_) {
        env.SetForeStandardColor(kSelectionColor);
        env.FillRect(whole);
    }
    env.SetForeStandardColor(0);
    win::LOGFONTA bold = font_;
    bold.lfWeight = 700;
    env.SetFontIndirect(bold);
    const int half = kRowHeight / 2;
    env.DrawTextBox(ArchetypeName(archetype),
                    ShortRect::MakeLTRB(left + kTextInset, top + 2, right, top + half), 0, 0, 0);
    env.SetFontIndirect(font_);
    const std::string players = Players(archetype);
    env.DrawTextBox(players.empty() ? "(not cast)" : players.c_str(),
                    ShortRect::MakeLTRB(left + kTextInset, top + half, right, top + kRowHeight - 2), 0, 0, 0);
    env.SetForeStandardColor(11);
    env.MoveTo(left, top + kRowHeight - 1);
    env.LineTo(right, top + kRowHeight - 1);
}

void ArchetypeListView::DrawContent(ViewDrawContext* context) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !context) return;
    const GraphAttribUser use(*env);
    ShortRect content;
    GetContentRect(content);
    for (std::int32_t i = 0; i < kRowCount; ++i) {
        const auto top = static_cast<int>(static_cast<std::int64_t>(i) * kRowHeight - context->origin.y);
        if (top + kRowHeight <= content.top || top >= content.bottom) continue;
        DrawRow(*env, i, top, static_cast<int>(-context->origin.x), content.right - 1);
    }
}
