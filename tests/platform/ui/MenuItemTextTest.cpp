// A popup item's text split at its tab into the label and the shortcut shown right-aligned; the tab
// itself belongs to neither.

#include <gtest/gtest.h>

#include "platform/ui/MenuLook.h"

namespace {

using win::detail::SplitItemText;

TEST(MenuItemText, TheShortcutIsWhatFollowsTheTab) {
    const win::detail::ItemText text = SplitItemText("&New\tCtrl+N");
    EXPECT_EQ(text.label, "&New");
    EXPECT_EQ(text.shortcut, "Ctrl+N");
    EXPECT_EQ(SplitItemText("Print\tCtrl+Shift+P").shortcut, "Ctrl+Shift+P");
}

TEST(MenuItemText, AnItemWithoutATabHasNoShortcut) {
    const win::detail::ItemText text = SplitItemText("&Open...");
    EXPECT_EQ(text.label, "&Open...");
    EXPECT_TRUE(text.shortcut.empty());
}

TEST(MenuItemText, ATabAtEitherEndLeavesThatSideEmpty) {
    const win::detail::ItemText leading = SplitItemText("\tF1");
    EXPECT_TRUE(leading.label.empty());
    EXPECT_EQ(leading.shortcut, "F1");
    const win::detail::ItemText trailing = SplitItemText("Quit\t");
    EXPECT_EQ(trailing.label, "Quit");
    EXPECT_TRUE(trailing.shortcut.empty()) << "nothing to show right-aligned";
}

}  // namespace
