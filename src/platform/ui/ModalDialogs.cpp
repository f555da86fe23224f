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

ModalMessageFilter*& LivingFilter() {
    static ModalMessageFilter* filter = nullptr;
    return filter;
}

}  // namespace

void BeginModalDialog() { ++ModalDepth(); }

void EndModalDialog() {
    if (ModalDepth() == 0) return;
    if (--ModalDepth() == 0) detail::FrameMayBeFree();
}

BOOL IsModalDialogUp() { return ModalDepth() > 0; }

void SetFrameFreedHook(std::function<void()> hook) { FreedHook() = std::move(hook); }

ModalMessageFilter::ModalMessageFilter(std::function<bool(MSG&)> filter)
    : filter_(std::move(filter)), previous_(LivingFilter()) {
    LivingFilter() = this;
}

ModalMessageFilter::~ModalMessageFilter() { LivingFilter() = previous_; }

bool ModalMessageFilter::Takes(MSG& message) {
    const ModalMessageFilter* filter = LivingFilter();
    return filter != nullptr && filter->filter_ && filter->filter_(message);
}

namespace detail {

void FrameMayBeFree() {
    // A copy: the hook may replace itself.
    if (const std::function<void()> hook = FreedHook()) hook();
}

}  // namespace detail

}  // namespace win
