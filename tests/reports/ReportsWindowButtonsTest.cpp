// Every button of the Reports window lies whole in the window, where a click on any part of it
// reaches that button, at the window's first size and when made smaller.

#include <gtest/gtest.h>

#include "app/StoryAppFixture.h"
#include "framework/ItemObjectFactory.h"
#include "items/ItemClasses.h"
#include "reports/RepWindow.h"
#include "support/ButtonPlaces.h"

namespace {

using namespace apptest;


class ReportsWindowButtons : public StoryAppTest {
protected:
    void SetUp() override {
        InstallItemClasses();
        RegisterObjectFactory(ItemObjectFactory);
        StoryAppTest::SetUp();
    }
};

TEST_F(ReportsWindowButtons, EveryButtonCanBeClickedWhole) {
    auto* window = new RepWindow(application, NewStory());
    window->BuildContents();
    window->Show();
    Run();
    EXPECT_GE(testsupport::PushButtonsOf(*window).size(), 2u);
    EXPECT_EQ(testsupport::ButtonPlaceFaults(*window), std::vector<std::string>{});
    window->MoveTo(ShortRect::MakeLTRB(10, 10, 10 + window->GetMinTrackSize().x, 10 + window->GetMinTrackSize().y));
    Run();
    EXPECT_EQ(testsupport::ButtonPlaceFaults(*window), std::vector<std::string>{}) << "at the smallest size";
}

}  // namespace
