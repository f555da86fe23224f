#pragma once
// Internal to the window layer: plain text to and from the clipboard (CF_TEXT), for the controls
// that copy and paste.

#include <string>
#include <string_view>

#include "platform/sys/WinTypes.h"

namespace win::detail {

// Empties the clipboard and puts the text on it; false when the clipboard could not be opened.
bool PutClipboardText(HWND owner, std::string_view text);
// The clipboard's text; empty when it holds none or could not be opened.
std::string GetClipboardText(HWND owner);

}  // namespace win::detail
