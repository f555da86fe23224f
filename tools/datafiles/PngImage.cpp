#include "datafiles/PngImage.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {

// libpng reports errors through a jump back to the call that set it up; the message is kept here.
struct PngErrors {
    char message[200] = "";
};

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
    auto* errors = static_cast<PngErrors*>(png_get_error_ptr(png));
    std::snprintf(errors->message, sizeof errors->message, "%s", message);
    std::longjmp(png_jmpbuf(png), 1);
}

void OnWarning(png_structp /*png*/, png_const_charp /*message*/) {}

struct MemoryInput {
    const std::vector<std::uint8_t>& bytes;
    std::size_t position = 0;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t count) {
    auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (count > input->bytes.size() - input->position) png_error(png, "the file ends early");
    std::memcpy(out, input->bytes.data() + input->position, count);
    input->position += count;
}

void WriteBytes(png_structp png, png_bytep data, png_size_t count) {
    auto* output = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    output->insert(output->end(), data, data + count);
}

void FlushBytes(png_structp /*png*/) {}

std::uint32_t Argb(std::uint32_t red, std::uint32_t green, std::uint32_t blue, std::uint32_t alpha) {
    return alpha << 24 | red << 16 | green << 8 | blue;
}

// The reading proper: every C++ object it fills belongs to the caller, so that an error's jump out
// of libpng leaves nothing behind.
void ReadInto(png_structp png, png_infop info, PngImage& image, std::vector<std::uint8_t>& rows,
              std::vector<png_bytep>& rowPointers) {
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colorType = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colorType, nullptr, nullptr, nullptr);
    if (width == 0 || height == 0 || width > kMaxPngSide || height > kMaxPngSide) {
        png_error(png, "the picture is empty or larger than 8192 pixels on a side");
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    const bool palette = colorType == PNG_COLOR_TYPE_PALETTE;
    if (palette) {
        png_set_packing(png);
    } else {
        png_set_expand(png);
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    rows.resize(rowBytes * height);
    rowPointers.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rowPointers[y] = rows.data() + y * rowBytes;
    png_read_image(png, rowPointers.data());
    png_read_end(png, nullptr);

    const std::size_t count = static_cast<std::size_t>(width) * height;
    image.pixels.resize(count);
    if (!palette) {
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* p = rows.data() + 4 * i;
            image.pixels[i] = Argb(p[0], p[1], p[2], p[3]);
        }
        return;
    }
    png_colorp entries = nullptr;
    int entryCount = 0;
    png_get_PLTE(png, info, &entries, &entryCount);
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    png_get_tRNS(png, info, &alphas, &alphaCount, nullptr);
    image.paletteDepth = depth;
    for (int i = 0; i < entryCount; ++i) {
        const std::uint32_t alpha = i < alphaCount ? alphas[i] : 0xFF;
        image.palette.push_back(Argb(entries[i].red, entries[i].green, entries[i].blue, alpha));
    }
    image.indexes.assign(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        if (image.indexes[i] >= image.palette.size())
            png_error(png, "a pixel's index lies outside the palette");
        image.pixels[i] = image.palette[image.indexes[i]];
    }
}

struct PngWriter {
    png_structp png = nullptr;
    png_infop info = nullptr;
    PngErrors errors;
    std::vector<std::uint8_t> file;
    std::vector<png_bytep> rowPointers;

    PngWriter() {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &errors, OnError, OnWarning);
        if (png) info = png_create_info_struct(png);
    }
    ~PngWriter() { png_destroy_write_struct(&png, &info); }
};

// Writes the rows; the header fields are set already. Answers the file, empty when libpng failed.
std::vector<std::uint8_t> Finish(PngWriter& writer, std::vector<std::uint8_t>& rows, std::size_t rowBytes,
                                 int height) {
    writer.rowPointers.resize(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        writer.rowPointers[static_cast<std::size_t>(y)] = rows.data() + y * rowBytes;
    png_set_rows(writer.png, writer.info, writer.rowPointers.data());
    png_write_png(writer.png, writer.info, PNG_TRANSFORM_PACKING, nullptr);
    return std::move(writer.file);
}

}  // namespace

std::optional<PngImage> ReadPng(const std::vector<std::uint8_t>& file, std::string& error) {
    if (file.size() < 8 || png_sig_cmp(file.data(), 0, 8) != 0) {
        error = "not a PNG file";
        return std::nullopt;
    }
    PngErrors errors;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &errors, OnError, OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        error = "out of memory";
        return std::nullopt;
    }
    MemoryInput input{file};
    PngImage image;
    std::vector<std::uint8_t> rows;
    std::vector<png_bytep> rowPointers;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = errors.message;
        return std::nullopt;
    }
    png_set_read_fn(png, &input, ReadBytes);
    ReadInto(png, info, image, rows, rowPointers);
    png_destroy_read_struct(&png, &info, nullptr);
    return image;
}

std::vector<std::uint8_t> WritePalettePng(int width, int height, int depth,
                                          const std::vector<std::uint32_t>& palette,
                                          const std::vector<std::uint8_t>& indexes) {
    PngWriter writer;
    std::vector<png_color> entries;
    std::vector<png_byte> alphas;
    for (std::uint32_t color : palette) {
        entries.push_back({static_cast<png_byte>(color >> 16), static_cast<png_byte>(color >> 8),
                           static_cast<png_byte>(color)});
        alphas.push_back(static_cast<png_byte>(color >> 24));
    }
    while (!alphas.empty() && alphas.back() == 0xFF) alphas.pop_back();
    std::vector<std::uint8_t> rows(indexes);
    if (!writer.info || setjmp(png_jmpbuf(writer.png))) return {};
    png_set_write_fn(writer.png, &writer.file, WriteBytes, FlushBytes);
    png_set_IHDR(writer.png, writer.info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 depth, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(writer.png, writer.info, entries.data(), static_cast<int>(entries.size()));
    if (!alphas.empty())
        png_set_tRNS(writer.png, writer.info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
    return Finish(writer, rows, static_cast<std::size_t>(width), height);
}

std::vector<std::uint8_t> WriteRgbPng(int width, int height, const std::vector<std::uint32_t>& pixels) {
    PngWriter writer;
    std::vector<std::uint8_t> rows;
    rows.reserve(pixels.size() * 3);
    for (std::uint32_t color : pixels) {
        rows.push_back(static_cast<std::uint8_t>(color >> 16));
        rows.push_back(static_cast<std::uint8_t>(color >> 8));
        rows.push_back(static_cast<std::uint8_t>(color));
    }
    if (!writer.info || setjmp(png_jmpbuf(writer.png))) return {};
    png_set_write_fn(writer.png, &writer.file, WriteBytes, FlushBytes);
    png_set_IHDR(writer.png, writer.info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    return Finish(writer, rows, static_cast<std::size_t>(width) * 3, height);
}
