#include "platform/gdi/StockCursors.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <span>
#include <string_view>

namespace win::gdi {
namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// Pictures: '#' black, '-' white, anything else transparent.
CursorImage FromPicture(std::span<const std::string_view> rows, POINT hotSpot) {
    CursorImage image;
    image.width = 32;
    image.height = 32;
    image.hotSpot = hotSpot;
    image.pixels.assign(32 * 32, 0);
    for (std::size_t y = 0; y < rows.size() && y < 32; ++y) {
        for (std::size_t x = 0; x < rows[y].size() && x < 32; ++x) {
            const char c = rows[y][x];
            image.pixels[y * 32 + x] = c == '#' ? kBlack : c == '-' ? kWhite : 0;
        }
    }
    return image;
}

// A black shape (pixels for which `inside` holds, around the hot spot) with a white rim.
CursorImage FromShape(POINT hotSpot, const std::function<bool(int dx, int dy)>& inside) {
    CursorImage image;
    image.width = 32;
    image.height = 32;
    image.hotSpot = hotSpot;
    image.pixels.assign(32 * 32, 0);
    auto in = [&](int x, int y) { return inside(x - hotSpot.x, y - hotSpot.y); };
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (in(x, y)) {
                image.pixels[static_cast<std::size_t>(y * 32 + x)] = kBlack;
                continue;
            }
            for (int ny = y - 1; ny <= y + 1; ++ny) {
                for (int nx = x - 1; nx <= x + 1; ++nx) {
                    if (in(nx, ny)) image.pixels[static_cast<std::size_t>(y * 32 + x)] = kWhite;
                }
            }
        }
    }
    return image;
}

// A double-headed arrow along the direction (ux, uy), 8 pixels each way.
bool OnArrow(int dx, int dy, double ux, double uy) {
    const double length = std::hypot(ux, uy);
    const double along = (dx * ux + dy * uy) / length;
    const double across = std::fabs(dx * uy - dy * ux) / length;
    const double reach = std::fabs(along);
    if (reach > 8.5) return false;
    if (reach >= 4.5) return across <= 8.5 - reach;
    return across <= 0.75;
}

constexpr std::string_view kArrow[] = {
    "#",         "##",         "#-#",        "#--#",        "#---#",       "#----#",   "#-----#",
    "#------#",  "#-------#",  "#--------#", "#---------#", "#------####", "#---#--#", "#--# #--#",
    "#-#  #--#", "##    #--#", "#     #--#", "       #--#", "        ##",
};

constexpr std::string_view kWait[] = {
    "###########", "#---------#", " #-------# ", " #-#-#-#-# ", "  #-#-#-#  ",
    "   #-#-#   ", "    #-#    ", "     #     ", "    #-#    ", "   #---#   ",
    "  #--#--#  ", " #--#-#--# ", " #-#-#-#-# ", "#-#-#-#-#-#", "###########",
};

}  // namespace

CursorImage StockCursorImage(WORD id) {
    switch (id) {
        case 32512: return FromPicture(kArrow, POINT{0, 0});
        case 32514: return FromPicture(kWait, POINT{5, 7});
        case 32513:  // I-beam: a stem with short bars at both ends
            return FromShape(POINT{8, 10}, [](int dx, int dy) {
                return (dx == 0 && std::abs(dy) <= 8) || (std::abs(dy) == 8 && std::abs(dx) <= 3 && dx != 0);
            });
        case 32515:  // cross
            return FromShape(POINT{10, 10}, [](int dx, int dy) {
                return (dx == 0 && std::abs(dy) <= 9) || (dy == 0 && std::abs(dx) <= 9);
            });
        case 32642: return FromShape(POINT{10, 10}, [](int dx, int dy) { return OnArrow(dx, dy, 1, 1); });
        case 32643: return FromShape(POINT{10, 10}, [](int dx, int dy) { return OnArrow(dx, dy, 1, -1); });
        case 32644: return FromShape(POINT{10, 10}, [](int dx, int dy) { return OnArrow(dx, dy, 1, 0); });
        case 32645: return FromShape(POINT{10, 10}, [](int dx, int dy) { return OnArrow(dx, dy, 0, 1); });
        case 32646:
            return FromShape(POINT{10, 10},
                             [](int dx, int dy) { return OnArrow(dx, dy, 1, 0) || OnArrow(dx, dy, 0, 1); });
        default: return CursorImage{};
    }
}

}  // namespace win::gdi
