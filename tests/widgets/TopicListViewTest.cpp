// The topic list in a window: entries added, styled, marked and deleted, the selection kept in
// range and in view, choices by click and key offered to the client, drags in reorder mode, and the
// cadence of scrolling while a press is held above the list.

#include "widgets/TopicListView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WidgetFixture.h"
#include "platform/sys/Bell.h"
#include "platform/ui/VirtualKeys.h"

namespace widgetstest {
namespace {

class ListClient : public ITopicViewClient {
public:
    std::int16_t TopicChosen(TopicListView* /*view*/, std::int32_t row, std::int16_t topicId,
                             std::int16_t flag, std::int16_t /*notify*/) override {
        chosen.push_back({row, topicId, flag});
        return takes;
    }
    void FocusChanged() override { ++focusChanges; }
    struct Choice {
        std::int32_t row;
        std::int16_t topicId;
        std::int16_t flag;
    };
    std::vector<Choice> chosen;
    std::int16_t takes = 0;
    int focusChanges = 0;
};

class TopicListViewTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        const ShortRect bounds = ShortRect::MakeLTRB(20, 20, 220, 140);
        list = new TopicListView(window->list, 8, &client, &bounds);
        window->list->Append(list);
        window->Open();
        Run();
    }
    void Fill(int count) {
        list->BeginUpdate();
        for (int i = 0; i < count; ++i)
            list->AddTopic(static_cast<std::int16_t>(100 + i), ("Topic " + std::to_string(i)).c_str());
        list->EndUpdate();
        Run();
    }
    POINT OnRow(std::int32_t row) const {
        ShortRect rect;
        list->GetRowRect(row, rect);
        return OnScreen(rect.left + 20, rect.top + rect.Height() / 2);
    }
    std::string Text(std::int32_t row) const {
        char buffer[64];
        list->GetTopicText(buffer, row, sizeof buffer);
        return buffer;
    }

    ListClient client;
    TopicListView* list = nullptr;
};

TEST_F(TopicListViewTest, TheSelectionStaysWithinTheEntriesAndInView) {
    list->SetSelection(2);
    EXPECT_EQ(list->GetSelectedRow(), -1) << "an empty list has no row to select";
    EXPECT_FALSE(list->IsHighlighted());
    Fill(30);
    list->SetSelection(-5);
    EXPECT_EQ(list->GetSelectedRow(), 0);
    EXPECT_TRUE(list->IsHighlighted());
    list->SetSelection(33);
    EXPECT_EQ(list->GetSelectedRow(), 29);
    EXPECT_EQ(list->GetVertScrollValue(), list->GetVertScrollMax()) << "scrolled to the end";
    list->SetSelection(10);
    EXPECT_EQ(list->GetVertScrollValue(), 7) << "three rows of context above";
    const std::int32_t rows = list->VertUnitsOnPage();
    list->SetSelection(25);
    EXPECT_EQ(list->GetVertScrollValue(), 25 - rows + 3) << "and three below";
    list->ClearHighlight();
    EXPECT_FALSE(list->IsHighlighted());
}

TEST_F(TopicListViewTest, EntriesKeepTheirIdsTextsAndMarks) {
    Fill(3);
    std::int32_t row = -1;
    EXPECT_EQ(list->FindTopic(101, &row), 1);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(list->FindTopic(7, &row), 0);
    list->SetTopicMark(1, 1, true);
    list->SetTopicGlyph(2, TopicListView::kDashGlyph, true);
    list->SetTopicStyle(0, 1, true);
    EXPECT_EQ(list->GetTopicMark(1), 1);
    EXPECT_EQ(list->GetTopicGlyph(2), TopicListView::kDashGlyph);
    EXPECT_EQ(list->GetTopicStyle(0), 1u);
    char small[5];
    list->GetTopicText(small, 2, sizeof small);
    EXPECT_STREQ(small, "Topi") << "cut to the buffer";
    list->SetSelection(1);
    EXPECT_EQ(Text(-1), "Topic 1") << "row -1 is the selected row";
}

TEST_F(TopicListViewTest, DeletingTheSelectedLastRowTakesTheHighlightAwayAndReturnThenBeeps) {
    Fill(4);
    list->SetSelection(1);
    list->DeleteTopic(0);
    EXPECT_EQ(list->GetSelectedRow(), 0) << "the selection stays on its entry";
    EXPECT_EQ(Text(-1), "Topic 1");
    list->SetSelection(2);
    list->DeleteTopic(2);
    EXPECT_FALSE(list->IsHighlighted());
    EXPECT_LT(list->GetSelectedRow(), list->GetTopicCount());
    SetFocus(list->GetHWnd());
    Run();
    const unsigned long bells = GetBellCount();
    Type(VK_RETURN);
    EXPECT_EQ(GetBellCount(), bells + 1);
    EXPECT_TRUE(client.chosen.empty());
    list->RemoveAllTopics();
    EXPECT_EQ(list->GetTopicCount(), 0);
}

