#pragma once
// Windows BMP files: a 14-byte file header ("BM", file size, pixel offset) before a DIB. Every
// field is checked against the file's length before anything is read through it.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/Dib.h"

namespace win {

enum class BmpStatus {
    Ok,
    CannotOpen,  // the file cannot be opened or read
    NotBmp,      // no "BM" signature
    Damaged,     // a header field disagrees with the file or is out of range
};

struct BmpImage {
    BmpStatus status = BmpStatus::CannotOpen;
    // The DIB as one block: header, colour table, then the pixel data (from the file's pixel
    // offset), ready for the DIB functions.
    std::vector<BYTE> dib;
    PackedDibLayout layout;
    DWORD pixelOffset = 0;  // as the file header gives it
};

BmpImage ParseBmp(std::span<const BYTE> file);
// The path is program text (platform/sys/SystemNames.h).
BmpImage ReadBmpFile(const std::string& path);

}  // namespace win
