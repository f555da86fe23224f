// Quitting the program with a changed story on an Xvfb display, with real keys: Yes to saving opens
// the file chooser, and cancelling the chooser asks the question again, so the changes are dropped
// only by No and the quit is called off only by Cancel.

#include <filesystem>
#include <memory>
#include <string>

// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

class XvfbQuit : public XvfbSession {
protected:
    // The story files anywhere in the test's folders.
    std::vector<std::string> StoryFiles() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
            if (entry.path().extension() == ".fsf") found.push_back(entry.path().string());
        }
        return found;
    }
};

TEST_F(XvfbQuit, ACancelledFileChooserAtQuitAsksTheQuestionAgain) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    // Ctrl+3 and a title typed: the new story is changed.
    Shortcut(XK_3);
    ClickAt(kInfoTitleField);
    Press(display, XK_End);
    Type(" at Sea");
    ClickAndSettle(kInfoOk);

    // Ctrl+Q: Save changes? Yes opens the chooser, Escape cancels it, and the question comes back;
    // its Cancel (Escape) calls the quit off.
    Shortcut(XK_q);
    PressAndSettle(XK_y);
    PressAndSettle(XK_Escape);
    PressAndSettle(XK_Escape);
    EXPECT_EQ(program.Wait(std::chrono::milliseconds(1500)), -1) << "the program ended";

    // Ctrl+Q again: Yes, Escape at the chooser, and No at the question asked again: the program ends
    // and writes no story.
    Shortcut(XK_q);
    PressAndSettle(XK_y);
    PressAndSettle(XK_Escape);
    Press(display, XK_n);
    ASSERT_EQ(Ended(), 0) << "No at the question asked again did not end the program";
    EXPECT_TRUE(StoryFiles().empty());
}

}  // namespace
