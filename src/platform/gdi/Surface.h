#pragma once
// A block of 32-bit pixels that device contexts draw into: the screen, and every memory bitmap.
// It owns a cairo image surface with one pixel per device pixel (the top byte unused), so the
// presenters can show it and cairo can draw text into it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/gdi/GdiTypes.h"

typedef struct _cairo_surface cairo_surface_t;

namespace win {

class Surface {
public:
    // A surface of at least 1 x 1 pixels, filled with the colour given. Throws std::bad_alloc when
    // the pixels cannot be had.
    Surface(int width, int height, COLORREF fill = 0x000000);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // The same, answering null instead of throwing.
    static std::unique_ptr<Surface> Create(int width, int height, COLORREF fill = 0x000000);

    // Reads a PNG file; null when it cannot be read.
    static std::unique_ptr<Surface> ReadPng(const std::string& path);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // The colour of one pixel; CLR_INVALID (0xFFFFFFFF) outside the surface.
    COLORREF GetPixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);
    void Fill(COLORREF color);

    bool WritePng(const std::string& path) const;

    // The cairo surface, for presenters and for drawing with cairo. Whoever draws into it with
    // cairo calls Flush afterwards; whoever changes pixels directly calls MarkDirty.
    cairo_surface_t* CairoSurface() const { return surface_; }
    void Flush() const;
    void MarkDirty() const;

    // Direct pixel access: rows of 0x00RRGGBB words, Stride() bytes apart.
    std::uint32_t* Row(int y) {
        return reinterpret_cast<std::uint32_t*>(data_ + std::ptrdiff_t{y} * stride_);
    }
    const std::uint32_t* Row(int y) const {
        return reinterpret_cast<const std::uint32_t*>(data_ + std::ptrdiff_t{y} * stride_);
    }
    int Stride() const { return stride_; }

private:
    Surface(cairo_surface_t* surface);
    cairo_surface_t* surface_;
    int width_;
    int height_;
    int stride_;
    std::uint8_t* data_;
};

// Pixels are 0x00RRGGBB; colours are 0x00BBGGRR. A colour's palette or index flag is dropped.
constexpr std::uint32_t PixelFromColor(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(std::uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

}  // namespace win
