#pragma once
// What the query window is asked to do once the current item hit is done. Page keywords ask while
// a hit runs (go to another list, topic, character or scene; show the page again); the window's
// listeners ask when the storyform, the characters or the scenes change. Changes heard outside an
// item hit post a hit of their own (the list chooser's, 3), so the requests run right after the
// change's own work is done; changes heard while a hit runs (the busy mark) wait for that hit.
//
// After the requests ran, the window recounts the storyforms first (when asked), then goes to the
// target, or else shows the page again.

#include <cstdint>

#include "storymodel/CharID.h"

// Where a go-to leads; every field "none" by default.
struct FQSGoToTarget {
    // A list to open at its first row.
    std::int16_t listId = -1;
    std::int32_t row = -1;
    std::int16_t topic = -1;
    CharID character = kNoCharID;
    CharID secondCharacter = kNoCharID;
    // The scene, by its storytelling position or its id.
    std::int16_t scenePosition = -1;
    std::int16_t sceneId = -1;

    bool operator==(const FQSGoToTarget&) const = default;
};

// Which of the go-to rules applies to a target: the first of a list, a scene, a second character, a
// character, a topic and a row that the target names.
enum class GoToRule {
    kList,             // the list at its first row
    kScene,            // the first row of the topic (any topic for -1) with that scene
    kSecondCharacter,  // the first row of the topic whose context has both characters
    kCharacter,        // the first row of the topic with that character
    kTopic,            // the first row of the topic
    kRow,              // that row
    kNone,             // the current list at its remembered row
};
GoToRule ChooseGoToRule(const FQSGoToTarget& target);

// What the window is in when a change reaches it.
struct FQSListeningState {
    bool pageShown = false;
    // The page shown lets storyform changes through (it does not while it writes its own answer).
    bool pageListening = true;
    bool zeroStoryforms = false;
    bool closing = false;
};

class FQSPendingRequests {
public:
    // What a change asks of the window.
    enum class Reaction {
        kIgnored,
        kAfterHit,  // the requests run after the item hit being handled
        kPostHit,   // the window posts hit 3 so that the requests run
    };

    // The storyform changed: inside an item hit the page is shown again and the storyforms are
    // recounted; outside one the window goes to where it is and recounts.
    Reaction StoryformChanged(const FQSListeningState& state);
    // The characters changed: unless a go-to with a character is asked already, the window goes to
    // the row's place (the target given).
    Reaction CharactersChanged(const FQSListeningState& state, const FQSGoToTarget& place);
    // The scenes changed: the window goes to where it is.
    Reaction ScenesChanged(const FQSListeningState& state);

    // A keyword's request of a list, opened at its first row.
    void RequestList(std::int16_t listId);
    // Every target field back to none, and the go-to request with it.
    void ClearGoTo();

    bool goTo = false;
    bool refresh = false;
    bool recount = false;
    // An item hit is being handled.
    bool busy = false;
    FQSGoToTarget target;

private:
    static bool Hears(const FQSListeningState& state);
};
