#pragma once
// BMP files and DIB blocks made byte by byte for the tests.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/graphics/DibBlocks.h"

namespace dibtest {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v), out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void Put32(Bytes& out, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        out[at + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v >> (8 * k));
}

// A DIB (40-byte header, table, rows bottom-up) of the depth. `colors` are 0x00RRGGBB table entries
// (none for deeper images); `rows` are the stored rows, bottom first, each padded by the caller.
inline Bytes MakeDib(int width, int height, int depth, const std::vector<std::uint32_t>& colors,
                     const Bytes& rows, std::uint32_t compression = 0) {
    Bytes dib(40 + 4 * colors.size());
    Put32(dib, 0, 40);
    Put32(dib, 4, static_cast<std::uint32_t>(width));
    Put32(dib, 8, static_cast<std::uint32_t>(height));
    Put16(dib, 12, 1);
    Put16(dib, 14, static_cast<std::uint32_t>(depth));
    Put32(dib, 16, compression);
    Put32(dib, 20, static_cast<std::uint32_t>(rows.size()));
    Put32(dib, 32, static_cast<std::uint32_t>(colors.size()));
    for (std::size_t i = 0; i < colors.size(); ++i) {
        dib[40 + 4 * i] = static_cast<std::uint8_t>(colors[i]);
        dib[41 + 4 * i] = static_cast<std::uint8_t>(colors[i] >> 8);
        dib[42 + 4 * i] = static_cast<std::uint8_t>(colors[i] >> 16);
    }
    dib.insert(dib.end(), rows.begin(), rows.end());
    return dib;
}

// The same as a BMP file: the 14-byte file header first.
inline Bytes MakeBmp(const Bytes& dib, std::size_t colors) {
    Bytes file(14);
    file[0] = 'B', file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(14 + dib.size()));
    Put32(file, 10, static_cast<std::uint32_t>(14 + 40 + 4 * colors));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

// A memory-manager block holding the bytes.
inline DibBlock Block(const Bytes& bytes) {
    DibBlock block(MemAlloc(static_cast<std::uint32_t>(bytes.size())));
    std::memcpy(block.get(), bytes.data(), bytes.size());
    return block;
}

inline Bytes BytesOf(const void* block) {
    const auto* p = static_cast<const std::uint8_t*>(block);
    return Bytes(p, p + MemSize(block));
}

// A file in a folder of its own that goes with the object.
class TempFile {
public:
    explicit TempFile(const Bytes& bytes, const char* name = "picture.bmp") {
        char pattern[] = "/tmp/fwgfx-XXXXXX";
        folder_ = mkdtemp(pattern);
        path_ = folder_ + "/" + name;
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() { std::filesystem::remove_all(folder_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

}  // namespace dibtest
