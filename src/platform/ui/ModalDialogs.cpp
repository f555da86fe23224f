#include "platform/ui/ModalDialogs.h"

namespace win {
namespace {

int& ModalDepth() {
    static int depth = 0;
    return depth;
}

}  // namespace

void BeginModalDialog() { ++ModalDepth(); }

void EndModalDialog() {
    if (ModalDepth() > 0) --ModalDepth();
}

BOOL IsModalDialogUp() { return ModalDepth() > 0; }

}  // namespace win
