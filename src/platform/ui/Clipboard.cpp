#include "platform/ui/Clipboard.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/Objects.h"
#include "platform/sys/Cp1252.h"
#include "platform/ui/RegisteredNames.h"
#include "platform/ui/UnkeptText.h"

namespace win {
namespace {

struct Entry {
    UINT format = 0;
    HANDLE data = nullptr;
};

struct ClipboardState {
    bool open = false;
    HWND openedBy = nullptr;
    bool changed = false;        // data was emptied or set since the clipboard was opened
    std::vector<Entry> entries;  // in the order they were put there
    detail::RegisteredNames registered;
    DesktopClipboard* desktop = nullptr;
    std::optional<std::string> desktopText;    // the desktop's text as last read or written
    std::optional<DesktopImage> desktopImage;  // the desktop's picture as last read or written
    HANDLE unkeptText = nullptr;  // the text entry made of desktop text that lost characters
};

ClipboardState& State() {
    static ClipboardState state;
    return state;
}

bool IsObjectFormat(UINT format) { return format == CF_BITMAP || format == CF_PALETTE; }

bool FitsFormat(UINT format, HANDLE data) {
    if (format == CF_BITMAP) return GetObjectType(data) == OBJ_BITMAP;
    if (format == CF_PALETTE) return GetObjectType(data) == OBJ_PAL;
    return GlobalFlags(static_cast<HGLOBAL>(data)) != GMEM_INVALID_HANDLE;
}

void Free(const Entry& entry) {
    if (IsObjectFormat(entry.format)) {
        DeleteObject(entry.data);
    } else {
        GlobalFree(static_cast<HGLOBAL>(entry.data));
    }
}

void Clear() {
    for (const Entry& entry : State().entries) Free(entry);
    State().entries.clear();
    State().unkeptText = nullptr;
}

std::vector<Entry>::iterator Find(UINT format) {
    auto& entries = State().entries;
    return std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.format == format; });
}

// CF_TEXT as the desktop takes it: up to the first 0 byte, line breaks LF, UTF-8.
std::string DesktopTextOf(HANDLE data) {
    const auto memory = static_cast<HGLOBAL>(data);
    const auto* bytes = static_cast<const char*>(GlobalLock(memory));
    std::string text;
    if (bytes != nullptr) text.assign(bytes, strnlen(bytes, GlobalSize(memory)));
    GlobalUnlock(memory);
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) plain += text[i];
    }
    return Cp1252ToUtf8(plain);
}

// Desktop text as CF_TEXT: Windows-1252, every line break CR LF, a closing 0; *unkept says whether
// a character became '?'.
HGLOBAL TextFromDesktop(const std::string& utf8, bool* unkept) {
    const std::string text = Utf8ToCp1252(utf8, unkept);
    std::string withBreaks;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) withBreaks += '\r';
        withBreaks += text[i];
    }
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, withBreaks.size() + 1);
    if (auto* bytes = static_cast<char*>(GlobalLock(memory))) {
        std::memcpy(bytes, withBreaks.c_str(), withBreaks.size() + 1);
        GlobalUnlock(memory);
    }
    return memory;
}

// What another program put on the desktop's clipboard since this one last looked replaces what is
// here: its text, and its picture as a bitmap (nothing when it is neither).
void TakeFromDesktop() {
    ClipboardState& state = State();
    if (state.desktop == nullptr || state.open) return;
    std::optional<std::string> text = state.desktop->Text();
    std::optional<DesktopImage> image = state.desktop->Image();
    if (text == state.desktopText && image == state.desktopImage) return;
    state.desktopText = std::move(text);
    state.desktopImage = std::move(image);
    bool unkept = false;
    HGLOBAL memory = state.desktopText ? TextFromDesktop(*state.desktopText, &unkept) : nullptr;
    HBITMAP picture = state.desktopImage ? BitmapFromImageFile(state.desktopImage->bytes) : nullptr;
    Clear();
    if (memory != nullptr) state.entries.push_back(Entry{CF_TEXT, memory});
    if (picture != nullptr) state.entries.push_back(Entry{CF_BITMAP, picture});
    if (unkept) state.unkeptText = memory;
}

