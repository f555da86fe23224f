// What a writer types is kept as typed, in the program on an Xvfb display with real keys: a
// character named with a slash and braces comes back from Character > Info and OK unchanged; a title
// typed past what its key keeps stops there; the story saved, notes typed into the comments make
// the story changed at once, so Ctrl+S saves them and Quit ends the program without a question.

#include <filesystem>
#include <string>

// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// Where the comments window's field is in the program's window (client pixels of its X window): the
// window opens at its default place.
constexpr win::POINT kCommentsField{270, 220};

// A text as the story file stores it: each brace and slash behind the escape byte.
constexpr const char* kStoredName =
    "Jean\xB0"
    "2Luc \xB0"
    "0x\xB0"
    "1";
constexpr const char* kStoredNotes =
    "Storm at \xB0"
    "0dawn\xB0"
    "1.";

using XvfbTypedText = XvfbSession;

TEST_F(XvfbTypedText, WhatTheWriterTypesIsKeptAsTypedAndSavedWithoutLeavingTheWindow) {
    const std::string saved = folder / "typed.fsf";
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    // Ctrl+L, then Ctrl+K: a character named over the name offered, selected in the list once made.
    Shortcut(XK_l);
    Shortcut(XK_k);
    Type("Jean/Luc {x}");
    PressAndSettle(XK_Return);
    // Ctrl+I: the character's information, and OK with nothing changed.
    Shortcut(XK_i);
    PressAndSettle(XK_Return);
    // Ctrl+3: a title of 120 letters typed over the one offered; its key keeps 99.
    Shortcut(XK_3);
    ClickAt(kInfoTitleField);
    Press(display, XK_End);
    for (int i = 0; i < 12; ++i) Press(display, XK_BackSpace);
    Type(std::string(120, 'T'));
    ClickAndSettle(kInfoOk);
    ASSERT_NO_FATAL_FAILURE(SaveAs(saved));
    EXPECT_TRUE(FileHolds(saved, kStoredName)) << "the name is stored escaped once";
    EXPECT_TRUE(FileHolds(saved, std::string(99, 'T')));
    EXPECT_FALSE(FileHolds(saved, std::string(100, 'T'))) << "the title stopped at what its key keeps";

    // Ctrl+4: notes typed into the comments; Ctrl+S saves them with the window still in front.
    Shortcut(XK_4);
    ClickAt(kCommentsField);
    Type("Storm at {dawn}.");
    Chord(display, XK_Control_L, XK_s);
    EXPECT_TRUE(Eventually([&] { return FileHolds(saved, kStoredNotes); })) << "Ctrl+S saved the notes";
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0) << "the story was saved, so Quit asks nothing";
}

}  // namespace
