#pragma once
// What the program needs of each data file it reads: the segments it cannot do without, and the
// size each of its pictures must have. The compiler refuses a data file that lacks one of them.

#include <cstdint>
#include <string_view>
#include <vector>

#include "foundation/Types.h"

struct RequiredSegments {
    FourCC type;
    std::vector<std::uint16_t> ids;
    std::string_view what;  // "a still cursor defined at start-up"
};

// Pictures of a type and id range: their exact size, or the largest they may be (0: any).
struct PictureRule {
    FourCC type;
    std::uint16_t first;
    std::uint16_t last;
    int width = 0;
    int height = 0;
    int maxWidth = 0;
    int maxHeight = 0;
    std::string_view why;
};

struct StoreProfile {
    std::string_view fileName;
    std::vector<RequiredSegments> required;
    std::vector<PictureRule> pictures;
};

// The profile of a data file by its name (case ignored); null for a file the program does not name.
const StoreProfile* FindStoreProfile(std::string_view fileName);
