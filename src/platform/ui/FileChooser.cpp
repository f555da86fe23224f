// GetOpenFileNameA and GetSaveFileNameA: checking the record, the prompt responder, running the
// dialog and what a chosen name leaves behind.

#include "platform/ui/FileChooser.h"

#include <cstring>
#include <vector>

#include "platform/sys/FileSystem.h"
#include "platform/sys/UserFolders.h"
#include "platform/ui/ChooserSupport.h"
#include "platform/ui/FileChooserDialog.h"
#include "platform/ui/Prompts.h"

namespace win {

using namespace detail;

namespace {

std::string CurrentFolder() {
    const DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::string folder(size, '\0');
    if (size == 0 || GetCurrentDirectoryA(size, folder.data()) == 0) return {};
    folder.resize(std::strlen(folder.c_str()));
    return folder;
}

// Where the chooser opens and the name it offers: a path offered gives its folder (or the nearest
// one above it that exists), a name the current folder.
void Start(FileChooserSession& session, const std::string& offered) {
    if (!GetHomeFolder(session.home)) session.home = std::string(1, '/');
    std::string current = CurrentFolder();
    if (current.empty()) current = session.home;
    const std::size_t slash = offered.rfind('/');
    session.offeredName = slash == std::string::npos ? offered : offered.substr(slash + 1);
    session.folder = slash == std::string::npos
                         ? current
                         : ResolvePath(current, offered.substr(0, slash + 1), session.home);
    while (session.folder != "/" && !IsFolder(session.folder)) session.folder = ParentFolder(session.folder);
    const std::size_t rows = session.filters.size();
    session.filter = session.record->nFilterIndex >= 1 && session.record->nFilterIndex <= rows
                         ? static_cast<int>(session.record->nFilterIndex - 1)
                         : 0;
}

// The current folder becomes the chosen file's unless the caller said not.
void Finish(OPENFILENAMEA& record, int filter) {
    const std::string path(record.lpstrFile, strnlen(record.lpstrFile, record.nMaxFile - 1));
    PutPathInRecord(record, path);
    if (record.lpstrFilter != nullptr) record.nFilterIndex = static_cast<DWORD>(filter + 1);
    if (!(record.Flags & OFN_NOCHANGEDIR) && path.find('/') != std::string::npos)
        SetCurrentDirectoryA(ParentFolder(path).c_str());
}

BOOL RunFileChooser(OPENFILENAMEA* record, bool save) {
    SetCommDlgExtendedError(0);
    if (record == nullptr || record->lStructSize != sizeof(OPENFILENAMEA))
        return ChooserFailed(CDERR_STRUCTSIZE);
    if (record->lpstrFile == nullptr || record->nMaxFile == 0) return ChooserFailed(CDERR_INITIALIZATION);
    if ((record->Flags & OFN_ENABLEHOOK) && record->lpfnHook == nullptr) return ChooserFailed(CDERR_NOHOOK);
    const std::size_t offeredLength = strnlen(record->lpstrFile, record->nMaxFile);
    if (offeredLength == record->nMaxFile) return ChooserFailed(FNERR_INVALIDFILENAME);
    const std::string offered(record->lpstrFile, offeredLength);
    const std::string title = record->lpstrTitle != nullptr ? record->lpstrTitle : save ? "Save As" : "Open";

    FileChooserSession session;
    session.record = record;
    session.save = save;
    session.filters = ReadFilterList(record->lpstrFilter);
    while (std::optional<PromptAnswer> answer = AskPromptResponder(
               PromptRequest{save ? "SaveFile" : "OpenFile", title, offered, record->Flags})) {
        if (answer->result == 0) return FALSE;
        if (answer->text.size() >= record->nMaxFile) {
            if (record->nMaxFile >= sizeof(WORD)) {
                const auto needed = static_cast<WORD>(answer->text.size() + 1);
                std::memcpy(record->lpstrFile, &needed, sizeof needed);
            }
            return ChooserFailed(FNERR_BUFFERTOOSMALL);
        }
        if (save && !MayReplace(record->hwndOwner, title, *record, answer->text)) continue;
        PutPathInRecord(*record, answer->text);
        Finish(*record, static_cast<int>(record->nFilterIndex > 0 ? record->nFilterIndex - 1 : 0));
        return TRUE;
    }
    Start(session, offered);
    const LONG_PTR result =
        RunChooserDialog(record->hwndOwner, title, FileChooserProc, reinterpret_cast<LPARAM>(&session));
    if (result < 0) return ChooserFailed(CDERR_DIALOGFAILURE);
    if (result == 0) return FALSE;
    Finish(*record, session.filter);
    return TRUE;
}

}  // namespace

BOOL GetOpenFileNameA(OPENFILENAMEA* record) { return RunFileChooser(record, false); }

BOOL GetSaveFileNameA(OPENFILENAMEA* record) { return RunFileChooser(record, true); }

std::optional<std::string> ChooseSavePath(HWND owner, const std::string& title, const std::string& offered,
                                          const char* filters, const char* defaultExtension) {
    std::vector<char> path(4096, '\0');
    if (offered.size() >= path.size()) return std::nullopt;
    std::memcpy(path.data(), offered.c_str(), offered.size() + 1);
    OPENFILENAMEA record;
    record.hwndOwner = owner;
    record.lpstrFilter = filters;
    record.lpstrFile = path.data();
    record.nMaxFile = static_cast<DWORD>(path.size());
    record.lpstrTitle = title.c_str();
    record.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT;
    record.lpstrDefExt = defaultExtension;
    if (!GetSaveFileNameA(&record)) return std::nullopt;
    return std::string(path.data());
}

}  // namespace win
