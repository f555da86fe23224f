#include "items/GraphBtn.h"

#include "framework/InputHelpers.h"
#include "framework/MsgEvent.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/BevelFrames.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/QRVBitmap.h"
#include "items/ItemFontMetrics.h"
#include "items/ItemGraphEnv.h"
#include "items/MouseTraps.h"
#include "platform/gdi/Bitmaps.h"

namespace {

constexpr int kBevelDark = 10;
constexpr int kBevelLight = 1;

// Copies the whole bitmap to the destination's top-left corner in the environment's context.
void CopyBitmap(TGraphEnv& env, QRVBitmap& bitmap, int x, int y) {
    const win::HDC source = bitmap.BeginDrawing(env.GetHDC());
    if (source) win::BitBlt(env.GetHDC(), x, y, bitmap.Width(), bitmap.Height(), source, 0, 0, win::SRCCOPY);
    bitmap.EndDrawing();
}

void DrawFrame(TGraphEnv& env, const ShortRect& rect, std::int32_t code, std::int16_t width) {
    DrawBevelFrame(env, rect, &code, width, GetStandardColor(kBevelDark), GetStandardColor(kBevelLight));
}

}  // namespace

GraphBtn::GraphBtn(ItemList* list, const ShortRect* bounds, const RGBColor& onColor, const RGBColor& offColor,
                   bool exclusive, bool multipleWithShift)
    : TItem(list, bounds, 0, RGBColor(0)),
      onColor_(onColor),
      offColor_(offColor),
      dimmedColor_(offColor),
      exclusive_(exclusive ? 1 : 0),
      multipleWithShift_(multipleWithShift ? 1 : 0) {}

GraphBtn::Button* GraphBtn::ButtonAt(std::int32_t index) {
    return index >= 0 && index < ButtonCount() ? &buttons_[static_cast<std::size_t>(index)] : nullptr;
}

const GraphBtn::Button* GraphBtn::ButtonAt(std::int32_t index) const {
    return index >= 0 && index < ButtonCount() ? &buttons_[static_cast<std::size_t>(index)] : nullptr;
}

std::int32_t GraphBtn::AddButton(std::int16_t kind, const ShortRect& bounds, const char* label,
                                 const win::LOGFONTA* font, std::int16_t bevelOn, std::int16_t bevelOff,
                                 std::int16_t bevelWidth, const RGBColor& labelColor,
                                 const RGBColor& faceColor) {
    if (ButtonCount() >= kMaxButtons) return -1;
    Button button;
    button.id = nextId_++;
    button.kind = kind;
    button.labelColor = labelColor;
    if (font) {
        button.font = *font;
    } else {
        MakeLogFont(button.font, 0, 12, 0);
    }
    button.bounds = bounds;
    button.faceColor = faceColor;
    button.bevelOn = bevelOn;
    button.bevelOff = bevelOff;
    button.bevelWidth = bevelWidth;
    buttons_.push_back(button);
    RebuildRegion(true);
    const std::int32_t index = ButtonCount() - 1;
    SetButtonLabel(index, label);
    return index;
}

std::int32_t GraphBtn::AddBitmapButton(std::int16_t kind, const ShortRect& bounds, QRVBitmap* offBitmap,
                                       QRVBitmap* onBitmap, std::int16_t bevelOn, std::int16_t bevelOff,
                                       std::int16_t bevelWidth, const RGBColor& faceColor) {
    const std::int32_t index =
        AddButton(kind, bounds, nullptr, nullptr, bevelOn, bevelOff, bevelWidth, RGBColor(0), faceColor);
    if (Button* button = ButtonAt(index)) {
        button->offBitmap = offBitmap;
        button->onBitmap = onBitmap;
    }
    return index;
}

void GraphBtn::SetButtonLabel(std::int32_t index, const char* text) {
    Button* button = ButtonAt(index);
    if (!button) return;
    button->label.reset();
    button->labelRect = ShortRect{};
    if (text) {
        button->label = text;
        win::TEXTMETRICA metrics;
        MeasureItemFont(GetGraphEnv(), button->font, metrics);
        button->labelHeight = static_cast<std::int16_t>(GetFontAscent(metrics) + GetFontDescent(metrics));
        button->labelRect = button->bounds;
        button->labelRect.top = static_cast<std::int16_t>(
            button->bounds.top + (button->bounds.Height() - button->labelHeight) / 2);
    }
    Invalidate();
}

void GraphBtn::SetButtonEnabled(std::int32_t index, bool enabled) {
    Button* button = ButtonAt(index);
    if (!button) return;
    const std::int16_t dimmed = enabled ? 0 : 1;
    if (button->dimmed == dimmed) return;
    button->dimmed = dimmed;
    Invalidate();
}

bool GraphBtn::IsButtonEnabled(std::int32_t index) const {
    const Button* button = ButtonAt(index);
    return button && !button->dimmed;
}

void GraphBtn::SetButtonFontStyle(std::int32_t index, std::int32_t style) {
    if (Button* button = ButtonAt(index)) SetLogFontStyle(button->font, style);
}

std::int16_t GraphBtn::GetButtonState(std::int32_t index) const {
    const Button* button = ButtonAt(index);
    return button ? button->state : 0;
}

void GraphBtn::SetButtonState(std::int32_t index, std::int16_t state) {
    if (Button* button = ButtonAt(index)) button->state = state;
}

std::int32_t GraphBtn::FindFirstOn() const {
    for (std::int32_t i = 0; i < ButtonCount(); ++i) {
        if (buttons_[static_cast<std::size_t>(i)].state != 0) return i;
    }
    return -1;
}

void GraphBtn::GetButtonStates(std::int16_t* states) const {
    for (const Button& button : buttons_) *states++ = button.state;
}

