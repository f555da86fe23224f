#include "framework/CommandLine.h"

#include <strings.h>

#include <memory>
#include <utility>

#include "foundation/PathUtil.h"
#include "framework/Alerts.h"
#include "framework/AppEnvironment.h"
#include "framework/StandardCommands.h"
#include "framework/TAppl.h"
#include "framework/TypingHold.h"
#include "platform/sys/Bell.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/HandOver.h"
#include "platform/sys/Profile.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/HandOverReceiver.h"
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

// The names of the files among a command line's pieces, without their folders: the switches and
// the folder after "/D" left out.
void AddFileNames(const std::vector<std::string>& pieces, std::vector<std::string>& names) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::string& piece = pieces[i];
        if (strcasecmp(piece.c_str(), "/D") == 0) {
            ++i;
        } else if (!piece.empty() && strcasecmp(piece.c_str(), "/p") != 0) {
            names.push_back(piece.substr(piece.rfind('/') + 1));
        }
    }
}

// Why the files a later start handed over were not opened: that start gave up waiting for the dialog
// that was open here, and what it said of it, on its terminal, a writer who started it from the
// desktop may never see.
void TellNotOpened(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + ("\"" + names[i] + "\"");
    const bool one = names.size() == 1;
    const std::string them = one ? "it" : "them";
    const std::string text =
        list + (one ? " was" : " were") + " not opened. The program was started again to open " + them +
        " while a dialog was open here, and the wait for the dialog to close ran out. Open " +
        them + " again if you still want " + them + ".";
    const TypingHold typing;
    AlertMessage(text.c_str(), kAlertStop, 1);
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
    if (!CommandEnabled(kCmdOpen)) return kNoErr;
    PostCommand(std::make_unique<OpenDocCmd>(this, false, &file, kCmdOpen, IsOpeningHandOver()),
                kSecondQueue);
    // The loop drains the queue after each message it dispatches. A later start's hand-over is
    // served while the loop sleeps, waiting for input, and comes with no message of its own: this
    // one wakes the loop, so that the file opens now and not with the writer's next key or click,
    // which would then land on a window that appeared under it unseen.
    if (const HWND frame = GetFrameWindow()) PostMessageA(frame, WM_NULL, 0, 0);
    return kNoErr;
}

void TAppl::KeepHandOver(std::vector<std::string> pieces, std::string folder, bool givenUp) {
    handOvers_.push_back({std::move(pieces), std::move(folder), givenUp});
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
    // The files open through the command queue, after the box.
    TellHandOversGivenUp();
    for (const HandOverNames& names : std::exchange(handOvers_, {}))
        OpenCommandLinePieces(*this, names.pieces, names.folder);
}

void TAppl::TellHandOversGivenUp() {
    std::vector<std::string> notOpened;
    for (const HandOverNames& names : handOvers_)
        if (names.givenUp) AddFileNames(names.pieces, notOpened);
    std::erase_if(handOvers_, [](const HandOverNames& names) { return names.givenUp; });
    if (!notOpened.empty()) TellNotOpened(notOpened);
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
    if (wParam == kHandOverGivenUp) {
        if (const auto* handOver = reinterpret_cast<const HandOver*>(lParam))
            application.KeepHandOver(handOver->arguments, handOver->folder, true);
        application.OpenHandOvers();
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
