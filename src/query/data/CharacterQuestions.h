#pragma once
// The rows of the question lists that a character's context makes, and the answers the story's
// question status keeps for them.

#include "query/data/QueryStory.h"
#include "storymodel/CharID.h"

class PFMFile;

// Forgets the status and open flag of every row of every question list of the data file whose
// context names the character, first or second, so that a character later given the same id does
// not find them answered. A row whose status entry another context's row shares is left alone. To
// run while the character and its relationships are still in the story.
void ForgetCharacterQuestions(PFMFile* dataFile, const QueryStory& story, CharID id);
