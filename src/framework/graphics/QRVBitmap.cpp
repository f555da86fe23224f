#include "framework/graphics/QRVBitmap.h"

#include <algorithm>

#include "framework/graphics/AppPalette.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"

namespace {

std::int16_t liveBitmaps = 0;
win::HDC sharedDC = nullptr;

void AddLiveBitmap() {
    if (liveBitmaps++ == 0) sharedDC = win::CreateCompatibleDC(nullptr);
}

void RemoveLiveBitmap() {
    if (--liveBitmaps < 1 && sharedDC) {
        win::DeleteDC(sharedDC);
        sharedDC = nullptr;
    }
}

std::int16_t AtLeastOne(int size) { return static_cast<std::int16_t>(std::clamp(size, 1, 0x7FFF)); }

// The source and destination rectangles of a copy, as the copy operations give them.
struct CopyRects {
    ShortRect source;
    ShortRect destination;
};

CopyRects ResolveRects(const ShortRect& whole, const ShortRect* source, const ShortRect* destination,
                       bool fit) {
    CopyRects r{source ? *source : whole, {}};
    if (destination) {
        r.destination = *destination;
    } else {
        r.destination = ShortRect::MakeLTRB(0, 0, r.source.Width(), r.source.Height());
    }
    if (fit && !SameShortRectSize(r.source, r.destination)) {
        ShortRect fitted = r.source;
        FitShortRect(fitted, r.destination);
        OffsetShortRect(fitted, (r.destination.left + r.destination.right - fitted.left - fitted.right) / 2,
                        (r.destination.top + r.destination.bottom - fitted.top - fitted.bottom) / 2);
        r.destination = fitted;
    }
    return r;
}

bool Blit(win::HDC target, win::HDC source, const CopyRects& r, std::uint32_t rop) {
    if (SameShortRectSize(r.source, r.destination)) {
        return win::BitBlt(target, r.destination.left, r.destination.top, r.destination.Width(),
                           r.destination.Height(), source, r.source.left, r.source.top, rop);
    }
    return win::StretchBlt(target, r.destination.left, r.destination.top, r.destination.Width(),
                           r.destination.Height(), source, r.source.left, r.source.top, r.source.Width(),
                           r.source.Height(), rop);
}

// A window's client context for the length of a scope.
class WindowDC {
public:
    explicit WindowDC(win::HWND window) : window_(window), dc_(window ? win::GetDC(window) : nullptr) {}
    ~WindowDC() {
        if (dc_) win::ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    win::HDC Get() const { return dc_; }

private:
    win::HWND window_;
    win::HDC dc_;
};

}  // namespace

QRVBitmap::QRVBitmap(const ShortPoint* size) {
    AddLiveBitmap();
    MakeBlank(size ? size->x : 1, size ? size->y : 1);
}

QRVBitmap::QRVBitmap(int width, int height, int depthFlag) {
    AddLiveBitmap();
    MakeBlank(width, height);
    depth_ = static_cast<std::int16_t>(depthFlag);
}

QRVBitmap::QRVBitmap(int width, int height, win::HWND window) : sourceWindow_(window) {
    AddLiveBitmap();
    MakeBlank(width, height);
    const WindowDC source(window);
    if (!source.Get()) return;
    WithBitmapDC([&](win::HDC dc) {
        return win::BitBlt(dc, 0, 0, width_, height_, source.Get(), 0, 0, win::SRCCOPY);
    });
}

QRVBitmap::QRVBitmap(const QRVBitmap& other, const ShortRect* part)
    : TObject(other), depth_(other.depth_), sourceWindow_(other.sourceWindow_) {
    AddLiveBitmap();
    if (other.palette_) palette_ = CopyPalette(other.palette_);
    const ShortRect whole = ShortRect::MakeLTRB(0, 0, other.width_, other.height_);
    const ShortRect from = part ? *part : whole;
    MakeBlank(from.Width(), from.Height());
    DibBlock dib;
    other.CopyToDib(dib);
    if (!dib) return;
    const win::RECT source = from.ToRECT();
    const win::RECT destination{0, 0, width_, height_};
    WithBitmapDC([&](win::HDC dc) { return DrawDib(dc, destination, dib.get(), source, palette_); });
}

QRVBitmap::~QRVBitmap() {
    if (memoryDC_) EndDrawing();
    if (bitmap_) win::DeleteObject(bitmap_);
    if (palette_) win::DeleteObject(palette_);
    RemoveLiveBitmap();
}

int QRVBitmap::LiveCount() { return liveBitmaps; }
bool QRVBitmap::HasSharedDC() { return sharedDC != nullptr; }

void QRVBitmap::MakeBlank(int width, int height) {
    const bool empty = width < 1 || height < 1;
    width_ = empty ? 1 : AtLeastOne(width);
    height_ = empty ? 1 : AtLeastOne(height);
    ReplaceBitmap(win::CreateBitmap(width_, height_, 1, 32, nullptr));  // of the screen's depth
    WithBitmapDC([&](win::HDC dc) {
        const win::HGDIOBJ brush = win::SelectObject(dc, win::GetStockObject(win::WHITE_BRUSH));
        const win::HGDIOBJ pen = win::SelectObject(dc, win::GetStockObject(win::WHITE_PEN));
        win::Rectangle(dc, 0, 0, width_, height_);
        win::SelectObject(dc, pen);
        win::SelectObject(dc, brush);
        return true;
    });
}

void QRVBitmap::ReplaceBitmap(win::HBITMAP bitmap) {
    if (!bitmap) return;
    if (memoryDC_) win::SelectObject(memoryDC_, bitmap);
    if (bitmap_) win::DeleteObject(bitmap_);
    bitmap_ = bitmap;
}

template <typename Copy>
bool QRVBitmap::WithBitmapDC(Copy copy) const {
    if (!bitmap_) return false;
    if (memoryDC_) return copy(memoryDC_);
    const win::HDC dc = win::CreateCompatibleDC(sharedDC);
    if (!dc) return false;
    const win::HGDIOBJ previous = win::SelectObject(dc, bitmap_);
    const bool done = copy(dc);
    win::SelectObject(dc, previous);
    win::DeleteDC(dc);
    return done;
}

win::HDC QRVBitmap::BeginDrawing(win::HDC dc) {
    if (memoryDC_) EndDrawing();
    memoryDC_ = win::CreateCompatibleDC(dc ? dc : sharedDC);
    if (!memoryDC_) return nullptr;
    previousObject_ = win::SelectObject(memoryDC_, bitmap_);
    Lock();
    return memoryDC_;
}

void QRVBitmap::EndDrawing() {
    if (!memoryDC_) return;
    if (previousObject_) win::SelectObject(memoryDC_, previousObject_);
    win::DeleteDC(memoryDC_);
    memoryDC_ = nullptr;
    previousObject_ = nullptr;
    Unlock();
}

std::int16_t QRVBitmap::Draw(win::HWND window, const ShortRect* source, const ShortRect* destination,
                             bool fit, std::uint32_t rop) const {
    const WindowDC target(window);
    if (!target.Get()) return 0;
    const CopyRects r = ResolveRects(ShortRect::MakeLTRB(0, 0, width_, height_), source, destination, fit);
    return WithBitmapDC([&](win::HDC dc) { return Blit(target.Get(), dc, r, rop); });
}

std::int16_t QRVBitmap::DrawInto(QRVBitmap& other, const ShortRect* source, const ShortRect* destination,
                                 bool fit, std::uint32_t rop) {
    const CopyRects r = ResolveRects(ShortRect::MakeLTRB(0, 0, width_, height_), source, destination, fit);
    if (other.sourceWindow_) {
        const WindowDC target(other.sourceWindow_);
        return target.Get() && WithBitmapDC([&](win::HDC dc) { return Blit(target.Get(), dc, r, rop); });
    }
    if (&other == this) return WithBitmapDC([&](win::HDC dc) { return Blit(dc, dc, r, rop); });
    return WithBitmapDC([&](win::HDC from) {
        return other.WithBitmapDC([&](win::HDC to) { return Blit(to, from, r, rop); });
    });
}

std::int16_t QRVBitmap::CopyFromWindow(win::HWND window, const ShortRect* source,
                                       const ShortRect* destination, bool fit, std::uint32_t rop) {
    const WindowDC from(window);
    if (!from.Get()) return 0;
    const CopyRects r = ResolveRects(ShortRect::MakeLTRB(0, 0, width_, height_), source, destination, fit);
    return WithBitmapDC([&](win::HDC dc) { return Blit(dc, from.Get(), r, rop); });
}

void QRVBitmap::CopyToDib(DibBlock& slot) const { slot = BitmapToDib(bitmap_, GetAppPalette()); }

bool QRVBitmap::SetFromBitmap(win::HBITMAP bitmap) {
    const DibBlock dib = BitmapToDib(bitmap, GetAppPalette());
    return dib && SetFromDib(dib.get(), nullptr);
}

bool QRVBitmap::SetFromDib(const void* dib, win::HWND window) {
    const auto layout = DibLayout(dib);
    if (!layout || layout->bitCount > 32) return false;
    const WindowDC target(window);
    const win::HBITMAP image = DibToBitmap(dib, GetAppPalette(), target.Get());
    if (!image) return false;
    width_ = AtLeastOne(layout->width);
    height_ = AtLeastOne(layout->height);
    depth_ = static_cast<std::int16_t>(layout->bitCount);
    ReplaceBitmap(image);
    return true;
}

void QRVBitmap::SetPalette(win::HPALETTE palette) {
    const win::HPALETTE copy = CopyPalette(palette);
    if (!copy) return;
    if (palette_) win::DeleteObject(palette_);
    palette_ = copy;
    DefineAppPalette(palette);
}
