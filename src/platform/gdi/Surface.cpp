#include "platform/gdi/Surface.h"

#include <cairo.h>
#include <algorithm>
#include <new>

namespace win {
namespace {

cairo_surface_t* CheckedSurface(cairo_surface_t* surface) {
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        throw std::bad_alloc();
    }
    return surface;
}

}  // namespace

Surface::Surface(int width, int height, COLORREF fill)
    : Surface(CheckedSurface(
          cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(width, 1), std::max(height, 1)))) {
    Fill(fill);
}

std::unique_ptr<Surface> Surface::Create(int width, int height, COLORREF fill) {
    try {
        return std::make_unique<Surface>(width, height, fill);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

Surface::Surface(cairo_surface_t* surface)
    : surface_(surface),
      width_(cairo_image_surface_get_width(surface)),
      height_(cairo_image_surface_get_height(surface)),
      stride_(cairo_image_surface_get_stride(surface)),
      data_(cairo_image_surface_get_data(surface)) {}

Surface::~Surface() { cairo_surface_destroy(surface_); }

std::unique_ptr<Surface> Surface::ReadPng(const std::string& path) {
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(png);
        return nullptr;
    }
    // Whatever the file's format, the result has the usual 32-bit pixels.
    auto result = Create(cairo_image_surface_get_width(png), cairo_image_surface_get_height(png));
    if (!result) {
        cairo_surface_destroy(png);
        return nullptr;
    }
    cairo_t* cr = cairo_create(result->surface_);
    cairo_set_source_surface(cr, png, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(png);
    result->Flush();
    return result;
}

COLORREF Surface::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    return ColorFromPixel(Row(y)[x] & 0xFFFFFF);
}

void Surface::SetPixel(int x, int y, COLORREF color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x] = PixelFromColor(color);
    MarkDirty();
}

void Surface::Fill(COLORREF color) {
    const std::uint32_t pixel = PixelFromColor(color);
    for (int y = 0; y < height_; ++y) std::fill_n(Row(y), width_, pixel);
    MarkDirty();
}

bool Surface::WritePng(const std::string& path) const {
    Flush();
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

void Surface::Flush() const { cairo_surface_flush(surface_); }
void Surface::MarkDirty() const { cairo_surface_mark_dirty(surface_); }

}  // namespace win
