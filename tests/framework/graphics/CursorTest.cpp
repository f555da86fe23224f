#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "StoreScope.h"
#include "framework/AppEnvironment.h"
#include "framework/graphics/CursorManager.h"
#include "framework/graphics/CursorRegion.h"
#include "framework/graphics/CursorResource.h"
#include "framework/graphics/Cursors.h"
#include "platform/gdi/Cursor.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"

namespace {

using Record = std::array<std::uint8_t, kCursorRecordSize>;

// A record with a black pixel at (0, 0), a white one at (15, 0), both at (1, 2), and the hot spot
// stored as the two values given (vertical first, big-endian).
Record MakeRecord(std::uint16_t vertical, std::uint16_t horizontal) {
    Record r{};
    r[0] = 0x80;       // image, row 0: pixel 0
    r[32 + 1] = 0x01;  // mask, row 0: pixel 15
    r[4] = 0x40;       // image, row 2: pixel 1
    r[32 + 4] = 0x40;  // mask, row 2: pixel 1
    r[64] = static_cast<std::uint8_t>(vertical >> 8), r[65] = static_cast<std::uint8_t>(vertical);
    r[66] = static_cast<std::uint8_t>(horizontal >> 8), r[67] = static_cast<std::uint8_t>(horizontal);
    return r;
}

// The cursor pixel at (x, y): 'K' black, 'W' white, '.' the screen.
char PixelOf(const CursorPlanes& planes, int x, int y) {
    const std::size_t at = static_cast<std::size_t>(y * ((planes.width + 15) / 16 * 2) + x / 8);
    const int bit = 7 - x % 8;
    const bool a = (planes.andPlane[at] >> bit) & 1, x0r = (planes.xorPlane[at] >> bit) & 1;
    return a ? '.' : x0r ? 'W' : 'K';
}

TEST(CursorRecordTest, PlanesAreMadeForTheSystemCursorSize) {
    const Record record = MakeRecord(0x0005, 0x0003);
    const auto planes = DecodeCursorRecord(record.data(), record.size(), 48, 48);
    ASSERT_TRUE(planes.has_value());
    EXPECT_EQ(planes->andPlane.size(), 6u * 48) << "48 x 48, not the 32 x 32 of the stored form";
    EXPECT_EQ(PixelOf(*planes, 0, 0), 'K');
    EXPECT_EQ(PixelOf(*planes, 15, 0), 'W');
    EXPECT_EQ(PixelOf(*planes, 1, 2), 'K') << "the image wins over the mask";
    EXPECT_EQ(PixelOf(*planes, 1, 0), '.');
    EXPECT_EQ(PixelOf(*planes, 40, 40), '.') << "beyond the 16 x 16 picture";
    EXPECT_EQ(planes->hotSpot.x, 3);
    EXPECT_EQ(planes->hotSpot.y, 5);

    // Values written in the other byte order: (0x0500, 0x0300) is x 3, y 5.
    const Record swapped = MakeRecord(0x0500, 0x0300);
    EXPECT_EQ(DecodeCursorRecord(swapped.data(), swapped.size(), 32, 32)->hotSpot.x, 3);
    EXPECT_EQ(DecodeCursorRecord(swapped.data(), swapped.size(), 32, 32)->hotSpot.y, 5);

    const auto narrow = DecodeCursorRecord(record.data(), record.size(), 12, 2);
    ASSERT_TRUE(narrow.has_value());
    EXPECT_EQ(narrow->andPlane.size(), 4u);
    EXPECT_EQ(PixelOf(*narrow, 0, 0), 'K');
    EXPECT_EQ(narrow->andPlane[1] & 0x0F, 0x0F) << "pixel 15 lies beyond a 12-pixel cursor";

    EXPECT_FALSE(DecodeCursorRecord(record.data(), kCursorRecordSize - 1, 32, 32).has_value());
    EXPECT_FALSE(DecodeCursorRecord(record.data(), record.size(), 0, 32).has_value());
}

// An application environment with the cursors set up over a data file holding 'CURS' 129.
class CursorTest : public ::testing::Test {
protected:
    CursorTest() {
        const Record record = MakeRecord(0x0002, 0x0004);
        store_.Add(kCursorSegmentType, 129, record.data(), record.size());
        store_.Add(kCursorSegmentType, 150, record.data(), record.size());
        environment_.SetDataFile(store_.Store());
        SetAppEnvironment(&environment_);
        SetUpCursors();
    }
    ~CursorTest() override {
        DeleteCursorManager();
        SetAppEnvironment(nullptr);
    }

