#pragma once
// The clipboard: data in numbered formats, kept until the clipboard is next emptied. Text
// (CF_TEXT: Windows-1252 with CR LF line breaks and a closing 0), bitmaps, DIBs, palettes and
// formats the program registers are kept in the program. Text and pictures are also exchanged with
// the desktop's clipboard when a presenter connects one: text and a bitmap (CF_BITMAP) this program
// puts there other programs can paste, the bitmap as PNG and BMP files; text and a PNG or BMP
// picture copied elsewhere are what the program finds on its clipboard, the picture as CF_BITMAP.
//
// Data is handed over by handle: a global memory object (GlobalMemory.h) for text, DIBs and
// registered formats, an HBITMAP for CF_BITMAP, an HPALETTE for CF_PALETTE. The clipboard owns what
// it is given and frees it when it is emptied; handles it answers belong to it.

#include <optional>
#include <string>
#include <vector>

#include "platform/sys/GlobalMemory.h"
#include "platform/sys/WinTypes.h"

namespace win {

inline constexpr UINT CF_TEXT = 1;
inline constexpr UINT CF_BITMAP = 2;
inline constexpr UINT CF_DIB = 8;
inline constexpr UINT CF_PALETTE = 9;

// Fails while another window holds the clipboard open (a null window is a holder too).
BOOL OpenClipboard(HWND window);
BOOL CloseClipboard();
// With the clipboard open: frees everything on it.
BOOL EmptyClipboard();
// With the clipboard open: replaces the format's data; answers the handle, null when the handle is
// not of the format's kind.
HANDLE SetClipboardData(UINT format, HANDLE data);
// With the clipboard open: the format's data, or null.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();
// The format after the given one (0 starts), in the order they were put there; 0 at the end or
// when the clipboard is not open.
UINT EnumClipboardFormats(UINT format);
// Formats from 0xC000 up, one per name (compared without regard to case); 0 for no name.
UINT RegisterClipboardFormatA(LPCSTR name);

// A picture as desktop clipboards carry it: the bytes of an image file of a media type.
struct DesktopImage {
    std::string type;  // "image/png", "image/bmp"
    std::vector<BYTE> bytes;

    friend bool operator==(const DesktopImage&, const DesktopImage&) = default;
};

// The media types of the pictures exchanged with the desktop, the one the program prefers first.
inline constexpr const char* kDesktopImageTypes[] = {"image/png", "image/bmp"};

// The desktop's clipboard as a presenter connects it: plain UTF-8 text with LF line breaks, and
// pictures.
class DesktopClipboard {
public:
    virtual ~DesktopClipboard() = default;
    virtual std::optional<std::string> Text() = 0;  // none when it holds no text
    virtual void SetText(const std::string& utf8) = 0;
    // The picture it holds in the first of the types (kDesktopImageTypes) it offers; none when it
    // holds no picture of those types.
    virtual std::optional<DesktopImage> Image() { return std::nullopt; }
    // Puts one picture, in each of the types given, and the text (none when empty) on it together.
    virtual void SetImage(const std::vector<DesktopImage>& /*image*/, const std::string& utf8) { SetText(utf8); }
};

// Connects the desktop's clipboard (null disconnects); the caller keeps ownership. Answers the one
// connected before.
DesktopClipboard* ConnectDesktopClipboard(DesktopClipboard* desktop);

}  // namespace win
