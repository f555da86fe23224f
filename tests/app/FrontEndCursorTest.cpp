// The cursor the writer sees over a story's front end: the mouse moved over an entry shows the hand
// pointing up, its hot spot at the fingertip; moved off the entries, the arrow again.

#include <gtest/gtest.h>

#include <algorithm>

#include "FrontEndPoints.h"
#include "StoryAppFixture.h"
#include "app/FEWindow.h"
#include "platform/gdi/Cursor.h"

namespace apptest {
namespace {

class FrontEndCursor : public StoryAppTest {
protected:
    // The mouse moved to the point, and the cursor shown there.
    HCURSOR ShownAt(POINT point) {
        presenter.MoveMouse(point);
        Run();
        return GetCursor();
    }
    // Whether the picture is a hand pointing up: the hot spot on its top row, where one narrow
    // finger's pixels are all the row shows, with the wide palm further down.
    static bool PointsUp(const CursorImage& image) {
        const auto opaque = [&](int row) {
            int count = 0;
            for (int x = 0; x < image.width; ++x)
                count += image.pixels[static_cast<std::size_t>(row * image.width + x)] != 0 ? 1 : 0;
            return count;
        };
        const auto at = [&](int x, int y) { return image.pixels[static_cast<std::size_t>(y * image.width + x)]; };
        int widest = 0;
        for (int row = 0; row < image.height; ++row) widest = std::max(widest, opaque(row));
        return image.hotSpot.y == 0 && opaque(0) > 0 && opaque(0) <= 4 && at(image.hotSpot.x, 0) != 0 &&
               widest >= 3 * opaque(0);
    }
};

TEST_F(FrontEndCursor, AnEntryShowsTheHandPointingUpAndTheMarginTheArrow) {
    FKDoc* story = NewStory();
    ASSERT_NE(story, nullptr);
    Run();
    const FrontEndView& view = *story->GetFrontEndWindow()->GetView();
    ASSERT_GE(view.GetEntryCount(), 3);
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    for (std::int32_t index : {0, 1, 2}) {
        SCOPED_TRACE("entry " + std::to_string(index));
        const HCURSOR shown = ShownAt(OnFrontEndButton(view, index));
        ASSERT_NE(shown, nullptr);
        EXPECT_NE(shown, arrow) << "the arrow stays over the entry";
        const CursorImage* image = GetCursorImage(shown);
        ASSERT_NE(image, nullptr);
        EXPECT_TRUE(PointsUp(*image)) << "hot spot " << image->hotSpot.x << "," << image->hotSpot.y;

        // Left of the entry's cell, in the margin between the cells.
        const FrontEndView::Layout& layout = view.GetLayout(index);
        ShortPoint margin;
        view.DocPointToView(LongPoint{layout.inner.left - 1, layout.inner.top + 20}, margin);
        POINT screen{margin.x, margin.y};
        ClientToScreen(view.GetParentHWnd(), &screen);
        EXPECT_EQ(ShownAt(screen), arrow);
    }
}

}  // namespace
}  // namespace apptest
