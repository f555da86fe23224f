// The hierarchical panel's pictures: nested bevelled nodes in their colours with their texts, the
// position map, the menu markers, and the zoom between levels.

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/InputHelpers.h"
#include "framework/graphics/BevelFrames.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "framework/graphics/Rgn.h"
#include "items/GraphFontUser.h"
#include "items/ItemGraphEnv.h"
#include "platform/gdi/GdiTypes.h"
#include "widgets/HierarchicalPanel.h"
#include "widgets/PanelNodes.h"
#include "widgets/WidgetGeometry.h"

namespace {

constexpr int kBlue = 4;
constexpr int kGrey = 9;
constexpr int kWhite = 1;
constexpr int kLevelZeroTextInset = 45;
const RGBColor kDarkGreen(0, 0x8000, 0);

void Bevel(TGraphEnv& env, const ShortRect& rect, std::int32_t style, int colorA, int colorB) {
    DrawBevelFrame(env, rect, &style, 3, GetStandardColor(colorA), GetStandardColor(colorB));
}

}  // namespace

void HierarchicalPanel::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    if (TGraphEnv* env = GetDrawingEnv()) {
        GraphUser use(*env);
        const std::int16_t nearest = env->SetUseNearestColor(0);
        env->RealizeAppPalette();
        env->SetUseNearestColor(nearest);
    }
    RedrawAll();
}

void HierarchicalPanel::RedrawAll() { DrawAll(Bounds()); }

TGraphEnv* HierarchicalPanel::DrawingTarget() {
    const ShortRect& bounds = Bounds();
    if (!offscreen_) {
        offscreen_ = std::make_unique<OffscreenEnv>(bounds.Width(), bounds.Height(), 8);
        if (!offscreen_->GetBitmap().IsUsable()) offscreen_.reset();
    }
    return offscreen_ ? static_cast<TGraphEnv*>(offscreen_.get()) : GetDrawingEnv();
}

void HierarchicalPanel::DrawAll(const ShortRect& outer) {
    if (!HasWindow() || !GetDrawingEnv()) return;
    TGraphEnv* env = DrawingTarget();
    const ShortRect& bounds = Bounds();
    const bool offscreen = env == offscreen_.get();
    ShortRect rect = outer;
    if (offscreen) rect.Offset(-bounds.left, -bounds.top);
    {
        GraphAttribUser use(*env);
        const ShortRect all = offscreen ? ShortRect::MakeLTRB(0, 0, bounds.Width(), bounds.Height()) : bounds;
        env->SetBackStandardColor(1);
        env->EraseRect(all);
        DrawSubtree(*env, rect, 0, anchor_, 0, true);
    }
    if (offscreen) {
        offscreen_->CopyTo(GetParentHWnd(), nullptr, &bounds, false, win::SRCCOPY);
        if (phase_ == 0) offscreen_.reset();
    }
}

void HierarchicalPanel::DrawNode(std::int32_t absolute) {
    TGraphEnv* env = GetDrawingEnv();
    const std::int32_t relative = panelnodes::Relative(absolute, anchor_);
    if (!env || !HasWindow() || relative < 0 || relative >= visibleNodeCount_) return;
    GraphAttribUser use(*env);
    DrawSubtree(*env, NodeRect(relative), panelnodes::Depth(relative), absolute, relative, false);
}

void HierarchicalPanel::DrawSubtree(TGraphEnv& env, const ShortRect& rect, std::int32_t level,
                                    std::int32_t absolute, std::int32_t relative, bool recurse) {
    if (relative >= visibleNodeCount_ || absolute < 0 || absolute >= dataNodeCount_) return;
    const bool current = absolute == current_;
    Bevel(env, ShortRect::MakeLTRB(rect.left, rect.top, rect.right - 1, rect.bottom - 1), kBevelSunken,
          current ? kBlue : kGrey, current ? kBlue : kWhite);
    const ShortRect face = InsetShortRect(rect, 2, 2);
    const bool deepest = level >= visibleLevels_ - 1;
    {
        GraphAttribUser attributes(env);
        env.SetForeColor(GetNodeColor(absolute));
        if (deepest) {
            ShortRect filled = face;
            if (phase_ != 0) {
                // Zooming, a leaf grows from its top band to its full height.
                const int band = PanelLayout::Live(layout_.topBand, level, phase_);
                const int full = face.Height() - band;
                filled.bottom =
                    static_cast<std::int16_t>(face.top + band + full * (256 - std::abs(phase_)) / 256);
            }
            env.FillRect(filled);
        } else {
            Rgn paint(face);
            for (int slot = 0; slot < 4; ++slot)
                paint.Subtract(Rgn(layout_.ShrinkToChild(rect, slot, level, phase_)));
            env.PaintRegion(paint.GetHandle());
        }
    }
    DrawNodeTexts(env, face, level, absolute);
    if (!recurse || deepest) return;
    for (int slot = 0; slot < 4; ++slot) {
        const std::int32_t child = panelnodes::Child(relative, slot);
        if (child >= visibleNodeCount_) continue;
        DrawSubtree(env, layout_.ShrinkToChild(rect, slot, level, phase_), level + 1,
                    panelnodes::Absolute(child, anchor_), child, true);
    }
}

