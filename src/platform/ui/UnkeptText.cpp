#include "platform/ui/UnkeptText.h"

#include "platform/ui/MessageQueue.h"
#include "platform/ui/Presenter.h"

namespace win {

void NoteUnkeptText() {
    if (const HWND frame = GetPresentedFrame())
        PostMessageA(frame, RegisterWindowMessageA(kUnkeptTextMessageName), 0, 0);
}

}  // namespace win
