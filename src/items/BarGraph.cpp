#include "items/BarGraph.h"

#include <algorithm>

#include "foundation/IFile.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemFrames.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemStream.h"
#include "platform/ui/Paint.h"

BarGraph::BarGraph(ItemList* list, const ShortRect* bounds, const RGBColor& color, const RGBColor& backColor,
                   std::int32_t fillPattern, std::int32_t emptyPattern, std::int32_t framePattern,
                   std::uint16_t flags)
    : TrimBox(list, bounds, flags, color, 1, 1, fillPattern, framePattern),
      emptyPattern_(emptyPattern),
      backColor_(backColor) {}

BarGraph::BarGraph(ItemList* list, IReadFile& stream, ErrCode* error)
    : BarGraph(list, nullptr, RGBColor(9), RGBColor(), 0, 0, 1, 0) {
    if (*error == kNoErr) *error = BarGraph::ReadFrom(stream);
}

ErrCode BarGraph::ReadFrom(IReadFile& stream) {
    std::int16_t empty = 0;
    ErrCode error = TrimBox::ReadFrom(stream);
    if (!error) error = stream.ReadShort(empty);
    if (!error) error = ReadRGBColor(stream, backColor_);
    if (!error) emptyPattern_ = empty;
    return error;
}

ErrCode BarGraph::WriteTo(IWriteFile& stream) {
    ErrCode error = TrimBox::WriteTo(stream);
    if (!error) error = stream.WriteShort(static_cast<std::int16_t>(emptyPattern_));
    if (!error) error = WriteRGBColor(stream, backColor_);
    return error;
}

void BarGraph::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    const GraphAttribUser use(*env);
    env->SetForeColor(Color());
    env->SetPenSize(1, 1);
    ShortRect rect = Bounds();
    const std::int32_t frame = GetFramePattern();
    if (frame != 0) {
        if (IsFrameCode(frame) && IsColorDisplay()) {
            if (frame == kFrameEtched) {
                DrawEtchedFrame(*env, rect);
                rect.left = static_cast<std::int16_t>(rect.left + 2);
                rect.top = static_cast<std::int16_t>(rect.top + 2);
                rect.right = static_cast<std::int16_t>(rect.right - 2);
                rect.bottom = static_cast<std::int16_t>(rect.bottom - 2);
            } else {
                env->SetForeStandardColor(FrameFirstColor(frame));
                env->MoveTo(rect.left, rect.bottom - 1);
                env->LineTo(rect.left, rect.top);
                env->LineTo(rect.right - 1, rect.top);
                env->SetForeStandardColor(FrameSecondColor(frame));
                env->MoveTo(rect.right - 1, rect.top + 1);
                env->LineTo(rect.right - 1, rect.bottom - 1);
                env->LineTo(rect.left + 1, rect.bottom - 1);
            }
        } else {
            env->SetPattern(IsFrameCode(frame) ? 1 : frame);
            env->FrameRect(rect);
        }
    }
    rect.left = static_cast<std::int16_t>(rect.left + 1);
    rect.top = static_cast<std::int16_t>(rect.top + 1);
    rect.right = static_cast<std::int16_t>(rect.right - 1);
    rect.bottom = static_cast<std::int16_t>(rect.bottom - 1);
    env->SetForeColor(Color());
    env->SetBackColor(backColor_);
    std::int16_t filledEnd = rect.left;
    if (percent_ > 0) {
        filledEnd = static_cast<std::int16_t>(
            std::min<std::int32_t>(rect.right, rect.left + (rect.right - rect.left) * percent_ / 100));
        if (GetFillPattern() != 0) {
            ShortRect filled = rect;
            filled.right = filledEnd;
            env->SetPattern(GetFillPattern());
            env->FillRect(filled);
        }
    }
    if (emptyPattern_ != 0) {
        ShortRect rest = rect;
        rest.left = filledEnd;
        rest.right = static_cast<std::int16_t>(Bounds().right - 1);
        env->SetPattern(emptyPattern_);
        env->FillRect(rest);
    }
}

ShortRect BarGraph::ChangedStrip(std::int32_t from, std::int32_t to) const {
    const ShortRect& bounds = Bounds();
    ShortRect inner = bounds;
    inner.left = static_cast<std::int16_t>(inner.left + 1);
    inner.top = static_cast<std::int16_t>(inner.top + 1);
    inner.right = static_cast<std::int16_t>(inner.right - 1);
    inner.bottom = static_cast<std::int16_t>(inner.bottom - 1);
    const std::int32_t width = inner.right - inner.left;
    const std::int32_t outer = inner.right - (bounds.left + 1);
    ShortRect strip = inner;
    strip.left =
        static_cast<std::int16_t>(std::max<std::int32_t>(inner.left, inner.left + width * from / 100));
    strip.right =
        static_cast<std::int16_t>(std::min<std::int32_t>(inner.right, bounds.left + 1 + outer * to / 100));
    strip.Offset(-1, 0);
    if (GetFramePattern() == kFrameEtched) {
        strip.top = static_cast<std::int16_t>(strip.top + 1);
        strip.bottom = static_cast<std::int16_t>(strip.bottom - 1);
        strip.left = std::max<std::int16_t>(strip.left, static_cast<std::int16_t>(bounds.left + 1));
        strip.right = std::min<std::int16_t>(strip.right, static_cast<std::int16_t>(bounds.right - 3));
    }
    return strip;
}

void BarGraph::SetPercent(std::int32_t value, bool drawNow) {
    value = std::clamp(value, 0, 100);
    if (value == percent_) return;
    const std::int32_t old = percent_;
    percent_ = value;
    ItemGraphEnv* env = GetGraphEnv();
    if (!drawNow || !HasWindow() || !env) {
        if (HasWindow()) Invalidate();
        return;
    }
    const bool growing = value > old;
    const std::int32_t pattern = growing ? GetFillPattern() : emptyPattern_;
    const ShortRect strip = growing ? ChangedStrip(old, value) : ChangedStrip(value, old);
    if (pattern == 0) {
        // A part without a pattern is not drawn: the strip is given back to the window to show it
        // as Draw does, where filling it would show the foreground colour.
        const win::RECT area = strip.ToRECT();
        win::InvalidateRect(GetParentHWnd(), &area, win::TRUE);
        return;
    }
    const GraphAttribUser use(*env);
    env->SetForeColor(Color());
    env->SetBackColor(backColor_);
    env->SetPattern(pattern);
    env->FillRect(strip);
}
