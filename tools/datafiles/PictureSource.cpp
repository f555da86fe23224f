// Pictures ('BITM', 'CPIX') as sources: a PNG or BMP file and how to store it.
//   picture 'BITM' 16014
//   image splash.png
//   depth 8              1, 2, 4, 8, 16 or 24; without it 8 when the picture has at most 256
//                        colours, else 24
//   origin 0,0           the bounds' left and top (0,0 when absent)
//   palette-flag -1      (-1 when absent)
//   colour-count 1600    pictures deeper than 8 bits only (1600 when absent)
// Pictures are opaque. A 1-bit picture is black and white; a 4-bit picture uses only the 16 fixed
// colours that 4-bit pictures are shown with; 2- and 8-bit pictures keep a palette image's palette
// in its order, and otherwise list their colours in the order they first appear. A 16-bit picture
// keeps the top 5 bits of each component.

#include <algorithm>
#include <array>
#include <span>

#include "datafiles/PngImage.h"
#include "datafiles/SegmentTypes.h"
#include "foundation/pfm/PictRecord.h"
#include "platform/gdi/BmpFile.h"
#include "platform/gdi/DibCodec.h"

namespace {

// The colours a 4-bit picture is shown with, whatever its colour table holds.
constexpr std::array<std::uint32_t, 16> kFixedColors = {
    0xFFFFFF, 0xFFFF00, 0x800000, 0xFF0000, 0xFF00FF, 0x000080, 0x0000FF, 0x00FFFF,
    0x00FF00, 0x008000, 0x800080, 0x808000, 0xC0C0C0, 0x808080, 0x008080, 0x000000,
};
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

std::string ColorText(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb & 0xFFFFFF);
    return text;
}

PictColor TableColor(std::uint32_t rgb) {
    return {static_cast<std::uint16_t>((rgb >> 8) & 0xFF00), static_cast<std::uint16_t>(rgb & 0xFF00),
            static_cast<std::uint16_t>((rgb << 8) & 0xFF00)};
}

std::uint32_t RgbOf(const PictColor& color) {
    return static_cast<std::uint32_t>(color.red >> 8) << 16 |
           static_cast<std::uint32_t>(color.green >> 8) << 8 | static_cast<std::uint32_t>(color.blue >> 8);
}

// A BMP file as an image: its colours, and for a file with a colour table that table and each
// pixel's index in it.
std::optional<PngImage> ReadBmp(const std::vector<std::uint8_t>& file, std::string& error) {
    const win::BmpImage bmp = win::ParseBmp(std::span<const win::BYTE>(file.data(), file.size()));
    const auto format =
        bmp.status == win::BmpStatus::Ok
            ? win::gdi::ReadDibFormat(bmp.dib.data(), bmp.dib.size(), win::DIB_RGB_COLORS, nullptr)
            : std::nullopt;
    std::vector<std::uint32_t> pixels;
    if (!format || !win::gdi::DecodeDibPixels(*format, bmp.dib.data() + bmp.layout.pixelOffset, pixels)) {
        error = "not a sound BMP file";
        return std::nullopt;
    }
    PngImage image;
    image.width = format->width;
    image.height = format->height;
    for (std::uint32_t rgb : pixels) image.pixels.push_back(0xFF000000 | rgb);
    if (format->bitCount <= 8 && !format->colors.empty()) {
        image.paletteDepth = format->bitCount;
        for (std::uint32_t rgb : format->colors) image.palette.push_back(0xFF000000 | rgb);
        for (std::uint32_t argb : image.pixels) {
            const auto at = std::find(image.palette.begin(), image.palette.end(), argb);
            image.indexes.push_back(static_cast<std::uint8_t>(at - image.palette.begin()));
            // A pixel the table lacks (damaged compressed data leaves black): the colours decide.
            if (at == image.palette.end()) image.paletteDepth = 0;
        }
    }
    return image;
}

struct PictureOptions {
    int depth = 0;  // 0: chosen by the colours
    int left = 0;
    int top = 0;
    std::int16_t paletteFlag = PictRecord::kKeepDevicePalette;
    std::uint16_t colorCount = PictRecord::kDeepColorCount;
};

class PictureKind : public SourceKind {
public:
    std::string_view Keyword() const override { return "picture"; }
    std::string_view Extension() const override { return ".picture"; }

