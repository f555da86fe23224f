#pragma once
// Test support: where on the screen the writer clicks an entry of a front end's panel of picture
// buttons.

#include <cstdint>

#include "app/FrontEndView.h"
#include "platform/ui/Window.h"

namespace apptest {

// A point of the entry's picture button, on the screen.
inline win::POINT OnFrontEndButton(const FrontEndView& view, std::int32_t index) {
    const FrontEndView::Layout& layout = view.GetLayout(index);
    ShortPoint point;
    view.DocPointToView(LongPoint{layout.button.left + 10, layout.button.top + 10}, point);
    win::POINT screen{point.x, point.y};
    win::ClientToScreen(view.GetParentHWnd(), &screen);
    return screen;
}

}  // namespace apptest
