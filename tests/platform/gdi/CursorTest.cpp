#include "platform/gdi/Cursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace win;

std::vector<HCURSOR> shownCursors;
void Record(HCURSOR cursor) { shownCursors.push_back(cursor); }

TEST(Cursor, StockCursorsAreSharedAndHaveImages) {
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow);
    for (LPCSTR id : {IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW}) {
        HCURSOR cursor = LoadCursorA(nullptr, id);
        ASSERT_NE(cursor, nullptr);
        EXPECT_NE(cursor, arrow);
        const CursorImage* image = GetCursorImage(cursor);
        ASSERT_NE(image, nullptr);
        // The hot spot is on a drawn pixel for all of these.
        const auto spot =
            image->pixels[static_cast<std::size_t>(image->hotSpot.y * image->width + image->hotSpot.x)];
        EXPECT_EQ(spot, 0xFF000000u);
    }
    const CursorImage* image = GetCursorImage(arrow);
    EXPECT_EQ(image->hotSpot.x, 0);
    EXPECT_EQ(image->pixels[0], 0xFF000000u);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_TRUE(DestroyCursor(arrow));  // shared: stays
    EXPECT_NE(GetCursorImage(arrow), nullptr);
}

TEST(Cursor, MasksBuildTransparentBlackAndWhitePixels) {
    // Width 3 rows pad to 2 bytes. Row 0: transparent, black, white; row 1: inverted, ...
    const BYTE andPlane[] = {0x80, 0x00, 0xC0, 0x00};
    const BYTE xorPlane[] = {0x20, 0x00, 0x80, 0x00};
    HCURSOR cursor = CreateCursor(nullptr, 1, 5, 3, 2, andPlane, xorPlane);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(GetLiveCursorCount(), 1);
    const CursorImage* image = GetCursorImage(cursor);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->hotSpot.x, 1);
    EXPECT_EQ(image->hotSpot.y, 1);  // kept on the image
    EXPECT_EQ(image->pixels[0], 0u);
    EXPECT_EQ(image->pixels[1], 0xFF000000u);
    EXPECT_EQ(image->pixels[2], 0xFFFFFFFFu);
    EXPECT_EQ(image->pixels[3], 0xFF000000u);  // AND 1 XOR 1 shows black
    EXPECT_EQ(CreateCursor(nullptr, 0, 0, 0, 2, andPlane, xorPlane), nullptr);
    EXPECT_EQ(CreateCursor(nullptr, 0, 0, 3, 2, nullptr, xorPlane), nullptr);
    EXPECT_TRUE(DestroyCursor(cursor));
    EXPECT_FALSE(DestroyCursor(cursor));
    EXPECT_EQ(GetLiveCursorCount(), 0);
}

TEST(Cursor, SetCursorTellsTheDisplayHookAndAnswersThePreviousCursor) {
    shownCursors.clear();
    EXPECT_EQ(SetCursorDisplayHook(Record), nullptr);
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    EXPECT_EQ(SetCursor(arrow), nullptr);
    EXPECT_EQ(SetCursor(wait), arrow);
    EXPECT_EQ(SetCursor(nullptr), wait);  // hides it
    EXPECT_EQ(GetCursor(), nullptr);
    ASSERT_EQ(shownCursors.size(), 3u);
    EXPECT_EQ(shownCursors[1], wait);
    EXPECT_EQ(shownCursors[2], nullptr);
    // Destroying the current cursor shows the arrow.
    const BYTE plane[2] = {0, 0};
    HCURSOR own = CreateCursor(nullptr, 0, 0, 1, 1, plane, plane);
    SetCursor(own);
    DestroyCursor(own);
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_EQ(shownCursors.back(), arrow);
    // A dead handle changes nothing.
    EXPECT_EQ(SetCursor(own), nullptr);
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_EQ(SetCursorDisplayHook(nullptr), Record);
}

}  // namespace
