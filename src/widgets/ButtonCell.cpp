// Button cells, and the press tracking and immediate drawing every drawn control cell shares.

#include <new>

#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/graphics/BevelFrames.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/GraphFontUser.h"
#include "items/ItemGraphEnv.h"
#include "widgets/CellTracking.h"
#include "widgets/ControlCells.h"
#include "widgets/TTable.h"

// --- Shared

ShortPoint MouseInTableWindow(const TCell& cell) {
    ShortPoint point;
    const TTable* table = cell.GetTable();
    if (table) GetMousePoint(table->GetParentHWnd(), point);
    return point;
}

bool TrackCellClick(TCell& cell, const ShortRect& target, const std::function<void(bool pressed)>& show) {
    bool shown = false;
    {
        const CellMouseTrap trap(cell);
        bool down = true;
        while (cell.StillDown(down)) {
            const bool inside = target.Contains(MouseInTableWindow(cell));
            if (inside != shown) {
                shown = inside;
                show(shown);
            }
        }
    }
    if (shown) show(false);
    return target.Contains(MouseInTableWindow(cell));
}

void DrawCellNow(TCell& cell) {
    TTable* table = cell.GetTable();
    ItemGraphEnv* env = table ? table->GetGraphEnv() : nullptr;
    ShortRect rect;
    if (!env || !table->IsDrawable() || !cell.GetViewRect(rect)) return;
    GraphAttribUser use(*env);
    cell.DrawContent(*env, cell.GetColumn(), rect);
}

// --- ButtonCell

ButtonCell::ButtonCell(const ShortRect& bounds, const char* title, const win::LOGFONTA* font)
    : TCell(static_cast<std::int16_t>(bounds.Width()), static_cast<std::int16_t>(bounds.Height()), 0x19),
      title_(title) {
    if (font) {
        font_ = *font;
    } else {
        MakeLogFont(font_, 5, 10, 0);
    }
}

ButtonCell::ButtonCell(const ButtonCell& other) : TCell(other), title_(other.title_), font_(other.font_) {}

TCell* ButtonCell::Clone() const { return new (std::nothrow) ButtonCell(*this); }

std::int16_t ButtonCell::MouseDown(const MsgEvent& /*event*/) {
    ShortRect rect;
    if (!GetViewRect(rect)) return kMouseGoOn;
    const bool inside = TrackCellClick(*this, rect, [this](bool pressed) {
        pressed_ = pressed ? 1 : 0;
        DrawCellNow(*this);
    });
    if (inside) {
        Pressed();
        pressed_ = 0;
        DrawCellNow(*this);
    }
    return kMouseGoOn;
}

void ButtonCell::Activate() {
    TCell::Activate();
    Invalidate(false);
}

void ButtonCell::Deactivate() {
    TCell::Deactivate();
    Invalidate(false);
}

bool ButtonCell::HandleKey(KeyEvent& event) {
    if (event.GetKey() != kKeySpace || event.IsAutoRepeat() || pressed_) return false;
    Pressed();
    pressed_ = 1;
    DrawCellNow(*this);
    DelayTicks(2);
    pressed_ = 0;
    DrawCellNow(*this);
    return true;
}

void ButtonCell::DrawContent(TGraphEnv& env, std::int32_t /*column*/, const ShortRect& rect) {
    GraphAttribUser use(env);
    env.SetForeStandardColor(8);
    env.FillRect(rect);
    const std::int32_t style = pressed_ ? kBevelSunken : kBevelRaised;
    DrawBevelFrame(env, rect, &style, 2, GetStandardColor(10), GetStandardColor(1));
    ShortRect title = rect;
    title.left = static_cast<std::int16_t>(title.left + 2);
    title.top = static_cast<std::int16_t>(title.top + 2);
    title.right = static_cast<std::int16_t>(title.right - 2);
    title.bottom = static_cast<std::int16_t>(title.bottom - 2);
    if (pressed_) title.Offset(1, 1);
    GraphFontUser font(env, font_);
    env.SetForeStandardColor(0);
    const char* text = title_.CStr() ? title_.CStr() : "";
    env.DrawTextBox(text, title, 1, 0, 0);
    if (HasFlags(kCellActive)) {
        const int width = env.StringWidth(text);
        const int left = (rect.left + rect.right) / 2 - (width / 2 + 2);
        env.DrawFocusRect(ShortRect::MakeLTRB(left, title.top, left + width + 4, title.bottom));
    }
}
