#include "framework/graphics/CursorResource.h"

#include <algorithm>

#include "foundation/Memory.h"
#include "foundation/pfm/PFM.h"
#include "framework/AppEnvironment.h"
#include "platform/gdi/Cursor.h"
#include "platform/ui/SystemMetrics.h"

namespace {

constexpr std::size_t kPlaneSize = 32;

std::uint16_t ReadBigEndian16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }

std::uint16_t Swapped(std::uint16_t v) { return static_cast<std::uint16_t>(v << 8 | v >> 8); }

bool LooksSwapped(std::uint16_t v) { return (v & 0xFF) == 0 && (v >> 8) != 0; }

}  // namespace

std::optional<CursorPlanes> DecodeCursorRecord(const void* record, std::size_t size, int width, int height) {
    if (!record || size < kCursorRecordSize || width < 1 || height < 1) return std::nullopt;
    const auto* bytes = static_cast<const std::uint8_t*>(record);
    const std::uint8_t* image = bytes;
    const std::uint8_t* mask = bytes + kPlaneSize;

    CursorPlanes planes;
    planes.width = width;
    planes.height = height;
    // Stored vertical first.
    std::uint16_t x = ReadBigEndian16(bytes + 66), y = ReadBigEndian16(bytes + 64);
    if (LooksSwapped(x) || LooksSwapped(y)) x = Swapped(x), y = Swapped(y);
    planes.hotSpot = win::POINT{x, y};

    const std::size_t rowBytes = static_cast<std::size_t>((width + 15) / 16 * 2);
    planes.andPlane.assign(rowBytes * static_cast<std::size_t>(height), 0xFF);
    planes.xorPlane.assign(planes.andPlane.size(), 0x00);
    for (std::size_t b = 0; b < kPlaneSize; ++b) {
        const std::size_t row = b / 2, column = b % 2;
        if (row >= static_cast<std::size_t>(height) || column >= rowBytes) continue;
        const std::size_t at = row * rowBytes + column;
        // A pixel of the 16 x 16 picture lies beyond a narrower cursor: its bits are dropped.
        const int pixelsInside = std::clamp(width - static_cast<int>(column * 8), 0, 8);
        const auto inside = static_cast<std::uint8_t>(0xFF00 >> pixelsInside);
        const std::uint8_t white = mask[b] & inside, black = image[b] & inside;
        planes.andPlane[at] &= static_cast<std::uint8_t>(~(white | black));
        planes.xorPlane[at] = static_cast<std::uint8_t>((planes.xorPlane[at] | white) & ~black);
    }
    return planes;
}

win::HCURSOR MakeCursorFromResource(std::int16_t id) {
    const CheckedOutHdl segment(kCursorSegmentType, static_cast<std::uint16_t>(id));
    if (!segment.Data()) return nullptr;
    const auto planes =
        DecodeCursorRecord(segment.Data(), MemSize(segment.Data()), win::GetSystemMetrics(win::SM_CXCURSOR),
                           win::GetSystemMetrics(win::SM_CYCURSOR));
    if (!planes) return nullptr;
    const AppEnvironment* environment = GetAppEnvironment();
    return win::CreateCursor(environment ? environment->GetInstance() : nullptr, planes->hotSpot.x,
                             planes->hotSpot.y, planes->width, planes->height, planes->andPlane.data(),
                             planes->xorPlane.data());
}