void HierarchicalPanel::DrawNodeTexts(TGraphEnv& env, const ShortRect& face, std::int32_t level,
                                      std::int32_t absolute) {
    const char* text = GetNodeText(absolute);
    if (!text) return;
    const bool deepest = level >= visibleLevels_ - 1;
    ShortRect area = face;
    if (!deepest)
        area.bottom = static_cast<std::int16_t>(face.top + PanelLayout::Live(layout_.topBand, level, phase_));
    if (level == 0) {
        area = InsetShortRect(area, kLevelZeroTextInset, 0);
        if (phase_ == 0) DrawPositionMap(env, face);
    }
    const std::int32_t size = PanelLayout::TextSize(visibleLevels_, level);
    GraphAttribUser use(env);
    env.SetForeStandardColor(nodeFlags_[static_cast<std::size_t>(absolute)] ? 0 : kGrey);
    if (!large_) {
        DrawFittedText(env, size, text, area, kAlignCenter);
        return;
    }
    const int half = area.Height() / 2;
    DrawFittedText(env, size, text, ShortRect::MakeLTRB(area.left, area.top, area.right, area.top + half),
                   kAlignCenter);
    if (!client_) return;
    if (level == 0 && phase_ == 0) {
        if (const char* note = client_->GetNodeNote(absolute)) {
            const ShortRect box =
                ShortRect::MakeLTRB(face.right - 105, face.top, face.right - 10, face.top + 20);
            DrawFittedText(env, std::min<std::int32_t>(10, size - 2), note, box, kAlignRight);
        }
    }
    bool hasMenu = false;
    const char* subtext = client_->GetNodeSubtext(absolute, &hasMenu);
    GetNodeColor(absolute);
    const ShortRect lower = ShortRect::MakeLTRB(area.left, area.top + half, area.right, area.bottom);
    if (subtext) {
        env.SetForeColor(clientTextBlack_ ? GetStandardColor(0) : kDarkGreen);
        DrawFittedText(env, size, subtext, lower, kAlignCenter);
    }
    if (!hasMenu) return;
    // The menu marker: a white box with a black triangle.
    const int mid = (lower.top + lower.bottom) / 2;
    const ShortRect box = ShortRect::MakeLTRB(face.right - 18, mid - 5, face.right - 3, mid + 5);
    env.SetForeStandardColor(1);
    env.FillRect(box);
    env.SetForeStandardColor(0);
    env.FrameRect(box);
    const ShortPoint triangle[3] = {
        {static_cast<std::int16_t>(face.right - 15), static_cast<std::int16_t>(mid - 2)},
        {static_cast<std::int16_t>(face.right - 7), static_cast<std::int16_t>(mid - 2)},
        {static_cast<std::int16_t>(face.right - 11), static_cast<std::int16_t>(mid + 2)}};
    env.PaintRegion(Rgn(triangle, 3).GetHandle());
}

void HierarchicalPanel::DrawFittedText(TGraphEnv& env, std::int32_t size, const char* text,
                                       const ShortRect& rect, std::int32_t alignment) {
    auto fontOfSize = [this](std::int32_t points) {
        win::LOGFONTA font = nodeFont_;
        font.lfHeight = -(4 * points + 5) / 3;
        return font;
    };
    const std::string fitted =
        FitText(text, rect.Width(), size, [&](const std::string& candidate, std::int32_t points) {
            const GraphFontUser font(env, fontOfSize(points));
            return env.StringWidth(candidate.c_str());
        });
    const GraphFontUser font(env, fontOfSize(size));
    win::TEXTMETRICA metrics{};
    env.GetTextMetrics(metrics);
    const int textHeight = metrics.tmAscent + metrics.tmDescent;
    const int x = rect.left + env.AlignOffset(fitted.c_str(), alignment, rect.Width());
    const int baseline = rect.top + (rect.Height() - textHeight) / 2 + metrics.tmAscent;
    env.MoveTo(x, baseline);
    env.DrawText(fitted.c_str(), 0, 0);
}

