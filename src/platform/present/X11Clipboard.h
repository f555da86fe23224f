#pragma once
// The desktop's clipboard on an X display, over a connection of its own: text (as UTF-8 or Latin-1
// strings) and pictures (as PNG or BMP files) are taken from whichever program owns the clipboard
// selection, and what this program puts there is offered to the others while it owns it.

#include <memory>

#include "platform/ui/Clipboard.h"

namespace win {

// Connects to the X display the environment names; null when there is none to connect to.
std::unique_ptr<DesktopClipboard> OpenX11Clipboard();

}  // namespace win
