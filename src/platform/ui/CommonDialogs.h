#pragma once
// What the choosers (file, font, colour) and the print dialogs share: why the last of them
// answered FALSE. CommDlgExtendedError answers 0 when the user cancelled, and after a success.

#include "platform/sys/WinTypes.h"

namespace win {

// Failures of any of them.
inline constexpr DWORD CDERR_DIALOGFAILURE = 0xFFFF;  // the dialog could not be made
inline constexpr DWORD CDERR_STRUCTSIZE = 0x0001;     // the record's size field is wrong
inline constexpr DWORD CDERR_INITIALIZATION = 0x0002;
inline constexpr DWORD CDERR_NOTEMPLATE = 0x0003;
inline constexpr DWORD CDERR_NOHINSTANCE = 0x0004;
inline constexpr DWORD CDERR_LOADSTRFAILURE = 0x0005;
inline constexpr DWORD CDERR_FINDRESFAILURE = 0x0006;
inline constexpr DWORD CDERR_LOADRESFAILURE = 0x0007;
inline constexpr DWORD CDERR_LOCKRESFAILURE = 0x0008;
inline constexpr DWORD CDERR_MEMALLOCFAILURE = 0x0009;
inline constexpr DWORD CDERR_MEMLOCKFAILURE = 0x000A;
inline constexpr DWORD CDERR_NOHOOK = 0x000B;  // a hook was asked for and none given

// Failures of the print dialogs.
inline constexpr DWORD PDERR_SETUPFAILURE = 0x1001;
inline constexpr DWORD PDERR_PARSEFAILURE = 0x1002;
inline constexpr DWORD PDERR_RETDEFFAILURE = 0x1003;
inline constexpr DWORD PDERR_LOADDRVFAILURE = 0x1004;
inline constexpr DWORD PDERR_GETDEVMODEFAIL = 0x1005;
inline constexpr DWORD PDERR_INITFAILURE = 0x1006;
inline constexpr DWORD PDERR_NODEVICES = 0x1007;
inline constexpr DWORD PDERR_NODEFAULTPRN = 0x1008;
inline constexpr DWORD PDERR_DNDMMISMATCH = 0x1009;
inline constexpr DWORD PDERR_CREATEICFAILURE = 0x100A;
inline constexpr DWORD PDERR_PRINTERNOTFOUND = 0x100B;
inline constexpr DWORD PDERR_DEFAULTDIFFERENT = 0x100C;

// Failures of the font chooser: no fonts to list, or a size limit whose maximum is below its
// minimum.
inline constexpr DWORD CFERR_NOFONTS = 0x2001;
inline constexpr DWORD CFERR_MAXLESSTHANMIN = 0x2002;

// Failures of the file chooser: a file name given that is no name, or a chosen path longer than
// the caller's buffer (its first two bytes then hold the size it needs).
inline constexpr DWORD FNERR_INVALIDFILENAME = 0x3002;
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

DWORD CommDlgExtendedError();

}  // namespace win