void HierarchicalPanel::DrawPositionMap(TGraphEnv& env, const ShortRect& face) {
    const std::int32_t depth = panelnodes::Depth(anchor_);
    if (depth == 0) return;
    const std::int32_t cells = 1 << depth;
    const std::int32_t cell = std::max(32 / cells, 1);
    const panelnodes::GridPosition anchorCell = panelnodes::Grid(anchor_);
    const int left = face.left + 5;
    const int top = face.top + 5;
    for (std::int32_t y = 0; y < cells; ++y) {
        for (std::int32_t x = 0; x < cells; ++x) {
            const bool here = x == anchorCell.x && y == anchorCell.y;
            const ShortRect box = ShortRect::MakeLTRB(left + x * cell, top + y * cell, left + (x + 1) * cell,
                                                      top + (y + 1) * cell);
            Bevel(env, box, kBevelRaised, here ? kBlue : kGrey, here ? kBlue : kWhite);
        }
    }
}

void HierarchicalPanel::Animate(std::int32_t direction, std::int32_t /*old*/) {
    if (!HasWindow()) return;
    // The subtree drawn while zooming: the old anchor's when zooming in, its parent's when out.
    const std::int32_t savedAnchor = anchor_;
    const std::int32_t entered = direction > 0 ? panelnodes::Ancestor(current_, visibleLevels_ - 1) : anchor_;
    const std::vector<int> steps = panelnodes::Steps(entered);
    const int slot = steps.empty() ? 0 : steps.back();
    if (direction < 0) anchor_ = panelnodes::Parent(anchor_);
    // The drawn subtree's outer rectangle when the node entered (or left) fills the panel.
    const ShortRect bounds = Bounds();
    const int side = layout_.sideMargin[1];
    const int band = layout_.topBand[1];
    const int bottom = layout_.bottomMargin[1];
    ShortRect grown;
    grown.left = static_cast<std::int16_t>(
        (slot & 1) == 0 ? bounds.left - side : bounds.right + side - (2 * bounds.Width() + 2 * side));
    grown.right = static_cast<std::int16_t>(grown.left + 2 * bounds.Width() + 2 * side);
    grown.top = static_cast<std::int16_t>(
        (slot & 2) == 0 ? bounds.top - band : bounds.bottom + bottom - (2 * bounds.Height() + band + bottom));
    grown.bottom = static_cast<std::int16_t>(grown.top + 2 * bounds.Height() + band + bottom);
    const ShortRect from = direction > 0 ? bounds : grown;
    const ShortRect to = direction > 0 ? grown : bounds;
    const std::uint64_t start = TickCount();
    int frames = std::max(3, static_cast<int>(kAnimationTicks / averageFrameTicks_));
    double progress = 0;
    for (int frame = 1; frame <= frames; ++frame) {
        progress += (1 - progress) / (frames - frame + 1);
        phase_ = static_cast<std::int16_t>(std::clamp(static_cast<int>(progress * 256), 1, 256) * direction);
        auto lerp = [progress](int a, int b) { return a + static_cast<int>((b - a) * progress); };
        DrawAll(ShortRect::MakeLTRB(lerp(from.left, to.left), lerp(from.top, to.top),
                                    lerp(from.right, to.right), lerp(from.bottom, to.bottom)));
        const double elapsed = static_cast<double>(TickCount() - start);
        // A frame takes at least a tick, however coarse the clock: at most 30 frames.
        averageFrameTicks_ = std::max(0.3 * (elapsed / frame) + 0.7 * averageFrameTicks_, 1.0);
        const int estimate = static_cast<int>(kAnimationTicks / averageFrameTicks_ + 0.5);
        if (frame <= 3 || frame <= estimate / 2) frames = std::clamp(estimate, frame, 100);
    }
    phase_ = 0;
    anchor_ = savedAnchor;
    offscreen_.reset();
}
