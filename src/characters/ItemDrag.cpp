#include "characters/ItemDrag.h"

#include <cstdlib>

#include "framework/DragOutline.h"
#include "framework/TWindow.h"
#include "framework/graphics/Rgn.h"
#include "items/TItem.h"

namespace {

// Moves shorter than this are clicks.
constexpr int kDragSlop = 4;
constexpr std::int16_t kCancelled = -32768;

}  // namespace

std::optional<ShortPoint> DragItemPart(TItem& item, const ShortRect& part, ShortPoint start) {
    TWindow* window = item.GetWindow();
    if (!window) return std::nullopt;
    const ShortRect client = window->GetClientRect();
    ShortPoint moved;
    DragRegionOutline(moved, window->GetHWnd(), Rgn(part), start, client, client, 0);
    if (moved.x == kCancelled || std::abs(moved.x) + std::abs(moved.y) < kDragSlop) return std::nullopt;
    return ShortPoint{static_cast<std::int16_t>(start.x + moved.x),
                      static_cast<std::int16_t>(start.y + moved.y)};
}
