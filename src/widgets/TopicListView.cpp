// The topic list's entries, selection and drawing.

#include "widgets/TopicListView.h"

#include <algorithm>
#include <cstring>

#include "framework/TWindow.h"
#include "framework/WindowUtilities.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/GraphFontUser.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemList.h"
#include "items/ViewDrawContext.h"
#include "platform/gdi/DeviceContexts.h"

namespace {

constexpr int kContextRows = 3;
constexpr int kTextIndent = 2;
constexpr int kGlyphStrip = 12;

}  // namespace

TopicListView::TopicListView(ItemList* list, std::int16_t growth, ITopicViewClient* client,
                             const ShortRect* bounds, std::uint16_t viewFlags, std::uint16_t itemFlags,
                             const RGBColor& color, const win::LOGFONTA* font)
    : TView(list, viewFlags, bounds, itemFlags, color),
      client_(client),
      texts_(0, static_cast<std::uint16_t>(std::max<std::int16_t>(growth, 1))),
      entries_(sizeof(Entry), static_cast<std::uint16_t>(std::max<std::int16_t>(growth, 1) * sizeof(Entry))) {
    if (font) {
        font_ = *font;
    } else {
        MakeLogFont(font_, 3, 10, 0);
    }
    MeasureFont();
    SetupScrollBars();
}

TopicListView::~TopicListView() = default;

void TopicListView::MeasureFont() {
    const win::HDC dc = win::CreateMeasuringDC();
    win::TEXTMETRICA metrics{};
    GetFontMetrics(dc, font_, metrics);
    win::DeleteDC(dc);
    ascent_ = GetFontAscent(metrics);
    rowHeight_ = static_cast<std::int16_t>(
        std::max(1, GetFontAscent(metrics) + GetFontDescent(metrics) + GetFontLeading(metrics)));
    SetVertUnitHeight(rowHeight_);
}

void TopicListView::Reset() {
    MeasureFont();
    entries_.DeleteAll();
    texts_.RemoveAll();
    highlight_ = 0;
    selected_ = 0;
    dragOrigin_ = -1;
    UpdateScrollBars(0);
    Invalidate();
}

// --- Entries

const TopicListView::Entry* TopicListView::EntryAt(std::int32_t row) const {
    return row >= 0 && row < entries_.Count() ? static_cast<const Entry*>(entries_.ElementPtr(row)) : nullptr;
}

TopicListView::Entry* TopicListView::EntryAt(std::int32_t row) {
    return row >= 0 && row < entries_.Count() ? static_cast<Entry*>(entries_.ElementPtr(row)) : nullptr;
}

std::int32_t TopicListView::AddTopic(std::int16_t topicId, const char* text) {
    const char* stored = text ? text : "";
    const std::int32_t index = texts_.AddItem(stored, static_cast<std::uint32_t>(std::strlen(stored) + 1));
    if (index < 0) return -1;
    const Entry entry{topicId, index, 0, 0, kNoGlyph};
    const std::int32_t row = entries_.Append(&entry);
    if (row < 0) {
        texts_.RemoveItem(index);
        return -1;
    }
    if (updateDepth_ == 0) UpdateScrollBars(2);
    RedrawRow(row);
    return row;
}

void TopicListView::RemoveAllTopics() {
    if (entries_.Count() == 0) return;
    if (ItemGraphEnv* env = GetGraphEnv(); env && HasWindow()) {
        GraphUser use(*env);
        ShortRect content;
        GetContentRect(content);
        env->EraseRect(content);
    }
    entries_.DeleteAll();
    texts_.RemoveAll();
    highlight_ = 0;
    selected_ = 0;
    UpdateScrollBars(0);
    ScrollTo(0, GetHorzScrollValue(), 1);
    Invalidate();
}

void TopicListView::DeleteTopic(std::int32_t row) {
    const Entry* entry = EntryAt(row);
    if (!entry) return;
    const std::int32_t oldLast = entries_.Count() - 1;
    texts_.RemoveItem(entry->text);
    entries_.DeleteAt(row);
    // The selection stays with its entry.
    if (row < selected_) {
        --selected_;
    } else if (row == selected_) {
        highlight_ = 0;
        selected_ = std::min(selected_, std::max(entries_.Count() - 1, 0));
    }
    if (entries_.Count() == 0) highlight_ = 0;
    UpdateScrollBars(2);
    ShortRect first;
    ShortRect last;
    if (GetRowRect(row, first) && GetRowRect(oldLast, last)) {
        first.bottom = last.bottom;
        InvalidateArea(first);
    } else {
        InvalidateArea(Bounds());
    }
}

void TopicListView::InvalidateArea(const ShortRect& rect) {
    if (updateDepth_ > 0) {
        redrawDeferred_ = 1;
        return;
    }
    InvalidateShortRect(GetParentHWnd(), rect);
}

void TopicListView::DeleteSelectedTopic() {
    if (highlight_) DeleteTopic(selected_);
}

