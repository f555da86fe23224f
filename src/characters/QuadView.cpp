#include "characters/QuadView.h"

#include "characters/ItemDrag.h"
#include "characters/ShownText.h"
#include "framework/MsgEvent.h"
#include "framework/TWindow.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/engine/ElementTable.h"

namespace {

constexpr int kSelectionColor = 18;
constexpr int kEmptyColor = 11;
constexpr int kGap = 4;

int DimensionOf(std::int16_t element) { return DimensionOfCharacteristic(element - kFirstElementID); }

}  // namespace

QuadView::QuadView(CharacterManager* characters, IQuadViewClient* client, ItemList* list,
                   const ShortRect* bounds)
    : TItem(list, bounds, 0, GetStandardColor(0)), characters_(characters), client_(client) {
    holders_.fill(kNoCharID);
    MakeLogFont(font_, 0, 12, 0);
    Refresh();
}

std::string QuadView::QuadName(int quad) {
    if (quad < 0 || quad >= kQuadCount) return {};
    return ElementName(static_cast<std::int16_t>(kFirstVariationID + quad));
}

void QuadView::SetQuad(int quad) {
    if (quad < 0 || quad >= kQuadCount) return;
    quad_ = quad;
    selected_ = -1;
    Refresh();
}

std::int16_t QuadView::QuadElement(int quad, int place) {
    if (quad < 0 || quad >= kQuadCount || place < 0 || place >= kPlaceCount) return 0;
    // The element whose code continues the variation's code with the place's digit.
    const auto variation = static_cast<std::int16_t>(kFirstVariationID + quad);
    for (auto id = kFirstElementID; id < kFirstElementID + kElementsPerClass; ++id) {
        if (ElementClassDigit(id) == ElementClassDigit(variation) &&
            ElementTypeDigit(id) == ElementTypeDigit(variation) &&
            ElementVariationDigit(id) == ElementVariationDigit(variation) &&
            ElementElementDigit(id) == place + 1)
            return id;
    }
    return 0;
}

std::int16_t QuadView::ElementAt(int place) const { return QuadElement(quad_, place); }

CharID QuadView::HolderAt(int place) const {
    return place >= 0 && place < kPlaceCount ? holders_[static_cast<std::size_t>(place)] : kNoCharID;
}

void QuadView::Refresh() {
    for (int place = 0; place < kPlaceCount; ++place) {
        const std::int16_t element = ElementAt(place);
        holders_[static_cast<std::size_t>(place)] =
            characters_ ? characters_->FindCharacterWithCharacteristic(element, DimensionOf(element))
                        : kNoCharID;
    }
    Invalidate();
}

void QuadView::DropCharacter(CharID id) {
    if (!IsValidCharID(id)) return;
    bool dropped = false;
    for (CharID& holder : holders_) {
        if (holder != id) continue;
        holder = kNoCharID;
        dropped = true;
    }
    if (dropped) Invalidate();
}

void QuadView::SelectPlace(int place) {
    if (place < -1 || place >= kPlaceCount || place == selected_) return;
    selected_ = place;
    Invalidate();
}

void QuadView::SetFont(const win::LOGFONTA& font) {
    font_ = font;
    Invalidate();
}

ShortRect QuadView::PlaceRect(int place) const {
    const ShortRect& bounds = Bounds();
    const int width = (bounds.Width() - kGap) / 2;
    const int height = (bounds.Height() - kGap) / 2;
    const int left = bounds.left + place % 2 * (width + kGap);
    const int top = bounds.top + place / 2 * (height + kGap);
    return ShortRect::MakeLTRB(left, top, left + width, top + height);
}

int QuadView::PlaceAt(ShortPoint point) const {
    for (int place = 0; place < kPlaceCount; ++place)
        if (PlaceRect(place).Contains(point)) return place;
    return -1;
}

std::int32_t QuadView::HandleMouseDown(const MsgEvent& event) {
    const ShortPoint point = event.GetMousePoint(GetParentHWnd());
    const int place = PlaceAt(point);
    SelectPlace(place);
    if (place < 0 || !client_) return 1;
    const std::int16_t element = ElementAt(place);
    if (event.IsDoubleClick()) {
        if (HolderAt(place) != kNoCharID) client_->QuadElementOpened(element, HolderAt(place));
        return 1;
    }
    if (const std::optional<ShortPoint> drop = DragItemPart(*this, PlaceRect(place), point))
        client_->QuadElementDropped(element, *drop);
    return 1;
}

void QuadView::WindowResized() {
    TWindow* window = GetWindow();
    if (!window) return;
    ShortRect content;
    window->GetContentRect(content);
    ShortRect bounds = Bounds();
    bounds.right = std::max<std::int16_t>(content.right - 8, static_cast<std::int16_t>(bounds.left + 120));
    SetBounds(bounds, true);
}

void QuadView::DrawPlace(TGraphEnv& env, int place) {
    const ShortRect rect = PlaceRect(place);
    const CharID holder = HolderAt(place);
    env.SetForeStandardColor(place == selected_ ? kSelectionColor : holder == kNoCharID ? kEmptyColor : 1);
    env.FillRect(rect);
    env.SetForeStandardColor(0);
    env.FrameRect(rect);
    const std::int16_t element = ElementAt(place);
    const int line = rect.Height() / 3;
    const auto row = [&](int index) {
        return ShortRect::MakeLTRB(rect.left + 6, rect.top + index * line, rect.right - 6,
                                   rect.top + (index + 1) * line);
    };
    win::LOGFONTA bold = font_;
    bold.lfWeight = 700;
    env.SetFontIndirect(bold);
    env.DrawTextBox(ElementName(element), row(0), 1, 0, 0);
    env.SetFontIndirect(font_);
    const char* dimension = DimensionName(DimensionOf(element));
    env.DrawTextBox(dimension ? dimension : "", row(1), 1, 0, 0);
    const CharInfoRec* character =
        characters_ && holder != kNoCharID ? characters_->RecordAt(characters_->IndexOf(holder)) : nullptr;
    env.DrawTextBox(character ? ShownText(character->Name()).c_str() : "", row(2), 1, 0, 0);
}

void QuadView::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !env->GetHDC()) return;
    const GraphAttribUser use(*env);
    for (int place = 0; place < kPlaceCount; ++place) DrawPlace(*env, place);
}
