#include "platform/gdi/BmpFile.h"

#include <fstream>
#include <iterator>

#include "platform/gdi/DibCodec.h"
#include "platform/sys/SystemNames.h"

namespace win {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
// Larger files are refused before they are read: no valid image needs more.
constexpr std::size_t kMaxFileSize = std::size_t{1} << 29;

DWORD Read32(std::span<const BYTE> data, std::size_t at) {
    return static_cast<DWORD>(data[at]) | static_cast<DWORD>(data[at + 1]) << 8 |
           static_cast<DWORD>(data[at + 2]) << 16 | static_cast<DWORD>(data[at + 3]) << 24;
}

BmpImage Failed(BmpStatus status) {
    BmpImage image;
    image.status = status;
    return image;
}

}  // namespace

BmpImage ParseBmp(std::span<const BYTE> file) {
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') return Failed(BmpStatus::NotBmp);
    if (file.size() < kFileHeaderSize + 12) return Failed(BmpStatus::Damaged);
    const DWORD declaredSize = Read32(file, 2);
    const DWORD pixelOffset = Read32(file, 10);

    // The header and colour table must end before the pixels begin, and the pixels within the file.
    if (pixelOffset < kFileHeaderSize || pixelOffset > file.size()) return Failed(BmpStatus::Damaged);
    const auto format = gdi::ReadDibFormat(file.data() + kFileHeaderSize, pixelOffset - kFileHeaderSize,
                                           DIB_RGB_COLORS, nullptr);
    if (!format || file.size() - pixelOffset < format->imageBytes) return Failed(BmpStatus::Damaged);
    const std::size_t end = pixelOffset + format->imageBytes;
    if (declaredSize != 0 && (declaredSize > file.size() || declaredSize < end))
        return Failed(BmpStatus::Damaged);

    BmpImage image;
    image.pixelOffset = pixelOffset;
    const auto header = file.subspan(kFileHeaderSize, format->headerAndTable);
    const auto pixels = file.subspan(pixelOffset, format->imageBytes);
    image.dib.reserve(header.size() + pixels.size());
    image.dib.insert(image.dib.end(), header.begin(), header.end());
    image.dib.insert(image.dib.end(), pixels.begin(), pixels.end());
    const auto layout = ParsePackedDib(image.dib.data(), image.dib.size());
    if (!layout) return Failed(BmpStatus::Damaged);
    image.layout = *layout;
    image.status = BmpStatus::Ok;
    return image;
}

BmpImage ReadBmpFile(const std::string& path) {
    std::ifstream in(NameForSystem(path), std::ios::binary);
    if (!in) return Failed(BmpStatus::CannotOpen);
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    if (length < 0) return Failed(BmpStatus::CannotOpen);
    if (static_cast<std::size_t>(length) > kMaxFileSize) return Failed(BmpStatus::Damaged);
    in.seekg(0, std::ios::beg);
    std::vector<BYTE> data(static_cast<std::size_t>(length));
    if (!in.read(reinterpret_cast<char*>(data.data()), length)) return Failed(BmpStatus::CannotOpen);
    return ParseBmp(data);
}

}  // namespace win