std::int16_t TopicListView::FindTopic(std::int16_t topicId, std::int32_t* row) const {
    for (std::int32_t i = 0; i < entries_.Count(); ++i) {
        if (EntryAt(i)->topicId != topicId) continue;
        if (row) *row = i;
        return 1;
    }
    return 0;
}

void TopicListView::SetTopicMark(std::int32_t row, std::int16_t dimmed, bool redraw) {
    if (Entry* entry = EntryAt(row)) {
        entry->dimmed = dimmed;
        if (redraw) RedrawRow(row);
    }
}

void TopicListView::SetTopicStyle(std::int32_t row, std::uint32_t style, bool redraw) {
    if (Entry* entry = EntryAt(row)) {
        entry->style = style;
        if (redraw) RedrawRow(row);
    }
}

void TopicListView::SetTopicGlyph(std::int32_t row, std::uint8_t glyph, bool redraw) {
    Entry* entry = EntryAt(row);
    if (!entry) return;
    const bool changed = entry->glyph != glyph;
    entry->glyph = glyph;
    ShortRect rect;
    if (!redraw || !changed || !markColumn_ || !GetRowRect(row, rect)) return;
    rect.right = static_cast<std::int16_t>(rect.left + kGlyphStrip);
    InvalidateArea(rect);
}

