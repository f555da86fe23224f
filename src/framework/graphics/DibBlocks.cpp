#include "framework/graphics/DibBlocks.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "framework/graphics/AppPalette.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Window.h"

namespace {

constexpr std::size_t kInfoHeaderSize = sizeof(win::BITMAPINFOHEADER);

const win::BITMAPINFO* InfoOf(const void* dib) { return static_cast<const win::BITMAPINFO*>(dib); }

const win::BYTE* BitsOf(const void* dib, const win::PackedDibLayout& layout) {
    return static_cast<const win::BYTE*>(dib) + layout.pixelOffset;
}

// The screen's context for the length of a scope.
class ScreenDC {
public:
    ScreenDC() : dc_(win::GetDC(nullptr)) {}
    ~ScreenDC() {
        if (dc_) win::ReleaseDC(nullptr, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    win::HDC Get() const { return dc_; }

private:
    win::HDC dc_;
};

// A palette selected into a context and realised for the length of a scope; the previous one comes
// back, in the background.
class RealizedPalette {
public:
    RealizedPalette(win::HDC dc, win::HPALETTE palette) : dc_(dc) {
        if (!palette) return;
        previous_ = win::SelectPalette(dc, palette, win::FALSE);
        win::RealizePalette(dc);
    }
    ~RealizedPalette() {
        if (previous_) win::SelectPalette(dc_, previous_, win::TRUE);
    }
    RealizedPalette(const RealizedPalette&) = delete;
    RealizedPalette& operator=(const RealizedPalette&) = delete;

private:
    win::HDC dc_;
    win::HPALETTE previous_ = nullptr;
};

// The 16 colours a blank DIB's table starts with (red, green, blue).
constexpr std::array<win::COLORREF, 16> kBlankColors = {
    win::RGB(0x00, 0x00, 0x00), win::RGB(0x80, 0x00, 0x00), win::RGB(0x00, 0x80, 0x00),
    win::RGB(0x80, 0x80, 0x00), win::RGB(0x00, 0x00, 0x80), win::RGB(0x80, 0x00, 0x80),
    win::RGB(0x00, 0x80, 0x80), win::RGB(0xC0, 0xC0, 0xC0), win::RGB(0x80, 0x80, 0x80),
    win::RGB(0xFF, 0x00, 0x00), win::RGB(0x00, 0xFF, 0x00), win::RGB(0xFF, 0xFF, 0x00),
    win::RGB(0x00, 0x00, 0xFF), win::RGB(0xFF, 0x00, 0xFF), win::RGB(0x00, 0xFF, 0xFF),
    win::RGB(0xFF, 0xFF, 0xFF),
};

win::RECT Clamp(const win::RECT& rect, int width, int height) {
    return win::RECT{std::max<win::LONG>(rect.left, 0), std::max<win::LONG>(rect.top, 0),
                     std::min<win::LONG>(rect.right, width), std::min<win::LONG>(rect.bottom, height)};
}

bool WindowArea(win::HWND window, int mode, win::RECT& area) {
    if (!window || !win::IsWindow(window)) return false;
    if (mode == 1) return win::GetWindowRect(window, &area);
    if (mode != 2) return false;
    win::GetClientRect(window, &area);
    win::POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
    win::ClientToScreen(window, &corners[0]);
    win::ClientToScreen(window, &corners[1]);
    area = win::RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    return true;
}

}  // namespace

std::optional<win::PackedDibLayout> DibLayout(const void* dib) {
    if (!dib) return std::nullopt;
    return win::ParsePackedDib(dib, MemSize(dib));
}

win::HBITMAP CaptureScreenRect(const win::RECT& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return nullptr;
    const win::HDC screen = win::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (!screen) return nullptr;
    const win::RECT r =
        Clamp(rect, win::GetDeviceCaps(screen, win::HORZRES), win::GetDeviceCaps(screen, win::VERTRES));
    win::HBITMAP bitmap = nullptr;
    if (r.right > r.left && r.bottom > r.top) {
        const int width = r.right - r.left, height = r.bottom - r.top;
        bitmap = win::CreateCompatibleBitmap(screen, width, height);
        const win::HDC memory = win::CreateCompatibleDC(screen);
        const win::HGDIOBJ previous = win::SelectObject(memory, bitmap);
        win::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, win::SRCCOPY);
        win::SelectObject(memory, previous);
        win::DeleteDC(memory);
    }
    win::DeleteDC(screen);
    return bitmap;
}

win::HBITMAP CaptureWindowToBitmap(win::HWND window, int mode) {
    win::RECT area;
    return WindowArea(window, mode, area) ? CaptureScreenRect(area) : nullptr;
}

DibBlock CaptureWindowToDib(win::HWND window, int mode) {
    const win::HBITMAP bitmap = CaptureWindowToBitmap(window, mode);
    if (!bitmap) return nullptr;
    const win::HPALETTE system = GetSystemPalette();
    DibBlock dib = BitmapToDib(bitmap, system);
    if (system) win::DeleteObject(system);
    win::DeleteObject(bitmap);
    return dib;
}

bool DrawDib(win::HDC dc, const win::RECT& destination, const void* dib, const win::RECT& source,
             win::HPALETTE palette) {
    const auto layout = DibLayout(dib);
    if (!dc || !layout) return false;
    const RealizedPalette realized(dc, palette);
    win::SetStretchBltMode(dc, win::COLORONCOLOR);
    const int width = destination.right - destination.left, height = destination.bottom - destination.top;
    const int sourceWidth = source.right - source.left, sourceHeight = source.bottom - source.top;
    // The calls count a bottom-up image's rows from its bottom.
    const int sourceY = layout->topDown ? source.top : layout->height - source.top - sourceHeight;
    if (width == sourceWidth && height == sourceHeight) {
        return win::SetDIBitsToDevice(dc, destination.left, destination.top, static_cast<win::DWORD>(width),
                                      static_cast<win::DWORD>(height), source.left, sourceY, 0,
                                      static_cast<win::UINT>(layout->height), BitsOf(dib, *layout),
                                      InfoOf(dib), win::DIB_RGB_COLORS) > 0;
    }
    return win::StretchDIBits(dc, destination.left, destination.top, width, height, source.left, sourceY,
                              sourceWidth, sourceHeight, BitsOf(dib, *layout), InfoOf(dib),
                              win::DIB_RGB_COLORS, win::SRCCOPY) > 0;
}

bool DrawBitmap(win::HDC dc, const win::RECT& destination, win::HBITMAP bitmap, const win::RECT& source,
                win::HPALETTE palette) {
    if (!dc || !bitmap) return false;
    const win::HDC memory = win::CreateCompatibleDC(dc);
    if (!memory) return false;
    const win::HGDIOBJ previous = win::SelectObject(memory, bitmap);
    bool drawn = false;
    {
        const RealizedPalette target(dc, palette), from(memory, palette);
        const int width = destination.right - destination.left, height = destination.bottom - destination.top;
        const int sourceWidth = source.right - source.left, sourceHeight = source.bottom - source.top;
        drawn = width == sourceWidth && height == sourceHeight
                    ? win::BitBlt(dc, destination.left, destination.top, width, height, memory, source.left,
                                  source.top, win::SRCCOPY)
                    : win::StretchBlt(dc, destination.left, destination.top, width, height, memory,
                                      source.left, source.top, sourceWidth, sourceHeight, win::SRCCOPY);
    }
    win::SelectObject(memory, previous);
    win::DeleteDC(memory);
    return drawn;
}

win::HBITMAP DibToBitmap(const void* dib, win::HPALETTE palette, win::HDC dc) {
    const auto layout = DibLayout(dib);
    if (!layout) return nullptr;
    const ScreenDC screen;
    const win::HDC target = dc ? dc : screen.Get();
    const RealizedPalette realized(target, palette);
    return win::CreateDIBitmap(target, &InfoOf(dib)->bmiHeader, win::CBM_INIT, BitsOf(dib, *layout),
                               InfoOf(dib), win::DIB_RGB_COLORS);
}

DibBlock BitmapToDib(win::HBITMAP bitmap, win::HPALETTE palette) {
    win::BITMAP record;
    if (!bitmap || !win::GetObjectA(bitmap, sizeof record, &record)) return nullptr;
    const int bits = record.bmPlanes * record.bmBitsPixel;
    const win::WORD bitCount = bits < 2 ? 1 : bits < 5 ? 4 : bits > 8 ? 24 : 8;
    const std::size_t colors = bitCount <= 8 ? std::size_t{1} << bitCount : 0;
    const ScreenDC screen;
    const RealizedPalette realized(
        screen.Get(),
        palette ? palette : static_cast<win::HPALETTE>(win::GetStockObject(win::DEFAULT_PALETTE)));
    // First the header and table, to learn the image size; then the bits.
    std::vector<win::BYTE> head(kInfoHeaderSize + 4 * colors);
    auto* info = reinterpret_cast<win::BITMAPINFO*>(head.data());
    info->bmiHeader = win::BITMAPINFOHEADER{};
    info->bmiHeader.biBitCount = bitCount;
    const auto height = static_cast<win::UINT>(record.bmHeight);
    if (!win::GetDIBits(screen.Get(), bitmap, 0, height, nullptr, info, win::DIB_RGB_COLORS)) return nullptr;
    const std::size_t imageSize = info->bmiHeader.biSizeImage;
    DibBlock dib(MemAlloc(static_cast<std::uint32_t>(head.size() + imageSize)));
    if (!dib) return nullptr;
    auto* block = static_cast<win::BYTE*>(dib.get());
    std::memcpy(block, head.data(), head.size());
    if (!win::GetDIBits(screen.Get(), bitmap, 0, height, block + head.size(),
                        reinterpret_cast<win::BITMAPINFO*>(block), win::DIB_RGB_COLORS)) {
        return nullptr;
    }
    return dib;
}

DibBlock CreateBlankDib(int bitCount, int width, int height) {
    if ((bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) || width < 1 || height < 1 ||
        static_cast<long long>(width) * height > (1LL << 26)) {
        return nullptr;
    }
    const std::size_t colors = bitCount <= 8 ? std::size_t{1} << bitCount : 0;
    const std::size_t imageSize = win::DibRowBytes(width, static_cast<win::WORD>(bitCount)) * height;
    DibBlock dib(MemAllocFill(static_cast<std::uint32_t>(kInfoHeaderSize + 4 * colors + imageSize), 0));
    if (!dib) return nullptr;
    auto* info = static_cast<win::BITMAPINFO*>(dib.get());
    info->bmiHeader = win::BITMAPINFOHEADER{};
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height;
    info->bmiHeader.biBitCount = static_cast<win::WORD>(bitCount);
    info->bmiHeader.biSizeImage = static_cast<win::DWORD>(imageSize);
    info->bmiHeader.biClrUsed = bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0;
    auto* table = reinterpret_cast<win::RGBQUAD*>(static_cast<win::BYTE*>(dib.get()) + kInfoHeaderSize);
    for (std::size_t i = 0; i < colors; ++i) {
        const win::COLORREF c = kBlankColors[i % kBlankColors.size()];
        table[i] = win::RGBQUAD{win::GetBValue(c), win::GetGValue(c), win::GetRValue(c), 0};
    }
    return dib;
}

void SetDibColorTable(void* dib, win::HPALETTE palette, int mode) {
    const auto layout = DibLayout(dib);
    if (!layout || layout->colorCount == 0 || layout->colorEntrySize != 4) return;
    auto* table = static_cast<win::BYTE*>(dib) + layout->headerSize;
    const std::size_t count = std::min<std::size_t>(layout->colorCount, 256);
    if (mode == kDibPaletteIndexes) {
        auto* indexes = reinterpret_cast<win::WORD*>(table);
        for (std::size_t i = 0; i < count; ++i) indexes[i] = static_cast<win::WORD>(i);
        return;
    }
    if (!palette) palette = static_cast<win::HPALETTE>(win::GetStockObject(win::DEFAULT_PALETTE));
    std::vector<win::PALETTEENTRY> entries(count);
    const win::UINT got = win::GetPaletteEntries(palette, 0, static_cast<win::UINT>(count), entries.data());
    auto* quads = reinterpret_cast<win::RGBQUAD*>(table);
    for (std::size_t i = 0; i < got; ++i)
        quads[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
}

win::HPALETTE GetSystemPalette() {
    const ScreenDC screen;
    if (!screen.Get()) return nullptr;
    int count = win::GetDeviceCaps(screen.Get(), win::SIZEPALETTE);
    if (count == 0) count = win::GetDeviceCaps(screen.Get(), win::NUMCOLORS);
    if (count <= 0) return nullptr;
    count = std::min(count, 256);
    std::vector<win::BYTE> block(sizeof(win::LOGPALETTE) + count * sizeof(win::PALETTEENTRY));
    auto* palette = reinterpret_cast<win::LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<win::WORD>(count);
    win::GetSystemPaletteEntries(screen.Get(), 0, static_cast<win::UINT>(count), palette->palPalEntry);
    return win::CreatePalette(palette);
}

void ResetSystemPalette() {
    std::vector<win::BYTE> block(sizeof(win::LOGPALETTE) + 256 * sizeof(win::PALETTEENTRY));
    auto* black = reinterpret_cast<win::LOGPALETTE*>(block.data());
    black->palVersion = 0x300;
    black->palNumEntries = 256;
    win::PALETTEENTRY* entries = black->palPalEntry;
    for (int i = 0; i < 256; ++i) entries[i] = win::PALETTEENTRY{0, 0, 0, win::PC_NOCOLLAPSE};
    const win::HPALETTE palette = win::CreatePalette(black);
    const ScreenDC screen;
    if (palette && screen.Get()) {
        const win::HPALETTE previous = win::SelectPalette(screen.Get(), palette, win::FALSE);
        win::RealizePalette(screen.Get());
        win::SelectPalette(screen.Get(), previous, win::FALSE);
    }
    if (palette) win::DeleteObject(palette);
}
