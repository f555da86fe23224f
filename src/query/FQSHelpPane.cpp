#include "query/FQSHelpPane.h"

#include "framework/MsgEvent.h"

namespace {

// A vertical scroll bar, no frame of its own.
constexpr std::uint16_t kViewFlags = 0x02;

}  // namespace

FQSHelpPane::FQSHelpPane(ItemList* list, const ShortRect* bounds)
    : RichTextView(nullptr, nullptr, list, kViewFlags, bounds, 0, RGBColor(0)) {}

std::int32_t FQSHelpPane::HandleMouseDown(const MsgEvent& event) {
    if (!event.IsAltDown()) return 0;
    PostHit();
    return 1;
}