ShortRect GraphBtn::GetLabelRect(std::int32_t index) const {
    const Button* button = ButtonAt(index);
    return button ? button->labelRect : ShortRect{};
}

void GraphBtn::SetButtonBounds(std::int32_t index, const ShortRect& bounds) {
    Button* button = ButtonAt(index);
    if (!button) return;
    if (button->label) {
        const int labelOffset = button->labelRect.top - button->bounds.top;
        button->labelRect = bounds;
        button->labelRect.top = static_cast<std::int16_t>(bounds.top + labelOffset);
    }
    button->bounds = bounds;
    RebuildRegion(false);
    Invalidate();
}

void GraphBtn::MoveBy(std::int16_t dh, std::int16_t dv) {
    for (Button& button : buttons_) {
        button.bounds.Offset(dh, dv);
        if (button.label) button.labelRect.Offset(dh, dv);
    }
    region_.Offset(dh, dv);
    ShortRect bounds;
    region_.GetBounds(bounds);
    TItem::SetBounds(bounds, true);
}

void GraphBtn::RebuildRegion(bool redraw) {
    region_.SetEmpty();
    for (const Button& button : buttons_) region_.Union(Rgn(button.bounds));
    ShortRect bounds;
    region_.GetBounds(bounds);
    TItem::SetBounds(bounds, redraw);
}

void GraphBtn::Enable(bool enable) {
    if (IsEnabled() != enable) Invalidate();
    TItem::Enable(enable);
}

// --- Drawing

void GraphBtn::Draw(win::HDC /*dc*/, const Rgn& clip) {
    if (!GetGraphEnv()) return;
    for (const Button& button : buttons_) {
        if (clip.IntersectsRect(button.bounds)) DrawButton(button);
    }
}

void GraphBtn::DrawButtonNow(const Button& button) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    const GraphAttribUser use(*env);
    DrawButton(button);
}

void GraphBtn::DrawButton(const Button& button) {
    ItemGraphEnv& env = *GetGraphEnv();
    const RGBColor fore = env.GetForeColor();
    env.SetForeColor(button.faceColor);
    env.SetPattern(1);
    env.FillRect(button.bounds);
    env.SetForeColor(fore);
    if (button.offBitmap) {
        QRVBitmap* shown = button.offBitmap;
        int shift = 0;
        if (button.state != 0) {
            if (button.onBitmap) {
                shown = button.onBitmap;
            } else {
                shift = 1;
            }
        }
        CopyBitmap(env, *shown, button.bounds.left + button.bevelWidth + shift,
                   button.bounds.top + button.bevelWidth + shift);
    }
    if (button.label) {
        env.SetForeColor(button.dimmed ? dimmedColor_ : button.state == 0 ? offColor_ : onColor_);
        env.SetFontIndirect(button.font);
        ShortRect rect = button.labelRect;
        if (button.state == 1) rect.Offset(1, 1);
        env.DrawMultilineText(button.label->c_str(), rect, kAlignCenter, 0, 0);
        env.SetForeColor(fore);
    }
    DrawBevel(button);
}

void GraphBtn::DrawBevel(const Button& button) {
    ItemGraphEnv& env = *GetGraphEnv();
    switch (button.state == 0 ? button.bevelOff : button.bevelOn) {
        case kRaisedBevel: DrawFrame(env, button.bounds, kBevelRaised, button.bevelWidth); break;
        case kSunkenBevel:
            if (IsColorDisplay()) {
                DrawFrame(env, button.bounds, kBevelSunken, button.bevelWidth);
            } else {
                env.InvertRect(button.bounds);
            }
            break;
        case kEtchedBevel: DrawFrame(env, button.bounds, kBevelDouble, 1); break;
        default: break;
    }
}

// --- The click

std::int32_t GraphBtn::HandleMouseDown(const MsgEvent& event) {
    const win::HWND parent = GetParentHWnd();
    const ShortPoint point = event.GetMousePoint(parent);
    if (!region_.ContainsPoint(point)) return 0;
    std::vector<std::int16_t> before(buttons_.size());
    GetButtonStates(before.data());
    const bool soleChoice = exclusive_ && !multipleWithShift_;
    const std::int32_t firstOn = soleChoice ? FindFirstOn() : -1;
    std::int32_t index = 0;
    while (index < ButtonCount() && !buttons_[static_cast<std::size_t>(index)].bounds.Contains(point))
        ++index;
    Button* button = ButtonAt(index);
    if (!button) return 0;
    const std::int16_t start = button->state;
    if (soleChoice && start == 1) return 1;

    const std::int16_t changed = start == 0 ? 1 : 0;
    bool hit = true;
    {
        const ItemMouseTrap trap(*this);
        button->state = changed;
        DrawButtonNow(*button);
        bool down = true;
        while (StillDown(&down)) {
            ShortPoint mouse;
            GetMousePoint(parent, mouse);
            const bool inside = button->bounds.Contains(mouse);
            if (inside != (button->state == changed)) {
                button->state = inside ? changed : start;
                hit = inside;
                DrawButtonNow(*button);
            }
        }
        if (button->kind == kMomentary && button->state != 0) {
            button->state = 0;
            DrawButtonNow(*button);
        }
        const bool clearsOthers = !multipleWithShift_ || (!event.IsShiftDown() && plainClickClears_);
        if (exclusive_ && index != firstOn && button->state == 1 && clearsOthers) {
            for (std::int32_t i = 0; i < ButtonCount(); ++i) {
                Button& other = buttons_[static_cast<std::size_t>(i)];
                if (i == index || !before[static_cast<std::size_t>(i)] || !other.state) continue;
                other.state = 0;
                DrawButtonNow(other);
            }
        }
    }
    if (hit) PostHit();
    return 1;
}
