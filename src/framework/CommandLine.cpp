#include "framework/CommandLine.h"

#include <strings.h>

#include <memory>
#include <utility>

#include "foundation/PathUtil.h"
#include "framework/AppEnvironment.h"
#include "framework/StandardCommands.h"
#include "framework/TAppl.h"
#include "framework/TypingHold.h"
#include "platform/sys/Bell.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/HandOver.h"
#include "platform/sys/Profile.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

constexpr const char* kHandOverSection = "QRV_APP";
constexpr const char* kHandOverKey = "LastCommandLine";
constexpr DWORD kHandOverLineSize = 256;

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder.push_back('/');
    return folder;
}

std::string CurrentFolder() {
    char folder[kMaxPathLength + 1];
    const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string("/");
}

}  // namespace

std::vector<std::string> SplitCommandLine(const char* text) {
    std::vector<std::string> pieces;
    if (!text) return pieces;
    const std::string line = text;
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end;
        if (line[at] == '"') {
            end = line.find('"', at + 1);
            if (end == std::string::npos) end = line.size();
            pieces.push_back(line.substr(at + 1, end - at - 1));
            at = end + 1;
        } else {
            end = line.find(' ', at);
            if (end == std::string::npos) end = line.size();
            pieces.push_back(line.substr(at, end - at));
            at = end;
        }
    }
    return pieces;
}

bool OpenCommandLinePieces(TAppl& application, const std::vector<std::string>& pieces, std::string folder) {
    folder = WithSlash(std::move(folder));
    bool print = false;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::string& piece = pieces[i];
        if (strcasecmp(piece.c_str(), "/p") == 0) {
            print = true;
        } else if (strcasecmp(piece.c_str(), "/D") == 0) {
            if (i + 1 < pieces.size()) folder = WithSlash(pieces[++i]);
        } else if (!piece.empty()) {
            application.OpenFile((piece.front() == '/' ? piece : folder + piece).c_str());
        }
    }
    return print;
}

bool TAppl::HandleCommandLine(char* text, int /*mode*/) {
    if (!IsWindowEnabled(GetFrameWindow())) return false;
    const std::vector<std::string> pieces = SplitCommandLine(text);
    if (pieces.empty()) return false;
    return OpenCommandLinePieces(*this, pieces, CurrentFolder());
}

ErrCode TAppl::OpenFile(const char* path) {
    if (!path || !*path) return -2;
    const std::string full = path[0] == '/' ? std::string(path) : WithSlash(CurrentFolder()) + path;
    if (!IsValidFullPath(full.c_str())) return -2;
    FileRef file(full.c_str(), kAccessRead);
    if (!file.IsValid() || !file.Exists()) return -1;
    if (CommandEnabled(kCmdOpen))
        PostCommand(std::make_unique<OpenDocCmd>(this, false, &file, kCmdOpen, IsOpeningHandOver()), kSecondQueue);
    return kNoErr;
}

void TAppl::KeepHandOver(std::vector<std::string> pieces, std::string folder) {
    handOvers_.push_back({std::move(pieces), std::move(folder)});
}

// A hand-over opens nothing under the writer's typing: once the writer has paused, and while no
// dialog is up (the timer looks again then).
void TAppl::OpenHandOvers() {
    const HWND frame = GetFrameWindow();
    if (handOvers_.empty() || !WriterHasPaused(frame, kHandOverPauseTimerId)) return;
    if (!IsWindowEnabled(frame)) {
        SetTimer(frame, kHandOverPauseTimerId, kTypingPause, nullptr);
        return;
    }
    const HandOverOpening opening(*this);
    for (const HandOverNames& names : std::exchange(handOvers_, {})) OpenCommandLinePieces(*this, names.pieces, names.folder);
}

ErrCode TAppl::OpenStartupFiles() {
    const AppEnvironment* environment = GetEnvironment();
    if (environment->GetArgumentCount() < 2) return NewAtStartup(1);
    for (int i = 1; i < environment->GetArgumentCount(); ++i) {
        if (const ErrCode error = OpenFile(environment->GetArguments()[i]); error != kNoErr) return error;
    }
    return kNoErr;
}

LRESULT ReceiveHandOver(TAppl& application, HWND frame, WPARAM wParam, LPARAM lParam) {
    // A modal dialog is up.
    if (!IsWindowEnabled(frame)) {
        MessageBeep(0);
        return 0;
    }
    if (wParam == 0) {
        SetActiveWindow(frame);
        if (IsIconic(frame)) ShowWindow(frame, SW_RESTORE);
    }
    bool print = false;
    if (const auto* handOver = reinterpret_cast<const HandOver*>(lParam)) {
        if (wParam == 0) {
            application.KeepHandOver(handOver->arguments, handOver->folder);
        } else {
            print = OpenCommandLinePieces(application, handOver->arguments, handOver->folder);
        }
    } else {
        char line[kHandOverLineSize];
        GetProfileStringA(kHandOverSection, kHandOverKey, "", line, sizeof line);
        if (wParam == 0) {
            application.KeepHandOver(SplitCommandLine(line), CurrentFolder());
        } else {
            print = application.HandleCommandLine(line, kCommandLineHandOver);
        }
    }
    WriteProfileStringA(kHandOverSection, kHandOverKey, "");
    if (wParam == 1 && print) PostMessageA(frame, WM_CLOSE, 0, 0);
    application.OpenHandOvers();
    return 0;
}

void OpenDroppedFiles(TAppl& application, HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string name(DragQueryFileA(drop, i, nullptr, 0), '\0');
        DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
        application.OpenFile(name.c_str());
    }
}
