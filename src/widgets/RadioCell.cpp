#include <new>

#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/GraphFontUser.h"
#include "widgets/CellTracking.h"
#include "widgets/ControlCells.h"
#include "widgets/TTable.h"

RadioCell::RadioCell(const ShortRect& bounds, const StrList& titles, std::int16_t pitch, const win::LOGFONTA* font)
    : TCell(static_cast<std::int16_t>(bounds.Width()), static_cast<std::int16_t>(bounds.Height()), 0x19),
      pitch_(pitch) {
    titles_.CopyFrom(titles);
    if (font) {
        font_ = *font;
    } else {
        MakeLogFont(font_, 5, 10, 0);
    }
}

RadioCell::RadioCell(const RadioCell& other)
    : TCell(other), selected_(other.selected_), font_(other.font_), pitch_(other.pitch_) {
    titles_.CopyFrom(other.titles_);
}

TCell* RadioCell::Clone() const { return new (std::nothrow) RadioCell(*this); }

std::int16_t RadioCell::NextChoice() const {
    return selected_ + 1 < CountChoices() ? static_cast<std::int16_t>(selected_ + 1) : 0;
}

void RadioCell::SetChoiceState(std::int16_t index, bool on) {
    if (on) {
        if (index >= 0 && index < CountChoices()) selected_ = index;
    } else if (index == selected_) {
        selected_ = NextChoice();
    }
}

std::int16_t RadioCell::ChoiceAt(std::int32_t x, const ShortRect& rect) const {
    if (pitch_ <= 0 || x < rect.left) return -1;
    const std::int32_t choice = (x - rect.left) / pitch_;
    return choice < CountChoices() ? static_cast<std::int16_t>(choice) : -1;
}

void RadioCell::Repaint() {
    ShortRect rect;
    const TTable* table = GetTable();
    if (!table || !GetViewRect(rect)) return;
    // A partly hidden cell is not drawn over.
    ShortRect visible = rect;
    visible.Intersect(table->DataRect());
    const LongRect& bounds = GetBounds();
    if (visible.Height() + table->GetRowGapAbove() + table->GetRowGapBelow() != bounds.bottom - bounds.top) return;
    DrawCellNow(*this);
}

std::int16_t RadioCell::MouseDown(const MsgEvent& event) {
    ShortRect rect;
    if (!GetViewRect(rect)) return kMouseGoOn;
    const std::int16_t choice = ChoiceAt(event.GetMousePoint(GetTable()->GetParentHWnd()).x, rect);
    if (choice < 0) return kMouseGoOn;
    ShortRect target = rect;
    target.left = static_cast<std::int16_t>(rect.left + choice * pitch_);
    target.right = static_cast<std::int16_t>(target.left + pitch_);
    if (TrackCellClick(*this, target, [this](bool) { Repaint(); })) {
        selected_ = choice;
        SelectionChanged();
        Repaint();
    }
    return kMouseGoOn;
}

void RadioCell::Activate() {
    TCell::Activate();
    Invalidate(false);
}

void RadioCell::Deactivate() {
    TCell::Deactivate();
    Invalidate(false);
}

bool RadioCell::HandleKey(KeyEvent& event) {
    if (event.GetKey() != kKeySpace) return false;
    selected_ = NextChoice();
    SelectionChanged();
    Repaint();
    DelayTicks(2);
    return true;
}

void RadioCell::DrawContent(TGraphEnv& env, std::int32_t /*column*/, const ShortRect& rect) {
    GraphAttribUser use(env);
    const TTable* table = GetTable();
    ClipSaver clip(env, rect);
    env.SetForeColor(table ? table->GetBackgroundColor() : GetStandardColor(1));
    env.FillRect(rect);
    GraphFontUser font(env, font_);
    env.SetForeStandardColor(0);
    const ShortRect first = CheckCell::BoxIn(rect);
    for (std::int16_t i = 0; i < CountChoices(); ++i) {
        ShortRect box = first;
        box.Offset(i * pitch_, 0);
        if (i == selected_) {
            env.FillOval(box);
        } else {
            env.FrameOval(box);
        }
        const int half = box.Height() / 2;
        const String* title = titles_.StringAt(i);
        env.MoveTo(box.right + half, box.bottom - (half / 2 - 2));
        if (title && title->CStr()) env.TextOutAligned(title->CStr(), 0, static_cast<std::int16_t>(title->Length()));
    }
    if (HasFlags(kCellActive)) {
        ShortRect focus = rect;
        focus.left = static_cast<std::int16_t>(focus.left + 2);
        focus.top = static_cast<std::int16_t>(focus.top + 2);
        focus.right = static_cast<std::int16_t>(focus.right - 2);
        focus.bottom = static_cast<std::int16_t>(focus.bottom - 2);
        env.DrawFocusRect(focus);
    }
}
