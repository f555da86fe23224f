// The character dialogs worked with the mouse: the picture chooser opened from the character dialog's
// picture button, a picture clicked and then OK or Cancel clicked where the writer sees them; and
// every button of the character dialogs lies whole in its dialog, where a click reaches it.

#include <gtest/gtest.h>

#include "CharacterToolsFixture.h"
#include "characters/CharPictureDlog.h"
#include "characters/CharacterPictureItem.h"
#include "characters/MainObstDlog.h"
#include "characters/NewCharDlog.h"
#include "characters/PictureGridView.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/Paint.h"
#include "support/ButtonPlaces.h"

namespace charactertest {
namespace {

using testsupport::ButtonPlaceFaults;
using testsupport::PushButtonsOf;

class PictureChooserClicks : public CharacterToolsTest {
protected:
    FKDoc* story = nullptr;

    void SetUp() override {
        CharacterToolsTest::SetUp();
        story = NewStory();
        Run();
    }
    void ClickItem(TDialog& dialog, std::int32_t item) { Click(*dialog.GetItem(item)); }
    // A click on the cell of the chooser's picture at the place in its grid.
    void ClickPicture(CharPictureDlog& chooser, std::int32_t place) {
        const PictureGridView& grid = *chooser.GetGrid();
        ShortRect bounds;
        grid.GetBounds(bounds);
        for (int y = bounds.top; y < bounds.bottom; y += 4) {
            for (int x = bounds.left; x < bounds.right; x += 4) {
                if (grid.PictureAt(ShortPoint{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)}) != place)
                    continue;
                POINT point{x + PictureGridView::kCellSize / 2 - 4, y + PictureGridView::kCellSize / 2 - 4};
                ClientToScreen(chooser.GetHWnd(), &point);
                presenter.Advance(800);  // no double click
                presenter.Click(point);
                return;
            }
        }
        ADD_FAILURE() << "picture " << place << " is not shown";
    }
    std::uint16_t ShownPicture(NewCharDlog& dialog) const {
        return dynamic_cast<CharacterPictureItem&>(*dialog.GetItem(NewCharDlog::kPictureItem)).GetPicture();
    }
    // The pixels the screen shows of the dialog's picture, once what is waiting is painted.
    std::vector<COLORREF> DrawnPicture(NewCharDlog& dialog) {
        Run();
        UpdateWindow(dialog.GetHWnd());
        RECT place{};
        GetWindowRect(dialog.GetItem(NewCharDlog::kPictureItem)->GetHWnd(), &place);
        std::vector<COLORREF> pixels;
        for (int y = place.top; y < place.bottom; ++y)
            for (int x = place.left; x < place.right; ++x) pixels.push_back(GetScreenSurface().GetPixel(x, y));
        return pixels;
    }
};

TEST_F(PictureChooserClicks, ThePictureClickedIsTakenByOkAndLeftByCancel) {
    IdleSteps idle(presenter);
    std::uint16_t first = 0;
    std::uint16_t afterCancel = 0;
    std::uint16_t afterOk = 0;
    std::vector<COLORREF> drawnFirst;
    std::vector<COLORREF> drawnAfterCancel;
    std::vector<COLORREF> drawnAfterOk;
    const std::int32_t place = 9;
    idle.Then([&] {
        NewCharDlog* dialog = FrontDialog<NewCharDlog>();
        ASSERT_NE(dialog, nullptr);
        first = ShownPicture(*dialog);
        drawnFirst = DrawnPicture(*dialog);
        ClickItem(*dialog, NewCharDlog::kPictureButton);
    });
    idle.Then([&] {
        CharPictureDlog* chooser = FrontDialog<CharPictureDlog>();
        ASSERT_NE(chooser, nullptr) << "the picture button opens the chooser";
        ClickPicture(*chooser, place);
        ClickItem(*chooser, CharPictureDlog::kCancelItem);
    });
    idle.Then([&] {
        NewCharDlog* dialog = FrontDialog<NewCharDlog>();
        ASSERT_NE(dialog, nullptr) << "Cancel closes the chooser";
        afterCancel = ShownPicture(*dialog);
        drawnAfterCancel = DrawnPicture(*dialog);
        ClickItem(*dialog, NewCharDlog::kPictureButton);
    });
    idle.Then([&] {
        CharPictureDlog* chooser = FrontDialog<CharPictureDlog>();
        ASSERT_NE(chooser, nullptr);
        ClickPicture(*chooser, place);
        ClickItem(*chooser, CharPictureDlog::kOkItem);
    });
    idle.Then([&] {
        NewCharDlog* dialog = FrontDialog<NewCharDlog>();
        ASSERT_NE(dialog, nullptr) << "OK closes the chooser";
        afterOk = ShownPicture(*dialog);
        drawnAfterOk = DrawnPicture(*dialog);
        ClickItem(*dialog, NewCharDlog::kOkItem);
    });
    const CharID made = RunCharacterDialog(story, kNoCharID);
    ASSERT_NE(first, place) << "the test picks another picture than the one shown";
    EXPECT_EQ(afterCancel, first) << "Cancel leaves the picture as it was";
    EXPECT_EQ(afterOk, place) << "OK takes the picture clicked";
    EXPECT_EQ(drawnAfterCancel, drawnFirst) << "and the dialog shows the picture it had";
    EXPECT_NE(drawnAfterOk, drawnFirst) << "the dialog shows the new picture at once";
    ASSERT_NE(made, kNoCharID);
    EXPECT_EQ(Characters(story).GetCharacter(made)->GetPicture(), place);
}

TEST_F(PictureChooserClicks, EveryButtonOfTheCharacterDialogsCanBeClickedWhole) {
    MakeCharacter(story, "Ada", 1);
    MakeCharacter(story, "Ben", 0);
    IdleSteps idle(presenter);
    // Looks at the dialog in front, then presses Escape to close it.
    const auto look = [&](const char* name, std::size_t buttons) {
        idle.Then([&, name, buttons] {
            auto* dialog = DialogOf<TDialog>(win::GetActiveWindow());
            ASSERT_NE(dialog, nullptr) << name;
            EXPECT_EQ(PushButtonsOf(*dialog).size(), buttons) << name;
            EXPECT_EQ(ButtonPlaceFaults(*dialog), std::vector<std::string>{}) << name;
            presenter.PressKey(win::VK_ESCAPE);
        });
    };
    look("the character dialog", 3);
    RunCharacterDialog(story, kNoCharID);
    look("the information dialog", 3);
    RunCharacterDialog(story, Characters(story).RecordAt(0)->GetID());
    look("the picture chooser", 2);
    ChooseCharacterPicture(&Characters(story), 0);
    look("the Main and impact dialog", 2);
    RunMainObstDialog(story);
}

}  // namespace
}  // namespace charactertest
