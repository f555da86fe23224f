#include "items/printing/PrintableShapes.h"

#include <algorithm>
#include <utility>

#include "framework/graphics/GraphEnv.h"
#include "framework/graphics/GraphUser.h"
#include "items/printing/PrintingEnvironment.h"

namespace {

std::int32_t Clamp16(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, -32768, 32767));
}

ShortRect ToShort(const LongRect& r) {
    return ShortRect::MakeLTRB(Clamp16(r.left), Clamp16(r.top), Clamp16(r.right), Clamp16(r.bottom));
}

void Frame(PrintingEnvironment& environment, const LongRect& rect) {
    TGraphEnv& graph = *environment.GetGraph();
    const GraphUser use(graph);
    graph.FrameRect(ToShort(rect));
}

LongRect Inset(const LongRect& area, std::int32_t dx, std::int32_t dy) {
    return LongRect{area.left + dx, area.top + dy, area.right - dx, area.bottom - dy};
}

}  // namespace

bool ClipLine(LongPoint& p1, LongPoint& p2, const LongRect& window) {
    LongPoint a = p1, b = p2;
    if (a.x > b.x) std::swap(a, b);
    // Mirrored within the window so that the segment runs down to the right.
    const bool flipped = a.y > b.y;
    auto mirror = [&](LongPoint& p) { p.y = window.top + window.bottom - p.y; };
    if (flipped) {
        mirror(a);
        mirror(b);
    }
    if (b.x < window.left || a.x > window.right || b.y < window.top || a.y > window.bottom) return false;
    const std::int64_t dx = b.x - a.x;
    const std::int64_t dy = b.y - a.y;
    if (a.x < window.left) {
        if (dx == 0) return false;
        a.y += static_cast<std::int32_t>((window.left - a.x) * dy / dx);
        a.x = window.left;
    }
    if (a.y < window.top) {
        if (dy == 0) return false;
        a.x += static_cast<std::int32_t>((window.top - a.y) * dx / dy);
        a.y = window.top;
        if (a.x > window.right) return false;
    }
    if (b.x > window.right) {
        if (dx == 0) return false;
        b.y -= static_cast<std::int32_t>((b.x - window.right) * dy / dx);
        b.x = window.right;
    }
    if (b.y > window.bottom) {
        if (dy == 0) return false;
        b.x -= static_cast<std::int32_t>((b.y - window.bottom) * dx / dy);
        b.y = window.bottom;
        if (b.x < window.left) return false;
    }
    if (a.y > window.bottom || b.y < window.top) return false;
    if (flipped) {
        mirror(a);
        mirror(b);
    }
    p1 = a;
    p2 = b;
    return true;
}

PrintableLine::PrintableLine(PrintingEnvironment* environment, std::int32_t x1, std::int32_t y1,
                             std::int32_t x2, std::int32_t y2)
    : MPrintingEnvironmentAware(environment),
      design_{std::max(x1, x2), std::max(y1, y2)},
      start_{x1, y1},
      end_{x2, y2} {}

ProgressPtr PrintableLine::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                 std::int32_t& placed) {
    const auto record = TakeProgress<LocationProgress>(std::move(progress));
    const LongPoint offset = record ? record->GetOffset() : LongPoint{};
    const LongPoint available{Width(area), Height(area)};
    LongPoint box = design_;
    LongPoint p1 = start_, p2 = end_;
    if (StretchesHorizontally() && available.x > 0 && design_.x > 0) {
        p1.x = static_cast<std::int32_t>(std::int64_t{p1.x} * available.x / design_.x);
        p2.x = static_cast<std::int32_t>(std::int64_t{p2.x} * available.x / design_.x);
        box.x = available.x;
    }
    if (StretchesVertically() && available.y > 0 && design_.y > 0) {
        p1.y = static_cast<std::int32_t>(std::int64_t{p1.y} * available.y / design_.y);
        p2.y = static_cast<std::int32_t>(std::int64_t{p2.y} * available.y / design_.y);
        box.y = available.y;
    }
    size = LongPoint{std::min(box.x - offset.x, available.x), std::min(box.y - offset.y, available.y)};
    const LongRect window{offset.x, offset.y, offset.x + size.x, offset.y + size.y};
    if (ClipLine(p1, p2, window)) {
        const std::int32_t dx = area.left - offset.x;
        const std::int32_t dy = area.top - offset.y;
        TGraphEnv& graph = *GetEnvironment()->GetGraph();
        const GraphUser use(graph);
        graph.MoveTo(Clamp16(p1.x + dx), Clamp16(p1.y + dy));
        graph.LineTo(Clamp16(p2.x + dx), Clamp16(p2.y + dy));
    }
    if (offset.y + size.y < box.y) {
        placed = size.y > 0 ? 1 : 0;
        return std::make_unique<LocationProgress>(LongPoint{offset.x, offset.y + size.y});
    }
    placed = 1;
    return nullptr;
}

HorizontalLine::HorizontalLine(PrintingEnvironment* environment, std::int32_t thickness)
    : PrintableLine(environment, 0, thickness / 2, 1, thickness / 2) {
    SetDesignHeight(thickness);
}

PrintableFrame::PrintableFrame(PrintingEnvironment* environment, PrintablePtr child, const LongPoint* margin)
    : MPrintingEnvironmentAware(environment),
      child_(std::move(child)),
      margin_(margin ? *margin : LongPoint{}) {}

ProgressPtr PrintableFrame::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                  std::int32_t& placed) {
    size = LongPoint{};
    if (!child_) {
        progress.reset();
        if (Width(area) >= 0 && Height(area) >= 0) Frame(*GetEnvironment(), area);
        placed = 1;
        return nullptr;
    }
    const LongRect inner = Inset(area, margin_.x, margin_.y);
    if (Width(inner) < 1) {
        // No room for the child: it is not printed.
        if (placed == 1) Frame(*GetEnvironment(), inner);
        return nullptr;
    }
    ProgressPtr result;
    if (Height(inner) < 1) {
        LongRect flat = inner;
        flat.bottom = flat.top;
        result = child_->Print(flat, std::move(progress), size, placed);
        return result;  // no height, so no frame
    }
    result = child_->Print(inner, std::move(progress), size, placed);
    const LongPoint childSize = size;
    size.x += 2 * margin_.x;
    size.y += 2 * margin_.y;
    if (result || placed == 1) {
        Frame(*GetEnvironment(),
              LongRect{inner.left - margin_.x, inner.top - margin_.y, inner.left + childSize.x + margin_.x,
                       inner.top + childSize.y + margin_.y});
    }
    return result;
}

ProgressPtr PrintableInset::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                  std::int32_t& placed) {
    size = LongPoint{};
    LongRect inner = Inset(area, dx_, dy_);
    if (Width(inner) < 1) return nullptr;
    if (Height(inner) < 1) {
        inner.bottom = inner.top;
        return child_->Print(inner, std::move(progress), size, placed);
    }
    ProgressPtr result = child_->Print(inner, std::move(progress), size, placed);
    size.x += 2 * dx_;
    size.y += 2 * dy_;
    return result;
}
