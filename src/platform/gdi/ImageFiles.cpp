#include "platform/gdi/ImageFiles.h"

#include <cairo.h>

#include <cstring>

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/BmpFile.h"
#include "platform/gdi/Dib.h"
#include "platform/gdi/DibCodec.h"
#include "platform/gdi/Objects.h"

namespace win {
namespace {

constexpr BYTE kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpInfoHeaderSize = 40;
// The largest side a picture may have.
constexpr DWORD kMaxSide = 32767;

DWORD ReadBigEndian32(const BYTE* bytes) {
    return static_cast<DWORD>(bytes[0]) << 24 | static_cast<DWORD>(bytes[1]) << 16 |
           static_cast<DWORD>(bytes[2]) << 8 | bytes[3];
}

void AppendLittleEndian(std::vector<BYTE>& out, DWORD value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<BYTE>(value >> (8 * i)));
}

bool IsPng(std::span<const BYTE> bytes) {
    return bytes.size() >= sizeof kPngSignature && std::memcmp(bytes.data(), kPngSignature, sizeof kPngSignature) == 0;
}

// The size the PNG's first chunk gives, looked at before anything is decoded, so that a picture too
// big to keep is refused before its pixels are made.
bool PngSizeFits(std::span<const BYTE> bytes) {
    constexpr std::size_t kSizeEnd = 24;  // signature, chunk length and type, width, height
    if (bytes.size() < kSizeEnd || std::memcmp(bytes.data() + 12, "IHDR", 4) != 0) return false;
    const DWORD width = ReadBigEndian32(bytes.data() + 16);
    const DWORD height = ReadBigEndian32(bytes.data() + 20);
    return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide &&
           static_cast<long long>(width) * height <= gdi::kMaxDibPixels;
}

struct PngReading {
    std::span<const BYTE> bytes;
    std::size_t at = 0;
};

cairo_status_t ReadPngBytes(void* closure, unsigned char* data, unsigned int length) {
    auto* reading = static_cast<PngReading*>(closure);
    if (reading->bytes.size() - reading->at < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, reading->bytes.data() + reading->at, length);
    reading->at += length;
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t WritePngBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<BYTE>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

HBITMAP BitmapFromPng(std::span<const BYTE> bytes) {
    if (!PngSizeFits(bytes)) return nullptr;
    PngReading reading{bytes};
    cairo_surface_t* png = cairo_image_surface_create_from_png_stream(ReadPngBytes, &reading);
    HBITMAP bitmap = nullptr;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        bitmap = CreateBitmap(cairo_image_surface_get_width(png), cairo_image_surface_get_height(png), 1, 32,
                              nullptr);
        if (gdi::Bitmap* made = gdi::Lookup<gdi::Bitmap>(bitmap, OBJ_BITMAP)) {
            Surface& pixels = made->Pixels();
            pixels.Fill(RGB(255, 255, 255));
            cairo_t* cr = cairo_create(pixels.CairoSurface());
            cairo_set_source_surface(cr, png, 0, 0);
            cairo_paint(cr);
            cairo_destroy(cr);
            pixels.Flush();
        }
    }
    cairo_surface_destroy(png);
    return bitmap;
}

HBITMAP BitmapFromBmp(std::span<const BYTE> bytes) {
    const BmpImage image = ParseBmp(bytes);
    if (image.status != BmpStatus::Ok) return nullptr;
    const PackedDibLayout& layout = image.layout;
    HBITMAP bitmap = CreateBitmap(layout.width, layout.height, 1, 32, nullptr);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(image.dib.data());
    if (bitmap && SetDIBits(nullptr, bitmap, 0, static_cast<UINT>(layout.height),
                            image.dib.data() + layout.pixelOffset, info, DIB_RGB_COLORS) != layout.height) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    return bitmap;
}

}  // namespace

HBITMAP BitmapFromImageFile(std::span<const BYTE> bytes) {
    if (IsPng(bytes)) return BitmapFromPng(bytes);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return BitmapFromBmp(bytes);
    return nullptr;
}

std::vector<BYTE> PngFileOfBitmap(HBITMAP bitmap) {
    std::vector<BYTE> file;
    gdi::Bitmap* source = gdi::Lookup<gdi::Bitmap>(bitmap, OBJ_BITMAP);
    if (!source) return file;
    source->Pixels().Flush();
    if (cairo_surface_write_to_png_stream(source->Pixels().CairoSurface(), WritePngBytes, &file) !=
        CAIRO_STATUS_SUCCESS)
        file.clear();
    return file;
}

std::vector<BYTE> BmpFileOfBitmap(HBITMAP bitmap) {
    std::vector<BYTE> file;
    gdi::Bitmap* source = gdi::Lookup<gdi::Bitmap>(bitmap, OBJ_BITMAP);
    if (!source) return file;
    const Surface& pixels = source->Pixels();
    pixels.Flush();
    const int width = pixels.Width();
    const int height = pixels.Height();
    const std::size_t rowBytes = DibRowBytes(width, 24);
    const std::size_t imageBytes = rowBytes * static_cast<std::size_t>(height);
    const std::size_t headers = kBmpFileHeaderSize + kBmpInfoHeaderSize;
    file.reserve(headers + imageBytes);
    file.push_back('B');
    file.push_back('M');
    AppendLittleEndian(file, static_cast<DWORD>(headers + imageBytes), 4);
    AppendLittleEndian(file, 0, 4);
    AppendLittleEndian(file, static_cast<DWORD>(headers), 4);
    AppendLittleEndian(file, kBmpInfoHeaderSize, 4);
    AppendLittleEndian(file, static_cast<DWORD>(width), 4);
    AppendLittleEndian(file, static_cast<DWORD>(height), 4);
    AppendLittleEndian(file, 1, 2);   // planes
    AppendLittleEndian(file, 24, 2);  // bits per pixel
    AppendLittleEndian(file, BI_RGB, 4);
    AppendLittleEndian(file, static_cast<DWORD>(imageBytes), 4);
    for (int i = 0; i < 4; ++i) AppendLittleEndian(file, 0, 4);  // resolution and colour counts
    // Rows from the bottom up, each pixel blue, green, red, each row padded to whole words.
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* row = pixels.Row(y);
        for (int x = 0; x < width; ++x) {
            file.push_back(static_cast<BYTE>(row[x]));
            file.push_back(static_cast<BYTE>(row[x] >> 8));
            file.push_back(static_cast<BYTE>(row[x] >> 16));
        }
        file.resize(file.size() + rowBytes - static_cast<std::size_t>(width) * 3, 0);
    }
    return file;
}

}  // namespace win
