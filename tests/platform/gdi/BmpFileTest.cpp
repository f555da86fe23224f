#include "platform/gdi/BmpFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using namespace win;

void Put16(std::vector<BYTE>& out, std::size_t at, DWORD v) {
    out[at] = static_cast<BYTE>(v), out[at + 1] = static_cast<BYTE>(v >> 8);
}
void Put32(std::vector<BYTE>& out, std::size_t at, DWORD v) {
    for (int k = 0; k < 4; ++k) out[at + static_cast<std::size_t>(k)] = static_cast<BYTE>(v >> (8 * k));
}

// A BMP file of width x height at the depth, with a grey colour table and pixel bytes counting up.
std::vector<BYTE> MakeBmp(LONG width, LONG height, WORD depth) {
    const DWORD colors = depth <= 8 ? 1u << depth : 0;
    const std::size_t rows =
        DibRowBytes(width, depth) * static_cast<std::size_t>(height < 0 ? -height : height);
    const DWORD offset = 14 + 40 + 4 * colors;
    std::vector<BYTE> file(offset + rows);
    file[0] = 'B', file[1] = 'M';
    Put32(file, 2, static_cast<DWORD>(file.size()));
    Put32(file, 10, offset);
    Put32(file, 14, 40);
    Put32(file, 18, static_cast<DWORD>(width));
    Put32(file, 22, static_cast<DWORD>(height));
    Put16(file, 26, 1);
    Put16(file, 28, depth);
    Put32(file, 34, static_cast<DWORD>(rows));
    for (DWORD k = 0; k < colors; ++k) {
        const auto grey = static_cast<BYTE>(k * 255 / (colors - 1));
        file[54 + 4 * k] = file[55 + 4 * k] = file[56 + 4 * k] = grey;
    }
    for (std::size_t k = 0; k < rows; ++k) file[offset + k] = static_cast<BYTE>(k * 13);
    return file;
}

TEST(BmpFile, ValidFilesOfEveryCommonDepthRead) {
    for (WORD depth : {1, 4, 8, 24, 16, 32}) {
        const auto file = MakeBmp(7, 3, depth);
        const BmpImage image = ParseBmp(file);
        ASSERT_EQ(image.status, BmpStatus::Ok) << depth;
        EXPECT_EQ(image.layout.width, 7);
        EXPECT_EQ(image.layout.height, 3);
        EXPECT_EQ(image.layout.bitCount, depth);
        // The block is the file without its file header.
        ASSERT_EQ(image.dib.size(), file.size() - 14);
        EXPECT_EQ(std::memcmp(image.dib.data(), file.data() + 14, image.dib.size()), 0);
        EXPECT_EQ(image.pixelOffset, 14u + image.layout.pixelOffset);
    }
}

TEST(BmpFile, DamagedFilesAreRefused) {
    const auto good = MakeBmp(9, 4, 8);
    auto edited = [&](auto edit) {
        std::vector<BYTE> copy = good;
        edit(copy);
        return ParseBmp(copy).status;
    };
    EXPECT_EQ(edited([](auto& f) { f[0] = 'X'; }), BmpStatus::NotBmp);
    EXPECT_EQ(edited([](auto& f) { f.resize(f.size() - 1); }), BmpStatus::Damaged);  // truncated pixels
    EXPECT_EQ(edited([](auto& f) { f.resize(30); }), BmpStatus::Damaged);            // truncated header
    EXPECT_EQ(edited([](auto& f) { f.resize(10); }), BmpStatus::Damaged);
    EXPECT_EQ(edited([](auto& f) { Put32(f, 2, static_cast<DWORD>(f.size() + 1)); }), BmpStatus::Damaged);
    EXPECT_EQ(edited([](auto& f) { Put32(f, 2, 100); }), BmpStatus::Damaged);  // smaller than its contents
    EXPECT_EQ(edited([](auto& f) { Put32(f, 10, 0x7FFFFFF0); }), BmpStatus::Damaged);
    EXPECT_EQ(edited([](auto& f) { Put32(f, 10, 60); }), BmpStatus::Damaged);  // inside the colour table
    EXPECT_EQ(edited([](auto& f) {
                  Put32(f, 22, static_cast<DWORD>(-5));
                  Put32(f, 30, 1);
              }),
              BmpStatus::Damaged);
    EXPECT_EQ(edited([](auto& f) { Put32(f, 18, 0x7FFFFFFF); }), BmpStatus::Damaged);
    EXPECT_EQ(edited([](auto& f) {
                  Put32(f, 18, 30000);
                  Put32(f, 22, 30000);
              }),
              BmpStatus::Damaged);
    EXPECT_EQ(edited([](auto& f) { Put32(f, 14, 64000); }), BmpStatus::Damaged);  // header size
    EXPECT_EQ(edited([](auto& f) { Put32(f, 46, 300); }),
              BmpStatus::Damaged);  // more colours than 8 bits hold
    EXPECT_EQ(edited([](auto& f) { Put16(f, 28, 3); }), BmpStatus::Damaged);
    EXPECT_EQ(edited([](auto& f) { Put32(f, 30, 2); }), BmpStatus::Damaged);  // RLE4 on 8 bits
    EXPECT_EQ(edited([](auto& f) {
                  Put32(f, 30, 1);
                  Put32(f, 34, 0x100000);
              }),
              BmpStatus::Damaged);
    EXPECT_EQ(edited([](auto& f) { Put32(f, 34, 5); }), BmpStatus::Damaged);  // image size below the rows
    EXPECT_EQ(edited([](auto&) {}), BmpStatus::Ok);
    EXPECT_EQ(edited([](auto& f) { Put32(f, 2, 0); }), BmpStatus::Ok);  // size left out
    EXPECT_EQ(ParseBmp({}).status, BmpStatus::NotBmp);
}

TEST(BmpFile, FilesAreReadFromDisk) {
    const auto path = std::filesystem::temp_directory_path() / "fablecore-gdi-test.bmp";
    const auto file = MakeBmp(5, 5, 24);
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
    const BmpImage image = ReadBmpFile(path.string());
    EXPECT_EQ(image.status, BmpStatus::Ok);
    EXPECT_EQ(image.layout.width, 5);
    std::filesystem::remove(path);
    EXPECT_EQ(ReadBmpFile(path.string()).status, BmpStatus::CannotOpen);
}

}  // namespace
