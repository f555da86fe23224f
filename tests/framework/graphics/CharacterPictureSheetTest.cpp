// The stock character pictures of the built picture file, each loaded and drawn as the program
// shows a picture: its record made into a bitmap and copied into a sheet of all of them, eight to a
// row on a grey ground, which is compared with the reference picture.

#include <gtest/gtest.h>

#include <set>

#include "StoreScope.h"
#include "foundation/TypedList.h"
#include "framework/AppEnvironment.h"
#include "framework/graphics/AppFolder.h"
#include "framework/graphics/PictImage.h"
#include "framework/graphics/QRVBitmap.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"

namespace {

constexpr int kColumns = 8;
constexpr int kPicture = 32;
constexpr int kCell = kPicture + 4;
// The least number of pictures the character tools offer.
constexpr int kLeastPictures = 40;

FileRef PictureFile() {
    VolumePart volume;
    DirectoryPart directory;
    EXPECT_EQ(GetAppDirectory(volume, directory), kNoErr);
    return FileRef((directory + "Commands/charpix.qrv").c_str(), kAccessRead);
}

TEST(CharacterPictureSheet, EveryStockPictureLoadsAndDraws) {
    const FileRef file = PictureFile();
    const StoreScope store(&file);
    ASSERT_NE(store.Store(), nullptr);
    SList ids;
    PFMGetSegmentIds(FourCCOf("CPIX"), ids);
    ASSERT_GE(ids.Count(), kLeastPictures);

    const int rows = (ids.Count() + kColumns - 1) / kColumns;
    QRVBitmap sheet(kColumns * kCell, rows * kCell, 24);
    {
        const win::HDC dc = sheet.BeginDrawing();
        const win::RECT all{0, 0, kColumns * kCell, rows * kCell};
        const win::HBRUSH grey = win::CreateSolidBrush(win::RGB(128, 128, 128));
        win::FillRect(dc, &all, grey);
        win::DeleteObject(grey);
        sheet.EndDrawing();
    }
    std::set<std::vector<std::uint8_t>> images;
    for (std::int32_t i = 0; i < ids.Count(); ++i) {
        const auto id = static_cast<std::uint16_t>(ids.GetAt(i));
        PictRecord record(id, FourCCOf("CPIX"));
        ASSERT_EQ(record.Load(), kNoErr) << id;
        EXPECT_EQ(record.Width(), kPicture) << id;
        EXPECT_EQ(record.Height(), kPicture) << id;
        images.insert(record.Image());
        ErrCode error = -1;
        const PictImage shown(record, error);
        ASSERT_EQ(error, kNoErr) << id;
        QRVBitmap picture;
        ASSERT_TRUE(picture.SetFromDib(shown.GetBits(), nullptr)) << id;
        if (shown.GetPalette()) picture.SetPalette(shown.GetPalette());
        const int left = (i % kColumns) * kCell + 2;
        const int top = (i / kColumns) * kCell + 2;
        const ShortRect place = ShortRect::MakeLTRB(left, top, left + kPicture, top + kPicture);
        EXPECT_EQ(picture.DrawInto(sheet, nullptr, &place, false, win::SRCCOPY), 1) << id;
    }
    EXPECT_EQ(images.size(), static_cast<std::size_t>(ids.Count()))
        << "every picture is a picture of its own";

    win::Surface drawn(sheet.Width(), sheet.Height());
    const win::HDC dc = sheet.BeginDrawing();
    for (int y = 0; y < sheet.Height(); ++y) {
        for (int x = 0; x < sheet.Width(); ++x) drawn.SetPixel(x, y, win::GetPixel(dc, x, y));
    }
    sheet.EndDrawing();
    gditest::ExpectMatchesReference(drawn, std::string(FRAMEWORK_TEST_DATA) + "/character-pictures.png");
}

}  // namespace
