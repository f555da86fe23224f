#pragma once
// A bitmap becomes a character's own picture: a Windows bitmap file the writer chooses (the Picture
// command), or the bitmap on the clipboard (Paste in a cast list). The picture is brought to 32 x 32
// pixels and kept in the story file as a custom picture; the character shows it from then on. What
// cannot be read or kept is said in a message, and the character keeps the picture it had.

#include <string>

#include "foundation/Types.h"
#include "storymodel/CharID.h"

class FKDoc;

inline constexpr const char* kPictureChooserTitle = "Select character bitmap";
inline constexpr const char* kPictureChooserFilter = "Bitmaps (*.bmp)";

// The DIB (a header, its colours and its pixels) as the character's picture: 0, -3 for bits that
// make no picture, -1 when the story file cannot keep it or there is no such character.
ErrCode SetCharacterPictureFromDib(FKDoc& story, CharID id, const void* dib);
// The bitmap file as the character's picture; a failure is said in a message and answered.
ErrCode ImportCharacterPicture(FKDoc& story, CharID id, const std::string& path);
// The clipboard's bitmap as the character's picture; a failure is said in a message and answered.
ErrCode PasteCharacterPicture(FKDoc& story, CharID id);
// The Picture command: asks for a bitmap file with the file chooser and imports it; 0 also when
// the writer cancels.
ErrCode AskCharacterPicture(FKDoc* story, CharID id);
