#pragma once
// Internal to the window layer: the file chooser's dialog, apart from the calls that run it.

#include <string>
#include <vector>

#include "platform/ui/FileChooser.h"
#include "platform/ui/FileNames.h"

namespace win::detail {

// The chooser's controls.
inline constexpr int kChooserNameField = 1201;
inline constexpr int kChooserTypeList = 1203;
inline constexpr int kChooserReadOnlyBox = 1204;
inline constexpr int kChooserFolderField = 1206;
inline constexpr int kChooserUpButton = 1207;
inline constexpr int kChooserFileList = 1208;

struct FileChooserSession {
    OPENFILENAMEA* record = nullptr;
    bool save = false;
    std::vector<FileFilter> filters;
    int filter = 0;                          // the row of `filters` shown
    std::vector<std::string> typedPatterns;  // typed in the name field; shown until the type changes
    std::string home;                        // what "~" stands for
    std::string folder;                      // the folder shown
    std::vector<FolderChoice> choices;       // what it offers, as listed
    std::string offeredName;                 // the name field's first text
    HWND hook = nullptr;                     // the hook's window
};

// The dialog procedure; WM_INITDIALOG's lParam is the session. The dialog ends with TRUE once the
// record holds the name chosen and the hook accepted it, or with FALSE when cancelled.
LONG_PTR FileChooserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Whether a save chooser may take the path: with OFN_OVERWRITEPROMPT, a file that exists is taken
// only when the user answers Yes to replacing it (asked in a box of the owner, with the title).
bool MayReplace(HWND owner, const std::string& title, const OPENFILENAMEA& record, const std::string& path);

// Puts a path in the record with the offsets of its name and extension.
void PutPathInRecord(OPENFILENAMEA& record, const std::string& path);

}  // namespace win::detail