    static win::HCURSOR System(win::LPCSTR name) { return win::LoadCursorA(nullptr, name); }
    CursorManager& Manager() { return *environment_.GetCursorManager(); }

    win::HeadlessPresenter presenter_;
    StoreScope store_;
    AppEnvironment environment_;
};

TEST_F(CursorTest, StartUpDefinesTheProgramsCursors) {
    ASSERT_TRUE(HasCursorManager());
    EXPECT_EQ(environment_.GetDefaultCursorId(), kDefaultBusyCursor);
    for (std::int32_t id : {0, 1, 2, 4, 129, 130, 131, 191, 132, 150, 160, 170}) {
        EXPECT_TRUE(Manager().IsDefined(id)) << id;
    }
    EXPECT_EQ(DefineCursor(129, 1, 1, 12), 1) << "known already";
    EXPECT_EQ(DefineCursor(200, 4, 0, 12), 0) << "an animated cursor without a segment";
    EXPECT_EQ(DefineCursor(150, 4, 0, 12), 1);

    EXPECT_EQ(SetCursorById(1), 0);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_IBEAM));
    EXPECT_EQ(SetCursorById(129), 1);
    const win::CursorImage* image = win::GetCursorImage(win::GetCursor());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->hotSpot.x, 4);
    EXPECT_EQ(image->hotSpot.y, 2);
    EXPECT_EQ(image->pixels[0], 0xFF000000u) << "black at the top left";
    EXPECT_EQ(image->pixels[15], 0xFFFFFFFFu);
    // A still cursor whose segment is missing shows the arrow, not nothing.
    EXPECT_EQ(SetCursorById(130), 129);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_ARROW));
    EXPECT_EQ(environment_.GetCurrentCursorId(), 130);

    const long made = win::GetLiveCursorCount();
    EXPECT_EQ(made, 1);
    DeleteCursorManager();
    EXPECT_EQ(win::GetLiveCursorCount(), 0);
    EXPECT_FALSE(HasCursorManager());
}

TEST_F(CursorTest, BusyPhasesNestAndTheArrowComesBackAtTheEnd) {
    SetCursorById(1);
    PushCursor(-1);
    EXPECT_TRUE(IsBusyCursorShowing());
    EXPECT_EQ(win::GetCursor(), System(win::IDC_WAIT));
    PushCursor(-1);
    PopCursor();
    EXPECT_TRUE(IsBusyCursorShowing()) << "until the outermost phase ends";
    EXPECT_EQ(win::GetCursor(), System(win::IDC_WAIT));
    PopCursor();
    EXPECT_FALSE(IsBusyCursorShowing());
    EXPECT_EQ(win::GetCursor(), System(win::IDC_ARROW));
    EXPECT_EQ(environment_.GetCurrentCursorId(), 0);
    PopCursor();  // nothing left: nothing happens
    EXPECT_EQ(Manager().StackDepth(), 0);

    // A still cursor pushed over a busy phase shows; popping it brings the busy cursor back.
    PushCursor(170);
    PushCursor(2);
    EXPECT_FALSE(IsBusyCursorShowing());
    EXPECT_EQ(win::GetCursor(), System(win::IDC_CROSS));
    PopCursor();
    EXPECT_TRUE(IsBusyCursorShowing());
    PushCursor(999);
    EXPECT_EQ(Manager().StackDepth(), 1) << "undefined ids are not pushed";
    EXPECT_EQ(Manager().RefreshCursor(), 170);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_WAIT));
    PopCursor();
}

