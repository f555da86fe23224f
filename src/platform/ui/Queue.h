#pragma once
// Internal to the window layer: taking messages from the queue, and forgetting a window's messages.

#include <optional>

#include "platform/ui/Messages.h"

namespace win::detail {

bool TakeMessage(MSG* message, HWND filter, UINT first, UINT last, bool remove);
// Whether a message for the window, of the number, passes a window and range filter.
bool PassesFilter(HWND window, UINT number, HWND filter, UINT first, UINT last);
void DiscardMessagesFor(HWND window);
// The message taken last (GetMessageTime, GetMessagePos) and a count of messages taken so far.
const MSG& LastMessage();
unsigned long MessagesTaken();

}  // namespace win::detail
