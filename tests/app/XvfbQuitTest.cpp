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

// Where things are in the program's window (client pixels of its X window): the story information
// dialog opens centred in the frame.
constexpr win::POINT kTitleField{470, 95};
constexpr win::POINT kInfoOk{589, 422};

class XvfbQuit : public XvfbSession {
protected:
    // The key pressed; the screen once it shows what the key brought up.
    std::unique_ptr<win::Surface> PressAndSettle(KeySym key) const {
        const std::unique_ptr<win::Surface> before = Capture();
        Press(display, key);
        return Settled(before.get());
    }
    std::unique_ptr<win::Surface> QuitAndSettle() const {
        const std::unique_ptr<win::Surface> before = Capture();
        Chord(display, XK_Control_L, XK_q);
        return Settled(before.get());
    }
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
    ClickAt(kTitleField);
    Press(display, XK_End);
    Type(" at Sea");
    std::unique_ptr<win::Surface> before = Capture();
    ClickAt(kInfoOk);
    Rest();
    Settled(before.get());

    // Ctrl+Q: Save changes? Yes opens the chooser, Escape cancels it, and the question comes back;
    // its Cancel (Escape) calls the quit off.
    QuitAndSettle();
    PressAndSettle(XK_y);
    PressAndSettle(XK_Escape);
    PressAndSettle(XK_Escape);
    EXPECT_EQ(program.Wait(std::chrono::milliseconds(1500)), -1) << "the program ended";

    // Ctrl+Q again: Yes, Escape at the chooser, and No at the question asked again: the program ends
    // and writes no story.
    QuitAndSettle();
    PressAndSettle(XK_y);
    PressAndSettle(XK_Escape);
    Press(display, XK_n);
    ASSERT_EQ(Ended(), 0) << "No at the question asked again did not end the program";
    EXPECT_TRUE(StoryFiles().empty());
}

}  // namespace
