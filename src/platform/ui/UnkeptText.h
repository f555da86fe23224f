#pragma once
// Characters the program cannot keep. Text comes from the desktop as UTF-8 (typed, from an input
// method, or pasted from the desktop's clipboard) and is Windows-1252 inside the program, so a
// character that code page lacks (a Greek or Chinese letter, an emoji) becomes '?'. When that happens
// to text the writer types or pastes, the frame window is posted the registered message of this
// name, so that the program can tell the writer.

namespace win {

inline constexpr const char* kUnkeptTextMessageName = "UnkeptTextTypedOrPasted";

// Posts the registered message to the frame window (nothing while there is none). The input queue
// posts it once the characters it is about have been taken (InputEvents.h), the clipboard when text
// that lost some is taken to be pasted.
void NoteUnkeptText();

}  // namespace win
