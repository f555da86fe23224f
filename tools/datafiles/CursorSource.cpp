// Cursors ('CURS') as sources: a 16 x 16 picture and the hot spot.
//   cursor 'CURS' 130
//   hotspot 7,8
//   image
//   ......#..#......
//   ...             (16 lines of 16 characters)
// In the picture '.' is transparent, '#' black, 'o' white, and 'x' black without its mask bit. The
// picture may instead be a 16 x 16 PNG file of black, white and transparent pixels: image arrow.png.
// The segment holds 16 rows of 2 image bytes, 16 rows of 2 mask bytes (most significant bit
// leftmost), then the hot spot as two u16, vertical first: 68 bytes.

#include "datafiles/Bytes.h"
#include "datafiles/PngImage.h"
#include "datafiles/SegmentTypes.h"

namespace {

constexpr int kSize = 16;
constexpr std::size_t kPlaneBytes = kSize * 2;
constexpr std::size_t kCursorBytes = 2 * kPlaneBytes + 4;

// What one pixel sets: the image bit (black) and the mask bit.
struct CursorPixel {
    char glyph;
    bool image;
    bool mask;
};

constexpr CursorPixel kPixels[] = {
    {'.', false, false}, {'#', true, true}, {'o', false, true}, {'x', true, false}};

struct CursorPlanes {
    std::uint8_t image[kPlaneBytes] = {};
    std::uint8_t mask[kPlaneBytes] = {};

    void Set(int x, int y, const CursorPixel& pixel) {
        const std::size_t byte = static_cast<std::size_t>(y * 2 + x / 8);
        const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
        if (pixel.image) image[byte] |= bit;
        if (pixel.mask) mask[byte] |= bit;
    }
    const CursorPixel& Get(int x, int y) const {
        const std::size_t byte = static_cast<std::size_t>(y * 2 + x / 8);
        const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
        const bool isImage = (image[byte] & bit) != 0;
        const bool isMask = (mask[byte] & bit) != 0;
        for (const CursorPixel& pixel : kPixels) {
            if (pixel.image == isImage && pixel.mask == isMask) return pixel;
        }
        return kPixels[0];
    }
};

const CursorPixel* PixelOfGlyph(char glyph) {
    for (const CursorPixel& pixel : kPixels) {
        if (pixel.glyph == glyph) return &pixel;
    }
    return nullptr;
}

bool IsComment(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos || text[first] == '#';
}

class CursorKind : public SourceKind {
public:
    std::string_view Keyword() const override { return "cursor"; }
    std::string_view Extension() const override { return ".cursor"; }

    void Compile(SourceReader& reader, const SegmentHeader& header, CompiledSegment& segment) const override {
        RefuseOptions(reader, header);
        const std::vector<SourceLine> lines = reader.BodyLines();
        CursorPlanes planes;
        int hotX = -1;
        int hotY = -1;
        bool hasImage = false;
        std::vector<Token> tokens;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const SourceLine& line = lines[i];
            if (IsComment(line.text) || !reader.Tokenize(line, tokens)) continue;
            if (tokens[0].text == "hotspot" && tokens.size() == 2) {
                ReadHotSpot(reader, line.number, tokens[1].text, hotX, hotY);
            } else if (tokens[0].text == "image" && !hasImage) {
                hasImage = true;
                if (tokens.size() == 2) {
                    ReadPicture(reader, line.number, tokens[1], planes);
                } else {
                    i = ReadArt(reader, lines, i + 1, planes) - 1;
                }
            } else {
                reader.Error(line.number,
                             "a cursor has one hotspot x,y line and one image (a PNG file, or 16 lines "
                             "of 16 of the characters . # o x)");
            }
        }
        if (!hasImage || hotX < 0)
            reader.Error(reader.HeaderLine(), "a cursor needs its hotspot and its image");
        ByteWriter out(segment.bytes);
        out.Bytes(std::string_view(reinterpret_cast<const char*>(planes.image), kPlaneBytes));
        out.Bytes(std::string_view(reinterpret_cast<const char*>(planes.mask), kPlaneBytes));
        out.U16(static_cast<std::uint16_t>(hotY));
        out.U16(static_cast<std::uint16_t>(hotX));
    }

