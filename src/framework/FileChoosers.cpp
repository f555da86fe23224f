#include "framework/FileChoosers.h"

#include <cstring>
#include <string>
#include <vector>

#include "foundation/Debug.h"
#include "foundation/pfm/FourCCText.h"
#include "foundation/pfm/PFM.h"
#include "framework/Alerts.h"
#include "framework/ChooserHooks.h"
#include "framework/FileTypeList.h"
#include "platform/ui/FileChooser.h"
#include "platform/ui/Input.h"

using namespace win;

namespace {

// The filter text of the list when given, else of the codes.
std::vector<char> Filter(const FourCC* codes, const CustomFileList* list, std::size_t size) {
    std::vector<char> filter(size, '\0');
    if (list) {
        list->BuildFilterString(filter.data(), filter.size());
    } else {
        BuildTypeFilter(codes, filter.data(), filter.size());
    }
    return filter;
}

// The type's text without its dot ("fsf"); empty for no type, and for a type with wildcards, which
// must never be added to a name.
std::string ExtensionOf(FourCC code) {
    char text[8];
    std::string extension = code ? FourCCToText(code, text) : "";
    if (!extension.empty() && extension.front() == '.') extension.erase(0, 1);
    return extension.find_first_of("*?") == std::string::npos ? extension : std::string();
}

FourCC FirstType(const FourCC* codes, const CustomFileList* list) {
    if (list) {
        const TypeList* row = list->GetTypeList(0);
        return row ? row->GetType(0) : 0;
    }
    return codes ? codes[0] : 0;
}

// The chooser's name buffer, holding the offered text.
std::vector<char> NameBuffer(const std::string& offered) {
    std::vector<char> buffer(kMaxPathLength + 1, '\0');
    if (offered.size() < buffer.size()) std::memcpy(buffer.data(), offered.c_str(), offered.size());
    return buffer;
}

// Runs the chooser in a modal phase; true when a file was chosen.
bool Run(OPENFILENAMEA& record, bool save) {
    const ChooserModalPhase modal;
    record.hwndOwner = GetActiveWindow();
    return (save ? GetSaveFileNameA(&record) : GetOpenFileNameA(&record)) != FALSE;
}

ErrCode RunSave(const std::vector<char>& filter, const std::string& offered, const std::string& extension,
                LPOFNHOOKPROC hook, FileRef& file, const char* title) {
    std::vector<char> name = NameBuffer(offered);
    OPENFILENAMEA record;
    record.lpstrFilter = filter.data();
    record.lpstrFile = name.data();
    record.nMaxFile = static_cast<DWORD>(name.size());
    record.lpstrTitle = title;
    record.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    record.Flags = OFN_EXPLORER | OFN_LONGNAMES | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
    record.lpfnHook = hook;
    if (!Run(record, true)) return kFileChooserCancelled;
    file.SetFullPath(name.data());
    file.SetPermission(kAccessCreate);
    return kFileChooserChosen;
}

}  // namespace

ErrCode ChooseOpenFile(const FourCC* codes, FileRef& file, bool readOnlyAllowed, const CustomFileList* list,
                       const char* title) {
    const std::vector<char> filter = Filter(codes, list, 256);
    std::vector<char> name = NameBuffer("");
    OPENFILENAMEA record;
    record.lpstrFilter = filter.data();
    record.lpstrFile = name.data();
    record.nMaxFile = static_cast<DWORD>(name.size());
    record.lpstrTitle = title;
    record.Flags = OFN_EXPLORER | OFN_LONGNAMES | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK;
    if (!readOnlyAllowed) record.Flags |= OFN_HIDEREADONLY;
    record.lpfnHook = CenterFileChooserHook;
    if (!Run(record, false)) return kFileChooserCancelled;
    file.SetFullPath(name.data());
    const bool readOnly = (record.Flags & OFN_READONLY) != 0 || file.IsReadOnly();
    file.SetPermission(readOnly ? kAccessRead : kAccessReadWrite);
    return kFileChooserChosen;
}

ErrCode ChooseSaveFile(const FourCC* codes, const FourCC* defaultType, FileRef& file,
                       const CustomFileList* list, const char* title) {
    const std::string extension = ExtensionOf(defaultType ? *defaultType : FirstType(codes, list));
    const std::string offered = file.GetDirectory().empty() ? file.NamePtr() : file.GetFullPath();
    return RunSave(Filter(codes, list, 256), offered, extension,
                   defaultType ? SaveFileChooserHook : CenterFileChooserHook, file, title);
}

ErrCode ChooseSaveFileSimple(const FourCC* codes, FileRef& file, const char* title) {
    return RunSave(Filter(codes, nullptr, 128), "", ExtensionOf(FirstType(codes, nullptr)),
                   CenterFileChooserHook, file, title);
}

ErrCode AskSaveFile(const CustomFileList* list, const FourCC* defaultType, const char* title,
                    const char* reason, FileRef& file) {
    return AskSaveFileFor(list, defaultType, title, reason, file, nullptr);
}

ErrCode AskSaveFileFor(const CustomFileList* list, const FourCC* defaultType, const char* title,
                       const char* reason, FileRef& file, PFMFile* ownStore) {
    for (;;) {
        if (ChooseSaveFile(nullptr, defaultType, file, list, title) != kFileChooserChosen) {
            return kFileChooserCancelled;
        }
        if (CheckReplaceFile(file, ownStore, reason)) return kFileChooserChosen;
    }
}

bool CheckReplaceFile(const FileRef& file, PFMFile* ownStore, const char* reason) {
    if (!file.Exists()) return true;
    const std::string path = file.GetFullPath();
    const PFMFile* holder = PFMFindOpenFile(file);
    if (holder && holder != ownStore) {
        DebugPrintf("File \"%s\" is in use by this application. %s", path.c_str(), reason);
        return false;
    }
    if (file.IsReadOnly()) {
        DebugPrintf("File \"%s\" is %s. %s", path.c_str(), "read-only", reason);
        return false;
    }
    const std::string question = "Replace existing file \"" + path + "\" ?";
    return AskYesNoCancel(question.c_str(), 0, true) == kAnswerYes;
}
