#include "framework/ChooserHooks.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>

#include "framework/AppEnvironment.h"
#include "framework/WindowUtilities.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FileChooser.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Styles.h"
#include "platform/ui/Window.h"

using namespace win;

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

void RefuseExtension(HWND chooser, std::string_view extension) {
    std::string shown = ".";
    for (const char c : extension.substr(0, 3))
        shown += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string text = "The specified filename must have an extension of \"" + shown +
                             "\".  If no extension is specified \"" + shown + "\" will be used.";
    MessageBoxA(chooser, text.c_str(), "Bad Filename Extension!", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

ChooserModalPhase::ChooserModalPhase() { BeginModalState(); }

ChooserModalPhase::~ChooserModalPhase() { EndModalState(); }

void CenterChooser(HWND window) {
    const AppEnvironment* environment = GetAppEnvironment();
    if (!window || (environment && IsIconic(environment->GetFrameWindow()))) return;
    RECT screen{};
    RECT box{};
    GetWindowRect(GetDesktopWindow(), &screen);
    GetWindowRect(window, &box);
    const int left = screen.left + (screen.right - screen.left - (box.right - box.left)) / 2;
    const int top = screen.top + (screen.bottom - screen.top - (box.bottom - box.top)) / 3;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UINT_PTR CenterChooserHook(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) CenterChooser(window);
    return 0;
}

UINT_PTR CenterFileChooserHook(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) CenterChooser(GetParent(window));
    return 0;
}

UINT_PTR SaveFileChooserHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == RegisterWindowMessageA(FILEOKSTRINGA) && lParam != 0) {
        return CheckDefaultExtension(GetParent(window), *reinterpret_cast<OPENFILENAMEA*>(lParam)) ? 0 : 1;
    }
    return CenterFileChooserHook(window, message, wParam, lParam);
}

bool CheckDefaultExtension(HWND chooser, OPENFILENAMEA& record) {
    const std::string_view wanted = record.lpstrDefExt ? record.lpstrDefExt : "";
    if (wanted.empty() || wanted.find_first_of("*?") != std::string_view::npos) return true;
    std::string path(record.lpstrFile, strnlen(record.lpstrFile, record.nMaxFile));
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        RefuseExtension(chooser, wanted);
        return false;
    }
    // A bare dot takes the default extension, without a second dot.
    if (dot + 1 == path.size() && path.size() + wanted.size() < record.nMaxFile) {
        path += wanted;
        std::memcpy(record.lpstrFile, path.c_str(), path.size() + 1);
        record.nFileExtension = static_cast<WORD>(dot + 1);
    }
    if (!SameIgnoringCase(std::string_view(path).substr(dot + 1), wanted)) {
        RefuseExtension(chooser, wanted);
        return false;
    }
    return true;
}
