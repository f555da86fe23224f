#include "platform/ui/PrintChoices.h"
#include "platform/ui/Prompts.h"

namespace win::detail {

void InstallPrintFilePrompt() {
    SetPrintFileChooser([](const std::string& suggested) -> std::optional<std::string> {
        const std::optional<PromptAnswer> answer =
            AskPromptResponder(PromptRequest{"SaveFile", "Print to File", suggested, 0});
        if (!answer) return suggested;
        if (answer->result == 0 || answer->text.empty()) return std::nullopt;
        return answer->text;
    });
}

}  // namespace win::detail
