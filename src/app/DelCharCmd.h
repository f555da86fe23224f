#pragma once
// Delete (1289): the character selected in the cast list of the front character list or Build
// Characters window goes from its story, after the character manager's confirmation (which refuses
// the Main and impact characters with its own message); the Build Characters window drops it from
// its quad, and the story's scenes lose it. A refusal for want of such a window or a selection is a
// beep.

#include "app/StoryCommandIds.h"
#include "framework/TCommand.h"
#include "storymodel/CharID.h"

class FKDoc;

class DelCharCmd : public TCommand {
public:
    explicit DelCharCmd(TAppl* application) : TCommand(application, kCmdDeleteCharacter) {}

    // The front window is the character list or Build Characters window and a character is selected
    // in its cast list.
    static bool IsEnabled(const TAppl& application);
    // Always 0.
    ErrCode Do() override;
};

// Takes the character out of the story once deleting it was agreed: the Build Characters window
// drops it from its quad, the question status forgets the rows of its pages, the character goes with
// its record and relationships (the listeners hear of it), and the story's scenes lose it.
void DeleteStoryCharacter(TAppl* application, FKDoc& story, CharID id);
