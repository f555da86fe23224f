// The query system walked by a writer in the program on an Xvfb display, with real keys and clicks:
// Ctrl+U opens the query window on a new story and the pronoun question is answered; Ctrl+Return
// steps from the home page down the whole storyform list to its recap; the Resolve question is
// answered with a click on its second radio, the other dynamics with Space on their first, the
// overall story's domain with a click on a value and on "Add >>", the further finders with Space,
// until the program congratulates on the one storyform left. The story saved and the program quit,
// the file holds one storyform and the answers given. A radio page and the finder are compared with
// reference pictures.

#include <filesystem>
#include <set>
#include <string>

#include "StoreFiles.h"
#include "app/FKDoc.h"
#include "storymodel/engine/StoryPointTable.h"
// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// The rows of the storyform list (from the home page, row 0) that the walk answers: the dynamics,
// and the four finders of the overall story, the last of which leaves one storyform whatever the
// dynamics and domain chosen here.
constexpr int kResolveRow = 19;
const std::set<int> kDynamicRows{21, 22, 23, 25, 26, 27, 28};
constexpr int kDomainRow = 32;
const std::set<int> kFinderRows{33, 34, 35};
constexpr int kRecapRow = 56;

// Points of the program's window (client pixels of its X window), 6 pixels into the items.
constexpr win::POINT kSteadfastRadio{330, 206};
constexpr win::POINT kSecondPossibleValue{340, 187};

constexpr std::int16_t kResolve = 1000;
constexpr std::int16_t kSteadfast = 1002;
constexpr std::int16_t kOverallDomain = 12000;

using XvfbQueryWalk = XvfbSession;

TEST_F(XvfbQueryWalk, TheWholeStoryformListWalkedWithKeysAndClicksEndsAtOneStoryform) {
    const std::string saved = folder / "walk.fsf";
    ASSERT_TRUE(Start());
    MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    std::unique_ptr<win::Surface> before = Settled();

    // Ctrl+U: the query window on the home page, and the pronoun question over it.
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    Chord(display, XK_Control_L, XK_u);
    before = Settled(before.get());
    Press(display, XK_Return);
    before = Settled(before.get());

    for (int row = 1; row <= kRecapRow; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        Chord(display, XK_Control_L, XK_Return);
        before = Settled(before.get());
        if (row == kResolveRow) {
            gditest::ExpectMatchesReference(*before,
                                            std::filesystem::path(APP_TEST_DATA) / "xvfb-query-resolve.png");
            ClickAt(kSteadfastRadio);
            before = Settled(before.get());
        } else if (row == kDomainRow) {
            gditest::ExpectMatchesReference(*before,
                                            std::filesystem::path(APP_TEST_DATA) / "xvfb-query-finder.png");
            ClickAt(kSecondPossibleValue);
            before = Settled(before.get());
            ClickAt(kAddButton);
            before = Settled(before.get());
            MovePointer(display, originX + kRestingPlace.x, originY + kRestingPlace.y);
        } else if (kDynamicRows.count(row) || kFinderRows.count(row)) {
            Press(display, XK_space);
            before = Settled(before.get());
        }
        if (row == *kFinderRows.rbegin()) {
            // The congratulation on the one storyform left, acknowledged.
            before = Settled();
            Press(display, XK_Return);
            before = Settled(before.get());
        }
    }
    // The walk ends on the recap of the storyform it reached.
    gditest::ExpectMatchesReference(*before, std::filesystem::path(APP_TEST_DATA) / "xvfb-query-recap.png");

    // File > Save As: the story's name typed over the one offered; then the program quit.
    ASSERT_NO_FATAL_FAILURE(SaveAsAndQuit(saved));

    const apptest::StoreSegments story = apptest::ReadStoreSegments(saved, folder / "scratch");
    ASSERT_FALSE(story.empty());
    std::int16_t count = -1;
    apptest::ReadKeyedRecord(story, kMainRecordType).GetEntry("NmStories", 's', &count);
    EXPECT_EQ(count, 1) << "one storyform left";
    KeyedText responses = apptest::ReadKeyedRecord(story, FourCCOf("RESP"));
    std::int16_t resolve = -1;
    responses.GetEntry(StoryPointCode(kResolve), 's', &resolve);
    EXPECT_EQ(resolve, kSteadfast) << "the radio clicked";
    std::int16_t domain = -1;
    responses.GetEntry(StoryPointCode(kOverallDomain), 's', &domain);
    EXPECT_EQ(domain, 2) << "the second value added";
}

}  // namespace
