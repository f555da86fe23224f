#include "framework/graphics/RasterOps.h"

#include "framework/graphics/GraphEnv.h"

namespace {

struct RasterPair {
    std::uint32_t code;
    int mode;
};

constexpr RasterPair kPairs[] = {
    {0x1100A6, win::R2_MASKNOTPEN}, {0x330008, win::R2_NOTCOPYPEN},  {0x550009, win::R2_XORPEN},
    {0x660046, win::R2_NOTXORPEN},  {0x8800C6, win::R2_MERGENOTPEN}, {0xC000CA, win::R2_MERGEPEN},
    {0xEE0086, win::R2_MASKPEN},
};

}  // namespace

int RasterOpToDrawMode(std::uint32_t code) {
    for (const RasterPair& pair : kPairs) {
        if (pair.code == code) return pair.mode;
    }
    return win::R2_COPYPEN;
}

std::uint32_t DrawModeToRasterOp(int mode) {
    for (const RasterPair& pair : kPairs) {
        if (pair.mode == mode) return pair.code;
    }
    return kRasterCopy;
}
