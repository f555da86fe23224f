// A writer's road through the structural finders in the program on an Xvfb display, with real clicks
// and keys: from the home page, the Storyforming Character road; Resolve Change, Growth Start,
// Approach Do-er and Style Logical on the radio pages; then the Main Character's Fixed Attitude,
// Impulsive Responses and Value on the finder pages, and the first problem the last one offers.
// Clicked again in the tree, the Issue page still lists Value as chosen, its row ticked (compared with
// its reference picture), and the story saved holds Value as the Main Character's issue.

#include <filesystem>
#include <string>

#include "StoreFiles.h"
#include "app/FKDoc.h"
#include "storymodel/engine/StoryPointTable.h"
// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// Points of the program's window (client pixels of its X window), inside the items.
constexpr win::POINT kStoryformingCharacterButton{425, 196};
constexpr win::POINT kFirstRadio{330, 186};
constexpr win::POINT kSecondRadio{330, 206};
// The Problem-Solving Style's question takes a line more.
constexpr win::POINT kStyleFirstRadio{330, 210};
// The finder's possible values, one row each from the first, and its "Add >>" button, on a page
// whose question takes two lines (the domain, issue and problem) or one (the concern).
constexpr int kFirstValueX = 340;
constexpr int kFirstValueY = 174;
constexpr int kFirstValueYOfOneLine = 162;
constexpr int kValueRowHeight = 13;
constexpr win::POINT kAddButtonOfOneLine{505, 218};
constexpr win::POINT kMainCharacterIssueNode{78, 179};

constexpr std::int16_t kMainCharacterIssue = 15200;
constexpr std::int16_t kMainCharacterProblem = 15300;
constexpr std::int16_t kValue = 73;
// The Fixed Attitude class's elements.
constexpr std::int16_t kFirstElementOfFixedAttitude = 85 + 3 * 64;

class XvfbQueryFinder : public XvfbSession {
protected:
    // Something the writer does, and the screen once it changed and holds still.
    template <typename Action>
    void Then(Action action) {
        SCOPED_TRACE("step " + std::to_string(++steps));
        action();
        screen = Settled(screen.get());
    }
    int steps = 0;
    void Next() {
        Then([&] { Chord(display, XK_Control_L, XK_Return); });
    }
    // The finder's value in the row (counted from 0), then "Add >>".
    void Add(int row, bool oneLineQuestion = false) {
        const int top = oneLineQuestion ? kFirstValueYOfOneLine : kFirstValueY;
        // The first row is selected already: a click on it changes nothing on the screen.
        ClickAt({kFirstValueX, top + row * kValueRowHeight});
        screen = Settled();
        Then([&] { ClickAt(oneLineQuestion ? kAddButtonOfOneLine : kAddButton); });
    }

    std::unique_ptr<win::Surface> screen;
};

TEST_F(XvfbQueryFinder, TheMainCharactersIssueStaysWhenItsProblemIsAnswered) {
    const std::string saved = folder / "finders.fsf";
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    screen = Settled();

    // Ctrl+U: the query window on the home page, the pronoun question answered first; then the
    // Storyforming Character road, stepped into.
    Then([&] { Chord(display, XK_Control_L, XK_u); });
    Then([&] { Press(display, XK_Return); });
    Then([&] { ClickAt(kStoryformingCharacterButton); });
    Then([&] { ClickAt(kProceedButton); });

    // The character dynamics.
    Next();
    Next();
    Then([&] { ClickAt(kFirstRadio); });  // Resolve: Change
    Next();
    Next();
    Then([&] { ClickAt(kSecondRadio); });  // Growth: Start
    Next();
    Then([&] { ClickAt(kFirstRadio); });  // Approach: Do-er
    Next();
    Then([&] { ClickAt(kStyleFirstRadio); });  // Problem-Solving Style: Logical

    // The Main Character's finders: Fixed Attitude, Impulsive Responses, Value, the first problem.
    Next();
    Next();
    Add(3);
    Next();
    Add(1, true);
    Next();
    Add(0);
    Next();
    Add(0);

    // The Issue clicked in the tree: Value is still its answer.
    Then([&] { ClickAt(kMainCharacterIssueNode); });
    Rest();
    ExpectScreen("xvfb-query-finder-issue-kept.png");

    ASSERT_NO_FATAL_FAILURE(SaveAsAndQuit(saved));
    const apptest::StoreSegments story = apptest::ReadStoreSegments(saved, folder / "scratch");
    ASSERT_FALSE(story.empty());
    KeyedText responses = apptest::ReadKeyedRecord(story, FourCCOf("RESP"));
    std::int16_t issue = -1;
    responses.GetEntry(StoryPointCode(kMainCharacterIssue), 's', &issue);
    EXPECT_EQ(issue, kValue);
    std::int16_t problem = -1;
    responses.GetEntry(StoryPointCode(kMainCharacterProblem), 's', &problem);
    EXPECT_GE(problem, kFirstElementOfFixedAttitude) << "an element of the Main Character's class";
    EXPECT_LT(problem, kFirstElementOfFixedAttitude + 64);
}

}  // namespace
