#pragma once
// What the page keywords share: the story's parts and its query window reached from the document a
// template was interpreted for, texts written into a page only when they fit whole, the
// confirmations of the destructive buttons, and the requests keywords leave for the query window
// (which runs them once the item hit is done).

#include <cstdint>

#include "query/FQSPendingRequests.h"
#include "storymodel/CharID.h"

class CharacterManager;
class CharInfoRec;
class FKDoc;
class FQSWindow;
class IStoryDocument;
class Scene;
class SceneManager;
class TNodeTest;

namespace keywords {

// The story document behind the interface; null for none or another kind of document.
FKDoc* StoryOf(IStoryDocument* document);
// The story's query window; null while it has none.
FQSWindow* QueryWindowOf(IStoryDocument* document);
CharacterManager* CharactersOf(IStoryDocument* document);
SceneManager* ScenesOf(IStoryDocument* document);
// The character with the id, its record open; null for none, including one deleted since the page
// was made, so that nothing is ever written into a character that is gone.
CharInfoRec* CharacterOf(IStoryDocument* document, CharID id);
// The scene with the id; null for none (-1) and for a scene deleted since.
Scene* SceneOf(IStoryDocument* document, std::int16_t id);

// Deletes the scene at the storytelling position together with the question statuses of its rows
// in the query window's list, so that a scene made later under the same id starts unanswered.
void DeleteScene(IStoryDocument* document, std::int32_t position);

// Writes the text with its NUL at out only when its length is less than the room left; answers
// whether it did.
bool WriteWhole(char* out, const char* text, std::int32_t remaining);

// "Are you sure ...": Yes, No and Cancel with No the default; true only for Yes.
bool ConfirmYes(const char* question);
// The standard warning beep of a refused action.
void WarningBeep();

// Asks the query window to rebuild its topic tree (the current list reloaded at its saved place) and
// then to go to the target; a target of none stays where it is.
void RequestGoTo(IStoryDocument* document, const FQSGoToTarget& target = {});
// Selects the first node of the query window's topic tree, in pre-order from the start, that the
// test accepts, and asks the window to show the selected page; false when there is none.
bool SelectFirstNode(IStoryDocument* document, const TNodeTest& test);
// The page shown will store nothing when it is left: what it is bound to is about to go.
void DiscardPageAnswers(IStoryDocument* document);
// Moves the query window's selection off the page of a deleted character, relationship or scene.
void SelectAway(IStoryDocument* document);

}  // namespace keywords
