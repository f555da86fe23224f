#pragma once
// Test support: a Windows bitmap file written byte by byte, as another program writes one, for the
// character picture commands to read.

#include <cstdint>
#include <fstream>
#include <string>

namespace charactertest {

// A 24-bit Windows bitmap file of the size, filled with one colour.
inline void WriteBmp(const std::string& path, int width, int height, std::uint8_t red, std::uint8_t green,
                     std::uint8_t blue) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixels = static_cast<std::uint32_t>(rowBytes * height);
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
    };
    bytes += "BM";
    put(14 + 40 + pixels, 4);
    put(0, 4);
    put(14 + 40, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(pixels, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bytes += std::string{static_cast<char>(blue), static_cast<char>(green), static_cast<char>(red)};
        bytes.append(static_cast<std::size_t>(rowBytes - width * 3), '\0');
    }
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace charactertest