    void Compile(SourceReader& reader, const SegmentHeader& header, CompiledSegment& segment) const override {
        RefuseOptions(reader, header);
        PictureOptions options;
        std::optional<PngImage> image;
        int imageLine = reader.HeaderLine();
        std::vector<Token> tokens;
        for (const SourceLine& line : reader.Statements()) {
            if (!reader.Tokenize(line, tokens)) continue;
            const std::string& word = tokens[0].text;
            if (tokens.size() != 2) {
                reader.Error(line.number, "a picture line is a word and its value");
            } else if (word == "image") {
                imageLine = line.number;
                image = ReadImage(reader, line.number, tokens[1]);
            } else if (word == "depth") {
                ReadDepth(reader, line.number, tokens[1], options.depth);
            } else if (word == "origin") {
                ReadOrigin(reader, line.number, tokens[1].text, options);
            } else if (word == "palette-flag") {
                if (auto flag = reader.Number(tokens[1], line.number, -32768, 32767, "the palette flag")) {
                    options.paletteFlag = static_cast<std::int16_t>(*flag);
                }
            } else if (word == "colour-count") {
                if (auto count = reader.Number(tokens[1], line.number, 0, 65535, "the colour count")) {
                    options.colorCount = static_cast<std::uint16_t>(*count);
                }
            } else {
                reader.Error(line.number,
                             "unknown picture line " + word +
                                 " (a picture knows: image, depth, origin, palette-flag, colour-count)");
            }
        }
        if (!image) {
            if (!reader.HasErrors()) reader.Error(reader.HeaderLine(), "a picture needs its image line");
            return;
        }
        PictRecord record(segment.key.id, segment.key.type);
        if (!MakeRecord(reader, imageLine, *image, options, record)) return;
        segment.bytes.resize(record.StoredSize());
        record.Encode(segment.bytes.data());
    }

    std::optional<DecompiledSource> Decompile(const SegmentData& segment,
                                              const std::string& baseName) const override {
        PictRecord record(segment.key.id, segment.key.type);
        if (segment.kind != kRawSegment ||
            record.Decode(segment.bytes.data(), static_cast<std::uint32_t>(segment.bytes.size())) != kNoErr ||
            record.Image().size() != record.Height() * static_cast<std::size_t>(record.RowBytes())) {
            return std::nullopt;
        }
        const std::string imageName = baseName + ".png";
        std::vector<std::uint8_t> png = record.HasColorTable() ? PalettePng(record) : RgbPng(record);
        if (png.empty()) return std::nullopt;
        DecompiledSource source(HeaderText(Keyword(), segment));
        source.text += "image " + imageName + "\ndepth " + std::to_string(record.GetDepth()) + "\n";
        const PictBounds& bounds = record.GetBounds();
        if (bounds.left != 0 || bounds.top != 0) {
            source.text += "origin " + std::to_string(bounds.left) + "," + std::to_string(bounds.top) + "\n";
        }
        if (record.GetPaletteFlag() != PictRecord::kKeepDevicePalette) {
            source.text += "palette-flag " + std::to_string(record.GetPaletteFlag()) + "\n";
        }
        if (!record.HasColorTable() && record.GetColorCount() != PictRecord::kDeepColorCount) {
            source.text += "colour-count " + std::to_string(record.GetColorCount()) + "\n";
        }
        source.companions.emplace(imageName, std::move(png));
        return source;
    }

private:
    static std::optional<PngImage> ReadImage(SourceReader& reader, int line, const Token& token) {
        const auto name = reader.Text(token, line);
        const auto file = name ? reader.Companion(*name, line) : std::nullopt;
        if (!file) return std::nullopt;
        std::string error;
        const bool isBmp = file->size() >= 2 && (*file)[0] == 'B' && (*file)[1] == 'M';
        auto image = isBmp ? ReadBmp(*file, error) : ReadPng(*file, error);
        if (!image) {
            reader.Error(line, *name + ": " + error);
        } else if (image->width > 32767 || image->height > 32767) {
            reader.Error(line, *name + " is larger than a picture can be (32767 pixels on a side)");
            image.reset();
        }
        return image;
    }

    static void ReadDepth(SourceReader& reader, int line, const Token& token, int& depth) {
        const auto value = reader.Number(token, line, 1, 24, "the depth");
        if (value && PictRecord::ReadDepth(static_cast<std::uint8_t>(*value)) == *value) {
            depth = static_cast<int>(*value);
        } else if (value) {
            reader.Error(line, "a picture's depth is 1, 2, 4, 8, 16 or 24, not " + std::to_string(*value));
        }
    }

