#pragma once
// The file choosers: GetOpenFileNameA and GetSaveFileNameA run a modal dialog of the layer's own
// over the caller's OPENFILENAMEA. It shows a folder (its path can be typed over; "Up" or Backspace
// in the list goes to the folder above), the folder's folders and the files that match the chosen
// type, the file name field, the type list and, unless OFN_HIDEREADONLY, the read-only box.
//
// A name typed and confirmed with Return (or OK) is read against the folder shown: a path that
// names a folder opens it, a name with '*' or '?' becomes the pattern the files are shown by, and
// anything else is the file chosen, with the default extension added when it has none. Names are
// program text (Windows-1252); a name on disk that has no such form is shown but refused.
//
// A save chooser asked with OFN_OVERWRITEPROMPT takes the name of a file that exists only when the
// user answers Yes to "<name> already exists. Do you want to replace it?"; No keeps the chooser open.
//
// Before the chooser ends with a name, the record holds it (lpstrFile, nFileOffset, nFileExtension,
// OFN_READONLY) and the hook is sent the registered message FILEOKSTRINGA with the record in
// lParam: a nonzero answer refuses the name and the chooser stays open. The hook's window is an
// empty child of the chooser, so GetParent of it is the chooser (OFN_EXPLORER is always assumed);
// it gets WM_INITDIALOG with the record in lParam once the chooser is placed.
//
// A responder installed for prompts (Prompts.h) answers instead of the user when it can: the
// request's kind is "OpenFile" or "SaveFile", its caption the title, its text the name the record
// offered; an answer with a nonzero result gives the full path chosen as its text, taken as it is
// (after the question above, when asked for: No asks the responder again, as the chooser stays open).

#include <optional>
#include <string>

#include "platform/sys/WinTypes.h"
#include "platform/ui/CommonDialogs.h"

namespace win {

// Flags.
inline constexpr DWORD OFN_READONLY = 0x00000001;         // in and out: the read-only box is ticked
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;  // save: asks before a file that exists is taken
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;  // else the current folder becomes the file's
inline constexpr DWORD OFN_ENABLEHOOK = 0x00000020;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;  // the chosen file's folder must exist
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;  // the chosen file must exist
inline constexpr DWORD OFN_EXPLORER = 0x00080000;
inline constexpr DWORD OFN_LONGNAMES = 0x00200000;

// The name of the message by which the hook may refuse a name.
inline constexpr char FILEOKSTRINGA[] = "commdlg_FileNameOK";

using LPOFNHOOKPROC = UINT_PTR (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct OPENFILENAMEA {
    DWORD lStructSize = sizeof(OPENFILENAMEA);
    HWND hwndOwner = nullptr;
    // Pairs of texts: a label, then its patterns separated by ';'; an empty text ends the list.
    // Null shows every file.
    LPCSTR lpstrFilter = nullptr;
    DWORD nFilterIndex = 0;  // in and out: the row chosen, from 1 (0 is the first)
    // In: the name offered (a path's folder is where the chooser opens, else the current folder).
    // Out: the full path chosen.
    LPSTR lpstrFile = nullptr;
    DWORD nMaxFile = 0;
    LPCSTR lpstrTitle = nullptr;  // null: "Open" or "Save As"
    DWORD Flags = 0;
    WORD nFileOffset = 0;          // out: where the name begins in lpstrFile
    WORD nFileExtension = 0;       // out: where its extension begins (at the NUL when it has none)
    LPCSTR lpstrDefExt = nullptr;  // added to names typed without an extension
    LPARAM lCustData = 0;
    LPOFNHOOKPROC lpfnHook = nullptr;
};

// TRUE when a file was chosen. FALSE when the user cancelled (CommDlgExtendedError answers 0) or
// the chooser failed: CDERR_STRUCTSIZE, CDERR_INITIALIZATION (no file buffer), CDERR_NOHOOK,
// FNERR_INVALIDFILENAME (the name offered has no NUL within nMaxFile), FNERR_BUFFERTOOSMALL (a
// responder's path does not fit: the first two bytes of lpstrFile hold the size it needs), or
// CDERR_DIALOGFAILURE. A path the user chooses that does not fit is refused with a message and the
// chooser stays open.
BOOL GetOpenFileNameA(OPENFILENAMEA* record);
BOOL GetSaveFileNameA(OPENFILENAMEA* record);

// A save chooser for callers that want a path to write and nothing more: titled `title`, opened
// where the path offered lies with its name in the field, showing the filter list given (null for
// every file), adding the default extension (null for none) and asking before a file that exists is
// replaced. The path chosen, or none when the user cancelled.
std::optional<std::string> ChooseSavePath(HWND owner, const std::string& title, const std::string& offered,
                                          const char* filters, const char* defaultExtension);

}  // namespace win