void TopicListView::GetTopicText(char* buffer, std::int32_t row, std::size_t size) const {
    if (!buffer || size == 0) return;
    buffer[0] = '\0';
    const Entry* entry = EntryAt(row == -1 ? selected_ : row);
    if (!entry) return;
    const auto* text = static_cast<const char*>(texts_.ItemPtr(entry->text));
    if (!text) return;
    const std::size_t length = std::min(std::strlen(text), size - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

std::int16_t TopicListView::GetTopicID(std::int32_t row) const {
    const Entry* entry = EntryAt(row);
    return entry ? entry->topicId : 0;
}

std::uint32_t TopicListView::GetTopicStyle(std::int32_t row) const {
    const Entry* entry = EntryAt(row);
    return entry ? entry->style : 0;
}

std::uint8_t TopicListView::GetTopicGlyph(std::int32_t row) const {
    const Entry* entry = EntryAt(row);
    return entry ? entry->glyph : kNoGlyph;
}

std::int16_t TopicListView::GetTopicMark(std::int32_t row) const {
    const Entry* entry = EntryAt(row);
    return entry ? entry->dimmed : 0;
}

void TopicListView::SetMarkColumn(bool shown) {
    markColumn_ = shown ? 1 : 0;
    Invalidate();
}

void TopicListView::EndUpdate() {
    if (updateDepth_ > 0) --updateDepth_;
    if (updateDepth_ > 0) return;
    UpdateScrollBars(2);
    if (redrawDeferred_) {
        redrawDeferred_ = 0;
        Invalidate();
    }
}

// --- Selection

void TopicListView::SetSelection(std::int32_t row) {
    if (highlight_) {
        highlight_ = 0;
        RedrawRow(selected_);
    }
    if (entries_.Count() == 0) {
        selected_ = -1;
        return;
    }
    selected_ = std::clamp(row, 0, entries_.Count() - 1);
    highlight_ = 1;
    const std::int32_t first = GetVertScrollValue();
    const std::int32_t rows = std::max<std::int32_t>(VertUnitsOnPage(), 1);
    if (selected_ < first) {
        ScrollTo(std::max(selected_ - kContextRows, 0), GetHorzScrollValue(), 1);
    } else if (selected_ >= first + rows) {
        ScrollTo(selected_ - rows + kContextRows, GetHorzScrollValue(), 1);
    }
    RedrawRow(selected_);
}

void TopicListView::SelectTopic(std::int32_t row, std::int16_t notify) {
    SetSelection(row);
    if (!highlight_) return;
    const std::int16_t topicId = GetTopicID(selected_);
    if (ownerWindow_) {
        if (auto* owner = dynamic_cast<ITopicListOwner*>(ownerWindow_)) {
            owner->TopicSelected(this, selected_, topicId, 0, notify);
        } else {
            TopicChosen(selected_, topicId, 0, notify);
        }
        return;
    }
    if (client_ && client_->TopicChosen(this, selected_, topicId, 0, 1) == 0)
        TopicChosen(selected_, topicId, 0, 1);
}

void TopicListView::ClearHighlight() {
    if (!highlight_) return;
    highlight_ = 0;
    RedrawRow(selected_);
}

std::int32_t TopicListView::TakeMovedFromRow() {
    const std::int32_t row = movedFrom_;
    movedFrom_ = -1;
    return row;
}

std::int16_t TopicListView::TopicChosen(std::int32_t row, std::int16_t topicId, std::int16_t a,
                                        std::int16_t b) {
    lastChoice_ = Choice{row, topicId, a, b};
    TWindow* window = ownerWindow_ ? ownerWindow_ : GetWindow();
    if (window && GetItemList()) {
        const std::int32_t index = GetItemList()->IndexOf(this);
        if (index >= 0) window->PostItemHit(index);
    }
    return 1;
}

void TopicListView::MoveHighlight(std::int32_t row) {
    if (highlight_ && row != selected_) {
        highlight_ = 0;
        RedrawRow(selected_);
    }
    selected_ = row;
    highlight_ = 1;
    RevealRow(row);
    RedrawRow(row);
}

void TopicListView::OfferChoice(std::int32_t row, std::int16_t doubleClickOrKey, std::int16_t ownA) {
    const std::int16_t topicId = GetTopicID(row);
    if (client_ && client_->TopicChosen(this, row, topicId, doubleClickOrKey, 1) != 0) return;
    TopicChosen(row, topicId, ownA, 1);
}

void TopicListView::RevealRow(std::int32_t row) {
    const std::int32_t first = GetVertScrollValue();
    const std::int32_t rows = std::max<std::int32_t>(VertUnitsOnPage(), 1);
    if (row < first) {
        ScrollTo(row, GetHorzScrollValue(), 1);
    } else if (row >= first + rows) {
        ScrollTo(row - rows + 1, GetHorzScrollValue(), 1);
    }
}

// --- Drawing

bool TopicListView::GetRowRect(std::int32_t row, ShortRect& rect) const {
    ShortRect content;
    GetContentRect(content);
    const std::int32_t top = content.top + (row - GetVertScrollValue()) * rowHeight_;
    const LongRect place{content.left, top, content.right, top + rowHeight_};
    return LongRectToShortRect(place, 0, 0, rect);
}

std::int32_t TopicListView::DisplayedEntry(std::int32_t row) const {
    if (dragOrigin_ < 0) return row;
    if (row == selected_) return dragOrigin_;
    if (dragOrigin_ <= row && row < selected_) return row + 1;
    if (selected_ < row && row <= dragOrigin_) return row - 1;
    return row;
}

std::int32_t TopicListView::RowAt(ShortPoint point) const {
    ShortRect content;
    GetContentRect(content);
    if (!content.Contains(point)) return -1;
    const std::int32_t row = GetVertScrollValue() + (point.y - content.top) / rowHeight_;
    return row < entries_.Count() ? row : -1;
}

void TopicListView::RedrawRow(std::int32_t row) {
    if (updateDepth_ > 0) {
        redrawDeferred_ = 1;
        return;
    }
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !HasWindow() || row < 0 || row >= entries_.Count()) return;
    GraphAttribUser use(*env);
    ShortRect content;
    GetContentRect(content);
    const ClipSaver clip(*env, content);
    DrawRow(*env, row);
}

void TopicListView::DrawFocusRing() {
    if (highlight_) RedrawRow(selected_);
}

void TopicListView::DrawContent(ViewDrawContext* /*context*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    GraphAttribUser use(*env);
    const std::int32_t first = GetVertScrollValue();
    const std::int32_t last = std::min(entries_.Count() - 1, first + VertUnitsOnPage());
    for (std::int32_t row = first; row <= last; ++row) DrawRow(*env, row);
}

void TopicListView::DrawRow(TGraphEnv& env, std::int32_t row) {
    ShortRect rect;
    const Entry* entry = EntryAt(DisplayedEntry(row));
    if (!entry || !GetRowRect(row, rect)) return;
    GraphAttribUser use(env);
    env.SetBackColor(GetContentColor());
    env.EraseRect(rect);
    const bool highlighted = highlight_ && row == selected_;
    if (highlighted) {
        if (HasFlags(kFocusRingShown)) {
            env.FillHighlight(rect);
            env.UseHighlightTextColor();
        } else {
            env.FrameRect(rect);
        }
    }
    win::LOGFONTA font = font_;
    SetLogFontStyle(font, static_cast<std::int32_t>(entry->style));
    const GraphFontUser selectedFont(env, font);
    const int indent = kTextIndent + (markColumn_ ? kMarkColumnWidth : 0);
    const auto* text = static_cast<const char*>(texts_.ItemPtr(entry->text));
    env.SetTransparent(true);
    env.DrawMultilineText(text ? text : "",
                          ShortRect::MakeLTRB(rect.left + indent, rect.top, rect.right, rect.bottom),
                          kAlignLeft, 0, entry->dimmed ? 1 : 0);
    if (markColumn_) DrawGlyph(env, entry->glyph, rect.left, rect.top + ascent_);
}

void TopicListView::DrawGlyph(TGraphEnv& env, std::uint8_t glyph, int left, int baseline) {
    switch (glyph) {
        case kSlantGlyph:
            env.MoveTo(left + 3, baseline);
            env.LineTo(left + 7, baseline - 6);
            break;
        case kDotGlyph:
            env.FillRect(ShortRect::MakeLTRB(left + 4, baseline - 4, left + 7, baseline - 1));
            break;
        case kDashGlyph:
            env.MoveTo(left + 2, baseline - 3);
            env.LineTo(left + 8, baseline - 3);
            break;
        case kPairGlyph:
            for (const int y : {baseline - 5, baseline - 2}) {
                env.FillRect(ShortRect::MakeLTRB(left + 2, y, left + 4, y + 2));
                env.FillRect(ShortRect::MakeLTRB(left + 6, y, left + 8, y + 2));
            }
            break;
        default: break;
    }
}
