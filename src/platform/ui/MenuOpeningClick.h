#pragma once
// Internal to the window layer: the click that opens a menu. A menu opened by a press of the mouse
// may lie under the pointer (a popup choice opens with its chosen entry over its box), so the release
// of that press lands on an entry. When the release comes within the double-click time and the
// pointer is still on the entry it was pressed over, or has not moved beyond the drag distance, the
// press and release were a click that opened the menu: the release is passed over and the menu stays
// open. A release after a drag to another entry, or after holding the button longer, picks as usual.

#include <optional>

#include "platform/sys/WinTypes.h"

namespace win::detail {

// Where the pointer is among the open menus: the level of the popup and its item (-1 for none).
struct MenuPlace {
    int level = -1;
    int item = -1;
    bool operator==(const MenuPlace&) const = default;
};

class MenuOpeningClick {
public:
    // The press that opened the menus: its button's release message, its time and screen point, and
    // the place it lies on.
    void Start(UINT releaseMessage, DWORD time, POINT point, MenuPlace place);
    // The pointer moved: leaving the pressed entry beyond the drag distance makes the press a drag.
    void Moved(POINT point, MenuPlace place);
    // Another press ends the click.
    void Forget() { press_.reset(); }
    // Whether a release (a client mouse message) belongs to the click that opened the menus and is to
    // be passed over. Any release of the button ends the click.
    bool TakeRelease(UINT message, DWORD time, POINT point, MenuPlace place);

private:
    bool StillAtPress(POINT point, MenuPlace place) const;

    struct Press {
        UINT releaseMessage = 0;
        DWORD time = 0;
        POINT point{};
        MenuPlace place;
    };
    std::optional<Press> press_;
};

}  // namespace win::detail
