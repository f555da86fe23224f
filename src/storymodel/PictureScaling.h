#pragma once
// Character pictures are kept at one size: a picture of any size is brought to it by taking, for
// each pixel of the new picture, the pixel of the source that falls on its place (no blending, so
// that indexed pictures keep their colour table and a picture of the size already comes out the same).

#include <cstdint>
#include <optional>

#include "foundation/Types.h"
#include "foundation/pfm/PictRecord.h"

// The source at width x height pixels, with its depth, colour table and palette flag, addressing
// segment (type, id); none for a source without whole rows of pixels or a size that is not positive.
std::optional<PictRecord> StretchPicture(const PictRecord& source, int width, int height, std::uint16_t id,
                                         FourCC type);
