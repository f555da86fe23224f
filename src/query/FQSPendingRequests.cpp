#include "query/FQSPendingRequests.h"

GoToRule ChooseGoToRule(const FQSGoToTarget& target) {
    if (target.listId >= 0) return GoToRule::kList;
    if (target.scenePosition >= 0 || target.sceneId >= 0) return GoToRule::kScene;
    if (target.secondCharacter != kNoCharID) return GoToRule::kSecondCharacter;
    if (target.character != kNoCharID) return GoToRule::kCharacter;
    if (target.topic >= 0) return GoToRule::kTopic;
    if (target.row >= 0) return GoToRule::kRow;
    return GoToRule::kNone;
}

bool FQSPendingRequests::Hears(const FQSListeningState& state) {
    return state.pageShown && !state.zeroStoryforms && !state.closing;
}

FQSPendingRequests::Reaction FQSPendingRequests::StoryformChanged(const FQSListeningState& state) {
    if (!Hears(state) || !state.pageListening) return Reaction::kIgnored;
    recount = true;
    if (busy) {
        refresh = true;
        return Reaction::kAfterHit;
    }
    goTo = true;
    return Reaction::kPostHit;
}

FQSPendingRequests::Reaction FQSPendingRequests::CharactersChanged(const FQSListeningState& state,
                                                                   const FQSGoToTarget& place) {
    if (!Hears(state)) return Reaction::kIgnored;
    if (!(goTo && target.character != kNoCharID)) {
        target.character = place.character;
        target.secondCharacter = place.secondCharacter;
        target.topic = place.topic;
        target.sceneId = place.sceneId;
    }
    goTo = true;
    return Reaction::kPostHit;
}

FQSPendingRequests::Reaction FQSPendingRequests::ScenesChanged(const FQSListeningState& state) {
    if (!Hears(state)) return Reaction::kIgnored;
    goTo = true;
    return Reaction::kPostHit;
}

void FQSPendingRequests::RequestList(std::int16_t listId) {
    goTo = true;
    target.listId = listId;
}

void FQSPendingRequests::ClearGoTo() {
    goTo = false;
    target = FQSGoToTarget{};
}
