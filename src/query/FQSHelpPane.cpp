#include "query/FQSHelpPane.h"

#include "framework/MsgEvent.h"
#include "framework/TDoc.h"
#include "framework/TWindow.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/StoryDocument.h"

namespace {

// A vertical scroll bar, no frame of its own.
constexpr std::uint16_t kViewFlags = 0x02;

}  // namespace

std::string ShownHelpText(IStoryDocument* document, const std::string& composed) {
    const std::string once = ExpandText(document, composed.c_str());
    return ExpandAndDecode(document, once.c_str());
}

FQSHelpPane::FQSHelpPane(ItemList* list, const ShortRect* bounds)
    : RichTextView(nullptr, nullptr, list, kViewFlags, bounds, 0, RGBColor(0)) {}

std::int32_t FQSHelpPane::HandleMouseDown(const MsgEvent& event) {
    if (!event.IsAltDown()) return 0;
    PostHit();
    return 1;
}

void FQSHelpPane::Open(std::int32_t index) {
    const bool opened = !HasWindow();
    RichTextView::Open(index);
    if (opened && HasWindow() && !shown_.empty()) SetStyledText(shown_.c_str());
}

void FQSHelpPane::SetHelpText(const std::string& text) {
    const TWindow* window = GetWindow();
    auto* document = window ? dynamic_cast<IStoryDocument*>(window->GetDocument()) : nullptr;
    std::string expanded = ShownHelpText(document, text);
    if (expanded == shown_) return;
    shown_ = std::move(expanded);
    SetStyledText(shown_.c_str());
}
