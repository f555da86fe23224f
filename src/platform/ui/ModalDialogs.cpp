#include "platform/ui/ModalDialogs.h"

namespace win {
namespace {

int& ModalDepth() {
    static int depth = 0;
    return depth;
}

std::function<void()>& FreedHook() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

void BeginModalDialog() { ++ModalDepth(); }

void EndModalDialog() {
    if (ModalDepth() == 0) return;
    if (--ModalDepth() == 0) detail::FrameMayBeFree();
}

BOOL IsModalDialogUp() { return ModalDepth() > 0; }

void SetFrameFreedHook(std::function<void()> hook) { FreedHook() = std::move(hook); }

namespace detail {

void FrameMayBeFree() {
    // A copy: the hook may replace itself.
    if (const std::function<void()> hook = FreedHook()) hook();
}

}  // namespace detail

}  // namespace win
