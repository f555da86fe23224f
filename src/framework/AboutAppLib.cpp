#include "framework/AboutAppLib.h"

#include <string>
#include <vector>

#include "foundation/FileRef.h"
#include "framework/ItemObjectFactory.h"
#include "framework/WindowItems.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/VersionInfo.h"

ErrCode AboutAppLib::SetUpItems() {
    if (const ErrCode error = TDialog::SetUpItems(); error != kNoErr) return error;
    SetCancelItem(GetDefaultItem());
    // The box's text says which version this is.
    String about;
    WindowItem* text = GetItemList()->FindItemByClassAndId(kStatTextClassId, 0);
    auto* textItem = dynamic_cast<ITextItem*>(text);
    if (textItem && GetAboutText(about)) {
        char said[512] = {};
        textItem->CopyText(said, sizeof said);
        // The item list stays with the data file between openings, its text as the last box left
        // it: the version line is added only to a text that does not end in it yet.
        const std::string line = std::string("\n") + about.CStr();
        std::string text = said;
        if (text.size() < line.size() || text.compare(text.size() - line.size(), line.size(), line) != 0) {
            text += line;
            textItem->SetText(text.c_str());
        }
    }
    return kNoErr;
}

namespace {

// A string value of the version block; empty when it has none.
std::string VersionValue(const std::vector<char>& block, const char* name) {
    void* value = nullptr;
    win::UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!win::VerQueryValueA(block.data(), path.c_str(), &value, &length) || !value) return {};
    return static_cast<const char*>(value);
}

}  // namespace

bool VersionStrings::Read() {
    about_ = "";
    version_ = "";
    char program[kMaxPathLength + 1] = {};
    win::DWORD handle = 0;
    const win::DWORD size = win::GetModuleFileNameA(nullptr, program, sizeof program)
                                ? win::GetFileVersionInfoSizeA(program, &handle)
                                : 0;
    std::vector<char> block(size);
    if (size == 0 || !win::GetFileVersionInfoA(program, handle, size, block.data())) return false;
    const std::string copyright = VersionValue(block, "LegalCopyright");
    const std::string product = VersionValue(block, "ProductVersion");
    if (!product.empty() && !copyright.empty()) {
        version_ = product.c_str();
        about_ = (product + ", " + copyright).c_str();
    }
    return about_.Length() > 0 && version_.Length() > 0;
}

bool GetAboutText(String& text) {
    VersionStrings strings;
    if (!strings.Read()) return false;
    text = strings.GetAbout();
    return true;
}

bool GetVersionText(String& text) {
    VersionStrings strings;
    if (!strings.Read()) return false;
    text = strings.GetVersion();
    return true;
}
