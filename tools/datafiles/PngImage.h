#pragma once
// PNG files in memory, read and written with libpng: the pictures and cursors of the data sources,
// and the pictures the decompiler writes back. A palette image keeps its palette and each pixel's
// index, so that a picture's colour table survives the way through a PNG file unchanged.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Pictures larger than this are refused when read.
inline constexpr int kMaxPngSide = 8192;

struct PngImage {
    int width = 0;
    int height = 0;
    // Every pixel as 0xAARRGGBB, rows from the top.
    std::vector<std::uint32_t> pixels;
    // For a palette image: its bit depth, its palette (0xAARRGGBB) and each pixel's index.
    int paletteDepth = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indexes;

    bool HasPalette() const { return paletteDepth > 0; }
    std::uint32_t Pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Nothing, with the reason, for a file that is not a sound PNG file.
std::optional<PngImage> ReadPng(const std::vector<std::uint8_t>& file, std::string& error);

// A palette image of depth 1, 2, 4 or 8: the palette's colours (0xAARRGGBB; entries that are not
// opaque are written with their transparency) and one index per pixel.
std::vector<std::uint8_t> WritePalettePng(int width, int height, int depth,
                                          const std::vector<std::uint32_t>& palette,
                                          const std::vector<std::uint8_t>& indexes);
// An RGB image: one 0x00RRGGBB value per pixel.
std::vector<std::uint8_t> WriteRgbPng(int width, int height, const std::vector<std::uint32_t>& pixels);
