#include "platform/ui/Prompts.h"

#include <utility>

namespace win {
namespace {

PromptResponder& Installed() {
    static PromptResponder responder;
    return responder;
}

}  // namespace

PromptResponder SetPromptResponder(PromptResponder responder) {
    return std::exchange(Installed(), std::move(responder));
}

std::optional<PromptAnswer> AskPromptResponder(const PromptRequest& request) {
    // A copy, so that the responder may replace itself while it answers.
    PromptResponder responder = Installed();
    if (!responder) return std::nullopt;
    return responder(request);
}

}  // namespace win
