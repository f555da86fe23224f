// Controls bound through a page keyword: the edit view reads and writes its text through the
// keyword, the popup shows the keyword's choice as an item and hands a pick to the keyword (a popup
// bound to a plain text has no keyword to take it and does nothing), the check box tells the
// keyword its state, the push button runs the keyword's action.

#include <gtest/gtest.h>

#include <cstring>

#include "QueryPagesFixture.h"
#include "items/EditView.h"
#include "query/FQSPageControls.h"
#include "query/data/KeywordBases.h"

namespace querytest {
namespace {

constexpr std::int32_t kKeywordRow = 11;

// A keyword that keeps what the page asked of it.
class PageProbe : public FQSExecutable {
public:
    PageProbe() : FQSExecutable("PageProbe") {}

    void GetText(IStoryDocument*, const FQSInterpretation&, char* buffer, std::int32_t size) override {
        std::strncpy(buffer, "probe text", static_cast<std::size_t>(size) - 1);
    }
    void SetText(IStoryDocument*, const FQSInterpretation&, const char* text) override { written = text; }
    std::int16_t GetChoice(IStoryDocument*, const FQSInterpretation&) override { return 3; }
    void ChoiceToIndex(std::int16_t& value) override { value = static_cast<std::int16_t>(value - 2); }
    bool AcceptChoice(TControl*, std::int16_t& value, IStoryDocument*, const FQSInterpretation&) override {
        value = static_cast<std::int16_t>(value * 10);
        return true;
    }
    void SetChoice(IStoryDocument*, const FQSInterpretation&, std::int16_t value) override { chosen = value; }
    void Execute(IStoryDocument*, const FQSInterpretation&) override { ++executed; }
    void CheckChanged(IStoryDocument*, const FQSInterpretation&, std::int16_t value) override { checked = value; }

    void Reset() {
        written.clear();
        chosen = checked = -1;
        executed = 0;
    }

    std::string written;
    std::int16_t chosen = -1;
    std::int16_t checked = -1;
    int executed = 0;
};

PageProbe probe;

class KeywordBindings : public QueryPagesTest {};

TEST_F(KeywordBindings, ControlsReachTheStoryThroughTheirKeyword) {
    probe.Reset();
    FKDoc* document = NewStory();
    OpenPages(document);
    ShowRow(kKeywordRow);
    ASSERT_EQ(ItemCount(), 19);
    auto* view = dynamic_cast<EditView*>(window->GetItem(14));
    auto* box = dynamic_cast<FQSCheckBox*>(window->GetItem(15));
    auto* bound = dynamic_cast<FQSPopup*>(window->GetItem(16));
    auto* plain = dynamic_cast<FQSPopup*>(window->GetItem(17));
    auto* button = dynamic_cast<FQSPushBtn*>(window->GetItem(18));
    ASSERT_TRUE(view && box && bound && plain && button);
    EXPECT_EQ(view->GetText(), "probe text");
    EXPECT_EQ(box->GetValue(), 1) << "the keyword's choice, a check box being on or off";
    EXPECT_EQ(bound->GetValue(), 1) << "the keyword turns its choice 3 into the item 1";
    EXPECT_EQ(plain->GetValue(), 0) << "\"plain\" reads as 0";

    bound->SetValue(2, false);
    Hit(window, 16);
    EXPECT_EQ(probe.chosen, 20) << "the keyword took the pick and stored what it made of it";
    probe.chosen = -1;
    plain->SetValue(1, false);
    Hit(window, 17);
    EXPECT_EQ(probe.chosen, -1);
    box->SetValue(0, false);
    Hit(window, 15);
    EXPECT_EQ(probe.checked, 0);
    Hit(window, 18);
    EXPECT_EQ(probe.executed, 1);
    EXPECT_TRUE(window->GetPage()->IsChanged());

    view->SetText("typed for the keyword", 1);
    ShowRow(0);
    EXPECT_EQ(probe.written, "typed for the keyword");
}

}  // namespace
}  // namespace querytest
