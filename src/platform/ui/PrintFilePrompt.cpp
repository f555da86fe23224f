#include "platform/ui/FileChooser.h"
#include "platform/ui/Input.h"
#include "platform/ui/PrintChoices.h"

namespace win::detail {
namespace {

constexpr char kPdfFilters[] = "PDF Files (*.pdf)\0*.pdf\0All Files (*.*)\0*.*\0";

}  // namespace

void InstallPrintFilePrompt() {
    SetPrintFileChooser([](const std::string& suggested) -> std::optional<std::string> {
        std::optional<std::string> chosen =
            ChooseSavePath(GetActiveWindow(), "Print to File", suggested, kPdfFilters, "pdf");
        if (!chosen || chosen->empty()) return std::nullopt;
        return chosen;
    });
}

}  // namespace win::detail