TEST_F(CursorTest, AHoldingBusyCursorIgnoresRequestsToShowOthers) {
    DefineCursor(300, 4, 0, 12);  // animated, not holding
    PushCursor(170);
    SetCursorById(1);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_WAIT));
    EXPECT_NE(environment_.GetCurrentCursorId(), 1);
    PopCursor();

    PushCursor(300);
    EXPECT_TRUE(IsBusyCursorShowing());
    SetCursorById(1);
    EXPECT_FALSE(IsBusyCursorShowing()) << "a record without hold lets others through";
    EXPECT_EQ(win::GetCursor(), System(win::IDC_IBEAM));
}

TEST_F(CursorTest, RegionsChooseTheCursorUnderTheMouse) {
    CursorRegion regions(Rgn(ShortRect::MakeLTRB(0, 0, 50, 50)), 1);
    regions.AddRect(ShortRect::MakeLTRB(40, 40, 100, 100), 2);  // overlaps the first
    regions.AddRect(ShortRect::MakeLTRB(200, 0, 210, 10), 1);   // grows the first entry
    EXPECT_EQ(regions.Count(), 2);

    std::int32_t current = -1;
    EXPECT_EQ(regions.UpdateCursorAt(ShortPoint{45, 45}, &current, 0), 1);
    EXPECT_EQ(current, 1) << "the earlier entry wins where they overlap";
    EXPECT_EQ(win::GetCursor(), System(win::IDC_IBEAM));
    EXPECT_EQ(regions.UpdateCursorAt(ShortPoint{205, 5}, &current, 0), 1);
    EXPECT_EQ(regions.UpdateCursorAt(ShortPoint{90, 90}, &current, 0), 1);
    EXPECT_EQ(current, 2);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_CROSS));

    // The same cursor again is not shown again.
    win::SetCursor(System(win::IDC_WAIT));
    EXPECT_EQ(regions.UpdateCursorAt(ShortPoint{91, 91}, &current, 0), 1);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_WAIT));

    // Outside every region the default shows, once.
    EXPECT_EQ(regions.UpdateCursorAt(ShortPoint{150, 150}, &current, 0), 0);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_ARROW));
    EXPECT_EQ(current, 2) << "the caller's cursor is left to the caller";
    win::SetCursor(System(win::IDC_WAIT));
    EXPECT_EQ(regions.UpdateCursorAt(ShortPoint{150, 150}, &current, -1), 0);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_WAIT)) << "no default: nothing shown";

    regions.SubtractRect(ShortRect::MakeLTRB(0, 0, 50, 50), 1);
    regions.ClipAllToRect(ShortRect::MakeLTRB(0, 0, 60, 60));
    EXPECT_EQ(regions.UpdateCursorAt(ShortPoint{45, 45}, &current, 0), 1);
    EXPECT_EQ(current, 2);
    Rgn* region = regions.GetRegion(1);
    ASSERT_NE(region, nullptr);
    EXPECT_TRUE(region->IsEmpty()) << "subtracted and clipped away";
    regions.ReleaseRegion();
    regions.Remove(1);
    EXPECT_EQ(regions.IndexOf(2), 0);
}

TEST_F(CursorTest, EscapeHeldIsWaitedForAndItsKeysDropped) {
    EXPECT_EQ(CheckEscapeKey(), 0);
    presenter_.KeyDown(win::VK_ESCAPE);
    presenter_.SetIdleHandler([this] {
        presenter_.KeyUp(win::VK_ESCAPE);
        return true;
    });
    EXPECT_EQ(CheckEscapeKey(), 1);
    win::MSG message;
    EXPECT_FALSE(win::PeekMessageA(&message, nullptr, win::WM_KEYFIRST, win::WM_KEYLAST, win::PM_NOREMOVE));
}

}  // namespace
