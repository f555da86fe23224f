#include "widgets/MultiPaneLayout.h"

#include "items/Cluster.h"
#include "items/ItemList.h"
#include "items/PushBtn.h"

namespace multipane {
namespace {

constexpr int kPaneStep = 50;
constexpr std::int32_t kEtchedFrame = -4;

PushBtn* AddButton(ItemList& list, const char* title, const ShortRect& rect) {
    auto* button = new PushBtn(&list, title, 0, &rect, 0, RGBColor(0), 0, 0, 0, 12, 0, 0);
    list.Append(button);
    return button;
}

}  // namespace

std::int32_t PaneOfSetItem(std::int32_t item, std::int32_t panes) {
    return item >= 0 && item < 3 * panes && item % 3 == 2 ? item / 3 : -1;
}

ShortPoint MinimumSize(std::int32_t panes) {
    return ShortPoint{440, static_cast<std::int16_t>(kPaneStep * (panes + 1) + 20)};
}

ShortRect PaneRect(std::int32_t pane) {
    const int top = 20 + kPaneStep * pane;
    return ShortRect::MakeLTRB(20, top, 320, top + 40);
}

ShortRect TextRect(std::int32_t pane) {
    const ShortRect rect = PaneRect(pane);
    return ShortRect::MakeLTRB(rect.left + 15, rect.top + 10, rect.right - 15, rect.bottom - 10);
}

void AddFrame(ItemList& list, std::int32_t pane) {
    const ShortRect rect = PaneRect(pane);
    list.Append(new Cluster(&list, &rect, 0, RGBColor(0), "", 0, 12, 0, 0, 15, kEtchedFrame));
}

PushBtn* AddSetButton(ItemList& list, std::int32_t pane) {
    const ShortRect rect = PaneRect(pane);
    return AddButton(list, "Set", ShortRect::MakeLTRB(340, rect.top + 10, 420, rect.bottom - 10));
}

void AddCancelAndOk(ItemList& list, std::int32_t panes, PushBtn** cancel, PushBtn** ok) {
    const int top = 30 + kPaneStep * panes;
    *cancel = AddButton(list, "Cancel", ShortRect::MakeLTRB(20, top, 100, top + 20));
    *ok = AddButton(list, "OK", ShortRect::MakeLTRB(340, top, 420, top + 20));
}

}  // namespace multipane
