#pragma once
// Modal prompts (message boxes, file, font and colour choosers) first offer themselves to the
// installed responder. A responder that answers stands in for the user: the prompt is not shown and
// its caller gets the answer. The headless presenter installs one that plays answers scripted by
// tests and records every prompt.

#include <functional>
#include <optional>
#include <string>

#include "platform/sys/WinTypes.h"

namespace win {

struct PromptRequest {
    std::string kind;     // "MessageBox", "OpenFile", "SaveFile", "ChooseFont", "ChooseColor", ...
    std::string caption;  // Windows-1252
    std::string text;     // Windows-1252
    UINT flags = 0;       // the prompt's own flags (MB_..., OFN_...)
};

struct PromptAnswer {
    int result = 0;    // the value the prompt returns (IDOK, IDYES, TRUE, ...)
    std::string text;  // a chosen path, a font description, ... as the prompt defines it
};

using PromptResponder = std::function<std::optional<PromptAnswer>(const PromptRequest&)>;

// Installs a responder (an empty one removes it) and answers the previous one.
PromptResponder SetPromptResponder(PromptResponder responder);
// Asked by every prompt before it shows itself.
std::optional<PromptAnswer> AskPromptResponder(const PromptRequest& request);

}  // namespace win
