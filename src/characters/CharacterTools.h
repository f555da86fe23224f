#pragma once
// What the character tools give the story application's commands: the Character menu's windows and
// dialogs (character list, new character, character information, picture, Build Characters, Main
// and impact setup, casting), opened through the application's story tools, and the Build
// Characters window's answer to a character being deleted.

#include "foundation/Types.h"

class FKDoc;
class StoryTools;
class TWindow;

// Brings the story's window of the kind to the front, or makes it, fills it and shows it.
ErrCode OpenCharacterList(FKDoc* story);
ErrCode OpenBuildCharacters(FKDoc* story);
ErrCode OpenCasting(FKDoc* story);

// Installs the character tools' windows and dialogs as the tools of the application's commands.
void InstallCharacterTools(StoryTools& tools);