TEST_F(TopicListViewTest, KeysMoveTheSelectionAndOfferTheChoice) {
    Fill(20);
    SetFocus(list->GetHWnd());
    Run();
    EXPECT_GE(client.focusChanges, 1);
    Type(VK_DOWN);
    EXPECT_EQ(list->GetSelectedRow(), 1);
    Type(VK_END);
    EXPECT_EQ(list->GetSelectedRow(), 19);
    EXPECT_EQ(list->GetVertScrollValue(), list->GetVertScrollMax());
    Type(VK_PRIOR);
    EXPECT_EQ(list->GetSelectedRow(), 19 - (list->VertUnitsOnPage() - 1));
    Type(VK_HOME);
    EXPECT_EQ(list->GetSelectedRow(), 0);
    ASSERT_EQ(client.chosen.size(), 4u);
    EXPECT_EQ(client.chosen[1].topicId, 119);
    // The client left every choice to the view, which posted its hit each time.
    EXPECT_EQ(window->hits.size(), 4u);
    EXPECT_EQ(list->GetLastChoice().topicId, 100);
    client.takes = 1;
    const unsigned long bells = GetBellCount();
    Type(VK_RETURN);
    EXPECT_EQ(client.chosen.back().flag, 0);
    EXPECT_EQ(window->hits.size(), 4u) << "the client took it";
    EXPECT_EQ(GetBellCount(), bells);
}

TEST_F(TopicListViewTest, AClickChoosesARowAndADoubleClickIsSaidSo) {
    Fill(5);
    Click(OnRow(3));
    EXPECT_EQ(list->GetSelectedRow(), 3);
    ASSERT_EQ(client.chosen.size(), 1u);
    EXPECT_EQ(client.chosen[0].flag, 0);
    presenter.Click(OnRow(3));
    Run();
    ASSERT_EQ(client.chosen.size(), 2u) << "a double click on the highlighted row is a choice again";
    EXPECT_EQ(client.chosen[1].flag, 1);
}

TEST_F(TopicListViewTest, ADragInReorderModeShowsTheNewOrderAndMovesOneRowAStep) {
    Fill(6);
    list->SetReorderMode(true);
    std::vector<std::int32_t> shown;
    std::vector<std::int32_t> selected;
    const POINT from = OnRow(1);
    const POINT to = OnRow(4);
    Script({[&] { presenter.MoveMouse(to); },
            [&] {
                selected.push_back(list->GetSelectedRow());
                presenter.MoveMouse(to);
            },
            [&] { presenter.MoveMouse(to); },
            [&] {
                selected.push_back(list->GetSelectedRow());
                for (std::int32_t row = 0; row < 6; ++row) shown.push_back(list->DisplayedEntry(row));
                presenter.ButtonUp();
            }});
    presenter.MoveMouse(from);
    presenter.ButtonDown();
    Run();
    EXPECT_EQ(selected, (std::vector<std::int32_t>{2, 4}));
    EXPECT_EQ(shown, (std::vector<std::int32_t>{0, 2, 3, 4, 1, 5}))
        << "the dragged entry at the selected row";
    EXPECT_EQ(list->GetDragOrigin(), -1);
    EXPECT_EQ(list->TakeMovedFromRow(), 1);
    EXPECT_EQ(list->TakeMovedFromRow(), -1) << "told once";
    EXPECT_EQ(list->GetSelectedRow(), 4);
    ASSERT_FALSE(client.chosen.empty());
    EXPECT_EQ(client.chosen.back().row, 4);
}

TEST_F(TopicListViewTest, APressHeldAboveTheListScrollsOneRowEveryTwoTicks) {
    Fill(30);
    list->ScrollTo(20, 0, 1);
    const std::int32_t first = list->GetVertScrollValue();
    const ShortRect bounds = list->Bounds();
    const POINT above = OnScreen(bounds.left + 20, bounds.top - 5);
    std::vector<std::int32_t> values;
    std::vector<std::function<void()>> steps{[&] { presenter.MoveMouse(above); }};
    // Ten steps of half a tick each: five ticks, two or three rows.
    for (int i = 0; i < 10; ++i) {
        steps.push_back([&] {
            presenter.Advance(8);
            presenter.MoveMouse(above);
            values.push_back(list->GetVertScrollValue());
        });
    }
    steps.push_back([&] { presenter.ButtonUp(); });
    Script(steps);
    presenter.MoveMouse(OnRow(first + 2));
    presenter.ButtonDown();
    Run();
    const std::int32_t scrolled = first - list->GetVertScrollValue();
    EXPECT_GE(scrolled, 2);
    EXPECT_LE(scrolled, 3);
    EXPECT_EQ(list->GetSelectedRow(), first + 2 - scrolled);
}

TEST_F(TopicListViewTest, AStyleChangesOnlyItsOwnRow) {
    list->AddTopic(1, "Same words");
    list->AddTopic(2, "Same words");
    Run();
    auto ink = [&](std::int32_t row) {
        ShortRect rect;
        list->GetRowRect(row, rect);
        POINT corner{rect.left, rect.top};
        ClientToScreen(window->GetHWnd(), &corner);
        int dark = 0;
        for (int y = 0; y < rect.Height(); ++y) {
            for (int x = 0; x < rect.Width(); ++x) {
                if ((ScreenPixel(corner.x + x, corner.y + y) & 0xFF) < 0x80) ++dark;
            }
        }
        return dark;
    };
    const int plain = ink(0);
    ASSERT_GT(plain, 0);
    EXPECT_EQ(ink(1), plain);
    list->SetTopicStyle(1, 1, true);
    Run();
    EXPECT_EQ(ink(0), plain);
    EXPECT_GT(ink(1), plain) << "bold";
}

}  // namespace
}  // namespace widgetstest