    std::optional<DecompiledSource> Decompile(const SegmentData& segment,
                                              const std::string& /*baseName*/) const override {
        if (segment.kind != kRawSegment || segment.bytes.size() != kCursorBytes) return std::nullopt;
        CursorPlanes planes;
        std::copy_n(segment.bytes.begin(), kPlaneBytes, planes.image);
        std::copy_n(segment.bytes.begin() + kPlaneBytes, kPlaneBytes, planes.mask);
        ByteReader hotSpot(segment.bytes.data() + 2 * kPlaneBytes, 4);
        const int y = hotSpot.U16();
        const int x = hotSpot.U16();
        if (x >= kSize || y >= kSize) return std::nullopt;
        DecompiledSource source(HeaderText(Keyword(), segment));
        source.text += "hotspot " + std::to_string(x) + "," + std::to_string(y) + "\nimage\n";
        for (int row = 0; row < kSize; ++row) {
            for (int column = 0; column < kSize; ++column) source.text += planes.Get(column, row).glyph;
            source.text += '\n';
        }
        return source;
    }

private:
    static void ReadHotSpot(SourceReader& reader, int line, const std::string& text, int& x, int& y) {
        const std::size_t comma = text.find(',');
        const auto hotX =
            comma == std::string::npos ? std::nullopt : ParseSourceNumber(text.substr(0, comma));
        const auto hotY =
            comma == std::string::npos ? std::nullopt : ParseSourceNumber(text.substr(comma + 1));
        if (!hotX || !hotY || *hotX < 0 || *hotX >= kSize || *hotY < 0 || *hotY >= kSize) {
            reader.Error(line, "the hotspot is x,y within the 16 x 16 picture, as in: hotspot 7,8");
            return;
        }
        x = static_cast<int>(*hotX);
        y = static_cast<int>(*hotY);
    }

    // Reads the 16 picture lines from lines[first]; answers the index after them.
    static std::size_t ReadArt(SourceReader& reader, const std::vector<SourceLine>& lines, std::size_t first,
                               CursorPlanes& planes) {
        for (int row = 0; row < kSize; ++row) {
            if (first + row >= lines.size()) {
                reader.Error(lines.empty() ? reader.HeaderLine() : lines.back().number,
                             "the cursor picture has 16 lines; this one has " + std::to_string(row));
                return lines.size();
            }
            const SourceLine& line = lines[first + row];
            const std::string& text = line.text;
            if (text.size() != kSize) {
                reader.Error(line.number,
                             "a cursor picture line has 16 characters, not " + std::to_string(text.size()));
                continue;
            }
            for (int column = 0; column < kSize; ++column) {
                const CursorPixel* pixel = PixelOfGlyph(text[column]);
                if (!pixel) {
                    reader.Error(line.number, "'" + std::string(1, text[column]) + "' is not one of . # o x");
                    break;
                }
                planes.Set(column, row, *pixel);
            }
        }
        return first + kSize;
    }

    static void ReadPicture(SourceReader& reader, int line, const Token& name, CursorPlanes& planes) {
        const auto file = reader.Text(name, line);
        const auto bytes = file ? reader.Companion(*file, line) : std::nullopt;
        if (!bytes) return;
        std::string error;
        const auto image = ReadPng(*bytes, error);
        if (!image) {
            reader.Error(line, *file + ": " + error);
            return;
        }
        if (image->width != kSize || image->height != kSize) {
            reader.Error(line, *file + " is " + std::to_string(image->width) + " x " +
                                   std::to_string(image->height) + "; a cursor is 16 x 16");
            return;
        }
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const std::uint32_t argb = image->Pixel(x, y);
                const std::uint32_t alpha = argb >> 24;
                const std::uint32_t rgb = argb & 0xFFFFFF;
                if (alpha == 0) continue;
                if (alpha != 0xFF || (rgb != 0 && rgb != 0xFFFFFF)) {
                    reader.Error(line, *file + ": the pixel at " + std::to_string(x) + "," +
                                           std::to_string(y) + " is neither black, white nor transparent");
                    return;
                }
                planes.Set(x, y, *PixelOfGlyph(rgb == 0 ? '#' : 'o'));
            }
        }
    }
};

}  // namespace

const SourceKind& CursorSource() {
    static const CursorKind kind;
    return kind;
}