// What this program put on the clipboard becomes the desktop's: its text (empty when it put no
// text) and its bitmap as a picture of each type.
void GiveToDesktop() {
    ClipboardState& state = State();
    if (state.desktop == nullptr) return;
    auto text = Find(CF_TEXT);
    const std::string utf8 = text != state.entries.end() ? DesktopTextOf(text->data) : std::string();
    std::vector<DesktopImage> image;
    if (auto bitmap = Find(CF_BITMAP); bitmap != state.entries.end()) {
        const auto picture = static_cast<HBITMAP>(bitmap->data);
        for (const std::string type : kDesktopImageTypes) {
            std::vector<BYTE> bytes = type == "image/png" ? PngFileOfBitmap(picture) : BmpFileOfBitmap(picture);
            if (!bytes.empty()) image.push_back(DesktopImage{type, std::move(bytes)});
        }
    }
    if (image.empty()) {
        state.desktop->SetText(utf8);
    } else {
        state.desktop->SetImage(image, utf8);
    }
    // What the desktop holds now is this program's own, which its clipboard keeps in every format
    // until the desktop's changes.
    state.desktopText = state.desktop->Text();
    state.desktopImage = state.desktop->Image();
}

}  // namespace

BOOL OpenClipboard(HWND window) {
    ClipboardState& state = State();
    if (state.open) return state.openedBy == window ? TRUE : FALSE;
    TakeFromDesktop();
    state.open = true;
    state.openedBy = window;
    state.changed = false;
    return TRUE;
}

BOOL CloseClipboard() {
    ClipboardState& state = State();
    if (!state.open) return FALSE;
    state.open = false;
    state.openedBy = nullptr;
    if (state.changed) GiveToDesktop();
    return TRUE;
}

BOOL EmptyClipboard() {
    ClipboardState& state = State();
    if (!state.open) return FALSE;
    Clear();
    state.changed = true;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    ClipboardState& state = State();
    if (!state.open || format == 0 || data == nullptr || !FitsFormat(format, data)) return nullptr;
    auto found = Find(format);
    if (found == state.entries.end()) {
        state.entries.push_back(Entry{format, data});
    } else if (found->data != data) {
        if (found->data == state.unkeptText) state.unkeptText = nullptr;
        Free(*found);
        found->data = data;
    }
    state.changed = true;
    return data;
}

HANDLE GetClipboardData(UINT format) {
    if (!State().open) return nullptr;
    auto found = Find(format);
    if (found == State().entries.end()) return nullptr;
    // The text is taken to be pasted: the writer hears that some of it could not be kept.
    if (found->data == State().unkeptText) NoteUnkeptText();
    return found->data;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    TakeFromDesktop();
    return Find(format) != State().entries.end() ? TRUE : FALSE;
}

int CountClipboardFormats() {
    TakeFromDesktop();
    return static_cast<int>(State().entries.size());
}

UINT EnumClipboardFormats(UINT format) {
    ClipboardState& state = State();
    if (!state.open || state.entries.empty()) return 0;
    if (format == 0) return state.entries.front().format;
    auto found = Find(format);
    if (found == state.entries.end() || ++found == state.entries.end()) return 0;
    return found->format;
}

UINT RegisterClipboardFormatA(LPCSTR name) { return State().registered.Register(name); }

DesktopClipboard* ConnectDesktopClipboard(DesktopClipboard* desktop) {
    ClipboardState& state = State();
    DesktopClipboard* previous = state.desktop;
    state.desktop = desktop;
    state.desktopText.reset();
    state.desktopImage.reset();
    return previous;
}

}  // namespace win
