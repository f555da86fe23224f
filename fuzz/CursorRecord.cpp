// 'CURS' cursor records of the application data file, decoded at the system's cursor size and at
// sizes narrower and larger than their 16 x 16 picture, and made into cursors.

#include <initializer_list>
#include <utility>

#include "FuzzSupport.h"
#include "framework/graphics/CursorResource.h"
#include "platform/gdi/Cursor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const auto& [width, height] : {std::pair{32, 32}, {12, 7}, {48, 64}}) {
        const auto planes = DecodeCursorRecord(data, size, width, height);
        FUZZ_CHECK(planes.has_value() == (size >= kCursorRecordSize));
        if (!planes) continue;
        const std::size_t planeSize = static_cast<std::size_t>((width + 15) / 16 * 2 * height);
        FUZZ_CHECK(planes->andPlane.size() == planeSize && planes->xorPlane.size() == planeSize);
        const win::HCURSOR cursor =
            win::CreateCursor(nullptr, planes->hotSpot.x, planes->hotSpot.y, width, height,
                              planes->andPlane.data(), planes->xorPlane.data());
        FUZZ_CHECK(cursor != nullptr);
        win::DestroyCursor(cursor);
    }
    return 0;
}
