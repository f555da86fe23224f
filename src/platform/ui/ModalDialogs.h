#pragma once
// Whether a modal dialog is up. The dialog manager counts the modal dialogs it runs, one Begin and
// one End each; a service that must not cut into one (a later start's hand-over) asks.

#include "platform/sys/WinTypes.h"

namespace win {

void BeginModalDialog();
void EndModalDialog();  // an End without a Begin changes nothing
BOOL IsModalDialogUp();

}  // namespace win
