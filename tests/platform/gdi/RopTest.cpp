#include "platform/gdi/Rop.h"

#include <gtest/gtest.h>

#include "platform/gdi/GdiTypes.h"

namespace {

using namespace win;
using namespace win::gdi;

TEST(RasterOperations, CodesTellWhichOperandsTheyRead) {
    struct Case {
        DWORD code;
        bool pattern, source, destination;
    };
    const Case cases[] = {
        {SRCCOPY, false, true, false},    {PATCOPY, true, false, false},    {DSTINVERT, false, false, true},
        {PATINVERT, true, false, true},   {SRCPAINT, false, true, true},    {MERGECOPY, true, true, false},
        {BLACKNESS, false, false, false}, {WHITENESS, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rop3UsesPattern(c.code), c.pattern) << std::hex << c.code;
        EXPECT_EQ(Rop3UsesSource(c.code), c.source) << std::hex << c.code;
        EXPECT_EQ(Rop3UsesDestination(c.code), c.destination) << std::hex << c.code;
    }
}

TEST(RasterOperations, CodesWithoutSourceActAsTheirTwoOperandMode) {
    EXPECT_EQ(Rop2OfPatternRop(PATCOPY), R2_COPYPEN);
    EXPECT_EQ(Rop2OfPatternRop(PATINVERT), R2_XORPEN);
    EXPECT_EQ(Rop2OfPatternRop(DSTINVERT), R2_NOT);
    EXPECT_EQ(Rop2OfPatternRop(BLACKNESS), R2_BLACK);
    EXPECT_EQ(Rop2OfPatternRop(WHITENESS), R2_WHITE);

    const std::uint32_t values[] = {0x000000, 0xFFFFFF, 0x12F0A5, 0xC3003C};
    for (DWORD table = 0; table < 256; ++table) {
        const DWORD code = table << 16;
        if (Rop3UsesSource(code)) continue;
        for (std::uint32_t pattern : values) {
            for (std::uint32_t destination : values) {
                EXPECT_EQ(ApplyRop3(code, pattern, 0x5A5A5A, destination),
                          ApplyRop2(Rop2OfPatternRop(code), pattern, destination))
                    << "table " << table;
            }
        }
    }
}

}  // namespace
