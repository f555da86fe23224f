#pragma once
// What the character tools give the story application's commands: the Character menu's windows and
// dialogs (character list, new character, character information, picture, Main and impact setup),
// opened through the application's story tools.

#include "foundation/Types.h"

class FKDoc;
class StoryTools;
class TWindow;

// Brings the story's window of the kind to the front, or makes it, fills it and shows it.
ErrCode OpenCharacterList(FKDoc* story);

// Installs the character tools' windows and dialogs as the tools of the application's commands.
void InstallCharacterTools(StoryTools& tools);
