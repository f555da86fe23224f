#include "items/printing/PrintFileOffer.h"

#include <optional>
#include <utility>

#include "foundation/FileRef.h"
#include "framework/TDoc.h"
#include "platform/sys/FileSystem.h"

std::string DocumentPrintFile(const FileRef& file) {
    std::string name = file.NamePtr();
    std::string folder = file.GetVolume() + file.GetDirectory();
    if (folder.empty()) {
        // Never saved: its name is the untitled one, whole.
        char current[kMaxPathLength + 1] = "";
        if (win::GetCurrentDirectoryA(sizeof current, current) > 0) folder = current;
    } else if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) {
        name.resize(dot);
    }
    return win::SuggestedPrintFile(name, folder);
}

PrintFileOffer::PrintFileOffer(const TDoc* document) {
    if (!document) return;
    const std::string offered = DocumentPrintFile(document->GetFileRef());
    replaced_ = win::SetPrintFileChooser(nullptr);
    win::SetPrintFileChooser([offered, ask = replaced_](const std::string&) -> std::optional<std::string> {
        return ask ? ask(offered) : std::optional<std::string>(offered);
    });
    installed_ = true;
}

PrintFileOffer::~PrintFileOffer() {
    if (installed_) win::SetPrintFileChooser(std::move(replaced_));
}
