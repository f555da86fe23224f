// Characters a story cannot hold, typed with real keys and pasted from another program in the
// program on an Xvfb display: the writer is told in a note the first time, once the typing stops,
// which takes none of the keys typed on, and not again while the program runs; each such
// character is kept as "?", and the rest of the text as it was typed. Escape pressed at the note
// before a pause cancels nothing under it.

#include <string>

#include "framework/TypingHold.h"
// Last: the X headers define names that other headers use otherwise.
#include "XvfbSessionFixture.h"

namespace {

using namespace endtoend;

// Where the comments window's field is in the program's window (client pixels of its X window).
constexpr win::POINT kNotesField{270, 220};
// New Character (Ctrl+K), centred in the frame: its role and description fields and its OK.
constexpr win::POINT kNewCharacterRole{430, 202};
constexpr win::POINT kNewCharacterDescription{390, 300};
constexpr win::POINT kNewCharacterOk{455, 400};
constexpr const char* kOmega = "\xCE\xA9";

class XvfbUnkeptText : public XvfbSession {
protected:
    // The character of the key symbol typed with a key of the display's own: the last key code that
    // types nothing is made to type it.
    void TypeSymbol(KeySym symbol) const {
        int first = 0, last = 0, perCode = 0;
        XDisplayKeycodes(display, &first, &last);
        KeySym* symbols = XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &perCode);
        int spare = 0;
        for (int code = last; code >= first && spare == 0; --code) {
            bool empty = true;
            for (int k = 0; k < perCode; ++k) empty = empty && symbols[(code - first) * perCode + k] == NoSymbol;
            if (empty) spare = code;
        }
        XFree(symbols);
        ASSERT_NE(spare, 0) << "no key code is free";
        KeySym both[2] = {symbol, symbol};
        XChangeKeyboardMapping(display, spare, 2, both, 1);
        XSync(display, False);
        XTestFakeKeyEvent(display, static_cast<unsigned>(spare), True, CurrentTime);
        XTestFakeKeyEvent(display, static_cast<unsigned>(spare), False, CurrentTime);
        XFlush(display);
    }
    // The note read, and Return pressed: before a pause in typing it would be taken for typing, and
    // held back from the note.
    void ReadAndDismissTheNote() const {
        std::this_thread::sleep_for(std::chrono::milliseconds(kTypingPause));
        PressAndSettle(XK_Return);
    }
};

TEST_F(XvfbUnkeptText, TypedCharactersAStoryCannotHoldAreToldOnceAndKeptAsQuestionMarks) {
    const std::string saved = folder / "omega.fsf";
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    ASSERT_NO_FATAL_FAILURE(CopyOnDesktop("\xE6\xB1\x89 pasted"));
    // Ctrl+4: Greek letters typed into the comments without a pause. The note comes once the
    // writer stops, having taken none of the keys, and stays until dismissed.
    Shortcut(XK_4);
    ClickAt(kNotesField);
    Type(" X");
    TypeSymbol(XK_Greek_alpha);
    Type("Y Name: ");
    TypeSymbol(XK_Greek_beta);
    Type(" Wei.");
    ExpectScreen("xvfb-unkept-typed.png");
    // Words typed with the note up a while wait for it to be read, the space among them too.
    std::this_thread::sleep_for(std::chrono::milliseconds(kTypingPause));
    Type("hello world");
    // OK; an omega, a space and a word, and a Chinese letter pasted: no note comes between them.
    ReadAndDismissTheNote();
    TypeSymbol(XK_Greek_OMEGA);
    Type(" ok ");
    Chord(display, XK_Control_L, XK_v);
    ASSERT_NO_FATAL_FAILURE(SaveAs(saved));
    EXPECT_TRUE(FileHolds(saved, " X?Y Name: ? Wei.hello world? ok ? pasted"));
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0);
}

// Ctrl+K: a character with a Chinese letter in its description. Escape pressed at the note as it
// comes up (before a pause, so taken for typing) is dropped, and Escape after a pause answers the
// note: New Character stays, with all that was typed, and its OK keeps the character.
TEST_F(XvfbUnkeptText, EscapeAtTheNoteLeavesTheDialogUnderItAsTyped) {
    const std::string saved = folder / "yann.fsf";
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    Shortcut(XK_k);
    Type("Old Yann");
    ClickAt(kNewCharacterRole);
    Type("Drover");
    ClickAt(kNewCharacterDescription);
    Type("Knows every rock. Sings ");
    TypeSymbol(0x100674E);  // a Chinese letter
    Type(" songs.");
    const std::unique_ptr<win::Surface> typed = Capture();
    ASSERT_TRUE(Eventually([&] { return gditest::DifferingPixels(*Capture(), *typed) > 2000; }))
        << "the note came";
    Press(display, XK_Escape);
    std::this_thread::sleep_for(std::chrono::milliseconds(kTypingPause));
    PressAndSettle(XK_Escape);
    ClickAndSettle(kNewCharacterOk);
    ASSERT_NO_FATAL_FAILURE(SaveAs(saved));
    EXPECT_TRUE(FileHolds(saved, "Old Yann"));
    EXPECT_TRUE(FileHolds(saved, "Drover"));
    EXPECT_TRUE(FileHolds(saved, "Knows every rock. Sings ? songs."));
    Chord(display, XK_Control_L, XK_q);
    EXPECT_EQ(Ended(), 0);
}

TEST_F(XvfbUnkeptText, PastedCharactersAStoryCannotHoldAreTold) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForTheFrontEnd());
    ASSERT_NO_FATAL_FAILURE(CopyOnDesktop(kOmega));
    Shortcut(XK_4);
    ClickAt(kNotesField);
    Type("Omega ");
    std::unique_ptr<win::Surface> before = Capture();
    Chord(display, XK_Control_L, XK_v);
    ExpectScreen("xvfb-unkept-characters.png", before.get());
    ReadAndDismissTheNote();
    Chord(display, XK_Control_L, XK_q);
    Press(display, XK_n);
    EXPECT_EQ(Ended(), 0);
}

}  // namespace
