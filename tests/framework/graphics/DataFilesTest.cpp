// The cursors and pictures of the data files the build makes, read as the program reads them.

#include <gtest/gtest.h>

#include "StoreScope.h"
#include "foundation/TypedList.h"
#include "framework/AppEnvironment.h"
#include "framework/graphics/AppFolder.h"
#include "framework/graphics/Cursors.h"
#include "framework/graphics/PictImage.h"
#include "platform/gdi/Cursor.h"

namespace {

// A data file of the program's folder.
FileRef DataFile(const char* name) {
    VolumePart volume;
    DirectoryPart directory;
    EXPECT_EQ(GetAppDirectory(volume, directory), kNoErr);
    return FileRef((directory + name).c_str(), kAccessRead);
}

TEST(DataFilesTest, TheStillCursorsOfTheApplicationDataFileAreMade) {
    const FileRef file = DataFile("Fablecor.qrv");
    const StoreScope store(&file);
    ASSERT_NE(store.Store(), nullptr);
    AppEnvironment environment;
    environment.SetDataFile(store.Store());
    SetAppEnvironment(&environment);
    SetUpCursors();
    EXPECT_EQ(win::GetLiveCursorCount(), 4) << "129, 130, 131 and 191";
    for (std::int32_t id : {129, 130, 131, 191}) {
        SetCursorById(id);
        const win::CursorImage* image = win::GetCursorImage(win::GetCursor());
        ASSERT_NE(image, nullptr) << id;
        EXPECT_NE(win::GetCursor(), win::LoadCursorA(nullptr, win::IDC_ARROW)) << id;
        EXPECT_GT(std::count(image->pixels.begin(), image->pixels.end(), 0xFF000000u), 0) << id;
    }
    DeleteCursorManager();
    SetAppEnvironment(nullptr);
}

// Every picture of the type converts to a bitmap of its size and back to the same record.
void CheckPictures(const char* fileName, const char* folder, FourCC type, int expected) {
    const FileRef file = DataFile((std::string(folder) + fileName).c_str());
    const StoreScope store(&file);
    ASSERT_NE(store.Store(), nullptr) << fileName;
    SList ids;
    PFMGetSegmentIds(type, ids);
    EXPECT_EQ(ids.Count(), expected) << fileName;
    for (std::int32_t i = 0; i < ids.Count(); ++i) {
        const auto id = static_cast<std::uint16_t>(ids.GetAt(i));
        PictRecord record(id, type);
        ASSERT_EQ(record.Load(), kNoErr) << id;
        ErrCode err = -1;
        const PictImage shown(record, err);
        ASSERT_EQ(err, kNoErr) << id;
        const auto layout = DibLayout(shown.GetBits());
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->width, record.Width());
        EXPECT_EQ(layout->height, record.Height());
        const PictImage back(shown.GetBits(), err, id, type);
        ASSERT_EQ(err, kNoErr) << id;
        EXPECT_EQ(back.GetRecord().GetDepth(), record.GetDepth()) << id;
        EXPECT_EQ(back.GetRecord().Image(), record.Image()) << id;
    }
}

TEST(DataFilesTest, TheStoredPicturesShowAndConvertBackUnchanged) {
    // The icon items' fallback, the splash and about pictures, the default character picture, the
    // front end's thirteen, the preferences chooser's three and the query topic tree's two folder
    // pictures.
    CheckPictures("Fablecor.qrv", "", FourCCOf("BITM"), 22);
    CheckPictures("charpix.qrv", "Commands/", FourCCOf("CPIX"), 65);
}

}  // namespace