    static void ReadOrigin(SourceReader& reader, int line, const std::string& text, PictureOptions& options) {
        const std::size_t comma = text.find(',');
        const auto left =
            comma == std::string::npos ? std::nullopt : ParseSourceNumber(text.substr(0, comma));
        const auto top =
            comma == std::string::npos ? std::nullopt : ParseSourceNumber(text.substr(comma + 1));
        if (!left || !top || *left < -32768 || *left > 32767 || *top < -32768 || *top > 32767) {
            reader.Error(line, "the origin is left,top, as in: origin 0,0");
            return;
        }
        options.left = static_cast<int>(*left);
        options.top = static_cast<int>(*top);
    }

    // The colours of the picture in the order they first appear.
    static std::vector<std::uint32_t> ColorsInOrder(const PngImage& image) {
        std::vector<std::uint32_t> colors;
        for (std::uint32_t argb : image.pixels) {
            const std::uint32_t rgb = argb & 0xFFFFFF;
            if (colors.size() <= 256 && std::find(colors.begin(), colors.end(), rgb) == colors.end()) {
                colors.push_back(rgb);
            }
        }
        return colors;
    }

    static bool MakeRecord(SourceReader& reader, int line, const PngImage& image,
                           const PictureOptions& options, PictRecord& record) {
        for (std::size_t i = 0; i < image.pixels.size(); ++i) {
            if (image.pixels[i] >> 24 != 0xFF) {
                reader.Error(line, "pictures are opaque; the pixel at " + PixelPlace(image, i) + " is not");
                return false;
            }
        }
        const std::vector<std::uint32_t> colors = ColorsInOrder(image);
        const int depth = options.depth ? options.depth : colors.size() <= 256 ? 8 : 24;
        const int right = options.left + image.width;
        const int bottom = options.top + image.height;
        if (right > 32767 || bottom > 32767) {
            reader.Error(line, "the picture's bounds reach beyond 32767");
            return false;
        }
        record.SetBounds({static_cast<std::int16_t>(options.top), static_cast<std::int16_t>(options.left),
                          static_cast<std::int16_t>(bottom), static_cast<std::int16_t>(right)});
        record.SetDepth(static_cast<std::uint8_t>(depth));
        record.SetPaletteFlag(options.paletteFlag);
        record.Image().assign(static_cast<std::size_t>(image.height) * record.RowBytes(), 0);
        if (depth > static_cast<int>(PictRecord::kDeepestIndexedDepth)) {
            record.SetColorCount(options.colorCount);
            FillDeep(image, record);
            return true;
        }
        std::vector<std::uint32_t> palette;
        std::vector<std::uint8_t> indexes;
        if (!Palette(reader, line, image, depth, colors, palette, indexes)) return false;
        record.SetColorCount(static_cast<std::uint16_t>(palette.size()));
        for (std::size_t i = 0; i < palette.size(); ++i) record.ColorTable()[i] = TableColor(palette[i]);
        for (int y = 0; y < image.height; ++y) {
            std::uint8_t* row = record.Image().data() + static_cast<std::size_t>(y) * record.RowBytes();
            for (int x = 0; x < image.width; ++x) {
                const std::uint8_t index = indexes[static_cast<std::size_t>(y) * image.width + x];
                const int bit = x * depth;
                row[bit / 8] |= static_cast<std::uint8_t>(index << (8 - depth - bit % 8));
            }
        }
        return true;
    }

    // The colour table and each pixel's index in it, by depth.
    static bool Palette(SourceReader& reader, int line, const PngImage& image, int depth,
                        const std::vector<std::uint32_t>& colors, std::vector<std::uint32_t>& palette,
                        std::vector<std::uint8_t>& indexes) {
        const std::size_t capacity = std::size_t{1} << depth;
        if (depth == 1) {
            palette = {kWhite, kBlack};
        } else if (depth == 4) {
            palette.assign(kFixedColors.begin(), kFixedColors.end());
        } else if (image.HasPalette() && image.palette.size() <= capacity) {
            for (std::uint32_t argb : image.palette) palette.push_back(argb & 0xFFFFFF);
            indexes = image.indexes;
            return true;
        } else if (colors.size() <= capacity) {
            palette = colors;
        } else {
            reader.Error(line, "the picture has more than " + std::to_string(capacity) + " colours; a " +
                                   std::to_string(depth) + "-bit picture holds at most " +
                                   std::to_string(capacity));
            return false;
        }
        for (std::size_t i = 0; i < image.pixels.size(); ++i) {
            const std::uint32_t rgb = image.pixels[i] & 0xFFFFFF;
            const auto at = std::find(palette.begin(), palette.end(), rgb);
            if (at == palette.end()) {
                const char* allowed =
                    depth == 1 ? "black and white" : "the 16 fixed colours of 4-bit pictures";
                reader.Error(line, "the colour " + ColorText(rgb) + " at " + PixelPlace(image, i) +
                                       " is not one of " + allowed);
                return false;
            }
            indexes.push_back(static_cast<std::uint8_t>(at - palette.begin()));
        }
        return true;
    }

