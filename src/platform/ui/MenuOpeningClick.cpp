#include "platform/ui/MenuOpeningClick.h"

#include <cstdlib>

#include "platform/ui/SystemMetrics.h"
#include "platform/ui/Timer.h"

namespace win::detail {

void MenuOpeningClick::Start(UINT releaseMessage, DWORD time, POINT point, MenuPlace place) {
    press_ = Press{releaseMessage, time, point, place};
}

bool MenuOpeningClick::StillAtPress(POINT point, MenuPlace place) const {
    if (place == press_->place) return true;
    // The drag rectangle is centred on the press, as a double click's is.
    return std::abs(point.x - press_->point.x) <= GetSystemMetrics(SM_CXDRAG) / 2 &&
           std::abs(point.y - press_->point.y) <= GetSystemMetrics(SM_CYDRAG) / 2;
}

void MenuOpeningClick::Moved(POINT point, MenuPlace place) {
    if (press_ && !StillAtPress(point, place)) press_.reset();
}

bool MenuOpeningClick::TakeRelease(UINT message, DWORD time, POINT point, MenuPlace place) {
    if (!press_ || message != press_->releaseMessage) return false;
    const bool click =
        static_cast<DWORD>(time - press_->time) <= GetDoubleClickTime() && StillAtPress(point, place);
    press_.reset();
    return click;
}

}  // namespace win::detail
