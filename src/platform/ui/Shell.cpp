#include "platform/ui/Shell.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/sys/ChildProcess.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"
#include "platform/ui/Screen.h"

namespace win {

UINT_PTR SHAppBarMessage(DWORD message, APPBARDATA* data) {
    if (message != ABM_GETTASKBARPOS || !data) return FALSE;
    const std::optional<RECT> taskbar = detail::CurrentPresenter().Taskbar();
    if (!taskbar) return FALSE;
    data->rc = *taskbar;
    return TRUE;
}

bool Presenter::ShowWithDesktop(std::string_view path) {
    return StartProgram({"xdg-open", std::string(path)});
}

std::string HelpGuidePath(const char* helpFile) {
    if (!helpFile || !*helpFile) return {};
    std::string path = helpFile;
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.resize(dot);
    path += ".html";
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = path.substr(0, nameStart);
    const std::string name = path.substr(nameStart);
    std::error_code error;
    const std::filesystem::path systemFolder(NameForSystem(folder.empty() ? "." : folder));
    if (std::filesystem::is_regular_file(NameForSystem(path), error)) return path;
    for (const auto& entry : std::filesystem::directory_iterator(systemFolder, error)) {
        const std::optional<std::string> found = NameFromSystem(entry.path().filename().string());
        if (found && Cp1252EqualNoCase(*found, name) && entry.is_regular_file(error)) return folder + *found;
    }
    return {};
}

BOOL WinHelpA(HWND, LPCSTR helpFile, UINT command, ULONG_PTR) {
    switch (command) {
        case HELP_QUIT: return TRUE;
        case HELP_FINDER: {
            const std::string guide = HelpGuidePath(helpFile);
            if (guide.empty()) {
                SetLastError(ENOENT);
                return FALSE;
            }
            return detail::CurrentPresenter().ShowWithDesktop(guide) ? TRUE : FALSE;
        }
        default: return FALSE;
    }
}

}  // namespace win