    static void FillDeep(const PngImage& image, PictRecord& record) {
        const bool wide = record.GetDepth() == 24;
        for (int y = 0; y < image.height; ++y) {
            std::uint8_t* row = record.Image().data() + static_cast<std::size_t>(y) * record.RowBytes();
            for (int x = 0; x < image.width; ++x) {
                const std::uint32_t rgb = image.Pixel(x, y);
                const std::uint32_t red = (rgb >> 16) & 0xFF;
                const std::uint32_t green = (rgb >> 8) & 0xFF;
                const std::uint32_t blue = rgb & 0xFF;
                if (wide) {
                    row[4 * x + 1] = static_cast<std::uint8_t>(red);
                    row[4 * x + 2] = static_cast<std::uint8_t>(green);
                    row[4 * x + 3] = static_cast<std::uint8_t>(blue);
                } else {
                    const std::uint32_t pixel = (red >> 3) << 10 | (green >> 3) << 5 | blue >> 3;
                    row[2 * x] = static_cast<std::uint8_t>(pixel >> 8);
                    row[2 * x + 1] = static_cast<std::uint8_t>(pixel);
                }
            }
        }
    }

    static std::string PixelPlace(const PngImage& image, std::size_t i) {
        return std::to_string(i % image.width) + "," + std::to_string(i / image.width);
    }

    // The picture as a palette PNG whose palette is the colour table's entries in use.
    static std::vector<std::uint8_t> PalettePng(const PictRecord& record) {
        const int depth = record.GetDepth();
        const std::size_t count = record.GetColorCount();
        if (count == 0 || count > (std::size_t{1} << depth)) return {};
        std::vector<std::uint32_t> palette;
        for (std::size_t i = 0; i < count; ++i) palette.push_back(0xFF000000 | RgbOf(record.ColorTable()[i]));
        std::vector<std::uint8_t> indexes;
        const int mask = (1 << depth) - 1;
        for (int y = 0; y < record.Height(); ++y) {
            const std::uint8_t* row = record.Row(y);
            for (int x = 0; x < record.Width(); ++x) {
                const int bit = x * depth;
                const auto index = static_cast<std::uint8_t>((row[bit / 8] >> (8 - depth - bit % 8)) & mask);
                if (index >= count) return {};
                indexes.push_back(index);
            }
        }
        return WritePalettePng(record.Width(), record.Height(), depth, palette, indexes);
    }

    // A 16- or 24-bit picture as an RGB PNG, each component as the picture shows it.
    static std::vector<std::uint8_t> RgbPng(const PictRecord& record) {
        std::vector<std::uint32_t> pixels;
        const auto widen = [](std::uint32_t c) { return c * 8 + c / 4; };
        for (int y = 0; y < record.Height(); ++y) {
            const std::uint8_t* row = record.Row(y);
            for (int x = 0; x < record.Width(); ++x) {
                if (record.GetDepth() == 24) {
                    pixels.push_back(std::uint32_t{row[4 * x + 1]} << 16 |
                                     std::uint32_t{row[4 * x + 2]} << 8 | row[4 * x + 3]);
                } else {
                    const std::uint32_t pixel = std::uint32_t{row[2 * x]} << 8 | row[2 * x + 1];
                    pixels.push_back(widen((pixel >> 10) & 31) << 16 | widen((pixel >> 5) & 31) << 8 |
                                     widen(pixel & 31));
                }
            }
        }
        return WriteRgbPng(record.Width(), record.Height(), pixels);
    }
};

}  // namespace

const SourceKind& PictureSource() {
    static const PictureKind kind;
    return kind;
}
