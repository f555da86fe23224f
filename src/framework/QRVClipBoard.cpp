#include "framework/QRVClipBoard.h"

#include <cstring>

#include "framework/AppEnvironment.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/DibBlocks.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/Objects.h"
#include "platform/sys/GlobalMemory.h"
#include "platform/ui/Clipboard.h"

using namespace win;

namespace {

HWND FrameWindow() {
    const AppEnvironment* environment = GetAppEnvironment();
    return environment ? environment->GetFrameWindow() : nullptr;
}

}  // namespace

QRVClipBoard::~QRVClipBoard() { Close(); }

bool QRVClipBoard::Open() {
    if (!open_) open_ = OpenClipboard(FrameWindow()) != FALSE;
    return open_;
}

void QRVClipBoard::Close() {
    if (open_) CloseClipboard();
    open_ = false;
}

bool QRVClipBoard::IsFormatAvailable(std::uint32_t format) const {
    return IsClipboardFormatAvailable(format) != FALSE;
}

std::uint32_t QRVClipBoard::DataSize(std::uint32_t format) {
    const bool wasOpen = open_;
    if (!wasOpen && !(open_ = OpenClipboard(nullptr) != FALSE)) return 0;
    const HANDLE data = GetClipboardData(format);
    const auto size = data ? static_cast<std::uint32_t>(GlobalSize(static_cast<HGLOBAL>(data))) : 0;
    if (!wasOpen) Close();
    return size;
}

MemBlockPtr QRVClipBoard::GetData(std::uint32_t format) {
    format_ = format;
    if (!Open()) return nullptr;
    MemBlockPtr copy;
    const auto handle = static_cast<HGLOBAL>(GetClipboardData(format));
    const std::uint32_t size = handle ? DataSize(format) : 0;
    if (size > 0) {
        copy.reset(MemAlloc(size));
        const void* bytes = GlobalLock(handle);
        if (copy && bytes) std::memcpy(copy.get(), bytes, size);
        if (bytes) GlobalUnlock(handle);
        if (!bytes) copy.reset();
    }
    Close();
    return copy;
}

void QRVClipBoard::GetString(String& text, std::uint32_t format) {
    const MemBlockPtr data = GetData(format);
    if (!data) {
        text.Clear();
        return;
    }
    text.Assign(MemSize(data.get()), static_cast<const char*>(data.get()));
}

void QRVClipBoard::GetBitmap(QRVBitmap& bitmap, std::uint32_t format) {
    format_ = format;
    const bool wasOpen = open_;
    if (!Open()) return;
    if (const auto image = static_cast<HBITMAP>(GetClipboardData(format))) {
        bitmap.SetFromBitmap(image);
        if (IsClipboardFormatAvailable(CF_PALETTE)) {
            bitmap.SetPalette(static_cast<HPALETTE>(GetClipboardData(CF_PALETTE)));
        }
    }
    if (!wasOpen) Close();
}

void QRVClipBoard::Empty() {
    if (!Open()) return;
    EmptyClipboard();
    Close();
}

// Bytes can only go in a format that holds memory: a bitmap or palette format, or none, is refused
// before anything on the clipboard is touched.
ErrCode QRVClipBoard::PutData(const void* data, std::uint32_t size) {
    if (format_ == 0 || format_ == CF_BITMAP || format_ == CF_PALETTE) return -1;
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return -1;
    if (size > 0) {
        std::memcpy(GlobalLock(block), data, size);
        GlobalUnlock(block);
    }
    if (!Open()) {
        GlobalFree(block);
        return -1;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(format_, block) != nullptr;
    Close();
    if (!placed) {
        GlobalFree(block);
        return -1;
    }
    return kNoErr;
}

ErrCode QRVClipBoard::PutBitmap(const QRVBitmap& bitmap) {
    const DibBlock dib = BitmapToDib(bitmap.GetBitmap(), bitmap.GetPalette());
    const HBITMAP image = dib ? DibToBitmap(dib.get(), bitmap.GetPalette(), nullptr) : nullptr;
    if (!image) return -1;
    if (!Open()) {
        DeleteObject(image);
        return -1;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_BITMAP, image) != nullptr;
    if (placed && bitmap.GetPalette()) {
        if (const HPALETTE palette = CopyPalette(bitmap.GetPalette())) SetClipboardData(CF_PALETTE, palette);
    }
    Close();
    if (!placed) DeleteObject(image);
    return placed ? kNoErr : ErrCode{-1};
}
