#pragma once
// The ternary raster codes the drawing environment takes, and the drawing modes (ROP2) they stand
// for. Codes outside the table draw as a copy.

#include <cstdint>

int RasterOpToDrawMode(std::uint32_t code);
// The code of a drawing mode; copy for a mode no code stands for.
std::uint32_t DrawModeToRasterOp(int mode);
